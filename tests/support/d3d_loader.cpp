// The Direct3D tests' own line to Windows' D3D11 and DXGI.
#include "tests/support/d3d_loader.h"

#include <initializer_list>

#include "tests/support/window_messages.h"

namespace {

void* Export(const wchar_t* dll, const char* name) {
    const HMODULE module = LoadLibraryW(dll);
    return module != nullptr ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}

}  // namespace

CreateDeviceFn RealCreateDevice() {
    return reinterpret_cast<CreateDeviceFn>(Export(L"d3d11.dll", "D3D11CreateDevice"));
}

CreateFactoryFn RealCreateFactory() {
    return reinterpret_cast<CreateFactoryFn>(Export(L"dxgi.dll", "CreateDXGIFactory1"));
}

bool MachineHasD3d11() {
    const CreateDeviceFn create = RealCreateDevice();
    ID3D11Device* device = nullptr;
    for (D3D_DRIVER_TYPE type : {D3D_DRIVER_TYPE_HARDWARE, D3D_DRIVER_TYPE_WARP}) {
        if (create != nullptr && device == nullptr) {
            create(nullptr, type, nullptr, 0, nullptr, 0, D3D11_SDK_VERSION, &device, nullptr, nullptr);
        }
    }
    if (device == nullptr) return false;
    device->Release();
    return true;
}

HWND OpenTestPopup(int width, int height) {
    static ATOM atom;
    if (atom == 0) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TavroTestPopup";
        atom = RegisterClassW(&wc);
    }
    HWND window = CreateWindowExW(0, L"TavroTestPopup", L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    PumpMessages();
    return window;
}

int g_lossesLeft;

HRESULT LosingPresent(IDXGISwapChain1* chain, UINT sync, UINT flags) {
    if (g_lossesLeft > 0) {
        --g_lossesLeft;
        return DXGI_ERROR_DEVICE_REMOVED;
    }
    return chain->Present(sync, flags);
}
