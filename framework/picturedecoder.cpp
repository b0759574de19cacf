#include "framework/picturedecoder.h"

#include "framework/profile.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>

namespace {

const char* const ImportSection = "Import";
const char* const MaxPixelsKey = "MaxPixels";
const char* const ErrorCaption = "Import Picture";

// The most bytes a pixel takes in any format a reader hands out (16 bits a
// channel, four channels): Qt's own allocation limit must let every picture
// within our limit through.
constexpr std::int64_t MostBytesPerPixel = 8;

// The file as the reader sees it, noting when the reader asks for bytes
// beyond its end while decoding: the readers of these formats never do that
// for a whole file, and some of them hand out a half-decoded picture
// without a word when the file is cut short.
class TWatchedFile : public QFile {
public:
    using QFile::QFile;
    bool Watching = false;
    bool ReadPastEnd = false;

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 got = QFile::readData(data, maxSize);
        if (Watching && got == 0 && maxSize > 0)
            ReadPastEnd = true;
        return got;
    }
};

bool WatchesEnd(const QByteArray& format) {
    return format == "bmp" || format == "png" || format == "tif" || format == "tiff";
}

// The JPEG reader makes up the rest of a cut-short file and only warns.
// Imports run on a worker thread; other threads may warn meanwhile.
std::atomic<bool> JpegCutShort{false};
QtMessageHandler PreviousHandler = nullptr;

void JpegWarningWatch(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (context.category && QByteArray(context.category).startsWith("qt.gui.imageio.jpeg") &&
        text.contains(QLatin1String("premature end"), Qt::CaseInsensitive))
        JpegCutShort = true;
    if (PreviousHandler)
        PreviousHandler(type, context, text);
}

// Listens to the readers' warnings while it lives.
class TWarningWatch {
public:
    TWarningWatch() {
        JpegCutShort = false;
        PreviousHandler = qInstallMessageHandler(JpegWarningWatch);
    }
    ~TWarningWatch() { qInstallMessageHandler(PreviousHandler); }
    TWarningWatch(const TWarningWatch&) = delete;
    TWarningWatch& operator=(const TWarningWatch&) = delete;
};

// A GIF file ends with its trailer byte; the reader shows whatever it got
// of a cut-short one.
bool GifHasTrailer(QFile& file) {
    char last = 0;
    return file.size() > 0 && file.seek(file.size() - 1) && file.getChar(&last) && last == 0x3B;
}

std::string SizeText(std::int64_t width, std::int64_t height) {
    return std::to_string(width) + " \u00D7 " + std::to_string(height);
}

std::string TooBig(std::int64_t width, std::int64_t height, std::int64_t maxPixels) {
    std::string limit = std::to_string(maxPixels) + " pixels";
    const auto side =
        static_cast<std::int64_t>(std::llround(std::sqrt(static_cast<double>(maxPixels))));
    if (side * side == maxPixels)
        limit += " (" + SizeText(side, side) + ")";
    return "This picture is " + SizeText(width, height) + " pixels, more than the " + limit +
           " that can be imported. The limit is MaxPixels in the [Import] section of the settings "
           "file.";
}

std::string TooSmall(int width, int height) {
    return "This picture is " + SizeText(width, height) +
           " pixels; a background picture needs at least 2 \u00D7 2.";
}

const char* const CannotOpen = "Cannot open the picture file.";
const char* const NotAPicture = "The file is not a picture in a format that can be imported.";
const char* const Damaged = "The picture file is damaged or incomplete and cannot be imported.";

std::string ReadError(const QImageReader& reader) {
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
    case QImageReader::DeviceError:
        return CannotOpen;
    case QImageReader::UnsupportedFormatError:
        return NotAPicture;
    default:
        return Damaged;
    }
}

TDecodedPicture Refused(std::string why) {
    TDecodedPicture picture;
    picture.Error = std::move(why);
    return picture;
}

// Brings the image into one of the three kinds of rows handed out.
void Normalise(QImage& image) {
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return;
    case QImage::Format_MonoLSB:
        image.convertTo(QImage::Format_Mono);
        return;
    case QImage::Format_Grayscale16:
        image.convertTo(QImage::Format_Grayscale8);
        return;
    default:
        image.convertTo(QImage::Format_ARGB32);
        return;
    }
}

// The bits a pixel of a palette format takes; 0 for the other formats.
int PaletteBits(QImage::Format format) {
    switch (format) {
    case QImage::Format_Mono:
        return 1;
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
        return 8;
    default:
        return 0;
    }
}

