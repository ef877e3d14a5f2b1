// Reads the presenter's back buffer back through a staging texture, so tests see what it holds:
// FP16 halves or 8-bit pixels, each from a swap chain of its own format only.
#include "hdr/d3d_presenter.h"

#include <string.h>

namespace {

constexpr size_t kHalfBytesPerPixel = 4 * sizeof(uint16_t);

int ReadBackFailed(Presenter* p, HRESULT result) {
    p->failure = kPresenterReadBackFailed;
    p->lastResult = result;
    return 0;
}

// Copies the mapped rows (each `rowPitch` bytes apart) into tightly packed rows.
void CopyRows(const D3D11_MAPPED_SUBRESOURCE& mapped, int width, int height, size_t bytesPerPixel, void* pixels) {
    const size_t rowBytes = static_cast<size_t>(width) * bytesPerPixel;
    const unsigned char* source = static_cast<const unsigned char*>(mapped.pData);
    unsigned char* target = static_cast<unsigned char*>(pixels);
    for (int y = 0; y < height; ++y) {
        memcpy(target + y * rowBytes, source + static_cast<size_t>(y) * mapped.RowPitch, rowBytes);
    }
}

// Reads the back buffer into `pixels` where it is in `format`; refuses any other, whose pixels
// would not fit.
int ReadBack(Presenter* presenter, DXGI_FORMAT format, size_t bytesPerPixel, void* pixels) {
    if (presenter->swapChain == nullptr) return ReadBackFailed(presenter, E_POINTER);
    ID3D11Texture2D* backBuffer = nullptr;
    HRESULT result =
        presenter->swapChain->GetBuffer(0, __uuidof(ID3D11Texture2D), reinterpret_cast<void**>(&backBuffer));
    if (FAILED(result)) return ReadBackFailed(presenter, result);
    D3D11_TEXTURE2D_DESC desc;
    backBuffer->GetDesc(&desc);
    if (desc.Format != format) {
        backBuffer->Release();
        return ReadBackFailed(presenter, E_INVALIDARG);
    }
    desc.Usage = D3D11_USAGE_STAGING;
    desc.BindFlags = 0;
    desc.CPUAccessFlags = D3D11_CPU_ACCESS_READ;
    desc.MiscFlags = 0;
    ID3D11Texture2D* staging = nullptr;
    result = presenter->device->CreateTexture2D(&desc, nullptr, &staging);
    if (SUCCEEDED(result)) {
        presenter->context->CopyResource(staging, backBuffer);
        D3D11_MAPPED_SUBRESOURCE mapped;
        result = presenter->context->Map(staging, 0, D3D11_MAP_READ, 0, &mapped);
        if (SUCCEEDED(result)) {
            CopyRows(mapped, static_cast<int>(desc.Width), static_cast<int>(desc.Height), bytesPerPixel, pixels);
            presenter->context->Unmap(staging, 0);
        }
        staging->Release();
    }
    backBuffer->Release();
    return SUCCEEDED(result) ? 1 : ReadBackFailed(presenter, result);
}

}  // namespace

int ReadBackHalves(Presenter* presenter, uint16_t* halves) {
    return ReadBack(presenter, DXGI_FORMAT_R16G16B16A16_FLOAT, kHalfBytesPerPixel, halves);
}

int ReadBackPixels(Presenter* presenter, uint32_t* pixels) {
    return ReadBack(presenter, DXGI_FORMAT_B8G8R8A8_UNORM, sizeof(uint32_t), pixels);
}
