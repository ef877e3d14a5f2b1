// The kept colour facts of the tested monitor, and their reading.
#include "monitor/colour_facts.h"

#include <stdlib.h>

#include "monitor/display_state_query.h"

namespace {

ColourFacts g_facts = [] {
    ColourFacts facts = {};
    facts.state = UnknownDisplayState();
    return facts;
}();

}  // namespace

void RefreshColourFacts(const wchar_t* device) {
    ColourFacts facts = {};
    lstrcpynW(facts.device, device != nullptr ? device : L"", kDeviceNameChars);
    unsigned long length = 0;
    unsigned char* edid = facts.device[0] != L'\0' ? ReadMonitorEdidBytes(facts.device, &length) : nullptr;
    if (edid != nullptr) facts.hasClaims = DecodeMonitorClaims(edid, length, &facts.claims);
    free(edid);
    facts.state = UnknownDisplayState();
    if (facts.device[0] != L'\0') QueryDisplayState(facts.device, &facts.state);
    g_facts = facts;
}

void RefreshTestedColourFacts() {
    wchar_t device[kDeviceNameChars];
    TestedDevice(device);
    RefreshColourFacts(device);
}

const ColourFacts* CurrentColourFacts() {
    return &g_facts;
}
