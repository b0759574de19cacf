#include "resources/tables/stringtable.h"

namespace {

struct TStringEntry {
    int Id;
    const char* Text;
};

constexpr TStringEntry Strings[] = {
    {200, "Manage files (New, Open, Save)"},
    {201, "Delete all data from memory, start a new session"},
    {203, "Open an existing data file"},
    {205, "Open an existing image file"},
    {209, "Save data in a new file"},
    {220, "Change scale, view modes"},
    {221, "Change the graph scale. (Pressing LEFT button and dragging also works.)"},
    {223, "Change the background color"},
    {225, "Display a symbol at each data point"},
    {227, "Display lines between data points"},
    {231, "Display background image, if loaded"},
    {240, "Choose tools"},
    {241, "Begin/finish drawing new curve. Use \"Scale...\" to set X- and Y-scales."},
    {261, "Delete last point drawn or read"},
    {263, "Recall original position of the background image"},
    {280, "View help"},
    {281, "Display the table of contents for the help system"},
    {283, "Open an information dialog box"},
};

} // namespace

const char* LoadTableString(int id) {
    for (const TStringEntry& entry : Strings)
        if (entry.Id == id)
            return entry.Text;
    return nullptr;
}
