#include "framework/gdi/ctl3dswitch.h"

namespace {

constexpr int NewestPlatformWithoutOwn3dControls = 3;
constexpr const char* LibraryName = "CTL3D32.DLL";

using TCtl3dRegister = int (*)(void* instance);

} // namespace

void TCtl3dSwitch::SwitchOn() {
    On = true;
    if (Module || Probes.GetMajorVersion() > NewestPlatformWithoutOwn3dControls)
        return;
    std::unique_ptr<TPlatformProbes::TLibrary> library = Probes.LoadLibrary(LibraryName);
    if (!library)
        return;
    // A library that cannot take the program's registration is no use; it
    // is unloaded again and counts as not loaded.
    const TPlatformProbes::TProc proc = library->GetProcAddress("Ctl3dRegister");
    if (!proc || !reinterpret_cast<TCtl3dRegister>(proc)(Probes.GetInstance()))
        return;
    Module = std::move(library);
}

void TCtl3dSwitch::SwitchOff() {
    On = false;
    Module.reset();
}
