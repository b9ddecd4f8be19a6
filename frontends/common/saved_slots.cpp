// Slots at a glance, from the modification times of the slot files.
#include "common/saved_slots.h"

#include <algorithm>

#include "base/files.h"
#include "common/kept/kept_file.h"
#include "persistence/save_commands.h"
#include "platform/modification_time.h"

namespace kvelt {
namespace {

std::optional<std::time_t> writtenAt(const std::string& dir, const std::string& name) {
  return modificationTime(joinPath(dir, name));
}

std::string twoDigits(int number) {
  std::string digits(1, static_cast<char>('0' + number / 10 % 10));
  digits += static_cast<char>('0' + number % 10);
  return digits;
}

std::optional<std::tm> localTime(std::time_t seconds) {
  if (const std::tm* local = std::localtime(&seconds)) return *local;
  return std::nullopt;
}

bool sameDay(const std::tm& one, const std::tm& other) {
  return one.tm_mday == other.tm_mday && one.tm_mon == other.tm_mon && one.tm_year == other.tm_year;
}

// "8. 12. 21:05", or "21:05" when the day has just been named.
std::string when(const std::tm& at, int thisYear, const std::tm* dayBefore) {
  std::string text;
  if (dayBefore == nullptr || !sameDay(*dayBefore, at)) {
    text = std::to_string(at.tm_mday) + ". " + std::to_string(at.tm_mon + 1) + ". ";
    if (at.tm_year + 1900 != thisYear) text += std::to_string(at.tm_year + 1900) + " ";
  }
  return text + std::to_string(at.tm_hour) + ":" + twoDigits(at.tm_min);
}

}  // namespace

std::optional<std::tm> keptGameTime(const std::string& saveDir) {
  const auto written = writtenAt(saveDir, kKeptFileName);
  if (!written) return std::nullopt;
  return localTime(*written);
}

std::vector<SlotState> readSavedSlots(const std::string& saveDir) {
  std::vector<SlotState> slots;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    SlotState state{slot, std::nullopt};
    const auto list = writtenAt(saveDir, slotListFileName(slot));
    const auto stateFile = writtenAt(saveDir, slotStateFileName(slot));
    if (list && stateFile) {
      state.savedAt = localTime(std::max(*list, *stateFile));
    }
    slots.push_back(state);
  }
  return slots;
}

std::string savedSlotsStatus(const std::vector<SlotState>& slots, int thisYear,
                             const std::optional<std::tm>& keptAt) {
  const std::string kept =
      keptAt ? "Uchovaná hra (" + when(*keptAt, thisYear, nullptr) + "). " : std::string();
  std::string used;
  std::size_t count = 0;
  const std::tm* dayBefore = nullptr;
  for (const SlotState& state : slots) {
    if (!state.savedAt) continue;
    ++count;
    const std::tm& at = *state.savedAt;
    if (!used.empty()) used += ", ";
    // Ten slots saved on one evening fit the status line when the day is written once.
    used += std::to_string(state.slot) + " (" + when(at, thisYear, dayBefore) + ")";
    dayBefore = &at;
  }
  if (used.empty()) return kept + "Žádná pozice zatím nemá uloženou hru.";
  used = kept + "Uložené hry: " + used + ".";
  return count < slots.size() ? used + " Ostatní pozice jsou volné." : used;
}

}  // namespace kvelt
