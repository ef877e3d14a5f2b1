// Texts of the EDID's display descriptors: the monitor's model name and its serial number.
#include "monitor/edid.h"

#include "monitor/edid_blocks.h"

namespace {

constexpr unsigned char kMonitorNameTag = 0xFC;
constexpr unsigned char kSerialTextTag = 0xFF;
constexpr unsigned long kDescriptorTextStart = 5;

bool IsTextDescriptor(const unsigned char* slot, unsigned char tag) {
    return slot[0] == 0 && slot[1] == 0 && slot[2] == 0 && slot[3] == tag;
}

// Copies the descriptor's text up to its line feed, then drops the padding spaces at its end.
int CopyDescriptorText(const unsigned char* slot, wchar_t* name) {
    int count = 0;
    for (unsigned long i = kDescriptorTextStart; i < kBaseSlotSize && slot[i] != 0x0A; ++i) {
        const unsigned char c = slot[i];
        name[count++] = c >= 0x20 && c < 0x7F ? static_cast<wchar_t>(c) : L'?';
    }
    while (count > 0 && name[count - 1] == L' ') --count;
    name[count] = L'\0';
    return count;
}

}  // namespace

// The text of the first non-empty descriptor tagged `tag` in the base block.
int DecodeDescriptorText(const unsigned char* edid, unsigned long length, unsigned char tag, wchar_t* text) {
    text[0] = L'\0';
    if (edid == nullptr || length < kEdidBlockSize || !HasEdidHeader(edid)) return 0;
    for (unsigned long slot = 0; slot < kBaseSlotCount; ++slot) {
        const unsigned char* descriptor = edid + kBaseSlotsStart + slot * kBaseSlotSize;
        if (IsTextDescriptor(descriptor, tag) && CopyDescriptorText(descriptor, text) > 0) return 1;
    }
    return 0;
}

int DecodeMonitorName(const unsigned char* edid, unsigned long length, wchar_t name[kMonitorNameChars]) {
    return DecodeDescriptorText(edid, length, kMonitorNameTag, name);
}

int DecodeSerialText(const unsigned char* edid, unsigned long length, wchar_t serial[kMonitorNameChars]) {
    return DecodeDescriptorText(edid, length, kSerialTextTag, serial);
}
