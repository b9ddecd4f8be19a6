// Tests of saving on a real file system that refuses the write: read-only and full.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/files.h"
#include "persistence/save_commands.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A small tmpfs of its own, so that the test can make it read-only or fill it.
class SaveDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kvelt-save-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
    if (::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k") != 0) {
      GTEST_SKIP() << "cannot mount a tmpfs here (" << std::strerror(errno)
                   << "); the disk-failure tests need root or CAP_SYS_ADMIN";
    }
    mounted_ = true;
    t.startPlaying();
    t.game.platform.files = &systemFiles();
    t.game.platform.saveDir = dir_;
    save();
    ASSERT_EQ(t.window.notices, "");
    oldList_ = slurp(dir_ / "save3.s");
    oldState_ = slurp(dir_ / "savex3.s");
    ASSERT_EQ(oldState_.size(), 82u);
    t.game.posX = 5;
    t.game.inventory[1] = "olej";
  }

  void TearDown() override {
    if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
    ::rmdir(dir_.c_str());
  }

  void save() {
    t.game.commandVerb = "save";
    t.game.saveSlot = 3;
    ulozit(t.game);
  }

  void expectOldSlotAndNothingElse(const std::vector<std::string>& others) {
    EXPECT_EQ(t.window.notices, "Hru se nepodařilo uložit do pozice 3.");
    EXPECT_EQ(slurp(dir_ / "save3.s"), oldList_);
    EXPECT_EQ(slurp(dir_ / "savex3.s"), oldState_);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      if (entry.path().filename() != "kvelt.lock") names.push_back(entry.path().filename());
    }
    std::vector<std::string> expected = {"save3.s", "savex3.s"};
    expected.insert(expected.end(), others.begin(), others.end());
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected) << "no temporary file is left behind";
  }

  fs::path dir_;
  bool mounted_ = false;
  std::string oldList_, oldState_;
  testing::TestGame t;
};

TEST_F(SaveDiskTest, ReadOnlyDirectory) {
  ASSERT_EQ(::mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
      << std::strerror(errno);
  save();
  expectOldSlotAndNothingElse({});
}

TEST_F(SaveDiskTest, FullDisk) {
  {
    std::ofstream filler(dir_ / "filler", std::ios::binary);
    const std::string block(4096, 'x');
    while (filler.write(block.data(), block.size()) && filler.flush()) {
    }
  }
  save();
  expectOldSlotAndNothingElse({"filler"});
}

}  // namespace
}  // namespace kvelt
