// Fuzzes the judging of what Windows reports of the tested monitor's colours. Input: the answers'
// fields one after the other, as Windows lays them out (4 bytes each; gaps and "answered" one byte),
// zeros past the end. Every figure comes out either in range with no reason, or unknown with one.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <initializer_list>

#include "monitor/display_state.h"

namespace {

void Check(bool ok) {
    if (!ok) abort();
}

struct Reader {
    const uint8_t* data;
    size_t size;
    size_t at;
};

// The next `count` bytes into `to`, zeros where the input has ended.
void Take(Reader* r, void* to, size_t count) {
    memset(to, 0, count);
    const size_t left = r->at < r->size ? r->size - r->at : 0;
    memcpy(to, r->data + r->at, count < left ? count : left);
    r->at += count;
}

unsigned Word(Reader* r) {
    uint32_t word;
    Take(r, &word, sizeof(word));
    return word;
}

float Float(Reader* r) {
    float value;
    Take(r, &value, sizeof(value));
    return value;
}

int Byte(Reader* r) {
    uint8_t byte;
    Take(r, &byte, 1);
    return byte;
}

void CheckState(const DisplayState& s) {
    const bool known[kDisplayFigures] = {
        s.mode != kColourModeUnknown, s.hdrSupported != -1, s.hdrUserEnabled != -1,
        s.advancedColourSupported != -1 && s.advancedColourEnabled != -1, s.bitsPerChannel != 0,
        s.encoding != kSignalUnknown, s.sdrWhiteNits != 0.0, s.hasOutput != 0, s.outputColourSpace != -1,
        s.outputBits != 0, s.hasOutputPrimaries != 0, s.outputMinLuminance != -1.0, s.outputMaxLuminance != 0.0,
        s.outputMaxFullFrame != 0.0,
    };
    for (int figure = 0; figure < kDisplayFigures; ++figure) {
        Check(known[figure] == (s.gaps[figure] == kGapKnown));
        Check(s.gaps[figure] <= kGapNonsense);
    }
    Check(s.bitsPerChannel == 0 || (s.bitsPerChannel >= 6 && s.bitsPerChannel <= 16));
    Check(s.outputBits == 0 || (s.outputBits >= 6 && s.outputBits <= 16));
    for (double nits : {s.sdrWhiteNits, s.outputMaxLuminance, s.outputMaxFullFrame}) Check(nits >= 0.0 && nits <= 10000.0);
    Check(s.outputMinLuminance == -1.0 || (s.outputMinLuminance >= 0.0 && s.outputMinLuminance < s.outputMaxLuminance));
    const ColourPrimaries& p = s.outputPrimaries;
    for (const Chromaticity& c : {p.red, p.green, p.blue, p.white}) {
        Check(!s.hasOutputPrimaries || (c.x > 0 && c.y > 0 && c.x + c.y <= 1));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader r = {data, size, 0};
    DisplayAnswers a;
    a.configGap = static_cast<FigureGap>(Byte(&r) % (kGapNonsense + 1));
    a.outputGap = static_cast<FigureGap>(Byte(&r) % (kGapNonsense + 1));
    a.info2.answered = Byte(&r);
    a.info2.flags = Word(&r);
    a.info2.encoding = Word(&r);
    a.info2.bitsPerChannel = Word(&r);
    a.info2.activeMode = Word(&r);
    a.info.answered = Byte(&r);
    a.info.flags = Word(&r);
    a.info.encoding = Word(&r);
    a.info.bitsPerChannel = Word(&r);
    a.sdrWhite.answered = Byte(&r);
    a.sdrWhite.level = Word(&r);
    a.output.answered = Byte(&r);
    a.output.bitsPerColour = Word(&r);
    a.output.colourSpace = Word(&r);
    for (float& point : a.output.primaries) point = Float(&r);
    a.output.minLuminance = Float(&r);
    a.output.maxLuminance = Float(&r);
    a.output.maxFullFrame = Float(&r);
    DisplayState state;
    InterpretDisplayAnswers(a, &state);
    CheckState(state);
    return 0;
}
