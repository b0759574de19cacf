#include "resources/tables/dialogtemplate.h"

#include "framework/gdi/messagebox.h"
#include "resources/buildinfo.h"
#include "resources/tables/ids.h"

#include <cstring>
#include <iterator>

namespace {

using K = TControlKind;
using A = TTextAlign;

constexpr TControlTemplate AboutControls[] = {
    {K::Icon, IDC_STATIC, IDI_KESTROVA, 110, 6, 20, 20, A::Center},
    {K::Text, IDC_ABOUTTEXT, "Text", 10, 30, 220, 36, A::Center, true},
    {K::Text, IDC_STATIC, BuildDescription, 6, 72, 228, 10, A::Center},
    {K::BlackFrame, IDC_STATIC, "", 6, 86, 228, 1},
    {K::DefPushButton, IDOK, "&Ok", 100, 92, 40, 14},
};

// The two frames come first so that they lie beneath the fields and boxes
// they surround and never take a click meant for them; Tab visits neither.
constexpr TControlTemplate ScaleControls[] = {
    {K::BlackFrame, IDC_STATIC, "", 6, 15, 156, 42},
    {K::BlackFrame, IDC_STATIC, "", 4, 61, 160, 52},
    {K::Text, IDC_STATIC, "Min X:", 8, 24, 24, 8},
    {K::Text, IDC_STATIC, "Max X:", 84, 24, 24, 8},
    {K::Edit, IDC_MINX, "", 33, 22, 46, 12},
    {K::Edit, IDC_MAXX, "", 110, 22, 48, 12},
    {K::Text, IDC_STATIC, "Min Y:", 9, 43, 22, 8},
    {K::Text, IDC_STATIC, "Max Y:", 84, 43, 24, 8},
    {K::Edit, IDC_MINY, "", 33, 41, 46, 12},
    {K::Edit, IDC_MAXY, "", 110, 41, 48, 12},
    {K::CheckBox, IDC_FITX, "Maximize X-range", 46, 85, 72, 12},
    {K::CheckBox, IDC_FITY, "Maximize Y-range", 46, 99, 72, 12},
    {K::DefPushButton, IDOK, "&OK", 23, 115, 34, 14},
    {K::PushButton, IDCANCEL, "&Cancel", 109, 115, 34, 14},
    {K::Text, IDC_STATIC, "Set X and Y  ranges:", 49, 6, 67, 8, A::Center},
    {K::Text, IDC_STATIC,
     "The checkboxes specify if you want to adjust X- and Y- ranges to fit all curves.", 8, 63, 152,
     20, A::Center},
    // Beside the rows of X and Y, outside the frame of the ranges; Tab keeps
    // to the fields, the fit boxes and the buttons, Alt+X and Alt+Y reach
    // these.
    {K::CheckBox, IDC_LOGX, "Log &X", 166, 23, 36, 10, A::Left, false, false},
    {K::CheckBox, IDC_LOGY, "Log &Y", 166, 42, 36, 10, A::Left, false, false},
};

// The values of the four clicked points, a row for X and one for Y, each
// with its log box; the frame comes first, as in the Scale dialog.
constexpr TControlTemplate CalibrateControls[] = {
    {K::BlackFrame, IDC_STATIC, "", 6, 15, 212, 42},
    {K::Text, IDC_STATIC, "First X:", 10, 24, 30, 8},
    {K::Edit, IDC_VALUEX1, "", 42, 22, 46, 12},
    {K::Text, IDC_STATIC, "Second X:", 92, 24, 36, 8},
    {K::Edit, IDC_VALUEX2, "", 130, 22, 46, 12},
    {K::Text, IDC_STATIC, "First Y:", 10, 43, 30, 8},
    {K::Edit, IDC_VALUEY1, "", 42, 41, 46, 12},
    {K::Text, IDC_STATIC, "Second Y:", 92, 43, 36, 8},
    {K::Edit, IDC_VALUEY2, "", 130, 41, 46, 12},
    {K::CheckBox, IDC_LOGX, "Log &X", 180, 23, 36, 10},
    {K::CheckBox, IDC_LOGY, "Log &Y", 180, 42, 36, 10},
    {K::DefPushButton, IDOK, "&OK", 50, 64, 40, 14},
    {K::PushButton, IDCANCEL, "&Cancel", 134, 64, 40, 14},
    {K::Text, IDC_STATIC, "Values of the points clicked:", 6, 6, 212, 8, A::Center},
};

struct TNamedDialog {
    const char* Name;
    TDialogTemplate Template;
};

constexpr TNamedDialog Dialogs[] = {
    {IDD_ABOUT,
     {"About", 40, 30, 240, 112, AboutControls, static_cast<int>(std::size(AboutControls))}},
    {IDD_SETSCALE,
     {"Scale", 17, 17, 206, 134, ScaleControls, static_cast<int>(std::size(ScaleControls))}},
    {IDD_CALIBRATE,
     {"Calibrate", 20, 20, 224, 84, CalibrateControls,
      static_cast<int>(std::size(CalibrateControls))}},
};

} // namespace

const TDialogTemplate* FindDialogTemplate(const char* name) {
    for (const TNamedDialog& dialog : Dialogs)
        if (std::strcmp(dialog.Name, name) == 0)
            return &dialog.Template;
    return nullptr;
}
