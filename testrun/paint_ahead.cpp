// The painter thread and the window's store of prepared pictures.
#include "testrun/paint_ahead.h"

#include <stdlib.h>

#include "app/palette.h"
#include "app/texts.h"
#include "patterns/paint_cancel.h"
#include "patterns/screen_text.h"
#include "testrun/catalogue.h"
#include "testrun/crash_restore.h"
#include "testrun/paint_handover.h"
#include "testrun/screen_paint.h"

namespace {

constexpr int kKeptPictures = 3;  // the shown screen, the next and the previous
// Pictures kept and the one being painted stay within this, so that at 7680 x 4320 (133 MB a
// picture) a 32-bit process keeps most of its address space: there only the shown screen and the
// next are kept.
constexpr unsigned long long kPictureBudgetBytes = 400ull << 20;

// A picture the window keeps: `bitmap` is null when the screen could not be prepared (no memory
// for it), so it is drawn directly.
struct Picture {
    int mode;  // -1: empty
    HBITMAP bitmap;
};

// What the window side knows; touched by the UI thread only.
struct PaintAhead {
    PaintHandover* handover;  // null: no painter, every screen is drawn directly
    HANDLE wake;              // set after each order and at the end
    HANDLE thread;            // the painter, for its priority once the run has ended
    int width;
    int height;
    unsigned generation;      // the window's size and language of the current pictures
    int ordered;              // mode of the newest order not yet answered, -1 for none
    int plannedAfterPaint;    // the shown screen is ready: its neighbours are ordered once it is painted
    Picture pictures[kKeptPictures];
};

// What a painter thread starts with; it owns this and its copy of the wake event.
struct PainterStart {
    PaintHandover* handover;
    HANDLE wake;
    HWND window;
    PainterFault fault;
};

PaintAhead g_paintAhead = {nullptr, nullptr, nullptr, 0, 0, 0, -1, 0, {{-1, nullptr}, {-1, nullptr}, {-1, nullptr}}};
volatile LONG g_runningPainters = 0;
PainterFault g_painterFault = PainterFault::kNone;

// Paints `order` into a new bitmap in the screen's format; null when there is no memory for it.
HBITMAP PaintPicture(HDC memory, const PaintOrder& order) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, order.width, order.height);
    ReleaseDC(nullptr, screen);
    if (bitmap == nullptr) return nullptr;
    HGDIOBJ old = SelectObject(memory, bitmap);
    const RECT rc = {0, 0, order.width, order.height};
    FillRect(memory, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));  // as a screen drawn directly
    PaintTestScreen(memory, &rc, order.mode, nullptr);
    GdiFlush();
    SelectObject(memory, old);
    return bitmap;
}

void FreePictures(PaintedPicture* list) {
    while (list != nullptr) {
        PaintedPicture* next = list->next;
        if (list->handle != 0) DeleteObject(reinterpret_cast<HBITMAP>(list->handle));
        free(list);
        list = next;
    }
}

HDC NewPainterDc(PainterFault fault) {
    if (fault == PainterFault::kNoDevice) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    return memory;
}

PaintedPicture* NewAnswer(PainterFault fault) {
    if (fault == PainterFault::kNoMemory) return nullptr;
    return static_cast<PaintedPicture*>(malloc(sizeof(PaintedPicture)));
}

DWORD WINAPI PainterMain(void* param) {
    ReserveCrashStack();
    const PainterStart start = *static_cast<PainterStart*>(param);
    free(param);
    HDC memory = NewPainterDc(start.fault);
    GiveUpPaintsWhen(&start.handover->stop);  // the slowest screens stop half way once the run has ended
    PaintOrder order;
    while (!start.handover->stop.load(std::memory_order_acquire)) {
        if (!TakePaintOrder(start.handover, &order)) {
            WaitForSingleObject(start.wake, INFINITE);
            continue;
        }
        PaintedPicture* picture = memory != nullptr ? NewAnswer(start.fault) : nullptr;
        if (picture == nullptr) {
            // Nothing can be painted here: the window is told, and draws every screen itself.
            GiveUpPainting(start.handover);
            PostMessageW(start.window, kPictureReadyMessage, 0, 0);
            break;
        }
        *picture = {order, 0, nullptr};  // the window orders the screen again or draws it itself
        PaintScreensInLanguage(order.lang);
        picture->handle = reinterpret_cast<std::uintptr_t>(PaintPicture(memory, order));
        // A paint given up half way is no picture of its screen: it never reaches the window.
        if (start.handover->stop.load(std::memory_order_acquire) || !HandOverPicture(start.handover, picture)) {
            FreePictures(picture);
            break;
        }
        PostMessageW(start.window, kPictureReadyMessage, 0, 0);
    }
    GiveUpPaintsWhen(nullptr);
    if (memory != nullptr) DeleteDC(memory);
    CloseHandle(start.wake);
    ReleasePaintHandover(start.handover);
    InterlockedDecrement(&g_runningPainters);
    return 0;
}

