#include "framework/profile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Far more than any settings file holds; a file that grows past it is not
// read further, nor written back, which would cut it short.
constexpr std::size_t MaxProfileBytes = 1 << 20;

struct TProfileText {
    std::vector<std::string> Lines;
    bool Whole = true;
};

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto feed = text.find('\n');
        std::string line(text.substr(0, feed));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
    }
    return lines;
}

// Only a regular file is read: the open does not wait (a FIFO would wait
// for a writer for good) and the type is checked on what was opened.
TProfileText ReadProfile(const std::string& path) {
    TProfileText profile;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return profile;
    struct stat status {};
    std::string text;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        text.resize(MaxProfileBytes + 1);
        std::size_t got = 0;
        while (got < text.size()) {
            const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        text.resize(got);
    }
    ::close(fd);
    if (text.size() > MaxProfileBytes) {
        // The line cut at the limit is not read at all.
        text.resize(text.rfind('\n', MaxProfileBytes - 1) + 1);
        profile.Whole = false;
    }
    profile.Lines = SplitLines(text);
    return profile;
}

// The file a chain of links ends at; the path itself when it is no link.
std::filesystem::path FollowLinks(std::filesystem::path path) {
    constexpr int MaxLinks = 40;
    std::error_code error;
    for (int i = 0; i < MaxLinks && std::filesystem::is_symlink(path, error); ++i) {
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error)
            break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

// Writes the lines to a new file created with the mode given (the umask
// still applies) and gives it exactly the old file's mode when there was
// one.
bool WriteNewFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                  std::optional<mode_t> keptMode) {
    ::unlink(path.c_str());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          keptMode ? (*keptMode & 0600) : 0666);
    if (fd < 0)
        return false;
    std::string text;
    for (const std::string& line : lines)
        text.append(line).push_back('\n');
    bool written = true;
    for (std::size_t done = 0; written && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        done += written ? static_cast<std::size_t>(n) : 0;
    }
    if (written && keptMode)
        written = ::fchmod(fd, *keptMode) == 0;
    written = ::close(fd) == 0 && written;
    if (!written)
        ::unlink(path.c_str());
    return written;
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

namespace {

// The text after the key's '=' as the file holds it, or nothing when the
// section or the key is missing.
std::optional<std::string> ProfileValue(const std::string& section, const std::string& key,
                                        const std::string& fileName) {
    const std::vector<std::string> lines = ReadProfile(ProfilePath(fileName)).Lines;
    const TLocation at = Locate(lines, section, key);
    if (at.Key == std::string::npos)
        return std::nullopt;
    const std::string& line = lines[at.Key];
    return line.substr(line.find('=') + 1);
}

} // namespace

int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& fileName) {
    const std::optional<std::string> value = ProfileValue(section, key, fileName);
    return value ? ParseProfileInt(*value) : defaultValue;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName) {
    const std::optional<std::string> value = ProfileValue(section, key, fileName);
    return value ? Trim(*value) : defaultValue;
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& fileName) {
    // A link is written through to its file and stays a link.
    const std::filesystem::path path = FollowLinks(ProfilePath(fileName));
    std::optional<mode_t> keptMode;
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        // What is not a regular file, or what the user made read-only, is
        // left alone.
        if (!S_ISREG(status.st_mode) || !(status.st_mode & S_IWUSR))
            return false;
        keptMode = status.st_mode & 07777;
    }
    TProfileText profile = ReadProfile(path.string());
    if (!profile.Whole)
        return false;
    std::vector<std::string>& lines = profile.Lines;
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
    if (!WriteNewFile(temporary, lines, keptMode))
        return false;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
