// The FP16 presenter against Wine's real D3D11 in a real window: what the back buffer holds, the
// fallbacks, a lost device, a resize, and a machine without D3D11 through the loader seam.
#include "hdr/d3d_presenter.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/d3d_loader.h"

namespace {

constexpr uint16_t kHalfOf12_5 = 0x4A40;  // 1 000 cd/m² in scRGB: 1 000 / 80
constexpr uint16_t kHalfOfOne = 0x3C00;

// A frame whose every pixel says where it is, so a row or column out of place shows: red is the
// 1 000 cd/m² asked, green the column's and blue (negative) the row's own finite half.
std::vector<uint16_t> PositionFrame(int width, int height) {
    std::vector<uint16_t> halves(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint16_t* pixel = &halves[(static_cast<size_t>(y) * width + x) * 4];
            pixel[0] = kHalfOf12_5;
            pixel[1] = static_cast<uint16_t>(x & 0x3FFF);
            pixel[2] = static_cast<uint16_t>(0x8000 | (y & 0x3FFF));
            pixel[3] = kHalfOfOne;
        }
    }
    return halves;
}

// The first differing half, or -1: one index says more than a million-line diff.
long FirstDifference(const std::vector<uint16_t>& a, const std::vector<uint16_t>& b) {
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) return static_cast<long>(i);
    }
    return -1;
}

constexpr const char* kNoD3d11Here = "Windows gives no Direct3D 11 device here";

// Stand-ins of the seam: each fails in one way and otherwise passes the call to Windows.
HRESULT WINAPI DeviceRefused(IDXGIAdapter*, D3D_DRIVER_TYPE, HMODULE, UINT, const D3D_FEATURE_LEVEL*, UINT, UINT,
                             ID3D11Device**, D3D_FEATURE_LEVEL*, ID3D11DeviceContext**) {
    return DXGI_ERROR_UNSUPPORTED;
}

HRESULT WINAPI OnlyWarp(IDXGIAdapter* adapter, D3D_DRIVER_TYPE type, HMODULE software, UINT flags,
                        const D3D_FEATURE_LEVEL* levels, UINT levelCount, UINT sdk, ID3D11Device** device,
                        D3D_FEATURE_LEVEL* level, ID3D11DeviceContext** context) {
    if (type != D3D_DRIVER_TYPE_WARP) return DXGI_ERROR_UNSUPPORTED;
    return RealCreateDevice()(adapter, type, software, flags, levels, levelCount, sdk, device, level, context);
}

HRESULT NoFlipDiscard(IDXGIFactory2* factory, ID3D11Device* device, HWND window, const DXGI_SWAP_CHAIN_DESC1* desc,
                      IDXGISwapChain1** chain) {
    if (desc->SwapEffect == DXGI_SWAP_EFFECT_FLIP_DISCARD) return DXGI_ERROR_INVALID_CALL;
    return factory->CreateSwapChainForHwnd(device, window, desc, nullptr, nullptr, chain);
}

HRESULT NoSwapChain(IDXGIFactory2*, ID3D11Device*, HWND, const DXGI_SWAP_CHAIN_DESC1*, IDXGISwapChain1**) {
    return DXGI_ERROR_INVALID_CALL;
}

TEST(D3dPresenter, BackBufferHoldsTheUploadedHalves) {
    if (!MachineHasD3d11()) GTEST_SKIP() << kNoD3d11Here;
    const struct {
        int width, height;
    } kSizes[] = {{1920, 1080}, {3840, 2160}};
    for (const auto& size : kSizes) {
        SCOPED_TRACE(size.width);
        HWND window = OpenTestPopup(size.width, size.height);
        Presenter presenter;
        ASSERT_TRUE(StartPresenter(window, size.width, size.height, &presenter))
            << PresenterFailureText(presenter.failure) << std::hex << " 0x" << presenter.lastResult;
        EXPECT_EQ(DXGI_SWAP_EFFECT_FLIP_DISCARD, presenter.effect);
        const std::vector<uint16_t> frame = PositionFrame(size.width, size.height);
        std::vector<uint16_t> held(frame.size(), 0xFFFF);
        ASSERT_TRUE(UploadHalfFrame(&presenter, frame.data(), size.width, size.height));
        ASSERT_TRUE(ReadBackHalves(&presenter, held.data()));
        EXPECT_EQ(-1, FirstDifference(frame, held));
        EXPECT_EQ(kHalfOf12_5, held[4 * (size.width * (size.height / 2) + size.width / 2)]);
        EXPECT_TRUE(ShowHalfFrame(&presenter, frame.data(), size.width, size.height));
        EXPECT_EQ(0u, StopPresenter(&presenter));  // every reference on the device given back
        DestroyWindow(window);
    }
}

