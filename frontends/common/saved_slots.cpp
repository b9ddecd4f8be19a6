// Slots at a glance, from the modification times of the slot files.
#include "common/saved_slots.h"

#include <algorithm>

#include "base/files.h"
#include "persistence/save_commands.h"
#include "platform/modification_time.h"

namespace kvelt {
namespace {

std::string twoDigits(int number) {
  std::string digits(1, static_cast<char>('0' + number / 10 % 10));
  digits += static_cast<char>('0' + number % 10);
  return digits;
}

}  // namespace

std::vector<SlotState> readSavedSlots(const std::string& saveDir) {
  std::vector<SlotState> slots;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    SlotState state{slot, std::nullopt};
    const auto list = modificationTime(joinPath(saveDir, slotListFileName(slot)));
    const auto stateFile = modificationTime(joinPath(saveDir, slotStateFileName(slot)));
    if (list && stateFile) {
      const std::time_t latest = std::max(*list, *stateFile);
      if (const std::tm* local = std::localtime(&latest)) state.savedAt = *local;
    }
    slots.push_back(state);
  }
  return slots;
}

std::string savedSlotsStatus(const std::vector<SlotState>& slots, int thisYear) {
  std::string used;
  std::size_t count = 0;
  const std::tm* dayBefore = nullptr;
  for (const SlotState& state : slots) {
    if (!state.savedAt) continue;
    ++count;
    const std::tm& at = *state.savedAt;
    if (!used.empty()) used += ", ";
    used += std::to_string(state.slot) + " (";
    // Ten slots saved on one evening fit the status line when the day is written once.
    const bool sameDay = dayBefore != nullptr && dayBefore->tm_mday == at.tm_mday &&
                         dayBefore->tm_mon == at.tm_mon && dayBefore->tm_year == at.tm_year;
    if (!sameDay) {
      used += std::to_string(at.tm_mday) + ". " + std::to_string(at.tm_mon + 1) + ". ";
      if (at.tm_year + 1900 != thisYear) used += std::to_string(at.tm_year + 1900) + " ";
    }
    used += std::to_string(at.tm_hour) + ":" + twoDigits(at.tm_min) + ")";
    dayBefore = &at;
  }
  if (used.empty()) return "Žádná pozice zatím nemá uloženou hru.";
  used = "Uložené hry: " + used + ".";
  return count < slots.size() ? used + " Ostatní pozice jsou volné." : used;
}

}  // namespace kvelt
