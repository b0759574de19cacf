#include "resources/tables/menutemplate.h"

#include "resources/tables/ids.h"

#include <cstring>
#include <iterator>

namespace {

constexpr TMenuItemTemplate FileItems[] = {
    {CM_FILENEW, "&New"},
    {CM_OPENDATA, "Open &Data"},
    {CM_OPENIMAGE, "Open &Image"},
    {CM_SAVEDATAAS, "Save Data &As", false, true},
    {},
    {CM_IMPORTPICTURE, "Import &Picture...\tCtrl+I"},
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
    {CM_HELPCONTENTS, "&Contents"},
    {},
    {CM_ABOUT, "&About"},
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
