// Setting up and removing monitor keys below HKLM\SYSTEM\CurrentControlSet\Enum\DISPLAY for a test.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

extern const wchar_t kDisplayEnum[];  // SYSTEM\CurrentControlSet\Enum\DISPLAY
// Where Wine registers its one monitor, MONITOR\Default_Monitor\{4D36E96E-…}\0000.
extern const wchar_t kWineMonitorParameters[];

// Writes a value below HKLM, creating the key as needed; true on success.
bool WriteValue(const std::wstring& key, const wchar_t* name, DWORD type, const void* data, DWORD bytes);
bool WriteBinary(const std::wstring& key, const wchar_t* name, const std::vector<unsigned char>& data);
bool WriteString(const std::wstring& key, const wchar_t* name, const std::wstring& text);
bool KeyExists(const std::wstring& key);
void DeleteValue(const std::wstring& key, const wchar_t* name);
void DeleteTree(const std::wstring& key);

// A real monitor's EDID from tests/data/edid, cut to `bytes` when nonzero.
std::vector<unsigned char> RealEdid(const char* file, size_t bytes = 0);
