// Tests of the two files of a save slot, byte by byte, and of loading them back.
#include "persistence/save_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/save_commands.h"
#include "platform/codepage.h"
#include "test_support/memory_files.h"
#include "test_support/test_game.h"
#include "text/lines.h"

namespace kvelt {
namespace {

using testing::messageText;
using testing::paneLines;
using testing::TestGame;

const std::string kList = "/game/save3.s";
const std::string kState = "/game/savex3.s";

class SaveFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { t.startPlaying(); }

  // Runs the dispatcher directly, as the turn's scan does for "save 3" / "load 3".
  void run(const char* verb, Integer slot = 3) {
    t.game.commandVerb = verb;
    t.game.saveSlot = slot;
    ulozit(t.game);
  }

  std::vector<std::string> listLines() {
    std::vector<std::string> lines;
    for (std::string_view line : splitLines(t.files.files.at(kList))) {
      lines.push_back(cp1250ToUtf8(line));
    }
    return lines;
  }

  std::string& stateBytes() { return t.files.files.at(kState); }

  void cutListTo(std::size_t lines) {
    std::string& bytes = t.files.files.at(kList);
    std::size_t end = 0;
    for (std::size_t i = 0; i < lines; ++i) end = bytes.find("\r\n", end) + 2;
    bytes.resize(end);
  }

