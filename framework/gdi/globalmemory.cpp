#include "framework/gdi/globalmemory.h"

#include <cstdlib>
#include <utility>

namespace {

TAllocationHook& Hook() {
    static TAllocationHook hook;
    return hook;
}

bool Allowed(std::size_t bytes) {
    const TAllocationHook& hook = Hook();
    return !hook || hook(bytes);
}

} // namespace

void* GlobalAllocBlock(std::size_t bytes) {
    if (bytes == 0 || !Allowed(bytes))
        return nullptr;
    return std::malloc(bytes);
}

void* GlobalReAllocBlock(void* block, std::size_t bytes) {
    if (bytes == 0 || !Allowed(bytes))
        return nullptr;
    return std::realloc(block, bytes);
}

void GlobalFreeBlock(void* block) {
    std::free(block);
}

TAllocationHook SetAllocationHook(TAllocationHook hook) {
    return std::exchange(Hook(), std::move(hook));
}
