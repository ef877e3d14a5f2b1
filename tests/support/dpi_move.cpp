// A window's move to a monitor of another scale, message by message.
#include "tests/support/dpi_move.h"

void MoveToScale(HWND window, int fromDpi, int toDpi) {
    RECT now;
    GetWindowRect(window, &now);
    SIZE size = {MulDiv(now.right - now.left, toDpi, fromDpi), MulDiv(now.bottom - now.top, toDpi, fromDpi)};
    constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE
    SendMessageW(window, kGetDpiScaledSize, toDpi, reinterpret_cast<LPARAM>(&size));
    RECT suggested = {now.left, now.top, now.left + size.cx, now.top + size.cy};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(toDpi, toDpi), reinterpret_cast<LPARAM>(&suggested));
}
