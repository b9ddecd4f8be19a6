// Completing the input line from the words the player has been shown.
#include "common/completion.h"

#include <algorithm>
#include <utility>

#include "base/utf8.h"

namespace kvelt {
namespace {

struct LetterFold {
  char32_t letter, plain;
};
constexpr LetterFold kCzechLetters[] = {
    {U'á', U'a'}, {U'č', U'c'}, {U'ď', U'd'}, {U'é', U'e'}, {U'ě', U'e'}, {U'í', U'i'},
    {U'ň', U'n'}, {U'ó', U'o'}, {U'ř', U'r'}, {U'š', U's'}, {U'ť', U't'}, {U'ú', U'u'},
    {U'ů', U'u'}, {U'ý', U'y'}, {U'ž', U'z'}, {U'Á', U'a'}, {U'Č', U'c'}, {U'Ď', U'd'},
    {U'É', U'e'}, {U'Ě', U'e'}, {U'Í', U'i'}, {U'Ň', U'n'}, {U'Ó', U'o'}, {U'Ř', U'r'},
    {U'Š', U's'}, {U'Ť', U't'}, {U'Ú', U'u'}, {U'Ů', U'u'}, {U'Ý', U'y'}, {U'Ž', U'z'},
};

std::u32string fold(std::string_view text) {
  std::u32string points = decodeUtf8(text);
  for (char32_t& point : points) point = foldLetter(point);
  return points;
}

bool startsWith(const std::u32string& text, const std::u32string& prefix) {
  return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin());
}

void addOnce(std::vector<std::string>& words, std::string_view word) {
  if (word.empty()) return;
  if (std::find(words.begin(), words.end(), word) == words.end()) words.emplace_back(word);
}

std::vector<std::string_view> splitAtBlanks(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ') {
      ++i;
      continue;
    }
    std::size_t end = line.find(' ', i);
    if (end == std::string_view::npos) end = line.size();
    words.push_back(line.substr(i, end - i));
    i = end;
  }
  return words;
}

std::string joinWords(const std::vector<std::string_view>& words, std::size_t from,
                      std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) {
    if (i > from) text += ' ';
    text += words[i];
  }
  return text;
}

// The shown word that `typed` stands for once diacritics and case are ignored, or `typed`
// itself when no word, or more than one different word, fits.
std::string exactForm(const std::string& typed, const std::vector<std::string>& words) {
  const std::u32string folded = fold(typed);
  std::string found;
  for (const std::string& word : words) {
    if (fold(word) != folded) continue;
    if (word == typed) return word;
    if (!found.empty()) return typed;
    found = word;
  }
  return found.empty() ? typed : found;
}

// Rewrites the typed words to their exact forms, taking the longest run of typed words that
// makes up one shown word each time, so that "straz na hradbach" becomes one object.
std::vector<std::string> rewriteWords(const std::vector<std::string_view>& typed, std::size_t count,
                                      const std::vector<std::string>& words) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < count) {
    std::size_t end = count;
    for (; end > start + 1; --end) {
      std::string run = joinWords(typed, start, end);
      std::string exact = exactForm(run, words);
      if (exact != run || std::find(words.begin(), words.end(), run) != words.end()) break;
    }
    out.push_back(exactForm(joinWords(typed, start, end), words));
    start = end;
  }
  return out;
}

// The longest prefix all candidates share when diacritics and case are ignored, written as the
// candidates write it; where they write a letter differently, as it was typed.
std::string commonPrefix(const std::vector<std::string>& candidates, const std::string& typed) {
  std::vector<std::u32string> exact;
  exact.reserve(candidates.size());
  for (const std::string& word : candidates) exact.push_back(decodeUtf8(word));
  const std::u32string typedPoints = decodeUtf8(typed);
  const std::u32string& first = exact.front();
  std::u32string prefix;
  for (std::size_t i = 0; i < first.size(); ++i) {
    bool sameLetter = true, sameWriting = true;
    for (const std::u32string& word : exact) {
      if (i >= word.size() || foldLetter(word[i]) != foldLetter(first[i])) sameLetter = false;
      if (i >= word.size() || word[i] != first[i]) sameWriting = false;
    }
    if (!sameLetter) break;
    if (sameWriting) {
      prefix += first[i];
    } else if (i < typedPoints.size()) {
      prefix += typedPoints[i];
    } else {
      break;
    }
  }
  return encodeUtf8(prefix);
}

constexpr std::string_view kJoiningWord = "na";

// What fits where the completed part stands comes first: after the verb an object, after the
// object the joining word; the words a line begins with come last.
void offerFittingFirst(std::vector<std::string>& candidates, const std::vector<std::string>& words,
                       const std::vector<std::string_view>& typedBefore) {
  if (typedBefore.empty()) return;
  const bool afterObject = typedBefore.size() >= 2 && typedBefore.back() != kJoiningWord;
  const auto join = std::find(words.begin(), words.end(), kJoiningWord);
  if (join == words.end()) return;
  auto rank = [&](const std::string& word) {
    const bool object = std::find(join + 1, words.end(), word) != words.end();
    if (word == kJoiningWord) return afterObject ? 0 : 2;
    return object ? 1 : 3;
  };
  std::stable_sort(candidates.begin(), candidates.end(),
                   [&](const std::string& a, const std::string& b) { return rank(a) < rank(b); });
}

}  // namespace

char32_t foldLetter(char32_t letter) {
  if (letter >= U'A' && letter <= U'Z') return letter - U'A' + U'a';
  for (const LetterFold& fold : kCzechLetters) {
    if (fold.letter == letter) return fold.plain;
  }
  return letter;
}

Completion completeLine(std::string_view line, const std::vector<std::string>& words) {
  std::vector<std::string> shown;
  for (const std::string& word : words) addOnce(shown, word);

  const std::vector<std::string_view> typed = splitAtBlanks(line);
  const bool endsWithBlank = line.empty() || line.back() == ' ';
  // The completed part starts at the earliest typed word from which the rest of the line is
  // the beginning of a shown word; an empty part after a blank fits every word.
  const std::size_t last = endsWithBlank ? typed.size() : typed.size() - 1;
  for (std::size_t start = 0; start <= last; ++start) {
    std::string part = joinWords(typed, start, typed.size());
    if (endsWithBlank && start < typed.size()) part += ' ';
    const std::u32string foldedPart = fold(part);
    std::vector<std::string> candidates;
    for (const std::string& word : shown) {
      if (startsWith(fold(word), foldedPart)) candidates.push_back(word);
    }
    if (candidates.empty()) continue;
    offerFittingFirst(candidates, shown, {typed.begin(), typed.begin() + start});

    std::string completed =
        candidates.size() == 1 ? candidates.front() : commonPrefix(candidates, part);
    std::string result;
    for (const std::string& word : rewriteWords(typed, start, shown)) {
      result += word;
      result += ' ';
    }
    result += completed;
    return Completion{std::move(result), std::move(candidates)};
  }
  return Completion{std::string(line), {}};
}

}  // namespace kvelt
