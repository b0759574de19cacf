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

TEST_F(GlobalMemory, ImpossibleSizesAreRefused) {
    EXPECT_EQ(GlobalAllocBlock(0), nullptr);
    EXPECT_EQ(GlobalAllocBlock(SIZE_MAX), nullptr);
    void* block = GlobalAllocBlock(8);
    EXPECT_EQ(GlobalReAllocBlock(block, SIZE_MAX - 4), nullptr);
    GlobalFreeBlock(block);
}

} // namespace
