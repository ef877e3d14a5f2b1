// The saved report as JSON, for programs that collect the results of many monitors: the same
// record as the HTML report, UTF-8, with fixed keys (README.md lists them). Plain standard C++
// (no Windows headers).
#pragma once

#include <stdio.h>

#include "record/report_html.h"

// Writes the report to `out`; nonzero when every write succeeded.
int WriteReportJson(FILE* out, const ReportInput* input);