// Where Windows refuses a step, the presenter takes the next way or says why and holds nothing. The
// cases that stand in for a machine without D3D11 run on every machine.
TEST(D3dPresenter, FallbacksAndReasons) {
    const bool hasD3d11 = MachineHasD3d11();
    const CreateDeviceFn real = RealCreateDevice();
    const CreateFactoryFn factory = RealCreateFactory();
    const struct Case {
        PresenterSeam seam;
        bool needsD3d11;
        int started;
        PresenterFailure failure;
        D3D_DRIVER_TYPE driver;
        DXGI_SWAP_EFFECT effect;
    } kCases[] = {
        {{real, factory, nullptr, nullptr, nullptr}, true, 1, kPresenterOk, D3D_DRIVER_TYPE_HARDWARE,
         DXGI_SWAP_EFFECT_FLIP_DISCARD},
        {{OnlyWarp, factory, nullptr, nullptr, nullptr}, true, 1, kPresenterOk, D3D_DRIVER_TYPE_WARP,
         DXGI_SWAP_EFFECT_FLIP_DISCARD},
        {{real, factory, NoFlipDiscard, nullptr, nullptr}, true, 1, kPresenterOk, D3D_DRIVER_TYPE_HARDWARE,
         DXGI_SWAP_EFFECT_FLIP_SEQUENTIAL},
        {{real, factory, NoSwapChain, nullptr, nullptr}, true, 0, kPresenterNoSwapChain, {}, {}},
        {{nullptr, factory, nullptr, nullptr, nullptr}, false, 0, kPresenterNoD3d11, {}, {}},
        {{DeviceRefused, nullptr, nullptr, nullptr, nullptr}, false, 0, kPresenterNoDxgi, {}, {}},
        {{DeviceRefused, factory, nullptr, nullptr, nullptr}, false, 0, kPresenterNoDevice, {}, {}},
    };
    constexpr int kWidth = 320, kHeight = 200;
    HWND window = OpenTestPopup(kWidth, kHeight);
    const std::vector<uint16_t> frame = PositionFrame(kWidth, kHeight);
    for (const Case& c : kCases) {
        SCOPED_TRACE(&c - kCases);
        if (c.needsD3d11 && !hasD3d11) continue;
        PresenterSeamGuard guard(&c.seam);
        Presenter presenter;
        ASSERT_EQ(c.started, StartPresenter(window, kWidth, kHeight, &presenter));
        EXPECT_EQ(c.failure, presenter.failure) << PresenterFailureText(presenter.failure);
        std::vector<uint16_t> held(frame.size());
        if (c.started) {
            EXPECT_EQ(c.driver, presenter.driver);
            EXPECT_EQ(c.effect, presenter.effect);
            ASSERT_TRUE(UploadHalfFrame(&presenter, frame.data(), kWidth, kHeight));
            ASSERT_TRUE(ReadBackHalves(&presenter, held.data()));
            EXPECT_EQ(-1, FirstDifference(frame, held));
        } else {
            EXPECT_EQ(nullptr, presenter.device);
            EXPECT_EQ(nullptr, presenter.context);
            EXPECT_EQ(nullptr, presenter.swapChain);
            EXPECT_FALSE(ShowHalfFrame(&presenter, frame.data(), kWidth, kHeight));
            EXPECT_FALSE(ReadBackHalves(&presenter, held.data()));
        }
        EXPECT_EQ(0u, StopPresenter(&presenter));
    }
    DestroyWindow(window);
}

