#include "framework/profile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <vector>

namespace {

std::string Trim(const std::string& s) {
    const auto notBlank = [](unsigned char c) { return !std::isspace(c); };
    auto first = std::find_if(s.begin(), s.end(), notBlank);
    auto last = std::find_if(s.rbegin(), s.rend(), notBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The section's name when the line is a section header.
std::optional<std::string> SectionHeader(const std::string& line) {
    const std::string t = Trim(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']')
        return Trim(t.substr(1, t.size() - 2));
    return std::nullopt;
}

// The key's name when the line is a key=value line.
std::optional<std::string> KeyOf(const std::string& line) {
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    return Trim(line.substr(0, eq));
}

// Where a key stands: the line of its section's header, the key's own line
// and one past the section's last non-blank line; npos for what is missing.
struct TLocation {
    std::size_t Header = std::string::npos;
    std::size_t Key = std::string::npos;
    std::size_t SectionEnd = std::string::npos; // one past its last non-blank line
};

TLocation Locate(const std::vector<std::string>& lines, const std::string& section,
                 const std::string& key) {
    TLocation at;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionHeader(lines[i])) {
            if (inSection)
                break;
            inSection = SameName(*name, section);
            if (inSection && at.Header == std::string::npos) {
                at.Header = i;
                at.SectionEnd = i + 1;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!Trim(lines[i]).empty())
            at.SectionEnd = i + 1;
        if (auto k = KeyOf(lines[i]); k && at.Key == std::string::npos && SameName(*k, key))
            at.Key = i;
    }
    return at;
}

int ParseProfileInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t limit = std::numeric_limits<int>::max();
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(value * 10 + (text[i] - '0'), limit + 1);
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<std::int64_t>(value, -limit - 1, limit));
}

} // namespace

std::string ProfilePath(const std::string& fileName) {
    if (fileName.find('/') != std::string::npos)
        return fileName;
    std::filesystem::path dir;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        dir = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        dir = std::filesystem::path(home) / ".config";
    else
        dir = ".";
    return (dir / fileName).string();
}

int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& fileName) {
    const std::vector<std::string> lines = ReadLines(ProfilePath(fileName));
    const TLocation at = Locate(lines, section, key);
    if (at.Key == std::string::npos)
        return defaultValue;
    const std::string& line = lines[at.Key];
    return ParseProfileInt(line.substr(line.find('=') + 1));
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName) {
    const std::vector<std::string> lines = ReadLines(ProfilePath(fileName));
    const TLocation at = Locate(lines, section, key);
    if (at.Key == std::string::npos)
        return defaultValue;
    const std::string& line = lines[at.Key];
    return Trim(line.substr(line.find('=') + 1));
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& fileName) {
    const std::filesystem::path path = ProfilePath(fileName);
    std::vector<std::string> lines = ReadLines(path.string());
    const TLocation at = Locate(lines, section, key);
    const std::string entry = key + "=" + value;
    if (at.Key != std::string::npos) {
        lines[at.Key] = entry;
    } else if (at.Header != std::string::npos) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at.SectionEnd), entry);
    } else {
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.emplace_back();
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    }

    std::error_code error;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);
    const std::filesystem::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines)
            out << line << '\n';
        out.flush();
        if (!out) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
