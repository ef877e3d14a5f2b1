// Colours and face names used across TAVRO: its own windows and panels, and the plain colours the
// test screens share.
#pragma once
#include <windows.h>

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// The selection window, its cards and buttons, and the overlay panel.
constexpr COLORREF kUiBackground = RGB(245, 244, 240);
constexpr COLORREF kUiCardChecked = RGB(242, 251, 246);
constexpr COLORREF kUiDark = RGB(18, 24, 31);  // title text, START and AUTO, the dark overlay panel
constexpr COLORREF kUiText = RGB(58, 70, 82);
constexpr COLORREF kUiAccent = RGB(0, 180, 90);

// The face every text of the program asks for, and the screens' fallback where it cannot be made.
constexpr wchar_t kUiFace[] = L"Microsoft YaHei UI";
constexpr wchar_t kFallbackFace[] = L"Segoe UI";
