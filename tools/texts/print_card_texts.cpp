// Prints the texts the HDR card and the variable-refresh screens added outside the HDR screens'
// own table, every language, as the Markdown section of docs/texts-added.md: the card's and the
// screens' names in the catalogue, the lines over the variable-refresh frames and the report's rows.
// A native Linux program (scripts/guide-texts builds and runs it): it needs only the text tables.
#include <cstdio>

#include "app/texts.h"
#include "record/report_texts.h"
#include "testrun/vrr_texts.h"
#include "tools/texts/put_utf8.h"

namespace {

struct NamedKey {
    const char* name;
    int key;
};

const NamedKey kCatalogueKeys[] = {
    {"STR_CAT_HDR", STR_CAT_HDR},           {"STR_HDR_PEAK_WINDOW", STR_HDR_PEAK_WINDOW},
    {"STR_HDR_CLIPPING", STR_HDR_CLIPPING}, {"STR_HDR_NEAR_BLACK", STR_HDR_NEAR_BLACK},
    {"STR_HDR_BLOOMING", STR_HDR_BLOOMING}, {"STR_HDR_TEN_BIT_STEPS", STR_HDR_TEN_BIT_STEPS},
    {"STR_HDR_WIDE_GAMUT", STR_HDR_WIDE_GAMUT}, {"STR_VRR_SWEEP", STR_VRR_SWEEP},
    {"STR_VRR_FLICKER", STR_VRR_FLICKER},
};

const NamedKey kVrrKeys[] = {
    {"VT_TARGET_FMT", VT_TARGET_FMT},         {"VT_TARGET_HELD_FMT", VT_TARGET_HELD_FMT},
    {"VT_PRESENTED_FMT", VT_PRESENTED_FMT},   {"VT_PRESENTED_MEASURING", VT_PRESENTED_MEASURING},
    {"VT_RANGE_FMT", VT_RANGE_FMT},           {"VT_RANGE_NONE_FMT", VT_RANGE_NONE_FMT},
    {"VT_FLICKER_FMT", VT_FLICKER_FMT},       {"VT_CANNOT_FMT", VT_CANNOT_FMT},
    {"VT_NO_TEARING", VT_NO_TEARING},         {"VT_NO_D3D", VT_NO_D3D},
};
static_assert(sizeof(kVrrKeys) / sizeof(kVrrKeys[0]) == VT_COUNT, "one name per key");

const NamedKey kReportKeys[] = {
    {"RT_HDR_SCREENS", RT_HDR_SCREENS},           {"RT_HDR_ON", RT_HDR_ON},
    {"RT_HDR_OFF", RT_HDR_OFF},                   {"RT_HDR_SWITCHED", RT_HDR_SWITCHED},
    {"RT_HDR_STATE_UNKNOWN", RT_HDR_STATE_UNKNOWN}, {"RT_HDR_NOT_PRESENTED", RT_HDR_NOT_PRESENTED},
    {"RT_HDR_LEVELS", RT_HDR_LEVELS},             {"RT_VRR_FIGURES", RT_VRR_FIGURES},
    {"RT_VRR_UNUSABLE", RT_VRR_UNUSABLE},
};

void PrintRow(const char* name, const wchar_t* text) {
    printf("| `%s` | ", name);
    PutUtf8(text);
    printf(" |\n");
}

void PrintLanguage(int lang) {
    printf("\n### %d ", lang);
    PutUtf8(g_langNames[lang]);
    printf("\n\n| key | text |\n| --- | --- |\n");
    for (const NamedKey& k : kCatalogueKeys) PrintRow(k.name, TextIn(lang, static_cast<Str>(k.key)));
    for (const NamedKey& k : kVrrKeys) PrintRow(k.name, VrrTextIn(lang, static_cast<VrrTextKey>(k.key)));
    for (const NamedKey& k : kReportKeys) printf("| `%s` | %s |\n", k.name, ReportText(lang, k.key));
}

}  // namespace

int main() {
    printf("## HDR card and variable refresh\n\n");
    printf("The HDR card's name and its screens' names in the catalogue (`app/texts.cpp`, STR_), the lines\n"
           "over the variable-refresh screens' frames (`testrun/vrr_texts.cpp`, VT_) and the report's rows for\n"
           "both (`record/report_texts.cpp`, RT_); all are new. %%ls and %%s stand for a figure (\"57.0\", a\n"
           "luminance with its unit) or, after VT_CANNOT_FMT, for one of the reasons below it; fps, Hz, VRR,\n"
           "HDR, SDR and Direct3D are the same in every language.\n"
           "This section is generated from the tables by `scripts/guide-texts`; do not edit it by hand.\n");
    for (int lang = 0; lang < kLanguageCount; ++lang) PrintLanguage(lang);
    return 0;
}
