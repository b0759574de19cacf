#pragma once

#include "framework/gdi/globalmemory.h"

#include <cstdint>
#include <memory>

// Owning handle of a block from GlobalAllocBlock, so that every exit path of
// the image code frees what it took. Null when the request was refused.
struct TGlobalBlockFree {
    void operator()(std::uint8_t* block) const { GlobalFreeBlock(block); }
};

using TGlobalBlock = std::unique_ptr<std::uint8_t[], TGlobalBlockFree>;

inline TGlobalBlock AllocGlobalBlock(std::size_t bytes) {
    return TGlobalBlock(static_cast<std::uint8_t*>(GlobalAllocBlock(bytes)));
}
