#include "resources/tables/acceleratortable.h"

#include "resources/tables/ids.h"

#include <iterator>

namespace {

// Each key is also named beside its menu item's text.
// clang-format off
constexpr TAcceleratorTemplate MainEntries[] = {
    {VK_F1, CM_HELPCONTENTS},
    {VK_N, CM_FILENEW, FCONTROL},
    {VK_O, CM_OPENDATA, FCONTROL},
    {VK_O, CM_OPENIMAGE, FCONTROL | FSHIFT},
    {VK_S, CM_SAVEDATAAS, FCONTROL},
    {VK_Q, CM_EXIT, FCONTROL},
    {VK_Z, CM_UNDO, FCONTROL},
    {VK_Z, CM_REDO, FCONTROL | FSHIFT},
    {VK_Y, CM_REDO, FCONTROL},
    {VK_OEM_PLUS, CM_ZOOMIN, FCONTROL},
    {VK_OEM_MINUS, CM_ZOOMOUT, FCONTROL},
    {VK_LEFT, CM_BACK, FALT},
    {VK_RIGHT, CM_FORWARD, FALT},
    {VK_L, CM_LOUPE, FCONTROL},
    {VK_I, CM_IMPORTPICTURE, FCONTROL},
};
// clang-format on

constexpr TAcceleratorTable MainTable = {MainEntries, static_cast<int>(std::size(MainEntries))};

} // namespace

const TAcceleratorTable* FindAcceleratorTable(int id) {
    return id == IDA_MAIN ? &MainTable : nullptr;
}
