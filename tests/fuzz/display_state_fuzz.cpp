// Fuzzes the judging of what Windows reports of the tested monitor's colours. Input: the answers'
// words one after the other (gaps and "answered" flags included, 4 bytes each), zeros past the
// end. Every judged state holds DisplayStateConsistent.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "tests/support/display_state_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint32_t w[27] = {};
    memcpy(w, data, size < sizeof(w) ? size : sizeof(w));
    float f[11];
    memcpy(f, w + 16, sizeof(f));
    DisplayAnswers a = {};
    a.configGap = static_cast<FigureGap>(w[0] % (kGapNonsense + 1));
    a.outputGap = static_cast<FigureGap>(w[1] % (kGapNonsense + 1));
    a.info2 = {static_cast<int>(w[2] & 1), w[3], w[4], w[5], w[6]};
    a.info = {static_cast<int>(w[7] & 1), w[8], w[9], w[10]};
    a.sdrWhite = {static_cast<int>(w[11] & 1), w[12]};
    a.output = {static_cast<int>(w[13] & 1), w[14], w[15], {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]},
                f[8], f[9], f[10]};
    DisplayState state;
    InterpretDisplayAnswers(a, &state);
    if (!DisplayStateConsistent(state)) abort();
    return 0;
}
