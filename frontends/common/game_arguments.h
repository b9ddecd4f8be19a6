// The command line that every Linux front end shares: "--dir DIR" and the program's own switches.
#pragma once

#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/game_dirs.h"

namespace kvelt {

struct GameArguments {
  GameDirs dirs;
  std::set<std::string> switches;  // those of the program's own switches that were given
};

// "--dir DIR" names one folder for the catalogue and the saves; without it the folders come from
// gameDirs(programDir()). `knownSwitches` are the flags without a value that the program takes
// (kvelt-cli's "--json"). Nothing when an argument is not understood: the caller prints its usage.
std::optional<GameArguments> parseGameArguments(
    const std::vector<std::string>& args,
    std::initializer_list<std::string_view> knownSwitches = {});

}  // namespace kvelt
