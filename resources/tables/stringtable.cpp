#include "resources/tables/stringtable.h"

#include "resources/tables/ids.h"

namespace {

struct TStringEntry {
    int Id;
    const char* Text;
};

constexpr TStringEntry Strings[] = {
    {IDS_FILEPOPUP, "Manage files (New, Open, Save)"},
    {CM_FILENEW, "Delete all data from memory, start a new session"},
    {CM_OPENDATA, "Open an existing data file"},
    {CM_OPENIMAGE, "Open an existing image file"},
    {CM_SAVEDATAAS, "Save data in a new file"},
    {IDS_VIEWPOPUP, "Change scale, view modes"},
    {CM_SCALE, "Change the graph scale. (Pressing LEFT button and dragging also works.)"},
    {CM_BKCOLOR, "Change the background color"},
    {CM_SYMBOLS, "Display a symbol at each data point"},
    {CM_LINES, "Display lines between data points"},
    {CM_IMAGE, "Display background image, if loaded"},
    {IDS_TOOLPOPUP, "Choose tools"},
    {CM_DRAW, "Begin/finish drawing new curve. Use \"Scale...\" to set X- and Y-scales."},
    {CM_DELETELASTPOINT, "Delete last point drawn or read"},
    {CM_RECALL, "Recall original position of the background image"},
    {IDS_HELPPOPUP, "View help"},
    {CM_HELPCONTENTS, "Display the table of contents for the help system"},
    {CM_ABOUT, "Open an information dialog box"},
};

} // namespace

const char* LoadTableString(int id) {
    for (const TStringEntry& entry : Strings)
        if (entry.Id == id)
            return entry.Text;
    return nullptr;
}
