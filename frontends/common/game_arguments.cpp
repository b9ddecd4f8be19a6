// Reading the front ends' shared command line with getopt_long.
#include "common/game_arguments.h"

#include <getopt.h>

#include <algorithm>

#include "kvelt/version.h"
#include "platform/program_dir.h"

namespace kvelt {
namespace {

constexpr int kDir = 256, kHelp = 257, kVersionOption = 258, kOwnOptions = 300;

constexpr ProgramOption kDirOption{"dir", "DIR",
                                   "složka se scripts.tex a s uloženými hrami / the folder of "
                                   "scripts.tex and the saves"};
constexpr ProgramOption kHelpOption{"help", "", "tato nápověda / this help"};
constexpr ProgramOption kVersionLine{"version", "", "verze programu / the program's version"};

constexpr std::string_view kHowToPlay =
    "Jak hrát: napište celý řádek a stiskněte Enter: sloveso a předmět, jak je hra vypisuje\n"
    "(prozkoumej, vezmi, polož, otevři, zavři, použij: \"vezmi pochodeň\", \"použij kámen na\n"
    "stráž na hradbách\"), směr s, j, z, v (sever, jih, západ, východ), \"save N\" nebo\n"
    "\"load N\" (pozice 1 až 10); \"exit\" hru ukončí. Tab doplní rozepsané slovo i bez\n"
    "diakritiky, šipky nahoru a dolů vrátí dřívější řádky.\n"
    "\n"
    "How to play: type a whole line and press Enter: a verb and an object as the game lists\n"
    "them (prozkoumej examine, vezmi take, polož drop, otevři open, zavři close, použij use:\n"
    "\"vezmi pochodeň\"), a direction s, j, z, v (north, south, west, east), \"save N\" or\n"
    "\"load N\" (slots 1 to 10); \"exit\" leaves. Tab completes the word being typed, without\n"
    "its diacritics if you like; Up and Down recall earlier lines.\n";

std::string spelled(const ProgramOption& option) {
  std::string text = "--";
  text += option.name;
  if (!option.value.empty()) (text += '=') += option.value;
  return text;
}

std::string help(const ProgramDescription& program) {
  std::vector<ProgramOption> all;
  if (program.takesDir) all.push_back(kDirOption);
  all.insert(all.end(), program.options.begin(), program.options.end());
  all.push_back(kHelpOption);
  all.push_back(kVersionLine);
  std::size_t column = 0;
  for (const ProgramOption& option : all) column = std::max(column, spelled(option).size());

  std::string text;
  text.append("Použití: ").append(program.name).append(" [VOLBY]\n");
  text.append("Usage:   ").append(program.name).append(" [OPTIONS]\n\n");
  text.append(program.summary).append("\n\nVolby / Options:\n");
  for (const ProgramOption& option : all) {
    const std::string name = spelled(option);
    text.append("  ").append(name).append(column + 2 - name.size(), ' ');
    text.append(option.help).append("\n");
  }
  text.append("\n").append(kHowToPlay);
  if (!program.keys.empty()) text.append("\n").append(program.keys);
  return text;
}

// Names what was refused ("unknown option '--x'") and where the help is.
CommandLine refuse(const ProgramDescription& program, std::string_view what,
                   std::string_view argument, std::string_view after) {
  std::string error;
  error.append(program.name).append(": ").append(what).append(" '").append(argument);
  error.append("'").append(after).append("\n");
  error.append("Try '").append(program.name).append(" --help'.\n");
  return {std::nullopt, 2, "", error};
}

}  // namespace

CommandLine readCommandLine(const ProgramDescription& program,
                            const std::vector<std::string>& args) {
  std::vector<option> longOptions = {{"help", no_argument, nullptr, kHelp},
                                     {"version", no_argument, nullptr, kVersionOption}};
  if (program.takesDir) longOptions.push_back({"dir", required_argument, nullptr, kDir});
  std::vector<std::string> names;
  names.reserve(program.options.size());
  longOptions.reserve(longOptions.size() + program.options.size() + 1);
  for (const ProgramOption& own : program.options) names.emplace_back(own.name);
  for (std::size_t i = 0; i < program.options.size(); ++i) {
    longOptions.push_back({names[i].c_str(),
                           program.options[i].value.empty() ? no_argument : required_argument,
                           nullptr, kOwnOptions + static_cast<int>(i)});
  }
  longOptions.push_back({nullptr, 0, nullptr, 0});

  std::vector<std::string> words{std::string(program.name)};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  argv.reserve(words.size() + 1);
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(words.size());

  GameArguments parsed;
  bool dirGiven = false;
  // The messages are ours: getopt's own would name neither the program nor --help. Zero starts
  // the scan afresh, for a second command line in the same process (the tests).
  opterr = 0;
  optind = 0;
  // "+": the first word that is not an option ends the options, and is refused below; ":":
  // a missing value is told apart from an unknown option.
  for (;;) {
    const int found = getopt_long(argc, argv.data(), "+:", longOptions.data(), nullptr);
    if (found == -1) break;
    // The element getopt_long stopped at; an unknown letter may sit inside a cluster ("-xq").
    std::string argument = argv[std::min(optind, argc) - 1];
    if (found == '?' && optopt > 0 && optopt < 256) argument = {'-', char(optopt)};
    if (found == kHelp) return {std::nullopt, 0, help(program), ""};
    if (found == kVersionOption) {
      std::string version(program.name);
      version.append(" ").append(kVersion).append("\n");
      return {std::nullopt, 0, version, ""};
    }
    if (found == kDir && optarg != nullptr && *optarg != '\0') {
      parsed.dirs.catalogueDir = parsed.dirs.saveDir = optarg;
      dirGiven = true;
    } else if (found >= kOwnOptions && (optarg == nullptr || *optarg != '\0')) {
      parsed.options[names[static_cast<std::size_t>(found - kOwnOptions)]] =
          optarg != nullptr ? optarg : "";
    } else if (found == ':' || found == kDir || found >= kOwnOptions) {
      return refuse(program, "option", argument, " needs a value");
    } else if (optopt >= 256) {
      return refuse(program, "option", argument, " takes no value");
    } else {
      return refuse(program, "unknown option", argument, "");
    }
  }
  if (optind < argc) return refuse(program, "unexpected argument", argv[optind], "");
  if (!dirGiven) parsed.dirs = gameDirs(programDir());
  return {std::move(parsed), 0, "", ""};
}

}  // namespace kvelt
