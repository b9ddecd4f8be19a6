// Hints in three steps from the planner's plan, and the warning on the turn a game is lost.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "base/game.h"
#include "common/hints/hint_texts.h"
#include "common/hints/planner.h"

namespace kvelt {

class HintAdvisor {
 public:
  // `catalogue`: the bytes of scripts.tex; `undoKey`: how the front end names its undo key, ""
  // where there is none.
  HintAdvisor(std::string catalogue, HintTexts texts, std::string undoKey = "Alt+U");

  // The game as it is now: after start-up, every Enter, an undo or a redo. A plan from an
  // earlier look is kept while the game stays on it. `afterTurn`: the game got here by one
  // Enter from the state looked at last, so a lost game stays lost unless the line loaded a
  // slot; the planner is not asked again.
  void look(const Game& game, bool afterTurn = false);

  // False when no plan wins.
  bool winnable() const { return !reason_; }
  // Whether a plan was found for the state last looked at.
  bool hasPlan() const { return plan_.has_value(); }
  // The warning for the status line, on the look whose turn lost the game; nothing otherwise
  // and when warnings are off.
  const std::optional<std::string>& warning() const { return warning_; }
  void setWarnings(bool on) { warningsOn_ = on; }

  // The three steps for the state: where or what matters, which object, the exact line.
  std::array<std::string, 3> steps() const;
  // The plan's next line, or "" without a plan.
  std::string hintLine() const;
  // F1: the next step of the hint, or what went wrong when the game is lost.
  std::string pressHint();

  // The object words the player has been shown, a line each, for keeping between runs.
  std::string seenText() const;
  void restoreSeen(const std::string& text);

 private:
  void notice(const Game& game);
  bool seenAll(std::size_t stage) const;
  // The second step while the stage needs something not seen yet.
  std::string unseenStep() const;
  // How to undo, for a front end that can ("" in the line mode, which cannot).
  std::string wayBack() const;

  Planner planner_;
  HintTexts texts_;
  std::string undoKey_;
  std::optional<Plan> plan_;
  std::uint64_t lookedAt_ = 0;
  bool looked_ = false;
  const char* reason_ = nullptr;
  bool gameOver_ = false;
  bool wasWinnable_ = true;
  bool warningsOn_ = true;
  std::optional<std::string> warning_;
  std::set<std::string, std::less<>> seen_;  // object words the player has been shown
  std::size_t hintStage_ = 0;
  int level_ = 0;
};

}  // namespace kvelt
