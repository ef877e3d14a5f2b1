// Writes testrun/guide_texts_packed.cpp, the form in which tavro.exe carries the guidance panel's
// texts: per language one block, packed by tools/texts/lz_pack.cpp, of its two headings and then
// each screen's name, good and fault texts, every text ending in a NUL. A native Linux program
// (scripts/pack-texts builds and runs it), reading the source tables of testrun/guide_texts.cpp.
#include <cstdio>
#include <vector>

#include "app/texts.h"
#include "testrun/guide_texts.h"
#include "testrun/guide_texts_packed.h"
#include "tools/texts/lz_pack.h"

namespace {

void Append(std::vector<unsigned char>* block, const char* text) {
    do block->push_back(static_cast<unsigned char>(*text)); while (*text++ != '\0');
}

std::vector<unsigned char> LanguageBlock(int lang) {
    std::vector<unsigned char> block;
    Append(&block, g_guideHeadings[lang].good);
    Append(&block, g_guideHeadings[lang].fault);
    for (int mode = 0; mode < kModeCount; ++mode) {
        Append(&block, g_guideTexts[lang][mode].name);
        Append(&block, g_guideTexts[lang][mode].good);
        Append(&block, g_guideTexts[lang][mode].fault);
    }
    return block;
}

}  // namespace

int main() {
    std::vector<unsigned char> table;
    PackedBlock blocks[kLanguageCount];
    size_t unpacked = 0;
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        const std::vector<unsigned char> block = LanguageBlock(lang);
        const std::vector<unsigned char> packed = LzPack(block.data(), block.size());
        blocks[lang] = {static_cast<unsigned>(table.size()), static_cast<unsigned>(packed.size()),
                        static_cast<unsigned>(block.size())};
        table.insert(table.end(), packed.begin(), packed.end());
        unpacked += block.size();
    }
    printf("// The guidance panel's texts as tavro.exe carries them: written by scripts/pack-texts from the\n"
           "// tables of testrun/guide_texts.cpp (%zu bytes packed to %zu). Do not edit; edit those tables and\n"
           "// run scripts/pack-texts.\n"
           "#include \"testrun/guide_texts_packed.h\"\n\n"
           "static_assert(kModeCount == %d && kLanguageCount == %d, \"the screens or languages changed: run scripts/pack-texts\");\n\n"
           "const PackedBlock g_guidePackedBlocks[kLanguageCount] = {\n",
           unpacked, table.size(), kModeCount, kLanguageCount);
    for (const PackedBlock& block : blocks)
        printf("    {%u, %u, %u},\n", block.offset, block.packedSize, block.unpackedSize);
    printf("};\n\nconst unsigned char g_guidePacked[%zu] = {\n", table.size());
    for (size_t i = 0; i < table.size(); ++i)
        printf("%s%u,%s", i % 24 == 0 ? "    " : "", table[i], i % 24 == 23 || i + 1 == table.size() ? "\n" : "");
    printf("};\n");
    return 0;
}
