// The 8-bit presenter of the variable-refresh screens against Wine's real DXGI in a real window:
// tearing where DXGI allows it and the usual flip swap chain where it does not, frames drawn from
// the scrolled backdrop and boxes, and a frame number that advances by one per present.
#include <dxgi1_5.h>
#include <gtest/gtest.h>

#include <stdio.h>

#include <vector>

#include "hdr/d3d_motion_frame.h"
#include "hdr/frame_number.h"
#include "testrun/vrr_schedule.h"
#include "tests/support/d3d_loader.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;
constexpr int kOverhang = 96;  // the backdrop's width beyond the screen's: the bars' travel
constexpr PresenterOptions kTearing = {kPresenterBgra8, 1};

// What DXGI answers here, asked without the presenter.
TearingSupport WhatDxgiSays() {
    const CreateFactoryFn create = RealCreateFactory();
    IDXGIFactory5* factory = nullptr;
    if (create == nullptr || FAILED(create(__uuidof(IDXGIFactory5), reinterpret_cast<void**>(&factory)))) {
        return kTearingNoFactory5;
    }
    BOOL allowed = FALSE;
    const HRESULT result = factory->CheckFeatureSupport(DXGI_FEATURE_PRESENT_ALLOW_TEARING, &allowed, sizeof(allowed));
    factory->Release();
    return FAILED(result) ? kTearingQueryFailed : allowed ? kTearingAllowed : kTearingRefused;
}

// Every pixel says where it is: column in blue and green, row in red.
uint32_t BackdropPixel(int x, int y) {
    return 0xFF000000u | static_cast<uint32_t>(y & 0xFF) << 16 | static_cast<uint32_t>(x & 0xFFFF);
}

std::vector<uint32_t> Backdrop() {
    std::vector<uint32_t> pixels(static_cast<size_t>(kWidth + kOverhang) * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth + kOverhang; ++x) pixels[static_cast<size_t>(y) * (kWidth + kOverhang) + x] = BackdropPixel(x, y);
    }
    return pixels;
}

HRESULT Refuses(IDXGIFactory2*, BOOL* allowed) {
    *allowed = FALSE;
    return S_OK;
}
HRESULT NoFactory5(IDXGIFactory2*, BOOL*) {
    return E_NOINTERFACE;
}
HRESULT QueryFails(IDXGIFactory2*, BOOL*) {
    return DXGI_ERROR_INVALID_CALL;
}

UINT g_presentSync, g_presentFlags;
HRESULT NotedPresent(IDXGISwapChain1* chain, UINT sync, UINT flags) {
    g_presentSync = sync;
    g_presentFlags = flags;
    return chain->Present(sync, flags);
}

// The flags the presenter asked the swap chain for (Wine's GetDesc1 does not give them back).
UINT g_chainFlags;
HRESULT NotedSwapChain(IDXGIFactory2* factory, ID3D11Device* device, HWND window, const DXGI_SWAP_CHAIN_DESC1* desc,
                       IDXGISwapChain1** chain) {
    g_chainFlags = desc->Flags;
    return factory->CreateSwapChainForHwnd(device, window, desc, nullptr, nullptr, chain);
}

