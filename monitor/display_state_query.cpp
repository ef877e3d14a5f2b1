// Asks DisplayConfig and DXGI what they report of the tested monitor's colours, and hands the
// answers to InterpretDisplayAnswers.
#include "monitor/display_state_query.h"

#include <dxgi1_6.h>
#include <stdlib.h>
#include <wchar.h>

namespace {

// Windows 11 24H2's advanced colour info 2 (DISPLAYCONFIG_DEVICE_INFO_GET_ADVANCED_COLOR_INFO_2),
// which the MinGW headers do not know yet. The flags are its bit fields as one word.
constexpr DISPLAYCONFIG_DEVICE_INFO_TYPE kGetAdvancedColourInfo2 = static_cast<DISPLAYCONFIG_DEVICE_INFO_TYPE>(15);
struct AdvancedColourInfo2Packet {
    DISPLAYCONFIG_DEVICE_INFO_HEADER header;
    UINT32 flags;
    UINT32 colourEncoding;
    UINT32 bitsPerColourChannel;
    UINT32 activeColourMode;
};
static_assert(sizeof(AdvancedColourInfo2Packet) == 36, "the packet's size as Windows checks it");

using GetBufferSizesFn = LONG(WINAPI*)(UINT32, UINT32*, UINT32*);
using QueryConfigFn = LONG(WINAPI*)(UINT32, UINT32*, DISPLAYCONFIG_PATH_INFO*, UINT32*, DISPLAYCONFIG_MODE_INFO*,
                                    DISPLAYCONFIG_TOPOLOGY_ID*);
using GetDeviceInfoFn = LONG(WINAPI*)(DISPLAYCONFIG_DEVICE_INFO_HEADER*);
using CreateFactoryFn = HRESULT(WINAPI*)(REFIID, void**);

struct ConfigCalls {
    bool looked;
    GetBufferSizesFn getBufferSizes;
    QueryConfigFn queryConfig;
    GetDeviceInfoFn getDeviceInfo;
    CreateFactoryFn createFactory;
};
ConfigCalls g_configCalls;

const DisplayStateSeam* g_displayStateSeam;

// A path can come and go between asking the sizes and asking the paths; a few tries cover that.
constexpr int kQueryTries = 3;

void* Export(HMODULE module, const char* name) {
    return module != nullptr ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}

// Looked up, not linked: DXGI 1.1 and DisplayConfig are the newest calls tavro.exe may need at start.
const ConfigCalls& Calls() {
    if (!g_configCalls.looked) {
        g_configCalls.looked = true;
        HMODULE user = GetModuleHandleW(L"user32.dll");
        HMODULE dxgi = LoadLibraryW(L"dxgi.dll");  // kept for the life of the process
        g_configCalls.getBufferSizes = reinterpret_cast<GetBufferSizesFn>(Export(user, "GetDisplayConfigBufferSizes"));
        g_configCalls.queryConfig = reinterpret_cast<QueryConfigFn>(Export(user, "QueryDisplayConfig"));
        g_configCalls.getDeviceInfo = reinterpret_cast<GetDeviceInfoFn>(Export(user, "DisplayConfigGetDeviceInfo"));
        g_configCalls.createFactory = reinterpret_cast<CreateFactoryFn>(Export(dxgi, "CreateDXGIFactory1"));
    }
    return g_configCalls;
}

int AskDeviceInfo(DISPLAYCONFIG_DEVICE_INFO_HEADER* header, DISPLAYCONFIG_DEVICE_INFO_TYPE type, UINT32 size,
                  const LUID& adapter, UINT32 id) {
    header->type = type;
    header->size = size;
    header->adapterId = adapter;
    header->id = id;
    return Calls().getDeviceInfo(header) == ERROR_SUCCESS;
}

// The target of the first of `count` paths whose source is `device`.
int MatchPath(const DISPLAYCONFIG_PATH_INFO* paths, UINT32 count, const wchar_t* device, LUID* adapter,
              UINT32* target) {
    for (UINT32 k = 0; k < count; ++k) {
        DISPLAYCONFIG_SOURCE_DEVICE_NAME source = {};
        const DISPLAYCONFIG_PATH_SOURCE_INFO& from = paths[k].sourceInfo;
        if (!AskDeviceInfo(&source.header, DISPLAYCONFIG_DEVICE_INFO_GET_SOURCE_NAME, sizeof(source),
                           from.adapterId, from.id)) {
            continue;
        }
        source.viewGdiDeviceName[CCHDEVICENAME - 1] = L'\0';
        if (wcscmp(source.viewGdiDeviceName, device) != 0) continue;
        *adapter = paths[k].targetInfo.adapterId;
        *target = paths[k].targetInfo.id;
        return 1;
    }
    return 0;
}

void AskDisplayConfig(const LUID& adapter, UINT32 target, DisplayAnswers* answers) {
    AdvancedColourInfo2Packet info2 = {};
    if (AskDeviceInfo(&info2.header, kGetAdvancedColourInfo2, sizeof(info2), adapter, target)) {
        answers->info2 = {1, info2.flags, info2.colourEncoding, info2.bitsPerColourChannel, info2.activeColourMode};
    }
    DISPLAYCONFIG_GET_ADVANCED_COLOR_INFO info = {};
    if (AskDeviceInfo(&info.header, DISPLAYCONFIG_DEVICE_INFO_GET_ADVANCED_COLOR_INFO, sizeof(info), adapter, target)) {
        answers->info = {1, info.value, static_cast<unsigned>(info.colorEncoding), info.bitsPerColorChannel};
    }
    DISPLAYCONFIG_SDR_WHITE_LEVEL white = {};
    if (AskDeviceInfo(&white.header, DISPLAYCONFIG_DEVICE_INFO_GET_SDR_WHITE_LEVEL, sizeof(white), adapter, target)) {
        answers->sdrWhite = {1, white.SDRWhiteLevel};
    }
}

struct MonitorSearch {
    const wchar_t* device;
    HMONITOR found;
};

BOOL CALLBACK MatchMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MonitorSearch* search = reinterpret_cast<MonitorSearch*>(data);
    MONITORINFOEXW info = {};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info) || wcscmp(info.szDevice, search->device) != 0) return TRUE;
    search->found = monitor;
    return FALSE;
}

