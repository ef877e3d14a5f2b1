// Fuzzes tavro-render's command line. Input: the arguments after the program's name, separated by
// NUL bytes; each byte becomes one character. Every line is either read with every value in its
// range (the one-to-one screen's facts only for that screen, a .pfm file only for an HDR screen and
// without the overlay or the guidance panel) or refused with one line that says why.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "tools/render/render_args.h"

namespace {

void Check(bool ok) {
    if (!ok) abort();
}

bool Side(int side) { return side >= 1 && side <= kFactMaxSide; }

void CheckRead(const RenderArgs& a) {
    Check(a.mode >= 0 && a.mode < kModeCount);
    Check(a.width >= 1 && a.width <= kRenderMaxSide && a.height >= 1 && a.height <= kRenderMaxSide);
    Check(a.lang >= 0 && a.lang < kLanguageCount && !a.out.empty());
    const DisplayFacts& f = a.facts;
    Check(!f.desktopKnown || (Side(f.desktopWidth) && Side(f.desktopHeight)));
    Check(!f.nativeKnown || (Side(f.nativeWidth) && Side(f.nativeHeight)));
    Check(!f.scaleKnown || (f.scalePercent >= 1 && f.scalePercent <= kFactMaxScale));
    Check(!(f.desktopKnown || f.nativeKnown || f.scaleKnown) || a.mode == kOneToOneMode);
    const size_t n = a.out.size();
    const bool pfmName = n >= 4 && a.out[n - 4] == L'.' && (a.out[n - 3] | 0x20) == L'p' &&
                         (a.out[n - 2] | 0x20) == L'f' && (a.out[n - 1] | 0x20) == L'm';
    Check((a.pfm != 0) == pfmName);
    Check(!a.pfm || (IsHdrMode(a.mode) && a.osdPos == 0 && !a.guide));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::wstring> args(1);
    for (size_t k = 0; k < size; ++k) {
        if (data[k] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<wchar_t>(data[k]));
        }
    }
    if (size == 0) args.clear();
    std::vector<const wchar_t*> argv = {L"tavro-render.exe"};
    for (const std::wstring& arg : args) argv.push_back(arg.c_str());
    RenderArgs read;
    std::wstring error;
    const RenderParse result = ParseRenderArgs(static_cast<int>(argv.size()), argv.data(), &read, &error);
    if (result == kRenderParseOk) CheckRead(read);
    if (result == kRenderParseError) Check(!error.empty() && error.find(L'\n') == std::wstring::npos);
    return 0;
}
