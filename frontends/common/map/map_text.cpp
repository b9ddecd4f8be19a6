// The map drawn in character cells: a name field of nine columns per room, eleven to a column.
#include "common/map/map_text.h"

#include <array>

#include "base/utf8.h"

namespace kvelt {
namespace {

constexpr int kPitch = 11;     // columns per grid column
constexpr int kNameWidth = 9;  // the name field between the two halves of the side ways

struct Glyphs {
  char32_t across, down, downHalf, upHalf, deadly, rope, ropeSlant;
  const char* headingDash;
};
constexpr Glyphs kBox{U'─', U'│', U'╷', U'╵', U'×', U'╎', U'╲', " — "};
constexpr Glyphs kAscii{U'-', U'|', U':', U':', U'x', U'|', U'\\', " - "};

std::u32string upperCase(std::u32string text) {
  static constexpr std::u32string_view lower = U"áčďéěíňóřšťúůýž";
  static constexpr std::u32string_view upper = U"ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
  for (char32_t& letter : text) {
    if (letter >= U'a' && letter <= U'z') letter = letter - U'a' + U'A';
    const std::size_t at = lower.find(letter);
    if (at != std::u32string_view::npos) letter = upper[at];
  }
  return text;
}

class Canvas {
 public:
  Canvas() {
    for (std::u32string& line : lines_) line.assign(kMapTextColumns, U' ');
  }
  void put(int line, int column, char32_t glyph) {
    if (line >= 0 && line < kMapTextLines && column >= 0 && column < kMapTextColumns)
      lines_[line][column] = glyph;
  }
  void write(int line, int column, std::u32string_view text) {
    for (char32_t glyph : text) put(line, column++, glyph);
  }
  std::vector<std::string> finish() const {
    std::vector<std::string> out;
    for (std::u32string line : lines_) {
      line.erase(line.find_last_not_of(U' ') + 1);
      out.push_back(encodeUtf8(line));
    }
    return out;
  }

 private:
  std::array<std::u32string, kMapTextLines> lines_;
};

int nameLine(int y) {
  return 1 + 2 * (y - 1);
}
int fieldLeft(int x) {
  return kPitch * (x - 1) + 1;
}
int middle(int x) {
  return fieldLeft(x) + kNameWidth / 2;
}

const MapCell* cellAt(const MapPicture& picture, int x, int y) {
  for (const MapCell& cell : picture.cells) {
    if (cell.x == x && cell.y == y) return &cell;
  }
  return nullptr;
}

WayLook look(const MapCell* cell, Way way) {
  return cell != nullptr ? cell->ways[way] : WayLook::none;
}

// The line under row y: one glyph for the way between a room and the one south of it.
char32_t downGlyph(WayLook fromAbove, WayLook fromBelow, const Glyphs& g) {
  if (fromAbove == WayLook::deadly || fromBelow == WayLook::deadly) return g.deadly;
  if (fromAbove == WayLook::joined || fromBelow == WayLook::joined) return g.down;
  if (fromAbove == WayLook::stub) return g.downHalf;
  if (fromBelow == WayLook::stub) return g.upHalf;
  return U' ';
}

char32_t acrossGlyph(WayLook way, const Glyphs& g) {
  if (way == WayLook::deadly) return g.deadly;
  return way == WayLook::none ? U' ' : g.across;
}

}  // namespace

std::vector<std::string> mapText(const MapPicture& picture, MapGlyphs glyphs) {
  const Glyphs& g = glyphs == MapGlyphs::ascii ? kAscii : kBox;
  Canvas canvas;
  std::string heading = "Mapa";
  if (const MapCell* here = picture.here())
    heading += g.headingDash + std::string("jsi tady: ") + here->name;
  canvas.write(0, 0, decodeUtf8(heading));

  for (const MapCell& cell : picture.cells) {
    std::u32string name = decodeUtf8(cell.name).substr(0, kNameWidth);
    if (cell.here) name = upperCase(name);
    const int line = nameLine(cell.y);
    canvas.write(line, fieldLeft(cell.x) + static_cast<int>(kNameWidth - name.size()) / 2, name);
    canvas.put(line, fieldLeft(cell.x) - 1, acrossGlyph(cell.ways[west], g));
    canvas.put(line, fieldLeft(cell.x) + kNameWidth, acrossGlyph(cell.ways[east], g));
    // The way north of a room is drawn with the room above, unless no room is seen there.
    if (cell.ways[north] != WayLook::none && cellAt(picture, cell.x, cell.y - 1) == nullptr)
      canvas.put(line - 1, middle(cell.x), downGlyph(WayLook::none, cell.ways[north], g));
    if (cell.ways[south] == WayLook::rope) {
      canvas.put(line + 1, middle(cell.x), g.rope);
      canvas.write(line + 2, middle(cell.x) - 1, U"lano");
      canvas.put(line + 3, fieldLeft(cell.x) + kNameWidth + 1, g.ropeSlant);
      continue;
    }
    const MapCell* below = cellAt(picture, cell.x, cell.y + 1);
    canvas.put(line + 1, middle(cell.x), downGlyph(cell.ways[south], look(below, north), g));
  }
  return canvas.finish();
}

}  // namespace kvelt
