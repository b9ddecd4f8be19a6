// The transcript file: appended per turn, flushed at once, failing once and quietly after.
#include "common/transcript_file.h"

#include <algorithm>

#include "common/standard_streams.h"

namespace kvelt {

std::optional<std::string> takeTranscriptOption(std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--transcript") continue;
    std::string path = i + 1 < args.size() ? args[i + 1] : std::string();
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
               args.begin() + static_cast<std::ptrdiff_t>(std::min(i + 2, args.size())));
    return path;
  }
  return std::nullopt;
}

std::string transcriptEntry(const std::string* line, std::string_view page,
                            const std::vector<std::string>& remarks) {
  std::string out;
  if (line != nullptr) out += "> " + *line + "\n";
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (page[i] == '\r' && i + 1 < page.size() && page[i + 1] == '\n') continue;
    out += page[i];
  }
  if (!page.empty()) out += "\n";
  for (const std::string& remark : remarks) out += "(" + remark + ")\n";
  return out + "\n";
}

TranscriptFile::TranscriptFile(std::string path) : path_(std::move(path)) {
  out_ = openForAppend(path_);
  if (out_ == nullptr) fail();
}

TranscriptFile::~TranscriptFile() {
  if (out_ != nullptr) std::fclose(out_);
}

void TranscriptFile::write(std::string_view entry) {
  if (failed_) return;
  if (std::fwrite(entry.data(), 1, entry.size(), out_) != entry.size() || std::fflush(out_) != 0) {
    fail();
  }
}

void TranscriptFile::fail() {
  failed_ = true;
  if (out_ != nullptr) std::fclose(out_);
  out_ = nullptr;
}

std::optional<std::string> TranscriptFile::takeNotice() {
  if (!failed_ || told_) return std::nullopt;
  told_ = true;
  return "Záznam hry nejde zapsat do " + path_ + "; hra pokračuje bez něj.";
}

}  // namespace kvelt