// Tearing where DXGI says so, through the seam where it does not: the usual flip swap chain, which
// presents without the tearing flag, and draws and reads back all the same.
TEST(VrrPresenter, TearingWhereAllowedTheUsualFlipElsewhere) {
    if (!MachineHasD3d11()) GTEST_SKIP() << "Windows gives no Direct3D 11 device here";
    const TearingSupport here = WhatDxgiSays();
    printf("DXGI here says of tearing: %s\n", here == kTearingAllowed   ? "allowed (TRUE)"
                                              : here == kTearingRefused ? "refused (FALSE)"
                                              : here == kTearingNoFactory5 ? "no IDXGIFactory5"
                                                                           : "the query failed");
    const struct {
        const char* name;
        TearingSupportFn ask;
        int allowTearing;
        TearingSupport tearing;
    } table[] = {
        {"DXGI's own answer", nullptr, 1, here},
        {"DXGI answers FALSE", Refuses, 1, kTearingRefused},
        {"no IDXGIFactory5", NoFactory5, 1, kTearingNoFactory5},
        {"the query fails", QueryFails, 1, kTearingQueryFailed},
        {"not asked", nullptr, 0, kTearingNotAsked},
    };
    HWND window = OpenTestPopup(kWidth, kHeight);
    const std::vector<uint32_t> backdrop = Backdrop();
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        PresenterSeam seam = {};
        seam.createDevice = RealCreateDevice();
        seam.createFactory = RealCreateFactory();
        seam.createSwapChain = NotedSwapChain;
        seam.present = NotedPresent;
        seam.tearingSupport = row.ask;
        PresenterSeamGuard guard(&seam);
        const PresenterOptions options = {kPresenterBgra8, row.allowTearing};
        Presenter presenter;
        ASSERT_TRUE(StartPresenterWith(window, kWidth, kHeight, &options, &presenter))
            << PresenterFailureText(presenter.failure);
        EXPECT_EQ(presenter.tearing, row.tearing);
        const bool tears = row.tearing == kTearingAllowed;
        EXPECT_EQ(g_chainFlags, tears ? static_cast<UINT>(DXGI_SWAP_CHAIN_FLAG_ALLOW_TEARING) : 0u);
        EXPECT_EQ(presenter.effect, DXGI_SWAP_EFFECT_FLIP_DISCARD);
        ScrollBackdrop scroll;
        ASSERT_TRUE(MakeScrollBackdrop(&presenter, backdrop.data(), kWidth + kOverhang, kHeight, &scroll));
        ASSERT_TRUE(DrawScrolled(&presenter, &scroll, 17));
        std::vector<uint32_t> held(static_cast<size_t>(kWidth) * kHeight);
        ASSERT_TRUE(ReadBackPixels(&presenter, held.data()));
        EXPECT_EQ(held[static_cast<size_t>(kHeight - 1) * kWidth + kWidth - 1], BackdropPixel(kWidth - 1 + 17, kHeight - 1));
        ASSERT_TRUE(PresentNow(&presenter));
        EXPECT_EQ(g_presentSync, 0u);
        EXPECT_EQ(g_presentFlags, tears ? static_cast<UINT>(DXGI_PRESENT_ALLOW_TEARING) : 0u);
        // A new size keeps the swap chain presenting as it did.
        SetWindowPos(window, nullptr, 0, 0, kWidth + 2, kHeight, SWP_NOZORDER);
        ASSERT_TRUE(ResizePresenter(&presenter, kWidth + 2, kHeight));
        EXPECT_TRUE(PresentNow(&presenter));
        EXPECT_EQ(g_presentFlags, tears ? static_cast<UINT>(DXGI_PRESENT_ALLOW_TEARING) : 0u);
        SetWindowPos(window, nullptr, 0, 0, kWidth, kHeight, SWP_NOZORDER);
        FreeScrollBackdrop(&scroll);
        EXPECT_EQ(StopPresenter(&presenter), 0u);
    }
    DestroyWindow(window);
}

