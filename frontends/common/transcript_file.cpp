// The transcript file: appended per turn, flushed at once, failing once and quietly after.
#include "common/transcript_file.h"

#include <algorithm>
#include <filesystem>

namespace kvelt {
namespace {

// The path is UTF-8 on every system; on Windows a char8_t path keeps it so.
std::filesystem::path utf8Path(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

}  // namespace

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
  out_.open(utf8Path(path_), std::ios::binary | std::ios::app);
  if (!out_) fail();
}

void TranscriptFile::write(std::string_view entry) {
  if (failed_) return;
  out_.write(entry.data(), static_cast<std::streamsize>(entry.size()));
  out_.flush();
  if (!out_) fail();
}

void TranscriptFile::fail() {
  failed_ = true;
  out_.close();
}

std::optional<std::string> TranscriptFile::takeNotice() {
  if (!failed_ || told_) return std::nullopt;
  told_ = true;
  return "Záznam hry nejde zapsat do " + path_ + "; hra pokračuje bez něj.";
}

}  // namespace kvelt
