// Answers the next message box this process shows, from a helper thread, and reports its texts.
#pragma once
#include <windows.h>

#include <string>

struct MessageBoxWatch {
    HANDLE thread = nullptr;
    std::wstring caption;
    std::wstring text;
    bool seen = false;
    DWORD timeoutMs = 5000;
};

// Starts watching; the first message box that appears within `timeoutMs` is read and closed with OK.
void WatchForMessageBox(MessageBoxWatch* watch, DWORD timeoutMs = 5000);

// Waits for the watching thread to end; returns whether a message box was seen.
bool FinishWatch(MessageBoxWatch* watch);