  TestGame t;
};

TEST_F(SaveFilesTest, NewGameSavedAtItsFirstTurn) {
  TestGame fresh;
  fresh.start();
  fresh.enter("save 3");
  const std::string& list = fresh.files.files.at(kList);
  EXPECT_EQ(list.substr(0, 6), "d\xFDku\r\n");  // Windows-1250, CR LF

  std::vector<std::string_view> lines = splitLines(list);
  ASSERT_EQ(lines.size(), 630u);
  std::size_t lineEnds = 0;
  for (std::size_t at = list.find("\r\n"); at != std::string::npos;
       at = list.find("\r\n", at + 2)) {
    ++lineEnds;
  }
  EXPECT_EQ(lineEnds, 630u) << "every line, the last too, ends in CR LF";
  std::vector<std::string> words;
  for (std::string_view line : lines) words.push_back(cp1250ToUtf8(line));
  EXPECT_EQ(words[0], "dýku");
  for (int line = 2; line <= 9; ++line) EXPECT_EQ(words[line - 1], "") << "line " << line;
  EXPECT_EQ(std::vector<std::string>(words.begin() + 9, words.begin() + 15),
            (std::vector<std::string>{"Draga", "listinu", "pochodeň", "olej", "dveře", ""}));
  EXPECT_EQ(words[36], "ceduli");  // (3,6) starts at line 37
  EXPECT_EQ(words[603], "držák");  // (1,4) starts at line 604
  EXPECT_EQ(words[604], "prapor");
  EXPECT_EQ(words[629], "");

  std::string expectedState(82, '\0');
  expectedState.replace(0, 4, "\x03\x00\x07\x00", 4);
  expectedState.replace(22, 2, "\xFF\xFF");  // startSouthBlocked
  EXPECT_EQ(fresh.files.files.at(kState), expectedState);
}

TEST_F(SaveFilesTest, FieldsSitAtTheirByteOffsets) {
  t.game.doorRoomCode = 5;
  t.game.door37Open = kTrue;
  t.game.chandelierCut = kTrue;
  t.game.kveltTaken = kTrue;
  t.game.standNailSet = 300;  // a loaded file may hold any value; it is written as it is
  run("save");
  const std::string& bytes = stateBytes();
  ASSERT_EQ(bytes.size(), 82u);
  EXPECT_EQ(bytes.substr(4, 2), std::string("\x05\x00", 2));
  EXPECT_EQ(bytes.substr(10, 2), "\xFF\xFF");
  EXPECT_EQ(bytes.substr(66, 2), "\xFF\xFF");
  EXPECT_EQ(bytes.substr(78, 2), "\xFF\xFF");
  EXPECT_EQ(bytes.substr(80, 2), std::string("\x2C\x01", 2));
  EXPECT_EQ(bytes.substr(6, 4), std::string(4, '\0')) << "hatchOiled and hatchOpen stay false";
}

TEST_F(SaveFilesTest, SecondSaveToASlotReplacesTheFirst) {
  run("save");
  t.game.posX = 5;
  t.game.inventory[1] = "olej";
  run("save");
  EXPECT_EQ(t.files.files.size(), 3u) << "scripts.tex and one pair of files";
  EXPECT_EQ(stateBytes()[0], 5);
  EXPECT_EQ(listLines()[1], "olej");
}

TEST_F(SaveFilesTest, RoundTripRestoresEverythingSaved) {
  t.game.inventory = {"dýku", "lano od lustru", "", "hořící pochodeň"};
  t.game.room14Objects[26] = "stráž na hradbách";
  t.game.room37Objects[27] = "mimo soubor";  // slot 27 is never stored
  t.game.posX = 5;
  t.game.posY = 4;
  t.game.hatchPried = kTrue;
  run("save");
  Game saved = t.game;

  t.game.inventory = {};
  t.game.room14Objects = {};
  t.game.room37Objects[27] = "jiné";
  t.game.posX = 3;
  t.game.posY = 7;
  t.game.hatchPried = kFalse;
  run("load");

  // The gap at slot 2 closes by one place.
  EXPECT_EQ(t.game.inventory[1], "lano od lustru");
  EXPECT_EQ(t.game.inventory[2], "hořící pochodeň");
  EXPECT_EQ(t.game.room14Objects, saved.room14Objects);
  EXPECT_EQ(t.game.room37Objects[27], "jiné");
  EXPECT_EQ(t.game.posX, 5);
  EXPECT_EQ(t.game.posY, 4);
  EXPECT_EQ(t.game.hatchPried, kTrue);
  EXPECT_EQ(t.game.Text2.rfind(messageText(14), 0), 0u) << "the restored room is described";
  EXPECT_EQ(t.window.notices, "");
}

TEST_F(SaveFilesTest, ListCutToNineLinesRestoresOnlyTheCarriedObjects) {
  t.game.inventory[1] = "olej";
  run("save");
  cutListTo(9);
  t.game.inventory[1] = "lano";
  t.game.room36Objects[1] = "páčidlo";
  t.game.room14Objects[0] = "";
  run("load");
  EXPECT_EQ(t.game.inventory[1], "olej");
  EXPECT_EQ(t.game.room36Objects[1], "páčidlo");
  EXPECT_EQ(t.game.room14Objects[0], "");
}

TEST_F(SaveFilesTest, ListCutInsideABlockRestoresTheLinesPresent) {
  run("save");
  cutListTo(11);  // carried slots and the first two slots of (3,7)
  t.game.room37Objects = {"a", "b", "c"};
  t.game.posY = 6;  // described room is (3,6), so (3,7) is not copied back
  run("load");
  EXPECT_EQ(t.game.room37Objects[0], "Draga");
  EXPECT_EQ(t.game.room37Objects[1], "listinu");
  EXPECT_EQ(t.game.room37Objects[2], "c");
}

TEST_F(SaveFilesTest, ExtraLinesAreIgnored) {
  run("save");
  for (int i = 0; i < 40; ++i) t.files.files.at(kList) += "navíc\r\n";
  t.game.inventory[0] = "";
  run("load");
  EXPECT_EQ(t.game.inventory[0], "dýku");
  EXPECT_EQ(t.game.inventory[9], "");
  EXPECT_EQ(t.game.room37Objects[0], "Draga");
  EXPECT_EQ(t.game.room14Objects[0], "držák");
}

TEST_F(SaveFilesTest, LoneCrAndLoneLfEndLinesToo) {
  run("save");
  t.files.files[kList] = "d\xFDku\rolej\nlano\r\n";
  run("load");
  EXPECT_EQ(t.game.inventory[0], "dýku");
  EXPECT_EQ(t.game.inventory[1], "olej");
  EXPECT_EQ(t.game.inventory[2], "lano");
  EXPECT_EQ(t.game.inventory[3], "");
}

TEST_F(SaveFilesTest, CarriedSlotsNineAndTenAreNotStoredButMoveDownOnLoad) {
  t.game.inventory = {"dýku", "olej", "lano"};
  run("save");
  EXPECT_EQ(paneLines(t.game.Text3).size(), 1u);
  run("load");
  EXPECT_EQ(paneLines(t.game.Text3),
            (std::vector<std::string>{"dýku", "olej", "lano", "", "", "", "", "", "", "", ""}));

  t.game.inventory[9] = "meč";
  t.game.inventory[10] = "štít";
  run("load");
  EXPECT_EQ(paneLines(t.game.Text3), (std::vector<std::string>{"dýku", "olej", "lano", "", "", "",
                                                               "", "", "meč", "štít", ""}));
  EXPECT_EQ(t.game.inventory[10], "");
}

TEST_F(SaveFilesTest, ShortStateFileIsRefusedAndALongerOneLoads) {
  t.game.kveltTaken = kTrue;
  run("save");
  const std::string full = stateBytes();
  for (std::size_t size : {0, 1, 81}) {
    SCOPED_TRACE(size);
    stateBytes() = full.substr(0, size);
    t.window.notices.clear();
    t.game.kveltTaken = kFalse;
    run("load");
    EXPECT_EQ(t.window.notices, "Pozici 3 nelze přečíst.");
    EXPECT_EQ(t.game.kveltTaken, kFalse) << "nothing of a short file is taken";
  }
  stateBytes() = full + "\x01";
  t.window.notices.clear();
  run("load");
  EXPECT_EQ(t.window.notices, "");
  EXPECT_EQ(t.game.kveltTaken, kTrue);
}

TEST_F(SaveFilesTest, SlotThatCannotBeReadChangesNothing) {
  t.game.inventory[1] = "olej";
  run("save");
  for (const std::string& missing : {kList, kState}) {
    SCOPED_TRACE(missing);
    TestGame other;
    other.startPlaying();
    other.enter("s");
    other.files.files = t.files.files;
    other.files.files.erase(missing);
    auto filesBefore = other.files.files;
    Game before = other.game;
    other.game.commandVerb = "load";
    other.game.saveSlot = 3;
    ulozit(other.game);
    EXPECT_EQ(other.window.notices, "Pozici 3 nelze přečíst.") << "half a slot is damaged";
    EXPECT_EQ(other.game.Text2, before.Text2);
    EXPECT_EQ(other.game.Text3, before.Text3);
    EXPECT_EQ(other.game.inventory, before.inventory);
    EXPECT_EQ(other.game.room37Objects, before.room37Objects);
    EXPECT_EQ(other.game.currentRoomObjects, before.currentRoomObjects);
    EXPECT_EQ(other.game.posX, before.posX);
    EXPECT_EQ(other.game.posY, before.posY);
    EXPECT_EQ(other.game.k, before.k);
    EXPECT_EQ(other.game.g, before.g);
    EXPECT_EQ(other.game.loadLine, before.loadLine);
    EXPECT_EQ(other.files.files, filesBefore) << "a load creates no file";
  }
}

TEST_F(SaveFilesTest, SaveThatCannotWriteTellsThePlayerAndKeepsTheOldSlot) {
  run("save");
  auto before = t.files.files;
  t.files.readOnly = true;
  t.game.posX = 5;
  run("save");
  EXPECT_EQ(t.window.notices, "Hru se nepodařilo uložit do pozice 3.");
  EXPECT_EQ(t.files.files, before);
}

// Lets the object-list file through and refuses the state file, as a disk that fills up
// between the two would.
class StateFileRefused : public MemoryFiles {
 public:
  Status create(const std::string& path, const std::string& content) override {
    if (path.find("savex") != std::string::npos) return Status::error(path + ": full");
    return MemoryFiles::create(path, content);
  }
};

TEST_F(SaveFilesTest, SecondFileFailingKeepsTheOldSlotWhole) {
  StateFileRefused files;
  files.files = t.files.files;
  t.game.platform.files = &files;
  files.files[kList] = "stará\r\n";
  files.files[kState] = "stav";
  auto before = files.files;
  run("save");
  EXPECT_EQ(t.window.notices, "Hru se nepodařilo uložit do pozice 3.");
  EXPECT_EQ(files.files, before) << "no temporary file or record is left either";
}

// An immutable state file: the list file has moved when the state file cannot follow.
class StateRenameRefused : public MemoryFiles {
 public:
  Status rename(const std::string& from, const std::string& to) override {
    if (refuse && to == kState) return Status::error(to + ": operation not permitted");
    return MemoryFiles::rename(from, to);
  }
  bool refuse = false;
};

TEST_F(SaveFilesTest, SaveWhoseStateFileCannotBeReplacedFailsAndTheOldGameLoads) {
  StateRenameRefused files;
  files.files = t.files.files;
  t.game.platform.files = &files;
  t.game.inventory[1] = "olej";
  run("save");
  const auto before = files.files;
  files.refuse = true;
  t.game.inventory[1] = "lano";
  run("save");
  EXPECT_EQ(t.window.notices, "Hru se nepodařilo uložit do pozice 3.");
  EXPECT_EQ(files.files, before) << "the old list is back and nothing else is left";
  t.game.inventory[1] = "";
  run("load");
  EXPECT_EQ(t.game.inventory[1], "olej");
}

TEST_F(SaveFilesTest, BusyFolderAndOversizedSlotGiveTheirNotices) {
  run("save");
  t.files.busy = true;
  t.window.notices.clear();
  run("save");
  EXPECT_EQ(t.window.notices,
            "Hru se nepodařilo uložit do pozice 3. Složku s uloženými hrami právě používá jiný "
            "program.");
  t.window.notices.clear();
  run("load");
  EXPECT_EQ(t.window.notices,
            "Hru z pozice 3 se nepodařilo nahrát. Složku s uloženými hrami právě používá jiný "
            "program.");
  t.files.busy = false;
  // Each file is under the limit; the two together are over it.
  t.files.files.at(kList).resize(kFileSizeLimit - 40, '\n');
  t.window.notices.clear();
  run("load");
  EXPECT_EQ(t.window.notices, "Pozici 3 nelze přečíst.");
}

TEST_F(SaveFilesTest, StatesNoPlayReachesAreRefused) {
  run("save");
  const std::string good = stateBytes();
  struct Case {
    std::size_t offset;
    Integer value;
  };
  // (4,7) and (3,0) are outside the map; (3,8) is below it; -32768 is what "j" wrapped to.
  // startSouthBlocked (offset 22) other than true would let "j" walk off the map from (3,7).
  // A flag of neither -1 nor 0 passes both tests of a rule or neither: ropeFree (32) at 1 sent
  // "j" from (2,2) to (2,3), which is no room.
  for (Case c :
       {Case{0, 4}, Case{2, 0}, Case{2, 8}, Case{2, -32768}, Case{0, 7}, Case{4, 6}, Case{4, -1},
        Case{22, 0}, Case{22, 257}, Case{6, 1}, Case{32, 1}, Case{32, 256}, Case{80, -2}}) {
    SCOPED_TRACE(std::to_string(c.offset) + "=" + std::to_string(c.value));
    stateBytes() = good;
    stateBytes()[c.offset] = static_cast<char>(c.value & 0xFF);
    stateBytes()[c.offset + 1] = static_cast<char>((c.value >> 8) & 0xFF);
    t.window.notices.clear();
    Game before = t.game;
    t.game.inventory[0] = "";
    before.inventory[0] = "";
    run("load");
    EXPECT_EQ(t.window.notices, "Pozici 3 nelze přečíst.");
    EXPECT_EQ(t.game.inventory, before.inventory);
    EXPECT_EQ(t.game.posX, before.posX);
    EXPECT_EQ(t.game.posY, before.posY);
    EXPECT_EQ(t.game.doorRoomCode, before.doorRoomCode);
    EXPECT_EQ(t.game.Text2, before.Text2);
  }
}

TEST_F(SaveFilesTest, LoaderSurvivesAnyBytes) {
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) % 256);
  const std::string megabyteLine(1 << 20, 'x');
  const std::vector<std::string> lists = {
      garbage,
      "\x81\x83\x88\x90\x98\r\n",  // bytes Windows-1250 leaves undefined
      megabyteLine,                // no line end at all
      megabyteLine + "\r\n" + megabyteLine + "\n",
      std::string(1 << 20, '\n'),
      std::string(1 << 20, '\r'),
      std::string("\0\0\r\n\0", 5),
  };
  for (const std::string& list : lists) {
    t.files.files[kList] = list;
    t.files.files[kState] = garbage.substr(0, 82);
    run("load");
    t.enter("vezmi pochodeň");
    t.enter("s");
    run("save");
    EXPECT_EQ(splitLines(t.files.files.at(kList)).size(), 630u);
  }
  t.files.files[kList] = "\x81\r\n";  // with the state file of the last save
  run("load");
  EXPECT_EQ(t.game.inventory[0], "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace kvelt
