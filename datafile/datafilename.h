#pragma once

#include <string_view>

// Whether a file named from outside the file dialogs (the command line, a
// drop, the recent files) is a data file: its name ends in ".dat" or
// ".csv", in any case. Any other file is taken for a picture.
bool IsDataFileName(std::string_view fileName);
