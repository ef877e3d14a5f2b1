// Filling in the report path's placeholders, and numbering a path that is taken.
#include "record/report_path.h"

#include <wchar.h>

#include "testrun/edid.h"

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

int Finish(PathText* p) {
    if (!p->ok && p->chars > 0) p->text[0] = L'\0';
    return p->ok;
}

}  // namespace

int ExpandReportPath(const wchar_t* pattern, const unsigned char* edid, unsigned long edidLength,
                     const ReportClock& when, wchar_t* out, int outChars) {
    PathText p = {out, outChars, 0, outChars > 0};
    if (p.ok) out[0] = L'\0';
    for (const wchar_t* at = pattern; *at != 0 && p.ok;) {
        int length = 1;
        switch (*at == L'{' ? PlaceholderAt(at, &length) : kNoPlaceholder) {
            case kModel: AddModel(&p, edid, edidLength); break;
            case kSerial: AddSerial(&p, edid, edidLength); break;
            case kDate: AddDate(&p, when); break;
            case kTime: AddTime(&p, when); break;
            case kNoPlaceholder: AddChar(&p, *at); break;
        }
        at += length;
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
