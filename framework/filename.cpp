#include "framework/filename.h"

#include "framework/nonutf8names.h"

namespace {

constexpr char32_t EscapeBase = 0xDC00;
constexpr char32_t Replacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

QString FileNameToQString(const std::string& bytes) {
    QString name;
    name.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t code = 0;
        if (const std::size_t length = Utf8Sequence(bytes, at, code)) {
            const char32_t one[] = {code};
            name += QString::fromUcs4(one, 1);
            at += length;
        } else {
            name += QChar(static_cast<char16_t>(EscapeBase | static_cast<unsigned char>(bytes[at])));
            ++at;
        }
    }
    return name;
}

std::string FileNameFromQString(const QString& name) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(name.size()));
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < name.size() &&
            QChar::isLowSurrogate(name[i + 1].unicode())) {
            AppendUtf8(bytes, QChar::surrogateToUcs4(unit, name[++i].unicode()));
        } else if (unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF) {
            bytes += static_cast<char>(unit & 0xFF);
        } else {
            AppendUtf8(bytes, QChar::isSurrogate(unit) ? Replacement : unit);
        }
    }
    return bytes;
}
