#include "datafile/dataline.h"

#include "datafile/datanumber.h"

namespace {

bool IsSeparator(char c) {
    return c == '\t' || c == ',' || c == ';';
}

} // namespace

void ParseDataLine(std::string_view line, TDataLine& parsed) {
    const char* p = line.data();
    const char* const end = p + line.size();
    std::size_t count = 0;
    p = ReadDataNumber(p, end, parsed.X);
    if (p) {
        int column = 0;
        bool pending = false;
        while (p != end && count < parsed.YValues.size()) {
            if (*p == ' ') {
                ++p;
                continue;
            }
            // A TAB is never read as white space in front of a number: it
            // is a separator and has to be counted as one.
            if (*p != '\t') {
                if (const char* next = ReadDataNumber(p, end, parsed.YValues[count])) {
                    parsed.Columns[count++] = column++;
                    pending = false;
                    p = next;
                    continue;
                }
            }
            if (IsSeparator(*p)) {
                if (pending)
                    ++column;
                pending = true;
            }
            ++p;
        }
    }
    parsed.Columns[count] = -1;
}
