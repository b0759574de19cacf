#pragma once

#include <QImage>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class TDrawApp;
class TWindow;

// The real program for benchmarks on Qt's offscreen platform: the frame and
// the drawing window as the program makes them, settings in a scratch
// folder, and a user-interface service that picks the file it is given in
// every file dialog and answers every message box with Yes/OK. The drawing
// window is reached only through its commands and public operations.
class TBenchApp {
public:
    // The client area is resized to width x height.
    TBenchApp(int width, int height);
    ~TBenchApp();
    TBenchApp(const TBenchApp&) = delete;
    TBenchApp& operator=(const TBenchApp&) = delete;

    TWindow& Window() const;
    // File|Open Data of the file, as a user picking it in the dialog.
    void OpenData(const std::filesystem::path& file);
    // File|New, answering Yes to its question.
    void NewData();
    // Runs the events waiting: what was drawn between paints is shown.
    static void ShowPending();
    // One full paint of the window, erase and Paint, shown at once.
    void Repaint() const;
    // The canvas as the last paint or drawing left it.
    QImage Canvas() const;

private:
    std::filesystem::path ConfigDir;
    std::unique_ptr<TDrawApp> App;
};

// A data file in the temporary folder, removed with the object: `lines`
// lines of X and `columns` Y values, value(line, 0) being X and
// value(line, c) the c-th Y. Numbers are written shortest, or with
// `digits` significant digits. Written line by line (a file-sized string
// freed here would raise the C library's threshold for mapping big blocks,
// and curves read later would grow by copying, as they never do in the
// program) and synced to the disk before any reading is timed.
class TBenchDataFile {
public:
    using TValue = std::function<double(int line, int column)>;
    TBenchDataFile(const std::string& name, int lines, int columns, const TValue& value,
                   int digits = 0);
    ~TBenchDataFile();
    TBenchDataFile(const TBenchDataFile&) = delete;
    TBenchDataFile& operator=(const TBenchDataFile&) = delete;

    std::filesystem::path Path;
    std::size_t Bytes = 0;
};
