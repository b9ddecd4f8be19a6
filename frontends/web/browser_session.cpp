// One game in the page: start-up, Enter and what the page reads back.
#include "browser_session.h"

#include <utility>

#include "shell/session.h"

namespace kvelt::web {
namespace {

// The game keeps CR LF between the lines of its panes, as the text boxes it was written for.
std::string withNewlines(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

constexpr const char* kCatalogueFailed = "Hru nelze hrát: katalog textů nelze přečíst (";

}  // namespace

BrowserSession::BrowserSession(std::string catalogueDir, std::string saveDir)
    : catalogueDir_(std::move(catalogueDir)), saveDir_(std::move(saveDir)), files_(systemFiles()) {}

bool BrowserSession::start() {
  game_ = Game{};
  window_ = RecordingWindow{};
  Status status = startGame(game_, Platform{&window_, &display_, &files_, catalogueDir_, saveDir_});
  if (!status.isOk()) failure_ = kCatalogueFailed + status.message() + ").";
  return status.isOk();
}

EnterResult BrowserSession::enter(const std::string& line) {
  // The program of a closed window has ended: nothing more reaches the game until a new one.
  if (game_.windowClosed) return EnterResult::closed;
  history_.add(line);
  Status status = pressEnter(game_, line);
  if (!status.isOk()) {
    failure_ = kCatalogueFailed + status.message() + ").";
    return EnterResult::failed;
  }
  return game_.windowClosed ? EnterResult::closed : EnterResult::played;
}

std::string BrowserSession::narration() const {
  return withNewlines(game_.Text2);
}

std::string BrowserSession::carried() const {
  return withNewlines(game_.Text3);
}

std::string BrowserSession::takeNotices() {
  std::string notices = std::move(window_.notices);
  window_.notices.clear();
  if (!failure_.empty()) {
    if (!notices.empty()) notices += '\n';
    notices += failure_;
    failure_.clear();
  }
  return notices;
}

Integer BrowserSession::takeSavedSlot() {
  return files_.takeWritten() ? game_.saveSlot : Integer(0);
}

}  // namespace kvelt::web
