#pragma once

#include "image/imageload.h"

#include <cstdint>
#include <string>

class TPixelCopy;

// File|Import Picture's work, which needs no window: decodes the picture
// file (a palette picture straight into the image that keeps it), makes it
// an image of the kind a bitmap file gives, lets go of the decoded picture
// and takes the pixel copy. The messages say why nothing came of it; none
// when `progress` stopped it. Memory running out anywhere ends in "Sorry,
// not enough memory.".
TImageLoad ImportPictureFile(const std::string& path, std::int64_t maxPixels,
                             TPixelCopy& backupBits, const TImportProgress& progress = {});
