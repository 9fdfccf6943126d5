// A directly painted nine-part element keeps its composed borders and client area
// between paints: an unchanged repaint reuses them, and every change of what they are
// made of (a skin load or clear, a changed picture list, the size, the element) shows
// the new look.

#include <gtest/gtest.h>

#include <functional>

#include "components/controls/SkinCtrls.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"
#include "tests/support/TestSupport.h"

namespace skin_controls_test {
namespace {

constexpr TColor BorderPaintFrame = RGB(128, 128, 128);
constexpr TColor BorderPaintGreen = RGB(0, 255, 0);
constexpr TColor BorderPaintBlue = RGB(0, 0, 255);

// A 20 × 20 nine-part picture: a 4-pixel grey frame around a client square of AClient.
std::function<TColor(int, int)> BorderPaintPicture(TColor AClient) {
  return
      [AClient](int X, int Y) { return X < 4 || Y < 4 || X >= 16 || Y >= 16 ? BorderPaintFrame : AClient; };
}

class SkinCtrlsBorderPaintTest : public SkinControlsTest {
 protected:
  // A "panel" element (and a "bluepanel" one) on pictures of 20 × 20, and a skinned
  // panel of 30 × 20 at (0, 0) without caption, shown.
  void SetUp() override {
    SkinControlsTest::SetUp();
    AddPanelElement("panel", AddPicture(20, 20, BorderPaintPicture(BorderPaintGreen)));
    AddPanelElement("bluepanel", AddPicture(20, 20, BorderPaintPicture(BorderPaintBlue)));
    Panel = new TspSkinPanel(&Host());
    Panel->SetBounds(0, 0, 30, 20);
    Panel->SetParent(&Host());
    Panel->SetSkinData(&Skin());
    ShowHost();
  }
  void AddPanelElement(const String& AName, int APicture) {
    auto& Element = AddElement<TspDataSkinPanelControl>(AName);
    Element.PictureIndex = APicture;
    Element.SkinRect = Rect(0, 0, 20, 20);
    Element.LTPoint = {4, 4};
    Element.RTPoint = {16, 4};
    Element.LBPoint = {4, 16};
    Element.RBPoint = {16, 16};
    Element.ClRect = Rect(4, 4, 16, 16);
  }
  void Repaint() {
    Panel->Invalidate();
    Pump();
  }
  // The colour in the middle of the panel's client area.
  COLORREF ClientColour() { return HostPixel(Panel->Width() / 2, Panel->Height() / 2); }
  void RecolourPicture(int AIndex, TColor AColour) {
    TBitmap& Picture = *Skin().Picture(AIndex);
    Picture.Canvas().Brush().SetColor(AColour);
    Picture.Canvas().FillRect(Rect(4, 4, 16, 16));
  }

  TspSkinPanel* Panel = nullptr;
};

TEST_F(SkinCtrlsBorderPaintTest, AnUnchangedRepaintReusesTheComposedPicture) {
  ASSERT_EQ(ClientColour(), BorderPaintGreen);
  // The picture drawn over behind the skin's back: the kept composition still shows.
  RecolourPicture(0, BorderPaintBlue);
  Repaint();
  EXPECT_EQ(ClientColour(), BorderPaintGreen);
  EXPECT_EQ(HostPixel(0, 0), BorderPaintFrame);
}

TEST_F(SkinCtrlsBorderPaintTest, EveryChangeOfWhatThePictureIsMadeOfShowsTheNewLook) {
  struct TCase {
    const char* Name;
    std::function<void()> Change;
    TColor Expected;
  };
  const TCase Cases[] = {
      {"another element", [this] { Panel->SetSkinDataName("bluepanel"); }, BorderPaintBlue},
      {"a resize",
       [this] {
         RecolourPicture(0, BorderPaintBlue);
         Panel->SetBounds(0, 0, 40, 30);
       },
       BorderPaintBlue},
      {"a picture replaced",
       [this] {
         // The last picture taken out and a new one put in its place, likely at the
         // same address: only the skin's change count tells them apart.
         RecolourPicture(0, BorderPaintBlue);
         testing_support::TempDir Folder;
         Skin().Picture(0)->SaveToFile(Folder.File("blue.bmp"));
         Skin().DeleteBitMap(1);
         Skin().AddBitMap(Folder.File("blue.bmp"));
         RecolourPicture(0, BorderPaintGreen);
         Panel->SetSkinDataName("bluepanel");
       },
       BorderPaintBlue},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TearDown();
    SetUp();
    ASSERT_EQ(ClientColour(), BorderPaintGreen);
    Case.Change();
    Repaint();
    EXPECT_EQ(ClientColour(), Case.Expected);
  }
}

TEST_F(SkinCtrlsBorderPaintTest, WithoutItsClientPictureThePanelLeavesWhatLiesThereAlone) {
  Panel->SetDrawbackGround(false);
  // Grown, the panel stands where its parent painted last; its borders follow.
  Panel->SetBounds(0, 0, 40, 30);
  Repaint();
  EXPECT_EQ(HostPixel(20, 15), BorderPaintGreen);
  EXPECT_EQ(HostPixel(33, 24), ColorToRGB(clBtnFace));
  EXPECT_EQ(HostPixel(0, 0), BorderPaintFrame);
  EXPECT_EQ(HostPixel(39, 29), BorderPaintFrame);
}

TEST_F(SkinCtrlsBorderPaintTest, AReloadedSkinShowsItsPicturesThoughTheyMayLieAtTheOldAddresses) {
  testing_support::TempDir Green, Blue;
  Skin().FActivePicturesNames->Add("panel.bmp");
  Skin().FActivePicturesNames->Add("bluepanel.bmp");
  Skin().StoreToDisk(Green.File("skin.ini"));
  RecolourPicture(0, BorderPaintBlue);
  Skin().StoreToDisk(Blue.File("skin.ini"));
  Skin().LoadFromFile(Green.File("skin.ini"));
  Repaint();
  ASSERT_EQ(ClientColour(), BorderPaintGreen);
  Skin().LoadFromFile(Blue.File("skin.ini"));
  Repaint();
  EXPECT_EQ(ClientColour(), BorderPaintBlue);
  Skin().ClearAll();
  Skin().Empty = false;
  AddPanelElement("panel", AddPicture(20, 20, BorderPaintPicture(BorderPaintGreen)));
  Repaint();
  EXPECT_EQ(ClientColour(), BorderPaintGreen);
}

}  // namespace
}  // namespace skin_controls_test
