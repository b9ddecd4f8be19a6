// Line mode: the plain transcript for people and the JSON transcript that outside checks read.
#include "cli_app.h"

#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string_view>

#include "common/game_arguments.h"
#include "shell/display_settings.h"
#include "shell/files.h"
#include "shell/session.h"
#include "shell/window.h"

namespace kvelt {
namespace {

constexpr const char* kUsage = "usage: kvelt-cli [--json] [--dir DIR]";

// The carried objects one per line, without the pane's empty slots, for a listener's sake.
std::string carriedList(std::string_view pane) {
  std::string out;
  std::size_t start = 0;
  while (start <= pane.size()) {
    std::size_t end = pane.find("\r\n", start);
    if (end == std::string_view::npos) end = pane.size();
    if (end > start) out.append(pane.substr(start, end - start)).append("\n");
    start = end + 2;
  }
  return out;
}

std::string withNewlines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

class Transcript {
 public:
  Transcript(std::ostream& out, bool json) : out_(out), json_(json) {}

  void page(const Game& game, const char* event, const std::string* line, RecordingWindow& window) {
    if (json_) {
      nlohmann::ordered_json object;
      object["event"] = event;
      if (line != nullptr) object["line"] = *line;
      object["narration"] = game.Text2;
      object["carried"] = game.Text3;
      object["input"] = game.Text1;
      object["posX"] = game.posX;
      object["posY"] = game.posY;
      object["gameOver"] = game.gameOver != kFalse;
      if (!window.notices.empty()) object["notice"] = window.notices;
      emit(object);
    } else {
      out_ << withNewlines(game.Text2) << "\n\n";
      if (!window.notices.empty()) out_ << "(" << window.notices << ")\n";
      out_ << kCarriedCaption << "\n" << carriedList(game.Text3) << "\n> " << std::flush;
    }
    window.notices.clear();
  }

  void exit(const std::string& line) {
    if (json_) {
      nlohmann::ordered_json object;
      object["event"] = "exit";
      object["line"] = line;
      emit(object);
    } else {
      out_ << "\n" << std::flush;
    }
  }

  void eof() {
    if (json_) {
      emit(nlohmann::ordered_json{{"event", "eof"}});
    } else {
      out_ << "\n" << std::flush;
    }
  }

 private:
  // One object per line, flushed at once: the checks that drive us read turn by turn. Bytes
  // that are not UTF-8 (a hostile input line) are replaced rather than breaking the JSON.
  void emit(const nlohmann::ordered_json& object) {
    out_ << object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n'
         << std::flush;
  }
  std::ostream& out_;
  bool json_;
};

}  // namespace

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  std::optional<GameArguments> arguments = parseGameArguments(args, {"--json"});
  if (!arguments) {
    err << kUsage << '\n';
    return 2;
  }
  const GameDirs& dirs = arguments->dirs;
  const bool json = arguments->switches.count("--json") > 0;

  RecordingWindow window;
  NullDisplay display;
  Game game;
  Transcript transcript(out, json);
  Status status =
      startGame(game, Platform{&window, &display, &systemFiles(), dirs.catalogueDir, dirs.saveDir});
  if (!status.isOk()) {
    err << "kvelt-cli: cannot read the catalogue " << status.message() << '\n';
    return 1;
  }
  transcript.page(game, "start", nullptr, window);

  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    status = pressEnter(game, line);
    if (!status.isOk()) {
      err << "kvelt-cli: cannot read the catalogue " << status.message() << '\n';
      return 1;
    }
    if (game.windowClosed) {
      transcript.exit(line);
      return 0;
    }
    transcript.page(game, "turn", &line, window);
  }
  closeWindow(game);
  transcript.eof();
  return 0;
}

}  // namespace kvelt
