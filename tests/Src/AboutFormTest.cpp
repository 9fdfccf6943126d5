// The engine's about box: its texts for a component, the rule of its client width, and
// the link that opens the web page through xdg-open.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "Src/AboutForm.h"
#include "Src/FFDecode.h"
#include "platform/win/Keyboard.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/support/TestSupport.h"

namespace {

class AboutFormTest : public ::testing::Test {
 protected:
  void SetUp() override { StartWindowSystem(std::make_unique<THeadlessBackend>()); }
  void TearDown() override {
    DoneApplication();
    StopWindowSystem();
  }
};

TEST_F(AboutFormTest, ShowAboutNamesTheComponentAndItsVersionAndFreesTheBox) {
  TFFDecoder Decoder(nullptr);
  String Caption, Title, ButtonCaption;
  bool CancelButton = false;
  TModalResult ButtonResult = mrNone;
  int ClientHeight = 0;
  HeadlessBackend()->QueueEvent([&] {
    auto* Box = dynamic_cast<TfrmAbout*>(Screen->ActiveCustomForm());
    ASSERT_NE(Box, nullptr);
    Caption = Box->Caption();
    Title = Box->Label1->Caption();
    ButtonCaption = Box->btnOK->Caption();
    CancelButton = Box->btnOK->Cancel;
    ButtonResult = Box->btnOK->ModalResult;
    ClientHeight = Box->ClientHeight();
    InjectKeyStroke(VK_ESCAPE);
  });
  Decoder.ShowAbout();
  EXPECT_EQ(Caption, "About FFDecoder");
  EXPECT_EQ(Title, "FFDecoder - Version 4.5a");
  EXPECT_EQ(ButtonCaption, "&Close");
  EXPECT_TRUE(CancelButton);
  EXPECT_EQ(ButtonResult, mrOk);
  EXPECT_EQ(ClientHeight, 160);
  EXPECT_EQ(Screen->CustomFormCount(), 0);
}

TEST_F(AboutFormTest, TheClientAreaGrowsSoThatTheLongLinesKeepTenPixelsOnTheRight) {
  std::unique_ptr<TfrmAbout> Box(MakeForm<TfrmAbout>(nullptr));
  EXPECT_EQ(Box->ClientWidth(), 291);
  Box->SetComponentInfo("P", "1");
  EXPECT_EQ(Box->ClientWidth(), std::max(291, Box->Label3->Left() + Box->Label3->Width() + 10));
  const int Before = Box->ClientWidth();
  Box->SetComponentInfo("AVeryLongComponentNameThatNeedsRoom", "4.5a");
  EXPECT_GT(Box->ClientWidth(), Before);
  EXPECT_EQ(Box->ClientWidth(), Box->Label1->Left() + Box->Label1->Width() + 10);
  // It never shrinks back.
  const int Grown = Box->ClientWidth();
  Box->SetComponentInfo("P", "1");
  EXPECT_EQ(Box->ClientWidth(), Grown);
}

TEST_F(AboutFormTest, TheLinkTurnsRedUnderThePointerAndOpensItsAddressThroughXdgOpen) {
  // A stand-in for xdg-open early in PATH writes its arguments into a pipe.
  testing_support::TempDir Dir;
  const String Pipe = Dir.File("arguments");
  ASSERT_EQ(mkfifo(Pipe.c_str(), 0600), 0);
  testing_support::WriteWholeFile(Dir.File("xdg-open"), "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > " +
                                                            testing_support::ShellQuote(Pipe) + "\n");
  chmod(Dir.File("xdg-open").c_str(), 0700);
  setenv("PATH", (Dir.Path().string() + ":" + std::getenv("PATH")).c_str(), 1);
  // Opened for writing too, so that the pipe waits for the stand-in instead of
  // reporting that no writer is there.
  const int Reader = open(Pipe.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(Reader, 0);

  std::unique_ptr<TfrmAbout> Box(MakeForm<TfrmAbout>(nullptr));
  Box->Show();
  Application->ProcessMessages();
  TAboutLinkLabel* Link = Box->Label4;
  EXPECT_EQ(Link->Font().Color(), clBlue);
  const TPoint OnLink = Link->ClientToScreen({3, 3});
  InjectPointerMove(OnLink);
  Application->ProcessMessages();
  EXPECT_EQ(Link->Font().Color(), clRed);
  InjectClick(OnLink);
  Application->ProcessMessages();

  pollfd Wait{Reader, POLLIN, 0};
  ASSERT_EQ(poll(&Wait, 1, 10000), 1) << "xdg-open was not started";
  char Buffer[256] = {};
  const ssize_t Read = read(Reader, Buffer, sizeof(Buffer) - 1);
  close(Reader);
  ASSERT_GT(Read, 0);
  EXPECT_EQ(String(Buffer), "1|" + Link->Address + "|");
}

}  // namespace
