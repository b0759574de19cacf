#pragma once

// Dialog templates in dialog units (x: a quarter of the dialog font's
// average character width, y: an eighth of its height), with the controls
// in tab order. Id -1 marks a control the program never addresses.

enum class TControlKind {
    Icon,        // Text names an icon resource; centred in its box
    Text,        // static text
    BlackFrame,  // a black rectangle outline (one unit high: a line)
    Edit,        // one-line edit field, bordered, scrolls horizontally
    CheckBox,    // automatic check box
    PushButton,
    DefPushButton,
};

enum class TTextAlign { Left, Center };

struct TControlTemplate {
    TControlKind Kind;
    int Id;
    const char* Text;
    int X, Y, Width, Height;
    TTextAlign Align = TTextAlign::Left;
    bool Border = false;
    // Tab visits the control; one that Tab passes by takes clicks and its
    // access key all the same.
    bool TabStop = true;
};

struct TDialogTemplate {
    const char* Caption;
    int X, Y, Width, Height;
    const TControlTemplate* Controls;
    int ControlCount;
};

// Null when no dialog has that name.
const TDialogTemplate* FindDialogTemplate(const char* name);
