// Finds lines that win the game from any state, by playing them on copies of the game.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/game.h"
#include "common/hints/plan_platform.h"

namespace kvelt {

// What a state of the game is, for telling two states apart: every part of the record that a
// later turn can read. Pages, the pane of carried objects and the counters are left out.
std::uint64_t stateKey(const Game& game);

struct PlanStep {
  std::string line;
  std::size_t stage = 0;    // the stage of the story this line works towards
  std::uint64_t after = 0;  // stateKey once the line has been played
};

struct Plan {
  std::uint64_t from = 0;  // stateKey of the state the plan starts in
  std::vector<PlanStep> steps;
};

class Planner {
 public:
  // `catalogue`: the bytes of scripts.tex, which every tried line prints from.
  explicit Planner(std::string catalogue);

  // Lines that win from `game`, each played on a copy and the last one ending the game won;
  // nothing when no plan was found (the game is over, or the search found no way).
  std::optional<Plan> planFrom(const Game& game);
  // Engine turns the last search played, for measuring.
  std::size_t turnsPlayed() const { return turns_; }

 private:
  class Search;
  PlanningPlatform platform_;
  std::size_t turns_ = 0;
};

}  // namespace kvelt
