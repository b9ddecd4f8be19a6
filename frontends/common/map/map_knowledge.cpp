// What the player has seen of the castle, turn by turn, and its text form.
#include "common/map/map_knowledge.h"

#include "common/plain_words.h"
#include "text/lines.h"
#include "world/room_handler.h"

namespace kvelt {
namespace {

constexpr const char* kTextHeader = "mapa 1";

int wayOfLetter(const std::string& line) {
  for (int way = 0; way < 4; ++way) {
    if (line.size() == 1 && line[0] == kWayLetters[way]) return way;
  }
  return -1;
}

// "sj" for north and south; "-" for none.
std::string lettersOf(const std::array<bool, 4>& ways) {
  std::string out;
  for (int way = 0; way < 4; ++way) {
    if (ways[way]) out += kWayLetters[way];
  }
  return out.empty() ? "-" : out;
}

bool readLetters(const std::string& word, std::array<bool, 4>& ways) {
  ways = {};
  if (word == "-") return true;
  for (char letter : word) {
    const int way = wayOfLetter(std::string(1, letter));
    if (way < 0 || ways[way]) return false;
    ways[way] = true;
  }
  return !word.empty();
}

}  // namespace

const SeenRoom* MapKnowledge::room(Integer x, Integer y) const {
  for (const SeenRoom& seen : rooms_) {
    if (seen.x == x && seen.y == y) return &seen;
  }
  return nullptr;
}

SeenRoom& MapKnowledge::enter(Integer x, Integer y) {
  for (SeenRoom& seen : rooms_) {
    if (seen.x == x && seen.y == y) return seen;
  }
  rooms_.push_back(SeenRoom{x, y});
  return rooms_.back();
}

void MapKnowledge::startOver(const Game& game) {
  *this = MapKnowledge{};
  hereX_ = game.posX;
  hereY_ = game.posY;
  if (isRoom(game.posX, game.posY)) enter(game.posX, game.posY);
}

void MapKnowledge::afterTurn(const Game& game, const std::string& line) {
  const TurnReport& turn = game.turn;
  if (turn.exitRequested) return;
  const int way = turn.direction ? wayOfLetter(line) : -1;
  // A move that ended the game marks the way it was tried from, whatever gate stopped it.
  if (way >= 0 && turn.gameEnded && !turn.won) {
    if (isRoom(hereX_, hereY_)) enter(hereX_, hereY_).deadly[way] = true;
  }
  if (way == south && hereX_ == 2 && hereY_ == 2 && game.posX == 3 && game.posY == 4) {
    ropeClimbed_ = true;
  }
  // A room the player was killed on entering was never shown, so it stays unknown.
  if (!isRoom(game.posX, game.posY) || (turn.gameEnded && !turn.roomVisited)) return;
  SeenRoom& seen = enter(game.posX, game.posY);
  if (turn.waysListed) {
    seen.waysKnown = true;
    seen.ways = turn.waysNamed;
  }
  hereX_ = game.posX;
  hereY_ = game.posY;
}

std::string MapKnowledge::toText() const {
  std::string out = std::string(kTextHeader) + "\nzde " + std::to_string(hereX_) + ' ' +
                    std::to_string(hereY_) + '\n';
  if (ropeClimbed_) out += "lano\n";
  for (const SeenRoom& seen : rooms_) {
    out += "misto " + std::to_string(seen.x) + ' ' + std::to_string(seen.y) + ' ' +
           (seen.waysKnown ? lettersOf(seen.ways) : "?") + ' ' + lettersOf(seen.deadly) + '\n';
  }
  return out;
}

std::optional<MapKnowledge> MapKnowledge::fromText(const std::string& text) {
  const std::vector<std::string_view> lines = splitLines(text);
  if (lines.empty() || lines.front() != kTextHeader) return std::nullopt;
  MapKnowledge known;
  bool hereRead = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string_view> words = plainWords(lines[i]);
    const std::string_view key = words.empty() ? std::string_view() : words.front();
    int x = 0, y = 0;
    const bool place = words.size() > 2 && plainNumber(words[1], x) && plainNumber(words[2], y);
    if (key == "zde" && !hereRead && place && words.size() == 3) {
      known.hereX_ = static_cast<Integer>(x);
      known.hereY_ = static_cast<Integer>(y);
      hereRead = true;
      continue;
    }
    if (key == "lano" && words.size() == 1) {
      known.ropeClimbed_ = true;
      continue;
    }
    if (key != "misto" || !place || words.size() != 5) return std::nullopt;
    if (x < 1 || x > 7 || y < 1 || y > 7 ||
        !isRoom(static_cast<Integer>(x), static_cast<Integer>(y)))
      return std::nullopt;
    if (known.seen(static_cast<Integer>(x), static_cast<Integer>(y))) return std::nullopt;
    SeenRoom seen{static_cast<Integer>(x), static_cast<Integer>(y)};
    const std::string ways(words[3]), deadly(words[4]);
    seen.waysKnown = ways != "?";
    if ((seen.waysKnown && !readLetters(ways, seen.ways)) || !readLetters(deadly, seen.deadly))
      return std::nullopt;
    known.rooms_.push_back(seen);
  }
  if (!hereRead) return std::nullopt;
  return known;
}

void MapHistory::startOver(const Game& game) {
  now_.startOver(game);
  done_.clear();
  undone_.clear();
}

void MapHistory::afterTurn(const Game& game, const std::string& line) {
  done_.push_back(now_);
  if (done_.size() > limit_) done_.pop_front();
  undone_.clear();
  now_.afterTurn(game, line);
}

bool MapHistory::undo() {
  if (done_.empty()) return false;
  undone_.push_back(now_);
  now_ = done_.back();
  done_.pop_back();
  return true;
}

bool MapHistory::redo() {
  if (undone_.empty()) return false;
  done_.push_back(now_);
  now_ = undone_.back();
  undone_.pop_back();
  return true;
}

void MapHistory::resume(MapKnowledge known) {
  now_ = std::move(known);
  done_.clear();
  undone_.clear();
}

}  // namespace kvelt
