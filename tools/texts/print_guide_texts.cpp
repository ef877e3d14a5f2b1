// Prints the guidance panel's texts, every language and screen, as the Markdown section of
// docs/texts-added.md. A native Linux program (scripts/guide-texts builds and runs it), not a
// Windows tool: it needs only the Windows-free text tables.
#include <cstdio>

#include "app/texts.h"
#include "testrun/guide_texts.h"
#include "tools/texts/put_utf8.h"

namespace {

void PrintLanguage(int lang) {
    printf("\n### %d ", lang);
    PutUtf8(g_langNames[lang]);
    const GuideHeadings* headings = &g_guideHeadings[lang];
    printf("\n\n| Screen | Name | %s | %s |\n|---|---|---|---|\n", headings->good, headings->fault);
    for (int mode = 0; mode < kModeCount; ++mode) {
        const GuideText* text = &g_guideTexts[lang][mode];
        printf("| %d | %s | %s | %s |\n", mode, text->name, text->good, text->fault);
    }
}

}  // namespace

int main() {
    printf("## Guidance panel\n\n");
    printf("The panel that H or F1 shows on a test screen (`testrun/guide_texts.cpp`): per language its two\n"
           "headings (the column titles below) and, for each of the %d screens, the screen's name, what a good\n"
           "monitor shows and what a fault looks like. All %d x %d x 3 texts and the %d x 2 headings are new;\n"
           "the screens 34 to 43 came with the two categories added after Sound (Levels and gamma, Motion),\n"
           "the screens 44 to 47 with the two added after Motion (Chroma and text, Edges and scaling), the\n"
           "screens 48 to 59 with the HDR card (its seven peak windows share one text; their names give the\n"
           "share).\n"
           "This section is generated from the table by `scripts/guide-texts`; do not edit it by hand.\n",
           kModeCount, kLanguageCount, kModeCount, kLanguageCount);
    for (int lang = 0; lang < kLanguageCount; ++lang) PrintLanguage(lang);
    return 0;
}
