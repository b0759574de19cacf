#pragma once

#include "framework/gdi/platformprobes.h"

// The platform probes of the machine the program runs on: the program file
// from the process, the system's library folder as the one holding the C
// library, the kernel's major version, the program's load address as its
// instance, and the dynamic loader for libraries.
class TSystemProbes : public TPlatformProbes {
public:
    std::string GetModuleFileName() const override;
    std::string GetSystemDirectory() const override;
    int GetMajorVersion() const override;
    void* GetInstance() const override;
    std::unique_ptr<TLibrary> LoadLibrary(const std::string& name) override;
};
