// The kept file: "KVELTKEP", a version, then pieces, each a tag, a length, a checksum and its
// bytes. The history is written as diffs against the neighbouring record, and a page that shows
// what its record's panes show refers to them, so a long game stays small.
#include "common/kept/kept_file.h"

#include <cstring>
#include <type_traits>

#include "common/kept/kept_record.h"

namespace kvelt {
namespace {

constexpr std::string_view kMagic = "KVELTKEP";
constexpr std::string_view kGamePiece = "GAME", kUndoPiece = "UNDO", kPagePiece = "PAGE",
                           kMapPiece = "MAPK", kHintPiece = "HINT";
constexpr std::size_t kTagSize = 4, kPieceHeader = kTagSize + 8 + 8;

enum PageFlags : unsigned char { hasLine = 1, narrationOfRecord = 2, carriedOfRecord = 4 };

void appendFixed(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += char((value >> (8 * i)) & 0xFF);
}

std::uint64_t readFixed(std::string_view in, int bytes) {
  std::uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) value |= std::uint64_t(std::uint8_t(in[i])) << (8 * i);
  return value;
}

// The piece's header goes in front once its bytes are known.
template <typename Fill>
void appendPiece(std::string& out, std::string_view tag, Fill fill) {
  const std::size_t header = out.size();
  out += tag;
  out.append(16, '\0');
  fill(out);
  const std::string_view bytes = std::string_view(out).substr(header + kPieceHeader);
  const std::uint64_t length = bytes.size(), sum = keptChecksum(bytes);
  for (int i = 0; i < 8; ++i) {
    out[header + kTagSize + i] = char((length >> (8 * i)) & 0xFF);
    out[header + kTagSize + 8 + i] = char((sum >> (8 * i)) & 0xFF);
  }
}

void appendPage(std::string& out, const Page& page, const Game* record) {
  unsigned char flags = page.line ? hasLine : 0;
  if (record != nullptr && record->Text2 == page.narration) flags |= narrationOfRecord;
  if (record != nullptr && record->Text3 == page.carried) flags |= carriedOfRecord;
  out += char(flags);
  if (page.line) appendText(out, *page.line);
  if ((flags & narrationOfRecord) == 0) appendText(out, page.narration);
  if ((flags & carriedOfRecord) == 0) appendText(out, page.carried);
}

bool readPage(std::string_view& in, Page& page, const Game* record) {
  if (in.empty()) return false;
  const auto flags = std::uint8_t(in[0]);
  in.remove_prefix(1);
  if (flags > 7 || (record == nullptr && (flags & (narrationOfRecord | carriedOfRecord)) != 0)) {
    return false;
  }
  if ((flags & hasLine) != 0) {
    page.line.emplace();
    if (!readText(in, *page.line)) return false;
  }
  if ((flags & narrationOfRecord) != 0) {
    page.narration = record->Text2;
  } else if (!readText(in, page.narration)) {
    return false;
  }
  if ((flags & carriedOfRecord) != 0) {
    page.carried = record->Text3;
    return true;
  }
  return readText(in, page.carried);
}

// The record whose panes page `index` of `count` shows: the live page is the live game's, the
// one before it the newest record of the history, and so on back.
template <typename Record>
const Game* recordOfPage(std::size_t index, std::size_t count, const std::vector<Record>& done,
                         const Game& live) {
  const std::size_t fromNewest = count - 1 - index;
  if (fromNewest == 0) return &live;
  if (fromNewest > done.size()) return nullptr;
  const auto& record = done[done.size() - fromNewest];
  if constexpr (std::is_pointer_v<Record>) {
    return record;
  } else {
    return &record;
  }
}

bool readCount(std::string_view& in, std::size_t& count) {
  std::uint64_t number = 0;
  // Every entry takes at least one byte, which bounds what a damaged count can ask for.
  if (!readNumber(in, number) || number > in.size()) return false;
  count = std::size_t(number);
  return true;
}

bool readHistory(std::string_view in, KeptGame& kept) {
  std::size_t count = 0;
  if (!readCount(in, count)) return false;
  kept.done.assign(count, Game{});
  const Game* newer = &kept.game;
  for (std::size_t i = count; i-- > 0;) {
    kept.done[i] = *newer;
    if (!readRecordDiff(in, kept.done[i])) return false;
    newer = &kept.done[i];
  }
  if (!readCount(in, count)) return false;
  kept.undone.assign(count, Game{});
  const Game* before = &kept.game;
  for (std::size_t i = count; i-- > 0;) {
    kept.undone[i] = *before;
    if (!readRecordDiff(in, kept.undone[i])) return false;
    before = &kept.undone[i];
  }
  return in.empty();
}

bool readPages(std::string_view in, KeptGame& kept) {
  std::size_t count = 0;
  if (!readCount(in, count)) return false;
  kept.pages.assign(count, Page{});
  for (std::size_t i = 0; i < count; ++i) {
    if (!readPage(in, kept.pages[i], recordOfPage(i, count, kept.done, kept.game))) return false;
  }
  if (!readCount(in, count)) return false;
  kept.redoPages.assign(count, Page{});
  for (std::size_t i = 0; i < count; ++i) {
    const Game* record = i < kept.undone.size() ? &kept.undone[i] : nullptr;
    if (!readPage(in, kept.redoPages[i], record)) return false;
  }
  return in.empty();
}

}  // namespace

