// The short answers in the status line, and when each is given.
#include "common/turn_status.h"

#include "common/near_miss.h"

namespace kvelt {

std::optional<std::string> turnAnswer(const TurnReport& turn, std::string_view line) {
  const std::string slot = std::to_string(turn.slot);
  if (turn.exitRequested) return std::nullopt;
  if (turn.lineCut) return kLineCut;
  if (turn.slotCommand == SlotCommand::save && turn.slotDone) {
    return "Hra je uložena do pozice " + slot + ".";
  }
  if (turn.slotCommand == SlotCommand::load && turn.slotDone) {
    return "Hra z pozice " + slot + " je nahrána.";
  }
  if (turn.slotCommand != SlotCommand::none) return std::nullopt;
  // The page has changed in a way that speaks for itself.
  if (turn.gameEnded || turn.firstTurn || line.empty() || turn.answers > 0) return std::nullopt;
  if (turn.direction) {
    if (turn.moved) return std::nullopt;
    return kNoWayThere;
  }
  if (turn.recognised) return kNothingHappened;
  return kNotUnderstood;
}

std::optional<std::string> turnAnswer(const Game& game, std::string_view line) {
  std::optional<std::string> answer = turnAnswer(game.turn, line);
  // Only a line looked at in a lit room can be near a sentence of it.
  if (answer != kNotUnderstood || !game.turn.roomVisited) return answer;
  if (std::optional<std::string> nearly = nearMiss(game, line)) return nearly;
  return answer;
}

std::string afterEndStatus(const KeyNames& keys) {
  // A load typed out of habit after a death leaves too: the player is told before trying.
  return "Hra skončila. " + keys.enterAfterEnd + ", ať napíšeš cokoli, i „load N“. " + keys.undo +
         " vezme poslední tah zpět, " + keys.newGame + " začne novou hru.";
}

std::string startStatus(const KeyNames& keys) {
  return "Klávesy: " + keys.undo + " tah zpět, " + keys.redo + " znovu, " + keys.newGame +
         " nová hra, " + (keys.hint.empty() ? "" : keys.hint + " nápověda, ") + keys.slots +
         " uložené hry, " + (keys.map.empty() ? "" : keys.map + " mapa, ") + keys.earlierPage +
         " dřívější stránky, " + (keys.zoom.empty() ? "" : keys.zoom + " velikost okna, ") +
         "Tab doplní slovo.";
}

std::string askNewGameStatus(const KeyNames& keys) {
  return "Začít novou hru? Stiskni ještě jednou " + keys.newGame + ".";
}

std::string earlierPageStatus(const KeyNames& keys) {
  return "Dřívější stránka: " + keys.earlierPage + " dál zpět, " + keys.laterPage +
         " vpřed, psaní vrátí hru.";
}

}  // namespace kvelt
