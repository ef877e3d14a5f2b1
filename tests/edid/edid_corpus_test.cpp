// The 467 EDIDs of tests/data/edid-corpus: each gives the mode in its `expected` column, from a
// block that fits the other columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/edid.h"
#include "tests/support/test_data.h"

namespace {

// Columns of expected.tsv.
enum { kFile, kExpected, kEdidDecodePreferred, kEdidDecodeBlock0, kPreferredSource, kBaseBlockRule };

std::string Size(const NativeMode& mode) {
    return std::to_string(mode.width) + "x" + std::to_string(mode.height);
}

// A base-block answer is the base-block rule's slot, its field height doubled if interlaced; a
// DisplayID or CTA-861 answer comes from the section edid-decode took its preference from.
bool SourceFits(const NativeMode& mode, const std::vector<std::string>& row) {
    if (mode.source == kNativeModeFromBase) {
        const NativeMode field = {mode.width, mode.height / 2, mode.source};
        return row[kBaseBlockRule] == Size(mode) || row[kBaseBlockRule] == Size(field);
    }
    return row[kPreferredSource] == NativeModeSourceName(mode.source);
}

TEST(EdidCorpus, EveryEdidGivesItsExpectedMode) {
    const std::vector<std::vector<std::string>> rows = ReadTestTable("edid-corpus/expected.tsv");
    ASSERT_EQ(rows.size(), 467u) << "expected.tsv not found or changed in " << TestDataPath("edid-corpus");
    int agree = 0;
    for (const std::vector<std::string>& row : rows) {
        ASSERT_GT(row.size(), static_cast<size_t>(kBaseBlockRule)) << row[kFile];
        const std::vector<unsigned char> edid = ReadTestData("edid-corpus/" + row[kFile]);
        ASSERT_GE(edid.size(), 128u) << row[kFile];
        NativeMode mode = {0, 0, 0};
        const bool found = DecodeNativeMode(edid.data(), static_cast<unsigned long>(edid.size()), &mode) != 0;
        EXPECT_EQ(found ? Size(mode) : "none", row[kExpected]) << row[kFile];
        if (found) {
            EXPECT_TRUE(SourceFits(mode, row)) << row[kFile] << " from " << NativeModeSourceName(mode.source);
        }
        agree += (found ? Size(mode) : "none") == row[kExpected];
    }
    EXPECT_EQ(agree, 467);
}

}  // namespace
