#pragma once

#include <QPointer>

#include <string>
#include <vector>

class QLabel;
class QFont;

// A text pane of a status bar: a fixed width, a recessed border and
// left-aligned text. The width is the given number of average characters,
// or more when the texts the pane must show whole need it. It keeps its
// text whether or not a status bar shows it; the status bar that shows it
// does not own it.
class TTextGadget {
public:
    enum TBorderStyle { Recessed };
    enum TAlign { Left };

    TTextGadget(int id, TBorderStyle border, TAlign align, int numChars, const char* text);

    void SetText(const std::string& text);
    const std::string& GetText() const { return Text; }
    int GetId() const { return Id; }
    int GetNumChars() const { return NumChars; }

    // The longest texts the pane is to show whole, say every fixed text and
    // the widest of each format; digits count as the font's widest digit,
    // so any value of the same length fits too.
    void FitTexts(std::vector<std::string> texts);

    // The pane that shows the gadget, made by the status bar.
    QLabel* MakeLabel(const QFont& font);

private:
    int Id;
    int NumChars;
    std::string Text;
    std::vector<std::string> WidestTexts;
    QPointer<QLabel> Label;

    void FitLabel();
};
