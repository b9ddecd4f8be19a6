// Where the catalogue and the saves are looked for: beside the program or installed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/engine.h"
#include "common/game_dirs.h"
#include "common/warning_setting.h"

namespace kvelt {
namespace {
namespace fs = std::filesystem;

class GameDirsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ =
        fs::temp_directory_path() /
        ("kvelt_game_dirs_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string make(const fs::path& relative) {
    fs::create_directories(root_ / relative);
    return (root_ / relative).string();
  }
  void installCatalogue(const fs::path& data) {
    fs::create_directories(root_ / data);
    std::ofstream(root_ / data / "scripts.tex") << "M1\r\n";
  }
  fs::path root_;
};

TEST_F(GameDirsTest, UnpackedGameKeepsEverythingBesideTheProgram) {
  std::string program = make("kvelt-1.0");
  std::ofstream(root_ / "kvelt-1.0/scripts.tex") << "M1\r\n";
  GameDirs dirs = gameDirsFor(program, "/nonexistent-xdg", "/nonexistent-home");
  EXPECT_EQ(program, dirs.catalogueDir);
  EXPECT_EQ(program, dirs.saveDir);

  // A folder named bin is not an installation unless the catalogue is in share/kvelt.
  std::string bin = make("build/bin");
  dirs = gameDirsFor(bin, "/nonexistent-xdg", "/nonexistent-home");
  EXPECT_EQ(bin, dirs.catalogueDir);
  EXPECT_EQ(bin, dirs.saveDir);
}

TEST_F(GameDirsTest, InstalledGameReadsItsDataAndSavesInXdgDataHome) {
  struct Layout {
    const char* programs;
    const char* data;
  };
  // The usual prefix layout, and Debian's for games.
  for (const Layout& layout :
       {Layout{"usr/bin", "usr/share/kvelt"}, Layout{"usr/games", "usr/share/games/kvelt"}}) {
    SCOPED_TRACE(layout.programs);
    fs::remove_all(root_);
    installCatalogue(layout.data);
    std::string programs = make(layout.programs);
    std::string xdg = (root_ / "xdg").string();
    GameDirs dirs = gameDirsFor(programs, xdg.c_str(), "/nonexistent-home");
    EXPECT_EQ((root_ / layout.data).string(), dirs.catalogueDir);
    EXPECT_EQ((root_ / "xdg/kvelt").string(), dirs.saveDir);
    EXPECT_TRUE(fs::is_directory(dirs.saveDir));

    // A trailing separator on the program folder changes nothing.
    dirs = gameDirsFor(programs + "/", xdg.c_str(), "/nonexistent-home");
    EXPECT_EQ((root_ / layout.data).string(), dirs.catalogueDir);
  }

  // Each folder goes with its own data only.
  fs::remove_all(root_);
  installCatalogue("usr/share/games/kvelt");
  std::string bin = make("usr/bin");
  EXPECT_EQ(bin, gameDirsFor(bin, "/nonexistent-xdg", "/nonexistent-home").catalogueDir);
}

TEST_F(GameDirsTest, InstalledGameFallsBackToHomeWhenXdgIsUnsetOrRelative) {
  installCatalogue("opt/share/kvelt");
  std::string bin = make("opt/bin");
  std::string home = make("home");
  const std::string expected = (root_ / "home/.local/share/kvelt").string();
  EXPECT_EQ(expected, gameDirsFor(bin, nullptr, home.c_str()).saveDir);
  EXPECT_EQ(expected, gameDirsFor(bin, "", home.c_str()).saveDir);
  EXPECT_EQ(expected, gameDirsFor(bin, "relative/data", home.c_str()).saveDir);
  EXPECT_TRUE(fs::is_directory(expected));
}

// Off is the file "off" in the config folder; on is no file, as when it was never chosen.
TEST_F(GameDirsTest, WarningSettingIsKeptInXdgConfigHomeUntilSwitchedBack) {
  const std::string home = make("home"), config = (root_ / "config").string();
  EXPECT_EQ(home + "/.config/kvelt", settingsDirFor({}, "relative", home.c_str()));
  const std::string settings = settingsDirFor({}, config.c_str(), home.c_str());
  rememberWarnings(systemFiles(), settings, false);
  std::string text;
  EXPECT_TRUE(systemFiles().read(config + "/kvelt/warnings", text).isOk() && text == "off\n");
  EXPECT_FALSE(rememberedWarnings(systemFiles(), settings));
  rememberWarnings(systemFiles(), settings, true);
  EXPECT_FALSE(fs::exists(config + "/kvelt/warnings"));
  EXPECT_TRUE(rememberedWarnings(systemFiles(), settings));
}

}  // namespace
}  // namespace kvelt
