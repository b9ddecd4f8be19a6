// kvelt-term: the game in a full-screen terminal.
#include <iostream>

#include "common/standard_streams.h"
#include "term_app.h"

int main(int argc, char** argv) {
  if (!kvelt::prepareStandardStreams("kvelt-term", kvelt::NeedsOutput::yes)) return 1;
  return kvelt::term::runTerm(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                              std::cerr);
}
