// How a front end shows the words that Tab could not choose between.
#pragma once

#include <string>
#include <vector>

namespace kvelt {

// The candidates of a completion as one line for the status line, in the order offered; empty
// when Tab found one word or none, so that nothing is left standing from an earlier Tab.
inline std::string tabChoices(const std::vector<std::string>& candidates) {
  std::string text;
  if (candidates.size() < 2) return text;
  for (const std::string& word : candidates) {
    if (!text.empty()) text += ", ";
    text += word;
  }
  return text;
}

}  // namespace kvelt