// What does not fit the swap chain is refused, and nothing is drawn out of bounds.
TEST(VrrPresenter, RefusesWhatDoesNotFit) {
    if (!MachineHasD3d11()) GTEST_SKIP() << "Windows gives no Direct3D 11 device here";
    HWND window = OpenTestPopup(kWidth, kHeight);
    Presenter presenter;
    ASSERT_TRUE(StartPresenterWith(window, kWidth, kHeight, &kTearing, &presenter));
    const std::vector<uint32_t> backdrop = Backdrop();
    const uint32_t pixel[4] = {};
    const struct {
        const char* name;
        PixelPatch patch;
    } patches[] = {
        {"past the right edge", {kWidth - 1, 0, 2, 1, pixel}},
        {"past the bottom", {0, kHeight - 1, 1, 2, pixel}},
        {"left of the screen", {-1, 0, 1, 1, pixel}},
        {"empty", {5, 5, 0, 1, pixel}},
        {"no pixels", {5, 5, 1, 1, nullptr}},
    };
    for (const auto& row : patches) {
        EXPECT_FALSE(DrawPatches(&presenter, &row.patch, 1)) << row.name;
        EXPECT_EQ(presenter.failure, kPresenterBadFrame) << row.name;
    }
    ScrollBackdrop scroll;
    EXPECT_FALSE(MakeScrollBackdrop(&presenter, backdrop.data(), kWidth - 1, kHeight, &scroll));
    ASSERT_TRUE(MakeScrollBackdrop(&presenter, backdrop.data(), kWidth + kOverhang, kHeight, &scroll));
    for (int offset : {-1, kOverhang + 1}) EXPECT_FALSE(DrawScrolled(&presenter, &scroll, offset)) << offset;
    EXPECT_TRUE(DrawScrolled(&presenter, &scroll, kOverhang));
    // FP16 frames go to FP16 swap chains only, and each read-back to its own format.
    std::vector<uint16_t> halves(static_cast<size_t>(kWidth) * kHeight * 4);
    EXPECT_FALSE(UploadHalfFrame(&presenter, halves.data(), kWidth, kHeight));
    EXPECT_FALSE(ReadBackHalves(&presenter, halves.data()));
    FreeScrollBackdrop(&scroll);
    EXPECT_EQ(StopPresenter(&presenter), 0u);
    Presenter half;
    ASSERT_TRUE(StartPresenter(window, kWidth, kHeight, &half));
    std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
    EXPECT_FALSE(ReadBackPixels(&half, pixels.data()));
    EXPECT_FALSE(DrawFrameNumber(&half, 1));
    EXPECT_EQ(StopPresenter(&half), 0u);
    DestroyWindow(window);
}

// A device lost at a present is made anew, tearing asked again; the frame and the backdrop were on
// the old one and are to be made again. Lost a second time, the presenter gives up.
TEST(VrrPresenter, LostDeviceMadeAnewWithItsTearing) {
    if (!MachineHasD3d11()) GTEST_SKIP() << "Windows gives no Direct3D 11 device here";
    HWND window = OpenTestPopup(kWidth, kHeight);
    PresenterSeam seam = {};
    seam.createDevice = RealCreateDevice();
    seam.createFactory = RealCreateFactory();
    seam.present = LosingPresent;
    PresenterSeamGuard guard(&seam);
    Presenter presenter;
    ASSERT_TRUE(StartPresenterWith(window, kWidth, kHeight, &kTearing, &presenter));
    const TearingSupport tearing = presenter.tearing;
    const std::vector<uint32_t> backdrop = Backdrop();
    ScrollBackdrop scroll;
    ASSERT_TRUE(MakeScrollBackdrop(&presenter, backdrop.data(), kWidth + kOverhang, kHeight, &scroll));
    g_lossesLeft = 1;
    EXPECT_FALSE(PresentNow(&presenter));
    EXPECT_EQ(presenter.failure, kPresenterFrameLost);
    EXPECT_EQ(presenter.recreations, 1);
    EXPECT_EQ(presenter.tearing, tearing);
    EXPECT_FALSE(DrawScrolled(&presenter, &scroll, 0));
    EXPECT_EQ(presenter.failure, kPresenterFrameLost);
    FreeScrollBackdrop(&scroll);
    ASSERT_TRUE(MakeScrollBackdrop(&presenter, backdrop.data(), kWidth + kOverhang, kHeight, &scroll));
    EXPECT_TRUE(DrawScrolled(&presenter, &scroll, 3));
    EXPECT_TRUE(PresentNow(&presenter));
    g_lossesLeft = 1;
    EXPECT_FALSE(PresentNow(&presenter));
    EXPECT_EQ(presenter.failure, kPresenterDeviceLost);
    FreeScrollBackdrop(&scroll);
    EXPECT_EQ(StopPresenter(&presenter), 0u);
    DestroyWindow(window);
}

// The flicker screen's loop on the real clock and presenter: each frame read back before its
// present carries the number of presents before it, the bars at their offset and the block.
struct LoopWorld {
    Presenter presenter;
    ScrollBackdrop scroll;
    long long presents;
    std::vector<uint32_t> held;
    std::vector<long long> numbersRead;
    std::vector<long long> presentsBefore;  // the presents made when each frame was read back
    int probesWrong;
    int frames;
};

long long Ticks(void*) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

int Wait(void*, long long deadline) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    const long long ms = (deadline - now.QuadPart) * 1000 / frequency.QuadPart;
    Sleep(ms > 1 ? static_cast<DWORD>(ms - 1) : 0);
    return 1;
}

