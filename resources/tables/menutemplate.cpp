#include "resources/tables/menutemplate.h"

#include "resources/tables/ids.h"

#include <cstring>
#include <iterator>

namespace {

// The window names these items after the files they open, and hides
// those it has no file for.
constexpr TMenuItemTemplate RecentItems[] = {
    {CM_RECENTFILE1, "&1"}, {CM_RECENTFILE1 + 1, "&2"}, {CM_RECENTFILE1 + 2, "&3"},
    {CM_RECENTFILE1 + 3, "&4"}, {CM_RECENTFILE1 + 4, "&5"}, {CM_RECENTFILE1 + 5, "&6"},
    {CM_RECENTFILE1 + 6, "&7"}, {CM_RECENTFILE1 + 7, "&8"},
};
static_assert(std::size(RecentItems) == RecentFileCount);

constexpr TMenuPopupTemplate RecentPopup = {"&Recent", RecentItems,
                                            static_cast<int>(std::size(RecentItems))};

constexpr TMenuItemTemplate FileItems[] = {
    {CM_FILENEW, "&New\tCtrl+N"},
    {CM_OPENDATA, "Open &Data...\tCtrl+O"},
    {CM_OPENIMAGE, "Open &Image...\tCtrl+Shift+O"},
    {CM_SAVEDATAAS, "Save Data &As...\tCtrl+S", false, true},
    {},
    {CM_IMPORTPICTURE, "Import &Picture...\tCtrl+I"},
    {},
    {0, "&Recent", false, false, &RecentPopup},
    {},
    {CM_EXIT, "E&xit\tCtrl+Q"},
};

constexpr TMenuItemTemplate ViewItems[] = {
    {CM_SCALE, "&Scale..."},
    {},
    {CM_BKCOLOR, "&Background color..."},
    {},
    {CM_SYMBOLS, "S&ymbols", true},
    {CM_LINES, "&Lines", true},
    {CM_IMAGE, "&Image", false, true},
    {},
    {CM_AXISVALUES, "&Axis values", true},
    {},
    {CM_ZOOMIN, "Zoom I&n\tCtrl++"},
    {CM_ZOOMOUT, "Zoom &Out\tCtrl+-"},
    {CM_BACK, "Bac&k\tAlt+Left"},
    {CM_FORWARD, "&Forward\tAlt+Right"},
    {},
    {CM_LOUPE, "Lou&pe\tCtrl+L"},
    {},
    {CM_TRUECOLOURS, "&True Colours"},
};

constexpr TMenuItemTemplate EditItems[] = {
    {CM_UNDO, "&Undo\tCtrl+Z"},
    {CM_REDO, "&Redo\tCtrl+Shift+Z"},
};

constexpr TMenuItemTemplate ToolItems[] = {
    {CM_DRAW, "&Draw"},
    {},
    {CM_CALIBRATE, "&Calibrate..."},
};

constexpr TMenuItemTemplate HelpItems[] = {
    {CM_HELPCONTENTS, "&Contents\tF1"},
    {},
    {CM_ABOUT, "&About..."},
};

constexpr TMenuPopupTemplate CommandsPopups[] = {
    {"&File", FileItems, static_cast<int>(std::size(FileItems))},
    {"&Edit", EditItems, static_cast<int>(std::size(EditItems))},
    {"&View", ViewItems, static_cast<int>(std::size(ViewItems))},
    {"&Tool", ToolItems, static_cast<int>(std::size(ToolItems))},
    {"\b&Help", HelpItems, static_cast<int>(std::size(HelpItems))},
};

constexpr TMenuTemplate Commands = {CommandsPopups, static_cast<int>(std::size(CommandsPopups))};

} // namespace

const TMenuTemplate* FindMenuTemplate(const char* name) {
    return std::strcmp(name, IDM_COMMANDS) == 0 ? &Commands : nullptr;
}
