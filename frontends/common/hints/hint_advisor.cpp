// Hints in three steps, and the warning on the turn a game is lost.
#include "common/hints/hint_advisor.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "common/hints/dead_ends.h"
#include "common/hints/plan_stages.h"

namespace kvelt {
namespace {

// `value` goes where the text says `mark`.
std::string filledIn(std::string text, const std::string& mark, const std::string& value) {
  for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
    text.replace(at, mark.size(), value);
    at += value.size();
  }
  return text;
}

std::string withUndoKey(std::string text, const std::string& key) {
  return filledIn(std::move(text), "{undo}", key);
}

}  // namespace

HintAdvisor::HintAdvisor(std::string catalogue, HintTexts texts, std::string undoKey)
    : planner_(std::move(catalogue)), texts_(std::move(texts)), undoKey_(std::move(undoKey)) {}

void HintAdvisor::notice(const Game& game) {
  if (game.turn.roomVisited) {
    for (const std::string& word : game.currentRoomObjects) {
      if (!word.empty()) seen_.insert(word);
    }
  }
  for (const std::string& word : game.inventory) {
    if (!word.empty()) seen_.insert(word);
  }
}

void HintAdvisor::look(const Game& game, bool afterTurn) {
  notice(game);
  warning_.reset();
  const std::uint64_t key = stateKey(game);
  if (looked_ && key == lookedAt_) return;
  // No line leads out of a dead end: only a load can, and the planner never loads.
  const bool loaded = game.turn.slotCommand == SlotCommand::load && game.turn.slotDone;
  const bool stillLost = afterTurn && looked_ && !winnable() && !loaded;
  looked_ = true;
  lookedAt_ = key;
  gameOver_ = isTrue(game.gameOver) || game.windowClosed;
  if (plan_) {
    // Still on the plan: the lines played so far are dropped.
    auto& steps = plan_->steps;
    auto at = std::find_if(steps.begin(), steps.end(),
                           [key](const PlanStep& step) { return step.after == key; });
    if (at != steps.end() && !gameOver_) {
      steps.erase(steps.begin(), at + 1);
      plan_->from = key;
    } else {
      plan_.reset();
    }
  }
  if (!plan_ && !gameOver_ && !stillLost) plan_ = planner_.planFrom(game);
  reason_ = plan_ || gameOver_ ? nullptr : deadEndReason(game);
  if (!winnable() && wasWinnable_ && warningsOn_) {
    warning_ = texts_.get("warning") + wayBack();
  }
  wasWinnable_ = winnable() || gameOver_;
  const std::size_t stage =
      plan_ && !plan_->steps.empty() ? plan_->steps.front().stage : firstOpenStage(game);
  if (stage != hintStage_) level_ = 0;
  hintStage_ = stage;
}

std::string HintAdvisor::wayBack() const {
  if (undoKey_.empty()) return {};
  // Appended rather than prefixed: GCC 12 at -O3 warns falsely on a literal + a temporary.
  std::string back(1, ' ');
  back += withUndoKey(texts_.get("back"), undoKey_);
  return back;
}

bool HintAdvisor::seenAll(std::size_t stage) const {
  const auto stages = storyStages();
  if (stage >= stages.size()) return true;
  const Stage& open = stages[stage];
  auto seen = [this](const char* word) { return *word == '\0' || seen_.count(word) > 0; };
  return seen(open.object) && seen(open.target) &&
         std::all_of(open.alsoCarried.begin(), open.alsoCarried.end(), seen);
}

std::array<std::string, 3> HintAdvisor::steps() const {
  const auto stages = storyStages();
  if (gameOver_ || hintStage_ >= stages.size()) return {};
  const Stage& open = stages[hintStage_];
  std::string which =
      seenAll(hintStage_) ? texts_.get(std::string("what.") + open.id) : unseenStep();
  std::string line = texts_.get("noline");
  if (plan_ && !plan_->steps.empty()) {
    const std::string& next = plan_->steps.front().line;
    line = next.empty() ? texts_.get("enter") : texts_.get("line") + " " + next;
  }
  return {texts_.get(std::string("where.") + open.chapter), std::move(which), std::move(line)};
}

std::string HintAdvisor::unseenStep() const {
  // The stage's own words would name what was not seen yet; a plan that first takes or opens
  // something in sight can still say which, rather than send the player to look elsewhere.
  static const std::pair<const char*, const char*> kVerbs[] = {{"vezmi ", "take"},
                                                               {"otevři ", "open"}};
  const std::string next = hintLine();
  for (const auto& [verb, key] : kVerbs) {
    const std::string_view prefix(verb);
    if (next.starts_with(prefix) && seen_.count(std::string_view(next).substr(prefix.size())) &&
        !texts_.get(key).empty()) {
      return filledIn(texts_.get(key), "{object}", next.substr(prefix.size()));
    }
  }
  return texts_.get("unseen");
}

std::string HintAdvisor::hintLine() const {
  return plan_ && !plan_->steps.empty() ? plan_->steps.front().line : std::string();
}

std::string HintAdvisor::pressHint() {
  if (gameOver_) return texts_.get("over");
  if (!winnable()) {
    return texts_.get(reason_) + wayBack();
  }
  // The opening pages only need Enter: asking there is no request to spoil the first stage,
  // whose steps would otherwise start at the exact line on the next press.
  if (hintLine().empty() && plan_ && !plan_->steps.empty()) return steps()[2];
  level_ = std::min(level_ + 1, 3);
  return steps()[static_cast<std::size_t>(level_ - 1)];
}

std::string HintAdvisor::seenText() const {
  std::string text;
  for (const std::string& word : seen_) {
    text += word;
    text += '\n';
  }
  return text;
}

void HintAdvisor::restoreSeen(const std::string& text) {
  std::size_t from = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', from)) {
    if (end > from) seen_.insert(text.substr(from, end - from));
    from = end + 1;
  }
}

}  // namespace kvelt
