// A paint that may be given up half way: a painter thread names the flag that ends its paints,
// and the screens that take seconds look at it between their strokes.
#pragma once
#include <atomic>

// From now on, paints on the calling thread are given up once `*flag` is nonzero; null: never.
// Other threads are not affected: the window's own paints always finish.
void GiveUpPaintsWhen(const std::atomic<int>* flag);

// Nonzero when the paint in progress on the calling thread is to be given up. What it has drawn
// so far is no picture of the screen and must not be shown.
int PaintGivenUp();
