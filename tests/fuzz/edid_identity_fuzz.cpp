// Fuzzes the decoders of what an EDID says of the monitor itself, its maker, product, serial number,
// date and size, its model name and its serial text, with whatever bytes a registry "EDID" value
// could hold, of any length.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "record/report_html.h"
#include "monitor/edid.h"

namespace {

void Check(bool ok) {
    if (!ok) abort();
}

bool HasHeader(const unsigned char* edid, size_t size) {
    static const unsigned char kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    return size >= kEdidBlockSize && memcmp(edid, kHeader, 8) == 0;
}

void CheckIdentity(const unsigned char* edid, size_t size) {
    EdidIdentity id;
    memset(&id, 0xA5, sizeof(id));
    EdidIdentity untouched;
    memcpy(&untouched, &id, sizeof(id));
    if (!DecodeEdidIdentity(edid, static_cast<unsigned long>(size), &id)) {
        Check(!HasHeader(edid, size) && memcmp(&id, &untouched, sizeof(id)) == 0);
        return;
    }
    Check(HasHeader(edid, size));
    for (int k = 0; k < 3; ++k) Check((id.manufacturer[k] >= 'A' && id.manufacturer[k] <= 'Z') || id.manufacturer[k] == '?');
    Check(id.manufacturer[3] == '\0');
    Check(id.productCode <= 0xFFFF && id.week >= 0 && id.week <= 255 && id.year >= 1990 && id.year <= 1990 + 255);
    Check(id.versionMajor >= 0 && id.versionMajor <= 255 && id.versionMinor >= 0 && id.versionMinor <= 255);
    Check(id.widthCm >= 0 && id.widthCm <= 255 && (id.widthCm == 0) == (id.heightCm == 0));
    // The base block alone says the same.
    EdidIdentity base;
    Check(DecodeEdidIdentity(edid, kEdidBlockSize, &base) && memcmp(&base, &id, sizeof(id)) == 0);
}

// A descriptor's text: printable ASCII, 1 to 13 characters, from a base block with a header only,
// the same from the base block alone, and the same bytes once made UTF-8 for a report.
void CheckText(int (*decode)(const unsigned char*, unsigned long, wchar_t*), const unsigned char* edid, size_t size) {
    wchar_t text[kMonitorNameChars];
    const int found = decode(edid, static_cast<unsigned long>(size), text);
    const size_t length = wcslen(text);
    Check(found ? length >= 1 && length <= 13 && HasHeader(edid, size) : length == 0);
    char utf8[4 * kMonitorNameChars];
    WideToUtf8(text, utf8, sizeof(utf8));
    Check(strlen(utf8) == length);
    for (size_t i = 0; i < length; ++i) Check(text[i] >= 0x20 && text[i] < 0x7F && utf8[i] == static_cast<char>(text[i]));
    if (!found) return;
    wchar_t base[kMonitorNameChars];
    Check(decode(edid, kEdidBlockSize, base) && wcscmp(base, text) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A heap block of exactly the input's size, so AddressSanitizer catches any read past it.
    unsigned char* edid = static_cast<unsigned char*>(malloc(size == 0 ? 1 : size));
    if (size != 0) memcpy(edid, data, size);
    CheckIdentity(edid, size);
    CheckText(DecodeMonitorName, edid, size);
    CheckText(DecodeSerialText, edid, size);
    Check(size == 0 || memcmp(edid, data, size) == 0);  // the decoders only read
    free(edid);
    return 0;
}
