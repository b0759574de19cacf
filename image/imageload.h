#pragma once

#include "framework/gdi/pixelrows.h"
#include "framework/gdi/types.h"
#include "framework/gdi/usermessage.h"
#include "image/importprogress.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TDib;
class TPixelCopy;

// Loading a background image and recalling its original position: the
// acceptance checks on what the bitmap reader returned, the pixel copy made
// for an accepted image, and the recall that copies it back. The window
// shows the messages, in order, and keeps what is accepted.

// Pixel data above this size draws the "Wow!" notice; loading goes on.
constexpr std::uint32_t HugeImageBytes = 0x80000;

struct TImageCheck {
    std::vector<TUserMessage> Messages;
    bool Accepted = false;
};

// The acceptance checks in their order on the image the reader returned
// (null when it failed). The first check that fails ends with its message;
// the two notices are added and checking goes on.
TImageCheck CheckImage(const TDib* dib);

struct TImageLoad {
    std::unique_ptr<TDib> Dib; // null when the image was refused
    std::vector<TUserMessage> Messages;
    // The acceptance checks turned the file down (not memory running out).
    bool Refused = false;
};

// "Sorry, not enough memory.", the box of an image that memory ran out for.
TUserMessage NoMemoryForImageMessage();

// Reads the bitmap file, checks it and, for an accepted image, lets go of
// the old pixel copy and takes a new one into backupBits. The caller has
// already let go of the previous image. A refused image leaves backupBits
// as it was.
TImageLoad LoadImage(const std::string& path, TPixelCopy& backupBits);

// Makes an image of the kind a bitmap file gives from a decoded picture:
// 1-bit and 8-bit pictures keep their pixels and palette (laid over white,
// padded to the full table of the bit count); 32-bit pictures are reduced to 256 colours
// or fewer with TColourQuantiser. No pixel copy is taken here, so that the
// caller can let go of the decoded picture first. A null Dib with no
// message means `progress` stopped the work.
TImageLoad ConvertPicture(const TPixelRows& picture, const TImportProgress& progress = {});

// Finishes an image made by TDib::Create into whose pixel bits the
// picture's rows were decoded, top row first: turns the rows bottom-up in
// place and sets the picture's colours and resolution. Saves the memory
// and the time of a second image the size of the first.
TImageLoad AdoptPicture(std::unique_ptr<TDib> dib, const TPixelRows& picture);

// Lets go of the old pixel copy and takes one of `dib` into backupBits;
// when that cannot be allocated the image is dropped with "Sorry, not
// enough memory.".
TImageLoad KeepImage(std::unique_ptr<TDib> dib, TPixelCopy& backupBits);

// Puts the pixels back as loaded and the whole picture in view:
// imageSrcRect = (0, 0, width, height), imageMoved = 0. Nothing happens
// when no image is loaded.
void RecallImage(TDib* dib, const TPixelCopy& backupBits, TRect& imageSrcRect, int& imageMoved);
