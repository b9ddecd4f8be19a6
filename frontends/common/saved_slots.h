// Slots at a glance: which of the ten slots hold a game, and when each was saved.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace kvelt {

struct SlotState {
  int slot = 0;
  std::optional<std::tm> savedAt;  // local time; nothing for a slot that holds no game
};

// Looks at the slot files in `saveDir` without reading them: a slot holds a game when both its
// files are there, saved when the later of the two was written.
std::vector<SlotState> readSavedSlots(const std::string& saveDir);

// When the game kept between runs was last written; nothing when the folder keeps none.
std::optional<std::tm> keptGameTime(const std::string& saveDir);

// One short line for the status line: the kept game and the saved slots with their times, or
// that no slot is used. A time in `thisYear` goes without its year, to keep the line short.
std::string savedSlotsStatus(const std::vector<SlotState>& slots, int thisYear,
                             const std::optional<std::tm>& keptAt = std::nullopt);

}  // namespace kvelt
