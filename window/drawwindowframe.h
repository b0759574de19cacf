#pragma once

#include <memory>

class TDialog;
class TWindow;

// What the drawing window needs from the frame it lives in, given to it when
// it is made: the status bar's hint line, the Draw button's look and the
// About dialog. The program's frame implements it in app/; a window made
// without one does without them.
class TDrawWindowFrame {
public:
    virtual ~TDrawWindowFrame() = default;

    // Null or empty clears the hint line.
    virtual void SetHintText(const char* text) = 0;
    // The Draw button shows pressed while drawing is on.
    virtual void SetDrawButtonDown(bool down) = 0;
    // The About dialog, made once; the window keeps it and shows it on Help|About.
    virtual std::unique_ptr<TDialog> MakeAboutDialog(TWindow& parent) = 0;
};
