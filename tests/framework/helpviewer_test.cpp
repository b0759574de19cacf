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

void Make(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "<html></html>";
}

TEST(HelpFile, BesideTheProgramWinsOverTheInstalledCopyAndAFolderIsNoFile) {
    const TTempFolder folder;
    const fs::path programDir = folder / "bin";
    const fs::path beside = programDir / "guide.hlp";
    const fs::path installed = (programDir / InstalledDataFromProgramDir / "guide.hlp").lexically_normal();
    fs::create_directories(programDir);
    EXPECT_EQ(FindHelpFile(programDir, "guide.hlp"), std::nullopt);

    Make(installed);
    fs::create_directory(beside);
    EXPECT_EQ(FindHelpFile(programDir, "guide.hlp"), installed);

    fs::remove(beside);
    Make(beside);
    EXPECT_EQ(FindHelpFile(programDir, "guide.hlp"), beside);
}

} // namespace
