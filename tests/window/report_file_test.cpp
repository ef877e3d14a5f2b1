// Saving the report as a file through the real file system: other files in the folder are never
// touched, a path whose temporary name would not fit is refused with nothing left behind, the
// command line never replaces a file whoever wrote it (it numbers the name instead, also when two
// saves race), makes missing folders and keeps to one length rule, ".json" gives JSON, and a
// report that /report could not save is offered in the results window.
#include <gtest/gtest.h>

#include <stdio.h>

#include <set>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "record/report_file.h"
#include "record/report_path.h"
#include "record/results_window.h"
#include "record/run_record.h"
#include "testrun/motion_run.h"
#include "tests/support/message_box.h"
#include "tests/support/test_data.h"

namespace {

RunRecord g_record;  // large: kept out of the stack
std::vector<unsigned char> g_edid;

const RunRecord* Record() {
    g_edid = ReadTestData("edid/D_Dell_DELD0D9_09432B13B913.bin");
    ClearFindings(&g_record.findings, 1920, 1080);
    g_record.findings.seen[1] = 1;
    Mark m = {};
    m.mode = 1;
    m.x = 12;
    m.y = 34;
    m.type = kDefectLit;
    int previousType = 0;
    AddMark(&g_record.findings, m, &previousType);
    g_record.edid = g_edid.data();
    g_record.edidLength = static_cast<unsigned long>(g_edid.size());
    g_record.width = 1920;
    g_record.height = 1080;
    g_record.hz = 60;
    return &g_record;
}

// A new empty folder of the temporary folder, with a backslash at its end.
std::wstring NewFolder(const wchar_t* name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    wchar_t folder[MAX_PATH];
    wsprintfW(folder, L"%stavro-%s-%lu\\", temp, name, GetCurrentProcessId());
    CreateDirectoryW(folder, nullptr);
    return folder;
}

std::string ReadFile(const std::wstring& path) {
    std::string text;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (file == nullptr) return text;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof(buffer), file)) > 0;) text.append(buffer, n);
    fclose(file);
    return text;
}

void WriteFile(const std::wstring& path, const char* text) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    fputs(text, file);
    fclose(file);
}

