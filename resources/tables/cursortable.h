#pragma once

// The program's cursors: 32 x 32 monochrome pictures compiled into the
// resources under :/cursors/<name>.png, each with its hot spot measured
// from the top left corner.

struct TCursorTemplate {
    const char* Name;
    int HotX;
    int HotY;
};

// Null when no cursor has that name.
const TCursorTemplate* FindCursorTemplate(const char* name);
