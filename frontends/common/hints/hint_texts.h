// The hints' wording, read from hints.txt beside the catalogue (UTF-8, "key = text" a line).
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "base/game.h"

namespace kvelt {

inline constexpr const char* kHintFileName = "hints.txt";

class HintTexts {
 public:
  // Lines "key = text"; blank lines and lines starting with '#' are skipped.
  static HintTexts parse(std::string_view text);
  // The text of `key`, or "" when the file has none.
  const std::string& get(const std::string& key) const;
  bool empty() const { return texts_.empty(); }

 private:
  std::map<std::string, std::string, std::less<>> texts_;
};

// hints.txt from the folder the game reads its catalogue from; the copy built into the program
// when the folder has none.
HintTexts readHintTexts(const Game& game);

}  // namespace kvelt
