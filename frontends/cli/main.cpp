// kvelt-cli: the game in line mode.
#include <cstdio>

#include "cli_app.h"
#include "common/standard_streams.h"

int main(int argc, char** argv) {
  if (!kvelt::prepareStandardStreams("kvelt-cli", kvelt::NeedsOutput::yes)) return 1;
  return kvelt::runCli(std::vector<std::string>(argv + 1, argv + argc), stdin, stdout, stderr);
}
