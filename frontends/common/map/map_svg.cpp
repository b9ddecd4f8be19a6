// The map as SVG: a box a room, a line a way, drawn on a grid of 100 by 60 units a cell.
#include "common/map/map_svg.h"

#include <array>

namespace kvelt {
namespace {

constexpr int kCellWidth = 100, kCellHeight = 60;
constexpr int kBoxWidth = 84, kBoxHeight = 34;

int centreX(int x) {
  return kCellWidth * (x - 1) + kCellWidth / 2;
}
int centreY(int y) {
  return kCellHeight * (y - 1) + kCellHeight / 2;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else
      out += c;
  }
  return out;
}

void line(std::string& out, const char* cls, int x1, int y1, int x2, int y2) {
  out += "<line class=\"" + std::string(cls) + "\" x1=\"" + std::to_string(x1) + "\" y1=\"" +
         std::to_string(y1) + "\" x2=\"" + std::to_string(x2) + "\" y2=\"" + std::to_string(y2) +
         "\"/>";
}

// A way leaves the box's edge and reaches the neighbour's box; one not yet taken, or one that
// killed, stops halfway.
void way(std::string& out, const MapCell& cell, int direction, WayLook look) {
  constexpr std::array<int, 4> dx = {0, 0, -1, 1};
  constexpr std::array<int, 4> dy = {-1, 1, 0, 0};
  const int edgeX = centreX(cell.x) + dx[direction] * kBoxWidth / 2;
  const int edgeY = centreY(cell.y) + dy[direction] * kBoxHeight / 2;
  const int gapX = (kCellWidth - kBoxWidth) / 2, gapY = (kCellHeight - kBoxHeight) / 2;
  const int reach = look == WayLook::joined ? 2 : 1;
  const int endX = edgeX + dx[direction] * gapX * reach;
  const int endY = edgeY + dy[direction] * gapY * reach;
  if (look == WayLook::joined) line(out, "way", edgeX, edgeY, endX, endY);
  if (look == WayLook::stub) line(out, "way stub", edgeX, edgeY, endX, endY);
  if (look == WayLook::deadly) {
    line(out, "way deadly", edgeX, edgeY, endX, endY);
    out += "<text class=\"deadly\" x=\"" + std::to_string(endX) + "\" y=\"" +
           std::to_string(endY + 5) + "\" text-anchor=\"middle\" fill=\"#c00000\">×</text>";
  }
}

}  // namespace

std::string mapSvg(const MapPicture& picture) {
  std::string out =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
      std::to_string(kCellWidth * kMapColumns) + " " + std::to_string(kCellHeight * kMapRows) +
      "\" role=\"img\" aria-label=\"Mapa\" font-family=\"sans-serif\" font-size=\"14\">"
      "<g stroke=\"#e8e0c0\" stroke-width=\"3\" fill=\"none\">";
  for (const MapCell& cell : picture.cells) {
    for (int direction = 0; direction < 4; ++direction) {
      if (cell.ways[direction] != WayLook::rope) way(out, cell, direction, cell.ways[direction]);
    }
  }
  if (picture.ropeClimbed) {
    const int topX = centreX(kRopeTopX), topY = centreY(kRopeTopY) + kBoxHeight / 2;
    const int footX = centreX(kRopeFootX) - kBoxWidth / 2, footY = centreY(kRopeFootY);
    out += "<path class=\"rope\" stroke-dasharray=\"6 4\" d=\"M" + std::to_string(topX) + " " +
           std::to_string(topY) + " C" + std::to_string(topX) + " " + std::to_string(footY) + " " +
           std::to_string(topX) + " " + std::to_string(footY) + " " + std::to_string(footX) + " " +
           std::to_string(footY) + "\"/>";
  }
  out += "</g>";
  for (const MapCell& cell : picture.cells) {
    const int left = centreX(cell.x) - kBoxWidth / 2, top = centreY(cell.y) - kBoxHeight / 2;
    out += "<rect class=\"room" + std::string(cell.here ? " here" : "") + "\" x=\"" +
           std::to_string(left) + "\" y=\"" + std::to_string(top) + "\" width=\"" +
           std::to_string(kBoxWidth) + "\" height=\"" + std::to_string(kBoxHeight) +
           "\" rx=\"4\" fill=\"" + (cell.here ? "#e8e0c0" : "#290098") + "\" stroke=\"#e8e0c0\"/>";
    out += "<text x=\"" + std::to_string(centreX(cell.x)) + "\" y=\"" +
           std::to_string(centreY(cell.y) + 5) + "\" text-anchor=\"middle\" fill=\"" +
           (cell.here ? "#290098" : "#ffffff") + "\">" + escaped(cell.name) + "</text>";
  }
  if (picture.ropeClimbed) {
    out += "<text class=\"rope\" x=\"" + std::to_string(centreX(kRopeTopX) + 6) + "\" y=\"" +
           std::to_string(centreY(kRopeTopY + 1) + 5) + "\" fill=\"#e8e0c0\">lano</text>";
  }
  out += "</svg>";
  return out;
}

}  // namespace kvelt
