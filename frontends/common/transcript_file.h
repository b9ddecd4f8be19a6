// --transcript FILE: the lines typed and the pages they produced, appended as plain text.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvelt {

// Takes "--transcript FILE" out of kvelt.exe's arguments, which leaves the others alone as it
// always did (the Linux programs read it with readCommandLine). Nothing when the option is not
// given; an empty path when FILE is missing, which the caller reports as a usage error.
std::optional<std::string> takeTranscriptOption(std::vector<std::string>& args);

// One entry: "> " and the line (when a line was typed), the page with plain line ends, and
// each remark (a status, a notice) in parentheses on a line of its own; a blank line after.
std::string transcriptEntry(const std::string* line, std::string_view page,
                            const std::vector<std::string>& remarks);

// A transcript that cannot be written says so once and is then left alone: the game goes on.
// That covers a FIFO nobody reads (it is not waited for), a reader that goes away, a full disk
// and the file-size limit.
class TranscriptFile {
 public:
  explicit TranscriptFile(std::string path);
  ~TranscriptFile();
  TranscriptFile(const TranscriptFile&) = delete;
  TranscriptFile& operator=(const TranscriptFile&) = delete;
  // Appends and flushes, so that the file is complete after every turn.
  void write(std::string_view entry);
  // The one notice about a transcript that failed, given once; nothing otherwise.
  std::optional<std::string> takeNotice();
  bool failed() const { return failed_; }

 private:
  void fail();
  std::string path_;
  std::FILE* out_ = nullptr;
  bool failed_ = false;
  bool told_ = false;
};

}  // namespace kvelt
