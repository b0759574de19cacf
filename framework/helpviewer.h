#pragma once

#include <string>

class QTextBrowser;
class TWindow;

enum THelpCommand : unsigned {
    HELP_CONTENTS = 0x0003u,
    HELP_QUIT = 0x0002u,
};

// The help viewer: a window that shows an HTML help file lying beside the
// program's executable. HELP_CONTENTS opens (or raises) it on the file's
// first page; HELP_QUIT closes it. A missing file is said in the viewer.
void WinHelp(TWindow* owner, const std::string& helpFile, THelpCommand command);

// The viewer window while it is open, else null.
QTextBrowser* HelpViewerWindow();
