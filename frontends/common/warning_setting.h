// Whether a window warns on the turn that loses the game, kept between runs in the settings
// folder (settingsDir in game_dirs.h), and what the status line says when Shift+F1 switches it.
#pragma once

#include <string>

#include "base/files.h"

namespace kvelt {

inline constexpr const char* kWarningsOff =
    "Varování, že hru už nelze vyhrát, je vypnuté; Shift+F1 ho zase zapne.";
inline constexpr const char* kWarningsOn =
    "Varování, že hru už nelze vyhrát, je zapnuté; Shift+F1 ho vypne.";

// False when the player switched the warning off; a missing or unreadable setting means on, and
// so does an empty `settingsDir` (nowhere to keep it).
bool rememberedWarnings(Files& files, const std::string& settingsDir);

// Remembers the choice; a file that cannot be written only means it is not kept.
void rememberWarnings(Files& files, const std::string& settingsDir, bool on);

}  // namespace kvelt
