#pragma once

#include <string>

// Private profile files: INI text with "[Section]" headers and "key=value"
// lines, looked up without regard to case. A bare file name lives in
// $XDG_CONFIG_HOME (default ~/.config); a name with a slash is used as is.
// Reading never fails loudly: a missing file, section or key gives the
// default. Only a regular file is read (a link to one is followed), and
// only its first MiB. Writing keeps every other section, key, comment and
// blank line, and replaces the file through a temporary file renamed over
// it, so a crash never leaves half a settings file behind. A link is
// written through to its file, the file keeps its mode, and a file the
// user made read-only, one that is not a regular file or one too long to
// be read whole is never written. Qt-free.

// The full path a profile file name stands for.
std::string ProfilePath(const std::string& fileName);

// The key's value read as a decimal integer (leading blanks and a sign
// allowed, reading stops at the first non-digit, no digits give 0); the
// default when the key is missing.
int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& fileName);

// The key's value with the blanks around it removed; the default when the
// key is missing.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName);

// Sets the key, adding the section and key as needed. False when the file
// could not be written or is to be left alone.
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& fileName);
