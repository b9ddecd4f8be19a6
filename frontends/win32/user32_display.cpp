// The screen-mode calls of user32, bound at run time.
#include "user32_display.h"

#include <cstddef>

namespace kvelt::win32 {

// The engine's record is the head of the platform's DEVMODEA, byte for byte.
static_assert(offsetof(DEVMODEA, dmSize) == DevModeA::kDmSizeOffset);
static_assert(offsetof(DEVMODEA, dmDriverExtra) == DevModeA::kDmSizeOffset + 2);
static_assert(offsetof(DEVMODEA, dmFields) == DevModeA::kDmFieldsOffset);
static_assert(offsetof(DEVMODEA, dmBitsPerPel) == DevModeA::kDmBitsPerPelOffset);
static_assert(offsetof(DEVMODEA, dmPelsWidth) == DevModeA::kDmPelsWidthOffset);
static_assert(offsetof(DEVMODEA, dmPelsHeight) == DevModeA::kDmPelsHeightOffset);
static_assert(offsetof(DEVMODEA, dmDisplayFrequency) == DevModeA::kDmDisplayFrequencyOffset);
static_assert(offsetof(DEVMODEA, dmDisplayFrequency) + sizeof(DWORD) == DevModeA::kSize);

namespace {

// Any function pointer converts to and from void (*)() without a warning about its type.
template <typename Proc>
Proc bind(HMODULE module, const char* name) {
  FARPROC proc = ::GetProcAddress(module, name);
  return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

User32Display::User32Display() {
  HMODULE user32 = ::LoadLibraryA("user32.dll");
  if (user32 == nullptr) return;
  enum_ = bind<EnumProc>(user32, "EnumDisplaySettingsA");
  change_ = bind<ChangeProc>(user32, "ChangeDisplaySettingsA");
}

void User32Display::enumCurrentSettings(DevModeA& mode) {
  if (enum_ != nullptr) {
    enum_(nullptr, ENUM_CURRENT_SETTINGS, mode.bytes.data());
    return;
  }
  mode.setField32(DevModeA::kDmPelsWidthOffset, DWORD(::GetSystemMetrics(SM_CXSCREEN)));
  mode.setField32(DevModeA::kDmPelsHeightOffset, DWORD(::GetSystemMetrics(SM_CYSCREEN)));
}

std::int32_t User32Display::changeDisplaySettings(DevModeA& mode, std::uint32_t flags) {
  if (change_ == nullptr) return kDispChangeFailed;
  return change_(mode.bytes.data(), flags);
}

}  // namespace kvelt::win32
