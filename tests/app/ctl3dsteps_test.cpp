#include "app/ctl3dsteps.h"

#include "framework/gdi/ctl3dswitch.h"
#include "framework/gdi/platformprobes.h"
#include "framework/profile.h"
#include "framework/systemprobes.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

int EnabledAnswer = 1;
int Registrations = 0;

int FakeCtl3dRegister(void*) {
    ++Registrations;
    return 1;
}

int FakeCtl3dEnabled() {
    return EnabledAnswer;
}

class TFakeLibrary : public TPlatformProbes::TLibrary {
public:
    TPlatformProbes::TProc GetProcAddress(const std::string& name) const override {
        const auto found = Exports.find(name);
        return found == Exports.end() ? nullptr : found->second;
    }
    std::map<std::string, TPlatformProbes::TProc> Exports;
};

// A platform in a temporary folder: the program in program/, the system's
// libraries in system/; on versions up to 3 the 3-D controls library may
// be there, with or without the export that tells it works.
class TFakeProbes : public TPlatformProbes {
public:
    std::string GetModuleFileName() const override { return Program; }
    std::string GetSystemDirectory() const override { return System; }
    int GetMajorVersion() const override { return MajorVersion; }
    void* GetInstance() const override { return nullptr; }
    std::unique_ptr<TLibrary> LoadLibrary(const std::string& name) override {
        Loaded.push_back(name);
        if (LoadingThrows)
            throw std::runtime_error("loader failed");
        if (!HasLibrary)
            return nullptr;
        auto library = std::make_unique<TFakeLibrary>();
        library->Exports["Ctl3dRegister"] = reinterpret_cast<TProc>(&FakeCtl3dRegister);
        if (HasEnabledExport)
            library->Exports["Ctl3dEnabled"] = reinterpret_cast<TProc>(&FakeCtl3dEnabled);
        return library;
    }

    std::string Program;
    std::string System;
    int MajorVersion = 10;
    bool HasLibrary = false;
    bool HasEnabledExport = true;
    bool LoadingThrows = false;
    std::vector<std::string> Loaded;
};

const std::string CannotUseText =
    "Sorry, cannot use Microsoft 3-D Controls Library, because CTL3DV2.DLL (for the 16-bit "
    "version), or CTL3D32.DLL (for the 32-bit version) are not installed in WINDOWS\\SYSTEM "
    "directory, or copies of these files are found in some directories OTHER than "
    "WINDOWS\\SYSTEM. (In the last case find the latest versions of these files, move them into "
    "WINDOWS\\SYSTEM, and delete the rest of them.) It is also possible that the version of "
    "Windows you use does not need these DLLs to provide 3-D controls. Do you wish Kestrova NOT "
    "to show this message when you run it next time? Definitely choose Yes if THIS message box "
    "appears to have a nice 3-D look with gray background.";
const TUserMessage CannotUse{CannotUseText, "Kestrova Ctl3d error", MB_YESNO | MB_DEFBUTTON2,
                             MB_ICONQUESTION};

class Ctl3dSteps : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(Dir / "program");
        fs::create_directories(Dir / "system");
        Probes.Program = (Dir / "program" / "kestrova").string();
        Probes.System = (Dir / "system").string();
        EnabledAnswer = 1;
        Registrations = 0;
    }

    // One start of the program: both steps in order, boxes recorded and
    // answered with `answer`.
    void Start(int answer = IDNO) {
        Switch.emplace(Probes);
        const TAskUser ask = [&](const TUserMessage& box) {
            Boxes.push_back(box);
            return box.Icon == MB_ICONQUESTION ? answer : IDOK;
        };
        InstallCtl3dLibrary(Probes, ask);
        EnableCtl3dControls(*Switch, Ini(), ask);
    }
    std::vector<TUserMessage> TakeBoxes() { return std::exchange(Boxes, {}); }

    std::string Ini() const { return (Dir / "kestrova.ini").string(); }
    int ShowError() const { return GetPrivateProfileInt("Startup", "ShowCtl3DError", -1, Ini()); }
    static std::string Contents(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    TTempFolder Folder;
    const fs::path& Dir = Folder.Path();
    TFakeProbes Probes;
    std::optional<TCtl3dSwitch> Switch;
    std::vector<TUserMessage> Boxes;
};

TEST_F(Ctl3dSteps, WithoutTheLibraryEveryStartAsksUntilAnsweredYes) {
    Start(IDNO);
    EXPECT_EQ(TakeBoxes(), std::vector{CannotUse});
    EXPECT_TRUE(Probes.Loaded.empty()) << "a new platform loads nothing";
    EXPECT_FALSE(fs::exists(Ini())) << "No writes nothing";
    Start(IDYES);
    EXPECT_EQ(TakeBoxes(), std::vector{CannotUse});
    EXPECT_EQ(Contents(Ini()), "[Startup]\nShowCtl3DError=0\n");
    Start(IDYES);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(ShowError(), 0);
}

