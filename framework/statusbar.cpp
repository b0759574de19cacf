#include "framework/statusbar.h"

#include "framework/textgadget.h"

#include <QLabel>
#include <QStatusBar>

TStatusBar::TStatusBar(const TGadgetWindowFont& font) : Bar(new QStatusBar), Font(font) {
    Bar->setFont(Font.ToQFont());
    Bar->setSizeGripEnabled(false);
}

TStatusBar::~TStatusBar() {
    if (Bar && !Bar->parent())
        delete Bar;
}

QStatusBar* TStatusBar::GetHandle() const {
    return Bar;
}

void TStatusBar::Insert(TTextGadget& gadget) {
    Bar->addPermanentWidget(gadget.MakeLabel(Font.ToQFont()));
}

void TStatusBar::SetHintText(const char* text) {
    if (text && *text)
        Bar->showMessage(QString::fromUtf8(text));
    else
        Bar->clearMessage();
}

std::string TStatusBar::GetHintText() const {
    return Bar->currentMessage().toStdString();
}
