// The window region of a form wearing the default skin, compared pixel by pixel with the
// skin's mask laid out by hand for the form's size: the corner pieces at their own size,
// the edges between the corner points repeated, the inner rectangle whole.

#include "platform/gdi/Regions.h"
#include "platform/win/WindowRegions.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/components/forms/SkinFormTestSupport.h"

using namespace skin_form_test;

namespace {

// The source coordinate of AAt along one axis of a frame stretched by ADelta: before
// AFirst the picture's own, from ALast + ADelta on the picture's own moved back, and
// between them the piece from AFirst to ALast repeated from AFirst.
int MaskSourceAlong(int AAt, int AFirst, int ALast, int ADelta) {
  if (AAt < AFirst) return AAt;
  if (AAt >= ALast + ADelta) return AAt - ADelta;
  return AFirst + (AAt - AFirst) % (ALast - AFirst);
}

// Whether the pixel (AX, AY) of a form of AWidth x AHeight lies inside the default
// skin's shape: the band above and below the inner rectangle repeats between the
// corner points' X, the columns beside it between their Y.
bool InsideMaskAt(const TspSkinData& ASkin, const TPixelImage& AMask, int AX, int AY, int AWidth,
                  int AHeight) {
  const TRect& Inner = ASkin.MaskRectArea;
  const int DX = AWidth - AMask.Width;
  const int DY = AHeight - AMask.Height;
  const bool InTopBand = AY < Inner.Top;
  const bool InBottomBand = AY >= Inner.Bottom + DY;
  const bool BesideInner = AX < Inner.Left || AX >= Inner.Right + DX;
  int SourceX = 0, SourceY = 0;
  if (InTopBand || InBottomBand) {
    const TPoint& Left = InTopBand ? ASkin.LTPoint : ASkin.LBPoint;
    const TPoint& Right = InTopBand ? ASkin.RTPoint : ASkin.RBPoint;
    SourceX = MaskSourceAlong(AX, Left.X, Right.X, DX);
    SourceY = InTopBand ? AY : AY - DY;
  } else if (BesideInner) {
    const bool OnLeft = AX < Inner.Left;
    const TPoint& Top = OnLeft ? ASkin.LTPoint : ASkin.RTPoint;
    const TPoint& Bottom = OnLeft ? ASkin.LBPoint : ASkin.RBPoint;
    SourceX = OnLeft ? AX : AX - DX;
    SourceY = MaskSourceAlong(AY, Top.Y, Bottom.Y, DY);
  } else {
    return true;
  }
  return (AMask.Pixel(SourceX, SourceY) & 0xFFFFFF) == 0;
}

class SkinFormDefaultSkinRegionTest : public SkinFormTest {};

TEST_F(SkinFormDefaultSkinRegionTest, TheRegionIsTheMaskLaidOutForTheFormsSize) {
  const std::unique_ptr<TspSkinData> Skin = LoadDefaultSkin();
  ASSERT_FALSE(Skin->FMask->Empty());
  const TPixelImage Mask = Skin->FMask->ToPixelImage();
  HeadlessBackend()->SetMonitors({{Rect(0, 0, 1280, 800), Rect(0, 0, 1280, 800), true}});
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(0, 0, 320, 240), Skin.get());
  TCustomForm* Form = SkinForm->Form();
  auto Mismatches = [&] {
    HRGN Region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(Form->Handle(), Region), ERROR);
    int Count = 0;
    for (int Y = -1; Y <= Form->Height(); ++Y)
      for (int X = -1; X <= Form->Width(); ++X) {
        const bool Inside = X >= 0 && Y >= 0 && X < Form->Width() && Y < Form->Height() &&
                            InsideMaskAt(*Skin, Mask, X, Y, Form->Width(), Form->Height());
        if (bool(PtInRegion(Region, X, Y)) != Inside) ++Count;
      }
    DeleteObject(Region);
    return Count;
  };
  EXPECT_EQ(Mismatches(), 0) << "320 x 240";
  for (const TRect& Bounds : {Rect(0, 0, 780, 490), Rect(0, 0, 1280, 800)}) {
    Form->SetBoundsRect(Bounds);
    ProcessPendingMessages();
    EXPECT_EQ(Mismatches(), 0) << Bounds.Right << " x " << Bounds.Bottom;
  }
  SkinForm->SetWindowState(wsMaximized);
  ProcessPendingMessages();
  ASSERT_EQ(SkinForm->WindowState(), wsMaximized);
  EXPECT_EQ(Mismatches(), 0) << "maximized";
}

}  // namespace
