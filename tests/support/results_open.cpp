// The results window as a run that found something leaves it.
#include "tests/support/results_open.h"

#include "record/findings.h"
#include "record/results_window.h"
#include "record/run_record.h"

void OpenResultsWithOneMark(HWND owner) {
    Mark m = {};
    m.mode = 1;
    m.type = kDefectLit;
    int previousType = 0;
    RecordMark(m, &previousType);
    OnRunEnded(owner);
}
