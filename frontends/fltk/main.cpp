// kvelt: the game in its window.
#include "common/standard_streams.h"
#include "window_app.h"

int main(int argc, char** argv) {
  (void)kvelt::prepareStandardStreams("kvelt", kvelt::NeedsOutput::no);
  return kvelt::fltk::runWindowApp(std::vector<std::string>(argv + 1, argv + argc));
}
