// Tests of the window's scale factor.
#include "common/window_scale.h"

#include <gtest/gtest.h>

namespace kvelt::layout {
namespace {

TEST(WindowScaleTest, DefaultFollowsTheDesktopAndFitsTheScreen) {
  const struct {
    double dpi;
    int width, height, percent;
  } rows[] = {
      {96, 1920, 1080, 100},  {0, 1920, 1080, 100},   {72, 1920, 1080, 100},
      {120, 1920, 1080, 125}, {144, 3840, 2160, 150}, {192, 3840, 2160, 200},
      {192, 1920, 1080, 175},  // 200 % would be 1200 rows high
      {288, 3840, 2160, 300}, {400, 3840, 2160, 300}, {192, 0, 0, 200},
      {192, 640, 480, 100},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(defaultScale(row.dpi, row.width, row.height), row.percent)
        << row.dpi << " dpi on " << row.width << " x " << row.height;
  }
}

TEST(WindowScaleTest, AKeptFactorOpensAsLargeAsTheScreenHolds) {
  EXPECT_EQ(fittingScale(200, 1280, 800), 125);
  EXPECT_EQ(fittingScale(125, 1280, 770, 2, 30), 100);  // a title bar takes its rows
  EXPECT_EQ(fittingScale(150, 1920, 1080, 2, 30), 150);
  EXPECT_EQ(fittingScale(300, 640, 480), 100);
  EXPECT_EQ(fittingScale(200, 0, 0), 200);
}

TEST(WindowScaleTest, StepsStayInTheRange) {
  EXPECT_EQ(stepScale(100, +1), 125);
  EXPECT_EQ(stepScale(125, -1), 100);
  EXPECT_EQ(stepScale(100, -1), 100);
  EXPECT_EQ(stepScale(300, +1), 300);
}

TEST(WindowScaleTest, RememberedFactorIsReadBackOrRefused) {
  const struct {
    const char* text;
    std::optional<int> percent;
  } rows[] = {
      {"150\n", 150},          {"200", 200},           {"125\r\n", 125},
      {"100\n", 100},          {"300\n", 300},         {"", std::nullopt},
      {"99\n", std::nullopt},  {"301", std::nullopt},  {"abc", std::nullopt},
      {"150 %", std::nullopt}, {" 150", std::nullopt}, {"-150", std::nullopt},
  };
  for (const auto& row : rows) EXPECT_EQ(parseScale(row.text), row.percent) << row.text;
  EXPECT_EQ(parseScale(formatScale(175)), 175);
}

TEST(WindowScaleTest, BoxesScaleByTheirEdges) {
  EXPECT_EQ(scaled(kText1, 200).x, 48);
  EXPECT_EQ(scaled(kText1, 200).w, 434);
  const Box text3 = scaled(kText3, 125);
  const Box label1 = scaled(kLabel1, 125);
  EXPECT_EQ(label1.y + label1.h, scaled(kLabel1.y + kLabel1.h, 125));
  EXPECT_EQ(text3.x, label1.x);
  EXPECT_EQ(scaled(kWindowWidth, 150), 1200);
}

TEST(WindowScaleTest, FactorIsRememberedInTheUsersConfigFolder) {
  EXPECT_EQ(scaleSettingPath("/xdg", "/home/hrac"), "/xdg/kvelt/scale");
  EXPECT_EQ(scaleSettingPath(nullptr, "/home/hrac"), "/home/hrac/.config/kvelt/scale");
  EXPECT_EQ(scaleSettingPath("relative", "/home/hrac"), "/home/hrac/.config/kvelt/scale");
  EXPECT_EQ(scaleSettingPath(nullptr, nullptr), "");
}

}  // namespace
}  // namespace kvelt::layout
