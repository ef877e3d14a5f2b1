// The HDR card's screens by mode number, and the texts written on them.
#include "hdr/hdr_modes.h"

#include <atomic>
#include <cmath>
#include <cstdio>

#include "app/bounded_format.h"

#include "app/texts.h"
#include "hdr/hdr_screens.h"
#include "hdr/hdr_texts.h"
#include "testrun/catalogue.h"

namespace {

std::atomic<int> g_claimedPeakNits{0};

// The line at the top of a grid screen, in the margin the grid leaves there.
HdrRect TopLine(int width, int height) {
    const int label = HdrLabelHeight(height);
    return {label, 0, width - label, label};
}

HdrRect BottomLine(int width, int height) {
    const int label = HdrLabelHeight(height);
    return {label, height - label, width - label, height};
}

// A label over `rect` whose text is `format` with up to two strings.
HdrLabel Label(const HdrRect& rect, int centred, int fullSignal, const wchar_t* format, const wchar_t* first = L"",
               const wchar_t* second = L"") {
    HdrLabel label;
    label.rect = rect;
    label.centred = centred;
    label.fullSignal = fullSignal;
    FormatText(label.text, kHdrLabelChars, format, first, second);
    return label;
}

void AddPatchLabels(const HdrScreen& screen, int count, std::vector<HdrLabel>* labels) {
    wchar_t nits[32];
    for (int k = 0; k < count && k < static_cast<int>(screen.patches.size()); ++k) {
        const HdrPatch& patch = screen.patches[k];
        if (!IsEmpty(patch.label))
            labels->push_back(Label(patch.label, 1, 0, L"%ls cd/m\x00B2", NitsText(patch.nits, nits, 32)));
    }
}

void AddGamutLabels(const HdrScreen& screen, std::vector<HdrLabel>* labels) {
    static const wchar_t* const kGamutNames[3] = {L"sRGB", L"DCI-P3", L"BT.2020"};
    static const Str kPrimaryNames[3] = {STR_RED, STR_GREEN, STR_BLUE};
    wchar_t nits[32], name[64];
    for (int k = 0; k < 9 && k < static_cast<int>(screen.patches.size()); ++k) {
        const HdrPatch& patch = screen.patches[k];
        FormatText(name, 64, L"%ls \x00B7 %ls", kGamutNames[k % 3], tr(kPrimaryNames[k / 3]));
        labels->push_back(Label(patch.label, 1, 0, L"%ls \x00B7 %ls cd/m\x00B2", name, NitsText(patch.nits, nits, 32)));
    }
}

}  // namespace

const wchar_t* NitsText(double nits, wchar_t* out, int size) {
    if (!(nits >= 100.0)) {
        FormatText(out, size, L"%.3g", nits);
        return out;
    }
    wchar_t digits[32];
    const int count = FormatText(digits, 32, L"%lld", std::llround(std::fmin(nits, 1e15)));
    int n = 0;
    for (int k = 0; k < count && n + 2 < size; ++k) {
        if (k > 0 && (count - k) % 3 == 0) out[n++] = L'\x00A0';
        out[n++] = digits[k];
    }
    out[n] = L'\0';
    return out;
}

void SetScreensClaimedPeak(double nits) {
    g_claimedPeakNits.store(nits > 0.0 && nits < 1e6 ? static_cast<int>(std::lround(nits)) : 0);
}

double ScreensClaimedPeak() { return g_claimedPeakNits.load(); }

