#pragma once

#include "framework/gdi/pixelrows.h"
#include "framework/gdi/usermessage.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// Pictures of up to this many pixels are imported unless the settings say
// otherwise.
constexpr std::int64_t DefaultImportPixelLimit = std::int64_t{20000} * 20000;

// The import limit kept as MaxPixels in the [Import] section of the
// settings file; the default when it is missing or not above 0.
std::int64_t ReadImportPixelLimit(const std::string& iniFile);

// A picture file decoded by the platform's image readers: plain rows of
// 1 bit (two-colour pictures), 8 bits (palette and grey pictures) or
// 32 bits (everything else), with the file's resolution.
struct TDecodedPicture {
    TPixelRows Rows; // empty when the picture was refused
    // Why it was refused: one message box; empty when it was decoded.
    std::string Error;
    // Owns the memory the rows point into.
    std::shared_ptr<const void> Pixels;

    bool IsDecoded() const { return Error.empty(); }
    TUserMessage ErrorMessage() const;
    // Lets go of the pixels; the rows are empty afterwards.
    void Release();
};

// Memory offered for a palette picture's rows (1 or 8 bits a pixel, top row
// first, `stride` bytes apart), so that they are decoded where they are to
// stay; null to let the decoder keep its own. The memory must outlive the
// decoded picture.
using TRowsTarget =
    std::function<std::uint8_t*(int width, int height, int bitCount, std::ptrdiff_t stride)>;

// Decodes the file. A picture of more than maxPixels pixels is refused
// before decoding when the reader can tell its size from the header, and
// after it otherwise; so are a picture narrower or lower than 2 pixels, a
// file no reader takes, one that cannot be read, and one that ends before
// its picture does (a half-decoded picture is never handed out). The
// messages name the picture's size and the limit, or say what is wrong with
// the file. When the reader tells ahead that the picture has a palette,
// `target` is asked for memory for its rows; the rows handed out then lie
// there whenever the reader could use it.
TDecodedPicture DecodePicture(const std::string& path, std::int64_t maxPixels,
                              const TRowsTarget& target = {});

// Whether one of the platform's image readers recognises the file's
// contents, whatever its name, as a picture of at least 2 x 2 pixels (when
// its header tells the size).
bool CanImportPicture(const std::string& path);

// The file-name patterns of every format the platform's image readers take,
// "*.bmp;*.gif;...", for a file dialog's filter.
std::string PictureFilePatterns();
