// Completing the input line from the words the player has been shown, without diacritics.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvelt {

struct Completion {
  std::string line;
  // Every word that matched: one when the completion was unique, none when nothing matched.
  std::vector<std::string> candidates;
};

// Completes the word being typed at the end of `line` from `words`, matching without
// diacritics and case; a multi-word object may be completed from several typed words
// ("pouzij kamen na straz na h" -> "použij kámen na stráž na hradbách"; "vezmi pochoden" ->
// "vezmi pochodeň"). Typed words before the completed part are rewritten to their exact forms
// too. When several words match, `line` is extended to the longest common
// (diacritic-insensitive) prefix and `candidates` lists them; with no match `line` is
// unchanged. No blank is added after a completed word: the game compares whole lines, and a
// trailing blank would make the command unknown.
// `words` come as visibleWords lists them: the verbs and directions, the joining word "na", then
// the objects. After a verb the objects are offered first; after a verb and an object, "na".
Completion completeLine(std::string_view line, const std::vector<std::string>& words);

// The letter with Czech diacritics removed and in lower case; other letters unchanged.
char32_t foldLetter(char32_t letter);

}  // namespace kvelt
