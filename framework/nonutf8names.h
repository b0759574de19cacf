#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Qt reads folders as UTF-8 and leaves out every name that is not; these
// pieces find such names by reading a folder as bytes, so that the file
// dialog can offer them too. No Qt here.

// The length of the well-formed UTF-8 sequence at `at`, its code point in
// `code`; 0 when the bytes there are not one (overlong forms and encoded
// surrogates are not).
std::size_t Utf8Sequence(std::string_view bytes, std::size_t at, char32_t& code);
bool IsUtf8(std::string_view bytes);

// The patterns of a file dialog's name filter: the blank-separated words in
// its last parentheses ("Data Files (*.DAT) (*.dat *.DAT)" gives "*.dat",
// "*.DAT"), or the whole filter's words when it has none.
std::vector<std::string> FilterPatterns(std::string_view filter);

// Whether `name` matches the wildcard `pattern` (`*` any run of bytes, `?`
// one byte), ASCII letters in either case as the dialog matches them.
bool MatchesPattern(std::string_view pattern, std::string_view name);

// The regular files (or links to one) in `folder` whose names are not UTF-8,
// match one of `patterns` (no patterns: every name) and are not hidden
// (a leading dot), sorted by their bytes. A folder that cannot be read has
// none.
std::vector<std::string> NonUtf8FileNames(const std::string& folder,
                                          const std::vector<std::string>& patterns);

// A name as the user can read it, in UTF-8: its UTF-8 parts as they are,
// every other byte as the Latin-1 character it is, except the bytes
// 0x80 to 0x9F (controls there, which show nothing) as "\x80" to "\x9F".
std::string ReadableFileName(std::string_view bytes);
