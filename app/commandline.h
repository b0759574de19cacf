#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The program's command line, `kestrova [--help] [--version] [FILE...]`,
// read before any window exists: --help and --version answer and end the
// program, an option it does not know ends it with the usage, and the
// files left over are opened in order once the window is up.
struct TCommandLine {
    enum class TAction { OpenWindow, ShowHelp, ShowVersion, RefuseOption };

    TAction Action = TAction::OpenWindow;
    std::vector<std::string> Files;  // in the order given
    std::string UnknownOption;       // set for RefuseOption
};

// Options are read up to "--" or the first of --help, --version and an
// unknown option, whichever comes first; every other argument is a file
// (a lone "-" too). argv[0] is the program and is skipped.
TCommandLine ParseCommandLine(int argc, const char* const* argv);

// Prints what the command line asks for before the window opens and gives
// the program's exit status when it ends here: 0 after --help or
// --version (on `out`), 2 after an unknown option (on `err`). Nothing when
// the window is to open.
std::optional<int> AnswerWithoutWindow(const TCommandLine& commandLine, std::ostream& out,
                                       std::ostream& err);
