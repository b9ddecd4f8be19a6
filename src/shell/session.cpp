// The front ends' way into the game: start-up, Enter and closing, with failures as values.
#include "shell/session.h"

#include "base/fatal_error.h"
#include "persistence/slot_commit.h"
#include "shell/startup.h"
#include "shell/turn_loop.h"

namespace kvelt {
namespace {

// The catalogue is the one thing the game cannot do without: when it cannot be read the run
// ends at once, and the screen size is put back on the way out.
template <typename Action>
Status guarded(Game& game, Action action) {
  try {
    action();
    return Status::ok();
  } catch (const FatalError& error) {
    restoreDisplay(game);
    game.windowClosed = true;
    return Status::error(error.message);
  }
}

}  // namespace

Status startGame(Game& game, Platform platform) {
  game.platform = std::move(platform);
  // A save cut short by a crash is finished or undone before the game can look at its slot.
  recoverSlots(*game.platform.files, game.platform.saveDir);
  return guarded(game, [&] { Form_Load(game); });
}

Status pressEnter(Game& game, std::string line) {
  const bool cut = line.size() > kLineLimit;
  if (cut) {
    std::size_t end = kLineLimit;
    while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) --end;
    line.resize(end);
  }
  game.Text1 = std::move(line);
  Status played = guarded(game, [&] {
    Integer key = kEnterKey;
    Text1_KeyPress(game, key);
  });
  game.turn.lineCut = cut;
  return played;
}

void closeWindow(Game& game) {
  Form_Unload(game);
}

}  // namespace kvelt
