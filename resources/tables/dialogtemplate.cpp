#include "resources/tables/dialogtemplate.h"

#include <cstring>
#include <iterator>

namespace {

using K = TControlKind;
using A = TTextAlign;

constexpr TControlTemplate AboutControls[] = {
    {K::Icon, -1, "KESTROVA_ICON", 110, 6, 20, 20, A::Center},
    {K::Text, 301, "Text", 10, 30, 220, 36, A::Center, true},
    {K::Text, -1, "32-bit version for Microsoft\xC2\xAE Windows NT and Win32", 6, 72, 228, 10,
     A::Center},
    {K::BlackFrame, -1, "", 6, 86, 228, 1},
    {K::DefPushButton, 1, "&Ok", 100, 92, 40, 14},
};

// The two frames come first so that they lie beneath the fields and boxes
// they surround and never take a click meant for them; Tab visits neither.
constexpr TControlTemplate ScaleControls[] = {
    {K::BlackFrame, -1, "", 6, 15, 156, 42},
    {K::BlackFrame, -1, "", 4, 61, 160, 52},
    {K::Text, -1, "Min X:", 8, 24, 24, 8},
    {K::Text, -1, "Max X:", 84, 24, 24, 8},
    {K::Edit, 201, "", 33, 22, 46, 12},
    {K::Edit, 203, "", 110, 22, 48, 12},
    {K::Text, -1, "Min Y:", 9, 43, 22, 8},
    {K::Text, -1, "Max Y:", 84, 43, 24, 8},
    {K::Edit, 202, "", 33, 41, 46, 12},
    {K::Edit, 204, "", 110, 41, 48, 12},
    {K::CheckBox, 205, "Maximize X-range", 46, 85, 72, 12},
    {K::CheckBox, 206, "Maximize Y-range", 46, 99, 72, 12},
    {K::DefPushButton, 1, "&OK", 23, 115, 34, 14},
    {K::PushButton, 2, "&Cancel", 109, 115, 34, 14},
    {K::Text, -1, "Set X and Y  ranges:", 49, 6, 67, 8, A::Center},
    {K::Text, -1,
     "The checkboxes specify if you want to adjust X- and Y- ranges to fit all curves.", 8, 63,
     152, 20, A::Center},
};

struct TNamedDialog {
    const char* Name;
    TDialogTemplate Template;
};

constexpr TNamedDialog Dialogs[] = {
    {"ABOUTDIAL",
     {"About", 40, 30, 240, 112, AboutControls, static_cast<int>(std::size(AboutControls))}},
    {"SET_SCALE_DIAL",
     {"Scale", 17, 17, 169, 134, ScaleControls, static_cast<int>(std::size(ScaleControls))}},
};

} // namespace

const TDialogTemplate* FindDialogTemplate(const char* name) {
    for (const TNamedDialog& dialog : Dialogs)
        if (std::strcmp(dialog.Name, name) == 0)
            return &dialog.Template;
    return nullptr;
}
