// The recent-files list: newest first, at most eight, kept in its own
// section of the settings file across starts.

#include "framework/profile.h"
#include "framework/recentfiles.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using TFiles = std::vector<std::string>;

class RecentFilesTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("XDG_CONFIG_HOME", Dir.c_str(), 1); }

    static TRecentFiles List() { return TRecentFiles("test.ini", "Recent"); }
    std::string Ini() const {
        std::ifstream in(Dir / "test.ini");
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    TTempFolder Folder;
    const fs::path& Dir = Folder.Path();
};

TEST_F(RecentFilesTest, NewestFirstAtMostEightKeptAcrossStartsWithoutGaps) {
    {
        TRecentFiles recent = List();
        EXPECT_EQ(recent.Files(), TFiles{});
        for (int i = 1; i <= 10; ++i)
            recent.Add("/p/" + std::to_string(i) + ".dat");
        recent.Add("/p/5.dat"); // listed already: moves up, not in twice
    }
    TRecentFiles recent = List();
    EXPECT_EQ(recent.Files(), (TFiles{"/p/5.dat", "/p/10.dat", "/p/9.dat", "/p/8.dat", "/p/7.dat",
                                      "/p/6.dat", "/p/4.dat", "/p/3.dat"}));
    recent.Remove("/p/10.dat");
    recent.Remove("/p/never-listed.dat");
    EXPECT_EQ(List().Files().size(), 7u);
    EXPECT_EQ(GetPrivateProfileString("Recent", "File2", "", "test.ini"), "/p/9.dat");
    EXPECT_EQ(GetPrivateProfileString("Recent", "File8", "?", "test.ini"), "");
}

TEST_F(RecentFilesTest, NamesAreMadeAbsoluteAndOnlyThoseTheFileCanHoldAreKept) {
    const fs::path before = fs::current_path();
    fs::current_path(Dir);
    TRecentFiles recent = List();
    recent.Add("sub/../plot.bmp");
    fs::current_path(before);
    for (const char* awkward : {"/p/a\nFile2=/etc/passwd", "/p/b\r.dat", "/p/trailing ", ""})
        recent.Add(awkward);
    EXPECT_EQ(recent.Files(), TFiles{(Dir / "plot.bmp").string()});
    EXPECT_EQ(List().Files(), recent.Files());
    EXPECT_EQ(Ini().find("passwd"), std::string::npos);
}

TEST_F(RecentFilesTest, AHandEditedSectionReadsInKeyOrderWithoutBlanksOrRepeats) {
    std::ofstream(Dir / "test.ini") << "[Startup]\nBkColorRed=1\n[Recent]\nFile3=/c\nFile1=/a\n"
                                       "File2=\nFile4=/a\nFile9=/beyond\n";
    EXPECT_EQ(List().Files(), (TFiles{"/a", "/c"}));
}

} // namespace
