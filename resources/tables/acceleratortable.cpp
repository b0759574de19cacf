#include "resources/tables/acceleratortable.h"

#include <iterator>

namespace {

constexpr TAcceleratorTemplate MainEntries[] = {
    {VK_F1, 281},
};

constexpr TAcceleratorTable MainTable = {MainEntries, static_cast<int>(std::size(MainEntries))};

} // namespace

const TAcceleratorTable* FindAcceleratorTable(int id) {
    return id == 601 ? &MainTable : nullptr;
}
