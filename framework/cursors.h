#pragma once

#include <QCursor>

// The cursor resource of that name: its 32 x 32 picture from the program's
// resources with the hot spot from the cursor table. An unknown name (or a
// picture missing from the build) gives the platform's arrow.
QCursor LoadProgramCursor(const char* name);
