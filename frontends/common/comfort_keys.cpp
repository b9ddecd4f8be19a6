// The comfort keys of the windows.
#include "common/comfort_keys.h"

namespace kvelt {

Comfort comfortOf(const KeyChord& key, bool lineEmpty) {
  if (key.f2) return key.ctrl || key.alt || key.shift ? Comfort::none : Comfort::savedSlots;
  if (key.alt && !key.ctrl && !key.shift) {
    if (key.letter == 'u') return Comfort::undo;
    if (key.letter == 'n') return Comfort::newGame;
  }
  if (key.ctrl && !key.alt) {
    if (key.letter == 'y' && !key.shift) return Comfort::redo;
    if (key.letter == 'z' && key.shift) return Comfort::redo;
    if (key.letter == 'z' && lineEmpty) return Comfort::undo;
  }
  return Comfort::none;
}

}  // namespace kvelt
