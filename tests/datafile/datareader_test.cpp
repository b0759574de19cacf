#include "tablesink.h"

#include "core/graphscale.h"
#include "framework/gdi/globalmemory.h"

#include "support/fifoknocker.h"
#include "support/tempfolder.h"

#include <filesystem>
#include <stdexcept>

#include <sys/stat.h>

namespace {

using Reading = DataFileTest;
using TPoints = std::vector<TCurvePoint>;

TUserMessage FileError(const char* text) {
    return {text, "File Error", MB_OK, MB_ICONEXCLAMATION};
}

TEST_F(Reading, ColumnsBecomeNewCurvesAfterThoseHeld) {
    TTableSink sink;
    sink.CreateCurve(0);
    sink.CreateCurve(1);
    sink.AddPoint(1, 9, 9);
    // Headings, blank lines, CR LF and a last line without a line end.
    sink.Read("x,y,z\n1 2 3\n\n2,,5\r\nnote\n3\t4", 1, 1);
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_EQ(sink.Points(1), (TPoints{{9, 9}}));
    EXPECT_EQ(sink.Points(2), (TPoints{{1, 2}, {3, 4}}));
    EXPECT_EQ(sink.Points(3), (TPoints{{1, 3}, {2, 5}}));
    EXPECT_EQ(sink.CurrentCurve, 3);
    EXPECT_EQ(sink.PointCount, 5u);
    EXPECT_EQ(sink.CountsText, "Curves: 4  Points: 5");
}

TEST_F(Reading, EmptyColumnsBecomeEmptyCurves) {
    TTableSink sink;
    sink.Read("1,,2\n2;;3\n");
    ASSERT_TRUE(sink.Curves[0]);
    EXPECT_EQ(sink.Curves[0]->GetCount(), 0u);
    EXPECT_EQ(sink.Points(1), (TPoints{{1, 2}, {2, 3}}));
    EXPECT_EQ(sink.CurrentCurve, 1);
}

TEST_F(Reading, FileWithoutDataStillReportsCounts) {
    for (const char* text : {"", "heading\n\n   \r\n", "\n"}) {
        TTableSink sink;
        sink.Read(text, 2, 5);
        EXPECT_TRUE(sink.Messages.empty());
        EXPECT_TRUE(sink.Ended);
        EXPECT_EQ(sink.CountsText, "Curves: 3  Points: 5");
    }
}

TEST_F(Reading, LineOver256CharactersEndsReading) {
    const std::string line256 = "1 2" + std::string(253, ' ');
    const std::string line257 = line256 + " ";
    for (const std::string& tooLong : {line257 + "\n", line257, line256 + "\r\r\n",
                                       std::string(100000, '7') + "\n"}) {
        TTableSink sink;
        sink.Read("1 1\n" + line256 + "\r\n" + line256 + "\n" + tooLong + "3 3\n");
        EXPECT_EQ(sink.Messages, (std::vector{FileError("Too long line encountered")}));
        EXPECT_EQ(sink.Points(0), (TPoints{{1, 1}, {1, 2}, {1, 2}}));
        EXPECT_EQ(sink.CountsText, "Curves: 1  Points: 3");
    }
}

TEST_F(Reading, LongestCrLfLineSplitAtTheRefillIsRead) {
    // The reader fills 64 KiB plus room for one longest line and its CR LF.
    // Place a 256-character line so that its CR ends a fill and its LF starts
    // the next, give or take a few characters.
    constexpr std::size_t FirstFill = 64 * 1024 + 256 + 2;
    const std::string line256 = "5 6" + std::string(253, ' ');
    for (std::size_t shift = 0; shift < 4; ++shift) {
        const std::size_t before = FirstFill - (line256.size() + 1) - shift;
        std::string text(before % 4 == 0 ? "" : std::string(before % 4 - 1, ' ') + "\n");
        while (text.size() < before)
            text += "1 1\n";
        TTableSink sink;
        sink.Read(text + line256 + "\r\n7 8\n");
        EXPECT_TRUE(sink.Messages.empty()) << shift;
        const TPoints points = sink.Points(0);
        ASSERT_EQ(points.size(), before / 4 + 2) << shift;
        EXPECT_EQ(points[points.size() - 2], (TCurvePoint{5, 6})) << shift;
        EXPECT_EQ(points.back(), (TCurvePoint{7, 8})) << shift;
    }
}

TEST_F(Reading, ColumnsBeyondTwentyCurvesWarnOnce) {
    TTableSink sink;
    sink.Read("1 2\n2 3 4\n3 5 6 7\n", 18, 0);
    const TUserMessage warning{
        "Sorry, cannot show more than 20 curves. The rest of them will be ignored.",
        "Attention!", MB_OK, MB_ICONEXCLAMATION};
    EXPECT_EQ(sink.Messages, (std::vector{warning}));
    EXPECT_EQ(sink.Points(19), (TPoints{{1, 2}, {2, 3}, {3, 5}}));
    EXPECT_EQ(sink.CountsText, "Curves: 20  Points: 3");
}

TEST_F(Reading, CurveThatCannotBeMadeDropsTheRestOfItsLine) {
    TTableSink sink;
    sink.RefusedSlots = {1};
    sink.Read("1 2 3 4\n2 5\n");
    const TUserMessage noMemory{"Sorry, not enough memory!", "", MB_OK, MB_ICONEXCLAMATION};
    EXPECT_EQ(sink.Messages, (std::vector{noMemory}));
    EXPECT_EQ(sink.Points(0), (TPoints{{1, 2}, {2, 5}}));
    EXPECT_FALSE(sink.Curves[2]);
    EXPECT_EQ(sink.CurrentCurve, 0);
}

TEST_F(Reading, OutOfRangeValueAsksOncePerValue) {
    TTableSink sink;
    sink.Answers = {IDOK, IDOK};
    sink.Read("heading\n\n1e400 1 2\n5 6\n");
    const TUserMessage question{
        "Number out of range encountered at line 3. Continue reading the file?", "", MB_OKCANCEL,
        0};
    EXPECT_EQ(sink.Messages, (std::vector{question, question}));
    EXPECT_EQ(sink.Points(0), (TPoints{{5, 6}}));
    EXPECT_EQ(sink.Curves[1]->GetCount(), 0u);
    EXPECT_EQ(sink.CountsText, "Curves: 2  Points: 1");
}

TEST_F(Reading, CancelAtOutOfRangeQuestionEndsReading) {
    TTableSink sink;
    sink.Answers = {IDCANCEL};
    sink.Read("1 2\n3 -1e999\n4 5\n");
    EXPECT_EQ(sink.Messages.size(), 1u);
    EXPECT_EQ(sink.Points(0), (TPoints{{1, 2}}));
    EXPECT_EQ(sink.CountsText, "Curves: 1  Points: 1");
}

TEST_F(Reading, ExhaustedPointMemoryEndsReading) {
    SetAllocationHook([](std::size_t bytes) { return bytes <= 100 * sizeof(TCurvePoint); });
    TTableSink sink;
    std::string text;
    for (int i = 0; i < 150; ++i)
        text += std::to_string(i) + " " + std::to_string(i) + "\n";
    sink.Read(text);
    SetAllocationHook({});
    const TUserMessage noMemory{"Sorry, not enough memory for more data!", "", MB_OK,
                                MB_ICONEXCLAMATION};
    EXPECT_EQ(sink.Messages, (std::vector{noMemory}));
    EXPECT_EQ(sink.Curves[0]->GetCount(), 100u);
    EXPECT_EQ(sink.CountsText, "Curves: 1  Points: 100");
}

TEST_F(Reading, BinaryJunkIsPassedOver) {
    TTableSink sink;
    const char junk[] = "\xff\xfe\x00\x01\n1\x00\x80 2\n\x1b[0m\r\r\n";
    sink.Read(std::string(junk, sizeof junk - 1));
    EXPECT_TRUE(sink.Messages.empty());
    EXPECT_EQ(sink.Points(0), (TPoints{{1, 2}}));
}

// A stream that delivers its data, then fails as a broken disk would.
class TFailingBuffer : public std::streambuf {
public:
    explicit TFailingBuffer(std::string data) : Data(std::move(data)) {}

protected:
    int_type underflow() override {
        if (Given)
            throw std::runtime_error("read error");
        Given = true;
        setg(Data.data(), Data.data(), Data.data() + Data.size());
        return traits_type::to_int_type(Data[0]);
    }

private:
    std::string Data;
    bool Given = false;
};

// Data read ahead with the failing request are lost, but every line taken
// before the error stays.
TEST_F(Reading, ReadErrorKeepsTheLinesBeforeIt) {
    std::string text;
    for (int i = 0; i < 30000; ++i)
        text += "1 2\n";
    TFailingBuffer buffer(text);
    std::istream in(&buffer);
    TTableSink sink;
    TDataReader(sink, -1, 0).Read(in);
    EXPECT_EQ(sink.Messages, (std::vector{FileError("Error reading file")}));
    ASSERT_TRUE(sink.Curves[0]);
    EXPECT_GT(sink.PointCount, 10000u);
    EXPECT_LT(sink.PointCount, 30000u);
    EXPECT_EQ(sink.Points(0), TPoints(sink.PointCount, {1, 2}));
}

TEST_F(Reading, PointsALogAxisCannotShowAreCountedInANote) {
    struct TLogScale {
        TLogScale() {
            GraphScale.SetScale(0, 8668, 8668, 0, 1, 0, 100, 100, TAxisKind::Log10,
                                TAxisKind::Linear);
        }
        ~TLogScale() { GraphScale.SetScale(0, 8668, 8668, 0, 0, 0, 100, 100); }
    } logX;
    TTableSink sink;
    sink.Read("0 1 2\n1 -3 4\n-2 5\n");
    const TUserMessage note{"3 points at or below zero on a log axis were not drawn.", "Note",
                            MB_OK, MB_ICONINFORMATION};
    EXPECT_EQ(sink.Messages, (std::vector{note}));
    EXPECT_EQ(sink.Points(0), (TPoints{{0, 1}, {1, -3}, {-2, 5}})) << "stored all the same";
    EXPECT_EQ(sink.CountsText, "Curves: 2  Points: 5");

    GraphScale.SetScale(0, 8668, 8668, 0, 1, 1, 100, 100, TAxisKind::Log10, TAxisKind::Log10);
    TTableSink one;
    one.Read("1 2\n3 0\n");
    EXPECT_EQ(one.Messages.at(0).Text, "1 point at or below zero on a log axis was not drawn.");
    GraphScale.SetScale(0, 8668, 8668, 0, 1, 1, 100, 100);
    TTableSink linear;
    linear.Read("0 -1\n-5 0\n");
    EXPECT_TRUE(linear.Messages.empty()) << "every value has a place on linear axes";
}

TEST_F(Reading, WhatIsNotARegularFileIsNotOpened) {
    const TTempFolder temp;
    const std::filesystem::path& folder = temp.Path();
    const std::filesystem::path fifo = folder / "x.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::filesystem::path link = folder / "link.dat";
    std::filesystem::create_symlink(fifo, link);
    const TFifoKnocker knocker(fifo);

    for (const std::filesystem::path& path : {folder / "no such file.dat", folder, fifo, link}) {
        TTableSink sink;
        TDataReader(sink, -1, 0).ReadFile(path);
        EXPECT_EQ(sink.Messages, (std::vector{FileError("Unable to open file")})) << path;
        EXPECT_FALSE(sink.Ended) << path << ": the status text stays as it was";
    }
}

} // namespace
