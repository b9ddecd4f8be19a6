// Tests of the slots at a glance.
#include "common/saved_slots.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

namespace kvelt {
namespace {

std::tm at(int day, int month, int year, int hour, int minute) {
  std::tm time{};
  time.tm_mday = day;
  time.tm_mon = month - 1;
  time.tm_year = year - 1900;
  time.tm_hour = hour;
  time.tm_min = minute;
  return time;
}

TEST(SavedSlotsTest, TheLineNamesTheSavedSlotsWithTheirTimes) {
  std::vector<SlotState> slots;
  for (int slot = 1; slot <= 10; ++slot) slots.push_back({slot, std::nullopt});
  EXPECT_EQ(savedSlotsStatus(slots, 2025), "Žádná pozice zatím nemá uloženou hru.");
  slots[0].savedAt = at(3, 5, 2025, 14, 5);
  slots[9].savedAt = at(28, 12, 2024, 9, 30);
  EXPECT_EQ(savedSlotsStatus(slots, 2025),
            "Uložené hry: 1 (3. 5. 14:05), 10 (28. 12. 2024 9:30). Ostatní pozice jsou volné.");
  for (SlotState& slot : slots) slot.savedAt = at(1, 1, 2025, 0, 0);
  slots[9].savedAt = at(2, 1, 2025, 8, 0);
  const std::string all = savedSlotsStatus(slots, 2025);
  EXPECT_TRUE(all.starts_with("Uložené hry: 1 (1. 1. 0:00), 2 (0:00), 3 (0:00)")) << all;
  EXPECT_TRUE(all.ends_with(", 9 (0:00), 10 (2. 1. 8:00).")) << all;
  EXPECT_TRUE(savedSlotsStatus(slots, 2025, at(2, 1, 2025, 21, 7))
                  .starts_with("Uchovaná hra (2. 1. 21:07). Uložené hry: 1 (1. 1. 0:00)"));
}

TEST(SavedSlotsTest, ASlotHoldsAGameWhenBothItsFilesAreThere) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("kvelt-saved-slots-" + std::to_string(std::random_device{}()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  for (const char* name : {"save2.s", "savex2.s", "save5.s", "savex7.s"}) {
    std::ofstream(dir / name) << "x";
  }
  const std::time_t seconds = 1718452800;  // 15 June 2024, noon UTC
  const auto when =
      std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(seconds));
  std::filesystem::last_write_time(dir / "save2.s", when);
  std::filesystem::last_write_time(dir / "savex2.s", when);

  const std::vector<SlotState> slots = readSavedSlots(dir.string());
  ASSERT_EQ(slots.size(), 10u);
  for (const SlotState& state : slots) {
    EXPECT_EQ(state.savedAt.has_value(), state.slot == 2) << state.slot;
  }
  EXPECT_EQ(slots[1].savedAt->tm_mday, std::localtime(&seconds)->tm_mday);
  EXPECT_EQ(slots[1].savedAt->tm_hour, std::localtime(&seconds)->tm_hour);
  EXPECT_FALSE(keptGameTime(dir.string()));
  std::ofstream(dir / "kept.kvelt") << "x";
  EXPECT_TRUE(keptGameTime(dir.string()));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kvelt
