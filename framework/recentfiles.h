#pragma once

#include <string>
#include <vector>

// The files opened or saved last, newest first, at most MaxFiles, kept in
// the settings file in a section of their own (keys File1, File2, ...) and
// written back at every change, so the list outlives the program and a
// crash. Names are held as the system's bytes, made absolute. A name the
// settings file cannot hold as one value (a line break in it, or blanks at
// either end) is not remembered. Qt-free.
class TRecentFiles {
public:
    static constexpr std::size_t MaxFiles = 8;

    // Reads the list from the section of the settings file.
    TRecentFiles(std::string iniFile, std::string section);

    const std::vector<std::string>& Files() const { return Files_; }

    // Puts the file first, moving it up when it is listed already, and
    // drops the oldest beyond MaxFiles.
    void Add(const std::string& file);

    // Takes the file off the list (a file that no longer exists).
    void Remove(const std::string& file);

private:
    void Save();

    std::string IniFile;
    std::string Section;
    std::vector<std::string> Files_;
};
