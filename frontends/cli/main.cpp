// kvelt-cli: the game in line mode.
#include <cstdio>
#include <string>
#include <vector>

#include "common/line_mode/line_mode.h"

int main(int argc, char** argv) {
  return kvelt::runLineMode(std::vector<std::string>(argv + 1, argv + argc), stdin, stdout, stderr);
}
