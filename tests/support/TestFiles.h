#pragma once

#include <string>

// Whole-file helpers for tests; bytes in and out unchanged.
std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& contents);
