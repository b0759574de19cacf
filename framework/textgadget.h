#pragma once

#include <QPointer>

#include <string>

class QLabel;
class QFont;

// A text pane of a status bar: a fixed width in characters, a recessed
// border and left-aligned text. It keeps its text whether or not a status
// bar shows it; the status bar that shows it does not own it.
class TTextGadget {
public:
    enum TBorderStyle { Recessed };
    enum TAlign { Left };

    TTextGadget(int id, TBorderStyle border, TAlign align, int numChars, const char* text);

    void SetText(const std::string& text);
    const std::string& GetText() const { return Text; }
    int GetId() const { return Id; }
    int GetNumChars() const { return NumChars; }

    // The pane that shows the gadget, made by the status bar.
    QLabel* MakeLabel(const QFont& font);

private:
    int Id;
    int NumChars;
    std::string Text;
    QPointer<QLabel> Label;
};
