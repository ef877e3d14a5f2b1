// What can be known ahead of a run about showing the HDR screens.
#include "hdr/hdr_support.h"

#include "app/format.h"
#include "hdr/hdr_frame.h"
#include "hdr/hdr_texts.h"

namespace {

PresenterFailure g_runFailure = kPresenterOk;
int g_dllsProbed;
PresenterFailure g_dllFailure = kPresenterOk;

// Loads and frees the two DLLs once per process: the answer does not change while TAVRO runs.
PresenterFailure ProbeDlls() {
    if (g_dllsProbed) return g_dllFailure;
    g_dllsProbed = 1;
    HMODULE d3d11 = LoadLibraryW(L"d3d11.dll");
    HMODULE dxgi = LoadLibraryW(L"dxgi.dll");
    if (d3d11 == nullptr || GetProcAddress(d3d11, "D3D11CreateDevice") == nullptr) {
        g_dllFailure = kPresenterNoD3d11;
    } else if (dxgi == nullptr || GetProcAddress(dxgi, "CreateDXGIFactory1") == nullptr) {
        g_dllFailure = kPresenterNoDxgi;
    }
    if (d3d11 != nullptr) FreeLibrary(d3d11);
    if (dxgi != nullptr) FreeLibrary(dxgi);
    return g_dllFailure;
}

HdrTextKey ReasonKey(PresenterFailure failure) {
    switch (failure) {
        case kPresenterNoD3d11:
            return HT_NO_D3D11;
        case kPresenterNoDxgi:
            return HT_NO_DXGI;
        case kPresenterNoDevice:
            return HT_NO_DEVICE;
        case kPresenterNoFlipModel:
            return HT_NO_FLIP_MODEL;
        case kPresenterNoSwapChain:
            return HT_NO_SWAP_CHAIN;
        default:
            return HT_SHOW_FAILED;
    }
}

}  // namespace

PresenterFailure HdrSupportFailure() {
    if (g_runFailure != kPresenterOk) return g_runFailure;
    const PresenterSeam* seam = CurrentPresenterSeam();
    if (seam != nullptr) {
        if (seam->createDevice == nullptr) return kPresenterNoD3d11;
        if (seam->createFactory == nullptr) return kPresenterNoDxgi;
        return kPresenterOk;
    }
    return ProbeDlls();
}

void NoteHdrRunFailure(PresenterFailure failure) { g_runFailure = failure; }

const wchar_t* HdrFailureText(PresenterFailure failure) {
    static wchar_t text[512];
    FormatText(text, ARRAYSIZE(text), HdrText(HT_CANNOT_RUN_FMT), HdrText(ReasonKey(failure)));
    return text;
}

int HdrIsOff(const ColourFacts* facts) { return HdrWindowsStateOf(facts) == 0; }

int HdrWindowsStateOf(const ColourFacts* facts) {
    if (facts == nullptr) return -1;
    if (facts->state.mode == kColourModeHdr) return 1;
    return facts->state.mode == kColourModeSdr || facts->state.mode == kColourModeWcg ? 0 : -1;
}

double SdrWhiteNitsOf(const ColourFacts* facts) {
    const double white = facts != nullptr ? facts->state.sdrWhiteNits : 0.0;
    return white >= kScrgbOneNits && white <= 1000.0 ? white : kSdrWhiteNits;
}

double ClaimedPeakNits(const ColourFacts* facts) {
    if (facts == nullptr) return 0.0;
    const double edid = facts->hasClaims ? ClaimedPeakLuminance(facts->claims) : 0.0;
    if (edid > 0.0) return edid;
    return facts->state.hasOutput && facts->state.outputMaxLuminance > 0.0 ? facts->state.outputMaxLuminance : 0.0;
}
