#pragma once

#include <memory>

// Holds the user's input off the program while a long piece of work runs in
// the event loop's place: clicks, keys, the wheel, commands and closing are
// refused for as long as the object lives, except Escape, which is noted.
// Pump lets the windows repaint, the status bar show and the window system
// be answered in between.
class TInputHold {
public:
    TInputHold();
    ~TInputHold();
    TInputHold(const TInputHold&) = delete;
    TInputHold& operator=(const TInputHold&) = delete;

    // Runs the events waiting; true once Escape has been pressed.
    bool Pump();

private:
    class TFilter;
    std::unique_ptr<TFilter> Filter;
};
