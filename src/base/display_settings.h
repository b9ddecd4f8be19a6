// The screen-mode services the game switches the display with.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace kvelt {

// The display mode record in its 124-byte form (the fields up to dmDisplayFrequency), kept as
// raw bytes so that every field the platform fills in is passed back exactly as it was.
struct DevModeA {
  static constexpr std::size_t kSize = 124;
  static constexpr std::size_t kDmSizeOffset = 36;
  static constexpr std::size_t kDmFieldsOffset = 40;
  static constexpr std::size_t kDmBitsPerPelOffset = 104;
  static constexpr std::size_t kDmPelsWidthOffset = 108;
  static constexpr std::size_t kDmPelsHeightOffset = 112;
  static constexpr std::size_t kDmDisplayFrequencyOffset = 120;
  std::array<std::uint8_t, kSize> bytes{};

  std::uint32_t field32(std::size_t offset) const {
    return std::uint32_t(bytes[offset]) | std::uint32_t(bytes[offset + 1]) << 8 |
           std::uint32_t(bytes[offset + 2]) << 16 | std::uint32_t(bytes[offset + 3]) << 24;
  }
  void setField32(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = std::uint8_t(value >> (8 * i));
  }
  std::uint16_t field16(std::size_t offset) const {
    return std::uint16_t(bytes[offset] | bytes[offset + 1] << 8);
  }
  void setField16(std::size_t offset, std::uint16_t value) {
    bytes[offset] = std::uint8_t(value);
    bytes[offset + 1] = std::uint8_t(value >> 8);
  }
};

inline constexpr std::uint32_t kCdsUpdateRegistry = 1;
inline constexpr std::uint32_t kCdsTest = 2;
inline constexpr std::int32_t kDispChangeSuccessful = 0;
inline constexpr std::int32_t kDispChangeFailed = -1;

// The two user32 calls the game relies on, one to one.
class DisplaySettings {
 public:
  virtual ~DisplaySettings() = default;
  // EnumDisplaySettingsA(no device, ENUM_CURRENT_SETTINGS, mode); the game ignores its result.
  virtual void enumCurrentSettings(DevModeA& mode) = 0;
  // ChangeDisplaySettingsA(mode, flags).
  virtual std::int32_t changeDisplaySettings(DevModeA& mode, std::uint32_t flags) = 0;
};

// No display to switch: the query reports the given size and every test is refused, so
// nothing ever changes. The line mode, the terminal and the Linux window use it.
class NullDisplay : public DisplaySettings {
 public:
  NullDisplay(std::uint32_t width = 800, std::uint32_t height = 600)
      : width_(width), height_(height) {}
  void enumCurrentSettings(DevModeA& mode) override {
    mode.setField32(DevModeA::kDmPelsWidthOffset, width_);
    mode.setField32(DevModeA::kDmPelsHeightOffset, height_);
  }
  std::int32_t changeDisplaySettings(DevModeA&, std::uint32_t) override {
    return kDispChangeFailed;
  }

 private:
  std::uint32_t width_, height_;
};

}  // namespace kvelt
