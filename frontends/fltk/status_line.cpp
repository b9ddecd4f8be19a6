// The status line wraps its text as a label does, and scrolls it when it is longer than its box.
#include "status_line.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/fl_draw.H>
// fl_draw.H brings in Xlib, whose Status macro would hide the game's own Status.
#undef Status

#include <algorithm>

#include "common/window_scale.h"

namespace kvelt::fltk {
namespace {

constexpr const char* kMoreBelow = "(dál: F4 nebo Shift+PgDn)";
constexpr const char* kMoreAbove = "(znovu: F4, zpět: Shift+PgUp)";

Fl_Color colour(Rgb rgb) {
  return fl_rgb_color(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

StatusLine::StatusLine(int font) : Fl_Widget(0, 0, 1, 1), font_(font) {
  visible_focus(0);
  hide();
}

bool StatusLine::setText(const std::string& text, int percent) {
  if (text == text_ && percent == percent_) return false;
  if (text != text_) first_ = 0;
  text_ = text;
  percent_ = percent;
  if (text_.empty()) {
    hide();
  } else {
    measure();
    show();
  }
  return true;
}

int StatusLine::lineHeight() const {
  fl_font(font_, layout::scaled(layout::kFontPixels, percent_));
  return std::max(1, fl_height());
}

void StatusLine::measure() {
  const layout::Box room = layout::scaled(layout::kStatusLine, percent_);
  const int padding = layout::scaled(layout::kStatusPadding, percent_);
  const int height = lineHeight();
  int textWidth = room.w - 2 * padding, textHeight = 0;
  fl_measure(text_.c_str(), textWidth, textHeight, 0);
  lines_ = (textHeight + height - 1) / height;
  cut_ = textHeight + 2 * padding > room.h;
  if (cut_) {
    resize(room.x, room.y, room.w, room.h);
    first_ = std::clamp(first_, 0, std::max(0, lines_ - shownLines()));
  } else {
    resize(room.x, room.y, std::min(textWidth + 2 * padding, room.w), textHeight + 2 * padding);
  }
}

int StatusLine::shownLines() const {
  if (!cut_) return lines_;
  const int padding = layout::scaled(layout::kStatusPadding, percent_);
  // The last line of the strip names the keys that scroll it.
  return std::max(1, (h() - 2 * padding) / lineHeight() - 1);
}

bool StatusLine::scroll(int direction) {
  if (!cut_) return false;
  const int step = std::max(1, shownLines() - 1);
  const int last = std::max(0, lines_ - shownLines());
  if (direction == 0) direction = first_ >= last ? -lines_ : 1;
  const int first = std::clamp(first_ + direction * step, 0, last);
  if (first == first_) return false;
  first_ = first;
  redraw();
  return true;
}

int StatusLine::handle(int event) {
  if (event == FL_MOUSEWHEEL && cut_ && Fl::event_dy() != 0) {
    scroll(Fl::event_dy() < 0 ? -1 : 1);
    return 1;
  }
  return Fl_Widget::handle(event);
}

void StatusLine::draw() {
  fl_draw_box(FL_FLAT_BOX, x(), y(), w(), h(), colour(layout::kPaneBackground));
  const int padding = layout::scaled(layout::kStatusPadding, percent_);
  const int height = lineHeight();
  const int left = x() + padding, top = y() + padding, width = w() - 2 * padding;
  const int shown = shownLines();
  fl_push_clip(left, top, width, shown * height);
  fl_color(colour(layout::kPaneText));
  fl_draw(text_.c_str(), left, top - first_ * height, width, lines_ * height,
          FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP, nullptr, 0);
  fl_pop_clip();
  if (!cut_) return;
  fl_color(colour(layout::kInputText));
  fl_draw(first_ + shown < lines_ ? kMoreBelow : kMoreAbove, left, top + shown * height, width,
          height, FL_ALIGN_TOP_RIGHT | FL_ALIGN_INSIDE, nullptr, 0);
}

}  // namespace kvelt::fltk
