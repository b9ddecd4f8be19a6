// Message catalogue: scripts.tex, one message per line, Windows-1250.
#include "text/catalogue.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/fatal_error.h"
#include "base/files.h"
#include "platform/codepage.h"
#include "text/lines.h"
#include "text/pane.h"

namespace kvelt {
namespace {

// The messages that start a fresh page: room descriptions, deaths, the first lines of the
// opening, the first turn and the ending, and three messages of the room handler.
constexpr std::array<Integer, 45> kReplaceSet = {
    1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  15,
    16,  17,  18,  19,  20,  21,  22,  23,  24,  25,  26,  91,  92,  98,  103,
    118, 138, 144, 148, 158, 162, 166, 169, 173, 176, 171, 174, 106, 145, 168};

}  // namespace

bool replacesPane(Integer number) {
  return std::find(kReplaceSet.begin(), kReplaceSet.end(), number) != kReplaceSet.end();
}

void showMessage(Game& game, Integer number) {
  // The whole file is read on every call, so an edited catalogue shows at once; only the wanted
  // line is looked for and converted. The bytes go into one buffer kept for all calls (the game
  // has one thread), so that a message costs little more than the read itself.
  static std::string content;
  Status status =
      game.platform.files->read(joinPath(game.platform.programDir, kCatalogueFileName), content);
  if (!status.isOk()) throw FatalError{status.message()};
  if (number < 1) return;
  std::optional<std::string_view> found = nthLine(content, static_cast<std::size_t>(number));
  if (!found) return;
  std::string line = cp1250ToUtf8(*found);
  ++game.turn.printed;
  if (replacesPane(number)) {
    game.Text2 = std::move(line);
  } else {
    appendLine(game.Text2, line);
  }
}

}  // namespace kvelt
