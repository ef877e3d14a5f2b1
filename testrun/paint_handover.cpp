// Lock-free hand-over of paint orders and finished pictures between the window and the painter.
#include "testrun/paint_handover.h"

#include <stdlib.h>

#include <new>

namespace {

// Marks the picture list of a closed hand-over; never dereferenced.
PaintedPicture* const kClosed = reinterpret_cast<PaintedPicture*>(static_cast<std::uintptr_t>(1));

}  // namespace

PaintHandover* NewPaintHandover() {
    PaintHandover* h = static_cast<PaintHandover*>(malloc(sizeof(PaintHandover)));
    if (h == nullptr) return nullptr;
    new (&h->order) std::atomic<PaintOrder*>(nullptr);
    new (&h->done) std::atomic<PaintedPicture*>(nullptr);
    new (&h->stop) std::atomic<int>(0);
    new (&h->busy) std::atomic<int>(0);
    new (&h->owners) std::atomic<int>(2);
    new (&h->gaveUp) std::atomic<int>(0);
    return h;
}

int PostPaintOrder(PaintHandover* h, const PaintOrder& order) {
    PaintOrder* posted = static_cast<PaintOrder*>(malloc(sizeof(PaintOrder)));
    if (posted == nullptr) return 0;
    *posted = order;
    free(h->order.exchange(posted, std::memory_order_acq_rel));
    return 1;
}

PaintedPicture* TakePaintedPictures(PaintHandover* h) {
    PaintedPicture* head = h->done.load(std::memory_order_acquire);
    while (head != kClosed && !h->done.compare_exchange_weak(head, nullptr, std::memory_order_acq_rel)) {
    }
    return head == kClosed ? nullptr : head;
}

PaintedPicture* ClosePaintHandover(PaintHandover* h) {
    h->stop.store(1, std::memory_order_release);
    free(h->order.exchange(nullptr, std::memory_order_acq_rel));
    PaintedPicture* head = h->done.exchange(kClosed, std::memory_order_acq_rel);
    return head == kClosed ? nullptr : head;
}

int TakePaintOrder(PaintHandover* h, PaintOrder* order) {
    h->busy.store(1, std::memory_order_release);  // before the order leaves the slot: never idle in between
    PaintOrder* taken = h->order.exchange(nullptr, std::memory_order_acq_rel);
    if (taken == nullptr) {
        h->busy.store(0, std::memory_order_release);
        return 0;
    }
    *order = *taken;
    free(taken);
    return 1;
}

int HandOverPicture(PaintHandover* h, PaintedPicture* picture) {
    PaintedPicture* head = h->done.load(std::memory_order_acquire);
    do {
        if (head == kClosed) {
            picture->next = nullptr;  // the list it was about to join may be freed already
            return 0;
        }
        picture->next = head;
    } while (!h->done.compare_exchange_weak(head, picture, std::memory_order_acq_rel));
    h->busy.store(0, std::memory_order_release);
    return 1;
}

void GiveUpPainting(PaintHandover* h) {
    h->gaveUp.store(1, std::memory_order_release);
    h->busy.store(0, std::memory_order_release);
}

int PainterGaveUp(PaintHandover* h) {
    return h->gaveUp.load(std::memory_order_acquire);
}

int PainterIdle(PaintHandover* h) {
    if (PainterGaveUp(h)) return 1;
    return h->busy.load(std::memory_order_acquire) == 0 && h->order.load(std::memory_order_acquire) == nullptr;
}

void ReleasePaintHandover(PaintHandover* h) {
    if (h->owners.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
    free(h->order.load(std::memory_order_acquire));
    free(h);
}
