#include "framework/gdi/globalmemory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

class GlobalMemory : public ::testing::Test {
protected:
    void SetUp() override {
        SetAllocationHook([this](std::size_t bytes) {
            Requests.push_back(bytes);
            return !Refuse;
        });
    }
    void TearDown() override { SetAllocationHook({}); }
    std::vector<std::size_t> Requests;
    bool Refuse = false;
};

TEST_F(GlobalMemory, GrowingInSmallStepsKeepsTheContents) {
    auto* block = static_cast<std::uint32_t*>(GlobalAllocBlock(100 * sizeof(std::uint32_t)));
    ASSERT_NE(block, nullptr);
    std::size_t count = 100;
    for (std::uint32_t i = 0; i < count; ++i)
        block[i] = i;
    for (int step = 0; step < 500; ++step) {
        void* grown = GlobalReAllocBlock(block, (count + 100) * sizeof(std::uint32_t));
        ASSERT_NE(grown, nullptr);
        block = static_cast<std::uint32_t*>(grown);
        for (std::uint32_t i = 0; i < 100; ++i)
            block[count + i] = static_cast<std::uint32_t>(count + i);
        count += 100;
    }
    for (std::uint32_t i = 0; i < count; ++i)
        ASSERT_EQ(block[i], i);
    EXPECT_EQ(Requests.size(), 501u) << "every request is seen, whatever room the block had";
    EXPECT_EQ(Requests.back(), count * sizeof(std::uint32_t));
    GlobalFreeBlock(block);
}

TEST_F(GlobalMemory, RefusedRequestsLeaveTheBlockAsItWas) {
    char* block = static_cast<char*>(GlobalAllocBlock(16));
    ASSERT_NE(block, nullptr);
    std::memcpy(block, "fifteen letters", 16);
    Refuse = true;
    EXPECT_EQ(GlobalReAllocBlock(block, 1 << 20), nullptr);
    EXPECT_EQ(GlobalAllocBlock(8), nullptr);
    EXPECT_STREQ(block, "fifteen letters");
    GlobalFreeBlock(block);
    GlobalFreeBlock(nullptr);
}

// Blocks the size of a picture are handled with advice to the system about
// their pages; what they hold must come through it, grown or not.
TEST_F(GlobalMemory, LargeBlocksKeepTheirContentsWhenGrown) {
    constexpr std::size_t large = std::size_t{40} << 20;
    constexpr std::size_t larger = large + (std::size_t{8} << 20);
    auto* block = static_cast<std::uint8_t*>(GlobalAllocBlock(large));
    ASSERT_NE(block, nullptr);
    for (std::size_t i = 0; i < large; i += 4093)
        block[i] = static_cast<std::uint8_t>(i / 4093);
    block[large - 1] = 0xA5;
    auto* grown = static_cast<std::uint8_t*>(GlobalReAllocBlock(block, larger));
    ASSERT_NE(grown, nullptr);
    for (std::size_t i = 0; i < large; i += 4093)
        ASSERT_EQ(grown[i], static_cast<std::uint8_t>(i / 4093)) << i;
    EXPECT_EQ(grown[large - 1], 0xA5);
    grown[larger - 1] = 1;
    GlobalFreeBlock(grown);
}

// A block that outgrows the heap moves into pages of its own, and is grown
// there by moving them.
TEST_F(GlobalMemory, ABlockKeepsItsContentsAsItOutgrowsTheHeap) {
    std::size_t size = std::size_t{256} << 10;
    auto* block = static_cast<std::uint32_t*>(GlobalAllocBlock(size));
    ASSERT_NE(block, nullptr);
    for (std::size_t i = 0; i < size / 4; ++i)
        block[i] = static_cast<std::uint32_t>(i);
    for (std::size_t grown = size; grown < (std::size_t{4} << 20); grown += grown / 2) {
        block = static_cast<std::uint32_t*>(GlobalReAllocBlock(block, grown));
        ASSERT_NE(block, nullptr);
        for (std::size_t i = size / 4; i < grown / 4; ++i)
            block[i] = static_cast<std::uint32_t>(i);
        size = grown;
    }
    for (std::size_t i = 0; i < size / 4; ++i)
        ASSERT_EQ(block[i], i);
    GlobalFreeBlock(block);
}

TEST_F(GlobalMemory, ImpossibleSizesAreRefused) {
    EXPECT_EQ(GlobalAllocBlock(0), nullptr);
    EXPECT_EQ(GlobalAllocBlock(SIZE_MAX), nullptr);
    void* block = GlobalAllocBlock(8);
    EXPECT_EQ(GlobalReAllocBlock(block, SIZE_MAX - 4), nullptr);
    GlobalFreeBlock(block);
}

} // namespace
