// The kept game on disk: claimed, read or set aside at start, replaced after every turn.
#include "common/kept/game_keeper.h"

#include <algorithm>
#include <utility>

#include "common/replace_file.h"

namespace kvelt {
namespace {

constexpr std::string_view kAsidePrefix = "kept.kvelt.aside-";
constexpr std::string_view kTemporaryPrefix = "kept.kvelt.tmp";

bool starts(std::string_view name, std::string_view prefix) {
  return name.substr(0, prefix.size()) == prefix;
}

std::string setAsideNotice(KeptFileFault fault, const std::string& aside) {
  const std::string why =
      fault == KeptFileFault::newer ? "je z novější verze hry" : "se nedala přečíst";
  return "Uchovaná hra " + why + "; je odložena jako " + aside + ". Začíná nová hra.";
}

}  // namespace

KeptView keptViewOf(const Game& live, const UndoStack& undo, const PageHistory& pages,
                    const std::vector<Page>& redoPages) {
  KeptView view;
  view.game = &live;
  for (const Game& record : undo.done()) view.done.push_back(&record);
  for (const Game& record : undo.undone()) view.undone.push_back(&record);
  for (const Page& page : pages.all()) view.pages.push_back(&page);
  for (const Page& page : redoPages) view.redoPages.push_back(&page);
  return view;
}

void resumeRecord(Game& live, Game kept) {
  kept.savedWidth = live.savedWidth;
  kept.savedHeight = live.savedHeight;
  kept.displayRestored = live.displayRestored;
  restoreRecord(live, kept);
}

GameKeeper::GameKeeper(Files& files, std::string dir, Claim claim)
    : files_(files), dir_(std::move(dir)), claim_(claim) {}

// The lowest number above every aside name in the folder, so that no file set aside before is
// ever replaced.
std::string GameKeeper::setAside(const std::vector<DirEntry>& entries) {
  unsigned long next = 1;
  for (const DirEntry& entry : entries) {
    if (!starts(entry.name, kAsidePrefix)) continue;
    const std::string number = entry.name.substr(kAsidePrefix.size());
    if (number.empty() || number.size() > 9 ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      continue;
    }
    next = std::max(next, std::stoul(number) + 1);
  }
  std::string aside = std::string(kAsidePrefix) + std::to_string(next);
  if (!files_.rename(path(kKeptFileName), path(aside)).isOk()) return "";
  (void)files_.syncDir(dir_);
  return aside;
}

KeptOpening GameKeeper::open() {
  KeptOpening opening;
  lock_ = claim_(path(std::string(kKeptFileName) + ".lock"));
  if (!lock_) {
    opening.notice = kKeptInUse;
    return opening;
  }
  keeping_ = true;
  std::vector<DirEntry> entries;
  if (!files_.list(dir_, entries).isOk()) return opening;
  // A write cut short leaves its temporary file; only the holder of the claim writes them.
  for (const DirEntry& entry : entries) {
    if (starts(entry.name, kTemporaryPrefix)) (void)files_.remove(path(entry.name));
  }
  const bool present = std::any_of(entries.begin(), entries.end(), [](const DirEntry& entry) {
    return entry.name == kKeptFileName;
  });
  if (!present) return opening;

  KeptFileFault fault = KeptFileFault::damaged;
  KeptGame kept;
  if (files_.read(path(kKeptFileName), bytes_).isOk()) fault = decodeKeptFile(bytes_, kept);
  bytes_.clear();
  if (fault == KeptFileFault::none) {
    opening.kept = std::move(kept);
    return opening;
  }
  const std::string aside = setAside(entries);
  if (aside.empty()) {
    // What cannot be moved out of the way must not be written over either.
    keeping_ = false;
    opening.notice = "Uchovaná hra se nedala přečíst ani odložit; tahy této hry se neuchovávají.";
    return opening;
  }
  opening.notice = setAsideNotice(fault, aside);
  return opening;
}

Status GameKeeper::keep(const KeptView& view) {
  if (!keeping_) return Status::ok();
  encodeKeptFile(view, bytes_);
  Status written = replaceFile(files_, path(kKeptFileName), bytes_);
  if (!written.isOk()) return written;
  return files_.syncDir(dir_);
}

}  // namespace kvelt
