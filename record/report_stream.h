// A report on its way to a file: every write goes through these, and the first one that fails is
// remembered, so that a writer answers once at its end whether all of it was written. Plain
// standard C++ (no Windows headers).
#pragma once

#include <stddef.h>
#include <stdio.h>

struct ReportStream {
    FILE* out;
    bool ok;
};

void StreamPut(ReportStream* s, const char* text);
void StreamPutf(ReportStream* s, const char* format, ...);
void StreamWrite(ReportStream* s, const char* bytes, size_t length);
