// The map of what the player has seen, painted with GDI: a box a room, a line a way.
#pragma once

#include <windows.h>

#include "common/map/map_layout.h"

namespace kvelt::win32 {

// Paints `picture` over all of `area` (its background included) with `font` for the names.
void drawMap(HDC dc, const RECT& area, const MapPicture& picture, HFONT font);
// Where the box of room (x, y) lies in `area`; the room the player is in is filled with
// kHereFill.
RECT mapRoomBox(const RECT& area, Integer x, Integer y);
inline constexpr COLORREF kHereFill = RGB(0xe8, 0xe0, 0xc0);

}  // namespace kvelt::win32
