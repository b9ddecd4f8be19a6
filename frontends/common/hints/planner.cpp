// Finds lines that win the game, by playing them on copies of the game.
#include "common/hints/planner.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <set>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "common/hints/plan_stages.h"
#include "shell/session.h"

namespace kvelt {
namespace {

// A search that plays more turns than this has lost its way; the player gets no plan rather
// than a wait.
constexpr std::size_t kTurnBudget = 40000;
// One walk between two places never needs more states than the map has rooms times the few
// things that a walk can change (doors, the uniform, the dead guard).
constexpr std::size_t kWalkStates = 4000;
constexpr int kStageRounds = 150;

class KeyHash {
 public:
  void add(std::int64_t value) {
    for (int i = 0; i < 8; ++i) byte(static_cast<unsigned char>(value >> (8 * i)));
  }
  void add(std::string_view text) {
    for (char c : text) byte(static_cast<unsigned char>(c));
    byte(0xff);  // no word ends inside another
  }
  std::uint64_t value() const { return hash_; }

 private:
  void byte(unsigned char c) {
    hash_ ^= c;
    hash_ *= 0x100000001b3ULL;
  }
  std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

// The room (x,y) as the room handler would show it now: its list, unless the room is dark.
const ObjectList* visibleList(const Game& game) {
  const ObjectList* list = roomList(game, game.posX, game.posY);
  if (list == nullptr) return nullptr;
  if (game.posX == 5 && game.posY == 3 && !carries(game, "hořící pochodeň")) return nullptr;
  return list;
}

// A word the player can take here: in the part of the room's list that commands can name.
bool takeableHere(const Game& game, std::string_view word) {
  const ObjectList* list = visibleList(game);
  return list != nullptr && lies(*list, word, 10);
}

bool presentHere(const Game& game, std::string_view word) {
  return carries(game, word) || takeableHere(game, word);
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// What must go upstairs before the chandelier falls: wanted with the last free slot too.
bool neededUpstairs(std::string_view word) {
  return word == "jehlu" || word == "hřebík" || word == "lano";
}

}  // namespace

std::uint64_t stateKey(const Game& game) {
  KeyHash hash;
  for (Integer value : {game.posX,
                        game.posY,
                        game.doorRoomCode,
                        game.gameOver,
                        game.startSouthBlocked,
                        game.door37Open,
                        game.hatchOpen,
                        game.hatchOiled,
                        game.hatchPried,
                        game.wallGuardDown,
                        game.deadGuardSearched,
                        game.uniformWorn,
                        game.deadGuardHidden,
                        game.ladderOnHolder,
                        game.barrelOpened,
                        game.smithServed,
                        game.vesselFilled,
                        game.ropeFree,
                        game.wellCrankFitted,
                        game.bucketFull,
                        game.watchmanDown,
                        game.pailFilled,
                        game.watchmanSearched,
                        game.haySearched,
                        game.bannerCut,
                        game.deviceJammed,
                        game.door33Open,
                        game.door33Unlocked,
                        game.hearthQuenched,
                        game.windowRopeTied,
                        game.guardKilled,
                        game.door32Open,
                        game.door42Open,
                        game.captainShielded,
                        game.captainStruck,
                        game.captainDefeated,
                        game.chandelierCut,
                        game.door31Unlocked,
                        game.door31Open,
                        game.standNeedleSet,
                        game.standNailSet,
                        game.kveltTaken,
                        game.firstTurnPending,
                        game.firstTurnShown}) {
    hash.add(value);
  }
  for (Integer way : game.exits) hash.add(way);
  for (const std::string& word : game.inventory) hash.add(word);
  for (const std::string& word : game.currentRoomObjects) hash.add(word);
  for (ObjectList Game::*list : kRoomListsInOrder) {
    for (const std::string& word : game.*list) hash.add(word);
  }
  return hash.value();
}

class Planner::Search {
 public:
  Search(const PlanningPlatform& platform, std::size_t& turns, const Game& start)
      : turns_(turns), game_(platform.copyOf(start)), stages_(storyStages()) {
    plan.from = stateKey(start);
  }

  bool run() {
    if (isTrue(game_.gameOver) || game_.windowClosed) return false;
    if (isTrue(game_.firstTurnShown)) pickUpOnTheWay(firstOpenStage(game_));
    for (int round = 0; round < kStageRounds; ++round) {
      if (won(game_)) return true;
      const std::size_t open = firstOpenStage(game_);
      if (open == stages_.size()) return false;
      if (!achieveFrom(open) || turns_ > kTurnBudget) return false;
    }
    return false;
  }

  Plan plan;

 private:
  using Goal = std::function<bool(const Game&)>;

  // `line` played on a copy of `from`: nothing when the engine failed or the game was lost.
  std::optional<Game> tryLine(const Game& from, const std::string& line) {
    Game next = from;
    ++turns_;
    if (!pressEnter(next, line).isOk() || next.windowClosed) return std::nullopt;
    if (isTrue(next.gameOver) && !won(next)) return std::nullopt;
    return next;
  }

