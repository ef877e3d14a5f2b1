// Stand-in answers for QueryDisplayState, for tests of whatever shows or saves the display state:
//   DisplayAnswers answers = {};
//   answers.info = {1, kInfoAdvancedColourSupported | kInfoAdvancedColourEnabled, 2, 10};  // 4:2:2
//   answers.sdrWhite = {1, 3000};  // 240 cd/m²
//   StandInDisplayAnswers(answers);  // type 15 and DXGI fail: their `answered` is 0
#pragma once

#include "monitor/display_state.h"

// Until StopDisplayStandIn, QueryDisplayState judges `answers` (copied) instead of asking Windows:
// each call whose `answered` is 0 fails. configGap and outputGap are not used.
void StandInDisplayAnswers(const DisplayAnswers& answers);

// QueryDisplayState asks Windows again.
void StopDisplayStandIn();
