// The link label: its colours by skin and hover state, its disabled look, and the
// opening of its address with the desktop's handler.

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "components/controls/SkinExCtrls.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/MoreControlsFixture.h"
#include "tests/support/TestSupport.h"

namespace more_controls_test {
namespace {

class SkinLinkLabelTest : public MoreControlsTest {
 protected:
  TspSkinLinkLabel* MakeLink() {
    auto* Link = new TspSkinLinkLabel(&Host());
    Link->SetAutoSize(false);
    Link->SetBounds(10, 10, 120, 30);
    Link->SetCaption("WWWWWW");
    Link->SetParent(&Host());
    return Link;
  }
  static constexpr TRect LinkArea{10, 10, 130, 40};
};

TEST_F(SkinLinkLabelTest, WithoutSkinTheTextTurnsToTheActiveColourUnderThePointer) {
  TspSkinLinkLabel* Link = MakeLink();
  Link->DefaultFont().SetColor(clGreen);
  ShowHost();
  EXPECT_GT(CountIn(LinkArea, clGreen), 20);
  EXPECT_EQ(CountIn(LinkArea, clBlue), 0);
  InjectPointerMove(OnHost(15, 15));
  Pump();
  EXPECT_EQ(CountIn(LinkArea, clGreen), 0);
  EXPECT_GT(CountIn(LinkArea, clBlue), 20);
  InjectPointerMove(OnHost(190, 140));
  Pump();
  EXPECT_GT(CountIn(LinkArea, clGreen), 20);
}

TEST_F(SkinLinkLabelTest, WithASkinElementTheElementsColoursAreUsed) {
  auto& Element = AddElement<TspDataSkinStdLabelControl>("stdlabel");
  Element.FontName = "Arial";
  Element.FontHeight = 14;
  Element.FontColor = clMaroon;
  Element.ActiveFontColor = clNavy;
  TspSkinLinkLabel* Link = MakeLink();
  Link->SetSkinData(&Skin());
  ShowHost();
  EXPECT_GT(CountIn(LinkArea, clMaroon), 20);
  InjectPointerMove(OnHost(15, 15));
  Pump();
  EXPECT_EQ(CountIn(LinkArea, clMaroon), 0);
  EXPECT_GT(CountIn(LinkArea, clNavy), 20);
  // With the glow the text keeps its normal colour and glows in the active one.
  Link->GlowEffect = true;
  Link->Repaint();
  Pump();
  EXPECT_GT(CountIn(LinkArea, clMaroon), 20);
}

TEST_F(SkinLinkLabelTest, ADisabledLinkShowsAShadowedTextWithAHighlightOnePixelDownRight) {
  TspSkinLinkLabel* Link = MakeLink();
  Link->SetEnabled(false);
  ShowHost();
  // The highlight copy shows past the shadowed text by one pixel right and down.
  const TRect Shadow = BoundsOf(LinkArea, clBtnShadow), Highlight = BoundsOf(LinkArea, clBtnHighlight);
  ASSERT_FALSE(IsRectEmpty(Shadow));
  EXPECT_EQ(Highlight.Right, Shadow.Right + 1);
  EXPECT_EQ(Highlight.Bottom, Shadow.Bottom + 1);
}

// A stand-in for xdg-open early in PATH writes its argument count and arguments into
// a pipe, which the test reads.
class LinkOpenerTest : public SkinLinkLabelTest {
 protected:
  void SetUp() override {
    SkinLinkLabelTest::SetUp();
    Pipe = Dir.File("arguments");
    ASSERT_EQ(mkfifo(Pipe.c_str(), 0600), 0);
    testing_support::WriteWholeFile(Dir.File("xdg-open"), "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > " +
                                                              testing_support::ShellQuote(Pipe) + "\n");
    chmod(Dir.File("xdg-open").c_str(), 0700);
    SavedPath = std::getenv("PATH");
    setenv("PATH", (Dir.Path().string() + ":" + SavedPath).c_str(), 1);
    // Opened for writing too, so that reading waits for the stand-in instead of
    // reporting that no writer is there.
    Reader = open(Pipe.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(Reader, 0);
  }
  void TearDown() override {
    close(Reader);
    setenv("PATH", SavedPath.c_str(), 1);
    SkinLinkLabelTest::TearDown();
  }
  // What the stand-in wrote, or "" when it did not run within ATimeoutMs.
  std::string OpenerArguments(int ATimeoutMs) {
    pollfd Wait{Reader, POLLIN, 0};
    if (poll(&Wait, 1, ATimeoutMs) != 1) return "";
    char Buffer[512] = {};
    const ssize_t Read = read(Reader, Buffer, sizeof(Buffer) - 1);
    return Read > 0 ? std::string(Buffer, Read) : "";
  }

  testing_support::TempDir Dir;
  std::string Pipe, SavedPath;
  int Reader = -1;
};

TEST_F(LinkOpenerTest, AClickFiresOnClickAndSpawnsTheOpenerWithTheAddressAsItsOneArgument) {
  TspSkinLinkLabel* Link = MakeLink();
  // Blanks and shell characters stay inside the one argument: no shell sees them.
  Link->URL = "https://example.org/a b?x=1&y='2';$(false)";
  int Clicks = 0;
  Link->OnClick = [&](TObject*) { ++Clicks; };
  ShowHost();
  InjectClick(OnHost(20, 20));
  Pump();
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(OpenerArguments(10000), "1|" + Link->URL + "|");
}

TEST_F(LinkOpenerTest, ALinkWithoutAddressOnlyFiresOnClick) {
  TspSkinLinkLabel* Link = MakeLink();
  int Clicks = 0;
  Link->OnClick = [&](TObject*) { ++Clicks; };
  ShowHost();
  InjectClick(OnHost(20, 20));
  Pump();
  EXPECT_EQ(Clicks, 1);
  // A local file opened afterwards arrives first: nothing was started before it.
  Link->URL = Dir.File("notes.txt");
  Link->Click();
  EXPECT_EQ(OpenerArguments(10000), "1|" + Link->URL + "|");
}

}  // namespace
}  // namespace more_controls_test
