// Stand-in answers for QueryDisplayState through its seam.
#include "tests/support/display_answers.h"

#include "monitor/display_state_query.h"

namespace {

DisplayAnswers g_standIn;

int StandInInfo2(ColourInfo2Answer* answer) {
    *answer = g_standIn.info2;
    return answer->answered;
}

int StandInInfo(ColourInfoAnswer* answer) {
    *answer = g_standIn.info;
    return answer->answered;
}

int StandInSdrWhite(SdrWhiteAnswer* answer) {
    *answer = g_standIn.sdrWhite;
    return answer->answered;
}

int StandInOutput(OutputAnswer* answer) {
    *answer = g_standIn.output;
    return answer->answered;
}

const DisplayStateSeam kStandInSeam = {StandInInfo2, StandInInfo, StandInSdrWhite, StandInOutput};

}  // namespace

void StandInDisplayAnswers(const DisplayAnswers& answers) {
    g_standIn = answers;
    SetDisplayStateSeam(&kStandInSeam);
}

void StopDisplayStandIn() {
    SetDisplayStateSeam(nullptr);
}
