// Fuzzes the reading of the command line. Input: the arguments after the program's name,
// separated by NUL bytes; each byte becomes one character. Every line is either read whole or
// refused with a reason and the argument it names, terminated within its buffer and cut with an
// ellipsis where it does not fit; the same line read with a smaller buffer gives the same answer; a
// /report path taken can fill in short enough to be saved.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <wchar.h>

#include <memory>
#include <string>
#include <vector>

#include "app/bounded_format.h"
#include "app/command_line.h"

namespace {

constexpr int kGuard = 4;

void Check(bool ok) {
    if (!ok) abort();
}

struct Reading {
    int ok;
    int fault;
    std::wstring culprit;
};

// Parses with a culprit buffer of `chars` and a guard behind it that must stay untouched.
Reading Parse(const std::vector<const wchar_t*>& argv, CommandLine* line, int chars) {
    std::vector<wchar_t> culprit(chars + kGuard, L'#');
    Reading r = {0, -1, L""};
    r.ok = ParseCommandLine(static_cast<int>(argv.size()), argv.data(), line, culprit.data(), chars, &r.fault);
    for (int k = chars; k < chars + kGuard; ++k) Check(culprit[k] == L'#');
    const size_t length = chars > 0 ? wcsnlen(culprit.data(), chars) : 0;
    Check(chars == 0 || length < static_cast<size_t>(chars));
    r.culprit.assign(culprit.data(), length);
    return r;
}

// The culprit is one of the arguments (or "" for an empty one), whole or cut with an ellipsis.
bool NamesAnArgument(const std::wstring& culprit, const std::vector<std::wstring>& args) {
    for (const std::wstring& arg : args) {
        const std::wstring shown = arg.empty() ? L"\"\"" : arg;
        if (culprit == shown) return true;
        if (culprit.empty() || culprit.back() != L'\u2026') continue;
        const size_t kept = culprit.size() - 1;
        if (kept < shown.size() && shown.compare(0, kept, culprit, 0, kept) == 0) return true;
    }
    return false;
}

void CheckRead(const CommandLine& line) {
    Check(line.start >= kNoRunStart && line.start <= kAutoRun);
    Check(line.monitor >= 0 && line.monitor <= kMaxMonitorNumber);
    Check(wcsnlen(line.report, kReportPatternChars) < static_cast<size_t>(kReportPatternChars));
    Check(ShortestFilledLength(line.report) <= kLongestReportPath);
    int ticked = 0;
    for (int card : line.cards) {
        Check(card == 0 || card == 1);
        ticked += card;
    }
    Check(line.cardsGiven ? ticked > 0 : ticked == 0);
}

// Each argument formatted into a buffer of 1 to 8 characters: whole or cut, terminated, counted.
void CheckFormat(const std::wstring& arg) {
    const size_t count = arg.size() % 8 + 1;
    std::vector<wchar_t> buffer(count + kGuard, L'#');
    const int written = FormatText(buffer.data(), count, L"%ls", arg.c_str());
    const size_t expected = arg.size() < count ? arg.size() : count - 1;
    Check(written == static_cast<int>(expected) && buffer[expected] == L'\0');
    Check(arg.compare(0, expected, buffer.data(), expected) == 0);
    for (size_t k = count; k < count + kGuard; ++k) Check(buffer[k] == L'#');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::wstring> args(1);
    for (size_t k = 0; k < size; ++k) {
        if (data[k] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<wchar_t>(data[k]));
        }
    }
    if (size == 0) args.clear();
    std::vector<const wchar_t*> argv = {L"tavro.exe"};
    for (const std::wstring& arg : args) argv.push_back(arg.c_str());

    std::unique_ptr<CommandLine> line(new CommandLine);
    const Reading full = Parse(argv, line.get(), kReportPathChars + 8);
    Check((full.ok != 0) == (full.fault == kArgumentsGood));
    Check(full.fault >= kArgumentsGood && full.fault < kMonitorAbsent);
    if (full.ok) {
        Check(full.culprit.empty());
        CheckRead(*line);
    } else {
        Check(NamesAnArgument(full.culprit, args));
    }
    const int smallChars = static_cast<int>(size % 6);
    const Reading small = Parse(argv, line.get(), smallChars);
    Check(small.ok == full.ok && small.fault == full.fault);
    Check(full.ok || smallChars < 2 || NamesAnArgument(small.culprit, args));
    for (const std::wstring& arg : args) CheckFormat(arg);
    return 0;
}
