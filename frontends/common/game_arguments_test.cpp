// Tests of the front ends' shared command line.
#include "common/game_arguments.h"

#include <gtest/gtest.h>

#include "kvelt/version.h"

namespace kvelt {
namespace {

const ProgramDescription kProgram{
    "kvelt-test", "Zkouška / A test", {{"json", "", "JSON"}, {"transcript", "FILE", "záznam"}}};

struct Row {
  std::vector<std::string> args;
  int exitStatus;        // -1: a game is played
  std::string dir;       // the folder --dir gave, when a game is played
  std::string options;   // the own options given, "name=value;" each
  std::string out, err;  // found on standard output and standard error
};

std::string given(const GameArguments& arguments) {
  std::string text;
  for (const auto& [name, value] : arguments.options) text += name + "=" + value + ";";
  return text;
}

TEST(GameArgumentsTest, EachCommandLineGivesAGameOrAnEnd) {
  const std::string version = "kvelt-test " + std::string(kVersion) + "\n";
  const Row rows[] = {
      {{"--json", "--dir", "/hra"}, -1, "/hra", "json=;", "", ""},
      {{"--dir=/hra", "--transcript", "t.txt"}, -1, "/hra", "transcript=t.txt;", "", ""},
      {{"--transcript=t.txt", "--js"}, -1, "", "json=;transcript=t.txt;", "", ""},
      {{"--help"}, 0, "", "", "Usage:   kvelt-test [OPTIONS]", ""},
      {{"--json", "--help", "--bad"}, 0, "", "", "  --transcript=FILE  záznam\n", ""},
      {{"--version"}, 0, "", "", version, ""},
      {{"--bad"}, 2, "", "", "", "kvelt-test: unknown option '--bad'\nTry 'kvelt-test --help'."},
      {{"-x"}, 2, "", "", "", "kvelt-test: unknown option '-x'"},
      {{"--dir"}, 2, "", "", "", "kvelt-test: option '--dir' needs a value"},
      {{"--dir="}, 2, "", "", "", "kvelt-test: option '--dir=' needs a value"},
      {{"--transcript"}, 2, "", "", "", "option '--transcript' needs a value"},
      {{"--transcript="}, 2, "", "", "", "option '--transcript=' needs a value"},
      {{"--json=yes"}, 2, "", "", "", "kvelt-test: option '--json=yes' takes no value"},
      {{"hra"}, 2, "", "", "", "kvelt-test: unexpected argument 'hra'"},
      {{"--json", "hra", "--dir", "/hra"}, 2, "", "", "", "unexpected argument 'hra'"},
  };
  for (const Row& row : rows) {
    CommandLine line = readCommandLine(kProgram, row.args);
    const std::string& out = line.output;
    const std::string& err = line.error;
    const std::string name = ::testing::PrintToString(row.args);
    if (row.exitStatus < 0) {
      ASSERT_TRUE(line.game) << name << ": " << err;
      if (!row.dir.empty()) {
        EXPECT_EQ(line.game->dirs.catalogueDir, row.dir) << name;
        EXPECT_EQ(line.game->dirs.saveDir, row.dir) << name;
      }
      EXPECT_FALSE(line.game->dirs.catalogueDir.empty()) << name;
      EXPECT_EQ(given(*line.game), row.options) << name;
    } else {
      EXPECT_FALSE(line.game) << name;
      EXPECT_EQ(line.exitStatus, row.exitStatus) << name;
    }
    EXPECT_NE(out.find(row.out), std::string::npos) << name << ": " << out;
    EXPECT_NE(err.find(row.err), std::string::npos) << name << ": " << err;
    if (row.out.empty()) {
      EXPECT_EQ(out, "") << name;
    }
    if (row.err.empty()) {
      EXPECT_EQ(err, "") << name;
    }
  }
}

TEST(GameArgumentsTest, HelpListsEveryOptionAndHowToPlayInBothLanguages) {
  const std::string out = readCommandLine(kProgram, {"--help"}).output;
  for (const char* part :
       {"Použití: kvelt-test [VOLBY]", "Zkouška / A test", "--dir=DIR", "--json",
        "--transcript=FILE", "--help", "--version", "Jak hrát:", "How to play:"}) {
    EXPECT_NE(out.find(part), std::string::npos) << part;
  }
  EXPECT_LT(out.find("Jak hrát:"), out.find("How to play:"));
}

}  // namespace
}  // namespace kvelt
