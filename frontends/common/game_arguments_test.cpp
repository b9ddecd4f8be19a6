// Tests of the front ends' shared command line.
#include "common/game_arguments.h"

#include <gtest/gtest.h>

namespace kvelt {
namespace {

TEST(GameArgumentsTest, DirNamesOneFolderForCatalogueAndSaves) {
  auto parsed = parseGameArguments({"--json", "--dir", "/hra"}, {"--json"});
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->dirs.catalogueDir, "/hra");
  EXPECT_EQ(parsed->dirs.saveDir, "/hra");
  EXPECT_EQ(parsed->switches.count("--json"), 1u);
}

TEST(GameArgumentsTest, UnknownArgumentsAndADirWithoutFolderAreRefused) {
  EXPECT_FALSE(parseGameArguments({"--json"}));
  EXPECT_FALSE(parseGameArguments({"--dir"}));
  EXPECT_FALSE(parseGameArguments({"hra"}));
}

TEST(GameArgumentsTest, WithoutDirTheFoldersComeFromTheProgram) {
  auto parsed = parseGameArguments({});
  ASSERT_TRUE(parsed);
  EXPECT_FALSE(parsed->dirs.catalogueDir.empty());
  EXPECT_TRUE(parsed->switches.empty());
}

}  // namespace
}  // namespace kvelt
