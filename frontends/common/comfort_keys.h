// Which key chords of a window are the player's comforts rather than editing of the input line.
#pragma once

#include "common/view.h"

namespace kvelt {

// A key as a window reports it: a letter (lower case, 'a' to 'z') or F1 to F3, with its
// modifiers.
struct KeyChord {
  char letter = 0;
  bool f1 = false, f2 = false, f3 = false;
  bool ctrl = false, alt = false, shift = false;
};

// Alt+U undoes, Alt+N asks for a new game, Ctrl+Y and Ctrl+Shift+Z redo, F1 gives a hint, F2
// shows the slots, F3 shows the map.
// Ctrl+Z undoes a turn only on an empty line: with text in it, it is the line's own undo of
// typing. Ctrl and Alt together are AltGr on many keyboards, which types letters.
Comfort comfortOf(const KeyChord& key, bool lineEmpty);

// The same keys as a program's --help and read-me name them, in Czech and in English.
inline constexpr const char* kComfortKeysHelp =
    "Klávesy: Alt+U (a Ctrl+Z na prázdném řádku) vezme tah zpět, Ctrl+Y ho zahraje znovu,\n"
    "Alt+N dvakrát začne novou hru, F1 napoví, F2 ukáže uložené hry, F3 mapu viděného,\n"
    "PgUp a PgDn listují stránkou a za jejím okrajem dřívějšími stránkami; psaní vrátí hru.\n"
    "\n"
    "Keys: Alt+U (and Ctrl+Z on an empty line) takes a turn back, Ctrl+Y plays it again,\n"
    "Alt+N twice starts a new game, F1 gives a hint, F2 shows the saved games, F3 the map of\n"
    "what you have seen, PgUp and PgDn scroll the page and past its edge the earlier pages;\n"
    "typing brings the game back.\n";

}  // namespace kvelt
