// Writes that remember their first failure.
#include "record/report_stream.h"

#include <stdarg.h>

void StreamPut(ReportStream* s, const char* text) {
    if (fputs(text, s->out) < 0) s->ok = false;
}

void StreamPutf(ReportStream* s, const char* format, ...) {
    va_list args;
    va_start(args, format);
    if (vfprintf(s->out, format, args) < 0) s->ok = false;
    va_end(args);
}

void StreamWrite(ReportStream* s, const char* bytes, size_t length) {
    if (fwrite(bytes, 1, length, s->out) != length) s->ok = false;
}
