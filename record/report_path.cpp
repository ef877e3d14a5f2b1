// Filling in the report path's placeholders, and numbering a path that is taken.
#include "record/report_path.h"

#include <wchar.h>

#include "monitor/edid.h"

namespace {

constexpr int kValueChars = 32;  // a filled-in value: 13 characters of a name, 10 digits, "unknown"

const wchar_t kUnknown[] = L"unknown";
const wchar_t kForbidden[] = L"\\/:*?\"<>|";

// A bounded wide string being built; `ok` turns false when something did not fit.
struct PathText {
    wchar_t* text;
    int chars;
    int length;
    bool ok;
};

void AddChar(PathText* p, wchar_t c) {
    if (p->length + 1 >= p->chars) {
        p->ok = false;
        return;
    }
    p->text[p->length++] = c;
    p->text[p->length] = L'\0';
}

void AddString(PathText* p, const wchar_t* text, int count) {
    for (int i = 0; i < count && p->ok; ++i) AddChar(p, text[i]);
}

// `value` at least `width` digits wide.
void AddNumber(PathText* p, unsigned long value, int width) {
    wchar_t digits[16];
    int count = 0;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    } while (value != 0 && count < 16);
    while (count < width && count < 16) digits[count++] = L'0';
    while (count > 0 && p->ok) AddChar(p, digits[--count]);
}

// A filled-in value, made fit for a file name.
void AddValue(PathText* p, const wchar_t* value) {
    wchar_t safe[kValueChars];
    int count = 0;
    for (; value[count] != 0 && count < kValueChars - 1; ++count) {
        const wchar_t c = value[count];
        safe[count] = c < 0x20 || wcschr(kForbidden, c) != nullptr ? L'_' : c;
    }
    for (int k = count; k > 0 && (safe[k - 1] == L'.' || safe[k - 1] == L' '); --k) safe[k - 1] = L'_';
    AddString(p, safe, count);
}

void AddModel(PathText* p, const unsigned char* edid, unsigned long length) {
    wchar_t name[kMonitorNameChars];
    AddValue(p, DecodeMonitorName(edid, length, name) ? name : kUnknown);
}

void AddSerial(PathText* p, const unsigned char* edid, unsigned long length) {
    wchar_t serial[kMonitorNameChars];
    EdidIdentity id;
    if (DecodeSerialText(edid, length, serial)) {
        AddValue(p, serial);
    } else if (DecodeEdidIdentity(edid, length, &id) && id.serialNumber != 0) {
        AddNumber(p, id.serialNumber, 1);
    } else {
        AddValue(p, kUnknown);
    }
}

void AddDate(PathText* p, const ReportClock& when) {
    AddNumber(p, static_cast<unsigned long>(when.year), 4);
    AddChar(p, L'-');
    AddNumber(p, static_cast<unsigned long>(when.month), 2);
    AddChar(p, L'-');
    AddNumber(p, static_cast<unsigned long>(when.day), 2);
}

void AddTime(PathText* p, const ReportClock& when) {
    AddNumber(p, static_cast<unsigned long>(when.hour), 2);
    AddNumber(p, static_cast<unsigned long>(when.minute), 2);
    AddNumber(p, static_cast<unsigned long>(when.second), 2);
}

enum Placeholder { kNoPlaceholder, kModel, kSerial, kDate, kTime };

const struct {
    const wchar_t* word;
    Placeholder placeholder;
} kPlaceholders[] = {{L"{model}", kModel}, {L"{serial}", kSerial}, {L"{date}", kDate}, {L"{time}", kTime}};

// The placeholder `at` starts with, and its length.
Placeholder PlaceholderAt(const wchar_t* at, int* length) {
    for (const auto& p : kPlaceholders) {
        const size_t n = wcslen(p.word);
        if (wcsncmp(at, p.word, n) == 0) {
            *length = static_cast<int>(n);
            return p.placeholder;
        }
    }
    return kNoPlaceholder;
}

// The names Windows opens as a device in any folder, with any extension.
const wchar_t* const kDeviceNames[] = {L"CON",  L"PRN",  L"AUX",  L"NUL",  L"CONIN$", L"CONOUT$",
                                       L"COM0", L"COM1", L"COM2", L"COM3", L"COM4",   L"COM5",
                                       L"COM6", L"COM7", L"COM8", L"COM9", L"COM\u00B9", L"COM\u00B2",
                                       L"COM\u00B3", L"LPT0", L"LPT1", L"LPT2", L"LPT3", L"LPT4",
                                       L"LPT5", L"LPT6", L"LPT7", L"LPT8", L"LPT9", L"LPT\u00B9",
                                       L"LPT\u00B2", L"LPT\u00B3"};

