// The command line that every front end shares: --dir, --help, --version and the program's own
// options.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/game_dirs.h"

namespace kvelt {

// One of a program's own options: "--json", or "--transcript FILE" when `value` names a value.
struct ProgramOption {
  std::string_view name;   // without the two dashes
  std::string_view value;  // what the value is called in --help ("FILE"); empty for a switch
  std::string_view help;   // one line for --help, Czech / English
};

struct ProgramDescription {
  std::string_view name;     // "kvelt-cli"
  std::string_view summary;  // what the program is, a Czech line and an English line
  std::vector<ProgramOption> options;
  std::string keys = {};  // the program's own keys for its help, when it has any
  // kvelt.exe plays beside itself (or in %LOCALAPPDATA%) and has no --dir.
  bool takesDir = true;
};

struct GameArguments {
  GameDirs dirs;
  // The program's own options that were given, with their values ("" for a switch).
  std::map<std::string, std::string, std::less<>> options;
  bool has(std::string_view name) const { return options.find(name) != options.end(); }
  // The FILE of --transcript FILE, when it was given.
  std::optional<std::string> transcript() const {
    const auto found = options.find("transcript");
    if (found == options.end()) return std::nullopt;
    return found->second;
  }
};

// What the command line asks for: a game, or the end of the program with `exitStatus`: 0 after
// --help or --version, whose answer is `output`, for standard output; 2 after a bad argument,
// named in `error`, for standard error.
struct CommandLine {
  std::optional<GameArguments> game;
  int exitStatus = 0;
  std::string output, error;
};

// "--dir DIR" (or --dir=DIR) names one folder for the catalogue and the saves; without it the
// folders come from gameDirs(programDir()). Strings rather than streams, so that the line mode
// stays free of iostreams.
CommandLine readCommandLine(const ProgramDescription& program,
                            const std::vector<std::string>& args);

}  // namespace kvelt
