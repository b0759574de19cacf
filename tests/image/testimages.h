#pragma once

#include "bmpwriter.h"
#include "image/dib.h"

#include "framework/gdi/globalmemory.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

// Writes the bitmap a test describes and reads it back; records every
// global-memory request and refuses those the test asks it to.
class ImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetAllocationHook([this](std::size_t bytes) {
            Requests.push_back(bytes);
            return !Refuse || !Refuse(bytes);
        });
    }
    void TearDown() override { SetAllocationHook({}); }

    std::unique_ptr<TDib> Read(const TBmp& bmp) { return TDib::ReadFile(Files.Write(bmp)); }
    std::unique_ptr<TDib> Read(const std::vector<std::uint8_t>& bytes) {
        return TDib::ReadFile(Files.Write(bytes));
    }

    TTempFiles Files;
    std::vector<std::size_t> Requests;
    std::function<bool(std::size_t)> Refuse;
};

// The colour index at column x of stored row y (row 0 at the bottom).
inline int PixelAt(const TDib& dib, int x, int y) {
    const int bits = dib.GetBitCount();
    const std::size_t rowBytes = (static_cast<std::size_t>(dib.GetWidth()) * bits + 31) / 32 * 4;
    const std::uint8_t* row = dib.GetBits() + static_cast<std::size_t>(y) * rowBytes;
    const std::size_t bit = static_cast<std::size_t>(x) * bits;
    const int shift = 8 - bits - static_cast<int>(bit % 8);
    return (row[bit / 8] >> shift) & ((1 << bits) - 1);
}

// Packed rows for a picture given as one index per pixel, rows bottom-up.
inline std::vector<std::uint8_t> Packed(const std::vector<std::vector<int>>& rows, int bits) {
    const std::size_t width = rows.empty() ? 0 : rows[0].size();
    const std::size_t rowBytes = (width * bits + 31) / 32 * 4;
    std::vector<std::uint8_t> out(rowBytes * rows.size(), 0);
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < width; ++x) {
            const std::size_t bit = x * bits;
            const int shift = 8 - bits - static_cast<int>(bit % 8);
            out[y * rowBytes + bit / 8] |= static_cast<std::uint8_t>(rows[y][x] << shift);
        }
    return out;
}
