// Shows linear scRGB frames built on the CPU (four halves a pixel) in a flip-model FP16 swap chain,
// or, for the variable-refresh screens, 8-bit frames in a swap chain that may tear.
#pragma once
#include <windows.h>

#include <d3d11.h>
#include <dxgi1_2.h>
#include <stdint.h>

// Why the presenter cannot show frames. The screens turn these into their own texts; the English
// diagnostic from PresenterFailureText is for the trace only.
enum PresenterFailure {
    kPresenterOk,
    kPresenterNoD3d11,       // d3d11.dll or its D3D11CreateDevice is missing
    kPresenterNoDxgi,        // dxgi.dll or its CreateDXGIFactory1 is missing
    kPresenterNoDevice,      // neither the monitor's adapter nor WARP gave a device
    kPresenterNoFlipModel,   // DXGI older than 1.2: no IDXGIFactory2
    kPresenterNoSwapChain,   // neither flip effect gave an FP16 swap chain for the window
    kPresenterBadFrame,      // the frame's size is not the swap chain's
    kPresenterUploadFailed,  // the back buffer could not be reached
    kPresenterDeviceLost,    // the device went away again after being made anew
    kPresenterPresentFailed,
    kPresenterReadBackFailed,
    kPresenterResizeFailed,
    kPresenterFrameLost,     // the device was lost at a present and made anew: the frame is to be drawn again
};

// The swap chain's pixels: FP16 scRGB for the HDR screens, 8-bit B8G8R8A8 for the variable-refresh
// screens, which need far more frames a second than whole FP16 frames built on the CPU allow.
enum PresenterFormat { kPresenterHalfFloat, kPresenterBgra8 };

// What became of a swap chain that may tear (DXGI 1.5's DXGI_FEATURE_PRESENT_ALLOW_TEARING), which a
// variable-refresh monitor needs to show a frame the moment it is presented.
enum TearingSupport {
    kTearingNotAsked,
    kTearingNoFactory5,    // DXGI older than 1.5: no IDXGIFactory5 to ask
    kTearingQueryFailed,   // CheckFeatureSupport failed
    kTearingRefused,       // DXGI answered FALSE
    kTearingAllowed,       // the swap chain allows tearing and presents with DXGI_PRESENT_ALLOW_TEARING
};

struct PresenterOptions {
    PresenterFormat format;
    int allowTearing;  // nonzero: ask for tearing; where DXGI refuses, the usual flip swap chain
};

// One window's presenter: the interfaces it holds and what it found out. All null when stopped.
struct Presenter {
    HWND window;
    int width;
    int height;
    HMODULE d3d11;
    HMODULE dxgi;
    ID3D11Device* device;
    ID3D11DeviceContext* context;
    IDXGISwapChain1* swapChain;
    D3D_DRIVER_TYPE driver;   // hardware (the monitor's adapter or the default one) or WARP
    DXGI_SWAP_EFFECT effect;  // FLIP_DISCARD, or FLIP_SEQUENTIAL where Windows lacks it
    int scRgbSet;             // nonzero where IDXGISwapChain3 took the scRGB colour space
    int recreations;          // devices made anew after the old one was lost
    PresenterFailure failure;
    HRESULT lastResult;  // the call behind `failure`, for the trace
    PresenterFormat format;
    int tearingAsked;
    TearingSupport tearing;
};

using CreateDeviceFn = HRESULT(WINAPI*)(IDXGIAdapter*, D3D_DRIVER_TYPE, HMODULE, UINT, const D3D_FEATURE_LEVEL*, UINT,
                                        UINT, ID3D11Device**, D3D_FEATURE_LEVEL*, ID3D11DeviceContext**);
using CreateFactoryFn = HRESULT(WINAPI*)(REFIID, void**);
using CreateSwapChainFn = HRESULT (*)(IDXGIFactory2* factory, ID3D11Device* device, HWND window,
                                      const DXGI_SWAP_CHAIN_DESC1* desc, IDXGISwapChain1** swapChain);
using PresentFn = HRESULT (*)(IDXGISwapChain1* swapChain, UINT syncInterval, UINT flags);
// Whether the factory allows tearing: E_NOINTERFACE where it has no IDXGIFactory5.
using TearingSupportFn = HRESULT (*)(IDXGIFactory2* factory, BOOL* allowed);

// Stand-ins for tests. While a seam is set the presenter loads no DLL and calls these instead; a
// null loader entry stands for a DLL or export that is missing, a null createSwapChain, present or
// tearingSupport for the real call.
struct PresenterSeam {
    CreateDeviceFn createDevice;
    CreateFactoryFn createFactory;
    CreateSwapChainFn createSwapChain;
    PresentFn present;
    TearingSupportFn tearingSupport;
};

// Makes the presenter use `seam`; null goes back to the DLLs. The seam must outlive its use.
void SetPresenterSeam(const PresenterSeam* seam);
// The seam set, or null.
const PresenterSeam* CurrentPresenterSeam();

// Makes the device and a width x height swap chain for `window`. Returns nonzero, or zero with
// `presenter->failure` saying why and nothing held.
int StartPresenter(HWND window, int width, int height, Presenter* presenter);

// The same with `options`: StartPresenter is FP16 without tearing. `presenter->tearing` says what
// DXGI answered.
int StartPresenterWith(HWND window, int width, int height, const PresenterOptions* options, Presenter* presenter);

// Copies a width x height frame of R, G, B, A halves, rows top-down, into the back buffer (an FP16
// swap chain's only).
int UploadHalfFrame(Presenter* presenter, const uint16_t* halves, int width, int height);

// Uploads and presents a frame (Present(1, 0)). A lost device is made anew once and the frame shown
// on it; a second loss gives up with kPresenterDeviceLost.
int ShowHalfFrame(Presenter* presenter, const uint16_t* halves, int width, int height);

// Presents the back buffer at once, without waiting for a refresh: Present(0, 0), or
// Present(0, DXGI_PRESENT_ALLOW_TEARING) where tearing is allowed. A lost device is made anew once
// (with kPresenterFrameLost: the frame was on the old one); a second loss gives up with
// kPresenterDeviceLost.
int PresentNow(Presenter* presenter);

// Gives the swap chain the window's new size. The back buffer's contents are gone afterwards.
int ResizePresenter(Presenter* presenter, int width, int height);

// Copies the back buffer through a staging texture into `halves` (width x height x 4). Call it
// after UploadHalfFrame and before presenting: after a flip the back buffer is another one. An
// FP16 swap chain's only.
int ReadBackHalves(Presenter* presenter, uint16_t* halves);

// The same for an 8-bit swap chain: width x height B8G8R8A8 words.
int ReadBackPixels(Presenter* presenter, uint32_t* pixels);

// Releases everything. Returns the references still left on the device: 0 unless something leaked.
ULONG StopPresenter(Presenter* presenter);

// A short English reason for the trace.
const char* PresenterFailureText(PresenterFailure failure);
