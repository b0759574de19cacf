#include "framework/controlbar.h"

#include "framework/buttongadget.h"

#include <QHBoxLayout>
#include <QToolBar>
#include <QToolButton>

TControlBar::TControlBar(TDecoratedFrame& frame, const TGadgetWindowFont& font)
    : Frame(frame), Font(font), Bar(new QToolBar) {
    Bar->setFont(Font.ToQFont());
    Bar->setMovable(false);
    Bar->setFloatable(false);
    Bar->setOrientation(Qt::Horizontal);
}

TControlBar::~TControlBar() {
    if (Bar && !Bar->parent())
        delete Bar;
}

QToolBar* TControlBar::GetHandle() const {
    return Bar;
}

TButtonGadget& TControlBar::Insert(std::unique_ptr<TButtonGadget> button) {
    // A tool button whose parent is the bar draws its glyph at the bar's
    // icon size; in a holder of its own it keeps the glyph's size.
    auto* holder = new QWidget;
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(button->MakeButton(Frame, Font.ToQFont()));
    Bar->addWidget(holder);
    ButtonGadgets.push_back(std::move(button));
    return *ButtonGadgets.back();
}

void TControlBar::Insert(const TSeparatorGadget& separator) {
    auto* gap = new QWidget;
    gap->setFixedWidth(separator.Size);
    Bar->addWidget(gap);
}
