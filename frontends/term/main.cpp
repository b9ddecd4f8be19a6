// kvelt-term: the game in a full-screen terminal.
#include <iostream>

#include "term_app.h"

int main(int argc, char** argv) {
  return kvelt::term::runTerm(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                              std::cerr);
}
