#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

// Switches LC_NUMERIC to a locale whose decimal separator is a comma, as a
// Qt application does on a German or French desktop, and back at the end of
// the scope. scripts/test compiles de_DE.UTF-8 into the build folder and
// points LOCPATH at it; where no such locale can be had the test is skipped,
// unless KESTROVA_REQUIRE_COMMA_LOCALE is set (as scripts/test does), where
// it fails instead.
class TCommaLocale {
public:
    TCommaLocale() {
        const char* current = std::setlocale(LC_NUMERIC, nullptr);
        Previous = current ? current : "C";
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"}) {
            if (std::setlocale(LC_NUMERIC, name) && *std::localeconv()->decimal_point == ',') {
                Active = true;
                return;
            }
        }
    }
    ~TCommaLocale() { std::setlocale(LC_NUMERIC, Previous.c_str()); }
    TCommaLocale(const TCommaLocale&) = delete;
    TCommaLocale& operator=(const TCommaLocale&) = delete;

    bool IsActive() const { return Active; }
    static bool Required() { return std::getenv("KESTROVA_REQUIRE_COMMA_LOCALE") != nullptr; }

private:
    std::string Previous;
    bool Active = false;
};

// Opens a scope under a comma locale, or skips (fails where one is required).
#define KESTROVA_WITH_COMMA_LOCALE(name)                                                       \
    TCommaLocale name;                                                                         \
    if (!name.IsActive()) {                                                                    \
        if (TCommaLocale::Required())                                                          \
            FAIL() << "no locale with a decimal comma could be set";                           \
        GTEST_SKIP() << "no locale with a decimal comma on this machine";                      \
    }
