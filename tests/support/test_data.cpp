// Reading the files of tests/data for the tests.
#include "tests/support/test_data.h"

#include <stdio.h>

std::string TestDataPath(const std::string& relative) {
    // This file sits in tests/support; under Wine an absolute Unix path resolves through drive Z:.
    std::string path = __FILE__;
    const size_t slash = path.find_last_of("/\\");
    path.resize(slash == std::string::npos ? 0 : slash + 1);
    return path + "../data/" + relative;
}

std::vector<unsigned char> ReadTestData(const std::string& relative) {
    std::vector<unsigned char> bytes;
    FILE* file = fopen(TestDataPath(relative).c_str(), "rb");
    if (file == nullptr) return bytes;
    unsigned char chunk[4096];
    size_t got = 0;
    while ((got = fread(chunk, 1, sizeof(chunk), file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    fclose(file);
    return bytes;
}

std::vector<std::vector<std::string>> ReadTestTable(const std::string& relative) {
    std::vector<std::vector<std::string>> rows;
    const std::vector<unsigned char> text = ReadTestData(relative);
    std::vector<std::string> row(1);
    bool header = true;
    for (size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? static_cast<char>(text[i]) : '\n';
        if (c == '\r') continue;
        if (c == '\t') {
            row.emplace_back();
        } else if (c != '\n') {
            row.back() += c;
        } else {
            const bool blank = row.size() == 1 && row[0].empty();
            if (!blank && !header) rows.push_back(row);
            if (!blank) header = false;
            row.assign(1, std::string());
        }
    }
    return rows;
}
