// The terminal while the game runs: curses set up on creation and put back on destruction.
#pragma once

#include <string>
#include <vector>

#include "common/map/map_text.h"
#include "common/view.h"
#include "input_line.h"

struct screen;  // curses' SCREEN

namespace kvelt::term {

class Screen {
 public:
  // `utf8Locale`: the player's own locale is UTF-8, so lines may be drawn with box-drawing
  // characters where the terminal draws lines at all.
  explicit Screen(bool utf8Locale);
  ~Screen();
  // False when the terminal could not be set up ($TERM unknown); nothing else may be called.
  bool ready() const { return terminal_ != nullptr; }
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // Draws the window's panes, the input line and the status line from `view`, the text of the
  // input line as it is being edited from `input`; while view.mapShown, `map` (mapText's lines)
  // over the narration pane.
  void draw(const View& view, const InputLine& input, const std::vector<std::string>& map = {});
  // How the map's lines are drawn on this terminal.
  MapGlyphs mapGlyphs() const { return mapGlyphs_; }
  // F4: the next part of a status text longer than the status area, after the last the first.
  void nextStatusPart() { ++statusPart_; }
  // Page Up (-1) or Page Down (+1) in the narration; a new page starts at its top.
  void page(int direction) { scroll_ += direction * pageStep_; }
  void toTop() { scroll_ = 0; }
  // Whether the narration drawn last shows its first or its last row.
  bool atTop() const { return scroll_ <= 0; }
  bool atBottom() const { return scroll_ >= lastStart_; }

 private:
  void setUpColours();
  void colourInputLine(Rgb background);
  ::screen* terminal_ = nullptr;
  bool colour_ = false;
  bool ownColours_ = false;  // the terminal took our exact colours
  bool inputColoured_ = false;
  Rgb inputBackground_{};
  int scroll_ = 0;
  int pageStep_ = 1;
  int lastStart_ = 0;
  MapGlyphs mapGlyphs_ = MapGlyphs::ascii;
  std::string statusShown_;  // the status text whose parts are being read
  std::size_t statusPart_ = 0;
};

}  // namespace kvelt::term