TPixelRows RowsOf(const QImage& image) {
    TPixelRows rows;
    rows.Width = image.width();
    rows.Height = image.height();
    rows.Top = image.constBits();
    rows.Stride = static_cast<std::ptrdiff_t>(image.bytesPerLine());
    rows.XPelsPerMeter = image.dotsPerMeterX();
    rows.YPelsPerMeter = image.dotsPerMeterY();
    const int paletteBits = PaletteBits(image.format());
    rows.BitCount = paletteBits == 0 ? 32 : paletteBits;
    if (image.format() == QImage::Format_Grayscale8) {
        for (std::uint32_t g = 0; g < 256; ++g)
            rows.Palette.push_back(0xFF000000u | g * 0x010101u);
    } else if (paletteBits != 0) {
        for (QRgb entry : image.colorTable())
            rows.Palette.push_back(entry);
    }
    return rows;
}

// An image over the target's memory when the reader announces a palette
// picture of a known size; a null image otherwise. The reader fills it in
// place when the picture turns out as announced.
QImage TargetImage(const QImageReader& reader, QSize size, const TRowsTarget& target) {
    const QImage::Format format = reader.imageFormat();
    const int bits = PaletteBits(format);
    if (!target || bits == 0 || !size.isValid())
        return {};
    const auto stride =
        static_cast<std::ptrdiff_t>((static_cast<std::int64_t>(size.width()) * bits + 31) / 32 * 4);
    std::uint8_t* memory = target(size.width(), size.height(), bits, stride);
    if (!memory)
        return {};
    return QImage(memory, size.width(), size.height(), static_cast<qsizetype>(stride), format);
}

} // namespace

std::int64_t ReadImportPixelLimit(const std::string& iniFile) {
    const int limit = GetPrivateProfileInt(ImportSection, MaxPixelsKey,
                                           static_cast<int>(DefaultImportPixelLimit), iniFile);
    return limit > 0 ? limit : DefaultImportPixelLimit;
}

TUserMessage TDecodedPicture::ErrorMessage() const {
    return {Error, ErrorCaption, MB_OK, MB_ICONEXCLAMATION};
}

void TDecodedPicture::Release() {
    Rows = TPixelRows{};
    Pixels.reset();
}

TDecodedPicture DecodePicture(const std::string& path, std::int64_t maxPixels,
                              const TRowsTarget& target) {
    TWatchedFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return Refused(CannotOpen);
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format.isEmpty())
        return Refused(NotAPicture);
    const QSize announced = reader.size();
    if (announced.isValid() &&
        static_cast<std::int64_t>(announced.width()) * announced.height() > maxPixels)
        return Refused(TooBig(announced.width(), announced.height(), maxPixels));

    const std::int64_t limitMb = maxPixels * MostBytesPerPixel / (1 << 20) + 1;
    QImageReader::setAllocationLimit(
        static_cast<int>(std::min<std::int64_t>(limitMb, std::numeric_limits<int>::max())));
    QImage image = TargetImage(reader, announced, target);
    {
        const TWarningWatch warnings;
        file.Watching = true;
        if (image.isNull() ? (image = reader.read()).isNull() : !reader.read(&image))
            image = QImage();
        file.Watching = false;
    }
    if (image.isNull())
        return Refused(ReadError(reader));
    if ((WatchesEnd(format) && file.ReadPastEnd) || JpegCutShort ||
        (format == "gif" && !GifHasTrailer(file)))
        return Refused(Damaged);
    if (static_cast<std::int64_t>(image.width()) * image.height() > maxPixels)
        return Refused(TooBig(image.width(), image.height(), maxPixels));
    if (image.width() < 2 || image.height() < 2)
        return Refused(TooSmall(image.width(), image.height()));

    Normalise(image);
    if (image.isNull())
        return Refused("Sorry, not enough memory to import the picture.");
    auto owner = std::make_shared<const QImage>(std::move(image));
    TDecodedPicture picture;
    picture.Rows = RowsOf(*owner);
    picture.Pixels = std::move(owner);
    return picture;
}

bool CanImportPicture(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    if (!reader.canRead())
        return false;
    const QSize size = reader.size();
    return !size.isValid() || (size.width() >= 2 && size.height() >= 2);
}

std::string PictureFilePatterns() {
    std::string patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        if (!patterns.empty())
            patterns += ';';
        patterns += "*." + format.toStdString();
    }
    return patterns;
}
