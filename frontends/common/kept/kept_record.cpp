// The record's fields in one fixed order; the position of a field in it is its number on disk,
// so a field added later goes at the end, with a new version of the kept file.
#include "common/kept/kept_record.h"

#include <cstdint>
#include <tuple>

namespace kvelt {
namespace {

// Calls `visit` with the same field of each record, in the order that numbers the fields.
// The platform is the running program's, and the turn report only tells about the Enter just
// pressed: neither is part of a kept game.
template <typename Visit, typename... Record>
void eachField(Visit&& visit, Record&... records) {
  visit(records.Text1...);
  visit(records.Text2...);
  visit(records.Text3...);
  visit(records.text1Background...);
  visit(records.windowClosed...);
  visit(records.k...);
  visit(records.g...);
  for (std::size_t i = 0; i < std::tuple_size_v<decltype(Game::verbs)>; ++i)
    visit(records.verbs[i]...);
  for (std::size_t i = 0; i < kRoomSlots; ++i) visit(records.currentRoomObjects[i]...);
  for (std::size_t i = 0; i < kInventorySlots; ++i) visit(records.inventory[i]...);
  for (std::size_t i = 0; i < 4; ++i) visit(records.exits[i]...);
  for (std::size_t i = 0; i < 4; ++i) visit(records.directions[i]...);
  for (ObjectList Game::*list : kRoomListsInOrder) {
    for (std::size_t i = 0; i < kRoomSlots; ++i) visit((records.*list)[i]...);
  }
  visit(records.commandVerb...);
  visit(records.commandObject...);
  visit(records.commandTarget...);
  visit(records.loadLine...);
  visit(records.lastCommand...);
  visit(records.saveListPath...);
  visit(records.saveStatePath...);
  visit(records.gameOver...);
  visit(records.startSouthBlocked...);
  visit(records.door37Open...);
  visit(records.hatchOpen...);
  visit(records.hatchOiled...);
  visit(records.hatchPried...);
  visit(records.wallGuardDown...);
  visit(records.deadGuardSearched...);
  visit(records.uniformWorn...);
  visit(records.deadGuardHidden...);
  visit(records.ladderOnHolder...);
  visit(records.barrelOpened...);
  visit(records.smithServed...);
  visit(records.vesselFilled...);
  visit(records.ropeFree...);
  visit(records.wellCrankFitted...);
  visit(records.bucketFull...);
  visit(records.watchmanDown...);
  visit(records.pailFilled...);
  visit(records.watchmanSearched...);
  visit(records.haySearched...);
  visit(records.bannerCut...);
  visit(records.deviceJammed...);
  visit(records.door33Open...);
  visit(records.door33Unlocked...);
  visit(records.hearthQuenched...);
  visit(records.windowRopeTied...);
  visit(records.guardKilled...);
  visit(records.door32Open...);
  visit(records.door42Open...);
  visit(records.captainShielded...);
  visit(records.captainStruck...);
  visit(records.captainDefeated...);
  visit(records.chandelierCut...);
  visit(records.door31Unlocked...);
  visit(records.door31Open...);
  visit(records.standNeedleSet...);
  visit(records.standNailSet...);
  visit(records.kveltTaken...);
  visit(records.firstTurnPending...);
  visit(records.firstTurnShown...);
  visit(records.loopIndex...);
  visit(records.innerLoopIndex...);
  visit(records.posX...);
  visit(records.posY...);
  visit(records.doorRoomCode...);
  visit(records.itemMovedThisTurn...);
  visit(records.saveSlot...);
  visit(records.savedWidth...);
  visit(records.savedHeight...);
  visit(records.displayRestored...);
}

void appendValue(std::string& out, const std::string& text) {
  appendText(out, text);
}
void appendValue(std::string& out, Integer value) {
  appendNumber(out, std::uint16_t(value));
}
void appendValue(std::string& out, bool value) {
  out += value ? '\1' : '\0';
}
void appendValue(std::string& out, Rgb colour) {
  out += char(colour.red);
  out += char(colour.green);
  out += char(colour.blue);
}

bool readValue(std::string_view& in, std::string& text) {
  return readText(in, text);
}
bool readValue(std::string_view& in, Integer& value) {
  std::uint64_t number = 0;
  if (!readNumber(in, number) || number > 0xFFFF) return false;
  value = Integer(std::uint16_t(number));
  return true;
}
bool readValue(std::string_view& in, bool& value) {
  if (in.empty() || std::uint8_t(in[0]) > 1) return false;
  value = in[0] == '\1';
  in.remove_prefix(1);
  return true;
}
bool readValue(std::string_view& in, Rgb& colour) {
  if (in.size() < 3) return false;
  colour = Rgb{std::uint8_t(in[0]), std::uint8_t(in[1]), std::uint8_t(in[2])};
  in.remove_prefix(3);
  return true;
}

}  // namespace

void appendNumber(std::string& out, std::uint64_t value) {
  while (value >= 0x80) {
    out += char(0x80 | (value & 0x7F));
    value >>= 7;
  }
  out += char(value);
}

bool readNumber(std::string_view& in, std::uint64_t& value) {
  value = 0;
  for (int shift = 0; shift < 64; shift += 7) {
    if (in.empty()) return false;
    const auto byte = std::uint8_t(in[0]);
    in.remove_prefix(1);
    value |= std::uint64_t(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) return true;
  }
  return false;
}

void appendText(std::string& out, std::string_view text) {
  appendNumber(out, text.size());
  out += text;
}

bool readText(std::string_view& in, std::string& text) {
  std::uint64_t size = 0;
  if (!readNumber(in, size) || size > in.size()) return false;
  text.assign(in.substr(0, size));
  in.remove_prefix(size);
  return true;
}

// Each changed field is its distance from the last one written, then its value; a distance of
// 0 ends the diff.
void appendRecordDiff(std::string& out, const Game& base, const Game& record) {
  std::uint64_t number = 0, last = 0;
  eachField(
      [&](const auto& from, const auto& to) {
        ++number;
        if (from == to) return;
        appendNumber(out, number - last);
        appendValue(out, to);
        last = number;
      },
      base, record);
  appendNumber(out, 0);
}

bool readRecordDiff(std::string_view& in, Game& record) {
  std::uint64_t next = 0;
  if (!readNumber(in, next)) return false;
  std::uint64_t number = 0, wanted = next;
  bool good = true;
  eachField(
      [&](auto& field) {
        ++number;
        if (!good || wanted == 0 || number != wanted) return;
        std::uint64_t gap = 0;
        good = readValue(in, field) && readNumber(in, gap);
        wanted = gap == 0 ? 0 : wanted + gap;
      },
      record);
  // A field number beyond the last field is not one this version wrote.
  return good && wanted == 0;
}

}  // namespace kvelt
