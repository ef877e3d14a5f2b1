// tavro-edid [--details] FILE...: decodes raw EDID files the way a test run does and prints each
// native mode, and with --details every claim of colour, luminance, gamut and refresh.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "monitor/edid.h"
#include "tools/edid/details.h"

namespace {

enum FileResult { kDecoded, kNoResolution, kUnreadable };

// Reads all of an open file into a malloc'd buffer, growing it as it fills. Returns nullptr when
// the file cannot be read or memory runs out.
unsigned char* ReadWholeFile(FILE* file, unsigned long* length) {
    unsigned long capacity = 4096;
    unsigned long used = 0;
    unsigned char* bytes = static_cast<unsigned char*>(malloc(capacity));
    while (bytes != nullptr) {
        used += static_cast<unsigned long>(fread(bytes + used, 1, capacity - used, file));
        if (ferror(file)) break;
        if (used < capacity) {
            *length = used;
            return bytes;
        }
        unsigned char* larger = static_cast<unsigned char*>(realloc(bytes, 2 * capacity));
        if (larger == nullptr) break;
        bytes = larger;
        capacity *= 2;
    }
    free(bytes);
    return nullptr;
}

FileResult PrintMode(const char* path, const unsigned char* edid, unsigned long length) {
    NativeMode mode = {};
    if (!DecodeNativeMode(edid, length, &mode)) {
        printf("%s none\n", path);
        return kNoResolution;
    }
    printf("%s %lux%lu %s\n", path, mode.width, mode.height, NativeModeSourceName(mode.source));
    return kDecoded;
}

FileResult DecodeFile(const char* path, bool details) {
    FILE* file = fopen(path, "rb");
    if (file == nullptr) {
        fprintf(stderr, "tavro-edid: %s: cannot open the file\n", path);
        return kUnreadable;
    }
    // The base block and every extension block after it, however many the file holds.
    unsigned long length = 0;
    unsigned char* edid = ReadWholeFile(file, &length);
    fclose(file);
    if (edid == nullptr) {
        fprintf(stderr, "tavro-edid: %s: cannot read the file\n", path);
        return kUnreadable;
    }
    FileResult result = kUnreadable;
    if (length < kEdidBlockSize) {
        fprintf(stderr, "tavro-edid: %s: %lu bytes, an EDID needs at least %lu\n", path, length, kEdidBlockSize);
    } else {
        result = PrintMode(path, edid, length);
        if (details) PrintClaimDetails(stdout, edid, length);
    }
    free(edid);
    return result;
}

constexpr char kUsage[] =
    "usage: tavro-edid [--details] FILE...\n"
    "Prints the native resolution in each raw EDID file (128 bytes or more, extension blocks\n"
    "included) as FILE WIDTHxHEIGHT SOURCE, where SOURCE is displayid, cta or base (the block\n"
    "it came from), or FILE none. Exit status: 0 all decoded, 1 some gave none, 2 a file could\n"
    "not be read.\n"
    "--details: after each file's line, what the EDID claims, a line each, indented by two spaces,\n"
    "worded and rounded as edid-decode prints it: the base block's Red, Green, Blue and White x, y;\n"
    "the range limits' vertical rates (Monitor ranges: MIN-MAX Hz); the HDR static metadata's\n"
    "transfer functions, metadata types and desired content luminances (cd/m^2); the colorimetry\n"
    "flags (Colorimetry: NAME); HDR10+; DisplayID 2.0's primaries, white point, luminances and\n"
    "colour depth; the AMD block's and the HDMI Forum block's refresh rates (VRRmin, VRRmax).\n"
    "Where several blocks give the same figure the first counts; damaged blocks are passed over.\n"
    "Then what a test run takes from them: peak luminance N cd/m^2 (the HDR block's maximum, else\n"
    "DisplayID's 10 % maximum), variable refresh: MIN-MAX Hz (the HDMI Forum's, else AMD's; the\n"
    "range limits alone do not count), and per reference gamut (sRGB, DCI-P3, BT.2020) a line\n"
    "  gamut NAME xy C % uv C %, area xy A % uv A %\n"
    "where C is the share of the reference's triangle the primaries' triangle covers (at most 100)\n"
    "and A the primaries' triangle's area over the reference's, in CIE 1931 xy and CIE 1976 u'v'.\n"
    "The primaries are DisplayID's where given, else the base block's.\n";

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    const bool details = argc > 1 && strcmp(argv[1], "--details") == 0;
    if (details) first = 2;
    if (argc <= first) {
        fputs(kUsage, stderr);
        return 2;
    }
    int status = 0;
    for (int i = first; i < argc; ++i) {
        const FileResult result = DecodeFile(argv[i], details);
        if (result == kUnreadable) status = 2;
        else if (result == kNoResolution && status == 0) status = 1;
    }
    return status;
}
