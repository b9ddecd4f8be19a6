// The window's scale factor, remembered between runs in the user's config folder.
#pragma once

#include <optional>

namespace kvelt::fltk {

// The factor remembered last time; nothing when no file is there or it does not hold one.
std::optional<int> rememberedScale();

// Remembers a factor the player chose; std::nullopt forgets it, so that the desktop's default
// applies again. A file that cannot be written only means the choice is not kept.
void rememberScale(std::optional<int> percent);

}  // namespace kvelt::fltk
