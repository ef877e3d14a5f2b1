// Command-line parsing of tavro-render; plain standard C++ so the tests can call it directly.
#pragma once

#include <string>

#include "app/texts.h"
#include "patterns/display_facts.h"
#include "testrun/catalogue.h"

struct RenderArgs {
    int mode = -1;
    int width = 0;
    int height = 0;
    int lang = 0;
    int osdPos = 0;    // 1-based position in a play list of osdCount screens; 0: no overlay
    int osdCount = 0;
    int guide = 0;     // nonzero: the guidance panel as H shows it
    int frame = 0;     // the frame of a motion screen
    double hz = 60;    // the refresh rate a motion screen's steps are made for (up to three decimals)
    DisplayFacts facts = {};  // what the one-to-one screen says of the monitor; unknown unless given
    std::wstring out;
    int pfm = 0;  // nonzero: `out` ends in .pfm, and gets the HDR screen's frame as floats
};

enum RenderParse { kRenderParseOk, kRenderParseHelp, kRenderParseError };

constexpr int kRenderMaxSide = 16384;
constexpr int kRenderMaxFrame = 1000000000;
constexpr int kRenderMaxHz = 1000;

constexpr const char* kRenderUsage =
    "usage: tavro-render MODE WIDTH HEIGHT OUT.bmp [--lang N] [--osd POS COUNT] [--guide]\n"
    "                    [--frame K] [--hz H] [--desktop WxH] [--scale P] [--native WxH]\n"
    "       tavro-render MODE WIDTH HEIGHT OUT.pfm [--lang N]\n"
    "  MODE 0..61, WIDTH and HEIGHT 1..16384, N 0..12 (0 = English)\n"
    "  OUT.bmp: the picture GDI shows, for every screen (the HDR screens 48..59 in standard range)\n"
    "  OUT.pfm: for the HDR screens 48..59, the frame the FP16 presenter shows, as 32-bit floats in\n"
    "    scRGB (1.0 = 80 cd/m2), its texts at standard-range white\n"
    "  --osd: the overlay as the test window shows it for entry POS of a run of COUNT screens (1..60)\n"
    "  --guide: the guidance panel as the test window shows it on H or F1, in language N\n"
    "  --frame, --hz: frame K (0..1000000000, default 0) of the motion screens 42 and 43 on a\n"
    "    monitor refreshing H times a second (1..1000, up to three decimals such as 59.94; default 60)\n"
    "  --desktop, --scale, --native: what the one-to-one screen 47 says of the monitor: the mode\n"
    "    Windows sends, its display scale in per cent (1..1000) and the EDID's native mode\n"
    "    (1..16384 each side); a fact not given is unknown and not shown\n"
    "  exit codes: 0 written, 1 could not paint or write, 2 bad arguments, 3 screen not in this build\n";

// Parses argv (argv[0] is the program). On kRenderParseError, `error` holds one line without
// a trailing newline that says what is wrong.
RenderParse ParseRenderArgs(int argc, const wchar_t* const* argv, RenderArgs* args, std::wstring* error);
