#pragma once

#include <filesystem>
#include <optional>
#include <string>

class QTextBrowser;
class TWindow;

enum THelpCommand : unsigned {
    HELP_CONTENTS = 0x0003u,
    HELP_QUIT = 0x0002u,
};

// The help viewer: a window that shows an HTML help file, found by
// FindHelpFile. HELP_CONTENTS opens (or raises) it on the file's first
// page; HELP_QUIT closes it. A missing file is said in the viewer.
void WinHelp(TWindow* owner, const std::string& helpFile, THelpCommand command);

// Where the help file is: beside the program's executable (a build, or a
// copy moved elsewhere with its help) if it lies there, else in the data
// folder of the installed tree the executable lies in; nothing when
// neither holds it.
std::optional<std::filesystem::path> FindHelpFile(const std::filesystem::path& programDir,
                                                  const std::string& helpFile);

// The viewer window while it is open, else null.
QTextBrowser* HelpViewerWindow();
