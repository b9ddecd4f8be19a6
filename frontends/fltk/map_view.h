// F3's map of the rooms seen, drawn over the narration pane in the pane's own colours.
#pragma once

#include <FL/Fl_Widget.H>

#include "common/map/map_layout.h"

namespace kvelt::fltk {

class MapView : public Fl_Widget {
 public:
  // Stands where the narration pane stands; `font` is the window's font.
  explicit MapView(int font);
  // What to draw, at the window's scale in per cent.
  void show(MapPicture picture, int percent);
  void rescale(int percent);

 protected:
  void draw() override;

 private:
  // A length of the 100 % layout at this scale, from the widget's corner.
  int at(int length) const;
  void drawWay(const MapCell& cell, int direction);
  void drawRope();
  void drawRoom(const MapCell& cell);

  MapPicture picture_;
  int font_;
  int percent_ = 100;
};

}  // namespace kvelt::fltk
