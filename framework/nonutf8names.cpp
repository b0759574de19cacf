#include "framework/nonutf8names.h"

#include <algorithm>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

char FoldAscii(char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

bool IsRegularEntry(DIR* dir, const dirent& entry) {
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat status {};
    return ::fstatat(::dirfd(dir), entry.d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
}

bool MatchesAny(const std::vector<std::string>& patterns, std::string_view name) {
    return patterns.empty() ||
           std::any_of(patterns.begin(), patterns.end(),
                       [&](const std::string& p) { return MatchesPattern(p, name); });
}

struct TCloseDir {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

} // namespace

std::size_t Utf8Sequence(std::string_view bytes, std::size_t at, char32_t& code) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, least = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, least = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, least = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() - at < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if (!IsContinuation(next))
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool IsUtf8(std::string_view bytes) {
    char32_t code = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8Sequence(bytes, at, code);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::vector<std::string> FilterPatterns(std::string_view filter) {
    const std::size_t open = filter.rfind('(');
    const std::size_t close = filter.rfind(')');
    if (open != std::string_view::npos && close != std::string_view::npos && open < close)
        filter = filter.substr(open + 1, close - open - 1);
    std::vector<std::string> patterns;
    std::size_t at = 0;
    while (at < filter.size()) {
        const std::size_t start = filter.find_first_not_of(" \t", at);
        if (start == std::string_view::npos)
            break;
        at = std::min(filter.find_first_of(" \t", start), filter.size());
        patterns.emplace_back(filter.substr(start, at - start));
    }
    return patterns;
}

// Walks both strings once; on a mismatch after a `*`, the star takes one
// more byte and matching resumes behind it.
bool MatchesPattern(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0;
    std::size_t star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || FoldAscii(pattern[p]) == FoldAscii(name[n]))) {
            ++p, ++n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> NonUtf8FileNames(const std::string& folder,
                                          const std::vector<std::string>& patterns) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, TCloseDir> dir(::opendir(folder.c_str()));
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name.front() != '.' && !IsUtf8(name) && MatchesAny(patterns, name) &&
            IsRegularEntry(dir.get(), *entry))
            names.emplace_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadableFileName(std::string_view bytes) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string readable;
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t code = 0;
        if (const std::size_t length = Utf8Sequence(bytes, at, code)) {
            readable.append(bytes.substr(at, length));
            at += length;
            continue;
        }
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        if (byte >= 0xA0) {
            readable += static_cast<char>(0xC0 | (byte >> 6));
            readable += static_cast<char>(0x80 | (byte & 0x3F));
        } else {
            readable += {'\\', 'x', Hex[byte >> 4], Hex[byte & 0xF]};
        }
    }
    return readable;
}
