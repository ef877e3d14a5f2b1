// The packed text tables: the guidance panel's texts in tavro.exe against their source tables, the
// unpacker against broken streams, and the packer's round trip over generated inputs.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/lz_unpack.h"
#include "testrun/guide_texts.h"
#include "tools/texts/lz_pack.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Fails as soon as testrun/guide_texts.cpp changes without scripts/pack-texts being run.
TEST(PackedTexts, EveryGuideTextUnpacksToItsSource) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        EXPECT_STREQ(GuideHeadingsOf(lang)->good, g_guideHeadings[lang].good) << lang;
        EXPECT_STREQ(GuideHeadingsOf(lang)->fault, g_guideHeadings[lang].fault) << lang;
        for (int mode = 0; mode < kModeCount; ++mode) {
            const GuideText* text = GuideTextOf(lang, mode);
            ASSERT_NE(text, nullptr);
            EXPECT_STREQ(text->name, g_guideTexts[lang][mode].name) << lang << " " << mode;
            EXPECT_STREQ(text->good, g_guideTexts[lang][mode].good) << lang << " " << mode;
            EXPECT_STREQ(text->fault, g_guideTexts[lang][mode].fault) << lang << " " << mode;
        }
        // Unpacked once: the same texts at the same place on every later call.
        EXPECT_EQ(GuideTextOf(lang, 5), GuideTextOf(lang, 5));
    }
    EXPECT_EQ(GuideTextOf(kLanguageCount, 0), GuideTextOf(0, 0));
    EXPECT_EQ(GuideHeadingsOf(-1), GuideHeadingsOf(0));
    EXPECT_EQ(GuideTextOf(0, kModeCount), nullptr);
    EXPECT_EQ(GuideTextOf(0, -1), nullptr);
}

bool Unpacks(const Bytes& packed, size_t outSize, Bytes* out) {
    // Buffers of exactly their sizes: the sanitizer build stops any access past them.
    std::unique_ptr<unsigned char[]> in(new unsigned char[packed.empty() ? 1 : packed.size()]);
    std::copy(packed.begin(), packed.end(), in.get());
    std::unique_ptr<unsigned char[]> to(new unsigned char[outSize == 0 ? 1 : outSize]);
    const bool ok = LzUnpack(in.get(), packed.size(), to.get(), outSize);
    out->assign(to.get(), to.get() + outSize);
    return ok;
}

TEST(PackedTexts, BrokenStreamsAreRefused) {
    struct Case {
        const char* what;
        Bytes packed;
        size_t outSize;
        bool ok;
        const char* unpacked;
    } const cases[] = {
        {"literals", {0x00, 'a', 'b', 'c'}, 3, true, "abc"},
        {"a copy that overlaps itself", {0x02, 'a', 0x01, 0x00}, 5, true, "aaaaa"},
        {"a long copy", {0x02, 'x', 0x07, 0x00, 0x00}, 11, true, "xxxxxxxxxxx"},
        {"nothing at all", {}, 0, true, ""},
        {"cut short in a literal", {0x00, 'a', 'b'}, 3, false, nullptr},
        {"cut short in a copy", {0x02, 'a', 0x01}, 5, false, nullptr},
        {"a long copy without its length", {0x02, 'x', 0x07, 0x00}, 11, false, nullptr},
        {"no flag byte", {}, 1, false, nullptr},
        {"a copy from before the start", {0x01, 0x00, 0x00}, 3, false, nullptr},
        {"a copy from one byte before the start", {0x02, 'a', 0x00, 0x01}, 4, false, nullptr},
        {"a copy past the end", {0x02, 'a', 0x02, 0x00}, 4, false, nullptr},
        {"a long copy past the end", {0x02, 'x', 0x07, 0xFF, 0x00}, 200, false, nullptr},
        {"bytes left over", {0x00, 'a', 'b', 'c', 'd'}, 3, false, nullptr},
        {"a flag bit set for no item", {0x08, 'a', 'b', 'c'}, 3, false, nullptr},
        {"a flag byte for nothing", {0x00}, 0, false, nullptr},
    };
    for (const Case& c : cases) {
        Bytes out;
        EXPECT_EQ(Unpacks(c.packed, c.outSize, &out), c.ok) << c.what;
        if (c.ok) {
            EXPECT_EQ(std::string(out.begin(), out.end()), c.unpacked) << c.what;
        }
    }
}

// Text-like bytes with the repeats the packer lives on: words from a small vocabulary, runs longer
// than the longest copy, and repeats further back than the window reaches.
Bytes Generated(std::mt19937* random, size_t size) {
    const int vocabulary = 1 + static_cast<int>((*random)() % 40);
    Bytes data;
    while (data.size() < size) {
        switch ((*random)() % 8) {
        case 0: data.insert(data.end(), 1 + (*random)() % 300, static_cast<unsigned char>((*random)())); break;
        case 1: data.push_back(static_cast<unsigned char>((*random)())); break;
        default: {
            const unsigned word = (*random)() % vocabulary;
            for (unsigned i = 0; i < 2 + word % 9; ++i) data.push_back(static_cast<unsigned char>('a' + (word * 7 + i) % 26));
            data.push_back(' ');
        }
        }
    }
    data.resize(size);
    return data;
}

TEST(PackedTexts, EveryPackedInputUnpacksToItselfAndNothingElse) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 2000; ++round) {
        const size_t size = round % 500 == 0 ? 9000 + random() % 12000 : random() % 1000;
        const Bytes data = Generated(&random, size);
        const Bytes packed = LzPack(data.data(), data.size());
        Bytes out;
        ASSERT_TRUE(Unpacks(packed, data.size(), &out)) << round;
        ASSERT_EQ(out, data) << round;
        if (data.size() >= 64) {
            EXPECT_LT(packed.size(), data.size()) << round;
        }
        // Any other size, and the stream without its last byte, are refused.
        EXPECT_FALSE(Unpacks(packed, data.size() + 1, &out)) << round;
        if (!data.empty()) {
            EXPECT_FALSE(Unpacks(packed, data.size() - 1, &out)) << round;
            EXPECT_FALSE(Unpacks(Bytes(packed.begin(), packed.end() - 1), data.size(), &out)) << round;
        }
    }
}

}  // namespace
