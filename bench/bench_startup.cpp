// From making the application object to the first painted main window:
// frame, menus, tool bar, status bar, drawing window, settings read, shown
// maximized and painted once. Qt's own application object is made once per
// process before this and is not counted.
#include "offscreenmain.h"

#include "app/drawapp.h"
#include "framework/decoratedframe.h"
#include "framework/window.h"

#include <QWidget>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

void BM_StartToFirstPaintedWindow(benchmark::State& state) {
    const auto config = std::filesystem::temp_directory_path() / "kestrova-bench-startup";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    // As a user who asked not to hear again about the 3-D controls, which
    // this platform has not: no box waits for an answer.
    std::filesystem::create_directories(config);
    std::ofstream(config / "kestrova.ini") << "[Startup]\nShowCtl3DError=0\n";
    static int argc = 1;
    static char name[] = "kestrova";
    static char* argv[] = {name, nullptr};
    for (auto _ : state) {
        auto app = std::make_unique<TDrawApp>(argc, argv);
        app->InitInstance();
        app->GetMainWindow()->GetClientWindow()->GetHandle()->repaint();
        state.PauseTiming();
        app.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(config);
}
BENCHMARK(BM_StartToFirstPaintedWindow)->Unit(benchmark::kMillisecond);

} // namespace

KESTROVA_OFFSCREEN_BENCHMARK_MAIN()