Picture* FindPicture(int mode) {
    for (Picture& p : g_paintAhead.pictures) {
        if (p.mode == mode) return &p;
    }
    return nullptr;
}

void FreePicture(Picture* p) {
    if (p->bitmap != nullptr) DeleteObject(p->bitmap);
    *p = {-1, nullptr};
}

void FreeAllPictures() {
    for (Picture& p : g_paintAhead.pictures) FreePicture(&p);
}

// Up to kKeptPictures bitmaps that a thread of their own deletes.
struct PicturesToFree {
    HBITMAP bitmaps[kKeptPictures];
};

DWORD WINAPI FreePicturesMain(void* param) {
    PicturesToFree* list = static_cast<PicturesToFree*>(param);
    for (HBITMAP bitmap : list->bitmaps) {
        if (bitmap != nullptr) DeleteObject(bitmap);
    }
    free(list);
    InterlockedDecrement(&g_runningPainters);
    return 0;
}

// The end of a run: giving back the pictures' memory (133 MB each at 7680 x 4320) takes the
// system milliseconds a picture, which the window's closing does not wait for. Where no thread
// can be started, they are freed here.
void FreeAllPicturesAside() {
    int count = 0;
    for (const Picture& p : g_paintAhead.pictures) count += p.bitmap != nullptr;
    PicturesToFree* list = count > 0 ? static_cast<PicturesToFree*>(malloc(sizeof(PicturesToFree))) : nullptr;
    if (list == nullptr) {
        FreeAllPictures();
        return;
    }
    for (int k = 0; k < kKeptPictures; ++k) list->bitmaps[k] = g_paintAhead.pictures[k].bitmap;
    InterlockedIncrement(&g_runningPainters);  // counted until the pictures are gone
    HANDLE thread = CreateThread(nullptr, 0, FreePicturesMain, list, 0, nullptr);
    if (thread == nullptr) {
        InterlockedDecrement(&g_runningPainters);
        free(list);
        FreeAllPictures();
        return;
    }
    CloseHandle(thread);
    for (Picture& p : g_paintAhead.pictures) p = {-1, nullptr};
}

// The screens to keep around the current entry, most wanted first, as many as the budget allows
// beside one being painted.
int WantedScreens(const RunPlace& place, int wanted[3]) {
    const int count = ScreensAround(place.playlist, place.count, place.position, wanted);
    const unsigned long long bytes = 4ull * g_paintAhead.width * g_paintAhead.height;
    const unsigned long long fit = bytes > 0 ? kPictureBudgetBytes / bytes : kKeptPictures + 1;
    const int allowed = fit > kKeptPictures ? kKeptPictures : fit > 1 ? static_cast<int>(fit) - 1 : 1;
    return count < allowed ? count : allowed;
}

int ShownMode(const RunPlace& place) {
    if (place.playlist == nullptr || place.position < 0 || place.position >= place.count) return -1;
    return place.playlist[place.position];
}

bool Wanted(int mode, const int* wanted, int count) {
    for (int k = 0; k < count; ++k) {
        if (wanted[k] == mode) return true;
    }
    return false;
}

void FreeUnwantedPictures(const int* wanted, int count) {
    for (Picture& p : g_paintAhead.pictures) {
        if (p.mode != -1 && !Wanted(p.mode, wanted, count)) FreePicture(&p);
    }
}

