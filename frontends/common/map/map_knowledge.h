// What the player has seen of the castle: the rooms stood in and the ways the game named there.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/game.h"

namespace kvelt {

// One room of the grid the player has stood in, with the ways out the page last named there.
struct SeenRoom {
  Integer x = 0, y = 0;
  bool waysKnown = false;        // the dark room names none until it is lit
  std::array<bool, 4> ways{};    // north, south, west, east
  std::array<bool, 4> deadly{};  // a way out of here that ended the game
  bool operator==(const SeenRoom&) const = default;
};

// Nothing in it comes from anywhere but the pages the player has been shown: a room joins when
// the player stands in it, its ways when "Můžeš jít na" names them.
class MapKnowledge {
 public:
  // A game as it starts, standing in its first room.
  void startOver(const Game& game);
  // After an Enter: `game.turn` tells what the page showed. The position before the turn is
  // the one the knowledge last saw.
  void afterTurn(const Game& game, const std::string& line);

  const std::vector<SeenRoom>& rooms() const { return rooms_; }  // in the order first entered
  const SeenRoom* room(Integer x, Integer y) const;
  bool seen(Integer x, Integer y) const { return room(x, y) != nullptr; }
  Integer hereX() const { return hereX_; }
  Integer hereY() const { return hereY_; }
  // The rope from the window of (2,2) has been climbed down and landed in (3,4).
  bool ropeClimbed() const { return ropeClimbed_; }

  // "mapa 1" and a line a room, for keeping beside a game that is to be resumed.
  std::string toText() const;
  // nullopt for a text that is not one toText() wrote.
  static std::optional<MapKnowledge> fromText(const std::string& text);

  bool operator==(const MapKnowledge&) const = default;

 private:
  SeenRoom& enter(Integer x, Integer y);

  std::vector<SeenRoom> rooms_;
  Integer hereX_ = 0, hereY_ = 0;
  bool ropeClimbed_ = false;
};

// The knowledge beside the undo stack: one copy per turn, so that taking a turn back takes back
// what it showed, and playing it again shows it again.
class MapHistory {
 public:
  explicit MapHistory(std::size_t limit = 200) : limit_(limit) {}
  void startOver(const Game& game);
  void afterTurn(const Game& game, const std::string& line);
  bool undo();
  bool redo();
  // A resumed game: what was seen is kept, with no turns to take back.
  void resume(MapKnowledge known);
  const MapKnowledge& now() const { return now_; }

 private:
  std::size_t limit_;
  MapKnowledge now_;
  std::deque<MapKnowledge> done_;
  std::vector<MapKnowledge> undone_;
};

// The way letters "s", "j", "z", "v" by `Way`.
inline constexpr std::array<char, 4> kWayLetters = {'s', 'j', 'z', 'v'};

}  // namespace kvelt
