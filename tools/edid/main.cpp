// tavro-edid FILE...: decodes raw EDID files the way a test run does and prints each native mode.
#include <stdio.h>

#include "testrun/edid.h"

namespace {

enum FileResult { kDecoded, kNoResolution, kUnreadable };

FileResult DecodeFile(const char* path) {
    unsigned char edid[kEdidBaseBlockSize];
    FILE* file = fopen(path, "rb");
    if (file == nullptr) {
        fprintf(stderr, "tavro-edid: %s: cannot open the file\n", path);
        return kUnreadable;
    }
    // Only the base block matters; any extension blocks after it are ignored.
    const size_t got = fread(edid, 1, sizeof(edid), file);
    const int failed = ferror(file);
    fclose(file);
    if (failed) {
        fprintf(stderr, "tavro-edid: %s: cannot read the file\n", path);
        return kUnreadable;
    }
    if (got < sizeof(edid)) {
        fprintf(stderr, "tavro-edid: %s: %u bytes, an EDID needs at least %lu\n", path,
                static_cast<unsigned>(got), kEdidBaseBlockSize);
        return kUnreadable;
    }
    unsigned long width = 0;
    unsigned long height = 0;
    if (!GetNativeResolutionFromEDID(edid, &width, &height)) {
        printf("%s none\n", path);
        return kNoResolution;
    }
    printf("%s %lux%lu\n", path, width, height);
    return kDecoded;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr,
                "usage: tavro-edid FILE...\n"
                "Prints the native resolution in each raw EDID file (128 bytes or more) as FILE WIDTHxHEIGHT,\n"
                "or FILE none. Exit status: 0 all decoded, 1 some gave none, 2 a file could not be read.\n");
        return 2;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const FileResult result = DecodeFile(argv[i]);
        if (result == kUnreadable) status = 2;
        else if (result == kNoResolution && status == 0) status = 1;
    }
    return status;
}
