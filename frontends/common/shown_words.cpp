// The words the player has been shown: the vocabulary, the listed objects and the carried ones.
#include "common/shown_words.h"

#include <algorithm>
#include <string_view>

#include "text/lines.h"
#include "world/movement.h"
#include "world/object_listing.h"

namespace kvelt {
namespace {

// The one-letter directions and the joining word of a use sentence: always on offer, because
// the player reads them in every room's ways out and needs them for every use.
constexpr const char* kAlwaysOffered[] = {"s", "j", "z", "v", "na"};

void addOnce(std::vector<std::string>& words, std::string_view word) {
  if (word.empty()) return;
  if (std::find(words.begin(), words.end(), word) == words.end()) words.emplace_back(word);
}

bool isObjectNow(const Game& game, std::string_view line) {
  auto names = [&](const auto& list) {
    return std::find(list.begin(), list.end(), line) != list.end();
  };
  return names(game.currentRoomObjects) || names(game.inventory);
}

}  // namespace

std::vector<std::string> visibleWords(const Game& game) {
  std::vector<std::string> words;
  for (const std::string& verb : game.verbs) addOnce(words, verb);
  for (const char* word : kAlwaysOffered) addOnce(words, word);

  const std::string_view seeHeader = kSeeHeader;
  const std::string_view waysOut = kWaysOutLead;
  bool inListing = false;
  for (std::string_view line : splitLines(game.Text2)) {
    if (line.ends_with(seeHeader)) {
      inListing = true;
    } else if (line.starts_with(waysOut)) {
      inListing = false;
    } else if (inListing && isObjectNow(game, line)) {
      addOnce(words, line);
    }
  }
  for (std::string_view line : splitLines(game.Text3)) addOnce(words, line);
  return words;
}

}  // namespace kvelt