HdrScreen HdrModeScreen(int mode, int width, int height, double claimedPeakNits) {
    const int label = HdrLabelHeight(height);
    if (mode >= kFirstHdrMode && mode < kClippingMode) {
        HdrScreen screen = PeakWindowScreen(width, height, mode - kFirstHdrMode);
        if (!screen.patches.empty()) screen.patches[0].label.right = width - label;
        screen.captions.push_back({label, height - 3 * label, width - label, height - 2 * label});
        return screen;
    }
    switch (mode) {
        case kClippingMode: {
            HdrScreen screen = ClippingScreen(width, height, claimedPeakNits);
            screen.captions.push_back(TopLine(width, height));
            screen.captions.push_back(BottomLine(width, height));
            return screen;
        }
        case kHdrNearBlackMode: {
            HdrScreen screen = NearBlackScreen(width, height);
            screen.captions.push_back(TopLine(width, height));
            return screen;
        }
        case kBloomingMode:
            return BloomingScreen(width, height);
        case kTenBitStepsMode:
            return TenBitStepsScreen(width, height);
        case kWideGamutMode: {
            HdrScreen screen = WideGamutScreen(width, height);
            screen.captions.push_back(TopLine(width, height));
            return screen;
        }
        default:
            return {width, height, Grey(0.0), {}, {}};
    }
}

std::vector<HdrLabel> HdrModeLabels(int mode, const HdrScreen& screen, double claimedPeakNits) {
    std::vector<HdrLabel> labels;
    wchar_t full[32], share[32], nits[32];
    NitsText(kFullSignalNits, full, 32);
    // Caption `index` of the screen: `format` with `value`, or a plain text where `value` is null.
    const auto caption = [&](size_t index, int fullSignal, const wchar_t* format, const wchar_t* value = nullptr) {
        if (index >= screen.captions.size()) return;
        const int centred = !(mode >= kFirstHdrMode && mode < kClippingMode);
        labels.push_back(value != nullptr ? Label(screen.captions[index], centred, fullSignal, format, value)
                                          : Label(screen.captions[index], centred, fullSignal, L"%ls", format));
    };
    if (mode >= kFirstHdrMode && mode < kClippingMode) {
        if (!screen.patches.empty()) {
            const double percent = kPeakWindowShares[mode - kFirstHdrMode] * 100.0;
            FormatText(share, 32, L"%d\x00A0%%", static_cast<int>(std::lround(percent)));
            labels.push_back(Label(screen.patches[0].label, 0, 0, HdrText(HT_PEAK_AREA_FMT), share, full));
        }
        caption(0, 0, HdrText(HT_PEAK_COMPARE));
        return labels;
    }
    switch (mode) {
        case kClippingMode:
            AddPatchLabels(screen, kClippingStepCount, &labels);
            caption(0, 0, HdrText(HT_CLIPPING_CAPTION));
            if (MarkedClippingStep(claimedPeakNits) >= 0)
                caption(1, 0, HdrText(HT_CLAIMED_PEAK_FMT), NitsText(claimedPeakNits, nits, 32));
            break;
        case kHdrNearBlackMode:
            AddPatchLabels(screen, kNearBlackCount, &labels);
            caption(0, 0, HdrText(HT_NEAR_BLACK_CAPTION));
            break;
        case kBloomingMode:
            caption(kBloomPixelsCaption, 0, HdrText(HT_BLOOM_PIXELS_FMT), full);
            caption(kBloomDotsCaption, 0, HdrText(HT_BLOOM_DOTS_FMT), full);
            caption(kBloomBoxCaption, 0, HdrText(HT_BLOOM_BOX_FMT), full);
            caption(kBloomTextCaption, 0, HdrText(HT_BLOOM_TEXT_FMT), full);
            caption(kBloomTextLine, 1, HdrText(HT_BLOOM_TEXT_LINE));
            break;
        case kTenBitStepsMode:
            caption(kStepsTenBitCaption, 0, HdrText(HT_STEPS_TEN_BIT));
            caption(kStepsEightBitCaption, 0, HdrText(HT_STEPS_EIGHT_BIT));
            break;
        case kWideGamutMode:
            AddGamutLabels(screen, &labels);
            caption(0, 0, HdrText(HT_GAMUT_CAPTION));
            break;
        default:
            break;
    }
    return labels;
}
