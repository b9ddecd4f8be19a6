// One game in the page: start-up, Enter, the comforts and what the page reads back.
#include "browser_session.h"

#include <memory>

#include "common/kept/game_keeper.h"
#include "common/pane_text.h"
#include "new_reply.h"

namespace kvelt::web {
namespace {

constexpr const char* kCatalogueFailed = "Hru nelze hrát: katalog textů nelze přečíst (";

// A page cannot end the program: Enter after the end shows the closing screen instead.
KeyNames pageKeys() {
  KeyNames keys;
  keys.enterAfterEnd = "Enter ukáže závěrečnou obrazovku";
  return keys;
}

constexpr std::string_view kTabHoldsKept =
    "Uchovanou hru hraje jiná karta prohlížeče; tahy této hry se neuchovávají.";

// The page asks the browser for the game's claim before the game starts (Web Locks); the
// session's keeper only hears the answer.
bool pageHoldsClaim = false;

std::unique_ptr<KeptLock> claimOfPage(const std::string&) {
  return pageHoldsClaim ? std::make_unique<KeptLock>() : nullptr;
}

}  // namespace

BrowserSession::BrowserSession(const std::string& catalogueDir, const std::string& saveDir)
    : files_(systemFiles()),
      session_(Platform{&window_, &display_, &files_, catalogueDir, saveDir}, pageKeys()) {
  // The first page is not kept waiting for the planner: the page asks it to look just after.
  session_.lookLater();
}

Played BrowserSession::outcome(const Status& status) {
  // The session's own window only remembers; the page reads the notices of each turn.
  window_.notices.clear();
  if (!status.isOk()) {
    failure_ = kCatalogueFailed + status.message() + ").";
    return Played::failed;
  }
  return session_.view().ended ? Played::closed : Played::playing;
}

void BrowserSession::keepBetweenRuns(bool claimed) {
  pageHoldsClaim = claimed;
  session_.keepBetweenRuns(KeptStart::resume, claimOfPage);
}

Played BrowserSession::start() {
  return outcome(session_.start());
}

Played BrowserSession::enter(const std::string& line) {
  // The program of a closed window has ended: nothing more reaches the game until a new one.
  if (session_.view().ended) return Played::closed;
  history_.add(line);
  // The line is typed on the live page, whatever the panes showed.
  session_.comfort(Comfort::livePage);
  const std::string before = session_.view().narration;
  Played played = outcome(session_.enter(line));
  reply_ = newReply(before, session_.view().narration);
  return played;
}

Played BrowserSession::newGameKey() {
  return outcome(session_.comfort(Comfort::newGame).status);
}

Played BrowserSession::newGame() {
  session_.comfort(Comfort::dismiss);
  (void)session_.comfort(Comfort::newGame);
  return outcome(session_.comfort(Comfort::newGame).status);
}

std::string BrowserSession::narration() const {
  return withNewlines(session_.view().narration);
}

std::string BrowserSession::carried() const {
  return withNewlines(carriedPaneText(session_.view().carried));
}

std::string BrowserSession::status() const {
  std::string line = session_.view().statusLine;
  const std::string_view window = kKeptInUse;
  if (std::size_t at = line.find(window); at != std::string::npos) {
    line.replace(at, window.size(), kTabHoldsKept);
  }
  return line;
}

std::string BrowserSession::takeWritten() {
  std::string names;
  for (const std::string& name : files_.takeWritten()) names += name + '\n';
  return names;
}

}  // namespace kvelt::web
