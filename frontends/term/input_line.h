// The text being typed into the input line, with its cursor.
#pragma once

#include <string>
#include <string_view>

namespace kvelt::term {

class InputLine {
 public:
  std::string text() const;         // UTF-8, exactly as it stands
  void set(std::string_view text);  // the cursor goes to the end
  std::string beforeCursor() const;
  // Replaces what stands before the cursor, which stays just after the new text.
  void replaceBeforeCursor(std::string_view text);
  void clear() { set({}); }

  void insert(char32_t letter);
  void backspace();
  void deleteForward();
  void left();
  void right();
  void home() { cursor_ = 0; }
  void end() { cursor_ = letters_.size(); }

  // What a field `width` columns wide shows: the part around the cursor, and the cursor's
  // column within it.
  struct View {
    std::u32string shown;
    int cursorColumn = 0;
  };
  View view(int width) const;

 private:
  std::u32string letters_;
  std::size_t cursor_ = 0;
};

}  // namespace kvelt::term
