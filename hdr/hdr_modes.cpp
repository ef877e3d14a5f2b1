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

std::wstring Formatted(const wchar_t* format, const std::wstring& first, const std::wstring& second = L"") {
    wchar_t text[512];
    FormatText(text, 512, format, first.c_str(), second.c_str());
    return text;
}

std::wstring ShareText(double share) {
    return std::to_wstring(static_cast<int>(std::lround(share * 100.0))) + L"\x00A0%";
}

void AddPatchLabels(const HdrScreen& screen, int count, std::vector<HdrLabel>* labels) {
    for (int k = 0; k < count && k < static_cast<int>(screen.patches.size()); ++k) {
        const HdrPatch& patch = screen.patches[k];
        if (!IsEmpty(patch.label)) labels->push_back({patch.label, NitsText(patch.nits) + L" cd/m\x00B2", 1, 0});
    }
}

void AddGamutLabels(const HdrScreen& screen, std::vector<HdrLabel>* labels) {
    static const wchar_t* const kGamutNames[3] = {L"sRGB", L"DCI-P3", L"BT.2020"};
    static const Str kPrimaryNames[3] = {STR_RED, STR_GREEN, STR_BLUE};
    for (int k = 0; k < 9 && k < static_cast<int>(screen.patches.size()); ++k) {
        const HdrPatch& patch = screen.patches[k];
        labels->push_back({patch.label,
                           std::wstring(kGamutNames[k % 3]) + L" \x00B7 " + tr(kPrimaryNames[k / 3]) + L" \x00B7 " +
                               NitsText(patch.nits) + L" cd/m\x00B2",
                           1, 0});
    }
}

}  // namespace

std::wstring NitsText(double nits) {
    if (nits >= 100.0) {
        const long long whole = std::llround(nits);
        std::wstring digits = std::to_wstring(whole), text;
        for (size_t k = 0; k < digits.size(); ++k) {
            if (k > 0 && (digits.size() - k) % 3 == 0) text += L'\x00A0';
            text += digits[k];
        }
        return text;
    }
    wchar_t text[32];
    std::swprintf(text, 32, L"%.3g", nits);
    return text;
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
    const std::wstring full = NitsText(kFullSignalNits);
    const auto caption = [&](size_t index, const std::wstring& text, int centred, int fullSignal = 0) {
        if (index < screen.captions.size()) labels.push_back({screen.captions[index], text, centred, fullSignal});
    };
    if (mode >= kFirstHdrMode && mode < kClippingMode) {
        if (!screen.patches.empty())
            labels.push_back({screen.patches[0].label,
                              Formatted(HdrText(HT_PEAK_AREA_FMT), ShareText(kPeakWindowShares[mode - kFirstHdrMode]), full),
                              0, 0});
        caption(0, HdrText(HT_PEAK_COMPARE), 0);
        return labels;
    }
    switch (mode) {
        case kClippingMode:
            AddPatchLabels(screen, kClippingStepCount, &labels);
            caption(0, HdrText(HT_CLIPPING_CAPTION), 1);
            if (MarkedClippingStep(claimedPeakNits) >= 0)
                caption(1, Formatted(HdrText(HT_CLAIMED_PEAK_FMT), NitsText(claimedPeakNits)), 1);
            break;
        case kHdrNearBlackMode:
            AddPatchLabels(screen, kNearBlackCount, &labels);
            caption(0, HdrText(HT_NEAR_BLACK_CAPTION), 1);
            break;
        case kBloomingMode:
            caption(kBloomPixelsCaption, Formatted(HdrText(HT_BLOOM_PIXELS_FMT), full), 1);
            caption(kBloomDotsCaption, Formatted(HdrText(HT_BLOOM_DOTS_FMT), full), 1);
            caption(kBloomBoxCaption, Formatted(HdrText(HT_BLOOM_BOX_FMT), full), 1);
            caption(kBloomTextCaption, Formatted(HdrText(HT_BLOOM_TEXT_FMT), full), 1);
            caption(kBloomTextLine, HdrText(HT_BLOOM_TEXT_LINE), 1, 1);
            break;
        case kTenBitStepsMode:
            caption(kStepsTenBitCaption, HdrText(HT_STEPS_TEN_BIT), 1);
            caption(kStepsEightBitCaption, HdrText(HT_STEPS_EIGHT_BIT), 1);
            break;
        case kWideGamutMode:
            AddGamutLabels(screen, &labels);
            caption(0, HdrText(HT_GAMUT_CAPTION), 1);
            break;
        default:
            break;
    }
    return labels;
}
