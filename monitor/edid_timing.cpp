// An 18-byte detailed timing: the frame size it describes.
#include "monitor/edid_blocks.h"

namespace {

constexpr unsigned long kTimingBytes = 18;
// The pixel clock counts in 10 kHz steps. No display mode runs on less than 1 MHz, so a smaller
// value means the slot holds something else (some monitors put the refresh rate there).
constexpr unsigned long kLowestClock = 100;
constexpr unsigned long kFlagsByte = 17;
constexpr unsigned char kInterlaced = 0x80;
// EDIDs mark unused fields with 01 bytes; some fill a whole unused slot with them.
constexpr unsigned char kUnused = 0x01;

int IsFiller(const unsigned char* slot) {
    for (unsigned long i = 0; i < kTimingBytes; ++i) {
        if (slot[i] != kUnused) return 0;
    }
    return 1;
}

// 12 bits per direction: a low byte and the upper nibble of a shared byte.
unsigned long TwelveBits(unsigned char low, unsigned char highNibbleByte) {
    return low + 256ul * (highNibbleByte >> 4);
}

}  // namespace

int DetailedTimingSize(const unsigned char* slot, NativeMode* mode) {
    // A display descriptor starts with a zero clock, so it is passed over here too.
    const unsigned long clock = slot[0] + 256ul * slot[1];
    if (clock < kLowestClock || IsFiller(slot)) return 0;
    const unsigned long width = TwelveBits(slot[2], slot[4]);
    const unsigned long lines = TwelveBits(slot[5], slot[7]);
    if (width == 0 || lines == 0) return 0;
    mode->width = width;
    // An interlaced timing gives the lines of one field, half the frame.
    mode->height = (slot[kFlagsByte] & kInterlaced) != 0 ? 2 * lines : lines;
    return 1;
}
