// Command-line parsing of tavro-render.
#include "tools/render/render_args.h"

#include "tools/common/tool_args.h"

namespace {

// Reads the two numbers after --osd at argv[i + 1] and argv[i + 2]: a run of COUNT screens (at
// most the whole catalogue) and a position POS in it. Returns nonzero on success.
int ParseRenderOsd(int argc, const wchar_t* const* argv, int i, RenderArgs* args, std::wstring* error) {
    if (i + 2 >= argc) {
        *error = L"--osd needs a position and a count: --osd POS COUNT";
        return 0;
    }
    int count = 0;
    if (!ParseDecimal(argv[i + 2], kModeCount, &count) || count == 0) {
        *error = L"bad overlay count " + Quoted(argv[i + 2]) + L": expected 1.." + std::to_wstring(kModeCount) +
                 L" screens";
        return 0;
    }
    int pos = 0;
    if (!ParseDecimal(argv[i + 1], count, &pos) || pos == 0) {
        *error = L"bad overlay position " + Quoted(argv[i + 1]) + L": expected 1.." +
                 std::to_wstring(count);
        return 0;
    }
    args->osdPos = pos;
    args->osdCount = count;
    return 1;
}

// Reads the number after option `name` at argv[i + 1] into `value` (1..max, or 0..max where
// `zeroAllowed`), once only. Returns nonzero on success.
int ParseRenderNumber(int argc, const wchar_t* const* argv, int i, const wchar_t* name, int max, bool zeroAllowed,
                      bool* seen, int* value, std::wstring* error) {
    const std::wstring range = (zeroAllowed ? L"0.." : L"1..") + std::to_wstring(max);
    if (*seen) {
        *error = std::wstring(name) + L" is given twice";
        return 0;
    }
    if (i + 1 >= argc) {
        *error = std::wstring(name) + L" needs a number " + range;
        return 0;
    }
    if (!ParseDecimal(argv[i + 1], max, value) || (*value == 0 && !zeroAllowed)) {
        *error = L"bad " + std::wstring(name) + L" " + Quoted(argv[i + 1]) + L": expected a number " + range;
        return 0;
    }
    *seen = true;
    return 1;
}

// A refresh rate 1..kRenderMaxHz with up to three decimals ("60", "59.94", "143.856"); nonzero on success.
int ParseRate(const wchar_t* text, double* rate) {
    long long thousandths = 0;
    int decimals = -1;  // digits after the point; -1 before it
    for (const wchar_t* p = text; *p != 0; ++p) {
        if (*p == L'.' && decimals < 0 && p != text) {
            decimals = 0;
            continue;
        }
        if (*p < L'0' || *p > L'9' || decimals >= 3 || thousandths > 1000LL * kRenderMaxHz) return 0;
        thousandths = thousandths * 10 + (*p - L'0');
        if (decimals >= 0) ++decimals;
    }
    if (decimals == 0 || text[0] == 0) return 0;  // "60." or ""
    for (int k = decimals < 0 ? 0 : decimals; k < 3; ++k) thousandths *= 10;
    if (thousandths < 1000 || thousandths > 1000LL * kRenderMaxHz) return 0;
    *rate = thousandths / 1000.0;
    return 1;
}

int ParseRenderRate(int argc, const wchar_t* const* argv, int i, bool* seen, double* rate, std::wstring* error) {
    if (*seen) {
        *error = L"--hz is given twice";
        return 0;
    }
    if (i + 1 >= argc || !ParseRate(argv[i + 1], rate)) {
        *error = L"bad --hz" + (i + 1 < argc ? L" " + Quoted(argv[i + 1]) : std::wstring()) +
                 L": expected a rate 1.." + std::to_wstring(kRenderMaxHz) + L" with up to three decimals";
        return 0;
    }
    *seen = true;
    return 1;
}

// Reads "WIDTHxHEIGHT" after option `name` at argv[i + 1], each side 1..kFactMaxSide, once only.
int ParseRenderMode(int argc, const wchar_t* const* argv, int i, const wchar_t* name, int* known, int* width,
                    int* height, std::wstring* error) {
    if (*known) {
        *error = std::wstring(name) + L" is given twice";
        return 0;
    }
    const std::wstring text = i + 1 < argc ? argv[i + 1] : L"";
    const size_t cross = text.find_first_of(L"xX");
    if (i + 1 >= argc || cross == std::wstring::npos ||
        !ParseDecimalRange(text.data(), text.data() + cross, kFactMaxSide, width) ||
        !ParseDecimalRange(text.data() + cross + 1, text.data() + text.size(), kFactMaxSide, height) || *width == 0 ||
        *height == 0) {
        *error = L"bad " + std::wstring(name) + (i + 1 < argc ? L" " + Quoted(text) : std::wstring()) +
                 L": expected WIDTHxHEIGHT, 1.." + std::to_wstring(kFactMaxSide) + L" each, e.g. 1920x1080";
        return 0;
    }
    *known = 1;
    return 1;
}

// Nonzero where `name` ends in ".pfm", in any case.
int HasPfmExtension(const std::wstring& name) {
    static const wchar_t kExtension[] = L".pfm";
    const size_t length = sizeof(kExtension) / sizeof(kExtension[0]) - 1;
    if (name.size() < length) return 0;
    for (size_t k = 0; k < length; ++k) {
        wchar_t c = name[name.size() - length + k];
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != kExtension[k]) return 0;
    }
    return 1;
}

