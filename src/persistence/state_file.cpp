// State file: the fixed order of its fields and their byte layout.
#include "persistence/state_file.h"

#include <array>
#include <cstdint>

#include "world/room_handler.h"

namespace kvelt {
namespace {

// The order saved games have always used, not the record's own; byte offsets on the right.
constexpr std::array<Integer Game::*, kStateFields> kStateOrder = {
    &Game::posX,               // 0
    &Game::posY,               // 2
    &Game::doorRoomCode,       // 4
    &Game::hatchOiled,         // 6
    &Game::hatchOpen,          // 8
    &Game::door37Open,         // 10
    &Game::hatchPried,         // 12
    &Game::wallGuardDown,      // 14
    &Game::deadGuardSearched,  // 16
    &Game::deadGuardHidden,    // 18
    &Game::uniformWorn,        // 20
    &Game::startSouthBlocked,  // 22
    &Game::smithServed,        // 24
    &Game::barrelOpened,       // 26
    &Game::ladderOnHolder,     // 28
    &Game::wellCrankFitted,    // 30
    &Game::ropeFree,           // 32
    &Game::vesselFilled,       // 34
    &Game::pailFilled,         // 36
    &Game::watchmanDown,       // 38
    &Game::bucketFull,         // 40
    &Game::bannerCut,          // 42
    &Game::haySearched,        // 44
    &Game::watchmanSearched,   // 46
    &Game::door33Unlocked,     // 48
    &Game::door33Open,         // 50
    &Game::deviceJammed,       // 52
    &Game::guardKilled,        // 54
    &Game::windowRopeTied,     // 56
    &Game::hearthQuenched,     // 58
    &Game::door42Open,         // 60
    &Game::door32Open,         // 62
    &Game::captainShielded,    // 64
    &Game::chandelierCut,      // 66
    &Game::captainDefeated,    // 68
    &Game::captainStruck,      // 70
    &Game::standNeedleSet,     // 72
    &Game::door31Open,         // 74
    &Game::door31Unlocked,     // 76
    &Game::kveltTaken,         // 78
    &Game::standNailSet,       // 80
};

// Field i of a file of at least kStateFileSize bytes.
Integer field(std::string_view bytes, std::size_t i) {
  auto low = static_cast<std::uint8_t>(bytes[2 * i]);
  auto high = static_cast<std::uint8_t>(bytes[2 * i + 1]);
  return static_cast<Integer>(static_cast<std::uint16_t>(low | (high << 8)));
}

constexpr Integer kLastDoorCode = 5;
constexpr std::size_t kFirstFlagField = 3;           // byte offset 6: all after it are flags
constexpr std::size_t kStartSouthBlockedField = 11;  // byte offset 22
static_assert(kStateOrder[kFirstFlagField] == &Game::hatchOiled);
static_assert(kStateOrder[kStartSouthBlockedField] == &Game::startSouthBlocked);

}  // namespace

std::string encodeState(const Game& game) {
  std::string bytes;
  bytes.reserve(kStateFileSize);
  for (Integer Game::*field : kStateOrder) {
    auto value = static_cast<std::uint16_t>(game.*field);
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
  }
  return bytes;
}

void decodeState(Game& game, std::string_view bytes) {
  for (std::size_t i = 0; i < kStateFields; ++i) game.*kStateOrder[i] = field(bytes, i);
}

bool leavesPlayableGame(Game& game, std::string_view bytes) {
  // A short file would leave the game half old, half loaded: no play reaches that.
  if (bytes.size() < kStateFileSize) return false;
  const Integer doorCode = field(bytes, 2);
  if (roomObjects(game, field(bytes, 0), field(bytes, 1)) == nullptr || doorCode < 0 ||
      doorCode > kLastDoorCode) {
    return false;
  }
  // The rules test flags for exactly -1 or 0, so a flag that holds another value passes both
  // tests or neither: with such a rope flag "j" from (2,2) walks to (2,3), which is no room.
  for (std::size_t i = kFirstFlagField; i < kStateFields; ++i) {
    const Integer flag = field(bytes, i);
    if (flag != kTrue && flag != kFalse) return false;
  }
  // Nothing in play ever clears startSouthBlocked; without it "j" in the start room walks off
  // the map, where no line is answered any more.
  return field(bytes, kStartSouthBlockedField) == kTrue;
}

}  // namespace kvelt
