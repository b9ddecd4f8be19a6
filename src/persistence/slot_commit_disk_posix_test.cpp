// The fault campaign of one save on a real folder, and hostile files in a slot's place.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "base/files.h"
#include "persistence/save_commands.h"
#include "test_support/save_faults.h"
#include "test_support/test_game.h"

namespace kvelt {
namespace {

namespace fs = std::filesystem;

class SlotDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // On a tmpfs where there is one: the campaign syncs some 10,000 times, which a real disk
    // takes half a minute for; what is tried here is the calls, not the disk's cache.
    char pattern[] = "/dev/shm/kvelt-slot-XXXXXX";
    if (!fs::is_directory("/dev/shm"))
      std::snprintf(pattern, sizeof pattern, "/tmp/kvelt-slot-XXXXXX");
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(SlotDiskTest, EveryFaultPointOnceTwiceAndAsAKill) {
  for (bool slotExisted : {true, false}) {
    testing::FaultCampaign report = testing::runSaveFaults(systemFiles(), dir_, slotExisted);
    EXPECT_EQ(report.points, slotExisted ? 17 : 14);
    EXPECT_TRUE(report.clean()) << (report.problems.empty() ? "" : report.problems.front());
  }
}

// Each kind of file that is not a plain file, put where a slot's file belongs.
TEST_F(SlotDiskTest, HostileFilesGiveANoticeAndNeverHang) {
  struct Row {
    const char* what;
    std::function<void(const fs::path&)> make;
  };
  const Row rows[] = {{"FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
                      {"link to the saved file",
                       [](const fs::path& p) { fs::create_symlink(p.string() + ".moved", p); }},
                      {"/dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
                      {"folder", [](const fs::path& p) { fs::create_directory(p); }},
                      {"socket",
                       [](const fs::path& p) {
                         int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
                         sockaddr_un address{};
                         address.sun_family = AF_UNIX;
                         std::snprintf(address.sun_path, sizeof address.sun_path, "%s", p.c_str());
                         ASSERT_EQ(
                             ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
                         ::close(fd);
                       }},
                      {"17 MiB file", [](const fs::path& p) {
                         std::ofstream(p).close();
                         fs::resize_file(p, 17u << 20);
                       }}};
  for (const Row& row : rows) {
    for (const char* name : {"save3.s", "savex3.s"}) {
      SCOPED_TRACE(std::string(row.what) + " as " + name);
      fs::remove_all(dir_);
      fs::create_directory(dir_);
      testing::TestGame t;
      t.startPlaying();
      t.game.platform.files = &systemFiles();
      t.game.platform.saveDir = t.game.platform.programDir = dir_;
      std::ofstream(dir_ / "scripts.tex", std::ios::binary) << testing::numberedCatalogue();
      t.enter("save 3");
      fs::rename(dir_ / name, dir_ / (std::string(name) + ".moved"));
      row.make(dir_ / name);
      Game before = t.game;
      t.enter("load 3");
      EXPECT_EQ(t.window.notices, "Pozici 3 nelze přečíst.");
      EXPECT_EQ(t.game.posX, before.posX);
      t.window.notices.clear();
      t.enter("save 3");
      const bool folder = std::string(row.what) == "folder";
      EXPECT_EQ(t.window.notices, folder ? "Hru se nepodařilo uložit do pozice 3." : "")
          << "anything else is replaced by a plain file";
    }
  }
}

}  // namespace
}  // namespace kvelt
