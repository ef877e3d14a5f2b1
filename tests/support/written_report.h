// What a report writer puts in a file, read back whole, for the tests of the HTML and JSON reports.
// Plain standard C++ and GoogleTest: the native unit tests use it too.
#pragma once
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

#include "record/report_html.h"

inline std::string WrittenReport(int (*writer)(FILE*, const ReportInput*), const ReportInput& input) {
    FILE* file = tmpfile();
    EXPECT_NE(file, nullptr);
    if (file == nullptr) return "";
    EXPECT_TRUE(writer(file, &input));
    std::string text(static_cast<size_t>(ftell(file)), '\0');
    rewind(file);
    EXPECT_EQ(fread(&text[0], 1, text.size(), file), text.size());
    fclose(file);
    return text;
}
