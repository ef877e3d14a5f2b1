// EDID decoding of real monitors' blocks (tests/data/edid) against the sizes listed beside them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testrun/edid.h"
#include "tests/support/test_data.h"

namespace {

struct Expected {
    std::string file;
    std::string result;  // WIDTHxHEIGHT or none
};

std::vector<Expected> ReadExpected() {
    std::vector<Expected> rows;
    const std::vector<unsigned char> text = ReadTestData("edid/expected.tsv");
    std::string line;
    bool header = true;
    for (size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? static_cast<char>(text[i]) : '\n';
        if (c == '\r') continue;
        if (c != '\n') {
            line += c;
            continue;
        }
        const size_t tab1 = line.find('\t');
        const size_t tab2 = line.find('\t', tab1 == std::string::npos ? tab1 : tab1 + 1);
        if (!header && tab1 != std::string::npos) rows.push_back({line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1)});
        if (!line.empty()) header = false;
        line.clear();
    }
    return rows;
}

TEST(EdidRealMonitors, EveryBlockGivesItsListedSize) {
    const std::vector<Expected> rows = ReadExpected();
    ASSERT_EQ(rows.size(), 15u) << "expected.tsv not found or changed in " << TestDataPath("edid");
    int none = 0;
    for (const Expected& row : rows) {
        const std::vector<unsigned char> edid = ReadTestData("edid/" + row.file);
        ASSERT_GE(edid.size(), 128u) << row.file;
        unsigned long width = 0;
        unsigned long height = 0;
        std::string result = "none";
        if (GetNativeResolutionFromEDID(edid.data(), &width, &height)) {
            result = std::to_string(width) + "x" + std::to_string(height);
        } else {
            ++none;
        }
        EXPECT_EQ(result, row.result) << row.file;
    }
    EXPECT_EQ(none, 3);
}

TEST(EdidRealMonitors, DecodingReadsOnlyTheBaseBlock) {
    // The same answer from a copy holding nothing but the first 128 bytes.
    for (const Expected& row : ReadExpected()) {
        std::vector<unsigned char> edid = ReadTestData("edid/" + row.file);
        ASSERT_GE(edid.size(), 128u) << row.file;
        unsigned long fullWidth = 1;
        unsigned long fullHeight = 1;
        unsigned long baseWidth = 2;
        unsigned long baseHeight = 2;
        const int full = GetNativeResolutionFromEDID(edid.data(), &fullWidth, &fullHeight);
        edid.resize(128);
        edid.shrink_to_fit();
        const int base = GetNativeResolutionFromEDID(edid.data(), &baseWidth, &baseHeight);
        EXPECT_EQ(full, base) << row.file;
        if (full && base) {
            EXPECT_EQ(fullWidth, baseWidth) << row.file;
            EXPECT_EQ(fullHeight, baseHeight) << row.file;
        }
    }
}

}  // namespace
