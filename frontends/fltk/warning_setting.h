// Whether the window warns on the turn that loses the game, remembered between runs beside the
// scale factor.
#pragma once

namespace kvelt::fltk {

// False when the player switched the warning off; a missing or unreadable setting means on.
bool rememberedWarnings();

// Remembers the choice; a file that cannot be written only means it is not kept.
void rememberWarnings(bool on);

}  // namespace kvelt::fltk
