// The map in GDI, laid out as the browser's SVG is: the 7 x 7 grid of rooms under a heading.
#include "map_drawing.h"

#include <array>

#include "common/engine_win32.h"
#include "layout.h"

namespace kvelt::win32 {
namespace {

constexpr int kHeadingHeight = 20;
constexpr int kBoxWidth = 92, kBoxHeight = 32;
constexpr int kLineWidth = 3;

// The colours of the browser's map: pale lines on the black pane, rooms in the input line's
// blue, the room the player is in pale with blue letters.
constexpr COLORREF kLine = kHereFill;
constexpr COLORREF kRoom = RGB(0x29, 0x00, 0x98);
constexpr COLORREF kDeadly = RGB(0xc0, 0x00, 0x00);

constexpr std::array<int, 4> kStepX = {0, 0, -1, 1};  // north, south, west, east
constexpr std::array<int, 4> kStepY = {-1, 1, 0, 0};

struct Grid {
  int left, top, cellWidth, cellHeight;
  int centreX(Integer x) const { return left + cellWidth * int(x - 1) + cellWidth / 2; }
  int centreY(Integer y) const { return top + cellHeight * int(y - 1) + cellHeight / 2; }
};

Grid gridIn(const RECT& area) {
  const int width = int(area.right - area.left) / kMapColumns;
  const int height = int(area.bottom - area.top - kHeadingHeight) / kMapRows;
  return {int(area.left) + (int(area.right - area.left) - width * kMapColumns) / 2,
          int(area.top) + kHeadingHeight, width, height};
}

class Pen {
 public:
  Pen(HDC dc, COLORREF colour) : dc_(dc), pen_(::CreatePen(PS_SOLID, kLineWidth, colour)) {
    old_ = ::SelectObject(dc_, pen_);
  }
  // A dashed line for the rope, which is no corridor.
  Pen(HDC dc, COLORREF colour, bool) : dc_(dc) {
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    const DWORD dashes[] = {6, 4};
    pen_ =
        ::ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, kLineWidth, &brush, 2, dashes);
    old_ = ::SelectObject(dc_, pen_);
  }
  ~Pen() {
    ::SelectObject(dc_, old_);
    ::DeleteObject(pen_);
  }
  Pen(const Pen&) = delete;
  Pen& operator=(const Pen&) = delete;

 private:
  HDC dc_;
  HPEN pen_;
  HGDIOBJ old_;
};

void line(HDC dc, int x1, int y1, int x2, int y2) {
  ::MoveToEx(dc, x1, y1, nullptr);
  ::LineTo(dc, x2, y2);
}

void text(HDC dc, int centreX, int centreY, const std::wstring& words, COLORREF colour) {
  RECT box{centreX - kBoxWidth, centreY - kBoxHeight / 2, centreX + kBoxWidth,
           centreY + kBoxHeight / 2};
  ::SetTextColor(dc, colour);
  ::DrawTextW(dc, words.c_str(), int(words.size()), &box,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// A way leaves the box's edge toward the neighbour: to its box when the neighbour is seen too,
// halfway when it is not, or when it killed (then ending in a red cross).
void way(HDC dc, const Grid& grid, const MapCell& cell, int direction, WayLook look) {
  if (look == WayLook::none || look == WayLook::rope) return;
  const int edgeX = grid.centreX(cell.x) + kStepX[direction] * kBoxWidth / 2;
  const int edgeY = grid.centreY(cell.y) + kStepY[direction] * kBoxHeight / 2;
  const int gapX = (grid.cellWidth - kBoxWidth) / 2, gapY = (grid.cellHeight - kBoxHeight) / 2;
  const int reach = look == WayLook::joined ? 2 : 1;
  const int endX = edgeX + kStepX[direction] * gapX * reach;
  const int endY = edgeY + kStepY[direction] * gapY * reach;
  const Pen pen(dc, look == WayLook::deadly ? kDeadly : kLine);
  line(dc, edgeX, edgeY, endX, endY);
  if (look == WayLook::deadly) {
    constexpr int arm = 5;
    line(dc, endX - arm, endY - arm, endX + arm, endY + arm);
    line(dc, endX - arm, endY + arm, endX + arm, endY - arm);
  }
}

// Down from the window of (2,2), bending east into the west side of (3,4).
void rope(HDC dc, const Grid& grid) {
  const int topX = grid.centreX(kRopeTopX), topY = grid.centreY(kRopeTopY) + kBoxHeight / 2;
  const int footX = grid.centreX(kRopeFootX) - kBoxWidth / 2, footY = grid.centreY(kRopeFootY);
  const POINT curve[] = {{topX, topY}, {topX, footY}, {topX, footY}, {footX, footY}};
  {
    const Pen pen(dc, kLine, true);
    ::PolyBezier(dc, curve, 4);
  }
  text(dc, topX + kBoxWidth / 2 - 20, grid.centreY(kRopeTopY + 1), L"lano", kLine);
}

RECT boxOf(const Grid& grid, Integer x, Integer y) {
  const int left = grid.centreX(x) - kBoxWidth / 2, top = grid.centreY(y) - kBoxHeight / 2;
  return {left, top, left + kBoxWidth, top + kBoxHeight};
}

void room(HDC dc, const Grid& grid, const MapCell& cell) {
  const RECT box = boxOf(grid, cell.x, cell.y);
  HBRUSH fill = ::CreateSolidBrush(cell.here ? kHereFill : kRoom);
  HGDIOBJ oldBrush = ::SelectObject(dc, fill);
  HPEN frame = ::CreatePen(PS_SOLID, 1, kLine);
  HGDIOBJ oldPen = ::SelectObject(dc, frame);
  ::RoundRect(dc, box.left, box.top, box.right, box.bottom, 8, 8);
  ::SelectObject(dc, oldPen);
  ::SelectObject(dc, oldBrush);
  ::DeleteObject(frame);
  ::DeleteObject(fill);
  text(dc, grid.centreX(cell.x), grid.centreY(cell.y), toUtf16(cell.name),
       cell.here ? kRoom : RGB(255, 255, 255));
}

}  // namespace

RECT mapRoomBox(const RECT& area, Integer x, Integer y) {
  return boxOf(gridIn(area), x, y);
}

void drawMap(HDC dc, const RECT& area, const MapPicture& picture, HFONT font) {
  HBRUSH background = ::CreateSolidBrush(kPaneBackground);
  ::FillRect(dc, &area, background);
  ::DeleteObject(background);
  HGDIOBJ oldFont = ::SelectObject(dc, font);
  ::SetBkMode(dc, TRANSPARENT);

  // The heading says where the player is, as the terminal's map does.
  std::wstring heading = L"Mapa";
  if (const MapCell* here = picture.here()) heading += L" — jsi tady: " + toUtf16(here->name);
  heading += L"   (F3 nebo Esc vrátí stránku)";
  RECT headingBox{area.left + 6, area.top + 3, area.right - 6, area.top + kHeadingHeight};
  ::SetTextColor(dc, kPaneText);
  ::DrawTextW(dc, heading.c_str(), int(heading.size()), &headingBox,
              DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);

  const Grid grid = gridIn(area);
  for (const MapCell& cell : picture.cells) {
    for (int direction = 0; direction < 4; ++direction) {
      way(dc, grid, cell, direction, cell.ways[direction]);
    }
  }
  if (picture.ropeClimbed) rope(dc, grid);
  for (const MapCell& cell : picture.cells) room(dc, grid, cell);
  ::SelectObject(dc, oldFont);
}

}  // namespace kvelt::win32
