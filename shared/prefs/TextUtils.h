#pragma once

#include <string>
#include <string_view>

// Replaces every occurrence of pattern, scanning on behind each inserted text
// so that a replacement containing the pattern never loops. An empty pattern
// leaves the text unchanged.
void replaceAll(std::string& text, std::string_view pattern, std::string_view replacement);

// Byte-wise equality after mapping A-Z to a-z; no other folding, no trimming.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Removes leading and trailing blanks, tabs, line feeds, vertical tabs, form
// feeds and carriage returns.
void trim(std::string& text);

// The text with A-Z mapped to a-z.
std::string toLowerAscii(std::string_view text);
