// kvelt-cli: the game in line mode.
#include <cstdio>
#include <string>
#include <vector>

#include "common/line_mode/line_mode.h"
#include "common/standard_streams.h"

int main(int argc, char** argv) {
  if (!kvelt::prepareStandardStreams("kvelt-cli", kvelt::NeedsOutput::yes)) return 1;
  return kvelt::runLineMode(std::vector<std::string>(argv + 1, argv + argc), stdin, stdout, stderr);
}
