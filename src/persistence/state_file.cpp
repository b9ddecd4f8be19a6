// State file: the fixed order of its fields and their byte layout.
#include "persistence/state_file.h"

#include <array>
#include <cstdint>

namespace kvelt {
namespace {

// The order is the one saved games have always used; it does not follow the record's own order.
constexpr std::array<Integer Game::*, kStateFields> kStateOrder = {&Game::posX,
                                                                   &Game::posY,
                                                                   &Game::doorRoomCode,
                                                                   &Game::hatchOiled,
                                                                   &Game::hatchOpen,
                                                                   &Game::door37Open,
                                                                   &Game::hatchPried,
                                                                   &Game::wallGuardDown,
                                                                   &Game::deadGuardSearched,
                                                                   &Game::deadGuardHidden,
                                                                   &Game::uniformWorn,
                                                                   &Game::startSouthBlocked,
                                                                   &Game::smithServed,
                                                                   &Game::barrelOpened,
                                                                   &Game::ladderOnHolder,
                                                                   &Game::wellCrankFitted,
                                                                   &Game::ropeFree,
                                                                   &Game::vesselFilled,
                                                                   &Game::pailFilled,
                                                                   &Game::watchmanDown,
                                                                   &Game::bucketFull,
                                                                   &Game::bannerCut,
                                                                   &Game::haySearched,
                                                                   &Game::watchmanSearched,
                                                                   &Game::door33Unlocked,
                                                                   &Game::door33Open,
                                                                   &Game::deviceJammed,
                                                                   &Game::guardKilled,
                                                                   &Game::windowRopeTied,
                                                                   &Game::hearthQuenched,
                                                                   &Game::door42Open,
                                                                   &Game::door32Open,
                                                                   &Game::captainShielded,
                                                                   &Game::chandelierCut,
                                                                   &Game::captainDefeated,
                                                                   &Game::captainStruck,
                                                                   &Game::standNeedleSet,
                                                                   &Game::door31Open,
                                                                   &Game::door31Unlocked,
                                                                   &Game::kveltTaken,
                                                                   &Game::standNailSet};

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
  for (std::size_t i = 0; i < kStateFields && 2 * i + 1 < bytes.size(); ++i) {
    auto low = static_cast<std::uint8_t>(bytes[2 * i]);
    auto high = static_cast<std::uint8_t>(bytes[2 * i + 1]);
    game.*kStateOrder[i] = static_cast<Integer>(static_cast<std::uint16_t>(low | (high << 8)));
  }
}

}  // namespace kvelt
