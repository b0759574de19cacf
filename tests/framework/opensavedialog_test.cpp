#include "framework/opensavedialog.h"

#include <gtest/gtest.h>

namespace {

TEST(OpenSaveDialogData, SplitsTheFilterIntoDescriptionAndPattern) {
    const TOpenSaveDialog::TData data(
        0, "Data Files (*.DAT)|*.dat|CSV Data Files(*.CSV)|*.csv|All files (*.*)|*.*|", "", "DAT");
    const auto filters = data.Filters();
    ASSERT_EQ(filters.size(), 3u);
    EXPECT_EQ(filters[0].Description, "Data Files (*.DAT)");
    EXPECT_EQ(filters[0].Pattern, "*.dat");
    EXPECT_EQ(filters[2].Pattern, "*.*");
}

TEST(OpenSaveDialogData, AddsTheDefaultExtensionOnlyToANameWithoutOne) {
    const TOpenSaveDialog::TData data(0, "", "", "DAT");
    EXPECT_EQ(data.WithDefaultExt("/tmp/curves"), "/tmp/curves.DAT");
    EXPECT_EQ(data.WithDefaultExt("/tmp/curves.csv"), "/tmp/curves.csv");
    EXPECT_EQ(data.WithDefaultExt("/tmp/a.dir/curves"), "/tmp/a.dir/curves.DAT");
}

} // namespace
