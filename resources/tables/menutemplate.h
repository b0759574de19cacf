#pragma once

// The menu bar "COMMANDS" as data: popups with their items in order, each
// with its command id, its text (an ampersand marks the access letter; a
// leading backspace puts a popup title at the right end of the bar) and its
// initial check and gray state. A separator is an item with id 0 and no popup.

struct TMenuPopupTemplate;

// Text after a TAB is the item's shortcut key, shown at its right; an item
// with a Popup opens that popup instead of sending a command, and its hint
// is the string one below the popup's first item, as for the menu bar's.
struct TMenuItemTemplate {
    int Id = 0; // 0 for a separator
    const char* Text = "";
    bool Checked = false;
    bool Grayed = false;
    const TMenuPopupTemplate* Popup = nullptr;
};

struct TMenuPopupTemplate {
    const char* Title;
    const TMenuItemTemplate* Items;
    int ItemCount;
};

struct TMenuTemplate {
    const TMenuPopupTemplate* Popups;
    int PopupCount;
};

// Null when no menu of that name exists.
const TMenuTemplate* FindMenuTemplate(const char* name);
