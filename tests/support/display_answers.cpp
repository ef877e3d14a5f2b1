// Stand-in answers for QueryDisplayState through its seam.
#include "tests/support/display_answers.h"

#include "monitor/display_state_query.h"

namespace {

DisplayAnswers g_standIn;

// Each stand-in answers what g_standIn holds for its call.
template <typename Answer, Answer DisplayAnswers::*field>
int StandIn(Answer* answer) {
    *answer = g_standIn.*field;
    return answer->answered;
}

const DisplayStateSeam kStandInSeam = {
    StandIn<ColourInfo2Answer, &DisplayAnswers::info2>, StandIn<ColourInfoAnswer, &DisplayAnswers::info>,
    StandIn<SdrWhiteAnswer, &DisplayAnswers::sdrWhite>, StandIn<OutputAnswer, &DisplayAnswers::output>};

}  // namespace

void StandInDisplayAnswers(const DisplayAnswers& answers) {
    g_standIn = answers;
    SetDisplayStateSeam(&kStandInSeam);
}

void StopDisplayStandIn() {
    SetDisplayStateSeam(nullptr);
}