// The names in `folder`, with what each file holds ("<dir>" for a folder).
std::set<std::string> Listing(const std::wstring& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((folder + L"*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const bool dir = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        char narrow[MAX_PATH];
        WideCharToMultiByte(CP_UTF8, 0, name.c_str(), -1, narrow, MAX_PATH, nullptr, nullptr);
        names.insert(std::string(narrow) + "=" + (dir ? "<dir>" : ReadFile(folder + name).substr(0, 15)));
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return names;
}

void RemoveFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((folder + L"*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring path = folder + found.cFileName;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveDirectoryW(path.c_str());
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

TEST(ReportFile, SavingLeavesEveryOtherFileInTheFolderAsItWas) {
    const std::wstring folder = NewFolder(L"others");
    // Files named as a temporary file of out.html could be, and a folder standing where a report goes.
    for (const wchar_t* name : {L"out.html.part", L"out.html.1.part", L"notes.txt", L"box.html.part", L"box.html.1.part"}) {
        WriteFile(folder + name, "someone else's");
    }
    CreateDirectoryW((folder + L"box.html").c_str(), nullptr);
    const std::set<std::string> before = Listing(folder);
    wchar_t reason[256] = L"";
    ASSERT_TRUE(SaveRunReport(Record(), (folder + L"out.html").c_str(), reason, 256)) << reason;
    std::set<std::string> after = Listing(folder);
    EXPECT_EQ(after.erase("out.html=<!DOCTYPE html>"), 1u);
    EXPECT_EQ(after, before);
    EXPECT_FALSE(SaveRunReport(Record(), (folder + L"box.html").c_str(), reason, 256));
    EXPECT_NE(reason[0], L'\0');
    after = Listing(folder);
    EXPECT_EQ(after.erase("out.html=<!DOCTYPE html>"), 1u);
    EXPECT_EQ(after, before);
    RemoveFolder(folder);
}

TEST(ReportFile, RefusesAPathTooLongForItsTemporaryNameAndLeavesNothing) {
    const std::wstring folder = NewFolder(L"long");
    for (size_t length = 255; length <= 259; ++length) {
        const std::wstring path = folder + std::wstring(length - folder.size() - 5, L'r') + L".html";
        ASSERT_EQ(path.size(), length);
        wchar_t reason[256] = L"";
        EXPECT_FALSE(SaveRunReport(Record(), path.c_str(), reason, 256)) << length;
        EXPECT_NE(reason[0], L'\0');
        EXPECT_TRUE(Listing(folder).empty()) << length;
    }
    RemoveFolder(folder);
}

TEST(ReportFile, CommandLineNumbersTheReportsInsteadOfReplacingAndWritesJson) {
    const std::wstring folder = NewFolder(L"numbered");
    WriteFile(folder + L"earlier.html", "from an earlier start");
    CreateDirectoryW((folder + L"earlier-2.html").c_str(), nullptr);
    const struct {
        const wchar_t* pattern;
        const wchar_t* saved;
        const char* starts;
    } table[] = {
        {L"out.html", L"out.html", "<!DOCTYPE html>"},
        {L"OUT.HTML", L"OUT-2.HTML", "<!DOCTYPE html>"},  // Windows' names know no case
        {L"out.html", L"out-3.html", "<!DOCTYPE html>"},
        {L"earlier.html", L"earlier-3.html", "<!DOCTYPE html>"},  // another's file, and a folder
        {L"{model}-{serial}.Json", L"DELL P2419H-HT8W343.Json", "{\n  \"program\": \"TAVRO "},
    };
    for (const auto& row : table) {
        wchar_t saved[MAX_PATH];
        wchar_t reason[256] = L"";
        ASSERT_TRUE(SaveCommandLineReport(Record(), (folder + row.pattern).c_str(), saved, MAX_PATH, reason, 256))
            << reason;
        EXPECT_EQ(std::wstring(saved), folder + row.saved);
        EXPECT_EQ(ReadFile(saved).rfind(row.starts, 0), 0u) << row.starts;
    }
    EXPECT_NE(ReadFile(folder + L"DELL P2419H-HT8W343.Json").find("\"model\": \"DELL P2419H\""), std::string::npos);
    EXPECT_EQ(ReadFile(folder + L"earlier.html"), "from an earlier start");
    EXPECT_EQ(Listing(folder).size(), 7u);  // out, OUT-2, out-3, earlier, its -2 and -3, the JSON
    RemoveFolder(folder);
}

// Two saves at once to one name, as two programs started together would: every report whole under
// a name of its own.
DWORD WINAPI SaveFourTimes(void* pattern) {
    for (int k = 0; k < 4; ++k) {
        wchar_t saved[MAX_PATH];
        wchar_t reason[256];
        if (!SaveCommandLineReport(&g_record, static_cast<const wchar_t*>(pattern), saved, MAX_PATH, reason, 256)) {
            return 1;
        }
    }
    return 0;
}

TEST(ReportFile, SavesRacingForOneNameEachKeepTheirOwn) {
    const std::wstring folder = NewFolder(L"race");
    const std::wstring pattern = folder + L"r.json";
    Record();  // made once: the threads only read it
    HANDLE threads[2];
    for (HANDLE& thread : threads) {
        thread = CreateThread(nullptr, 0, SaveFourTimes, const_cast<wchar_t*>(pattern.c_str()), 0, nullptr);
    }
    WaitForMultipleObjects(2, threads, TRUE, 20000);
    for (HANDLE thread : threads) {
        DWORD code = 2;
        GetExitCodeThread(thread, &code);
        EXPECT_EQ(code, 0u);
        CloseHandle(thread);
    }
    std::set<std::string> expected = {"r.json={\n  \"program\": "};
    for (int n = 2; n <= 8; ++n) expected.insert("r-" + std::to_string(n) + ".json={\n  \"program\": ");
    EXPECT_EQ(Listing(folder), expected);
    RemoveFolder(folder);
}

// The full path counts, once filled in and numbered; its missing folders are made.
TEST(ReportFile, CommandLineKeepsOneLengthRuleAndMakesMissingFolders) {
    const std::wstring folder = NewFolder(L"rule");
    const std::wstring deep = folder + L"a\\b\\";
    const size_t fill = kLongestReportPath - deep.size() - 5;
    const std::wstring longest = deep + std::wstring(fill, L'r') + L".html";      // 249: saved
    const std::wstring numbered = deep + std::wstring(fill - 1, L'n') + L".html";  // 248, its "-2" 250
    const std::wstring tooLong = deep + std::wstring(fill + 1, L't') + L".html";   // 250
    WriteFile(folder + L"c", "a file where a folder would go");
    wchar_t saved[MAX_PATH];
    wchar_t reason[256] = L"";
    ASSERT_TRUE(SaveCommandLineReport(Record(), longest.c_str(), saved, MAX_PATH, reason, 256)) << reason;
    EXPECT_EQ(std::wstring(saved), longest);
    ASSERT_TRUE(SaveCommandLineReport(Record(), numbered.c_str(), saved, MAX_PATH, reason, 256)) << reason;
    const struct {
        std::wstring pattern;
        const wchar_t* reasonHas;
    } refused[] = {
        {numbered, L"249"},
        {tooLong, L"249"},
        {deep + std::wstring(fill - 9, L'd') + L"{date}.html", L"249"},  // 246, filled in 250
        {folder + L"c\\r.html", L""},
    };
    for (const auto& row : refused) {
        const std::set<std::string> before = Listing(deep);
        reason[0] = L'\0';
        EXPECT_FALSE(SaveCommandLineReport(Record(), row.pattern.c_str(), saved, MAX_PATH, reason, 256)) << row.pattern.size();
        EXPECT_NE(std::wstring(reason).find(row.reasonHas), std::wstring::npos) << reason;
        EXPECT_NE(reason[0], L'\0');
        EXPECT_EQ(Listing(deep), before);
    }
    DeleteFileW(longest.c_str());
    DeleteFileW(numbered.c_str());
    RemoveDirectoryW((folder + L"a\\b").c_str());
    RemoveFolder(folder + L"a\\");
    RemoveFolder(folder);
}

// A run that ends without a mark: the results window opens only where /report could not save.
TEST(ReportFile, AReportNotSavedIsOfferedInTheResultsWindow) {
    const std::wstring folder = NewFolder(L"offered");
    WriteFile(folder + L"file", "a file where a folder would go");
    g_app.hInstance = GetModuleHandleW(nullptr);
    const HWND owner = CreateWindowExW(0, L"STATIC", L"selection", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       g_app.hInstance, nullptr);
    const struct {
        std::wstring pattern;
        bool offered;
    } table[] = {{folder + L"saved.html", false}, {folder + L"file\\r.html", true}};
    for (const auto& row : table) {
        CloseResultsWindow();
        BeginRunRecord(owner, KnownRefreshRate(owner));  // nothing marked, whatever ran before
        SaveReportsTo(row.pattern.c_str());
        MessageBoxWatch watch;
        WatchForMessageBox(&watch, 2000);
        OnRunEnded(owner);
        EXPECT_EQ(FinishWatch(&watch), row.offered);  // the reason, said first
        EXPECT_EQ(g_hResults != nullptr, row.offered);
        if (g_hResults != nullptr) {
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(g_hResults, 4002)));  // Save report…
            DestroyWindow(g_hResults);
        }
    }
    SaveReportsTo(L"");
    DestroyWindow(owner);
    RemoveFolder(folder);
}

}  // namespace
