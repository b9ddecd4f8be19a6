// Where the window's panes sit on a terminal of a given size.
#include "layout.h"

#include <algorithm>

namespace kvelt::term {

Layout computeLayout(int columns, int rows, int creditWidth) {
  Layout layout;
  if (columns < kMinColumns || rows < kMinRows) return layout;
  layout.fits = true;

  // The window's pane is seven lines of Arial; a player may carry ten objects after a load,
  // so a taller terminal shows them all.
  const int carriedRows = std::clamp(rows - 17, 7, 10);
  // The window puts the carried objects at 35% of its width; the input line left of them
  // must still take a whole use sentence.
  const int carriedLeft = std::max(40, columns * 35 / 100);
  const int carriedWidth = std::max(20, columns * 129 / 800);

  layout.credit = Rect{rows - 1, columns - creditWidth - 1, 1, creditWidth};
  layout.carried = Rect{rows - 1 - carriedRows, carriedLeft, carriedRows, carriedWidth};
  layout.caption = Rect{layout.carried.top - 1, carriedLeft, 1, carriedWidth};
  layout.narration = Rect{0, 0, layout.caption.top, columns};
  layout.input = Rect{layout.carried.top, 2, 1, carriedLeft - 4};
  const int statusTop = layout.input.top + 2;
  layout.status = Rect{statusTop, 2, rows - statusTop, layout.input.width};
  return layout;
}

}  // namespace kvelt::term
