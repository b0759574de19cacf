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
    {CM_IMPORTPICTURE, "Import a picture: PNG, JPEG, TIFF, GIF, WebP or any kind of bitmap"},
    {IDS_RECENTPOPUP, "Open a picture or data file used lately"},
    {CM_RECENTFILE1, "Open this file again"},
    {CM_RECENTFILE1 + 1, "Open this file again"},
    {CM_RECENTFILE1 + 2, "Open this file again"},
    {CM_RECENTFILE1 + 3, "Open this file again"},
    {CM_RECENTFILE1 + 4, "Open this file again"},
    {CM_RECENTFILE1 + 5, "Open this file again"},
    {CM_RECENTFILE1 + 6, "Open this file again"},
    {CM_RECENTFILE1 + 7, "Open this file again"},
    {CM_EXIT, "Quit Kestrova"},
    {IDS_EDITPOPUP, "Undo and redo changes"},
    {CM_UNDO, "Undo the last change to the points, curves or view"},
    {CM_REDO, "Redo the change undone last"},
    {IDS_VIEWPOPUP, "Change scale, view modes"},
    {CM_SCALE, "Change the graph scale. (Pressing LEFT button and dragging also works.)"},
    {CM_BKCOLOR, "Change the background color"},
    {CM_SYMBOLS, "Display a symbol at each data point"},
    {CM_LINES, "Display lines between data points"},
    {CM_IMAGE, "Display background image, if loaded"},
    {CM_AXISVALUES, "Display the values at the grid lines"},
    {CM_ZOOMIN, "Zoom in about the pointer, the picture with the scale (the mouse wheel also works)"},
    {CM_ZOOMOUT, "Zoom out about the pointer, the picture with the scale"},
    {CM_BACK, "Go back to the view before"},
    {CM_FORWARD, "Go forward to the next view"},
    {CM_LOUPE, "Show or hide the loupe: the picture around the pointer, magnified"},
    {CM_TRUECOLOURS, "Show the background image in its own colours instead of XORed"},
    {IDS_TOOLPOPUP, "Choose tools"},
    {CM_DRAW, "Begin/finish drawing new curve. Use \"Scale...\" to set X- and Y-scales."},
    {CM_CALIBRATE, "Set the scale by clicking two points of known X and two of known Y"},
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
