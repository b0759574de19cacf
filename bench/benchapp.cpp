#include "benchapp.h"

#include "app/drawapp.h"
#include "datafile/dataline.h"
#include "framework/decoratedframe.h"
#include "framework/gdi/messagebox.h"
#include "framework/userinterface.h"
#include "framework/window.h"
#include "resources/tables/ids.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QWidget>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <unistd.h>

namespace {

std::string NextFile;

class TBenchUserInterface : public TUserInterface {
public:
    int MessageBox(TWindow*, const std::string&, const std::string&, unsigned flags) override {
        constexpr unsigned ButtonsMask = 0x0Fu;
        return (flags & ButtonsMask) == MB_YESNO ? IDYES : IDOK;
    }
    bool GetFileName(TWindow*, const TOpenSaveDialog::TData&, bool, std::string& chosen) override {
        chosen = NextFile;
        return true;
    }
    bool ChooseColor(TWindow*, TChooseColorDialog::TData&) override { return false; }
};

} // namespace

TBenchApp::TBenchApp(int width, int height)
    : ConfigDir(std::filesystem::temp_directory_path() / "kestrova-bench-app") {
    setenv("XDG_CONFIG_HOME", ConfigDir.c_str(), 1);
    TUserInterface::Install(std::make_unique<TBenchUserInterface>());
    static int argc = 1;
    static char name[] = "kestrova";
    static char* argv[] = {name, nullptr};
    App = std::make_unique<TDrawApp>(argc, argv);
    App->InitInstance();
    QMainWindow* frame = App->GetMainWindow()->GetHandle();
    frame->showNormal();
    QWidget* client = Window().GetHandle();
    frame->resize(frame->size() + QSize(width, height) - client->size());
    ShowPending();
}

TBenchApp::~TBenchApp() {
    App.reset();
    ShowPending();
    TUserInterface::Install(nullptr);
    std::filesystem::remove_all(ConfigDir);
}

TWindow& TBenchApp::Window() const {
    return *App->GetMainWindow()->GetClientWindow();
}

void TBenchApp::OpenData(const std::filesystem::path& file) {
    NextFile = file.string();
    App->GetMainWindow()->DispatchCommand(CM_OPENDATA);
}

void TBenchApp::NewData() {
    App->GetMainWindow()->DispatchCommand(CM_FILENEW);
}

void TBenchApp::ShowPending() {
    QCoreApplication::processEvents();
}

void TBenchApp::Repaint() const {
    Window().Invalidate(true);
    Window().GetHandle()->repaint();
}

QImage TBenchApp::Canvas() const {
    return Window().Canvas().copy();
}

TBenchDataFile::TBenchDataFile(const std::string& name, int lines, int columns,
                               const TValue& value, int digits)
    : Path(std::filesystem::temp_directory_path() / name) {
    std::FILE* file = std::fopen(Path.c_str(), "wb");
    std::vector<char> line(static_cast<std::size_t>(columns + 1) * 32);
    char* const last = line.data() + line.size();
    for (int i = 0; i < lines; ++i) {
        char* end = line.data();
        for (int c = 0; c <= columns; ++c) {
            if (c > 0)
                *end++ = '\t';
            const double v = value(i, c);
            end = digits > 0 ? std::to_chars(end, last, v, std::chars_format::general, digits).ptr
                             : std::to_chars(end, last, v).ptr;
        }
        *end++ = '\n';
        if (static_cast<std::size_t>(end - line.data() - 1) > MaxDataLineLength)
            std::abort(); // the program would refuse the line
        Bytes += std::fwrite(line.data(), 1, static_cast<std::size_t>(end - line.data()), file);
    }
    std::fflush(file);
    ::fsync(::fileno(file));
    std::fclose(file);
}

TBenchDataFile::~TBenchDataFile() {
    std::filesystem::remove(Path);
}
