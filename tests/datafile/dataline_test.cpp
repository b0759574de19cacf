#include "datafile/dataline.h"
#include "datafile/datanumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

using TValues = std::vector<std::pair<int, double>>;

// X and the (column, value) pairs of a line; no X for a line without data.
struct TSplit {
    std::string Line;
    double X;
    TValues Values;
};

constexpr double NoData = -12345.0;

TSplit Split(const std::string& line) {
    TDataLine parsed;
    ParseDataLine(line, parsed);
    TSplit split{line, NoData, {}};
    for (std::size_t i = 0; parsed.Columns[i] != -1; ++i)
        split.Values.emplace_back(parsed.Columns[i], parsed.YValues[i]);
    if (!split.Values.empty())
        split.X = parsed.X;
    return split;
}

void ExpectSplits(const std::vector<TSplit>& table) {
    for (const TSplit& want : table) {
        const TSplit got = Split(want.Line);
        EXPECT_EQ(got.X, want.X) << "line \"" << want.Line << "\"";
        EXPECT_EQ(got.Values, want.Values) << "line \"" << want.Line << "\"";
    }
}

// The reading of one number alone: its value and how many characters it took.
std::pair<double, long> Number(const std::string& text) {
    double value = NoData;
    const char* end = ReadDataNumber(text.data(), text.data() + text.size(), value);
    return {value, end ? end - text.data() : -1};
}

TEST(DataLine, SeparatorsMakeColumnsOnlyBetweenValues) {
    ExpectSplits({
        {"1.5 2 3", 1.5, {{0, 2}, {1, 3}}},
        {"1.5,2,3", 1.5, {{0, 2}, {1, 3}}},
        {"1.5\t2\t3", 1.5, {{0, 2}, {1, 3}}},
        {"1.5,,3", 1.5, {{1, 3}}},
        {"1.5\t\t3", 1.5, {{1, 3}}},
        {"1.5;2;;4", 1.5, {{0, 2}, {2, 4}}},
        {"1.5 , 2", 1.5, {{0, 2}}},
        {"1.5,abc,2", 1.5, {{1, 2}}},
        {"1.5 abc 2", 1.5, {{0, 2}}},
        {"1.5,2,", 1.5, {{0, 2}}},
        {"1.5 ,\t2", 1.5, {{1, 2}}},
        {"\t 1.5\t2", 1.5, {{0, 2}}},
    });
}

TEST(DataLine, LinesWithoutLeadingNumberCarryNoData) {
    ExpectSplits({
        {"1.5", NoData, {}},
        {"x,y", NoData, {}},
        {",1,2", NoData, {}},
        {"", NoData, {}},
        {"   ", NoData, {}},
        {"inf 1 2", NoData, {}},
        {"nan 1 2", NoData, {}},
        {std::string("\0 1 2", 5), NoData, {}},
    });
}

// Words and hexadecimal forms that a C library would read are passed over
// like any other text, so they never turn into infinite or NaN points.
TEST(DataLine, WordsAndHexadecimalAreNotNumbers) {
    ExpectSplits({
        {"1 info 2", 1, {{0, 2}}},
        {"1,banana,2", 1, {{1, 2}}},
        {"1 nan inf -infinity 5", 1, {{0, 5}}},
        {"1 0x10", 1, {{0, 0}, {1, 10}}},
        {"1 +2 -3", 1, {{0, 2}, {1, -3}}},
        {"1 1e 2", 1, {{0, 1}, {1, 2}}},
        {std::string("1\0 2", 4), 1, {{0, 2}}},
    });
}

TEST(DataNumber, DecimalSyntax) {
    const std::vector<std::pair<std::string, std::pair<double, long>>> table = {
        {"  \t\r\v\f-1.25e+2x", {-125, 14}},
        {"+7", {7, 2}},
        {".5", {0.5, 2}},
        {"5.", {5, 2}},
        {"-.5e1", {-5, 5}},
        {"1e", {1, 1}},
        {"1E-2", {0.01, 4}},
        {"1.5e+", {1.5, 3}},
        {"12,5", {12, 2}},
        {".", {NoData, -1}},
        {"+", {NoData, -1}},
        {"-.e1", {NoData, -1}},
        {"e5", {NoData, -1}},
        {"inf", {NoData, -1}},
        {"-NaN", {NoData, -1}},
    };
    for (const auto& [text, want] : table)
        EXPECT_EQ(Number(text), want) << '"' << text << '"';
}

TEST(DataNumber, BeyondDoubleRangeReadsAsLargestDouble) {
    EXPECT_EQ(Number("1e309").first, DataNumberLimit);
    EXPECT_EQ(Number("-123456789e301").first, -DataNumberLimit);
    EXPECT_EQ(Number("0.000000001e318").first, DataNumberLimit);
    EXPECT_EQ(Number("1e99999999999999999999").first, DataNumberLimit);
    EXPECT_EQ(Number("1.7976931348623157e308").first, DataNumberLimit);
    // Too small to hold reads as zero, with its sign; zeros stay zeros.
    EXPECT_EQ(Number("1e-400").first, 0.0);
    EXPECT_TRUE(std::signbit(Number("-1e-400").first));
    EXPECT_EQ(Number("12345e-330").first, 0.0);
    EXPECT_EQ(Number("0e999999").first, 0.0);
}

TEST(FieldNumber, OneNumberAndNothingElseACommaAsThePoint) {
    const std::pair<const char*, double> numbers[] = {
        {"100", 100},   {"  -1.5e2\t", -150}, {"2,5", 2.5}, {" ,5 ", 0.5},
        {"+3", 3},      {"5.", 5},            {"1e999", DataNumberLimit},
    };
    for (auto [text, expected] : numbers) {
        double value = -7;
        EXPECT_TRUE(ReadFieldNumber(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    for (const char* text :
         {"", "   ", "abc", "1e3abc", "1 2", "1,5.3", "1e", "inf", "0x10", "-"}) {
        double value = -7;
        EXPECT_FALSE(ReadFieldNumber(text, value)) << text;
        EXPECT_EQ(value, -7) << text;
    }
}

} // namespace
