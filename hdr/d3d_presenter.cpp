// The flip-model presenter: D3D11 device, swap chain (FP16, or 8-bit that may tear), upload, present,
// device loss and release.
#include "hdr/d3d_presenter.h"

#include <dxgi1_5.h>

namespace {

const PresenterSeam* g_presenterSeam;

constexpr UINT kBufferCount = 2;  // the fewest a flip-model swap chain takes
constexpr UINT kBytesPerPixel = 4 * sizeof(uint16_t);
constexpr PresenterOptions kHalfFloatOptions = {kPresenterHalfFloat, 0};

// Tried in this order: FLIP_DISCARD arrived with Windows 10, FLIP_SEQUENTIAL with DXGI 1.2.
const DXGI_SWAP_EFFECT kFlipEffects[] = {DXGI_SWAP_EFFECT_FLIP_DISCARD, DXGI_SWAP_EFFECT_FLIP_SEQUENTIAL};

template <typename T>
void ReleaseInto(T** object) {
    if (*object != nullptr) (*object)->Release();
    *object = nullptr;
}

int Fail(Presenter* p, PresenterFailure failure, HRESULT result) {
    p->failure = failure;
    p->lastResult = result;
    return 0;
}

HRESULT RealCreateSwapChain(IDXGIFactory2* factory, ID3D11Device* device, HWND window,
                            const DXGI_SWAP_CHAIN_DESC1* desc, IDXGISwapChain1** swapChain) {
    return factory->CreateSwapChainForHwnd(device, window, desc, nullptr, nullptr, swapChain);
}

HRESULT RealPresent(IDXGISwapChain1* swapChain, UINT syncInterval, UINT flags) {
    return swapChain->Present(syncInterval, flags);
}

HRESULT RealTearingSupport(IDXGIFactory2* factory, BOOL* allowed) {
    IDXGIFactory5* factory5 = nullptr;
    HRESULT result = factory->QueryInterface(__uuidof(IDXGIFactory5), reinterpret_cast<void**>(&factory5));
    if (FAILED(result)) return E_NOINTERFACE;
    result = factory5->CheckFeatureSupport(DXGI_FEATURE_PRESENT_ALLOW_TEARING, allowed, sizeof(*allowed));
    factory5->Release();
    return result;
}

void* Export(HMODULE module, const char* name) {
    return module != nullptr ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}

// The two loader entry points, from the seam or from the DLLs (which stay loaded while started).
void LoadEntries(Presenter* p, CreateDeviceFn* createDevice, CreateFactoryFn* createFactory) {
    if (g_presenterSeam != nullptr) {
        *createDevice = g_presenterSeam->createDevice;
        *createFactory = g_presenterSeam->createFactory;
        return;
    }
    if (p->d3d11 == nullptr) p->d3d11 = LoadLibraryW(L"d3d11.dll");
    if (p->dxgi == nullptr) p->dxgi = LoadLibraryW(L"dxgi.dll");
    *createDevice = reinterpret_cast<CreateDeviceFn>(Export(p->d3d11, "D3D11CreateDevice"));
    *createFactory = reinterpret_cast<CreateFactoryFn>(Export(p->dxgi, "CreateDXGIFactory1"));
}

// The adapter that drives the window's monitor, so a machine with two graphics cards renders where
// the picture is shown; null where DXGI lists no output for it.
IDXGIAdapter1* MonitorAdapter(CreateFactoryFn createFactory, HWND window) {
    IDXGIFactory1* factory = nullptr;
    if (FAILED(createFactory(__uuidof(IDXGIFactory1), reinterpret_cast<void**>(&factory)))) return nullptr;
    const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    IDXGIAdapter1* found = nullptr;
    IDXGIAdapter1* adapter = nullptr;
    for (UINT a = 0; found == nullptr && factory->EnumAdapters1(a, &adapter) == S_OK; ++a) {
        IDXGIOutput* output = nullptr;
        for (UINT o = 0; found == nullptr && adapter->EnumOutputs(o, &output) == S_OK; ++o) {
            DXGI_OUTPUT_DESC desc;
            if (SUCCEEDED(output->GetDesc(&desc)) && desc.Monitor == monitor) {
                found = adapter;
                found->AddRef();
            }
            output->Release();
        }
        adapter->Release();
    }
    factory->Release();
    return found;
}

int CreateDevice(Presenter* p, CreateDeviceFn createDevice, CreateFactoryFn createFactory) {
    IDXGIAdapter1* adapter = MonitorAdapter(createFactory, p->window);
    // With an adapter given, the driver type must be UNKNOWN; it is still the hardware device.
    HRESULT result = createDevice(adapter, adapter != nullptr ? D3D_DRIVER_TYPE_UNKNOWN : D3D_DRIVER_TYPE_HARDWARE,
                                  nullptr, 0, nullptr, 0, D3D11_SDK_VERSION, &p->device, nullptr, &p->context);
    ReleaseInto(&adapter);
    p->driver = D3D_DRIVER_TYPE_HARDWARE;
    if (FAILED(result)) {
        result = createDevice(nullptr, D3D_DRIVER_TYPE_WARP, nullptr, 0, nullptr, 0, D3D11_SDK_VERSION, &p->device,
                              nullptr, &p->context);
        p->driver = D3D_DRIVER_TYPE_WARP;
    }
    if (FAILED(result)) {
        ReleaseInto(&p->context);
        ReleaseInto(&p->device);
        return Fail(p, kPresenterNoDevice, result);
    }
    return 1;
}

// The factory that made the device's adapter: a swap chain must come from that one.
IDXGIFactory2* DeviceFactory(ID3D11Device* device, HRESULT* result) {
    IDXGIDevice* dxgiDevice = nullptr;
    IDXGIAdapter* adapter = nullptr;
    IDXGIFactory2* factory = nullptr;
    *result = device->QueryInterface(__uuidof(IDXGIDevice), reinterpret_cast<void**>(&dxgiDevice));
    if (SUCCEEDED(*result)) *result = dxgiDevice->GetAdapter(&adapter);
    if (SUCCEEDED(*result)) *result = adapter->GetParent(__uuidof(IDXGIFactory2), reinterpret_cast<void**>(&factory));
    ReleaseInto(&adapter);
    ReleaseInto(&dxgiDevice);
    return factory;
}

// scRGB: linear, BT.709 primaries, 1.0 = 80 cd/m². Windows takes FP16 swap chains as scRGB anyway;
// saying so is for the Windows versions that ask.
void SetScRgb(Presenter* p) {
    IDXGISwapChain3* chain3 = nullptr;
    if (FAILED(p->swapChain->QueryInterface(__uuidof(IDXGISwapChain3), reinterpret_cast<void**>(&chain3)))) return;
    UINT support = 0;
    const DXGI_COLOR_SPACE_TYPE scRgb = DXGI_COLOR_SPACE_RGB_FULL_G10_NONE_P709;
    if (SUCCEEDED(chain3->CheckColorSpaceSupport(scRgb, &support)) &&
        (support & DXGI_SWAP_CHAIN_COLOR_SPACE_SUPPORT_FLAG_PRESENT) != 0) {
        p->scRgbSet = SUCCEEDED(chain3->SetColorSpace1(scRgb));
    }
    chain3->Release();
}

// The swap chain's flags: ResizeBuffers must be given the ones it was made with.
UINT SwapChainFlags(const Presenter* p) {
    return p->tearing == kTearingAllowed ? DXGI_SWAP_CHAIN_FLAG_ALLOW_TEARING : 0;
}

// Asks the factory whether a swap chain may tear; the flags the swap chain is made with.
UINT TearingFlags(Presenter* p, IDXGIFactory2* factory) {
    p->tearing = kTearingNotAsked;
    if (!p->tearingAsked) return 0;
    const TearingSupportFn ask = g_presenterSeam != nullptr && g_presenterSeam->tearingSupport != nullptr
                                     ? g_presenterSeam->tearingSupport
                                     : RealTearingSupport;
    BOOL allowed = FALSE;
    const HRESULT result = ask(factory, &allowed);
    if (result == E_NOINTERFACE) {
        p->tearing = kTearingNoFactory5;
    } else if (FAILED(result)) {
        p->tearing = kTearingQueryFailed;
    } else {
        p->tearing = allowed ? kTearingAllowed : kTearingRefused;
    }
    return SwapChainFlags(p);
}

DXGI_FORMAT SwapChainFormat(const Presenter* p) {
    return p->format == kPresenterBgra8 ? DXGI_FORMAT_B8G8R8A8_UNORM : DXGI_FORMAT_R16G16B16A16_FLOAT;
}

int CreateSwapChain(Presenter* p) {
    HRESULT result = S_OK;
    IDXGIFactory2* factory = DeviceFactory(p->device, &result);
    if (factory == nullptr) return Fail(p, kPresenterNoFlipModel, result);
    const UINT flags = TearingFlags(p, factory);
    const CreateSwapChainFn create = g_presenterSeam != nullptr && g_presenterSeam->createSwapChain != nullptr
                                         ? g_presenterSeam->createSwapChain
                                         : RealCreateSwapChain;
    DXGI_SWAP_CHAIN_DESC1 desc = {};
    desc.Width = static_cast<UINT>(p->width);
    desc.Height = static_cast<UINT>(p->height);
    desc.Format = SwapChainFormat(p);
    desc.Flags = flags;
    desc.SampleDesc.Count = 1;
    desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    desc.BufferCount = kBufferCount;
    desc.Scaling = DXGI_SCALING_STRETCH;
    desc.AlphaMode = DXGI_ALPHA_MODE_UNSPECIFIED;
    for (DXGI_SWAP_EFFECT effect : kFlipEffects) {
        desc.SwapEffect = effect;
        result = create(factory, p->device, p->window, &desc, &p->swapChain);
        if (SUCCEEDED(result)) {
            p->effect = effect;
            break;
        }
        p->swapChain = nullptr;
    }
    factory->Release();
    if (p->swapChain == nullptr) return Fail(p, kPresenterNoSwapChain, result);
    if (p->format == kPresenterHalfFloat) SetScRgb(p);
    return 1;
}

// Releases the device and what hangs on it; returns the references left on the device.
ULONG ReleaseDevice(Presenter* p) {
    ReleaseInto(&p->swapChain);
    if (p->context != nullptr) {
        // Flip-model swap chains are destroyed lazily; this lets them go now.
        p->context->ClearState();
        p->context->Flush();
    }
    ReleaseInto(&p->context);
    ULONG left = 0;
    if (p->device != nullptr) left = p->device->Release();
    p->device = nullptr;
    return left;
}

int CreateDeviceAndSwapChain(Presenter* p) {
    CreateDeviceFn createDevice = nullptr;
    CreateFactoryFn createFactory = nullptr;
    LoadEntries(p, &createDevice, &createFactory);
    if (createDevice == nullptr) return Fail(p, kPresenterNoD3d11, E_NOINTERFACE);
    if (createFactory == nullptr) return Fail(p, kPresenterNoDxgi, E_NOINTERFACE);
    if (!CreateDevice(p, createDevice, createFactory)) return 0;
    if (CreateSwapChain(p)) return 1;
    ReleaseDevice(p);
    return 0;
}

void FreeLibraries(Presenter* p) {
    if (p->d3d11 != nullptr) FreeLibrary(p->d3d11);
    if (p->dxgi != nullptr) FreeLibrary(p->dxgi);
    p->d3d11 = nullptr;
    p->dxgi = nullptr;
}

int Lost(HRESULT result) {
    return result == DXGI_ERROR_DEVICE_REMOVED || result == DXGI_ERROR_DEVICE_RESET;
}

HRESULT PresentWith(Presenter* p, UINT syncInterval, UINT flags) {
    const PresentFn present =
        g_presenterSeam != nullptr && g_presenterSeam->present != nullptr ? g_presenterSeam->present : RealPresent;
    return present(p->swapChain, syncInterval, flags);
}

HRESULT PresentOnce(Presenter* p) {
    return PresentWith(p, 1, 0);
}

// Makes the device and swap chain anew after a loss, keeping the window, the size and the DLLs:
// what the caller made on the old device (a texture) still needs its code until it is released.
int Recreate(Presenter* p) {
    ReleaseDevice(p);
    ++p->recreations;
    return CreateDeviceAndSwapChain(p);
}

int UploadAndPresent(Presenter* p, const uint16_t* halves, int width, int height, HRESULT* result) {
    *result = S_OK;
    if (!UploadHalfFrame(p, halves, width, height)) return 0;
    *result = PresentOnce(p);
    return SUCCEEDED(*result);
}

}  // namespace