TEST_F(Ctl3dSteps, OldPlatformWithAWorkingLibraryUsesItQuietly) {
    Probes.MajorVersion = 3;
    Probes.HasLibrary = true;
    Start();
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(Probes.Loaded, std::vector<std::string>{"CTL3D32.DLL"});
    EXPECT_EQ(Registrations, 1);
    EXPECT_TRUE(Switch->IsOn());
    EXPECT_TRUE(Switch->GetModule());
    EXPECT_FALSE(fs::exists(Ini())) << "the default needs no writing";

    WritePrivateProfileString("Startup", "ShowCtl3DError", "0", Ini());
    Start();
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(ShowError(), 1) << "working again after the user silenced the message";
}

TEST_F(Ctl3dSteps, OldPlatformWhereTheLibraryFailsAsks) {
    const struct {
        const char* Case;
        bool HasLibrary, HasEnabledExport, LoadingThrows;
        int EnabledAnswer;
    } rows[] = {
        {"no library", false, true, false, 1},
        {"no Ctl3dEnabled export", true, false, false, 1},
        {"Ctl3dEnabled answers 0", true, true, false, 0},
        {"loading throws", true, true, true, 1},
    };
    Probes.MajorVersion = 3;
    for (const auto& row : rows) {
        Probes.HasLibrary = row.HasLibrary;
        Probes.HasEnabledExport = row.HasEnabledExport;
        Probes.LoadingThrows = row.LoadingThrows;
        EnabledAnswer = row.EnabledAnswer;
        WritePrivateProfileString("Startup", "ShowCtl3DError", "1", Ini());
        Start(IDYES);
        EXPECT_EQ(TakeBoxes(), std::vector{CannotUse}) << row.Case;
        EXPECT_FALSE(Switch->GetModule()) << row.Case;
        EXPECT_EQ(ShowError(), 0) << row.Case;
    }
}

TEST_F(Ctl3dSteps, ValuesOtherThanZeroAndOneShowAndWriteNothing) {
    for (bool working : {false, true}) {
        Probes.MajorVersion = working ? 3 : 10;
        Probes.HasLibrary = working;
        for (const char* value : {"2", "-1"}) {
            std::ofstream(Ini()) << "[Startup]\nShowCtl3DError=" << value << "\n";
            Start(IDYES);
            EXPECT_TRUE(TakeBoxes().empty()) << value;
            EXPECT_EQ(Contents(Ini()), "[Startup]\nShowCtl3DError=" + std::string(value) + "\n");
        }
    }
}

TEST_F(Ctl3dSteps, CopyBesideTheProgramIsInstalledOnceAndNeverReplaces) {
    WritePrivateProfileString("Startup", "ShowCtl3DError", "0", Ini());
    Start();
    EXPECT_TRUE(TakeBoxes().empty()) << "no copy brought along";
    EXPECT_TRUE(fs::is_empty(Dir / "system"));

    const fs::path source = Dir / "program" / "CTL3D32.D~~";
    const fs::path installed = Dir / "system" / "CTL3D32.DLL";
    const std::string library(100000, 'L');
    std::ofstream(source, std::ios::binary) << library;
    const auto made = fs::last_write_time(source) - std::chrono::hours(24);
    fs::last_write_time(source, made);
    Start();
    const TUserMessage done{installed.string(), "Microsoft 3-D Controls DLL installed", MB_OK,
                            MB_ICONINFORMATION};
    EXPECT_EQ(TakeBoxes(), std::vector{done});
    EXPECT_EQ(Contents(installed), library);
    EXPECT_EQ(fs::last_write_time(installed), made);
    Start();
    EXPECT_TRUE(TakeBoxes().empty()) << "already installed";

    std::ofstream(installed, std::ios::binary) << "older";
    Start();
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(Contents(installed), "older");
}

TEST_F(Ctl3dSteps, CopyThatFailsLeavesNothingBehind) {
    WritePrivateProfileString("Startup", "ShowCtl3DError", "0", Ini());
    fs::create_directory(Dir / "program" / "CTL3D32.D~~"); // opens, but cannot be read
    Start();
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_TRUE(fs::is_empty(Dir / "system"));
}

// This machine has no 3-D controls library: switching on finds it
// unavailable and the first start asks, and nothing is brought along.
TEST_F(Ctl3dSteps, ThisPlatformHasNoLibrary) {
    TSystemProbes system;
    EXPECT_TRUE(fs::exists(system.GetModuleFileName()));
    EXPECT_TRUE(fs::is_directory(system.GetSystemDirectory()));
    EXPECT_GT(system.GetMajorVersion(), 0);
    EXPECT_FALSE(system.LoadLibrary("CTL3D32.DLL"));
    const TAskUser ask = [&](const TUserMessage& box) {
        Boxes.push_back(box);
        return IDNO;
    };
    InstallCtl3dLibrary(system, ask);
    TCtl3dSwitch ctl3d(system);
    EnableCtl3dControls(ctl3d, Ini(), ask);
    EXPECT_EQ(TakeBoxes(), std::vector{CannotUse});
    EXPECT_FALSE(ctl3d.GetModule());
}

} // namespace