// Keeps `arrived` if it is of the current size and language and still wanted; frees it otherwise.
void KeepPicture(const PaintedPicture& arrived, const int* wanted, int count) {
    const PaintOrder& o = arrived.order;
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(arrived.handle);
    const bool fits = o.generation == g_paintAhead.generation && o.lang == g_lang;
    if (fits && o.mode == g_paintAhead.ordered) g_paintAhead.ordered = -1;
    Picture* slot = FindPicture(-1);
    if (!fits || !Wanted(o.mode, wanted, count) || FindPicture(o.mode) != nullptr || slot == nullptr) {
        if (bitmap != nullptr) DeleteObject(bitmap);
        return;
    }
    *slot = {o.mode, bitmap};
}

// Copies `bitmap` onto `hdc` and returns its centre pixel.
COLORREF CopyPicture(HDC hdc, const RECT* rc, HBITMAP bitmap) {
    HDC memory = CreateCompatibleDC(hdc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const int width = rc->right - rc->left;
    const int height = rc->bottom - rc->top;
    BitBlt(hdc, rc->left, rc->top, width, height, memory, 0, 0, SRCCOPY);
    const COLORREF centre = GetPixel(memory, width / 2, height / 2);
    SelectObject(memory, old);
    DeleteDC(memory);
    return centre;
}

}  // namespace

void StartPaintAhead(HWND hwnd) {
    StopPaintAhead();
    PaintScreensInLanguage(-1);  // this thread follows the UI language; painters take their orders
    RECT client;
    GetClientRect(hwnd, &client);
    g_paintAhead.width = client.right;
    g_paintAhead.height = client.bottom;
    ++g_paintAhead.generation;
    PaintHandover* handover = NewPaintHandover();
    HANDLE wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE painterWake = nullptr;
    if (wake != nullptr) {
        DuplicateHandle(GetCurrentProcess(), wake, GetCurrentProcess(), &painterWake, 0, FALSE, DUPLICATE_SAME_ACCESS);
    }
    PainterStart* start = static_cast<PainterStart*>(malloc(sizeof(PainterStart)));
    if (start != nullptr) *start = {handover, painterWake, hwnd, g_painterFault};
    HANDLE thread = nullptr;
    if (handover != nullptr && painterWake != nullptr && start != nullptr) {
        InterlockedIncrement(&g_runningPainters);
        thread = CreateThread(nullptr, 0, PainterMain, start, 0, nullptr);
        if (thread == nullptr) InterlockedDecrement(&g_runningPainters);
    }
    if (thread == nullptr) {  // no painter: everything is drawn directly
        free(start);
        if (painterWake != nullptr) CloseHandle(painterWake);
        if (wake != nullptr) CloseHandle(wake);
        if (handover != nullptr) {
            ReleasePaintHandover(handover);  // for the painter that never started
            ReleasePaintHandover(handover);
        }
        return;
    }
    g_paintAhead.handover = handover;
    g_paintAhead.wake = wake;
    g_paintAhead.thread = thread;
}

void StopPaintAhead() {
    FreeAllPicturesAside();
    g_paintAhead.ordered = -1;
    if (g_paintAhead.handover == nullptr) return;
    // The painter gives up its screen at its next look at the flag; until then it yields the
    // processor to the window's closing and to whatever the person does next.
    SetThreadPriority(g_paintAhead.thread, THREAD_PRIORITY_LOWEST);
    CloseHandle(g_paintAhead.thread);
    FreePictures(ClosePaintHandover(g_paintAhead.handover));
    SetEvent(g_paintAhead.wake);
    CloseHandle(g_paintAhead.wake);
    ReleasePaintHandover(g_paintAhead.handover);
    g_paintAhead.handover = nullptr;
    g_paintAhead.wake = nullptr;
    g_paintAhead.thread = nullptr;
}

void ForgetPreparedScreens() {
    ++g_paintAhead.generation;
    g_paintAhead.ordered = -1;
    FreeAllPictures();
}

void ResizePaintAhead(int width, int height, const RunPlace& place) {
    if (width == g_paintAhead.width && height == g_paintAhead.height) return;
    g_paintAhead.width = width;
    g_paintAhead.height = height;
    ForgetPreparedScreens();
    PrepareAhead(place);
}

