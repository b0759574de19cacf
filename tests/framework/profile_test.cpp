#include "framework/profile.h"
#include "support/tempfolder.h"

#include "support/fifoknocker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("XDG_CONFIG_HOME", (Dir / "config").c_str(), 1); }

    std::string Path() const { return (Dir / "config" / "test.ini").string(); }
    void WriteFile(const std::string& text) const {
        std::filesystem::create_directories(Dir / "config");
        std::ofstream(Path()) << text;
    }
    std::string ReadFile() const {
        std::ifstream in(Path());
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    TTempFolder Temp;
    std::filesystem::path Dir = Temp.Path();
};

TEST_F(ProfileTest, BareNameLivesInXdgConfigHome) {
    EXPECT_EQ(ProfilePath("test.ini"), Path());
    EXPECT_EQ(ProfilePath("/some/where.ini"), "/some/where.ini");
}

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(GetPrivateProfileInt("Startup", "BkColorRed", 192, "test.ini"), 192);
    WriteFile("[Other]\nBkColorRed=5\n[Startup]\nBkColorGreen=7\n");
    EXPECT_EQ(GetPrivateProfileInt("Startup", "BkColorRed", 192, "test.ini"), 192);
    EXPECT_EQ(GetPrivateProfileInt("Startup", "BkColorGreen", 192, "test.ini"), 7);
}

TEST_F(ProfileTest, ReadsIntegersAsTheSystemDoes) {
    WriteFile("[startup]\n bkcolorred = 12abc\nA=-3\nB=xyz\nC=99999999999\n");
    EXPECT_EQ(GetPrivateProfileInt("Startup", "BkColorRed", 0, "test.ini"), 12);
    EXPECT_EQ(GetPrivateProfileInt("Startup", "A", 0, "test.ini"), -3);
    EXPECT_EQ(GetPrivateProfileInt("Startup", "B", 5, "test.ini"), 0);
    EXPECT_EQ(GetPrivateProfileInt("Startup", "C", 5, "test.ini"), 2147483647);
}

TEST_F(ProfileTest, ReadsStringsWithoutTheBlanksAround) {
    WriteFile("[Recent]\nfile1 =  /a b/c=d.dat  \nFile2=\n");
    EXPECT_EQ(GetPrivateProfileString("recent", "File1", "x", "test.ini"), "/a b/c=d.dat");
    EXPECT_EQ(GetPrivateProfileString("Recent", "File2", "x", "test.ini"), "");
    EXPECT_EQ(GetPrivateProfileString("Recent", "File3", "x", "test.ini"), "x");
}

TEST_F(ProfileTest, WritingCreatesTheFileAndDirectory) {
    ASSERT_TRUE(WritePrivateProfileString("Startup", "BkColorRed", "192", "test.ini"));
    EXPECT_EQ(ReadFile(), "[Startup]\nBkColorRed=192\n");
}

TEST_F(ProfileTest, WritingKeepsOtherSectionsKeysAndComments) {
    WriteFile("; mine\n[Startup]\nShowCtl3DError=0\nBkColorRed=1\n\n[Other]\nKey=v\n");
    ASSERT_TRUE(WritePrivateProfileString("startup", "bkcolorred", "200", "test.ini"));
    ASSERT_TRUE(WritePrivateProfileString("Startup", "BkColorBlue", "3", "test.ini"));
    ASSERT_TRUE(WritePrivateProfileString("New", "K", "1", "test.ini"));
    EXPECT_EQ(ReadFile(), "; mine\n[Startup]\nShowCtl3DError=0\nbkcolorred=200\nBkColorBlue=3\n\n"
                          "[Other]\nKey=v\n\n[New]\nK=1\n");
    EXPECT_FALSE(std::filesystem::exists(Path() + ".tmp"));
}

TEST_F(ProfileTest, AnUnwritableFileIsReportedAndLeftAlone) {
    WriteFile("[Startup]\nA=1\n");
    std::filesystem::create_directory(Path() + ".tmp"); // the temporary cannot be made
    EXPECT_FALSE(WritePrivateProfileString("Startup", "A", "2", "test.ini"));
    EXPECT_EQ(GetPrivateProfileInt("Startup", "A", 0, "test.ini"), 1);
}

// A FIFO or a device as the settings file must neither hang the start nor
// fill memory, and a file grown past a MiB is read only so far and never
// cut short by a write.
TEST_F(ProfileTest, ReadsOnlyTheFirstMebibyteOfARegularFile) {
    WriteFile("");
    for (const char* special : {"fifo", "/dev/zero"}) {
        std::filesystem::remove(Path());
        std::optional<TFifoKnocker> knocker;
        if (std::string(special) == "fifo") {
            ASSERT_EQ(::mkfifo(Path().c_str(), 0600), 0);
            knocker.emplace(Path());
        } else {
            std::filesystem::create_symlink(special, Path());
        }
        EXPECT_EQ(GetPrivateProfileInt("Startup", "A", 7, "test.ini"), 7) << special;
        EXPECT_FALSE(WritePrivateProfileString("Startup", "A", "1", "test.ini")) << special;
        EXPECT_FALSE(std::filesystem::is_regular_file(Path())) << special;
    }

    std::filesystem::remove(Path());
    // B's line runs one byte past the MiB.
    const std::string head = "[Startup]\nA=1\n;" + std::string((1 << 20) - 19, 'x') + "\n";
    WriteFile(head + "B=2\n");
    EXPECT_EQ(GetPrivateProfileInt("Startup", "A", 0, "test.ini"), 1);
    EXPECT_EQ(GetPrivateProfileInt("Startup", "B", 0, "test.ini"), 0);
    EXPECT_FALSE(WritePrivateProfileString("Startup", "A", "3", "test.ini"));
    EXPECT_TRUE(ReadFile() == head + "B=2\n") << "the file is unchanged";
}

TEST_F(ProfileTest, WritingKeepsLinksModesAndReadOnlyFiles) {
    namespace fs = std::filesystem;
    using fs::perms;
    WriteFile("[Startup]\nA=1\n");
    const fs::path real = Dir / "real.ini";
    fs::rename(Path(), real);
    fs::create_symlink(real, Path());
    fs::permissions(real, perms::owner_read | perms::owner_write | perms::group_read);

    ASSERT_TRUE(WritePrivateProfileString("Startup", "A", "2", "test.ini"));
    EXPECT_TRUE(fs::is_symlink(Path()));
    EXPECT_EQ(ReadFile(), "[Startup]\nA=2\n");
    EXPECT_EQ(fs::status(real).permissions(), perms::owner_read | perms::owner_write | perms::group_read);

    fs::permissions(real, perms::owner_read);
    EXPECT_FALSE(WritePrivateProfileString("Startup", "A", "3", "test.ini"));
    EXPECT_EQ(ReadFile(), "[Startup]\nA=2\n");
    EXPECT_EQ(fs::status(real).permissions(), perms::owner_read);
}

} // namespace
