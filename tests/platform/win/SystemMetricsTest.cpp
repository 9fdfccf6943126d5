// System metrics and settings: the fixed profile of window-part sizes.

#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

using SystemMetricsTest = WindowSystemTest;

TEST_F(SystemMetricsTest, WindowPartsHaveTheClassicSizes) {
  const std::vector<std::pair<int, int>> Expected = {{SM_CXBORDER, 1},       {SM_CXDLGFRAME, 3},
                                                     {SM_CXFRAME, 4},        {SM_CXSIZEFRAME, 4},
                                                     {SM_CYCAPTION, 19},     {SM_CXVSCROLL, 17},
                                                     {SM_CYHSCROLL, 17},     {SM_CXICON, 32},
                                                     {SM_CXSMICON, 16},      {SM_CYSMICON, 16},
                                                     {SM_CXCURSOR, 32},      {SM_CYCURSOR, 32},
                                                     {SM_CYMENU, 19},        {SM_CXDOUBLECLK, 4},
                                                     {SM_CXDRAG, 4},         {SM_CXEDGE, 2},
                                                     {SM_CMONITORS, 1},      {SM_CXSCREEN, 1280},
                                                     {SM_CYSCREEN, 800},     {SM_CXFULLSCREEN, 1280},
                                                     {SM_CYFULLSCREEN, 741}, {9999, 0}};
  for (const auto& [Index, Value] : Expected) EXPECT_EQ(GetSystemMetrics(Index), Value) << "metric " << Index;
  EXPECT_EQ(GetDoubleClickTime(), 500u);
}

TEST_F(SystemMetricsTest, SettingsAnswerWhatTheProgramAsks) {
  int FullDrag = 0;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &FullDrag, 0));
  EXPECT_EQ(FullDrag, 1);
  RECT Work;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0));
  EXPECT_EQ(Work, Bounds(0, 0, 1280, 760));
  NONCLIENTMETRICS Metrics;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &Metrics, 0));
  EXPECT_EQ(Metrics.lfMessageFont.lfFaceName, "Tahoma");
  EXPECT_EQ(Metrics.lfCaptionFont.lfWeight, FW_BOLD);
  EXPECT_EQ(Metrics.iScrollWidth, 17);
  Metrics.cbSize = 4;
  EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &Metrics, 0));
  EXPECT_FALSE(SystemParametersInfo(SPI_GETWORKAREA, 0, nullptr, 0));
  EXPECT_FALSE(SystemParametersInfo(0x1234, 0, &Work, 0));
}

}  // namespace
}  // namespace window_test
