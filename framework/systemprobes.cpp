#include "framework/systemprobes.h"

#include <dlfcn.h>
#include <sys/utsname.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

class TSharedLibrary : public TPlatformProbes::TLibrary {
public:
    explicit TSharedLibrary(void* handle) : Handle(handle) {}
    ~TSharedLibrary() override { dlclose(Handle); }
    TSharedLibrary(const TSharedLibrary&) = delete;
    TSharedLibrary& operator=(const TSharedLibrary&) = delete;

    TPlatformProbes::TProc GetProcAddress(const std::string& name) const override {
        return reinterpret_cast<TPlatformProbes::TProc>(dlsym(Handle, name.c_str()));
    }

private:
    void* Handle;
};

// The file a loaded address belongs to, and where that file was loaded.
bool FindLoadedFile(const void* address, Dl_info& info) {
    return dladdr(address, &info) != 0 && info.dli_fname;
}

} // namespace

std::string TSystemProbes::GetModuleFileName() const {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.string();
}

std::string TSystemProbes::GetSystemDirectory() const {
    Dl_info info{};
    const void* cLibrary = dlsym(RTLD_DEFAULT, "fopen");
    if (!cLibrary || !FindLoadedFile(cLibrary, info))
        return {};
    std::error_code error;
    const fs::path file = fs::canonical(info.dli_fname, error);
    return error ? std::string() : file.parent_path().string();
}

int TSystemProbes::GetMajorVersion() const {
    utsname name{};
    if (uname(&name) != 0)
        return 0;
    return static_cast<int>(std::strtol(name.release, nullptr, 10));
}

void* TSystemProbes::GetInstance() const {
    Dl_info info{};
    return FindLoadedFile(reinterpret_cast<const void*>(&FindLoadedFile), info) ? info.dli_fbase
                                                                              : nullptr;
}

std::unique_ptr<TPlatformProbes::TLibrary> TSystemProbes::LoadLibrary(const std::string& name) {
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    return std::make_unique<TSharedLibrary>(handle);
}
