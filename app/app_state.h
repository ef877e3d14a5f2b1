// The program's single record of application state, shared by the selection window and the test run.
#pragma once
#include <windows.h>

struct AppState {
    HWND hwndSelect;         // the selection window
    HWND hwndTest;           // the full-screen test window while a run is on
    HINSTANCE hInstance;     // this module
    HFONT fontUi;            // -14 px normal: cards and command buttons
    HFONT fontSmall;         // -12 px normal: combo box, hints, subtitle, product line
    HFONT fontTitle;         // -20 px bold: header title
    HFONT fontMono;          // -12 px fixed pitch: the screen-count badges
    int* playlist;           // modes of the current run, null before the first run
    int playlistCount;
    int playlistPos;
    int autoMode;            // nonzero when the run advances by itself
    int hoverCard;           // card 0..14 under the pointer, -1 for none
    int hoverButton;         // command button ID 1001..1004 under the pointer, -1 for none
    HBRUSH brushBackground;
    HBRUSH brushCard;
    HBRUSH brushCardChecked;
    HBRUSH brushDark;
    HBRUSH brushAccent;
};

extern AppState g_app;
