// One game as an interactive front end plays it.
#include "common/play_session.h"

#include <ctime>

#include "shell/session.h"

namespace kvelt {
namespace {

// One more sentence in the status line.
void addSentence(std::string& line, const std::string& sentence) {
  if (!line.empty()) line += ' ';
  line += sentence;
}

}  // namespace

void PlaySession::NoticeTap::notice(std::string_view text) {
  if (!heard.empty()) heard += '\n';
  heard += text;
  inner->notice(text);
}

PlaySession::PlaySession(Platform platform, KeyNames keys)
    : platform_(std::move(platform)), keys_(std::move(keys)) {
  tap_.inner = platform_.window;
}

void PlaySession::setTranscript(const std::string& path) {
  transcript_.emplace(path);
}

void PlaySession::keepBetweenRuns(KeptStart start, GameKeeper::Claim claim) {
  kept_.emplace(*platform_.files, platform_.saveDir, start, claim);
}

void PlaySession::keep() {
  if (!kept_) return;
  kept_->keep(game_, undo_, pages_, redoPages_);
  if (std::optional<std::string> problem = kept_->takeProblem()) addSentence(status_, *problem);
}

Status PlaySession::begin() {
  Platform platform = platform_;
  platform.window = &tap_;
  game_ = Game{};
  Status started = startGame(game_, std::move(platform));
  pages_.clear();
  redoPages_.clear();
  undo_.clear();
  pages_.add(Page{std::nullopt, game_.Text2, game_.Text3});
  return started;
}

Status PlaySession::start() {
  if (kept_) kept_->open();
  Status started = begin();
  if (!started.isOk()) return started;
  std::string said = startStatus(keys_);
  if (kept_) {
    KeptSession::Resumed resumed = kept_->resume(game_, undo_, pages_, redoPages_);
    if (resumed.resumed) said = resumedStatus(keys_);
    if (!resumed.notice.empty()) said = resumed.notice + " " + said;
  }
  setStatus(said);
  record(nullptr, {});
  return started;
}

Status PlaySession::enter(const std::string& line) {
  newGameAsked_ = false;
  tap_.heard.clear();
  undo_.record(game_);
  Status played = pressEnter(game_, line);
  if (!played.isOk() || game_.windowClosed) {
    record(&line, {});
    return played;
  }
  redoPages_.clear();
  pages_.add(Page{line, game_.Text2, game_.Text3});
  std::vector<std::string> remarks;
  const std::optional<std::string> answer = turnAnswer(game_, line);
  if (answer) remarks.push_back(*answer);
  if (!tap_.heard.empty()) remarks.push_back(tap_.heard);
  setStatus(answer.value_or(""));
  record(&line, remarks);
  keep();
  return played;
}

void PlaySession::undo() {
  newGameAsked_ = false;
  tap_.heard.clear();
  if (!undo_.undo(game_)) {
    setStatus(kNothingToTakeBack);
    return;
  }
  if (std::optional<Page> page = pages_.dropLatest()) redoPages_.push_back(std::move(*page));
  setStatus(kTakenBack);
  recordRemark(kTakenBack);
  keep();
}

void PlaySession::redo() {
  newGameAsked_ = false;
  tap_.heard.clear();
  if (!undo_.redo(game_)) {
    setStatus(kNothingToRedo);
    return;
  }
  if (!redoPages_.empty()) {
    pages_.add(std::move(redoPages_.back()));
    redoPages_.pop_back();
  }
  setStatus(kRedone);
  recordRemark(kRedone);
  keep();
}

Status PlaySession::newGameKey() {
  if (!newGameAsked_) {
    newGameAsked_ = true;
    statusBeforeQuestion_ = status_;
    status_ = askNewGameStatus(keys_);
    return Status::ok();
  }
  newGameAsked_ = false;
  tap_.heard.clear();
  // The screen size to put back at the end is the one found when the program started, not the
  // size the first game switched to.
  const Integer width = game_.savedWidth, height = game_.savedHeight;
  Status started = begin();
  game_.savedWidth = width;
  game_.savedHeight = height;
  if (!started.isOk()) return started;
  setStatus(kNewGameStarted);
  record(nullptr, {kNewGameStarted});
  keep();
  return started;
}

void PlaySession::showSavedSlots() {
  newGameAsked_ = false;
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  setStatus(savedSlotsStatus(readSavedSlots(platform_.saveDir),
                             local != nullptr ? local->tm_year + 1900 : 0,
                             kept_ ? keptGameTime(platform_.saveDir) : std::nullopt));
}

void PlaySession::dismiss() {
  if (!newGameAsked_) return;
  newGameAsked_ = false;
  status_ = statusBeforeQuestion_;
}

void PlaySession::close() {
  closeWindow(game_);
}

std::string PlaySession::narration() const {
  const Page* page = pages_.shown();
  if (page == nullptr) return game_.Text2;
  const std::string heading = pageHeading(*page);
  return heading.empty() ? page->narration : heading + "\r\n" + page->narration;
}

std::string PlaySession::carried() const {
  const Page* page = pages_.shown();
  return page == nullptr ? game_.Text3 : page->carried;
}

std::string PlaySession::status() const {
  if (pages_.browsing() && !newGameAsked_) return earlierPageStatus(keys_);
  return status_;
}

void PlaySession::setStatus(std::string message) {
  if (game_.gameOver == kTrue) addSentence(message, afterEndStatus(keys_));
  if (transcript_) {
    if (std::optional<std::string> problem = transcript_->takeNotice()) {
      addSentence(message, *problem);
    }
  }
  status_ = std::move(message);
}

void PlaySession::record(const std::string* line, const std::vector<std::string>& remarks) {
  if (!transcript_) return;
  transcript_->write(transcriptEntry(line, game_.windowClosed ? "" : game_.Text2, remarks));
  // A transcript that has just failed says so at once.
  if (std::optional<std::string> problem = transcript_->takeNotice()) {
    addSentence(status_, *problem);
  }
}

void PlaySession::recordRemark(const std::string& remark) {
  record(nullptr, {remark});
}

}  // namespace kvelt
