#include "framework/filename.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TNameCase {
    const char* What;
    std::string Bytes;
    bool Utf8;
};

// Every name the system can give comes back byte for byte; a UTF-8 name
// reads in Qt as the same text Qt itself makes of it.
TEST(FileName, EveryNameComesBackByteForByte) {
    const TNameCase cases[] = {
        {"ASCII", "/tmp/data.dat", true},
        {"UTF-8", "/tmp/caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80.dat", true},
        {"Latin-1", "/tmp/caf\xe9.dat", false},
        {"overlong slash", "/tmp/a\xc0\xaf" "b", false},
        {"encoded surrogate", "/tmp/\xed\xb2\x80", false},
        {"cut sequence", "/tmp/x\xe2\x82", false},
        {"beyond U+10FFFF", "/tmp/\xf4\x90\x80\x80", false},
        {"stray bytes", "\xff\xfe\x80", false},
    };
    for (const TNameCase& c : cases) {
        const QString name = FileNameToQString(c.Bytes);
        EXPECT_EQ(FileNameFromQString(name), c.Bytes) << c.What;
        if (c.Utf8) {
            EXPECT_EQ(name, QString::fromUtf8(c.Bytes.data(), static_cast<qsizetype>(c.Bytes.size())))
                << c.What;
        }
    }
    EXPECT_EQ(FileNameToQString("caf\xe9"), QStringLiteral("caf") + QChar(0xDCE9));
}

} // namespace