const PresenterSeam* CurrentPresenterSeam() { return g_presenterSeam; }

void SetPresenterSeam(const PresenterSeam* seam) {
    g_presenterSeam = seam;
}

int StartPresenter(HWND window, int width, int height, Presenter* presenter) {
    return StartPresenterWith(window, width, height, &kHalfFloatOptions, presenter);
}

int StartPresenterWith(HWND window, int width, int height, const PresenterOptions* options, Presenter* presenter) {
    *presenter = {};
    presenter->window = window;
    presenter->width = width;
    presenter->height = height;
    presenter->format = options->format;
    presenter->tearingAsked = options->allowTearing;
    if (CreateDeviceAndSwapChain(presenter)) return 1;
    FreeLibraries(presenter);
    return 0;
}

int UploadHalfFrame(Presenter* presenter, const uint16_t* halves, int width, int height) {
    if (presenter->swapChain == nullptr) return Fail(presenter, kPresenterUploadFailed, E_POINTER);
    if (width != presenter->width || height != presenter->height || presenter->format != kPresenterHalfFloat) {
        return Fail(presenter, kPresenterBadFrame, E_INVALIDARG);
    }
    ID3D11Texture2D* backBuffer = nullptr;
    const HRESULT result =
        presenter->swapChain->GetBuffer(0, __uuidof(ID3D11Texture2D), reinterpret_cast<void**>(&backBuffer));
    if (FAILED(result)) return Fail(presenter, kPresenterUploadFailed, result);
    presenter->context->UpdateSubresource(backBuffer, 0, nullptr, halves, static_cast<UINT>(width) * kBytesPerPixel, 0);
    backBuffer->Release();
    return 1;
}

