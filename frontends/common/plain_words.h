// Words and numbers of the kit's own small text formats, read without string streams: those
// bring the C++ locale machinery into every program, the lean line mode and kvelt.exe too.
#pragma once

#include <string_view>
#include <vector>

namespace kvelt {

// The words of `line`, split at blanks and tabs.
std::vector<std::string_view> plainWords(std::string_view line);
// Reads `word` into `number` when it is wholly a decimal number.
bool plainNumber(std::string_view word, int& number);

}  // namespace kvelt
