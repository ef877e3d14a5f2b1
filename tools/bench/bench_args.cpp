// Command-line parsing of tavro-bench.
#include "tools/bench/bench_args.h"

#include "tools/common/tool_args.h"

namespace {

// Reads a decimal number of at most `maxValue` from text[begin, end).
int ParseNumberIn(const std::wstring& text, size_t begin, size_t end, int maxValue, int* value) {
    return begin <= end && end <= text.size() &&
           ParseDecimalRange(text.data() + begin, text.data() + end, maxValue, value);
}

// Splits at commas; an empty piece (",," or a trailing comma) is kept so the caller rejects it.
std::vector<std::wstring> SplitBenchList(const std::wstring& text) {
    std::vector<std::wstring> pieces;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(L',', start);
        pieces.push_back(text.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start));
        if (comma == std::wstring::npos) return pieces;
        start = comma + 1;
    }
}

// "0-59", "5", "5,19,23-25": every screen named, ascending and each once.
int ParseBenchModes(const std::wstring& text, std::vector<int>* modes) {
    bool chosen[kModeCount] = {};
    for (const std::wstring& piece : SplitBenchList(text)) {
        const size_t dash = piece.find(L'-');
        int first = 0;
        int last = 0;
        if (dash == std::wstring::npos) {
            if (!ParseNumberIn(piece, 0, piece.size(), kModeCount - 1, &first)) return 0;
            last = first;
        } else if (!ParseNumberIn(piece, 0, dash, kModeCount - 1, &first) ||
                   !ParseNumberIn(piece, dash + 1, piece.size(), kModeCount - 1, &last) || last < first) {
            return 0;
        }
        for (int mode = first; mode <= last; ++mode) chosen[mode] = true;
    }
    modes->clear();
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (chosen[mode]) modes->push_back(mode);
    }
    return 1;
}

// "1920x1080,3840x2160": sizes in the order given, a repeated one only once.
int ParseBenchSizes(const std::wstring& text, std::vector<BenchSize>* sizes) {
    sizes->clear();
    for (const std::wstring& piece : SplitBenchList(text)) {
        const size_t cross = piece.find_first_of(L"xX");
        BenchSize size = {0, 0};
        if (cross == std::wstring::npos || !ParseNumberIn(piece, 0, cross, kBenchMaxSide, &size.width) ||
            !ParseNumberIn(piece, cross + 1, piece.size(), kBenchMaxSide, &size.height) || size.width == 0 ||
            size.height == 0) {
            return 0;
        }
        bool seen = false;
        for (const BenchSize& other : *sizes) seen = seen || (other.width == size.width && other.height == size.height);
        if (!seen) sizes->push_back(size);
    }
    return 1;
}

}  // namespace

BenchParse ParseBenchArgs(int argc, const wchar_t* const* argv, BenchArgs* args, std::wstring* error) {
    args->modes.clear();
    for (int mode = 0; mode < kModeCount; ++mode) args->modes.push_back(mode);
    args->sizes = {{1920, 1080}, {3840, 2160}, {7680, 4320}};
    for (int i = 1; i < argc; ++i) {
        std::wstring name = argv[i];
        if (name == L"--help" || name == L"-h" || name == L"/?") return kBenchParseHelp;
        std::wstring value;
        bool hasValue = false;
        const size_t equals = name.find(L'=');
        if (name.compare(0, 2, L"--") == 0 && equals != std::wstring::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
            hasValue = true;
        }
        if (name != L"--modes" && name != L"--sizes" && name != L"--runs" && name != L"--starts" &&
            name != L"--tavro") {
            *error = L"unknown argument " + Quoted(argv[i]);
            return kBenchParseError;
        }
        if (!hasValue) {
            if (i + 1 >= argc) {
                *error = name + L" needs a value";
                return kBenchParseError;
            }
            value = argv[++i];
        }
        if (name == L"--modes" && !ParseBenchModes(value, &args->modes)) {
            const std::wstring last = std::to_wstring(kModeCount - 1);
            *error = L"bad --modes " + Quoted(value) + L": expected screen numbers or ranges 0.." + last + L", e.g. 0-" + last;
            return kBenchParseError;
        }
        if (name == L"--sizes" && !ParseBenchSizes(value, &args->sizes)) {
            *error = L"bad --sizes " + Quoted(value) + L": expected WIDTHxHEIGHT, 1..16384 each, e.g. 1920x1080";
            return kBenchParseError;
        }
        if (name == L"--runs" && (!ParseNumberIn(value, 0, value.size(), kBenchMaxRuns, &args->runs) ||
                                  args->runs == 0)) {
            *error = L"bad --runs " + Quoted(value) + L": expected 1..1000";
            return kBenchParseError;
        }
        if (name == L"--starts" && (!ParseNumberIn(value, 0, value.size(), kBenchMaxStarts, &args->starts) ||
                                    args->starts == 0)) {
            *error = L"bad --starts " + Quoted(value) + L": expected 1..50";
            return kBenchParseError;
        }
        if (name == L"--tavro") {
            if (value.empty()) {
                *error = L"empty --tavro path";
                return kBenchParseError;
            }
            args->tavro = value;
        }
    }
    return kBenchParseOk;
}