constexpr int kBlock = 24;

int DrawNumbered(void* c, const VrrFrame* frame) {
    LoopWorld* w = static_cast<LoopWorld*>(c);
    if (frame->number >= w->frames) return 0;
    const int offset = static_cast<int>(frame->number * 5 % kOverhang);
    const int blockX = static_cast<int>(40 + frame->number * 7 % 500);
    const std::vector<uint32_t> block(kBlock * kBlock, 0xFFFFFFFFu);
    const PixelPatch patch = {blockX, 200, kBlock, kBlock, block.data()};
    if (!DrawScrolled(&w->presenter, &w->scroll, offset) || !DrawPatches(&w->presenter, &patch, 1) ||
        !DrawFrameNumber(&w->presenter, static_cast<uint32_t>(frame->number)) ||
        !ReadBackPixels(&w->presenter, w->held.data())) {
        return 0;
    }
    uint32_t number = 0;
    w->numbersRead.push_back(DecodeFrameNumber(w->held.data(), &number) ? static_cast<long long>(number) : -1LL);
    w->presentsBefore.push_back(w->presents);
    const auto at = [w](int x, int y) { return w->held[static_cast<size_t>(y) * kWidth + x]; };
    w->probesWrong += at(kFrameNumberPixels, 0) != BackdropPixel(kFrameNumberPixels + offset, 0);
    w->probesWrong += at(kWidth - 1, kHeight - 1) != BackdropPixel(kWidth - 1 + offset, kHeight - 1);
    w->probesWrong += at(blockX, 200) != 0xFFFFFFFFu || at(blockX + kBlock - 1, 200 + kBlock - 1) != 0xFFFFFFFFu;
    w->probesWrong += at(blockX - 1, 200) != BackdropPixel(blockX - 1 + offset, 200);
    w->probesWrong += at(blockX + kBlock, 200 + kBlock) != BackdropPixel(blockX + kBlock + offset, 200 + kBlock);
    return 1;
}

int PresentCounted(void* c) {
    LoopWorld* w = static_cast<LoopWorld*>(c);
    if (!PresentNow(&w->presenter)) return 0;
    ++w->presents;
    return 1;
}

TEST(VrrPresenter, FrameNumberAdvancesByOnePerPresent) {
    if (!MachineHasD3d11()) GTEST_SKIP() << "Windows gives no Direct3D 11 device here";
    HWND window = OpenTestPopup(kWidth, kHeight);
    LoopWorld world = {};
    world.frames = 40;
    world.held.resize(static_cast<size_t>(kWidth) * kHeight);
    ASSERT_TRUE(StartPresenterWith(window, kWidth, kHeight, &kTearing, &world.presenter));
    const std::vector<uint32_t> backdrop = Backdrop();
    ASSERT_TRUE(MakeScrollBackdrop(&world.presenter, backdrop.data(), kWidth + kOverhang, kHeight, &world.scroll));
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const VrrSeam seam = {&world, Ticks, Wait, nullptr, DrawNumbered, PresentCounted};
    VrrSchedule schedule;
    StartVrrSchedule(&schedule, kVrrScreenFlicker, {48, 144});
    VrrRecord record;
    RunVrrLoop(&seam, &schedule, frequency.QuadPart, &record);
    EXPECT_EQ(world.presenter.failure, kPresenterOk) << PresenterFailureText(world.presenter.failure);
    EXPECT_EQ(record.frames, world.frames);
    ASSERT_EQ(world.numbersRead.size(), static_cast<size_t>(world.frames));
    for (int k = 0; k < world.frames; ++k) EXPECT_EQ(world.numbersRead[k], world.presentsBefore[k]);
    EXPECT_EQ(world.presentsBefore.back(), world.frames - 1);
    EXPECT_EQ(world.probesWrong, 0);
    printf("presented %.1f fps at the end, %.1f to %.1f over the run, %lld late\n", PresentedRateHz(record.meter),
           record.meter.lowestHz, record.meter.highestHz, record.late);
    FreeScrollBackdrop(&world.scroll);
    EXPECT_EQ(StopPresenter(&world.presenter), 0u);
    DestroyWindow(window);
}

}  // namespace
