#include "resources/tables/cursortable.h"

#include "resources/tables/ids.h"

#include <cstring>

namespace {

constexpr TCursorTemplate Cursors[] = {
    {IDCUR_CROSS, 4, 4},
    {IDCUR_DRAG, 4, 4},
    {IDCUR_DROPPOINT, 9, 9},
    {IDCUR_ALIGN, 15, 15},
};

} // namespace

const TCursorTemplate* FindCursorTemplate(const char* name) {
    for (const TCursorTemplate& cursor : Cursors)
        if (std::strcmp(cursor.Name, name) == 0)
            return &cursor;
    return nullptr;
}