int PaintAheadIdle() {
    return g_paintAhead.handover == nullptr || PainterIdle(g_paintAhead.handover);
}

void PrepareAhead(const RunPlace& place) {
    g_paintAhead.plannedAfterPaint = 0;
    if (g_paintAhead.handover == nullptr) return;
    int wanted[3];
    const int count = WantedScreens(place, wanted);
    FreeUnwantedPictures(wanted, count);
    if (g_paintAhead.width <= 0 || g_paintAhead.height <= 0) return;
    for (int k = 0; k < count; ++k) {
        if (FindPicture(wanted[k]) != nullptr) continue;
        if (g_paintAhead.ordered == wanted[k]) return;
        const PaintOrder order = {wanted[k], g_paintAhead.width, g_paintAhead.height, g_lang, g_paintAhead.generation};
        if (!PostPaintOrder(g_paintAhead.handover, order)) return;
        g_paintAhead.ordered = wanted[k];
        SetEvent(g_paintAhead.wake);
        return;
    }
}

void PrepareAheadAfterStep(const RunPlace& place) {
    const int shown = ShownMode(place);
    if (g_paintAhead.handover != nullptr && ModeCategory(shown) >= 0 && FindPicture(shown) != nullptr) {
        g_paintAhead.plannedAfterPaint = 1;  // the copy goes first; the painter would only slow it down
        return;
    }
    PrepareAhead(place);
}

void ScreenPainted(const RunPlace& place) {
    if (g_paintAhead.plannedAfterPaint) PrepareAhead(place);
}

void TakePreparedScreens(HWND hwnd, const RunPlace& place) {
    if (g_paintAhead.handover == nullptr) return;
    if (PainterGaveUp(g_paintAhead.handover)) {
        StopPaintAhead();                       // every screen is drawn directly from now on
        InvalidateRect(hwnd, nullptr, FALSE);  // the shown screen, black until now
        return;
    }
    PaintedPicture* list = TakePaintedPictures(g_paintAhead.handover);
    int wanted[3];
    const int count = WantedScreens(place, wanted);
    FreeUnwantedPictures(wanted, count);  // first, so that a fresh picture finds a free slot
    const int shown = ShownMode(place);
    bool shownArrived = false;
    while (list != nullptr) {
        PaintedPicture* next = list->next;
        KeepPicture(*list, wanted, count);
        shownArrived = shownArrived || (list->order.mode == shown && FindPicture(shown) != nullptr);
        free(list);
        list = next;
    }
    if (shownArrived) InvalidateRect(hwnd, nullptr, FALSE);
    PrepareAhead(place);
}

int ScreenShowable(int mode) {
    // A painter that gave up paints nothing more, whether or not its message came.
    return g_paintAhead.handover == nullptr || PainterGaveUp(g_paintAhead.handover) || ModeCategory(mode) < 0 ||
           IsMotionMode(mode) || IsVrrMode(mode) || FindPicture(mode) != nullptr;
}

COLORREF PaintShownScreen(HDC hdc, const RECT* rc, int mode) {
    const Picture* picture = FindPicture(mode);
    const bool sized = rc->right - rc->left == g_paintAhead.width && rc->bottom - rc->top == g_paintAhead.height;
    if (picture != nullptr && picture->bitmap != nullptr && sized) return CopyPicture(hdc, rc, picture->bitmap);
    // The window does not erase its background, so that a copied picture follows the last one
    // with no black frame between them; a screen drawn here starts from black as a picture does.
    FillRect(hdc, rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!ScreenShowable(mode)) return kBlack;  // shown when it is ready
    PaintTestScreen(hdc, rc, mode, nullptr);
    return GetPixel(hdc, rc->left + (rc->right - rc->left) / 2, rc->top + (rc->bottom - rc->top) / 2);
}

void SetPainterFaultForTests(PainterFault fault) {
    g_painterFault = fault;
}

int RunningPainters() {
    return static_cast<int>(InterlockedCompareExchange(&g_runningPainters, 0, 0));
}
