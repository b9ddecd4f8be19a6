// Picking Arial or its metric twin among the fonts the display knows.
#include "window_font.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>

#include <cstring>

namespace kvelt::fltk {

int chooseFont() {
  constexpr const char* kFaces[] = {"Arial", "Liberation Sans"};
  const int count = Fl::set_fonts(nullptr);
  for (const char* face : kFaces) {
    for (int font = 0; font < count; ++font) {
      int attributes = 0;
      const char* name = Fl::get_font_name(Fl_Font(font), &attributes);
      if (attributes == 0 && name != nullptr && std::strcmp(name, face) == 0) return font;
    }
  }
  return FL_HELVETICA;
}

}  // namespace kvelt::fltk
