// Feeds arbitrary bytes to the bitmap reader as a file, then the acceptance
// checks, the pixel copy and a turn of what they accept. Checks: nothing is
// read or written outside the image's block (the sanitizers watch), the
// block never claims more bytes than the file had, and whatever is accepted
// has the size the rotation kernel relies on.
#include "image/dib.h"
#include "image/imageload.h"
#include "image/pixelcopy.h"
#include "image/pixelrotation.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace {

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

std::unique_ptr<TDib> ReadBytes(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return nullptr;
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (!file)
        return nullptr;
    std::unique_ptr<TDib> dib = TDib::Read(file, size);
    std::fclose(file);
    return dib;
}

void CheckBlock(const TDib& dib, std::size_t fileBytes) {
    const TDibBits source = dib.GetBlitSource();
    Check(dib.GetNumColors() >= 0 && dib.GetNumColors() <= 256);
    Check(source.ColorTable == dib.GetColors() && source.Bits == dib.GetBits());
    Check(dib.GetColors() > dib.GetInfo() && dib.GetBits() >= dib.GetColors());
    const auto held = static_cast<std::size_t>(dib.GetBits() - dib.GetInfo()) + dib.GetSizeImage();
    Check(held <= fileBytes);
    if (dib.GetSizeImage() > 0) {
        // Touch both ends of the pixel data so the sanitizer sees the reach.
        volatile std::uint8_t first = dib.GetBits()[0];
        volatile std::uint8_t last = dib.GetBits()[dib.GetSizeImage() - 1];
        (void)first;
        (void)last;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<TDib> dib = ReadBytes(data, size);
    if (dib)
        CheckBlock(*dib, size);
    const TImageCheck check = CheckImage(dib.get());
    Check(!check.Messages.empty() || check.Accepted);
    if (!check.Accepted)
        return 0;
    Check(dib->HasUncompressedSize() && dib->GetWidth() > 1 && dib->GetHeight() > 1);

    TPixelCopy backup;
    Check(backup.Take(*dib));
    // A turn about a corner of the picture, by the slider's largest sine.
    const TPoint centre{size % 2 == 0 ? 0 : dib->GetWidth(), size % 3 == 0 ? 0 : dib->GetHeight()};
    RotateImage(*dib, centre, size % 5 == 0 ? 541.0 / 8668.0 : -541.0 / 8668.0, 1);
    Check(backup.CopyBackTo(*dib));
    return 0;
}
