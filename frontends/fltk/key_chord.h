// The key FLTK is reporting, as the comfort keys read it.
#pragma once

#include "common/comfort_keys.h"

namespace kvelt::fltk {

// The chord of the key event being handled now.
KeyChord eventChord();
// Shift, Ctrl, Alt and the like pressed alone: they only prepare the next key.
bool isModifierEvent();

}  // namespace kvelt::fltk
