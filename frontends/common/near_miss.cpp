// Telling a near miss from a line that means nothing here.
#include "common/near_miss.h"

#include <algorithm>
#include <vector>

#include "base/utf8.h"
#include "common/completion.h"
#include "common/shown_words.h"
#include "world/object_listing.h"

namespace kvelt {
namespace {

constexpr const char* kLead = "Tomu nerozumím: ";
constexpr const char* kBlanks = "slova odděluj jednou mezerou.";
constexpr const char* kCapitals = "na velkých a malých písmenech záleží.";
constexpr const char* kLowerCase = "piš malými písmeny.";
constexpr const char* kDiacritics = "hra potřebuje háčky a čárky, Tab je doplní.";
constexpr const char* kNotCarried = " neneseš.";
constexpr const char* kNotInSight = " tu nevidíš.";
constexpr std::string_view kUseVerb = "použij ";
constexpr std::string_view kPutDownVerb = "polož ";
constexpr std::string_view kJoin = " na ";

constexpr std::u32string_view kCapitalLetters = U"ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
constexpr std::u32string_view kSmallLetters = U"áčďéěíňóřšťúůýž";

std::u32string lowerCase(std::string_view text) {
  std::u32string points = decodeUtf8(text);
  for (char32_t& point : points) {
    if (point >= U'A' && point <= U'Z') {
      point = point - U'A' + U'a';
    } else if (std::size_t at = kCapitalLetters.find(point); at != std::u32string_view::npos) {
      point = kSmallLetters[at];
    }
  }
  return points;
}

// The words of the line with one blank between them, as the game compares lines.
std::string singleBlanks(std::string_view line) {
  std::string out;
  bool blank = false;
  for (char c : line) {
    if (c == ' ') {
      blank = true;
      continue;
    }
    if (blank && !out.empty()) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

// The line with each typed word written as the shown word it stands for, ignoring case and
// diacritics; the line itself when the words fit none.
std::string shownSpelling(const std::string& line, const std::vector<std::string>& words) {
  Completion completion = completeLine(line, words);
  auto fold = [](std::string_view text) {
    std::u32string points = decodeUtf8(text);
    for (char32_t& point : points) point = foldLetter(point);
    return points;
  };
  // Completion may go on beyond what was typed; only a rewrite of the same letters counts.
  return fold(completion.line) == fold(line) ? completion.line : line;
}

bool understood(const Game& game, const std::string& line) {
  Game trial = game;
  trial.Text1 = line;
  trial.turn.recognised = false;
  popisyx(trial);
  return trial.turn.recognised;
}

template <typename List>
bool holds(const List& list, std::string_view word) {
  return !word.empty() && std::find(list.begin(), list.end(), word) != list.end();
}

// "použij X", "použij X na Y" or "polož X" with X lying here and not carried, or Y in sight of
// nobody: the one word the sentence lacks.
std::optional<std::string> missingObject(const Game& game, std::string_view line) {
  std::string_view rest;
  if (line.starts_with(kUseVerb)) {
    rest = line.substr(kUseVerb.size());
  } else if (line.starts_with(kPutDownVerb)) {
    rest = line.substr(kPutDownVerb.size());
  } else {
    return std::nullopt;
  }
  auto seen = [&](std::string_view word) { return holds(game.currentRoomObjects, word); };
  auto carried = [&](std::string_view word) { return holds(game.inventory, word); };
  for (std::size_t join = rest.find(kJoin);; join = rest.find(kJoin, join + 1)) {
    const std::string_view first = rest.substr(0, join);
    if (seen(first) && !carried(first)) return std::string(first) + kNotCarried;
    if (join == std::string_view::npos) break;
    const std::string_view target = rest.substr(join + kJoin.size());
    if (carried(first) && !seen(target) && !carried(target) && line.starts_with(kUseVerb)) {
      return std::string(target) + kNotInSight;
    }
  }
  return std::nullopt;
}

bool hasCapitalNotShown(std::string_view line, const std::vector<std::string>& words) {
  const std::string lowered = encodeUtf8(lowerCase(line));
  if (lowered == line) return false;
  std::string_view rest = line;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find(' '), rest.size());
    const std::string_view word = rest.substr(0, end);
    if (encodeUtf8(lowerCase(word)) != word && !holds(words, word)) return true;
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return false;
}

}  // namespace

std::optional<std::string> nearMiss(const Game& game, std::string_view line) {
  const std::vector<std::string> words = visibleWords(game);
  const std::string single = singleBlanks(line);
  const std::string meant = shownSpelling(single, words);
  const bool blanksWrong = single != line;

  if (meant != line && understood(game, meant)) {
    std::string why = kDiacritics;
    if (blanksWrong && single == meant) {
      why = kBlanks;
    } else if (lowerCase(single) == lowerCase(meant)) {
      why = kCapitals;
    }
    return kLead + why + " Myslíš „" + meant + "“?";
  }
  if (std::optional<std::string> missing = missingObject(game, meant)) return kLead + *missing;
  if (blanksWrong) return std::string(kLead) + kBlanks;
  if (hasCapitalNotShown(single, words)) return std::string(kLead) + kLowerCase;
  if (meant != single) return kLead + ("„" + meant + "“: ") + kDiacritics;
  return std::nullopt;
}

}  // namespace kvelt
