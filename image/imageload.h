#pragma once

#include "framework/gdi/types.h"
#include "framework/gdi/usermessage.h"

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
};

// Reads the bitmap file, checks it and, for an accepted image, lets go of
// the old pixel copy and takes a new one into backupBits. The caller has
// already let go of the previous image. A refused image leaves backupBits
// as it was.
TImageLoad LoadImage(const std::string& path, TPixelCopy& backupBits);

// Puts the pixels back as loaded and the whole picture in view:
// imageSrcRect = (0, 0, width, height), imageMoved = 0. Nothing happens
// when no image is loaded.
void RecallImage(TDib* dib, const TPixelCopy& backupBits, TRect& imageSrcRect, int& imageMoved);
