// The short answers in the status line: what a turn did when the page alone does not say it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/game.h"
#include "base/turn_report.h"

namespace kvelt {

// The keys of a front end, as its status line names them.
struct KeyNames {
  std::string undo = "Alt+U";
  std::string redo = "Ctrl+Y";
  std::string newGame = "Alt+N";
  std::string hint = "F1";
  std::string slots = "F2";
  std::string map = "F3";
  std::string earlierPage = "PgUp";
  std::string laterPage = "PgDn";
  std::string zoom;  // the keys that scale the window, in a window that scales
  // What Enter does once the game has ended: a program ends, a page shows its closing screen.
  std::string enterAfterEnd = "Enter ukončí program";
};

inline constexpr const char* kNotUnderstood =
    "Tomu nerozumím. Tab doplní slova, která vidíš na obrazovce.";
inline constexpr const char* kNothingHappened = "Nic se nestalo.";
inline constexpr const char* kNoWayThere = "Tudy cesta nevede.";
inline constexpr const char* kLineCut =
    "Řádek byl delší než 4096 bajtů; hra vzala jen jeho začátek.";

// The answer to the line just played, decided from what the engine reported, never from the
// page: nothing when the page itself answers (a move, a reply, a death, the first turn, an empty
// line) or when a failed save or load has its own notice.
std::optional<std::string> turnAnswer(const TurnReport& turn, std::string_view line);
// The same for the game the line was just played in; a line not understood that nearly makes a
// sentence here is told what is wrong with it.
std::optional<std::string> turnAnswer(const Game& game, std::string_view line);

// After the end of a game the next Enter leaves; the player is told what else can be done.
std::string afterEndStatus(const KeyNames& keys);
// Shown once at start: the keys of the comforts.
std::string startStatus(const KeyNames& keys);
std::string askNewGameStatus(const KeyNames& keys);
// While an earlier page is shown.
std::string earlierPageStatus(const KeyNames& keys);

inline constexpr const char* kNewGameStarted = "Nová hra.";
inline constexpr const char* kTakenBack = "Tah je vzat zpět.";
inline constexpr const char* kNothingToTakeBack = "Není co vzít zpět.";
inline constexpr const char* kRedone = "Tah je znovu zahrán.";
inline constexpr const char* kNothingToRedo = "Není co zahrát znovu.";

}  // namespace kvelt
