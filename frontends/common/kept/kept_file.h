// The kept game: what a front end keeps of the game in play between runs, as one file beside
// the slots (the slots themselves are never touched).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/game.h"
#include "common/page_history.h"

namespace kvelt {

inline constexpr const char* kKeptFileName = "kept.kvelt";
inline constexpr std::uint32_t kKeptFileVersion = 1;

// A kept game as it is read back. The records have no platform: the running program's is put
// in when the game is resumed.
struct KeptGame {
  Game game;
  std::vector<Game> done;    // the games before the last turns, oldest first
  std::vector<Game> undone;  // the turns taken back, the most recent last
  std::vector<Page> pages;   // oldest first, the live page last
  std::vector<Page> redoPages;
  std::string map;    // the map's own text form
  std::string hints;  // the hints' own state, kept as it is
};

// A kept game as it is written: pointers into the session that plays it, so that keeping a
// turn copies no record.
struct KeptView {
  const Game* game = nullptr;
  std::vector<const Game*> done, undone;
  std::vector<const Page*> pages, redoPages;
  std::string_view map, hints;
};

// The whole file into `out`, whose room is reused from turn to turn.
void encodeKeptFile(const KeptView& view, std::string& out);

enum class KeptFileFault { none, damaged, newer };
KeptFileFault decodeKeptFile(std::string_view bytes, KeptGame& kept);

// The 64-bit checksum each piece of the file carries.
std::uint64_t keptChecksum(std::string_view bytes);

}  // namespace kvelt
