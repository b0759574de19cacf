#pragma once

#include <QPointer>

class QToolButton;
class QFont;
class TDecoratedFrame;

// A tool-bar button that sends its command when clicked. Its glyph is the
// bitmap resource with the same number (:/glyphs/<id>.bmp) at its own size.
// It starts disabled until command enabling says otherwise, and released;
// the program can show it pressed (a mode that is on).
class TButtonGadget {
public:
    enum TState { Up, Down };

    TButtonGadget(int glyphId, int commandId);

    int GetCommand() const { return Command; }
    void SetButtonState(TState state);
    TState GetButtonState() const;
    void SetEnabled(bool enabled);
    bool IsEnabled() const;

    // The button widget, sending its command to the frame.
    QToolButton* MakeButton(TDecoratedFrame& frame, const QFont& font);

private:
    int GlyphId;
    int Command;
    QPointer<QToolButton> Button;
};
