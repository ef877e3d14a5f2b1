// Files of tests/data, found from the source tree so any build directory works.
#pragma once

#include <string>
#include <vector>

// Full path of `relative` below tests/data.
std::string TestDataPath(const std::string& relative);

// The bytes of tests/data/<relative>; empty when the file cannot be read.
std::vector<unsigned char> ReadTestData(const std::string& relative);

// The rows of a tab-separated table in tests/data/<relative>, split into columns, without its
// header line; empty when the file cannot be read.
std::vector<std::vector<std::string>> ReadTestTable(const std::string& relative);