wchar_t Upper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// The length of the device name that `name` (of `length` characters) stands for, 0 for none:
// Windows reads a name up to its first dot or colon, trailing spaces dropped.
int DeviceNameLength(const wchar_t* name, int length) {
    int base = 0;
    while (base < length && name[base] != L'.' && name[base] != L':') ++base;
    while (base > 0 && name[base - 1] == L' ') --base;
    for (const wchar_t* device : kDeviceNames) {
        const int n = static_cast<int>(wcslen(device));
        int k = 0;
        while (k < n && k < base && Upper(name[k]) == device[k]) ++k;
        if (k == n && n == base) return n;
    }
    return 0;
}

// The last component, from `start` on, made safe where it names a device: '_' after the name.
void AvoidDeviceName(PathText* p, int start) {
    const int device = DeviceNameLength(p->text + start, p->length - start);
    if (device == 0) return;
    const int at = start + device;
    AddChar(p, L'_');
    if (!p->ok) return;
    for (int k = p->length - 1; k > at; --k) p->text[k] = p->text[k - 1];
    p->text[at] = L'_';
}

int Finish(PathText* p) {
    if (!p->ok && p->chars > 0) p->text[0] = L'\0';
    return p->ok;
}

}  // namespace

int ExpandReportPath(const wchar_t* pattern, const unsigned char* edid, unsigned long edidLength,
                     const ReportClock& when, wchar_t* out, int outChars) {
    PathText p = {out, outChars, 0, outChars > 0};
    if (p.ok) out[0] = L'\0';
    int component = 0;    // where the current component starts in `out`
    bool filled = false;  // whether a placeholder filled in part of it
    for (const wchar_t* at = pattern;; at += 1) {
        const bool separator = *at == 0 || *at == L'\\' || *at == L'/';
        if (separator && filled && p.ok) AvoidDeviceName(&p, component);
        if (*at == 0 || !p.ok) break;
        if (separator) {
            AddChar(&p, *at);
            component = p.length;
            filled = false;
            continue;
        }
        int length = 1;
        const Placeholder placeholder = *at == L'{' ? PlaceholderAt(at, &length) : kNoPlaceholder;
        switch (placeholder) {
            case kModel: AddModel(&p, edid, edidLength); break;
            case kSerial: AddSerial(&p, edid, edidLength); break;
            case kDate: AddDate(&p, when); break;
            case kTime: AddTime(&p, when); break;
            case kNoPlaceholder: AddChar(&p, *at); break;
        }
        filled = filled || placeholder != kNoPlaceholder;
        at += length - 1;
    }
    return Finish(&p);
}

int ReportPathVariant(const wchar_t* path, int n, wchar_t* out, int outChars) {
    PathText p = {out, outChars, 0, outChars > 0 && n >= 2};
    if (outChars > 0) out[0] = L'\0';
    if (!p.ok) return 0;
    const int length = static_cast<int>(wcslen(path));
    int name = length;  // where the last component starts
    while (name > 0 && path[name - 1] != L'\\' && path[name - 1] != L'/') --name;
    int extension = length;
    for (int k = length - 1; k >= name; --k) {
        if (path[k] == L'.') {
            extension = k;
            break;
        }
    }
    AddString(&p, path, extension);
    AddChar(&p, L'-');
    AddNumber(&p, static_cast<unsigned long>(n), 1);
    AddString(&p, path + extension, length - extension);
    return Finish(&p);
}

int ShortestFilledLength(const wchar_t* pattern) {
    int total = 0;
    for (const wchar_t* at = pattern; *at != 0;) {
        int length = 1;
        switch (*at == L'{' ? PlaceholderAt(at, &length) : kNoPlaceholder) {
            case kModel:
            case kSerial:
            case kNoPlaceholder: total += 1; break;
            case kDate: total += 10; break;
            case kTime: total += 6; break;
        }
        at += length;
    }
    return total;
}

int IsJsonReportPath(const wchar_t* path) {
    const wchar_t kJson[] = L".json";
    const size_t length = wcslen(path);
    if (length < 5) return 0;
    for (size_t k = 0; k < 5; ++k) {
        wchar_t c = path[length - 5 + k];
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != kJson[k]) return 0;
    }
    return 1;
}
