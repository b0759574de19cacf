#include "framework/controlbar.h"

#include "framework/buttongadget.h"

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
    // The bar sets its own icon size on what is added; each glyph keeps its own.
    QToolButton* widget = button->MakeButton(Frame, Font.ToQFont());
    const QSize glyphSize = widget->iconSize();
    Bar->addWidget(widget);
    widget->setIconSize(glyphSize);
    ButtonGadgets.push_back(std::move(button));
    return *ButtonGadgets.back();
}

void TControlBar::Insert(const TSeparatorGadget& separator) {
    auto* gap = new QWidget;
    gap->setFixedWidth(separator.Size);
    Bar->addWidget(gap);
}
