#pragma once

#include "framework/gadgetwindowfont.h"

#include <QPointer>

#include <memory>
#include <vector>

class QToolBar;
class TButtonGadget;
class TDecoratedFrame;

// A gap between tool-bar buttons, Size pixels wide.
struct TSeparatorGadget {
    int Size;
};

// The frame's tool bar: command buttons and fixed-size gaps, left to right
// in the order inserted. It owns its buttons. A button's hint shows in the
// status bar as soon as the pointer enters it.
class TControlBar {
public:
    TControlBar(TDecoratedFrame& frame, const TGadgetWindowFont& font);
    ~TControlBar();
    TControlBar(const TControlBar&) = delete;
    TControlBar& operator=(const TControlBar&) = delete;

    TButtonGadget& Insert(std::unique_ptr<TButtonGadget> button);
    void Insert(const TSeparatorGadget& separator);

    const std::vector<std::unique_ptr<TButtonGadget>>& Buttons() const { return ButtonGadgets; }
    QToolBar* GetHandle() const;

private:
    TDecoratedFrame& Frame;
    TGadgetWindowFont Font;
    QPointer<QToolBar> Bar;
    std::vector<std::unique_ptr<TButtonGadget>> ButtonGadgets;
};