// The output that shows `monitor`, with a reference the caller releases; null where none does.
IDXGIOutput* FindOutput(IDXGIFactory1* factory, HMONITOR monitor) {
    IDXGIAdapter1* adapter = nullptr;
    for (UINT a = 0; factory->EnumAdapters1(a, &adapter) == S_OK; ++a) {
        IDXGIOutput* output = nullptr;
        for (UINT o = 0; adapter->EnumOutputs(o, &output) == S_OK; ++o) {
            DXGI_OUTPUT_DESC desc = {};
            if (SUCCEEDED(output->GetDesc(&desc)) && desc.Monitor == monitor) {
                adapter->Release();
                return output;
            }
            output->Release();
        }
        adapter->Release();
    }
    return nullptr;
}

FigureGap DescribeOutput(IDXGIOutput* output, OutputAnswer* answer) {
    IDXGIOutput6* output6 = nullptr;
    if (FAILED(output->QueryInterface(__uuidof(IDXGIOutput6), reinterpret_cast<void**>(&output6)))) {
        return kGapNotOffered;
    }
    DXGI_OUTPUT_DESC1 desc = {};
    const HRESULT described = output6->GetDesc1(&desc);
    output6->Release();
    if (FAILED(described)) return kGapFailed;
    const FLOAT* points[] = {desc.RedPrimary, desc.GreenPrimary, desc.BluePrimary, desc.WhitePoint};
    for (int k = 0; k < 4; ++k) {
        answer->primaries[2 * k] = points[k][0];
        answer->primaries[2 * k + 1] = points[k][1];
    }
    answer->answered = 1;
    answer->bitsPerColour = desc.BitsPerColor;
    answer->colourSpace = static_cast<unsigned>(desc.ColorSpace);
    answer->minLuminance = desc.MinLuminance;
    answer->maxLuminance = desc.MaxLuminance;
    answer->maxFullFrame = desc.MaxFullFrameLuminance;
    return kGapKnown;
}

