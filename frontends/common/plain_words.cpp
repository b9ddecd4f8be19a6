// Reading the kit's text formats word by word.
#include "common/plain_words.h"

#include <algorithm>
#include <charconv>

namespace kvelt {

std::vector<std::string_view> plainWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < line.size()) {
    const std::size_t start = line.find_first_not_of(" \t", at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
    words.push_back(line.substr(start, end - start));
    at = end;
  }
  return words;
}

bool plainNumber(std::string_view word, int& number) {
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
  return !word.empty() && error == std::errc() && end == word.data() + word.size();
}

}  // namespace kvelt
