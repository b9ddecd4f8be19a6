// The hints' wording, read from hints.txt.
#include "common/hints/hint_texts.h"

#include "base/files.h"

namespace kvelt {

extern const char* const kHintTextsBuiltIn;

namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

HintTexts HintTexts::parse(std::string_view text) {
  HintTexts texts;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    line = trimmed(line);
    if (line.empty() || line.front() == '#') continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    texts.texts_[std::string(trimmed(line.substr(0, equals)))] =
        std::string(trimmed(line.substr(equals + 1)));
  }
  return texts;
}

const std::string& HintTexts::get(const std::string& key) const {
  static const std::string kNone;
  auto found = texts_.find(key);
  return found == texts_.end() ? kNone : found->second;
}

HintTexts readHintTexts(const Game& game) {
  std::string content;
  if (game.platform.files == nullptr ||
      !game.platform.files->read(joinPath(game.platform.programDir, kHintFileName), content)
           .isOk()) {
    return HintTexts::parse(kHintTextsBuiltIn);
  }
  return HintTexts::parse(content);
}

}  // namespace kvelt
