#pragma once

#include <cstddef>
#include <functional>

// Growable raw memory blocks on malloc/realloc/free, standing in for movable
// global memory. Every request passes through one hook that tests can set to
// make an allocation fail, so out-of-memory paths can be driven on purpose.
// A failed re-allocation returns null and leaves the old block intact.

// Returns false to make the request of `bytes` fail.
using TAllocationHook = std::function<bool(std::size_t bytes)>;

void* GlobalAllocBlock(std::size_t bytes);
void* GlobalReAllocBlock(void* block, std::size_t bytes);
void GlobalFreeBlock(void* block);

// Installs a hook (an empty one removes it) and returns the previous one.
TAllocationHook SetAllocationHook(TAllocationHook hook);
