#include "resources/tables/acceleratortable.h"

#include "resources/tables/ids.h"

#include <iterator>

namespace {

// clang-format off
constexpr TAcceleratorTemplate MainEntries[] = {
    {VK_F1, CM_HELPCONTENTS},
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
