// The background picture: the JPEG built into the exe, decoded once with WIC.
#pragma once

#include <windows.h>

namespace kvelt::win32 {

// A 32-bit bitmap of the picture at its own size, or nullptr if it cannot be decoded (the
// window then shows its plain background colour). The caller owns the bitmap.
HBITMAP loadBackgroundPicture(HINSTANCE instance, int resourceId);

}  // namespace kvelt::win32
