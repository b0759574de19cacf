#include "resources/tables/menutemplate.h"

#include <cstring>
#include <iterator>

namespace {

constexpr TMenuItemTemplate FileItems[] = {
    {201, "&New"},
    {203, "Open &Data"},
    {205, "Open &Image"},
    {209, "Save Data &As", false, true},
};

constexpr TMenuItemTemplate ViewItems[] = {
    {221, "&Scale..."},
    {},
    {223, "&Background color..."},
    {},
    {225, "S&ymbols", true},
    {227, "&Lines", true},
    {231, "&Image", false, true},
};

constexpr TMenuItemTemplate ToolItems[] = {
    {241, "&Draw"},
};

constexpr TMenuItemTemplate HelpItems[] = {
    {281, "&Contents"},
    {},
    {283, "&About"},
};

constexpr TMenuPopupTemplate CommandsPopups[] = {
    {"&File", FileItems, static_cast<int>(std::size(FileItems))},
    {"&View", ViewItems, static_cast<int>(std::size(ViewItems))},
    {"&Tool", ToolItems, static_cast<int>(std::size(ToolItems))},
    {"\b&Help", HelpItems, static_cast<int>(std::size(HelpItems))},
};

constexpr TMenuTemplate Commands = {CommandsPopups, static_cast<int>(std::size(CommandsPopups))};

} // namespace

const TMenuTemplate* FindMenuTemplate(const char* name) {
    return std::strcmp(name, "COMMANDS") == 0 ? &Commands : nullptr;
}
