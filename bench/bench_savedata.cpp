// File|Save Data As of 2,000,000 points as the user gives it: the command
// through the drawing window with the file dialog answered by a script,
// against writing the same bytes to a temporary file and renaming it.
#include "offscreenmain.h"

#include "framework/gdi/messagebox.h"
#include "framework/userinterface.h"
#include "window/drawwindow.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int Lines = 1'000'000;

// Answers every file dialog with one name and fails on any message box.
class TSaveScript : public TUserInterface {
public:
    explicit TSaveScript(std::string name) : Name(std::move(name)) {}
    int MessageBox(TWindow*, const std::string&, const std::string&, unsigned) override {
        ++Boxes;
        return IDOK;
    }
    bool GetFileName(TWindow*, const TOpenSaveDialog::TData&, bool, std::string& chosen) override {
        chosen = Name;
        return true;
    }
    bool ChooseColor(TWindow*, TChooseColorDialog::TData&) override { return false; }

    std::string Name;
    int Boxes = 0;
};

fs::path Folder() {
    return fs::temp_directory_path();
}

// X and two Y columns: two curves of a million points. X stays left of the
// graph square, so the reading draws nothing and sets the scene quickly.
void WriteSource(const fs::path& path) {
    std::ofstream out(path, std::ios::binary);
    char number[32];
    for (int i = 0; i < Lines; ++i) {
        std::string line;
        for (const double v : {-1.0 - i * 0.0125, 1000.0 / (i + 3), -4.5e-3 * (i % 977)}) {
            line.append(number, std::to_chars(number, number + sizeof number, v).ptr);
            line += '\t';
        }
        line.back() = '\n';
        out << line;
    }
}

// One window holding the points, read in through Open Data once per run.
struct TLoadedWindow {
    TLoadedWindow() {
        const fs::path source = Folder() / "kestrova-bench-source.dat";
        WriteSource(source);
        auto script = std::make_unique<TSaveScript>(source.string());
        Script = script.get();
        Previous = TUserInterface::Install(std::move(script));
        Window.CmOpenData();
        fs::remove(source);
    }
    ~TLoadedWindow() { TUserInterface::Install(std::move(Previous)); }

    TDrawWindow Window;
    TSaveScript* Script;
    std::unique_ptr<TUserInterface> Previous;
};

TLoadedWindow& Loaded() {
    static TLoadedWindow loaded;
    return loaded;
}

void BM_SaveDataAsWindow(benchmark::State& state) {
    TLoadedWindow& loaded = Loaded();
    const fs::path target = Folder() / "kestrova-bench-saved.dat";
    loaded.Script->Name = target.string();
    for (auto _ : state)
        loaded.Window.CmSaveDataAs();
    if (loaded.Script->Boxes != 0)
        state.SkipWithError("the save showed a message box");
    state.counters["bytes"] = static_cast<double>(fs::file_size(target));
    fs::remove(target);
}
BENCHMARK(BM_SaveDataAsWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the bytes the save wrote, made by a bare to_chars loop into
// one buffer, written to a temporary file with one write and renamed.
void BM_WriteTemporaryAndRename(benchmark::State& state) {
    const fs::path target = Folder() / "kestrova-bench-floor.dat";
    const fs::path temporary = Folder() / "kestrova-bench-floor.tmp";
    std::string bytes(std::size_t{40} * 2 * Lines, '\0');
    for (auto _ : state) {
        char* p = bytes.data();
        for (int column = 0; column < 2; ++column)
            for (int i = 0; i < Lines; ++i) {
                const double x = -1.0 - i * 0.0125;
                const double y = column == 0 ? 1000.0 / (i + 3) : -4.5e-3 * (i % 977);
                p = std::to_chars(p, p + 20, x, std::chars_format::scientific, 10).ptr;
                for (int s = 0; s <= column; ++s)
                    *p++ = '\t';
                p = std::to_chars(p, p + 20, y, std::chars_format::scientific, 10).ptr;
                *p++ = '\r';
                *p++ = '\n';
            }
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const auto size = static_cast<std::size_t>(p - bytes.data());
        if (fd < 0 || ::write(fd, bytes.data(), size) != static_cast<ssize_t>(size) ||
            ::close(fd) != 0 || std::rename(temporary.c_str(), target.c_str()) != 0)
            state.SkipWithError("write failed");
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(target));
    fs::remove(target);
}
BENCHMARK(BM_WriteTemporaryAndRename)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

KESTROVA_OFFSCREEN_BENCHMARK_MAIN()