int ShowHalfFrame(Presenter* presenter, const uint16_t* halves, int width, int height) {
    HRESULT result = S_OK;
    if (UploadAndPresent(presenter, halves, width, height, &result)) return 1;
    if (!Lost(result)) return FAILED(result) ? Fail(presenter, kPresenterPresentFailed, result) : 0;
    if (!Recreate(presenter)) return 0;
    if (UploadAndPresent(presenter, halves, width, height, &result)) return 1;
    if (Lost(result)) return Fail(presenter, kPresenterDeviceLost, result);
    return FAILED(result) ? Fail(presenter, kPresenterPresentFailed, result) : 0;
}

int PresentNow(Presenter* presenter) {
    if (presenter->swapChain == nullptr) return Fail(presenter, kPresenterPresentFailed, E_POINTER);
    const UINT flags = presenter->tearing == kTearingAllowed ? DXGI_PRESENT_ALLOW_TEARING : 0;
    const HRESULT result = PresentWith(presenter, 0, flags);
    if (SUCCEEDED(result)) return 1;
    if (!Lost(result)) return Fail(presenter, kPresenterPresentFailed, result);
    if (presenter->recreations > 0) return Fail(presenter, kPresenterDeviceLost, result);
    if (!Recreate(presenter)) return 0;
    return Fail(presenter, kPresenterFrameLost, result);
}

