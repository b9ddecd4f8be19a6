// Save and load commands.
#include "persistence/save_commands.h"

#include <string>

#include "persistence/save_files.h"
#include "persistence/slot_commit.h"
#include "text/sentence.h"

namespace kvelt {

void scanSaveCommands(Game& game) {
  const std::string& line = game.Text1;
  for (game.loopIndex = 1; game.loopIndex <= kSlotCount; ++game.loopIndex) {
    const std::string number = std::to_string(game.loopIndex);
    // Compared piece by piece: this runs on every Enter, and joining the sentences cost more
    // than the rest of the scan.
    if (lineIs(line, {"save ", number})) {
      game.commandVerb = "save";
      game.saveSlot = game.loopIndex;
      game.turn.slotCommand = SlotCommand::save;
      game.turn.slot = game.loopIndex;
      ulozit(game);
    } else if (lineIs(line, {"load ", number})) {
      game.commandVerb = "load";
      game.saveSlot = game.loopIndex;
      game.turn.slotCommand = SlotCommand::load;
      game.turn.slot = game.loopIndex;
      ulozit(game);
    }
  }
}

std::string slotListFileName(int slot) {
  return "save" + std::to_string(slot) + ".s";
}

std::string slotStateFileName(int slot) {
  return "savex" + std::to_string(slot) + ".s";
}

void ulozit(Game& game) {
  const SlotNames slot(game.platform.saveDir, game.saveSlot);
  game.saveListPath = slot.path(slot.list);
  game.saveStatePath = slot.path(slot.state);
  if (game.commandVerb == "save") save(game);
  if (game.commandVerb == "load") load(game);
}

}  // namespace kvelt
