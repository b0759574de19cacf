#pragma once

#include "core/curve.h"
#include "core/curveflags.h"
#include "core/graphscale.h"
#include "framework/gdi/globalmemory.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

// Puts the process-wide curve flags and graph scale back to their start
// values around each test, and records (or refuses) point-block requests.
class CurveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCurveFlags();
        GraphScale.SetScale(0, 8668, 8668, 0, 0, 0, 100, 100);
        SetAllocationHook([this](std::size_t bytes) {
            Requests.push_back(bytes);
            return !RefuseAllocations;
        });
    }
    void TearDown() override {
        SetAllocationHook({});
        ResetCurveFlags();
        GraphScale.SetScale(0, 8668, 8668, 0, 0, 0, 100, 100);
    }

    static std::vector<TCurvePoint> PointsOf(TCurve& c) {
        std::vector<TCurvePoint> out;
        c.Rewind();
        TCurvePoint p;
        while (c.NextPoint(p))
            out.push_back(p);
        return out;
    }

    std::vector<std::size_t> Requests;
    bool RefuseAllocations = false;
};
