#include "resources/tables/acceleratortable.h"

#include "resources/tables/ids.h"

#include <iterator>

namespace {

// Each key is also named beside its menu item's text.
constexpr TAcceleratorTemplate MainEntries[] = {
    {VK_F1, CM_HELPCONTENTS},
    {'N', CM_FILENEW, FCONTROL},
    {'O', CM_OPENDATA, FCONTROL},
    {'O', CM_OPENIMAGE, FCONTROL | FSHIFT},
    {'S', CM_SAVEDATAAS, FCONTROL},
    {'Q', CM_EXIT, FCONTROL},
};

constexpr TAcceleratorTable MainTable = {MainEntries, static_cast<int>(std::size(MainEntries))};

} // namespace

const TAcceleratorTable* FindAcceleratorTable(int id) {
    return id == IDA_MAIN ? &MainTable : nullptr;
}