// A PFM file holds the frame the FP16 presenter shows, which only the HDR screens have; the overlay
// and the guidance panel are drawn by GDI, into a standard-range picture.
int CheckPfmOutput(const RenderArgs& args, std::wstring* error) {
    if (!args.pfm) return 1;
    const std::wstring hdr = std::to_wstring(kFirstHdrMode) + L".." + std::to_wstring(kFirstHdrMode + kHdrModeCount - 1);
    if (!IsHdrMode(args.mode)) {
        *error = L"a .pfm file is for the HDR screens " + hdr + L", not screen " + std::to_wstring(args.mode) +
                 L": write a .bmp";
        return 0;
    }
    if (args.osdPos > 0 || args.guide) {
        *error = L"--osd and --guide are drawn into a .bmp only, not into a .pfm";
        return 0;
    }
    return 1;
}

}  // namespace

RenderParse ParseRenderArgs(int argc, const wchar_t* const* argv, RenderArgs* args, std::wstring* error) {
    const wchar_t* positional[4] = {};
    int count = 0;
    bool langSeen = false;
    bool osdSeen = false;
    bool frameSeen = false;
    bool hzSeen = false;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--help" || arg == L"-h" || arg == L"/?") return kRenderParseHelp;
        if (arg == L"--osd") {
            if (osdSeen) {
                *error = L"--osd is given twice";
                return kRenderParseError;
            }
            if (!ParseRenderOsd(argc, argv, i, args, error)) return kRenderParseError;
            osdSeen = true;
            i += 2;
            continue;
        }
        if (arg == L"--frame") {
            if (!ParseRenderNumber(argc, argv, i, L"--frame", kRenderMaxFrame, true, &frameSeen, &args->frame, error)) {
                return kRenderParseError;
            }
            ++i;
            continue;
        }
        if (arg == L"--hz") {
            if (!ParseRenderRate(argc, argv, i, &hzSeen, &args->hz, error)) return kRenderParseError;
            ++i;
            continue;
        }
        if (arg == L"--desktop" || arg == L"--native") {
            DisplayFacts& f = args->facts;
            const bool desktop = arg == L"--desktop";
            if (!ParseRenderMode(argc, argv, i, desktop ? L"--desktop" : L"--native",
                                 desktop ? &f.desktopKnown : &f.nativeKnown, desktop ? &f.desktopWidth : &f.nativeWidth,
                                 desktop ? &f.desktopHeight : &f.nativeHeight, error)) {
                return kRenderParseError;
            }
            ++i;
            continue;
        }
        if (arg == L"--scale") {
            bool seen = args->facts.scaleKnown != 0;
            if (!ParseRenderNumber(argc, argv, i, L"--scale", kFactMaxScale, false, &seen, &args->facts.scalePercent,
                                   error)) {
                return kRenderParseError;
            }
            args->facts.scaleKnown = 1;
            ++i;
            continue;
        }
        if (arg == L"--guide") {
            if (args->guide) {
                *error = L"--guide is given twice";
                return kRenderParseError;
            }
            args->guide = 1;
            continue;
        }
        if (arg == L"--lang") {
            if (langSeen) {
                *error = L"--lang is given twice";
                return kRenderParseError;
            }
            if (i + 1 >= argc) {
                *error = L"--lang needs a language number 0..12";
                return kRenderParseError;
            }
            if (!ParseDecimal(argv[i + 1], kLanguageCount - 1, &args->lang)) {
                *error = L"bad language " + Quoted(argv[i + 1]) + L": expected a number 0..12";
                return kRenderParseError;
            }
            langSeen = true;
            ++i;
            continue;
        }
        // "-5" is a (bad) number, not an option, so it gets the width or height message.
        if (arg.size() > 1 && arg[0] == L'-' && (arg[1] < L'0' || arg[1] > L'9')) {
            *error = L"unknown option " + Quoted(argv[i]);
            return kRenderParseError;
        }
        if (count == 4) {
            *error = L"too many arguments: " + Quoted(argv[i]) + L" is one too many";
            return kRenderParseError;
        }
        positional[count++] = argv[i];
    }
    if (count < 4) {
        *error = L"missing arguments: expected MODE WIDTH HEIGHT OUT.bmp (or OUT.pfm)";
        return kRenderParseError;
    }
    if (!ParseDecimal(positional[0], kModeCount - 1, &args->mode)) {
        *error = L"unknown mode " + Quoted(positional[0]) + L": expected a screen number 0.." +
                 std::to_wstring(kModeCount - 1);
        return kRenderParseError;
    }
    if ((frameSeen || hzSeen) && !IsMotionMode(args->mode)) {
        *error = L"--frame and --hz are for the motion screens 42 and 43, not screen " + std::to_wstring(args->mode);
        return kRenderParseError;
    }
    const DisplayFacts& f = args->facts;
    if ((f.desktopKnown || f.scaleKnown || f.nativeKnown) && args->mode != kOneToOneMode) {
        *error = L"--desktop, --scale and --native are for the one-to-one screen " + std::to_wstring(kOneToOneMode) +
                 L", not screen " + std::to_wstring(args->mode);
        return kRenderParseError;
    }
    static const wchar_t* const sideNames[2] = {L"width", L"height"};
    int* sides[2] = {&args->width, &args->height};
    for (int s = 0; s < 2; ++s) {
        const wchar_t* text = positional[1 + s];
        if (!ParseDecimal(text, kRenderMaxSide, sides[s]) || *sides[s] == 0) {
            *error = L"bad " + std::wstring(sideNames[s]) + L" " + Quoted(text) + L": expected 1..16384 pixels";
            return kRenderParseError;
        }
    }
    if (*positional[3] == L'\0') {
        *error = L"empty output file name";
        return kRenderParseError;
    }
    args->out = positional[3];
    args->pfm = HasPfmExtension(args->out);
    if (!CheckPfmOutput(*args, error)) return kRenderParseError;
    return kRenderParseOk;
}
