#include "resources/tables/cursortable.h"

#include <cstring>

namespace {

constexpr TCursorTemplate Cursors[] = {
    {"CROSSCURSOR", 4, 4},
    {"DRAGCURSOR", 4, 4},
    {"DROPPOINTCURSOR", 9, 9},
    {"ALIGNCURSOR", 15, 15},
};

} // namespace

const TCursorTemplate* FindCursorTemplate(const char* name) {
    for (const TCursorTemplate& cursor : Cursors)
        if (std::strcmp(cursor.Name, name) == 0)
            return &cursor;
    return nullptr;
}
