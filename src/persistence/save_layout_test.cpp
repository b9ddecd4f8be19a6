// Where each field of a saved game lies in its two files, written down apart from the code.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "test_support/test_game.h"
#include "text/lines.h"

namespace kvelt {
namespace {

using G = Game;
using testing::TestGame;

const std::string kList = "/game/save3.s";
const std::string kState = "/game/savex3.s";

struct StateRow {
  int offset;
  Integer Game::*field;
};

// clang-format off
const std::vector<StateRow> kStateRows = {
    {0, &G::posX},               {2, &G::posY},              {4, &G::doorRoomCode},
    {6, &G::hatchOiled},         {8, &G::hatchOpen},         {10, &G::door37Open},
    {12, &G::hatchPried},        {14, &G::wallGuardDown},    {16, &G::deadGuardSearched},
    {18, &G::deadGuardHidden},   {20, &G::uniformWorn},      {22, &G::startSouthBlocked},
    {24, &G::smithServed},       {26, &G::barrelOpened},     {28, &G::ladderOnHolder},
    {30, &G::wellCrankFitted},   {32, &G::ropeFree},         {34, &G::vesselFilled},
    {36, &G::pailFilled},        {38, &G::watchmanDown},     {40, &G::bucketFull},
    {42, &G::bannerCut},         {44, &G::haySearched},      {46, &G::watchmanSearched},
    {48, &G::door33Unlocked},    {50, &G::door33Open},       {52, &G::deviceJammed},
    {54, &G::guardKilled},       {56, &G::windowRopeTied},   {58, &G::hearthQuenched},
    {60, &G::door42Open},        {62, &G::door32Open},       {64, &G::captainShielded},
    {66, &G::chandelierCut},     {68, &G::captainDefeated},  {70, &G::captainStruck},
    {72, &G::standNeedleSet},    {74, &G::door31Open},       {76, &G::door31Unlocked},
    {78, &G::kveltTaken},        {80, &G::standNailSet},
};

struct ListRow {
  int firstLine;  // counted from 1; the list's slots 0 to 26 follow
  ObjectList Game::*list;
};

const std::vector<ListRow> kListRows = {
    {10, &G::room37Objects},  {37, &G::room36Objects},  {64, &G::room35Objects},
    {91, &G::room25Objects},  {118, &G::room45Objects}, {145, &G::room55Objects},
    {172, &G::room65Objects}, {199, &G::room64Objects}, {226, &G::room74Objects},
    {253, &G::room73Objects}, {280, &G::room54Objects}, {307, &G::room44Objects},
    {334, &G::room34Objects}, {361, &G::room53Objects}, {388, &G::room33Objects},
    {415, &G::room32Objects}, {442, &G::room31Objects}, {469, &G::room21Objects},
    {496, &G::room22Objects}, {523, &G::room42Objects}, {550, &G::room52Objects},
    {577, &G::room24Objects}, {604, &G::room14Objects},
};
// clang-format on

// A value of its own for every field, off the map and neither True nor False, so that no rule
// acts on it while the turn of the save or load runs on.
Integer valueAt(int offset) {
  return static_cast<Integer>(0x1100 + offset);
}

// The same, except where a load refuses a game that cannot be played: the position must be a
// room (3,6), the door code 0 to 5, and the start room's south way held back. The three stay
// distinct, so that two of them swapped still shows.
// A flag holds -1 or 0 in every loadable file; field i gets bit `bit` of its own number, so
// that over six loads every field shows a pattern of its own.
Integer loadableValueAt(int offset, int bit) {
  switch (offset) {
    case 0:
      return 3;
    case 2:
      return 6;
    case 4:
      return 2;
    case 22:
      return kTrue;
    default:
      return ((offset / 2) >> bit) & 1 ? kTrue : kFalse;
  }
}

std::string le16(Integer value) {
  const auto bits = static_cast<std::uint16_t>(value);
  return {static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8)};
}

std::vector<std::string> listLines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::string_view line : splitLines(bytes)) lines.push_back(cp1250ToUtf8(line));
  return lines;
}

TEST(SaveLayoutTest, EveryStateFieldIsSavedAtItsOffset) {
  ASSERT_EQ(kStateRows.size(), 41u);
  TestGame t;
  t.startPlaying();
  for (const StateRow& row : kStateRows) t.game.*row.field = valueAt(row.offset);
  t.enter("save 3");
  const std::string& bytes = t.files.files.at(kState);
  ASSERT_EQ(bytes.size(), 82u);
  for (const StateRow& row : kStateRows) {
    EXPECT_EQ(bytes.substr(row.offset, 2), le16(valueAt(row.offset))) << "offset " << row.offset;
  }
}

TEST(SaveLayoutTest, EveryStateFieldIsLoadedFromItsOffset) {
  TestGame t;
  t.startPlaying();
  t.enter("save 3");
  for (int bit = 0; bit < 6; ++bit) {
    std::string bytes;
    for (int offset = 0; offset < 82; offset += 2) bytes += le16(loadableValueAt(offset, bit));
    t.files.files.at(kState) = bytes;
    t.enter("load 3");
    ASSERT_TRUE(t.window.notices.empty()) << t.window.notices;
    for (const StateRow& row : kStateRows) {
      EXPECT_EQ(t.game.*row.field, loadableValueAt(row.offset, bit)) << "offset " << row.offset;
    }
  }
}

TEST(SaveLayoutTest, EveryListIsSavedAtItsLines) {
  ASSERT_EQ(kListRows.size(), 23u);
  TestGame t;
  t.startPlaying();
  t.game.inventory[0] = "ruka0";
  t.game.inventory[8] = "ruka8";
  for (const ListRow& row : kListRows) {
    (t.game.*row.list)[0] = "první " + std::to_string(row.firstLine);
    (t.game.*row.list)[26] = "poslední " + std::to_string(row.firstLine);
    (t.game.*row.list)[27] = "neuložená";
  }
  t.enter("save 3");
  const std::vector<std::string> lines = listLines(t.files.files.at(kList));
  ASSERT_EQ(lines.size(), 630u);
  EXPECT_EQ(lines[0], "ruka0");
  EXPECT_EQ(lines[8], "ruka8");
  for (const ListRow& row : kListRows) {
    EXPECT_EQ(lines[row.firstLine - 1], "první " + std::to_string(row.firstLine));
    EXPECT_EQ(lines[row.firstLine + 25], "poslední " + std::to_string(row.firstLine));
  }
}

TEST(SaveLayoutTest, EveryListIsLoadedFromItsLines) {
  TestGame t;
  t.startPlaying();
  t.enter("save 3");
  std::string text;
  for (int line = 1; line <= 630; ++line) text += "řádek " + std::to_string(line) + "\r\n";
  t.files.files.at(kList) = utf8ToCp1250(text);
  t.enter("load 3");
  for (int slot = 0; slot <= 8; ++slot) {
    EXPECT_EQ(t.game.inventory[slot], "řádek " + std::to_string(slot + 1));
  }
  for (const ListRow& row : kListRows) {
    for (int slot = 0; slot <= 26; ++slot) {
      EXPECT_EQ((t.game.*row.list)[slot], "řádek " + std::to_string(row.firstLine + slot))
          << "line " << row.firstLine + slot;
    }
  }
}

}  // namespace
}  // namespace kvelt
