// The variable-refresh screens' frames on the device: the scrolled backdrop and the boxes over it.
#include "hdr/d3d_motion_frame.h"

#include "hdr/frame_number.h"

namespace {

constexpr UINT kBytesPerPixel = sizeof(uint32_t);

int Fail(Presenter* p, PresenterFailure failure, HRESULT result) {
    p->failure = failure;
    p->lastResult = result;
    return 0;
}

// The current back buffer, or null with the presenter's failure set.
ID3D11Texture2D* BackBuffer(Presenter* p) {
    if (p->swapChain == nullptr || p->format != kPresenterBgra8) {
        Fail(p, kPresenterUploadFailed, E_POINTER);
        return nullptr;
    }
    ID3D11Texture2D* backBuffer = nullptr;
    const HRESULT result = p->swapChain->GetBuffer(0, __uuidof(ID3D11Texture2D), reinterpret_cast<void**>(&backBuffer));
    if (FAILED(result)) Fail(p, kPresenterUploadFailed, result);
    return backBuffer;
}

bool Inside(const Presenter* p, const PixelPatch& patch) {
    return patch.pixels != nullptr && patch.x >= 0 && patch.y >= 0 && patch.width > 0 && patch.height > 0 &&
           patch.width <= p->width - patch.x && patch.height <= p->height - patch.y;
}

}  // namespace

int MakeScrollBackdrop(Presenter* presenter, const uint32_t* pixels, int width, int height, ScrollBackdrop* backdrop) {
    *backdrop = {};
    if (presenter->device == nullptr || presenter->format != kPresenterBgra8) {
        return Fail(presenter, kPresenterUploadFailed, E_POINTER);
    }
    if (width < presenter->width || height != presenter->height) return Fail(presenter, kPresenterBadFrame, E_INVALIDARG);
    D3D11_TEXTURE2D_DESC desc = {};
    desc.Width = static_cast<UINT>(width);
    desc.Height = static_cast<UINT>(height);
    desc.MipLevels = 1;
    desc.ArraySize = 1;
    desc.Format = DXGI_FORMAT_B8G8R8A8_UNORM;
    desc.SampleDesc.Count = 1;
    desc.Usage = D3D11_USAGE_IMMUTABLE;  // made once, only ever copied from
    desc.BindFlags = D3D11_BIND_SHADER_RESOURCE;
    const D3D11_SUBRESOURCE_DATA data = {pixels, static_cast<UINT>(width) * kBytesPerPixel, 0};
    const HRESULT result = presenter->device->CreateTexture2D(&desc, &data, &backdrop->texture);
    if (FAILED(result)) return Fail(presenter, kPresenterUploadFailed, result);
    backdrop->width = width;
    backdrop->height = height;
    backdrop->recreations = presenter->recreations;
    return 1;
}

void FreeScrollBackdrop(ScrollBackdrop* backdrop) {
    if (backdrop->texture != nullptr) backdrop->texture->Release();
    *backdrop = {};
}

int DrawScrolled(Presenter* presenter, const ScrollBackdrop* backdrop, int offset) {
    if (backdrop->texture == nullptr) return Fail(presenter, kPresenterUploadFailed, E_POINTER);
    if (backdrop->recreations != presenter->recreations) return Fail(presenter, kPresenterFrameLost, E_POINTER);
    if (offset < 0 || offset > backdrop->width - presenter->width || backdrop->height != presenter->height) {
        return Fail(presenter, kPresenterBadFrame, E_INVALIDARG);
    }
    ID3D11Texture2D* backBuffer = BackBuffer(presenter);
    if (backBuffer == nullptr) return 0;
    const D3D11_BOX box = {static_cast<UINT>(offset), 0, 0, static_cast<UINT>(offset + presenter->width),
                           static_cast<UINT>(presenter->height), 1};
    presenter->context->CopySubresourceRegion(backBuffer, 0, 0, 0, 0, backdrop->texture, 0, &box);
    backBuffer->Release();
    return 1;
}

int DrawPatches(Presenter* presenter, const PixelPatch* patches, int count) {
    ID3D11Texture2D* backBuffer = BackBuffer(presenter);
    if (backBuffer == nullptr) return 0;
    int ok = 1;
    for (int i = 0; i < count; ++i) {
        const PixelPatch& patch = patches[i];
        ok = Inside(presenter, patch);
        if (!ok) {
            Fail(presenter, kPresenterBadFrame, E_INVALIDARG);
            break;
        }
        const D3D11_BOX box = {static_cast<UINT>(patch.x), static_cast<UINT>(patch.y), 0,
                               static_cast<UINT>(patch.x + patch.width), static_cast<UINT>(patch.y + patch.height), 1};
        presenter->context->UpdateSubresource(backBuffer, 0, &box, patch.pixels,
                                              static_cast<UINT>(patch.width) * kBytesPerPixel, 0);
    }
    backBuffer->Release();
    return ok;
}

int DrawFrameNumber(Presenter* presenter, uint32_t number) {
    uint32_t pixels[kFrameNumberPixels];
    EncodeFrameNumber(number, pixels);
    const PixelPatch patch = {0, 0, kFrameNumberPixels, 1, pixels};
    return DrawPatches(presenter, &patch, 1);
}