// Eight bytes at a time, for the sake of a turn's budget; it guards against damage, not against
// someone who forges a file.
std::uint64_t keptChecksum(std::string_view bytes) {
  constexpr std::uint64_t kOne = 0x87c37b91114253d5ULL, kTwo = 0x4cf5ad432745937fULL;
  std::uint64_t sum = 0x9e3779b97f4a7c15ULL ^ (bytes.size() * kTwo);
  auto mix = [&](std::uint64_t word) {
    word *= kOne;
    word = (word << 31) | (word >> 33);
    sum ^= word * kTwo;
    sum = ((sum << 27) | (sum >> 37)) * 5 + 0x52dce729;
  };
  std::size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) mix(readFixed(bytes.substr(at), 8));
  if (at < bytes.size()) mix(readFixed(bytes.substr(at), int(bytes.size() - at)));
  sum ^= sum >> 33;
  sum *= 0xff51afd7ed558ccdULL;
  sum ^= sum >> 33;
  return sum;
}

void encodeKeptFile(const KeptView& view, std::string& out) {
  out.clear();
  out += kMagic;
  appendFixed(out, kKeptFileVersion, 4);
  const Game& live = *view.game;
  appendPiece(out, kGamePiece, [&](std::string& bytes) { appendRecordDiff(bytes, Game{}, live); });
  appendPiece(out, kUndoPiece, [&](std::string& bytes) {
    appendNumber(bytes, view.done.size());
    const Game* newer = &live;
    for (std::size_t i = view.done.size(); i-- > 0;) {
      appendRecordDiff(bytes, *newer, *view.done[i]);
      newer = view.done[i];
    }
    appendNumber(bytes, view.undone.size());
    const Game* before = &live;
    for (std::size_t i = view.undone.size(); i-- > 0;) {
      appendRecordDiff(bytes, *before, *view.undone[i]);
      before = view.undone[i];
    }
  });
  appendPiece(out, kPagePiece, [&](std::string& bytes) {
    appendNumber(bytes, view.pages.size());
    for (std::size_t i = 0; i < view.pages.size(); ++i) {
      appendPage(bytes, *view.pages[i], recordOfPage(i, view.pages.size(), view.done, live));
    }
    appendNumber(bytes, view.redoPages.size());
    for (std::size_t i = 0; i < view.redoPages.size(); ++i) {
      appendPage(bytes, *view.redoPages[i], i < view.undone.size() ? view.undone[i] : nullptr);
    }
  });
  appendPiece(out, kMapPiece, [&](std::string& bytes) { bytes += view.map; });
  appendPiece(out, kHintPiece, [&](std::string& bytes) { bytes += view.hints; });
}

KeptFileFault decodeKeptFile(std::string_view bytes, KeptGame& kept) {
  if (bytes.size() < kMagic.size() + 4 || bytes.substr(0, kMagic.size()) != kMagic) {
    return KeptFileFault::damaged;
  }
  const std::uint64_t version = readFixed(bytes.substr(kMagic.size()), 4);
  if (version > kKeptFileVersion) return KeptFileFault::newer;
  if (version != kKeptFileVersion) return KeptFileFault::damaged;
  bytes.remove_prefix(kMagic.size() + 4);

  std::string_view game, undo, pages;
  bool mapSeen = false, hintsSeen = false;
  while (!bytes.empty()) {
    if (bytes.size() < kPieceHeader) return KeptFileFault::damaged;
    const std::string_view tag = bytes.substr(0, kTagSize);
    const std::uint64_t length = readFixed(bytes.substr(kTagSize), 8);
    const std::uint64_t sum = readFixed(bytes.substr(kTagSize + 8), 8);
    bytes.remove_prefix(kPieceHeader);
    if (length > bytes.size()) return KeptFileFault::damaged;
    const std::string_view piece = bytes.substr(0, length);
    bytes.remove_prefix(length);
    if (keptChecksum(piece) != sum) return KeptFileFault::damaged;
    // A piece of a name this version does not know is left for the version that wrote it.
    if (tag == kGamePiece) game = piece;
    if (tag == kUndoPiece) undo = piece;
    if (tag == kPagePiece) pages = piece;
    if (tag == kMapPiece) kept.map.assign(piece), mapSeen = true;
    if (tag == kHintPiece) kept.hints.assign(piece), hintsSeen = true;
  }
  if (game.empty() || undo.empty() || pages.empty() || !mapSeen || !hintsSeen) {
    return KeptFileFault::damaged;
  }
  kept.game = Game{};
  if (!readRecordDiff(game, kept.game) || !game.empty()) return KeptFileFault::damaged;
  if (!readHistory(undo, kept) || !readPages(pages, kept)) return KeptFileFault::damaged;
  return KeptFileFault::none;
}

}  // namespace kvelt
