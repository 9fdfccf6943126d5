// The labels, bevel, link label, expanding panel, splitter and frame control together,
// on the default skin and without a skin, compared with their reference pictures; and
// the default skin's expanding panel rolled to its caption strip.

#include "components/controls/SkinExCtrls.h"
#include "tests/components/controls/MoreControlsFixture.h"

namespace more_controls_test {
namespace {

class MoreControlsPictureTest : public MoreControlsTest {
 protected:
  void SetUp() override {
    MoreControlsTest::SetUp();
    Host().SetBounds(100, 100, 320, 220);
  }
  // A settings form in small: captions, a value, a divider, a link, a "Preview" panel
  // over a splitter, and a two-frame picture.
  void Build(TspSkinData* ASkin) {
    auto* Caption = new TspSkinStdLabel(&Host());
    Caption->SetAlignment(taRightJustify);
    Caption->SetAutoSize(false);
    Caption->SetBounds(8, 8, 80, 18);
    Caption->SetCaption("Bit Rate:");
    Caption->SetParent(&Host());
    Caption->SetSkinData(ASkin);
    auto* Value = new TspSkinLabel(&Host());
    Value->SetBounds(96, 6, 90, 21);
    Value->SetCaption("1500 kbit/s");
    Value->SetParent(&Host());
    Value->SetSkinData(ASkin);
    auto* Divider = new TspSkinBevel(&Host());
    Divider->SetShape(bsBottomLine);
    Divider->SetDividerMode(true);
    Divider->SetBounds(8, 30, 180, 8);
    Divider->SetParent(&Host());
    Divider->SetSkinData(ASkin);
    auto* Link = new TspSkinLinkLabel(&Host());
    Link->SetBounds(8, 40, 120, 18);
    Link->SetCaption("pelladrin.example");
    Link->SetParent(&Host());
    Link->SetSkinData(ASkin);
    auto* Button = new TspSkinButtonLabel(&Host());
    Button->SetBounds(200, 6, 110, 24);
    Button->SetCaption("Details");
    Button->SetParent(&Host());
    Button->SetSkinData(ASkin);

    auto* Panel = new TspSkinExPanel(&Host());
    Panel->SetBounds(8, 64, 200, 110);
    Panel->SetCaption("Preview");
    Panel->SetParent(&Host());
    Panel->SetSkinData(ASkin);
    auto* Splitter = new TspSkinSplitterEx(&Host());
    Splitter->SetSkinDataName("vsplitter");
    Splitter->SetBounds(214, 64, 8, 110);
    Splitter->SetAlign(alNone);
    Splitter->SetParent(&Host());
    Splitter->SetSkinData(ASkin);
    auto* Blink = new TspSkinAnimate(&Host());
    Blink->SetParent(&Host());
    Blink->SetLeft(240);
    Blink->SetTop(70);
    TBitmap Strip;
    Strip.SetSize(40, 20);
    Strip.Canvas().Brush().SetColor(clRed);
    Strip.Canvas().FillRect(Rect(0, 0, 20, 20));
    Strip.Canvas().Brush().SetColor(clMaroon);
    Strip.Canvas().FillRect(Rect(20, 0, 40, 20));
    Blink->SetDefaultFramesCount(2);
    Blink->SetDefaultImage(Strip);
    ShowHost();
  }
};

TEST_F(MoreControlsPictureTest, BuiltIn) {
  Build(nullptr);
  EXPECT_TRUE(HostLooksAsInItsPicture("more-controls-built-in"));
}

TEST_F(MoreControlsPictureTest, TheDefaultSkin) {
  Host().SetColor(SkinNew().SkinColors().cBtnFace);
  Build(&SkinNew());
  EXPECT_TRUE(HostLooksAsInItsPicture("more-controls-skin-new"));
}

TEST_F(MoreControlsPictureTest, TheDefaultSkinsPanelRollsToItsCaptionStripAndBack) {
  auto* Panel = new TspSkinExPanel(&Host());
  Panel->SetBounds(8, 8, 200, 110);
  Panel->SetParent(&Host());
  Panel->SetSkinData(&SkinNew());
  ShowHost();
  const auto& Element =
      static_cast<const TspDataSkinExPanelControl&>(*SkinNew().Control(SkinNew().GetControlIndex("expanel")));
  // The caption strip is as high as the unrolled panel's header.
  ASSERT_EQ(Element.RollVSkinRect.Height(), Element.ClRect.Top);
  Panel->SetRollState(true);
  EXPECT_EQ(Panel->Height(), Element.RollVSkinRect.Height());
  Panel->SetRollState(false);
  EXPECT_EQ(Panel->Height(), 110);
  Panel->SetRollKind(rkRollHorizontal);
  Panel->SetRollState(true);
  EXPECT_EQ(Panel->Width(), Element.RollHSkinRect.Width());
  EXPECT_LT(Panel->Width(), 40);
}

}  // namespace
}  // namespace more_controls_test
