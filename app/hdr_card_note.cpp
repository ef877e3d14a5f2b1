// The HDR card's line in the selection window.
#include "app/hdr_card_note.h"

#include "app/select_layout.h"
#include "hdr/hdr_support.h"
#include "hdr/hdr_texts.h"
#include "monitor/colour_facts.h"

HWND g_hHdrNote;

const wchar_t* HdrCardNoteText() {
    const PresenterFailure failure = HdrSupportFailure();
    if (failure != kPresenterOk) return HdrFailureText(failure);
    if (HdrIsOff(CurrentColourFacts())) return HdrText(HT_HDR_OFF);
    return L"";
}

void CreateHdrCardNote(HWND parent, HINSTANCE instance) {
    // Right-aligned, so that a one-line note ends under the HDR card, the last of the bottom row;
    // a longer one wraps onto the second line rather than run past the cards.
    const int width = kSelectClientWidth - 2 * kSelectMargin;
    g_hHdrNote = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_RIGHT | SS_NOPREFIX, kSelectMargin,
                                 kSelectHdrNoteTop, width, kSelectHdrNoteHeight, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_HDR_NOTE)), instance, nullptr);
    PlaceSelectControl(g_hHdrNote, kSelectMargin, kSelectHdrNoteTop, width, kSelectHdrNoteHeight);
}

void RefreshHdrCardNote() {
    if (g_hHdrNote == nullptr) return;
    const wchar_t* text = HdrCardNoteText();
    SetWindowTextW(g_hHdrNote, text);
    ShowWindow(g_hHdrNote, text[0] != L'\0' ? SW_SHOWNA : SW_HIDE);
}
