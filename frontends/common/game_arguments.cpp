// Parsing the front ends' shared command line.
#include "common/game_arguments.h"

#include <algorithm>

#include "platform/program_dir.h"

namespace kvelt {

std::optional<GameArguments> parseGameArguments(
    const std::vector<std::string>& args, std::initializer_list<std::string_view> knownSwitches) {
  GameArguments parsed;
  bool dirGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--dir" && i + 1 < args.size()) {
      parsed.dirs.catalogueDir = parsed.dirs.saveDir = args[++i];
      dirGiven = true;
    } else if (std::find(knownSwitches.begin(), knownSwitches.end(), args[i]) !=
               knownSwitches.end()) {
      parsed.switches.insert(args[i]);
    } else {
      return std::nullopt;
    }
  }
  if (!dirGiven) parsed.dirs = gameDirs(programDir());
  return parsed;
}

}  // namespace kvelt
