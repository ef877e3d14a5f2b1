// The one record of the current run.
#include "record/run_record.h"

#include <stdlib.h>
#include <string.h>

#include "monitor/colour_facts.h"
#include "monitor/monitors.h"

namespace {

// Nothing known of the colours before the first run.
RunRecord g_record = [] {
    RunRecord record = {};
    record.displayState = UnknownDisplayState();
    return record;
}();

}  // namespace

const RunRecord* CurrentRunRecord() {
    return &g_record;
}

void RecordTestedMonitor(const wchar_t* device) {
    free(g_record.edid);
    g_record.edid = ReadMonitorEdidBytes(device, &g_record.edidLength);
    if (g_record.edid == nullptr) g_record.edidLength = 0;
}

void BeginRunRecord(HWND hwnd, double hz) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    g_record.width = rc.right;
    g_record.height = rc.bottom;
    // The motion screens pace at a stand-in rate where none is known; the record says "unknown".
    g_record.hz = hz;
    g_record.displayState = CurrentColourFacts()->state;
    ClearFindings(&g_record.findings, rc.right, rc.bottom);
}

void NoteScreenSeen(int mode) {
    if (ModeCategory(mode) >= 0) g_record.findings.seen[mode] = 1;
}

int RecordMark(const Mark& mark, int* previousType, int typeOrigin) {
    return AddMark(&g_record.findings, mark, previousType, typeOrigin);
}

void RecordMotionFigures(int mode, double hz, long long frames, long long dropped) {
    AddMotionFigures(&g_record.findings, mode, hz, frames, dropped);
}

void RecordVrrFigures(int mode, int variableRefresh, const VrrRecord& record) {
    AddVrrFigures(&g_record.findings, mode, variableRefresh, record.frames, record.late, record.sweptLowHz,
                  record.sweptHighHz, record.meter.lowestHz, record.meter.highestHz);
}

void RecordHdrVisit(int visit, int windowsState, double sdrWhiteNits, double claimedPeakNits) {
    AddHdrVisit(&g_record.findings, visit, windowsState, sdrWhiteNits, claimedPeakNits);
}

void RecordHdrFailure(int failure) {
    AddHdrFailure(&g_record.findings, failure);
}

int RecordScreenNote(int mode) {
    return ToggleNote(&g_record.findings, mode);
}

RunRecord* CopyRunRecord() {
    RunRecord* copy = static_cast<RunRecord*>(malloc(sizeof(RunRecord)));
    if (copy == nullptr) return nullptr;
    memcpy(copy, &g_record, sizeof(RunRecord));
    copy->edid = nullptr;
    if (g_record.edid != nullptr && g_record.edidLength > 0) {
        copy->edid = static_cast<unsigned char*>(malloc(g_record.edidLength));
        if (copy->edid == nullptr) {
            free(copy);
            return nullptr;
        }
        memcpy(copy->edid, g_record.edid, g_record.edidLength);
    }
    return copy;
}

void FreeRunRecordCopy(RunRecord* copy) {
    if (copy == nullptr) return;
    free(copy->edid);
    free(copy);
}
