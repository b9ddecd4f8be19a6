// The text being typed into the input line, with its cursor.
#include "input_line.h"

#include "base/utf8.h"
#include "common/standard_streams.h"
#include "text_wrap.h"

namespace kvelt::term {

std::string InputLine::text() const {
  return encodeUtf8(letters_);
}

void InputLine::set(std::string_view text) {
  letters_ = decodeUtf8(text);
  cursor_ = letters_.size();
}

std::string InputLine::beforeCursor() const {
  return encodeUtf8(std::u32string_view(letters_).substr(0, cursor_));
}

void InputLine::replaceBeforeCursor(std::string_view text) {
  std::u32string replacement = decodeUtf8(text);
  letters_.replace(0, cursor_, replacement);
  cursor_ = replacement.size();
}

// A paste that never ends stops here; the game cuts the line to its limit and says so.
void InputLine::insert(char32_t letter) {
  if (letters_.size() > kLineLimit) return;
  letters_.insert(cursor_++, 1, letter);
}

void InputLine::backspace() {
  if (cursor_ > 0) letters_.erase(--cursor_, 1);
}

void InputLine::deleteForward() {
  if (cursor_ < letters_.size()) letters_.erase(cursor_, 1);
}

void InputLine::left() {
  if (cursor_ > 0) --cursor_;
}

void InputLine::right() {
  if (cursor_ < letters_.size()) ++cursor_;
}

InputLine::View InputLine::view(int width) const {
  View view;
  if (width < 2) return view;
  // Scroll just far enough that the cursor, after the letters before it, stays in the field.
  std::size_t start = 0;
  std::u32string_view before(letters_.data(), cursor_);
  while (displayWidth(before.substr(start)) > width - 1) ++start;
  view.cursorColumn = displayWidth(before.substr(start));
  view.shown = clipToWidth(std::u32string_view(letters_).substr(start), width);
  for (char32_t& letter : view.shown) letter = printable(letter);
  return view;
}

}  // namespace kvelt::term
