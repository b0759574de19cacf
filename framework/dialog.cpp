#include "framework/dialog.h"

#include "framework/gdi/messagebox.h"
#include "framework/window.h"
#include "resources/tables/dialogtemplate.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

// Dialog units to pixels with the dialog's font. The character width is the
// mean advance of the 52 letters, as dialog base units are defined, kept
// unrounded: the font's own average width (mostly lower-case letters) makes
// the templates' texts too narrow to show whole.
struct TDialogUnits {
    explicit TDialogUnits(const QFont& font) {
        const QFontMetrics metrics(font);
        CharWidth =
            metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
            52.0;
        CharHeight = metrics.height();
    }
    int X(int units) const { return static_cast<int>(std::lround(units * CharWidth / 4)); }
    int Y(int units) const { return units * CharHeight / 8; }
    double CharWidth;
    int CharHeight;
};

Qt::Alignment AlignmentOf(const TControlTemplate& control) {
    return (control.Align == TTextAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft) |
           Qt::AlignTop;
}

QWidget* MakeControl(const TControlTemplate& control, QWidget* parent) {
    const QString text = QString::fromUtf8(control.Text);
    switch (control.Kind) {
    case TControlKind::Icon: {
        auto* icon = new QLabel(parent);
        icon->setPixmap(QPixmap(QStringLiteral(":/icons/%1.png").arg(text)));
        icon->setAlignment(Qt::AlignCenter);
        return icon;
    }
    case TControlKind::Text: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(AlignmentOf(control));
        // A box of one line keeps its text on that line.
        label->setWordWrap(control.Height > 10);
        if (control.Border)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        return label;
    }
    case TControlKind::BlackFrame: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setStyleSheet(QStringLiteral("color: black"));
        // A frame is only a picture: clicks go through to the controls it
        // surrounds, whatever order the template makes them in.
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        return frame;
    }
    case TControlKind::Edit:
        return new QLineEdit(parent);
    case TControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case TControlKind::PushButton:
    case TControlKind::DefPushButton: {
        auto* button = new QPushButton(text, parent);
        button->setDefault(control.Kind == TControlKind::DefPushButton);
        button->setAutoDefault(false);
        return button;
    }
    }
    return nullptr;
}

} // namespace

TDialog::TDialog(TWindow* parent, const char* templateName)
    : Parent(parent), Template(FindDialogTemplate(templateName)) {}

TDialog::~TDialog() {
    delete Window;
}

void TDialog::Build() {
    Window = new QDialog(Parent ? Parent->GetHandle() : nullptr);
    Window->setWindowTitle(QString::fromUtf8(Template->Caption));
    Window->setAttribute(Qt::WA_DeleteOnClose, false);
    const TDialogUnits units(Window->font());
    Window->setFixedSize(units.X(Template->Width), units.Y(Template->Height));
    Items.clear();
    for (int i = 0; i < Template->ControlCount; ++i) {
        const TControlTemplate& control = Template->Controls[i];
        QWidget* widget = MakeControl(control, Window);
        widget->setGeometry(units.X(control.X), units.Y(control.Y),
                            std::max(1, units.X(control.Width)), std::max(1, units.Y(control.Height)));
        if (!control.TabStop)
            widget->setFocusPolicy(Qt::ClickFocus);
        if (control.Id >= 0)
            Items[control.Id] = widget;
        if (control.Id == IDOK)
            QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked,
                             Window, [this] { Ok(); });
        else if (control.Id == IDCANCEL)
            QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked,
                             Window, &QDialog::reject);
    }
    SetupWindow();
}

void TDialog::Ok() {
    if (CanClose())
        Window->accept();
}

int TDialog::Execute() {
    delete Window;
    Build();
    const int result = Window->exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    delete Window;
    return result;
}

void TDialog::Create() {
    if (Window)
        return;
    Build();
    // A modeless dialog's window ends when it closes; the object stays.
    QObject::connect(Window, &QDialog::finished, Window, &QObject::deleteLater);
}

void TDialog::Show() {
    if (!Window)
        return;
    Window->show();
    Window->raise();
    Window->activateWindow();
}

bool TDialog::IsWindow() const {
    return !Window.isNull();
}

QDialog* TDialog::GetHandle() const {
    return Window;
}

QWidget* TDialog::GetDlgItem(int id) const {
    const auto found = Items.find(id);
    return found == Items.end() ? nullptr : found->second.data();
}

void TDialog::SetDlgItemText(int id, const std::string& text) {
    QWidget* item = GetDlgItem(id);
    const QString value = QString::fromStdString(text);
    if (auto* label = qobject_cast<QLabel*>(item))
        label->setText(value);
    else if (auto* edit = qobject_cast<QLineEdit*>(item))
        edit->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(item))
        button->setText(value);
}

std::string TDialog::GetDlgItemText(int id, int maxChars) const {
    QWidget* item = GetDlgItem(id);
    QString value;
    if (auto* label = qobject_cast<QLabel*>(item))
        value = label->text();
    else if (auto* edit = qobject_cast<QLineEdit*>(item))
        value = edit->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(item))
        value = button->text();
    return value.left(maxChars).toStdString();
}

void TDialog::FocusDlgItem(int id) {
    QWidget* item = GetDlgItem(id);
    if (!item)
        return;
    item->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(item))
        edit->selectAll();
}

void TDialog::CheckDlgButton(int id, bool checked) {
    if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id)))
        button->setChecked(checked);
}

bool TDialog::IsDlgButtonChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    return button && button->isChecked();
}

void TDialog::EnableDlgItem(int id, bool enabled) {
    if (QWidget* item = GetDlgItem(id))
        item->setEnabled(enabled);
}
