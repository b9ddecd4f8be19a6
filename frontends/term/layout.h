// Where the window's panes sit on a terminal of a given size.
#pragma once

namespace kvelt::term {

inline constexpr int kMinColumns = 80;
inline constexpr int kMinRows = 24;

struct Rect {
  int top = 0, left = 0, height = 0, width = 0;
  int bottom() const { return top + height; }  // the first row below
  int right() const { return left + width; }   // the first column to the right
};

// The window's arrangement in character cells: the narration across the top; under it the
// input line on the left with the status lines below it, the carried objects in the middle
// with their caption above, and the credit in the bottom right-hand corner.
struct Layout {
  bool fits = false;  // false below kMinColumns × kMinRows: nothing else is set then
  Rect narration, input, status, caption, carried, credit;
};

Layout computeLayout(int columns, int rows, int creditWidth);

}  // namespace kvelt::term
