#include "window/pictureimport.h"

#include "framework/picturedecoder.h"
#include "image/dib.h"
#include "image/pixelcopy.h"

#include <new>
#include <utility>
#include <vector>

namespace {

TImageLoad Import(const std::string& path, std::int64_t maxPixels, TPixelCopy& backupBits,
                  const TImportProgress& progress) {
    std::unique_ptr<TDib> target;
    const TRowsTarget offer = [&target](int width, int height, int bits,
                                        std::ptrdiff_t stride) -> std::uint8_t* {
        target = TDib::Create(width, height, bits,
                              std::vector<std::uint32_t>(std::size_t{1} << bits), 0, 0);
        if (!target || static_cast<std::ptrdiff_t>(target->GetRowBytes()) != stride) {
            target.reset();
            return nullptr;
        }
        return target->GetBits();
    };
    TDecodedPicture picture = DecodePicture(path, maxPixels, offer);
    if (!picture.IsDecoded())
        return {nullptr, {picture.ErrorMessage()}};
    if (progress && !progress(0))
        return {};
    TImageLoad converted = target && picture.Rows.Top == target->GetBits()
                               ? AdoptPicture(std::move(target), picture.Rows)
                               : ConvertPicture(picture.Rows, progress);
    picture.Release();
    target.reset();
    if (!converted.Dib)
        return converted;
    return KeepImage(std::move(converted.Dib), backupBits);
}

} // namespace

TImageLoad ImportPictureFile(const std::string& path, std::int64_t maxPixels,
                             TPixelCopy& backupBits, const TImportProgress& progress) {
    try {
        return Import(path, maxPixels, backupBits, progress);
    } catch (const std::bad_alloc&) {
        return {nullptr, {NoMemoryForImageMessage()}};
    }
}
