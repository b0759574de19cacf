#pragma once

#include "framework/gadgetwindowfont.h"

#include <QPointer>

#include <string>

class QStatusBar;
class TTextGadget;

// The frame's status bar: a message area taking the width the panes leave
// (hint texts of menu items and buttons show there), then text panes in the
// order they were inserted. No keyboard-mode indicators.
class TStatusBar {
public:
    explicit TStatusBar(const TGadgetWindowFont& font);
    ~TStatusBar();
    TStatusBar(const TStatusBar&) = delete;
    TStatusBar& operator=(const TStatusBar&) = delete;

    // Shows the gadget as the next pane; the gadget stays the caller's.
    void Insert(TTextGadget& gadget);
    // Sets the message area's text; null or empty clears it.
    void SetHintText(const char* text);
    std::string GetHintText() const;

    // The widget; the frame takes it over when the bar is inserted.
    QStatusBar* GetHandle() const;

private:
    QPointer<QStatusBar> Bar;
    TGadgetWindowFont Font;
};
