#pragma once

#include "image/globalblock.h"

#include <cstddef>

class TDib;

// The untouched copy of a loaded image's pixel bits (the window's
// BackupBits): taken when an image is accepted, copied back over the image
// by recall to undo every rotation since. Owns one global memory block of
// exactly the image's pixel-data size.
class TPixelCopy {
public:
    TPixelCopy() = default;
    TPixelCopy(const TPixelCopy&) = delete;
    TPixelCopy& operator=(const TPixelCopy&) = delete;

    // Lets go of the copy held, then copies the image's pixel bits into a
    // new block. False when that block cannot be allocated; nothing is held
    // then.
    bool Take(const TDib& dib);
    // Copies the held bits back over the image's pixel bits. False, and
    // nothing copied, when the copy is not one of this image's size.
    bool CopyBackTo(TDib& dib) const;

    bool IsHeld() const { return Block != nullptr; }
    std::size_t GetSize() const { return Size; }

private:
    TGlobalBlock Block;
    std::size_t Size = 0;
};
