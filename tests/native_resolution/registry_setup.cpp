// Registry set-up for the native resolution tests, written through the real registry API.
#include "registry_setup.h"

#include "tests/support/test_data.h"

const wchar_t kDisplayEnum[] = L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY";
const wchar_t kWineMonitorParameters[] =
    L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\Default_Monitor\\0000&0000\\Device Parameters";

bool WriteValue(const std::wstring& key, const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LONG status = RegSetValueExW(handle, name, 0, type, static_cast<const BYTE*>(data), bytes);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

bool WriteBinary(const std::wstring& key, const wchar_t* name, const std::vector<unsigned char>& data) {
    return WriteValue(key, name, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
}

bool WriteString(const std::wstring& key, const wchar_t* name, const std::wstring& text) {
    return WriteValue(key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

bool KeyExists(const std::wstring& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

void DeleteValue(const std::wstring& key, const wchar_t* name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS) return;
    RegDeleteValueW(handle, name);
    RegCloseKey(handle);
}

void DeleteTree(const std::wstring& key) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
}

std::vector<unsigned char> RealEdid(const char* file, size_t bytes) {
    std::vector<unsigned char> edid = ReadTestData(std::string("edid/") + file);
    if (bytes != 0 && bytes < edid.size()) edid.resize(bytes);
    return edid;
}