void AskWindows(const wchar_t* device, DisplayAnswers* answers) {
    LUID adapter = {};
    UINT32 target = 0;
    answers->configGap = kGapNoMonitor;
    if (Calls().getDeviceInfo == nullptr) {
        answers->configGap = kGapNotOffered;
    } else if (FindDisplayTarget(device, &adapter, &target)) {
        answers->configGap = kGapKnown;
        AskDisplayConfig(adapter, target, answers);
    }
    const HMONITOR monitor = FindDeviceMonitor(device);
    answers->outputGap = monitor != nullptr ? DescribeMonitorOutput(monitor, &answers->output) : kGapNoMonitor;
}

void AskSeam(const DisplayStateSeam& seam, DisplayAnswers* answers) {
    answers->configGap = kGapKnown;
    answers->outputGap = kGapKnown;
    if (seam.colourInfo2 != nullptr) answers->info2.answered = seam.colourInfo2(&answers->info2) != 0;
    if (seam.colourInfo != nullptr) answers->info.answered = seam.colourInfo(&answers->info) != 0;
    if (seam.sdrWhite != nullptr) answers->sdrWhite.answered = seam.sdrWhite(&answers->sdrWhite) != 0;
    if (seam.output != nullptr) answers->output.answered = seam.output(&answers->output) != 0;
}

}  // namespace

int FindDisplayTarget(const wchar_t* device, LUID* adapter, UINT32* target) {
    const ConfigCalls& calls = Calls();
    if (device == nullptr || device[0] == L'\0' || calls.getBufferSizes == nullptr || calls.queryConfig == nullptr ||
        calls.getDeviceInfo == nullptr) {
        return 0;
    }
    int found = 0;
    for (int tries = 0; tries < kQueryTries && !found; ++tries) {
        UINT32 pathCount = 0;
        UINT32 modeCount = 0;
        if (calls.getBufferSizes(QDC_ONLY_ACTIVE_PATHS, &pathCount, &modeCount) != ERROR_SUCCESS) return 0;
        DISPLAYCONFIG_PATH_INFO* paths =
            static_cast<DISPLAYCONFIG_PATH_INFO*>(calloc(pathCount + 1, sizeof(DISPLAYCONFIG_PATH_INFO)));
        DISPLAYCONFIG_MODE_INFO* modes =
            static_cast<DISPLAYCONFIG_MODE_INFO*>(calloc(modeCount + 1, sizeof(DISPLAYCONFIG_MODE_INFO)));
        const LONG queried = paths != nullptr && modes != nullptr
                                 ? calls.queryConfig(QDC_ONLY_ACTIVE_PATHS, &pathCount, paths, &modeCount, modes, nullptr)
                                 : ERROR_NOT_ENOUGH_MEMORY;
        if (queried == ERROR_SUCCESS) found = MatchPath(paths, pathCount, device, adapter, target);
        free(modes);
        free(paths);
        if (queried != ERROR_INSUFFICIENT_BUFFER) break;
    }
    return found;
}

HMONITOR FindDeviceMonitor(const wchar_t* device) {
    if (device == nullptr || device[0] == L'\0') return nullptr;
    MonitorSearch search = {device, nullptr};
    EnumDisplayMonitors(nullptr, nullptr, MatchMonitor, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

FigureGap DescribeMonitorOutput(HMONITOR monitor, OutputAnswer* answer) {
    *answer = OutputAnswer{};
    const CreateFactoryFn create = Calls().createFactory;
    if (create == nullptr) return kGapNotOffered;
    IDXGIFactory1* factory = nullptr;
    if (FAILED(create(__uuidof(IDXGIFactory1), reinterpret_cast<void**>(&factory)))) return kGapFailed;
    IDXGIOutput* output = FindOutput(factory, monitor);
    const FigureGap gap = output != nullptr ? DescribeOutput(output, answer) : kGapNoMonitor;
    if (output != nullptr) output->Release();
    factory->Release();
    return gap;
}

void QueryDisplayState(const wchar_t* device, DisplayState* state) {
    DisplayAnswers answers = {};
    if (g_displayStateSeam != nullptr) {
        AskSeam(*g_displayStateSeam, &answers);
    } else {
        AskWindows(device, &answers);
    }
    InterpretDisplayAnswers(answers, state);
}

void SetDisplayStateSeam(const DisplayStateSeam* seam) {
    g_displayStateSeam = seam;
}
