#include "image/pixelcopy.h"

#include "image/dib.h"

#include <cstring>

bool TPixelCopy::Take(const TDib& dib) {
    Block.reset();
    Size = 0;
    Block = AllocGlobalBlock(dib.GetSizeImage());
    if (!Block)
        return false;
    Size = dib.GetSizeImage();
    std::memcpy(Block.get(), dib.GetBits(), Size);
    return true;
}

bool TPixelCopy::CopyBackTo(TDib& dib) const {
    if (!Block || Size != dib.GetSizeImage())
        return false;
    std::memcpy(dib.GetBits(), Block.get(), Size);
    return true;
}
