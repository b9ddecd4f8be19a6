// The comfort keys of the windows.
#include "common/comfort_keys.h"

namespace kvelt {

Comfort comfortOf(const KeyChord& key, bool lineEmpty) {
  if (key.f1 || key.f2 || key.f3) {
    if (key.ctrl || key.alt || key.shift) return Comfort::none;
    return key.f1 ? Comfort::hint : key.f2 ? Comfort::savedSlots : Comfort::map;
  }
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