  bool play(const std::string& line, std::size_t stage) {
    std::optional<Game> next = tryLine(game_, line);
    if (!next) return false;
    const std::uint64_t before = stateKey(game_);
    game_ = std::move(*next);
    // A line that changed nothing is no step of the plan: a player told to type it would be
    // told so again and again.
    const std::uint64_t after = stateKey(game_);
    if (after != before) plan.steps.push_back({line, stage, after});
    return true;
  }

  // The lines a walk tries: the open ways, the doors, and what keeps the guards from noticing.
  std::vector<std::string> walkLines(const Game& game) const {
    std::vector<std::string> lines;
    bool anyWay = false;
    static const char* const kMoves[] = {"s", "j", "z", "v"};
    for (int way = 0; way < 4; ++way) {
      if (isTrue(game.exits[static_cast<std::size_t>(way)])) {
        lines.emplace_back(kMoves[way]);
        anyWay = true;
      }
    }
    // No way out at all: the room has not been shown yet (the opening, the first turn).
    if (!anyWay) lines.emplace_back("");
    if (takeableHere(game, "dveře")) lines.emplace_back("otevři dveře");
    if (takeableHere(game, "dvířka")) lines.emplace_back("otevři dvířka");
    if (carries(game, "uniformu") && isFalse(game.uniformWorn)) {
      lines.emplace_back("použij uniformu");
    }
    if (takeableHere(game, "mrtvou stráž") && isFalse(game.deadGuardHidden) &&
        game.inventory[6].empty()) {
      lines.emplace_back("vezmi mrtvou stráž");
    }
    return lines;
  }

  bool walk(const Goal& goal, std::size_t stage) {
    if (goal(game_)) return true;
    struct Node {
      Game game;
      std::size_t parent;
      std::string line;
    };
    std::deque<Node> nodes;
    nodes.push_back({game_, 0, ""});
    std::unordered_set<std::uint64_t> seen{stateKey(game_)};
    for (std::size_t i = 0; i < nodes.size() && nodes.size() < kWalkStates; ++i) {
      for (const std::string& line : walkLines(nodes[i].game)) {
        std::optional<Game> next = tryLine(nodes[i].game, line);
        if (!next || !seen.insert(stateKey(*next)).second) continue;
        const bool arrived = goal(*next);
        nodes.push_back({std::move(*next), i, line});
        if (arrived) return follow(nodes, nodes.size() - 1, goal, stage);
      }
    }
    return false;
  }

  template <typename Nodes>
  bool follow(const Nodes& nodes, std::size_t last, const Goal& goal, std::size_t stage) {
    std::vector<std::string> path;
    for (std::size_t i = last; i != 0; i = nodes[i].parent) path.push_back(nodes[i].line);
    for (auto line = path.rbegin(); line != path.rend(); ++line) {
      if (!play(*line, stage)) return false;
      pickUpOnTheWay(stage);
    }
    return goal(game_);
  }

  // Words that the open stages from `stage` on will need carried.
  std::vector<std::string> wanted(std::size_t stage) const {
    std::vector<std::string> words;
    for (std::size_t i = stage; i < stages_.size(); ++i) {
      const Stage& open = stages_[i];
      if (open.done(game_)) continue;
      if (*open.object != '\0') words.emplace_back(open.object);
      for (const char* also : open.alsoCarried) words.emplace_back(also);
      const std::string_view line = open.line;
      if (startsWith(line, "vezmi ") && line != "vezmi kvelt" && line != "vezmi mrtvou stráž") {
        words.emplace_back(open.target);
      }
    }
    return words;
  }

  // Takes what a later stage needs when it lies in the room, while there is room to spare.
  void pickUpOnTheWay(std::size_t stage) {
    for (const std::string& word : wanted(stage)) {
      if (!takeableHere(game_, word) || carries(game_, word)) continue;
      if (carriedCount(game_) > (neededUpstairs(word) ? 6 : 4)) continue;
      const std::uint64_t before = stateKey(game_);
      if (refused_.count({word, before}) > 0) continue;
      std::optional<Game> next = tryLine(game_, "vezmi " + word);
      if (!next || !carries(*next, word)) {
        refused_.insert({word, before});
        continue;
      }
      game_ = std::move(*next);
      plan.steps.push_back({"vezmi " + word, stage, stateKey(game_)});
    }
  }

