#include "framework/buttongadget.h"

#include "framework/decoratedframe.h"
#include "resources/tables/stringtable.h"

#include <QPixmap>
#include <QToolButton>

TButtonGadget::TButtonGadget(int glyphId, int commandId) : GlyphId(glyphId), Command(commandId) {}

QToolButton* TButtonGadget::MakeButton(TDecoratedFrame& frame, const QFont& font) {
    auto* button = new QToolButton;
    button->setFont(font);
    const QPixmap glyph(QStringLiteral(":/glyphs/%1.bmp").arg(GlyphId));
    button->setIcon(glyph);
    button->setIconSize(glyph.size());
    button->setAutoRaise(false);
    button->setEnabled(false);
    // The hint goes to the status bar while the pointer rests on the
    // button, and into a tooltip for those who look at the button.
    if (const char* hint = LoadTableString(Command)) {
        button->setStatusTip(QString::fromUtf8(hint));
        button->setToolTip(QString::fromUtf8(hint));
    }
    const int command = Command;
    QObject::connect(button, &QToolButton::clicked, button,
                     [&frame, command] { frame.DispatchCommand(command); });
    Button = button;
    return button;
}

void TButtonGadget::SetButtonState(TState state) {
    if (!Button || GetButtonState() == state)
        return;
    Button->setCheckable(true);
    Button->setChecked(state == Down);
}

TButtonGadget::TState TButtonGadget::GetButtonState() const {
    return Button && Button->isChecked() ? Down : Up;
}

void TButtonGadget::SetEnabled(bool enabled) {
    if (Button)
        Button->setEnabled(enabled);
}

bool TButtonGadget::IsEnabled() const {
    return Button && Button->isEnabled();
}
