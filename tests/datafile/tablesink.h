#pragma once

#include "core/curve.h"
#include "core/curveflags.h"
#include "datafile/datareader.h"
#include "datafile/datasink.h"
#include "framework/gdi/usermessage.h"
#include "framework/gdi/recordingdc.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// A curve table as the window keeps one, for readings without a window:
// real curves drawing into a null context, message boxes recorded and
// answered from a script (OK once it runs out), slots whose curve cannot
// be made, and the report at the end of the reading.
class TTableSink : public TDataSink {
public:
    bool CreateCurve(int slot) override {
        EXPECT_FALSE(Curves.at(slot)) << "slot " << slot << " made twice";
        if (RefusedSlots.count(slot))
            return false;
        Curves[slot] = std::make_unique<TCurve>(100);
        Curves[slot]->Dc = &Dc;
        return true;
    }
    void AddPoint(int slot, double x, double y) override { Curves.at(slot)->AddPoint(x, y); }
    int ShowMessage(const TUserMessage& message) override {
        Messages.push_back(message);
        if (Answers.empty())
            return IDOK;
        const int answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void ReadingEnded(int currentCurve, std::uint32_t pointCount,
                      const std::string& countsText) override {
        EXPECT_FALSE(Ended) << "reported twice";
        Ended = true;
        CurrentCurve = currentCurve;
        PointCount = pointCount;
        CountsText = countsText;
    }

    std::vector<TCurvePoint> Points(int slot) {
        std::vector<TCurvePoint> points;
        TCurvePoint p;
        Curves.at(slot)->Rewind();
        while (Curves[slot]->NextPoint(p))
            points.push_back(p);
        return points;
    }
    // Reads text as a file into the table, as the window would with
    // currentCurve and pointCount as its state.
    void Read(const std::string& text, int currentCurve = -1, std::uint32_t pointCount = 0) {
        std::istringstream in(text);
        TDataReader(*this, currentCurve, pointCount).Read(in);
    }

    TNullDC Dc;
    std::array<std::unique_ptr<TCurve>, MaxCurves> Curves;
    std::vector<TUserMessage> Messages;
    std::deque<int> Answers;
    std::set<int> RefusedSlots;
    bool Ended = false;
    int CurrentCurve = -2;
    std::uint32_t PointCount = 0;
    std::string CountsText;
};

// Clean curve flags around each test.
class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCurveFlags(); }
    void TearDown() override { ResetCurveFlags(); }
};
