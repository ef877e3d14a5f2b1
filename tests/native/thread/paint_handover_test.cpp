// The hand-over between the window and the painter thread under ThreadSanitizer: a window thread
// posting orders faster than they are painted and then leaving, a painter taking and answering them.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <atomic>
#include <thread>

#include "testrun/paint_handover.h"

namespace {

PaintOrder Order(int n) {
    return {n % 34, 100 + n, 50 + n, n % 13, static_cast<unsigned>(n)};
}

// Frees a list of pictures; returns how many there were and checks each is its own order's.
int FreeList(PaintedPicture* list) {
    int count = 0;
    while (list != nullptr) {
        PaintedPicture* next = list->next;
        EXPECT_EQ(list->handle, static_cast<std::uintptr_t>(list->order.width) * 1000 + list->order.height);
        free(list);
        list = next;
        ++count;
    }
    return count;
}

TEST(PaintHandover, OrdersAndPicturesCrossWithoutRaceOrLoss) {
    for (int round = 0; round < 20; ++round) {
        PaintHandover* h = NewPaintHandover();
        ASSERT_NE(h, nullptr);
        std::atomic<int> painted{0};
        std::atomic<int> keptByPainter{0};
        std::thread painter([h, &painted, &keptByPainter] {
            PaintOrder order;
            while (!h->stop.load(std::memory_order_acquire)) {
                if (!TakePaintOrder(h, &order)) {
                    std::this_thread::yield();
                    continue;
                }
                EXPECT_EQ(order.height, order.width - 50);  // an order arrives whole
                PaintedPicture* p = static_cast<PaintedPicture*>(malloc(sizeof(PaintedPicture)));
                *p = {order, static_cast<std::uintptr_t>(order.width) * 1000 + order.height, nullptr};
                ++painted;
                if (!HandOverPicture(h, p)) {
                    keptByPainter += FreeList(p);
                    break;
                }
            }
            ReleasePaintHandover(h);
        });
        int taken = 0;
        for (int n = 0; n < 2000; ++n) {
            ASSERT_EQ(PostPaintOrder(h, Order(n)), 1);
            if (n % 7 == 0) taken += FreeList(TakePaintedPictures(h));
        }
        taken += FreeList(ClosePaintHandover(h));
        EXPECT_EQ(TakePaintedPictures(h), nullptr);  // closed: nothing more comes this way
        ReleasePaintHandover(h);
        painter.join();
        EXPECT_EQ(taken + keptByPainter.load(), painted.load());  // every picture freed exactly once
    }
}

}  // namespace
