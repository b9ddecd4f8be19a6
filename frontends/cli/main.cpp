// kvelt-cli: the game in line mode.
#include <cstdio>

#include "cli_app.h"

int main(int argc, char** argv) {
  return kvelt::runCli(std::vector<std::string>(argv + 1, argv + argc), stdin, stdout, stderr);
}
