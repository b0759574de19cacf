#include "image/imageload.h"

#include "image/colourquantiser.h"
#include "image/dib.h"
#include "image/pixelcopy.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

TUserMessage Refusal(const char* text, const char* caption) {
    return {text, caption, MB_OK, MB_ICONEXCLAMATION};
}

const TUserMessage Unreadable = Refusal(
    "Unable to load image from the specified file. Cannot open file, or wrong file type.",
    "File Error");
const TUserMessage OldStyleHeader = Refusal(
    "This file has an old-style PM DIB header. Sorry, cannot handle this file type.",
    "File Error");
const TUserMessage TopDownRows = Refusal("Scan lines in reverse order!", "Error");
const TUserMessage WrongSize = Refusal("Image Size error!", "Error");
const TUserMessage HugeImage =
    Refusal("Such a huge file! Well, let's see if I can handle it...", "Wow!");
const TUserMessage Compressed =
    Refusal("Sorry, this version cannot handle compressed bitmaps.", "Error");
const TUserMessage TooManyColors =
    Refusal("Sorry, this version cannot handle bitmaps with more than 256 colors. Use of "
            "monochrome images is recommended for best results.",
            "Error");
const TUserMessage ColorNote{"Although the program can handle 16- and 256-color bitmaps, use of "
                              "monochrome images is recommended for best results.",
                              "Note", MB_OK, MB_ICONINFORMATION};
const TUserMessage NoMemory = Refusal("Sorry, not enough memory.", "Error");

// A picture needs two rows and two columns. Top-down files (negative
// height) are read, so that they can be named for what they are below.
bool TooSmall(const TDib& dib) {
    return (dib.GetHeight() >= -1 && dib.GetHeight() <= 1) || dib.GetWidth() <= 1;
}

TImageCheck Refused(std::vector<TUserMessage> messages, const TUserMessage& why) {
    messages.push_back(why);
    return {std::move(messages), false};
}

} // namespace

TUserMessage NoMemoryForImageMessage() {
    return NoMemory;
}

TImageCheck CheckImage(const TDib* dib) {
    std::vector<TUserMessage> messages;
    if (!dib || TooSmall(*dib))
        return Refused(std::move(messages), Unreadable);
    if (dib->IsOldStyle())
        return Refused(std::move(messages), OldStyleHeader);
    if (dib->GetHeight() <= 0)
        return Refused(std::move(messages), TopDownRows);
    if (!dib->HasUncompressedSize())
        return Refused(std::move(messages), WrongSize);
    if (dib->GetSizeImage() > HugeImageBytes)
        messages.push_back(HugeImage);
    if (dib->GetCompression() != 0)
        return Refused(std::move(messages), Compressed);
    const int bits = dib->GetBitCount();
    if (bits != 1 && bits != 4 && bits != 8)
        return Refused(std::move(messages), TooManyColors);
    if (bits != 1)
        messages.push_back(ColorNote);
    return {std::move(messages), true};
}

TImageLoad LoadImage(const std::string& path, TPixelCopy& backupBits) {
    TImageLoad load;
    std::unique_ptr<TDib> dib = TDib::ReadFile(path);
    TImageCheck check = CheckImage(dib.get());
    load.Messages = std::move(check.Messages);
    load.Refused = !check.Accepted;
    if (!check.Accepted)
        return load;
    TImageLoad kept = KeepImage(std::move(dib), backupBits);
    load.Dib = std::move(kept.Dib);
    load.Messages.insert(load.Messages.end(), kept.Messages.begin(), kept.Messages.end());
    return load;
}

TImageLoad KeepImage(std::unique_ptr<TDib> dib, TPixelCopy& backupBits) {
    TImageLoad load;
    if (!backupBits.Take(*dib))
        load.Messages.push_back(NoMemory);
    else
        load.Dib = std::move(dib);
    return load;
}

