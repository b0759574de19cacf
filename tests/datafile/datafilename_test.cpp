#include "datafile/datafilename.h"

#include <gtest/gtest.h>

namespace {

TEST(DataFileName, DatOrCsvInAnyCaseEverythingElseIsAPicture) {
    for (const char* name : {"a.dat", "a.csv", "A.DAT", "dir.png/b.Csv", ".dat"})
        EXPECT_TRUE(IsDataFileName(name)) << name;
    for (const char* name : {"a.bmp", "a.png", "a.dat.bmp", "a.csv~", "dat", "a.data", "a_csv", ""})
        EXPECT_FALSE(IsDataFileName(name)) << name;
}

} // namespace
