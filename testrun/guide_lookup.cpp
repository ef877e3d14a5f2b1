// The guidance panel's texts in tavro.exe: each language's block of testrun/guide_texts_packed.cpp
// unpacked on its first use, into memory kept for the life of the process. Plain standard C++.
#include <stdlib.h>

#include <atomic>

#include "testrun/guide_texts.h"
#include "testrun/guide_texts_packed.h"

namespace {

// One language's texts, unpacked: the tables point into the bytes that follow the struct.
struct UnpackedGuide {
    GuideHeadings headings;
    GuideText texts[kModeCount];
};

// What a language whose block does not unpack shows (it cannot happen with the committed table, but
// a caller must never get a null text).
constexpr UnpackedGuide EmptyGuide() {
    UnpackedGuide guide{};
    guide.headings = {"", ""};
    for (GuideText& text : guide.texts) text = {"", "", ""};
    return guide;
}
constexpr UnpackedGuide kEmptyGuide = EmptyGuide();

// Set once per language. The panel, the results window and the reports all ask on the UI thread,
// but a language is published with one atomic exchange, so a caller on any other thread never
// sees half a table.
std::atomic<const UnpackedGuide*> g_unpackedGuides[kLanguageCount] = {};

// Points the tables at the NUL-ended texts of `bytes`; false unless there are exactly as many as
// the tables hold.
bool PointAtTexts(const char* bytes, size_t size, UnpackedGuide* guide) {
    const char** slots[kGuideTextsPerLanguage];
    slots[0] = &guide->headings.good;
    slots[1] = &guide->headings.fault;
    for (int mode = 0; mode < kModeCount; ++mode) {
        slots[2 + 3 * mode] = &guide->texts[mode].name;
        slots[3 + 3 * mode] = &guide->texts[mode].good;
        slots[4 + 3 * mode] = &guide->texts[mode].fault;
    }
    int found = 0;
    size_t start = 0;
    for (size_t i = 0; i < size; ++i) {
        if (bytes[i] != '\0') continue;
        if (found == kGuideTextsPerLanguage) return false;
        *slots[found++] = bytes + start;
        start = i + 1;
    }
    return found == kGuideTextsPerLanguage && start == size;
}

const UnpackedGuide* Unpack(int lang) {
    const PackedBlock& block = g_guidePackedBlocks[lang];
    void* memory = malloc(sizeof(UnpackedGuide) + block.unpackedSize);
    if (memory == nullptr) return nullptr;
    UnpackedGuide* guide = static_cast<UnpackedGuide*>(memory);
    unsigned char* bytes = static_cast<unsigned char*>(memory) + sizeof(UnpackedGuide);
    if (!LzUnpack(g_guidePacked + block.offset, block.packedSize, bytes, block.unpackedSize) ||
        !PointAtTexts(reinterpret_cast<const char*>(bytes), block.unpackedSize, guide)) {
        free(memory);
        return &kEmptyGuide;
    }
    return guide;
}

const UnpackedGuide* GuideOf(int lang) {
    if (lang < 0 || lang >= kLanguageCount) lang = 0;
    const UnpackedGuide* guide = g_unpackedGuides[lang].load(std::memory_order_acquire);
    if (guide != nullptr) return guide;
    const UnpackedGuide* unpacked = Unpack(lang);
    // Out of memory now: the empty texts this time, another try next time.
    if (unpacked == nullptr) return &kEmptyGuide;
    // Another thread may have unpacked the same language meanwhile: keep the first, drop ours.
    if (g_unpackedGuides[lang].compare_exchange_strong(guide, unpacked, std::memory_order_acq_rel)) return unpacked;
    if (unpacked != &kEmptyGuide) free(const_cast<UnpackedGuide*>(unpacked));
    return guide;
}

}  // namespace

const GuideText* GuideTextOf(int lang, int mode) {
    if (mode < 0 || mode >= kModeCount) return nullptr;
    return &GuideOf(lang)->texts[mode];
}

const GuideHeadings* GuideHeadingsOf(int lang) {
    return &GuideOf(lang)->headings;
}
