#pragma once

#include "framework/gdi/messagebox.h"

#include <string>

// One message box as the domain asks for it: the exact text, the
// title, the buttons and the icon (MB_ values). An empty Caption means the
// box has no title of its own, so the platform's default title shows.
struct TUserMessage {
    std::string Text;
    std::string Caption;
    unsigned Buttons = MB_OK;
    unsigned Icon = 0;

    // Buttons and icon together, as a message box call takes them.
    unsigned Flags() const { return Buttons | Icon; }
    friend bool operator==(const TUserMessage&, const TUserMessage&) = default;
};
