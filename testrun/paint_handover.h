// The hand-over between the test window and the painter thread that prepares screens ahead:
// orders one way, finished pictures the other, with no locks. Plain standard C++ (no Windows
// headers), so the sanitizers' thread checks can run it natively.
#pragma once
#include <atomic>
#include <cstdint>

// What to paint. Immutable once posted: everything the painter reads of the run is in here.
struct PaintOrder {
    int mode;
    int width;
    int height;
    int lang;
    unsigned generation;  // changes whenever pictures of earlier orders no longer fit the window
};

// A finished picture: the order and an opaque handle (0 when the picture could not be made).
struct PaintedPicture {
    PaintOrder order;
    std::uintptr_t handle;
    PaintedPicture* next;  // further pictures handed over and not yet taken
};

struct PaintHandover {
    std::atomic<PaintOrder*> order;        // the newest order not yet taken
    std::atomic<PaintedPicture*> done;     // finished pictures, newest first; kClosed once the window has gone
    std::atomic<int> stop;                 // the window has gone: the painter ends
    std::atomic<int> busy;                 // the painter holds an order it has not answered yet
    std::atomic<int> owners;               // the window and the painter: the last one frees this
    std::atomic<int> gaveUp;               // the painter cannot paint and has ended: the window draws itself
};

// A new hand-over owned by both sides; null when memory is short.
PaintHandover* NewPaintHandover();

// Window side. Posting replaces an order the painter has not taken yet; that one is dropped.
// 0 when memory is short.
int PostPaintOrder(PaintHandover* h, const PaintOrder& order);
// Every picture handed over since the last call, newest first; the caller owns them (free).
PaintedPicture* TakePaintedPictures(PaintHandover* h);
// The window has gone: no more orders, and pictures handed over from now on stay with the
// painter. Returns the pictures handed over before, for the caller to free.
PaintedPicture* ClosePaintHandover(PaintHandover* h);

// Painter side. Takes the newest order into `order`; 0 when there is none. The painter is busy
// from taking an order until it hands over its picture.
int TakePaintOrder(PaintHandover* h, PaintOrder* order);
// Hands a picture over; 0 when the window has gone, and the painter keeps and frees it.
int HandOverPicture(PaintHandover* h, PaintedPicture* picture);

// Painter side: nothing can be painted here (no device context, no memory). The order it holds is
// answered with that, and the window draws every screen itself from now on.
void GiveUpPainting(PaintHandover* h);
// Window side: nonzero once the painter has given up.
int PainterGaveUp(PaintHandover* h);

// Nonzero when no order waits and the painter holds none, or when it has given up.
int PainterIdle(PaintHandover* h);

// Each side lets go once; the last frees the hand-over and any order still in it.
void ReleasePaintHandover(PaintHandover* h);
