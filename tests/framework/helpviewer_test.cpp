// Where the help viewer finds the user guide: beside the program first, so
// a build or a copy moved elsewhere with its guide uses that one, then in
// the data folder of the installed tree.

#include "framework/helpviewer.h"
#include "resources/buildinfo.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class HelpFileTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(ProgramDir()); }

    fs::path ProgramDir() const { return Root / "prefix" / "bin"; }
    fs::path Beside() const { return ProgramDir() / "guide.hlp"; }
    fs::path Installed() const {
        return (ProgramDir() / InstalledDataFromProgramDir / "guide.hlp").lexically_normal();
    }
    static void Make(const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "<html></html>";
    }

    TTempFolder Folder;
    const fs::path& Root = Folder.Path();
};

TEST_F(HelpFileTest, BesideTheProgramWinsOverTheInstalledCopy) {
    EXPECT_EQ(FindHelpFile(ProgramDir(), "guide.hlp"), std::nullopt);

    Make(Installed());
    EXPECT_EQ(FindHelpFile(ProgramDir(), "guide.hlp"), Installed());
    // The installed copy lies inside the tree, outside the program's folder.
    EXPECT_EQ(Installed().string().rfind((Root / "prefix").string(), 0), 0u);
    EXPECT_NE(Installed().parent_path(), ProgramDir());

    Make(Beside());
    EXPECT_EQ(FindHelpFile(ProgramDir(), "guide.hlp"), Beside());
}

TEST_F(HelpFileTest, AFolderOfThatNameIsNoHelpFile) {
    fs::create_directories(Beside());
    Make(Installed());
    EXPECT_EQ(FindHelpFile(ProgramDir(), "guide.hlp"), Installed());
}

} // namespace
