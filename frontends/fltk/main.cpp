// kvelt: the game in its window.
#include "window_app.h"

int main(int argc, char** argv) {
  return kvelt::fltk::runWindowApp(std::vector<std::string>(argv + 1, argv + argc));
}
