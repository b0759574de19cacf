#pragma once

#include "framework/gdi/platformprobes.h"

#include <memory>

// The framework's 3-D controls switch. Platforms above major version 3 draw
// three-dimensional controls themselves, so switching on loads nothing
// there; older ones get the 3-D controls library, registered with the
// program's instance and kept loaded while the switch is on.
class TCtl3dSwitch {
public:
    explicit TCtl3dSwitch(TPlatformProbes& probes) : Probes(probes) {}

    // Lets whatever the platform's loading throws pass to the caller.
    void SwitchOn();
    void SwitchOff();
    bool IsOn() const { return On; }
    // The library switching on loaded and registered with; null when none.
    const TPlatformProbes::TLibrary* GetModule() const { return Module.get(); }

private:
    TPlatformProbes& Probes;
    std::unique_ptr<TPlatformProbes::TLibrary> Module;
    bool On = false;
};
