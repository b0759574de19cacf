#include "datafile/datawriter.h"

#include "core/curve.h"
#include "datafile/replacementfile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <fstream>
#include <ostream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// "%12.10e": one digit, the point, ten digits, e, sign, up to three digits.
constexpr std::size_t NumberWidth = 12;
constexpr std::size_t MaxNumberLength = 18;

TUserMessage FileError(const char* text) {
    return {text, "File Error", MB_OK, MB_ICONEXCLAMATION};
}

// to_chars writes what printf would in the C locale, so the point stays a
// point whatever locale the program runs under.
char* FormatNumber(char* out, double value) {
    const auto result =
        std::to_chars(out, out + MaxNumberLength, value, std::chars_format::scientific, 10);
    const auto length = static_cast<std::size_t>(result.ptr - out);
    if (length >= NumberWidth)
        return result.ptr;
    const std::size_t pad = NumberWidth - length;
    std::memmove(out + pad, out, length);
    std::fill_n(out, pad, ' ');
    return out + NumberWidth;
}

bool EndsWithCsv(std::string_view name) {
    constexpr std::string_view csv = ".csv";
    if (name.size() < csv.size())
        return false;
    return std::equal(csv.begin(), csv.end(), name.end() - csv.size(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

// An existing file is written over only if it could be opened for writing
// in place: a read-only file or a folder stays refused.
bool CanWriteOver(const fs::path& path) {
    std::error_code error;
    if (!fs::exists(path, error))
        return true;
    std::fstream probe(path, std::ios::in | std::ios::out | std::ios::binary);
    return probe.is_open();
}

// Saving over a link writes the file it points to and keeps the link.
fs::path ResolveLink(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error))
        return path;
    fs::path resolved = fs::canonical(path, error);
    return error ? path : resolved;
}

TDataWriteResult WriteFailed() {
    return {false, FileError("Sorry, cannot write more. Disk full?")};
}

// The file replaces the target only when everything was written.
TDataWriteResult WriteReplacement(const fs::path& target, std::span<TCurve* const> curves,
                                  char separator) {
    TReplacementFile file(target);
    if (!file.IsOpen())
        return {false, FileError("Unable to open file for writing")};
    std::ostream out(&file);
    TDataWriteResult result = WriteData(out, curves, separator);
    if (result.Saved && !file.Commit())
        result = WriteFailed();
    return result;
}

} // namespace

char DataSeparator(std::string_view fileName) {
    return EndsWithCsv(fileName) ? ',' : '\t';
}

TDataWriteResult WriteData(std::ostream& out, std::span<TCurve* const> curves, char separator) {
    std::vector<char> line(2 * MaxNumberLength + curves.size() + 2);
    // Straight into the stream's buffer: a line costs no stream sentry.
    std::streambuf& buffer = *out.rdbuf();
    for (std::size_t slot = 0; slot < curves.size(); ++slot) {
        TCurve& curve = *curves[slot];
        curve.Rewind();
        TCurvePoint point;
        while (curve.NextPoint(point)) {
            char* p = FormatNumber(line.data(), point.X);
            p = std::fill_n(p, slot + 1, separator);
            p = FormatNumber(p, point.Y);
            *p++ = '\r';
            *p++ = '\n';
            const std::streamsize length = p - line.data();
            if (buffer.sputn(line.data(), length) != length) {
                out.setstate(std::ios::badbit);
                break;
            }
        }
        // Flushing here rather than after every line: a failing disk shows
        // at the check below all the same, and the file only replaces the
        // old one when complete, so per-line flushes would buy nothing but
        // a system call per point.
        out.flush();
        if (!out)
            return WriteFailed();
    }
    return {true, std::nullopt};
}

TDataWriteResult SaveDataFile(const fs::path& path, std::span<TCurve* const> curves) {
    const fs::path target = ResolveLink(path);
    if (!CanWriteOver(target))
        return {false, FileError("Unable to open file for writing")};
    return WriteReplacement(target, curves, DataSeparator(path.string()));
}