int ResizePresenter(Presenter* presenter, int width, int height) {
    if (presenter->swapChain == nullptr) return Fail(presenter, kPresenterResizeFailed, E_POINTER);
    // ResizeBuffers wants no reference left on the old buffers, the context's included.
    presenter->context->ClearState();
    presenter->context->Flush();
    const HRESULT result = presenter->swapChain->ResizeBuffers(0, static_cast<UINT>(width), static_cast<UINT>(height),
                                                               DXGI_FORMAT_UNKNOWN, SwapChainFlags(presenter));
    if (FAILED(result)) return Fail(presenter, kPresenterResizeFailed, result);
    presenter->width = width;
    presenter->height = height;
    return 1;
}

ULONG StopPresenter(Presenter* presenter) {
    const ULONG left = ReleaseDevice(presenter);
    FreeLibraries(presenter);
    *presenter = {};
    return left;
}

const char* PresenterFailureText(PresenterFailure failure) {
    switch (failure) {
    case kPresenterOk: return "ok";
    case kPresenterNoD3d11: return "d3d11.dll or D3D11CreateDevice is missing";
    case kPresenterNoDxgi: return "dxgi.dll or CreateDXGIFactory1 is missing";
    case kPresenterNoDevice: return "no Direct3D 11 device, hardware or WARP";
    case kPresenterNoFlipModel: return "DXGI 1.2 is missing (no flip-model swap chains)";
    case kPresenterNoSwapChain: return "no FP16 flip-model swap chain for the window";
    case kPresenterBadFrame: return "the frame's size is not the swap chain's";
    case kPresenterUploadFailed: return "the back buffer could not be reached";
    case kPresenterDeviceLost: return "the Direct3D device was lost again after being made anew";
    case kPresenterPresentFailed: return "Present failed";
    case kPresenterReadBackFailed: return "the back buffer could not be read back";
    case kPresenterResizeFailed: return "the swap chain could not take the window's new size";
    case kPresenterFrameLost: return "the Direct3D device was lost and made anew: the frame is to be drawn again";
    }
    return "unknown";
}
