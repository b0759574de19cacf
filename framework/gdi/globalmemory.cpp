#include "framework/gdi/globalmemory.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
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

// Each block carries, in front of the caller's bytes, how many bytes it has
// room for. Callers grow blocks in small fixed steps (curves by 100 points),
// and several blocks often grow in turn, so a block can seldom extend in
// place and realloc would copy it whole at every step: quadratic. Growing the
// room by an eighth at least whenever a request does not fit makes the
// copying linear in the end size, at the price of at most an eighth unused.
struct alignas(std::max_align_t) TBlockHeader {
    std::size_t Room;
};
constexpr std::size_t HeaderBytes = sizeof(TBlockHeader);
constexpr std::size_t MaxRoom = std::numeric_limits<std::size_t>::max() - HeaderBytes;

TBlockHeader* HeaderOf(void* block) {
    return reinterpret_cast<TBlockHeader*>(static_cast<char*>(block) - HeaderBytes);
}

void* Resize(TBlockHeader* header, std::size_t room) {
    void* raw = std::realloc(header, HeaderBytes + room);
    if (!raw)
        return nullptr;
    auto* fresh = static_cast<TBlockHeader*>(raw);
    fresh->Room = room;
    return reinterpret_cast<char*>(fresh) + HeaderBytes;
}

} // namespace

void* GlobalAllocBlock(std::size_t bytes) {
    if (bytes == 0 || bytes > MaxRoom || !Allowed(bytes))
        return nullptr;
    return Resize(nullptr, bytes);
}

void* GlobalReAllocBlock(void* block, std::size_t bytes) {
    if (!block)
        return GlobalAllocBlock(bytes);
    if (bytes == 0 || bytes > MaxRoom || !Allowed(bytes))
        return nullptr;
    TBlockHeader* header = HeaderOf(block);
    if (bytes <= header->Room)
        return block;
    const std::size_t room = header->Room;
    const std::size_t generous = room + room / 8 > bytes && room + room / 8 <= MaxRoom
                                     ? room + room / 8
                                     : bytes;
    if (void* grown = Resize(header, generous))
        return grown;
    return generous > bytes ? Resize(header, bytes) : nullptr;
}

void GlobalFreeBlock(void* block) {
    if (block)
        std::free(HeaderOf(block));
}

TAllocationHook SetAllocationHook(TAllocationHook hook) {
    return std::exchange(Hook(), std::move(hook));
}
