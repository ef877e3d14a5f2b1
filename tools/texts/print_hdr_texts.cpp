// Prints the HDR screens' texts, every language and key, as the Markdown section of
// docs/texts-added.md. A native Linux program (scripts/guide-texts builds and runs it), not a
// Windows tool: it needs only the Windows-free text tables.
#include <cstdio>

#include "app/texts.h"
#include "hdr/hdr_texts.h"
#include "tools/texts/put_utf8.h"

namespace {

// The keys as hdr/hdr_texts.h names them, in its order.
const char* const kKeyNames[] = {
    "HT_PEAK_AREA_FMT",  "HT_PEAK_COMPARE",     "HT_CLIPPING_CAPTION", "HT_CLAIMED_PEAK_FMT", "HT_NEAR_BLACK_CAPTION",
    "HT_BLOOM_PIXELS_FMT", "HT_BLOOM_DOTS_FMT", "HT_BLOOM_BOX_FMT",    "HT_BLOOM_TEXT_FMT",   "HT_BLOOM_TEXT_LINE",
    "HT_STEPS_TEN_BIT",  "HT_STEPS_EIGHT_BIT",  "HT_GAMUT_CAPTION",    "HT_HDR_OFF",          "HT_CANNOT_RUN_FMT",
    "HT_NO_D3D11",       "HT_NO_DXGI",          "HT_NO_DEVICE",        "HT_NO_FLIP_MODEL",    "HT_NO_SWAP_CHAIN",
    "HT_SHOW_FAILED",
};
static_assert(sizeof(kKeyNames) / sizeof(kKeyNames[0]) == HT_COUNT, "one name per key");

void PrintLanguage(int lang) {
    printf("\n### %d ", lang);
    PutUtf8(g_langNames[lang]);
    printf("\n\n| key | text |\n| --- | --- |\n");
    for (int key = 0; key < HT_COUNT; ++key) {
        printf("| `%s` | ", kKeyNames[key]);
        PutUtf8(HdrTextIn(lang, static_cast<HdrTextKey>(key)));
        printf(" |\n");
    }
}

}  // namespace

int main() {
    printf("## HDR screens\n\n");
    printf("The labels and lines written on the HDR card's screens, and why they cannot be shown\n"
           "(`hdr/hdr_texts.cpp`); all %d x %d texts are new. %%ls stands for a share of the screen's area or a\n"
           "luminance (\"10 000\", with a no-break space), or for the reason after HT_CANNOT_RUN_FMT; %%%% is a\n"
           "per cent sign. \"cd/m²\", HDR, SDR, PQ, ABL, sRGB, DCI-P3 and BT.2020 are the same in every language;\n"
           "\"Use HDR\" is Windows' own name for the switch in each language.\n"
           "This section is generated from the table by `scripts/guide-texts`; do not edit it by hand.\n",
           kLanguageCount, static_cast<int>(HT_COUNT));
    for (int lang = 0; lang < kLanguageCount; ++lang) PrintLanguage(lang);
    return 0;
}
