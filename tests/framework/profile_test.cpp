#include "framework/profile.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

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

} // namespace