// On a machine where Windows gives no device (ctest's hdr_window_without_d3d11 hides d3d11.dll from
// Wine), the presenter's own loading says why, and the program goes on.
TEST(D3dPresenter, MachineWithoutD3d11) {
    if (MachineHasD3d11()) GTEST_SKIP() << "Windows gives a Direct3D 11 device here";
    HWND window = OpenTestPopup(320, 200);
    Presenter presenter;
    EXPECT_FALSE(StartPresenter(window, 320, 200, &presenter));
    const bool dllThere = GetModuleHandleW(L"d3d11.dll") != nullptr || LoadLibraryW(L"d3d11.dll") != nullptr;
    EXPECT_EQ(dllThere ? kPresenterNoDevice : kPresenterNoD3d11, presenter.failure);
    EXPECT_EQ(nullptr, presenter.d3d11);
    EXPECT_EQ(0u, StopPresenter(&presenter));
    DestroyWindow(window);
}

// A lost device is made anew once and the frame lands on the new one; lost again, the presenter gives up.
TEST(D3dPresenter, LostDeviceMadeAnewOnce) {
    if (!MachineHasD3d11()) GTEST_SKIP() << kNoD3d11Here;
    const struct {
        int losses;
        int shown;
        int recreations;
        PresenterFailure failure;
    } kCases[] = {{0, 1, 0, kPresenterOk}, {1, 1, 1, kPresenterOk}, {2, 0, 1, kPresenterDeviceLost}};
    constexpr int kWidth = 320, kHeight = 200;
    HWND window = OpenTestPopup(kWidth, kHeight);
    const std::vector<uint16_t> frame = PositionFrame(kWidth, kHeight);
    const PresenterSeam seam = {RealCreateDevice(), RealCreateFactory(), nullptr, LosingPresent, nullptr};
    PresenterSeamGuard guard(&seam);
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.losses);
        Presenter presenter;
        ASSERT_TRUE(StartPresenter(window, kWidth, kHeight, &presenter));
        g_lossesLeft = c.losses;
        EXPECT_EQ(c.shown, ShowHalfFrame(&presenter, frame.data(), kWidth, kHeight));
        EXPECT_EQ(c.recreations, presenter.recreations);
        EXPECT_EQ(c.failure, presenter.failure);
        if (c.shown) {
            std::vector<uint16_t> held(frame.size());
            ASSERT_TRUE(UploadHalfFrame(&presenter, frame.data(), kWidth, kHeight));
            ASSERT_TRUE(ReadBackHalves(&presenter, held.data()));
            EXPECT_EQ(-1, FirstDifference(frame, held));
        }
        EXPECT_EQ(0u, StopPresenter(&presenter));
    }
    DestroyWindow(window);
}

// After the window grows the swap chain takes frames of the new size only.
TEST(D3dPresenter, ResizeTakesTheNewSize) {
    if (!MachineHasD3d11()) GTEST_SKIP() << kNoD3d11Here;
    HWND window = OpenTestPopup(640, 480);
    Presenter presenter;
    ASSERT_TRUE(StartPresenter(window, 640, 480, &presenter));
    SetWindowPos(window, nullptr, 0, 0, 800, 600, SWP_NOZORDER);
    ASSERT_TRUE(ResizePresenter(&presenter, 800, 600));
    const std::vector<uint16_t> old = PositionFrame(640, 480);
    EXPECT_FALSE(UploadHalfFrame(&presenter, old.data(), 640, 480));
    EXPECT_EQ(kPresenterBadFrame, presenter.failure);
    const std::vector<uint16_t> frame = PositionFrame(800, 600);
    std::vector<uint16_t> held(frame.size());
    ASSERT_TRUE(UploadHalfFrame(&presenter, frame.data(), 800, 600));
    ASSERT_TRUE(ReadBackHalves(&presenter, held.data()));
    EXPECT_EQ(-1, FirstDifference(frame, held));
    EXPECT_TRUE(ShowHalfFrame(&presenter, frame.data(), 800, 600));
    EXPECT_EQ(0u, StopPresenter(&presenter));
    DestroyWindow(window);
}

}  // namespace
