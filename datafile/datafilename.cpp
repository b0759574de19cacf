#include "datafile/datafilename.h"

#include <algorithm>
#include <cctype>

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), text.end() - static_cast<long>(ending.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

} // namespace

bool IsDataFileName(std::string_view fileName) {
    return EndsWithNoCase(fileName, ".dat") || EndsWithNoCase(fileName, ".csv");
}
