// What the Direct3D tests ask of Windows itself, past the program's own loading: the real
// D3D11CreateDevice and CreateDXGIFactory1, whether a device can be had here at all, and a plain
// visible popup to show frames in.
#pragma once
#include <windows.h>

#include "hdr/d3d_presenter.h"

// Windows' own entry points, loaded here; null where the DLL or the export is missing.
CreateDeviceFn RealCreateDevice();
CreateFactoryFn RealCreateFactory();

// Whether Windows gives a D3D11 device here (hardware, else WARP), asked without the presenter:
// 32-bit Wine has none without Mesa's 32-bit drivers.
bool MachineHasD3d11();

// A visible WS_POPUP window at (0, 0) of width x height, its first messages handled.
HWND OpenTestPopup(int width, int height);

// A present for the presenter's seam that reports the device removed while g_lossesLeft is above
// zero (counting it down), and presents as Windows does after that.
extern int g_lossesLeft;
HRESULT LosingPresent(IDXGISwapChain1* chain, UINT sync, UINT flags);

// The presenter's seam set for one scope of a test, and Windows' own again after it.
struct PresenterSeamGuard {
    explicit PresenterSeamGuard(const PresenterSeam* seam) { SetPresenterSeam(seam); }
    ~PresenterSeamGuard() { SetPresenterSeam(nullptr); }
    PresenterSeamGuard(const PresenterSeamGuard&) = delete;
    PresenterSeamGuard& operator=(const PresenterSeamGuard&) = delete;
};
