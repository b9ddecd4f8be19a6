// Tests of the transcript: its entries, its option, and appending to the file.
#include "common/transcript_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace kvelt {
namespace {

std::string contentOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(TranscriptFileTest, AnEntryIsTheLineThePageAndTheRemarksInPlainText) {
  const std::string line = "vezmi olej";
  const struct {
    const std::string* line;
    std::string page;
    std::vector<std::string> remarks;
    std::string entry;
  } rows[] = {
      {&line, "M2\r\nVzal jsi olej...", {}, "> vezmi olej\nM2\nVzal jsi olej...\n\n"},
      {&line,
       "M2",
       {"Nic se nestalo.", "Hru z pozice 9 se nepodařilo nahrát."},
       "> vezmi olej\nM2\n(Nic se nestalo.)\n(Hru z pozice 9 se nepodařilo nahrát.)\n\n"},
      {nullptr, "M1\r\nM33", {}, "M1\nM33\n\n"},
      {&line, "", {}, "> vezmi olej\n\n"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(transcriptEntry(row.line, row.page, row.remarks), row.entry);
}

TEST(TranscriptFileTest, TheOptionIsTakenOutOfTheArguments) {
  const struct {
    std::vector<std::string> args, rest;
    std::optional<std::string> path;
  } rows[] = {
      {{"--json", "--transcript", "t.txt", "--dir", "d"}, {"--json", "--dir", "d"}, "t.txt"},
      {{"--dir", "d"}, {"--dir", "d"}, std::nullopt},
      {{"--transcript"}, {}, ""},
  };
  for (auto row : rows) {
    EXPECT_EQ(takeTranscriptOption(row.args), row.path);
    EXPECT_EQ(row.args, row.rest);
  }
}

TEST(TranscriptFileTest, EntriesAreAppendedAndOnTheDiskAtOnce) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("kvelt-transcript-" + std::to_string(std::random_device{}()) + ".txt");
  std::filesystem::remove(path);
  { std::ofstream(path) << "earlier\n"; }
  TranscriptFile transcript(path.string());
  transcript.write("> s\n\n");
  EXPECT_EQ(contentOf(path), "earlier\n> s\n\n");  // read while the file is still open
  EXPECT_FALSE(transcript.takeNotice());
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace kvelt
