#include "framework/gdi/globalmemory.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include <sys/mman.h>
#include <unistd.h>

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
//
// A block of a mebibyte or more lives in pages mapped for it alone, and
// grows by moving those pages rather than copying its bytes; malloc would
// keep such blocks in its heap once others of their size were freed, and
// copy them at every growth.
struct alignas(std::max_align_t) TBlockHeader {
    std::size_t Room;
    bool Mapped;
};
constexpr std::size_t HeaderBytes = sizeof(TBlockHeader);
constexpr std::size_t MaxRoom = std::numeric_limits<std::size_t>::max() - HeaderBytes;

TBlockHeader* HeaderOf(void* block) {
    return reinterpret_cast<TBlockHeader*>(static_cast<char*>(block) - HeaderBytes);
}

// Blocks this large (pictures, their copies, long curves) always get a
// mapping of their own from malloc, and touching one a small page at a time
// costs more than the work done in it. They ask for large pages, which
// fault hundreds of times more rarely.
constexpr std::size_t LargeBlock = std::size_t{32} << 20;

// Gives the advice for the whole pages within the bytes at raw. Only a
// hint: a system that lacks the feature or refuses leaves things as they
// were, and the block is good either way.
void Advise(void* raw, std::size_t bytes, int advice) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t begin = (start + page - 1) / page * page;
    const std::uintptr_t end = (start + bytes) / page * page;
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, advice);
}

constexpr std::size_t MappedBlock = std::size_t{1} << 20;
static_assert(LargeBlock >= MappedBlock);

std::size_t MappedLength(std::size_t bytes) {
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return (bytes + page - 1) / page * page;
}

// Pages of their own for bytes (header included) in place of the block at
// header, which may be none; null when the system has none to give, the old
// block then untouched.
void* Map(TBlockHeader* header, std::size_t bytes) {
    if (bytes > std::numeric_limits<std::size_t>::max() / 2)
        return nullptr;
    const std::size_t length = MappedLength(bytes);
    void* raw = nullptr;
    if (header && header->Mapped) {
        raw = mremap(header, MappedLength(HeaderBytes + header->Room), length, MREMAP_MAYMOVE);
    } else {
        raw = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw != MAP_FAILED && header) {
            std::memcpy(raw, header, HeaderBytes + header->Room);
            std::free(header);
        }
    }
    return raw == MAP_FAILED ? nullptr : raw;
}

void* Resize(TBlockHeader* header, std::size_t room) {
    const std::size_t bytes = HeaderBytes + room;
    const bool mapped = bytes >= MappedBlock;
    void* raw = mapped ? Map(header, bytes) : std::realloc(header, bytes);
    if (!raw)
        return nullptr;
    // Large blocks are mapped; the advice covers the whole mapping, for a
    // mapping split by advice in two could not be moved whole.
    if (bytes >= LargeBlock)
        Advise(raw, MappedLength(bytes), MADV_HUGEPAGE);
    auto* fresh = static_cast<TBlockHeader*>(raw);
    fresh->Room = room;
    fresh->Mapped = mapped;
    return reinterpret_cast<char*>(fresh) + HeaderBytes;
}

} // namespace

void* GlobalAllocBlock(std::size_t bytes) {
    if (bytes == 0 || bytes > MaxRoom || !Allowed(bytes))
        return nullptr;
    void* block = Resize(nullptr, bytes);
    // The taker fills a fresh block whole, so a large one is made resident
    // in one call rather than by a fault at every page.
    if (block && HeaderBytes + bytes >= LargeBlock)
        Advise(HeaderOf(block), HeaderBytes + bytes, MADV_POPULATE_WRITE);
    return block;
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
    if (!block)
        return;
    TBlockHeader* header = HeaderOf(block);
    if (header->Mapped)
        munmap(header, MappedLength(HeaderBytes + header->Room));
    else
        std::free(header);
}

TAllocationHook SetAllocationHook(TAllocationHook hook) {
    return std::exchange(Hook(), std::move(hook));
}
