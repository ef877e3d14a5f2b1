// How the program asks for per-monitor pixels: the manifest built into tavro.exe as Windows reads
// it, and the calls of each Windows in turn where the manifest's settings are not read.
#include <gtest/gtest.h>

#include <string>

#include "app/display_scale.h"

namespace {

// tavro.exe, built beside the directory of the test programs.
std::wstring ProgramPath() {
    wchar_t exe[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe, length);
    path.erase(path.find_last_of(L'\\') + 1);
    return path + L"..\\tavro.exe";
}

// One setting of the manifest as Windows' activation context reads it; empty where there is none.
std::wstring ManifestSetting(HANDLE context, const wchar_t* nameSpace, const wchar_t* name) {
    wchar_t value[128] = {};
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, context, nameSpace, name, value, ARRAYSIZE(value), &written)) return L"";
    return value;
}

TEST(DpiAwareness, TheProgramsManifestAsksForPerMonitorPixels) {
    const std::wstring program = ProgramPath();
    ASSERT_NE(GetFileAttributesW(program.c_str()), INVALID_FILE_ATTRIBUTES) << "no tavro.exe beside the tests";
    ACTCTXW request = {};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = program.c_str();
    request.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << "no manifest 1 in tavro.exe, error " << GetLastError();
    // Windows 10 from 1607 reads the first, and takes the first of its list it knows; 8.1 the second.
    EXPECT_EQ(ManifestSetting(context, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
              L"PerMonitorV2,PerMonitor");
    EXPECT_EQ(ManifestSetting(context, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"),
              L"true/pm");
    ReleaseActCtx(context);
}

// Each Windows has the calls of the ones before it: the newest of them answers. The calls are the
// real ones; those a Windows lacks are left out. Where awareness was set before (by this process's
// first call), the call that is refused still answers for its Windows.
TEST(DpiAwareness, EachWindowsAsksInItsOwnWay) {
    const AwarenessCalls real = LookUpAwarenessCalls();
    ASSERT_NE(real.setContext, nullptr);
    ASSERT_NE(real.setShcore, nullptr);
    ASSERT_NE(real.setSystem, nullptr);
    const struct {
        const char* windows;
        AwarenessCalls calls;
        AwarenessWay way;
    } table[] = {
        {"10, version 1703 on", real, kAwareByContext},
        {"10 before 1703, 8.1", {nullptr, real.setShcore, real.setSystem}, kAwareByShcore},
        {"8, 7", {nullptr, nullptr, real.setSystem}, kAwareBySystem},
        {"none of the calls", {nullptr, nullptr, nullptr}, kAwareByNone},
    };
    for (const auto& row : table) {
        EXPECT_EQ(AskForPerMonitorPixels(row.calls), row.way) << row.windows;
    }
}

}  // namespace
