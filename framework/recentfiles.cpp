#include "framework/recentfiles.h"

#include "framework/profile.h"

#include <algorithm>
#include <filesystem>

namespace {

std::string KeyOf(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

bool Storable(const std::string& file) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !file.empty() && file.find_first_of("\r\n") == std::string::npos &&
           !blank(file.front()) && !blank(file.back());
}

std::string Absolute(const std::string& file) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return error ? file : absolute.lexically_normal().string();
}

} // namespace

TRecentFiles::TRecentFiles(std::string iniFile, std::string section)
    : IniFile(std::move(iniFile)), Section(std::move(section)) {
    for (std::size_t i = 0; i < MaxFiles; ++i) {
        std::string file = GetPrivateProfileString(Section, KeyOf(i), "", IniFile);
        if (!file.empty() && std::find(Files_.begin(), Files_.end(), file) == Files_.end())
            Files_.push_back(std::move(file));
    }
}

void TRecentFiles::Add(const std::string& file) {
    const std::string name = Absolute(file);
    if (!Storable(name))
        return;
    std::erase(Files_, name);
    Files_.insert(Files_.begin(), name);
    if (Files_.size() > MaxFiles)
        Files_.resize(MaxFiles);
    Save();
}

void TRecentFiles::Remove(const std::string& file) {
    if (std::erase(Files_, file) != 0)
        Save();
}

void TRecentFiles::Save() {
    // Only the keys whose value changed are written; a slot left over
    // after the list shrank is emptied.
    for (std::size_t i = 0; i < MaxFiles; ++i) {
        const std::string value = i < Files_.size() ? Files_[i] : std::string();
        if (GetPrivateProfileString(Section, KeyOf(i), "", IniFile) != value)
            WritePrivateProfileString(Section, KeyOf(i), value, IniFile);
    }
}
