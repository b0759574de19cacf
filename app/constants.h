#pragma once

#include <ostream>

// Prints the logical-space constants as shell assignments, one NAME=value
// a line, for scripts that work out where the window draws
// (kestrova --print-constants).
void PrintConstants(std::ostream& out);
