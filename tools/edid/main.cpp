// tavro-edid FILE...: decodes raw EDID files the way a test run does and prints each native mode.
#include <stdio.h>
#include <stdlib.h>

#include "monitor/edid.h"

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

FileResult DecodeFile(const char* path) {
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
    }
    free(edid);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr,
                "usage: tavro-edid FILE...\n"
                "Prints the native resolution in each raw EDID file (128 bytes or more, extension blocks\n"
                "included) as FILE WIDTHxHEIGHT SOURCE, where SOURCE is displayid, cta or base (the block\n"
                "it came from), or FILE none. Exit status: 0 all decoded, 1 some gave none, 2 a file could\n"
                "not be read.\n");
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
