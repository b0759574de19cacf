#include "app/commandline.h"

#include "resources/buildinfo.h"

#include <ostream>
#include <string_view>

namespace {

constexpr char Usage[] = "Usage: kestrova [--help] [--version] [FILE...]\n";

constexpr char Help[] =
    "Kestrova turns pictures of graphs into numbers.\n"
    "\n"
    "Each FILE opens in turn: a .dat or .csv file as data, as File|Open Data\n"
    "does; any other file as the background picture.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "  --         take every argument after it as a file\n";

} // namespace

TCommandLine ParseCommandLine(int argc, const char* const* argv) {
    TCommandLine line;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!options || arg.size() < 2 || arg.front() != '-') {
            line.Files.emplace_back(arg);
        } else if (arg == "--") {
            options = false;
        } else if (arg == "--help") {
            line.Action = TCommandLine::TAction::ShowHelp;
            return line;
        } else if (arg == "--version") {
            line.Action = TCommandLine::TAction::ShowVersion;
            return line;
        } else {
            line.Action = TCommandLine::TAction::RefuseOption;
            line.UnknownOption = arg;
            return line;
        }
    }
    return line;
}

std::optional<int> AnswerWithoutWindow(const TCommandLine& commandLine, std::ostream& out,
                                       std::ostream& err) {
    switch (commandLine.Action) {
    case TCommandLine::TAction::OpenWindow:
        return std::nullopt;
    case TCommandLine::TAction::ShowHelp:
        out << Usage << Help << std::flush;
        return 0;
    case TCommandLine::TAction::ShowVersion:
        out << "Kestrova " << KestrovaVersion << '\n' << std::flush;
        return 0;
    case TCommandLine::TAction::RefuseOption:
        err << "kestrova: unknown option '" << commandLine.UnknownOption << "'\n"
            << Usage << std::flush;
        return 2;
    }
    return 2;
}
