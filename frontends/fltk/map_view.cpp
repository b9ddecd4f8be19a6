// The map on a grid of 7 x 7 cells below a heading, measured at 100 % and scaled by the edges
// like the rest of the layout, so that it fills the narration pane at every factor.
#include "map_view.h"

#include <FL/Enumerations.H>
#include <FL/fl_draw.H>
// fl_draw.H brings in Xlib, whose Status macro would hide the game's own Status.
#undef Status

#include <array>
#include <string>
#include <utility>

#include "common/window_scale.h"

namespace kvelt::fltk {
namespace {

constexpr int kHeadingHeight = 24;
constexpr int kGridLeft = 2, kGridTop = 26;
constexpr int kCellWidth = 114, kCellHeight = 55;
constexpr int kBoxWidth = 84, kBoxHeight = 26;
constexpr int kLineWidth = 2;
constexpr int kMargin = 8;
constexpr std::array<int, 4> kStepX = {0, 0, -1, 1};  // north, south, west, east
constexpr std::array<int, 4> kStepY = {-1, 1, 0, 0};
constexpr const char* kWayBack = "F3 nebo Esc vrátí stránku";

Fl_Color colour(Rgb rgb) {
  return fl_rgb_color(rgb.red, rgb.green, rgb.blue);
}

// The pane's light yellow for the ways and the names, the input line's violet for the rooms,
// and a red that reads on black for a way that killed.
const Rgb kInk = layout::kPaneText;
constexpr Rgb kRoom{41, 0, 152};
constexpr Rgb kDeadly{230, 40, 40};

int centreX(Integer x) {
  return kGridLeft + kCellWidth * (x - 1) + kCellWidth / 2;
}
int centreY(Integer y) {
  return kGridTop + kCellHeight * (y - 1) + kCellHeight / 2;
}

std::string heading(const MapPicture& picture) {
  std::string text = "Mapa";
  if (const MapCell* here = picture.here()) text += " — jsi tady: " + here->name;
  return text;
}

}  // namespace

MapView::MapView(int font) : Fl_Widget(0, 0, 1, 1), font_(font) {
  // The input line keeps the focus: the map is only looked at.
  visible_focus(0);
}

void MapView::show(MapPicture picture, int percent) {
  picture_ = std::move(picture);
  percent_ = percent;
  Fl_Widget::show();
  redraw();
}

void MapView::rescale(int percent) {
  percent_ = percent;
  redraw();
}

int MapView::at(int length) const {
  return layout::scaled(length, percent_);
}

void MapView::draw() {
  fl_draw_box(FL_DOWN_BOX, x(), y(), w(), h(), colour(layout::kPaneBackground));
  fl_push_clip(x(), y(), w(), h());
  fl_font(font_, at(layout::kFontPixels));
  fl_color(colour(kInk));
  const int headingHeight = at(kHeadingHeight);
  fl_draw(heading(picture_).c_str(), x() + at(kMargin), y(), w() - 2 * at(kMargin), headingHeight,
          FL_ALIGN_LEFT);
  fl_draw(kWayBack, x() + at(kMargin), y(), w() - 2 * at(kMargin), headingHeight, FL_ALIGN_RIGHT);
  for (const MapCell& cell : picture_.cells) {
    for (int direction = 0; direction < 4; ++direction) drawWay(cell, direction);
  }
  if (picture_.ropeClimbed) drawRope();
  for (const MapCell& cell : picture_.cells) drawRoom(cell);
  fl_line_style(0);
  fl_pop_clip();
}

// From the edge of the room's box: to the neighbour's box when that room is seen too, else
// halfway, to the edge of the room's cell; a way that killed ends there in a red cross.
void MapView::drawWay(const MapCell& cell, int direction) {
  const WayLook look = cell.ways[direction];
  if (look == WayLook::none || look == WayLook::rope) return;
  const int dx = kStepX[direction], dy = kStepY[direction];
  const int edgeX = centreX(cell.x) + dx * kBoxWidth / 2;
  const int edgeY = centreY(cell.y) + dy * kBoxHeight / 2;
  const int reach = look == WayLook::joined ? 2 : 1;
  const int endX = edgeX + dx * (kCellWidth - kBoxWidth) / 2 * reach;
  const int endY = edgeY + dy * (kCellHeight - kBoxHeight) / 2 * reach;
  fl_color(colour(look == WayLook::deadly ? kDeadly : kInk));
  fl_line_style(FL_SOLID | FL_CAP_ROUND, at(kLineWidth));
  fl_line(x() + at(edgeX), y() + at(edgeY), x() + at(endX), y() + at(endY));
  if (look == WayLook::deadly) {
    const int arm = at(5);
    const int crossX = x() + at(endX), crossY = y() + at(endY);
    fl_line(crossX - arm, crossY - arm, crossX + arm, crossY + arm);
    fl_line(crossX - arm, crossY + arm, crossX + arm, crossY - arm);
  }
}

// The rope hangs dashed from the window of its room and swings over the empty cell below it
// onto the roof of the room it reaches, clear of that room's neighbour to the west.
void MapView::drawRope() {
  const int topX = centreX(kRopeTopX), topY = centreY(kRopeTopY) + kBoxHeight / 2;
  const int footX = centreX(kRopeFootX) - kBoxWidth / 2 + kBoxHeight / 2;
  const int footY = centreY(kRopeFootY) - kBoxHeight / 2;
  const int middleY = centreY(kRopeTopY + 1);
  fl_color(colour(kInk));
  fl_line_style(FL_DASH, at(kLineWidth));
  fl_begin_line();
  fl_curve(x() + at(topX), y() + at(topY), x() + at(topX), y() + at(middleY), x() + at(footX),
           y() + at(middleY), x() + at(footX), y() + at(footY));
  fl_end_line();
  fl_line_style(0);
  fl_draw("lano", x() + at(topX - kCellWidth / 2), y() + at(middleY - kBoxHeight / 2),
          at(kCellWidth / 2 - 6), at(kBoxHeight), FL_ALIGN_RIGHT);
}

// The room the player stands in is the light one.
void MapView::drawRoom(const MapCell& cell) {
  const int left = x() + at(centreX(cell.x) - kBoxWidth / 2);
  const int top = y() + at(centreY(cell.y) - kBoxHeight / 2);
  const int width = x() + at(centreX(cell.x) + kBoxWidth / 2) - left;
  const int height = y() + at(centreY(cell.y) + kBoxHeight / 2) - top;
  fl_line_style(0);
  fl_color(colour(cell.here ? kInk : kRoom));
  fl_rectf(left, top, width, height);
  fl_color(colour(kInk));
  fl_rect(left, top, width, height);
  fl_color(colour(cell.here ? kRoom : layout::kInputText));
  fl_draw(cell.name.c_str(), left, top, width, height, FL_ALIGN_CENTER | FL_ALIGN_CLIP);
}

}  // namespace kvelt::fltk