  // Puts down what is needed least, so that one more thing can be taken.
  bool makeRoom(std::size_t stage, const std::vector<std::string>& keep) {
    if (game_.inventory[6].empty()) return true;
    const ObjectList* here = visibleList(game_);
    if (here == nullptr || !(*here)[10].empty()) return false;
    const std::vector<std::string> needs = wanted(stage);
    auto kept = [&](const std::string& word) {
      for (const std::string& k : keep) {
        if (k == word) return true;
      }
      // The lit torch put down in the dark room would leave nothing there to be taken.
      const bool inTheDark = game_.posX == 5 && game_.posY == 3;
      return word == "uniformu" || (word == "mrtvou stráž" && game_.posY < 5) ||
             (word == "hořící pochodeň" && inTheDark);
    };
    auto lastUse = [&](const std::string& word) {
      int last = -1;
      for (int i = 0; i < static_cast<int>(needs.size()); ++i) {
        if (needs[static_cast<std::size_t>(i)] == word) last = i;
      }
      return last;
    };
    std::string choice;
    int choiceUse = -2;
    for (int slot = 0; slot <= 10; ++slot) {
      const std::string& word = game_.inventory[static_cast<std::size_t>(slot)];
      if (word.empty() || kept(word)) continue;
      // Not needed again beats needed late, which beats needed soon.
      const int use = lastUse(word);
      const int rank = use < 0 ? 1 << 20 : static_cast<int>(needs.size()) - use;
      if (rank > choiceUse) {
        choice = word;
        choiceUse = rank;
      }
    }
    if (choice.empty()) return false;
    return play("polož " + choice, stage) && game_.inventory[6].empty();
  }

  bool fetch(const std::string& word, std::size_t stage, const std::vector<std::string>& keep) {
    if (carries(game_, word)) return true;
    if (!walk([&](const Game& g) { return presentHere(g, word); }, stage)) return false;
    if (carries(game_, word)) return true;  // picked up on the way in
    if (!makeRoom(stage, keep)) return false;
    return play("vezmi " + word, stage) && carries(game_, word);
  }

  // The first open stage, or when it cannot be done yet (a guard in the way, the way back
  // closed until later) the next one that can. Nothing is done out of order past the
  // chandelier, which closes the way back for good, unless what was put off can be done
  // upstairs too.
  bool achieveFrom(std::size_t first) {
    bool putOffNeedsDownstairs = false;
    for (std::size_t stage = first; stage < stages_.size(); ++stage) {
      if (stages_[stage].done(game_)) continue;
      if (std::string_view(stages_[stage].id) == "chandelier" && putOffNeedsDownstairs) break;
      Game before = game_;
      const std::size_t steps = plan.steps.size();
      if (achieve(stage)) return true;
      game_ = std::move(before);
      plan.steps.resize(steps);
      putOffNeedsDownstairs = putOffNeedsDownstairs || !doableAnywhere(stages_[stage]);
    }
    return false;
  }

  // A stage typed in any room with only what is carried: the uniform taken off in the
  // captain's hall, where every line but the fight ends the game, goes back on after it.
  bool doableAnywhere(const Stage& stage) const {
    auto carried = [this](const char* word) { return *word == '\0' || carries(game_, word); };
    return stage.x == 0 && carried(stage.object) && carried(stage.target) &&
           std::all_of(stage.alsoCarried.begin(), stage.alsoCarried.end(), carried);
  }

  bool achieve(std::size_t stage) {
    const Stage& open = stages_[stage];
    std::vector<std::string> keep;
    if (*open.object != '\0') keep.emplace_back(open.object);
    for (const char* also : open.alsoCarried) keep.emplace_back(also);
    for (const std::string& word : keep) {
      if (!fetch(word, stage, keep)) return false;
    }
    for (const std::string& word : keep) {
      if (!carries(game_, word)) return false;
    }
    const std::string target = open.target;
    const Integer x = open.x, y = open.y;
    Goal there = [&](const Game& g) {
      if (x != 0 && (g.posX != x || g.posY != y)) return false;
      return target.empty() || presentHere(g, target);
    };
    if (!walk(there, stage)) return false;
    if (open.done(game_)) return true;  // done on the way there
    const std::string line = open.line;
    if (startsWith(line, "vezmi ") && !makeRoom(stage, keep)) return false;
    if (!play(line, stage)) {
      // Some rooms end the game on any line but a way out: the stable and the smithy once the
      // uniform is off. The line is typed a step away, where it does no harm.
      Goal harmless = [&](const Game& g) { return there(g) && tryLine(g, line).has_value(); };
      if (!walk(harmless, stage) || !play(line, stage)) return false;
    }
    if (!open.done(game_)) return false;
    if (!isTrue(game_.gameOver)) pickUpOnTheWay(stage);
    return true;
  }

  std::size_t& turns_;
  Game game_;
  std::span<const Stage> stages_;
  std::set<std::pair<std::string, std::uint64_t>> refused_;
};

Planner::Planner(std::string catalogue) : platform_(std::move(catalogue)) {}

std::optional<Plan> Planner::planFrom(const Game& game) {
  turns_ = 0;
  Search search(platform_, turns_, game);
  if (!search.run()) return std::nullopt;
  return std::move(search.plan);
}

}  // namespace kvelt
