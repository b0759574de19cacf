#include "app/ctl3dsteps.h"

#include "framework/gdi/ctl3dswitch.h"
#include "framework/gdi/platformprobes.h"
#include "framework/profile.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* Section = "Startup";
constexpr const char* ShowErrorKey = "ShowCtl3DError";

using TCtl3dEnabled = int (*)();

const TUserMessage CannotUseControls{
    "Sorry, cannot use Microsoft 3-D Controls Library, because CTL3DV2.DLL (for the 16-bit "
    "version), or CTL3D32.DLL (for the 32-bit version) are not installed in WINDOWS\\SYSTEM "
    "directory, or copies of these files are found in some directories OTHER than "
    "WINDOWS\\SYSTEM. (In the last case find the latest versions of these files, move them into "
    "WINDOWS\\SYSTEM, and delete the rest of them.) It is also possible that the version of "
    "Windows you use does not need these DLLs to provide 3-D controls. Do you wish Kestrova NOT "
    "to show this message when you run it next time? Definitely choose Yes if THIS message box "
    "appears to have a nice 3-D look with gray background.",
    "Kestrova Ctl3d error", MB_YESNO | MB_DEFBUTTON2, MB_ICONQUESTION};

struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFile = std::unique_ptr<std::FILE, TFileCloser>;

bool CopyBytes(std::FILE* from, std::FILE* to) {
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), from);
        if (got > 0 && std::fwrite(buffer.data(), 1, got, to) != got)
            return false;
        if (got < buffer.size())
            return !std::ferror(from);
    }
}

// Makes `destination` a copy of `source`, never over an existing file.
// False, with no destination left behind, when anything failed.
bool CopyToNewFile(const fs::path& source, const fs::path& destination) {
    TFile in(std::fopen(source.c_str(), "rb"));
    if (!in)
        return false;
    TFile out(std::fopen(destination.c_str(), "wbx"));
    if (!out)
        return false;
    const bool copied = CopyBytes(in.get(), out.get());
    if (std::fclose(out.release()) == 0 && copied)
        return true;
    std::error_code error;
    fs::remove(destination, error);
    return false;
}

// Whether the controls work once switched on: a library was loaded and it
// says they are in effect. A library that says not is switched off again.
bool SwitchOnAndTest(TCtl3dSwitch& ctl3d) {
    bool available = true;
    try {
        ctl3d.SwitchOn();
    } catch (...) {
        available = false;
    }
    const TPlatformProbes::TLibrary* module = ctl3d.GetModule();
    if (!module)
        return false;
    const auto enabled = reinterpret_cast<TCtl3dEnabled>(module->GetProcAddress("Ctl3dEnabled"));
    if (!enabled || enabled() == 0) {
        ctl3d.SwitchOff();
        return false;
    }
    return available;
}

} // namespace

void InstallCtl3dLibrary(const TPlatformProbes& probes, const TAskUser& ask) {
    const fs::path program = probes.GetModuleFileName();
    const fs::path system = probes.GetSystemDirectory();
    // Without both folders a bare name would land in the working folder.
    if (!program.has_parent_path() || system.empty())
        return;
    const fs::path source = program.parent_path() / "CTL3D32.D~~";
    const fs::path destination = system / "CTL3D32.DLL";
    if (!CopyToNewFile(source, destination))
        return;
    std::error_code error;
    const fs::file_time_type made = fs::last_write_time(source, error);
    if (!error)
        fs::last_write_time(destination, made, error);
    ask({destination.string(), "Microsoft 3-D Controls DLL installed", MB_OK, MB_ICONINFORMATION});
}

void EnableCtl3dControls(TCtl3dSwitch& ctl3d, const std::string& iniFile, const TAskUser& ask) {
    const int showError = GetPrivateProfileInt(Section, ShowErrorKey, 1, iniFile);
    const bool available = SwitchOnAndTest(ctl3d);
    if (showError == 1 && !available && ask(CannotUseControls) == IDYES)
        WritePrivateProfileString(Section, ShowErrorKey, "0", iniFile);
    if (showError == 0 && available && ctl3d.IsOn())
        WritePrivateProfileString(Section, ShowErrorKey, "1", iniFile);
}
