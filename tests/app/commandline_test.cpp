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

struct TAnswer {
    std::optional<int> Status;
    std::string Out;
    std::string Err;
};

TAnswer Answer(std::vector<const char*> args) {
    std::ostringstream out, err;
    const std::optional<int> status = AnswerWithoutWindow(Parse(std::move(args)), out, err);
    return {status, out.str(), err.str()};
}

constexpr char Usage[] = "Usage: kestrova [--help] [--version] [FILE...]\n";

TEST(CommandLineAnswer, HelpAndVersionPrintOnStandardOutputAndEndWithZero) {
    const TAnswer help = Answer({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_EQ(help.Out.rfind(Usage, 0), 0u) << help.Out;
    EXPECT_NE(help.Out.find("--version"), std::string::npos);
    EXPECT_EQ(help.Err, "");

    const TAnswer version = Answer({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, std::string("Kestrova ") + KESTROVA_VERSION + "\n");
    EXPECT_EQ(version.Err, "");
}

TEST(CommandLineAnswer, UnknownOptionPrintsTheUsageOnStandardErrorAndEndsWithTwo) {
    const TAnswer refused = Answer({"plot.bmp", "--frobnicate"});
    EXPECT_EQ(refused.Status, 2);
    EXPECT_EQ(refused.Out, "");
    EXPECT_EQ(refused.Err, std::string("kestrova: unknown option '--frobnicate'\n") + Usage);
}

TEST(CommandLineAnswer, FilesAloneOpenTheWindowSilently) {
    const TAnswer files = Answer({"a.dat", "b.bmp"});
    EXPECT_FALSE(files.Status.has_value());
    EXPECT_EQ(files.Out + files.Err, "");
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
