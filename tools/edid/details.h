// tavro-edid --details: every claim of colour, luminance and refresh in an EDID, a line each.
#pragma once

#include <stdio.h>

// Prints the claims of the `length` bytes of `edid` to `out`, each line indented by two spaces,
// in the units and precision edid-decode prints them, then the gamut coverage.
void PrintClaimDetails(FILE* out, const unsigned char* edid, unsigned long length);
