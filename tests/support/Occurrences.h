#pragma once

#include <cstddef>
#include <string>

// How often `part` stands in `text`, overlapping ones included; for log lines that must be
// written exactly once.
std::size_t occurrences(const std::string& text, const std::string& part);
