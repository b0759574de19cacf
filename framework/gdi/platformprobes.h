#pragma once

#include <memory>
#include <string>

// What start-up asks of the platform it runs on: the program file's path,
// the folder of the system's shared libraries, the platform's major
// version, the program's instance, and loading a library to look up its
// exports. The real probes answer for this machine; tests play others, an
// old platform with its own libraries included.
class TPlatformProbes {
public:
    // An exported function's address; call it through its real type.
    using TProc = void (*)();

    // A loaded library; unloaded when destroyed.
    class TLibrary {
    public:
        virtual ~TLibrary();
        // The export of that name, or null.
        virtual TProc GetProcAddress(const std::string& name) const = 0;
    };

    virtual ~TPlatformProbes();

    virtual std::string GetModuleFileName() const = 0;
    virtual std::string GetSystemDirectory() const = 0;
    virtual int GetMajorVersion() const = 0;
    virtual void* GetInstance() const = 0;
    // The library of that name, looked up as the platform does; null when
    // it cannot be loaded.
    virtual std::unique_ptr<TLibrary> LoadLibrary(const std::string& name) = 0;
};
