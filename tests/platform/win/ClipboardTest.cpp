#include <gtest/gtest.h>

#include "platform/win/Clipboard.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

class ClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override { StartWindowSystem(std::make_unique<THeadlessBackend>()); }
  void TearDown() override { StopWindowSystem(); }
};

String ReadClipboardText(UINT AFormat) {
  String Text;
  if (!OpenClipboard(nullptr)) return "(not opened)";
  if (const HGLOBAL Block = GetClipboardData(AFormat)) Text = Block->Text;
  CloseClipboard();
  return Text;
}

TEST_F(ClipboardTest, TextGoesInAndComesOutUnderBothTextFormats) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  ASSERT_TRUE(EmptyClipboard());
  const HGLOBAL Block = AllocClipboardText("Grüße €");
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, Block), Block);
  ASSERT_TRUE(CloseClipboard());
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_FALSE(IsClipboardFormatAvailable(2));
  EXPECT_EQ(ReadClipboardText(CF_UNICODETEXT), "Grüße €");
  EXPECT_EQ(ReadClipboardText(CF_TEXT), "Grüße €");
}

TEST_F(ClipboardTest, EmptyingRemovesTheText) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  SetClipboardData(CF_TEXT, AllocClipboardText("x"));
  ASSERT_TRUE(EmptyClipboard());
  CloseClipboard();
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_EQ(ReadClipboardText(CF_UNICODETEXT), "");
}

TEST_F(ClipboardTest, CallsOnAClosedClipboardFailAndLeaveTheBlockWithTheCaller) {
  const HGLOBAL Block = AllocClipboardText("kept");
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, Block), nullptr);
  EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);
  EXPECT_FALSE(EmptyClipboard());
  EXPECT_FALSE(CloseClipboard());
  FreeClipboardBlock(Block);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_FALSE(OpenClipboard(nullptr));
  const HGLOBAL Other = AllocClipboardText("bitmap?");
  EXPECT_EQ(SetClipboardData(2, Other), nullptr);
  FreeClipboardBlock(Other);
  EXPECT_TRUE(CloseClipboard());
}

}  // namespace
