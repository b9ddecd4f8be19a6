// kvelt-cli: the game in line mode.
#include <iostream>

#include "cli_app.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return kvelt::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout,
                       std::cerr);
}
