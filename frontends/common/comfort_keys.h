// Which key chords of a window are the player's comforts rather than editing of the input line.
#pragma once

#include "common/view.h"

namespace kvelt {

// A key as a window reports it: a letter (lower case, 'a' to 'z') or F2, with its modifiers.
struct KeyChord {
  char letter = 0;
  bool f2 = false;
  bool ctrl = false, alt = false, shift = false;
};

// Alt+U undoes, Alt+N asks for a new game, Ctrl+Y and Ctrl+Shift+Z redo, F2 shows the slots.
// Ctrl+Z undoes a turn only on an empty line: with text in it, it is the line's own undo of
// typing. Ctrl and Alt together are AltGr on many keyboards, which types letters.
Comfort comfortOf(const KeyChord& key, bool lineEmpty);

}  // namespace kvelt