namespace {

std::uint8_t* StoredRow(TDib& dib, int y) {
    const int stored = dib.GetHeight() - 1 - y;
    return dib.GetBits() + static_cast<std::size_t>(stored) * dib.GetRowBytes();
}

// A palette picture's colours laid over white, as many as its bit count
// can refer to.
std::vector<std::uint32_t> ShownPalette(const TPixelRows& picture) {
    std::vector<std::uint32_t> palette(std::size_t{1} << picture.BitCount, 0);
    const std::size_t given = std::min(palette.size(), picture.Palette.size());
    for (std::size_t i = 0; i < given; ++i)
        palette[i] = TColourQuantiser::OverWhite(picture.Palette[i]);
    return palette;
}

// Palette pictures: the rows turned bottom-up, the pixels as they are.
TImageLoad CopyPalettePicture(const TPixelRows& picture, const TImportProgress& progress) {
    TImageLoad load;
    const std::vector<std::uint32_t> palette = ShownPalette(picture);
    std::unique_ptr<TDib> dib = TDib::Create(picture.Width, picture.Height, picture.BitCount, palette,
                                             picture.XPelsPerMeter, picture.YPelsPerMeter);
    if (!dib) {
        load.Messages.push_back(NoMemory);
        return load;
    }
    const std::size_t used = (static_cast<std::size_t>(picture.Width) * picture.BitCount + 7) / 8;
    for (int y = 0; y < picture.Height; ++y) {
        if (!ReportRows(progress, y, picture.Height))
            return load;
        std::memcpy(StoredRow(*dib, y), picture.Row(y), used);
    }
    load.Dib = std::move(dib);
    return load;
}

TImageLoad QuantisePicture(const TPixelRows& picture, const TImportProgress& progress) {
    TImageLoad load;
    const std::optional<TColourQuantiser> quantiser =
        TColourQuantiser::Build(picture, ProgressPart(progress, 0, 500));
    if (!quantiser)
        return load;
    std::unique_ptr<TDib> dib = TDib::Create(picture.Width, picture.Height, 8, quantiser->GetPalette(),
                                             picture.XPelsPerMeter, picture.YPelsPerMeter);
    if (!dib) {
        load.Messages.push_back(NoMemory);
        return load;
    }
    const TImportProgress mapping = ProgressPart(progress, 500, 500);
    for (int y = 0; y < picture.Height; ++y) {
        if (!ReportRows(mapping, y, picture.Height))
            return load;
        quantiser->MapRow(picture, y, StoredRow(*dib, y));
    }
    load.Dib = std::move(dib);
    return load;
}

} // namespace

TImageLoad AdoptPicture(std::unique_ptr<TDib> dib, const TPixelRows& picture) {
    dib->SetColors(ShownPalette(picture));
    dib->SetResolution(picture.XPelsPerMeter, picture.YPelsPerMeter);
    const std::size_t row = dib->GetRowBytes();
    std::uint8_t* bits = dib->GetBits();
    std::vector<std::uint8_t> spare(row);
    for (std::size_t top = 0, bottom = static_cast<std::size_t>(dib->GetHeight()) - 1; top < bottom;
         ++top, --bottom) {
        std::memcpy(spare.data(), bits + top * row, row);
        std::memcpy(bits + top * row, bits + bottom * row, row);
        std::memcpy(bits + bottom * row, spare.data(), row);
    }
    return {std::move(dib), {}};
}

TImageLoad ConvertPicture(const TPixelRows& picture, const TImportProgress& progress) {
    switch (picture.BitCount) {
    case 1:
    case 4:
    case 8:
        return CopyPalettePicture(picture, progress);
    case 32:
        return QuantisePicture(picture, progress);
    default:
        return {nullptr, {Unreadable}, true};
    }
}

void RecallImage(TDib* dib, const TPixelCopy& backupBits, TRect& imageSrcRect, int& imageMoved) {
    if (!dib)
        return;
    imageMoved = 0;
    imageSrcRect = TRect{0, 0, dib->GetWidth(), dib->GetHeight()};
    backupBits.CopyBackTo(*dib);
}
