// Save files: writing a slot's two files and reading them back into the game.
#include "persistence/save_files.h"

#include <string>
#include <string_view>

#include "base/files.h"
#include "base/status.h"
#include "base/window.h"
#include "persistence/slot_commit.h"
#include "persistence/state_file.h"
#include "platform/codepage.h"
#include "text/carried_pane.h"
#include "text/lines.h"
#include "world/room_handler.h"

namespace kvelt {
namespace {

// The object-list file: carried slots 0 to 8, then slots 0 to 26 of each room list.
constexpr Integer kCarriedLines = 9;
constexpr Integer kRoomLines = 27;
constexpr Integer kListFileLines = kCarriedLines + kRoomLines * Integer(kRoomListsInOrder.size());
static_assert(kListFileLines == 630);
constexpr const char* kLineEnd = "\r\n";

// What the player is told when a slot cannot be written or read; the game itself prints
// nothing about saving, so these go to the window's notice, not the narration.
constexpr const char* kSaveFailedBefore = "Hru se nepodařilo uložit do pozice ";
constexpr const char* kLoadFailedBefore = "Hru z pozice ";
constexpr const char* kLoadFailedAfter = " se nepodařilo nahrát.";
constexpr const char* kEmptyBefore = "Pozice ";
constexpr const char* kEmptyAfter = " je prázdná.";
constexpr const char* kDamagedBefore = "Pozici ";
constexpr const char* kDamagedAfter = " nelze přečíst.";
constexpr const char* kFolderBusy = " Složku s uloženými hrami právě používá jiný program.";

std::string loadFailedNotice(Integer slot, StatusKind kind) {
  const std::string number = std::to_string(slot);
  switch (kind) {
    case StatusKind::notFound:
      return kEmptyBefore + number + kEmptyAfter;
    case StatusKind::corrupt:
      return kDamagedBefore + number + kDamagedAfter;
    case StatusKind::busy:
      return kLoadFailedBefore + number + kLoadFailedAfter + kFolderBusy;
    default:
      return kLoadFailedBefore + number + kLoadFailedAfter;
  }
}

// Words hold no line ends, and the conversion maps none in or out, so the whole file converts
// in one go.
std::string objectListBytes(Game& game) {
  std::string text;
  for (game.loopIndex = 0; game.loopIndex < kCarriedLines; ++game.loopIndex) {
    text += game.inventory[game.loopIndex] + kLineEnd;
  }
  for (ObjectList Game::*room : kRoomListsInOrder) {
    for (game.loopIndex = 0; game.loopIndex < kRoomLines; ++game.loopIndex) {
      text += (game.*room)[game.loopIndex] + kLineEnd;
    }
  }
  return utf8ToCp1250(text);
}

// The bytes of the lines that hold slots; lines after the last block are ignored.
std::string_view storedLines(std::string_view bytes) {
  std::string_view rest = bytes;
  std::string_view line;
  for (int n = 0; n < kListFileLines && nextLine(rest, line);) ++n;
  return bytes.substr(0, bytes.size() - rest.size());
}

// Line k (from 1) of the object-list file goes to slot g of its block; g wraps at the size of
// each block, so a line's slot depends on its number alone.
void restoreObjectLists(Game& game, std::string_view bytes) {
  const std::string text = cp1250ToUtf8(storedLines(bytes));
  std::string_view rest = text;
  std::string_view line;
  game.k = 0;
  game.g = 0;
  while (nextLine(rest, line)) {
    ++game.k;
    game.loadLine = line;
    if (game.k <= kCarriedLines) {
      game.inventory[game.g] = game.loadLine;
      if (++game.g == kCarriedLines) game.g = 0;
    } else {
      ObjectList& room = game.*kRoomListsInOrder[(game.k - kCarriedLines - 1) / kRoomLines];
      room[game.g] = game.loadLine;
      if (++game.g == kRoomLines) game.g = 0;
    }
  }
}

}  // namespace

std::string saveFailedNotice(Integer slot) {
  return kSaveFailedBefore + std::to_string(slot) + ".";
}

void save(Game& game) {
  const std::string listBytes = objectListBytes(game);
  const std::string stateBytes = encodeState(game);
  // Both files change together or not at all: a slot never mixes two games.
  const SlotNames slot(game.platform.saveDir, game.saveSlot);
  Status saved = commitSlot(*game.platform.files, slot, listBytes, stateBytes);
  if (!saved.isOk()) {
    game.platform.window->notice(saveFailedNotice(game.saveSlot) +
                                 (saved.kind() == StatusKind::busy ? kFolderBusy : ""));
    return;
  }
  game.turn.slotDone = true;
}

bool loadableSlot(std::size_t listSize, std::string_view stateBytes) {
  Game game;
  return listSize + stateBytes.size() <= kFileSizeLimit && leavesPlayableGame(game, stateBytes);
}

void load(Game& game) {
  // Both files are read whole, and the state checked, before anything changes: a slot that was
  // never saved, that cannot be read, or that holds a game no play can reach leaves the game
  // exactly as it was.
  const SlotNames slot(game.platform.saveDir, game.saveSlot);
  std::string listBytes;
  std::string stateBytes;
  Status read = readSlot(*game.platform.files, slot, listBytes, stateBytes);
  if (read.isOk() && !leavesPlayableGame(game, stateBytes)) {
    read = Status::error(StatusKind::corrupt, slot.path(slot.state) + ": not a game of this story");
  }
  if (!read.isOk()) {
    game.platform.window->notice(loadFailedNotice(game.saveSlot, read.kind()));
    return;
  }
  restoreObjectLists(game, listBytes);
  closeGapsAndShow(game, 10);  // the eleven lines of a loaded pane
  decodeState(game, stateBytes);
  game.turn.slotDone = true;
  popisy(game);
}

}  // namespace kvelt
