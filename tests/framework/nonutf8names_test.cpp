#include "framework/nonutf8names.h"

#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using TNames = std::vector<std::string>;

// The folder holds names of every kind; only regular files (or links to
// one) whose names are not UTF-8, are not hidden and match the filter are
// listed, in byte order.
TEST(NonUtf8Names, AreListedWhenTheyMatchTheFilter) {
    const TTempFolder folder;
    for (const char* name : {"caf\xe9.dat", "caf\xc3\xa9.dat", "plain.dat", "caf\xe9.csv",
                             "LOUD\xe9.DAT", ".hidden\xe9.dat", "caf\xe9.dat.bak"})
        std::ofstream(folder / name) << "1 2\n";
    std::filesystem::create_directory(folder / "folder\xe9.dat");
    std::filesystem::create_symlink(folder / "caf\xe9.dat", folder / "link\xe9.dat");
    std::filesystem::create_symlink(folder / "folder\xe9.dat", folder / "dirlink\xe9.dat");

    const struct {
        TNames Patterns;
        TNames Listed;
    } cases[] = {
        {{"*.dat", "*.DAT"}, {"LOUD\xe9.DAT", "caf\xe9.dat", "link\xe9.dat"}},
        {{"*.csv"}, {"caf\xe9.csv"}},
        {{"*.bmp"}, {}},
        {{}, {"LOUD\xe9.DAT", "caf\xe9.csv", "caf\xe9.dat", "caf\xe9.dat.bak", "link\xe9.dat"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NonUtf8FileNames(folder.Path().string(), c.Patterns), c.Listed)
            << c.Patterns.size();
    EXPECT_EQ(NonUtf8FileNames((folder / "missing").string(), {}), TNames{});
}

// Patterns come from the filter's last parentheses and match as the
// dialog's own view matches (ASCII letters in either case).
TEST(NonUtf8Names, FilterPatternsMatchAsTheDialogDoes) {
    EXPECT_EQ(FilterPatterns("Data (*.DAT) (*.dat *.DAT)"), (TNames{"*.dat", "*.DAT"}));
    EXPECT_EQ(FilterPatterns("*.png  *.jpg"), (TNames{"*.png", "*.jpg"}));
    const struct {
        const char* Pattern;
        const char* Name;
        bool Matches;
    } cases[] = {
        {"*.dat", "A.DAT", true},      {"*.dat", "a.dat.bak", false}, {"*.*", "noext", false},
        {"a?c", "abc", true},          {"a?c", "ac", false},          {"*a*b", "xaayab", true},
        {"caf\xc9", "caf\xe9", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesPattern(c.Pattern, c.Name), c.Matches) << c.Pattern << " " << c.Name;
}

TEST(NonUtf8Names, ReadAsLatin1WhereTheyAreNotUtf8) {
    EXPECT_EQ(ReadableFileName("\xc3\xa9\xe9\xff"), "\xc3\xa9\xc3\xa9\xc3\xbf");
    EXPECT_EQ(ReadableFileName("a\x80\x9f"), "a\\x80\\x9F");
}

} // namespace
