// Save and load commands.
#include "persistence/save_commands.h"

#include <string>

#include "persistence/save_files.h"
#include "shell/files.h"

namespace kvelt {

void scanSaveCommands(Game& game) {
  const std::string& line = game.Text1;
  for (game.loopIndex = 1; game.loopIndex <= 10; ++game.loopIndex) {
    const std::string number = std::to_string(game.loopIndex);
    if (line == "save " + number) {
      game.commandVerb = "save";
      game.saveSlot = game.loopIndex;
      ulozit(game);
    } else if (line == "load " + number) {
      game.commandVerb = "load";
      game.saveSlot = game.loopIndex;
      ulozit(game);
    }
  }
}

void ulozit(Game& game) {
  const std::string number = std::to_string(game.saveSlot);
  game.saveListPath = joinPath(game.platform.saveDir, "save" + number + ".s");
  game.saveStatePath = joinPath(game.platform.saveDir, "savex" + number + ".s");
  if (game.commandVerb == "save") save(game);
  if (game.commandVerb == "load") load(game);
}

}  // namespace kvelt
