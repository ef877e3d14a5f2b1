// The variable-refresh screens' frames drawn cheaply on the device: a picture wider than the screen
// kept in a texture and copied to the back buffer at an offset (the moving bars), small boxes of
// pixels over it (the block, the texts, the frame number). No frame is built whole on the CPU.
#pragma once

#include "hdr/d3d_presenter.h"

// A B8G8R8A8 picture kept on the presenter's device. It belongs to the device it was made on:
// after the device is made anew (presenter->recreations changed) it is to be made again.
struct ScrollBackdrop {
    ID3D11Texture2D* texture;
    int width;
    int height;
    int recreations;  // the presenter's count when it was made
};

// Makes a backdrop of `width` x `height` B8G8R8A8 words, rows top-down; at least as wide and
// exactly as high as the swap chain (kPresenterBadFrame otherwise).
int MakeScrollBackdrop(Presenter* presenter, const uint32_t* pixels, int width, int height, ScrollBackdrop* backdrop);

void FreeScrollBackdrop(ScrollBackdrop* backdrop);

// Fills the back buffer from the backdrop: back-buffer column x shows backdrop column x + offset,
// 0 <= offset <= backdrop width - swap chain width. kPresenterFrameLost where the backdrop is
// from a device made anew since.
int DrawScrolled(Presenter* presenter, const ScrollBackdrop* backdrop, int offset);

// A box of B8G8R8A8 words, rows top-down, to lie at (x, y) in the back buffer.
struct PixelPatch {
    int x;
    int y;
    int width;
    int height;
    const uint32_t* pixels;
};

// Copies each patch into the back buffer; one that does not lie wholly inside it is refused
// (kPresenterBadFrame) and none after it is drawn.
int DrawPatches(Presenter* presenter, const PixelPatch* patches, int count);

// Draws `number` into the top-left pixels (hdr/frame_number.h).
int DrawFrameNumber(Presenter* presenter, uint32_t number);
