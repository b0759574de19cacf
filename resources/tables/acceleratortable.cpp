#include "resources/tables/acceleratortable.h"

#include "resources/tables/ids.h"

#include <iterator>

namespace {

constexpr TAcceleratorTemplate MainEntries[] = {
    {VK_F1, CM_HELPCONTENTS},
};

constexpr TAcceleratorTable MainTable = {MainEntries, static_cast<int>(std::size(MainEntries))};

} // namespace

const TAcceleratorTable* FindAcceleratorTable(int id) {
    return id == IDA_MAIN ? &MainTable : nullptr;
}
