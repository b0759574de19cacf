// The command line read before the window opens, and what it prints.

#include "app/commandline.h"
#include "resources/buildinfo.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using TAction = TCommandLine::TAction;

TCommandLine Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "kestrova");
    return ParseCommandLine(static_cast<int>(args.size()), args.data());
}

struct TParseCase {
    std::vector<const char*> Args;
    TAction Action;
    std::vector<std::string> Files;
    std::string UnknownOption;
};

void PrintTo(const TParseCase& c, std::ostream* os) {
    *os << "kestrova";
    for (const char* arg : c.Args)
        *os << " '" << arg << "'";
}

class CommandLineParse : public testing::TestWithParam<TParseCase> {};

TEST_P(CommandLineParse, ReadsOptionsAndFilesInOrder) {
    const TParseCase& c = GetParam();
    const TCommandLine line = Parse(c.Args);
    EXPECT_EQ(line.Action, c.Action);
    EXPECT_EQ(line.Files, c.Files);
    EXPECT_EQ(line.UnknownOption, c.UnknownOption);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLineParse,
    testing::Values(
        TParseCase{{}, TAction::OpenWindow, {}, ""},
        TParseCase{{"a.csv", "plot.png", "b.DAT"}, TAction::OpenWindow,
                   {"a.csv", "plot.png", "b.DAT"}, ""},
        TParseCase{{"--help"}, TAction::ShowHelp, {}, ""},
        TParseCase{{"--version"}, TAction::ShowVersion, {}, ""},
        // The first option that ends the program decides.
        TParseCase{{"a.csv", "--version", "--bogus"}, TAction::ShowVersion, {"a.csv"}, ""},
        TParseCase{{"--bogus", "--help"}, TAction::RefuseOption, {}, "--bogus"},
        TParseCase{{"-h"}, TAction::RefuseOption, {}, "-h"},
        TParseCase{{"--help=all"}, TAction::RefuseOption, {}, "--help=all"},
        // Qt's own options are not the program's.
        TParseCase{{"-platform", "offscreen"}, TAction::RefuseOption, {}, "-platform"},
        // After "--" everything is a file; "-" and "" are names, not options.
        TParseCase{{"--", "--help", "-x.dat"}, TAction::OpenWindow, {"--help", "-x.dat"}, ""},
        TParseCase{{"-", ""}, TAction::OpenWindow, {"-", ""}, ""}));

constexpr char Usage[] = "Usage: kestrova [--help] [--version] [FILE...]\n";

// --help's text goes on after the usage; every other output is whole.
TEST(CommandLineAnswer, EachAnswerOnItsStreamWithItsExitStatus) {
    struct {
        std::vector<const char*> Args;
        std::optional<int> Status;
        std::string Out, Err;
    } const rows[] = {
        {{"--help"}, 0, Usage, ""},
        {{"--version"}, 0, "Kestrova " KESTROVA_VERSION "\n", ""},
        {{"plot.bmp", "--frobnicate"}, 2, "",
         std::string("kestrova: unknown option '--frobnicate'\n") + Usage},
        {{"a.dat", "b.bmp"}, std::nullopt, "", ""},
    };
    for (const auto& row : rows) {
        std::ostringstream out, err;
        EXPECT_EQ(AnswerWithoutWindow(Parse(row.Args), out, err), row.Status) << row.Args[0];
        if (row.Args[0] == std::string("--help"))
            EXPECT_EQ(out.str().rfind(row.Out, 0), 0u) << out.str();
        else
            EXPECT_EQ(out.str(), row.Out);
        EXPECT_EQ(err.str(), row.Err);
    }
}

TEST(BuildInfo, SaysTheWordSizeAndSystemOfThisBuild) {
    const std::string bits = std::to_string(sizeof(void*) * 8);
#if defined(__linux__)
    EXPECT_STREQ(BuildDescription, (bits + "-bit version for Linux").c_str());
#else
    EXPECT_EQ(std::string(BuildDescription).rfind(bits + "-bit version for ", 0), 0u);
#endif
}

} // namespace
