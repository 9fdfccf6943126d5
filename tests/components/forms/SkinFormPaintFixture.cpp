#include "tests/components/forms/SkinFormPaintFixture.h"

#include "components/core/SPUtils.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace skin_form_paint_test {

namespace {

// A 32-bit picture whose pixel (x, y) is APixelAt(x, y).
template <typename TPixelAt>
void FillFixturePicture(TBitmap& APicture, int AWidth, int AHeight, TPixelAt APixelAt) {
  APicture.SetPixelFormat(pf32bit);
  APicture.SetSize(AWidth, AHeight);
  for (int Y = 0; Y < AHeight; ++Y) {
    auto* Row = reinterpret_cast<uint32_t*>(APicture.ScanLine(Y));
    for (int X = 0; X < AWidth; ++X) Row[X] = APixelAt(X, Y);
  }
}

// The place on one axis of a frame grown by AGrowth: before the edge piece as it is,
// after it moved by the growth, on it repeated from the piece's start.
int ReferenceAxisSource(int AValue, int AGrowth, int AEdgeStart, int AEdgeEnd) {
  if (AValue < AEdgeStart) return AValue;
  if (AValue >= AEdgeEnd + AGrowth) return AValue - AGrowth;
  return AEdgeStart + (AValue - AEdgeStart) % (AEdgeEnd - AEdgeStart);
}

}  // namespace

std::unique_ptr<TspSkinData> MakeFixtureSkin() {
  auto Skin = std::make_unique<TspSkinData>(nullptr);
  Skin->BuildMode = true;
  FillFixturePicture(*Skin->FPicture, FixturePictureWidth, FixturePictureHeight, FixtureFramePixel);
  // Black inside; the four corners cut by a 5-pixel triangle.
  FillFixturePicture(*Skin->FMask, FixturePictureWidth, FixturePictureHeight, [](int AX, int AY) {
    const int ToSide = std::min(AX, FixturePictureWidth - 1 - AX);
    const int ToEnd = std::min(AY, FixturePictureHeight - 1 - AY);
    return ToSide + ToEnd < 5 ? 0xFFFFFFFFu : 0xFF000000u;
  });
  Skin->LTPoint = {20, 40};
  Skin->RTPoint = {180, 40};
  Skin->LBPoint = {20, 130};
  Skin->RBPoint = {180, 130};
  Skin->ClRect = Rect(6, 30, 194, 142);
  Skin->MaskRectArea = Rect(6, 30, 194, 142);
  Skin->CaptionRect = Rect(30, 6, 150, 26);
  Skin->ButtonsRect = Rect(150, 6, 194, 26);
  Skin->SizeGripArea = Rect(180, 134, 196, 150);

  auto AddPicture = [&](int AWidth, int AHeight, auto APixelAt) {
    const int Index = TspSkinEditor(*Skin).AddPicture(std::make_unique<TBitmap>());
    FillFixturePicture(*Skin->Picture(Index), AWidth, AHeight, APixelAt);
  };
  // Entry 0: the status bar's picture, its grip a 16 × 16 square of 0x00FF00 on the
  // transparent colour 0xFF00FF.
  AddPicture(32, 16, [](int AX, int AY) { return AX >= 20 && AY >= 4 ? 0xFF00FF00u : 0xFFFF00FFu; });
  AddPicture(FixtureTileSize, FixtureTileSize,
             [](int AX, int AY) { return 0xFF0000C0u | uint32_t(AX) << 16 | uint32_t(AY) << 8; });
  auto StatusBar = std::make_unique<TspDataSkinPanelControl>("statusbar");
  StatusBar->PictureIndex = 0;
  StatusBar->GripperRect = Rect(16, 0, 32, 16);
  StatusBar->GripperTransparent = true;
  StatusBar->GripperTransparentColor = TColor(0xFF00FF);
  TspSkinEditor(*Skin).AddControl(std::move(StatusBar));
  Skin->StatusBarName = "statusbar";
  Skin->Empty = false;
  return Skin;
}

TPoint ReferenceFrameSource(const TspSkinData& ASkin, int AWidth, int AHeight, int AX, int AY) {
  const int DX = AWidth - ASkin.FPicture->Width();
  const int DY = AHeight - ASkin.FPicture->Height();
  const TRect& Cl = ASkin.ClRect;
  if (AY < Cl.Top) return {ReferenceAxisSource(AX, DX, ASkin.LTPoint.X, ASkin.RTPoint.X), AY};
  if (AY >= Cl.Bottom + DY) return {ReferenceAxisSource(AX, DX, ASkin.LBPoint.X, ASkin.RBPoint.X), AY - DY};
  if (AX < Cl.Left) return {AX, ReferenceAxisSource(AY, DY, ASkin.LTPoint.Y, ASkin.LBPoint.Y)};
  if (AX >= Cl.Right + DX) return {AX - DX, ReferenceAxisSource(AY, DY, ASkin.RTPoint.Y, ASkin.RBPoint.Y)};
  return {-1, -1};
}

}  // namespace skin_form_paint_test

namespace skin_form_paint_test {

void SkinFormPaintTest::SetUp() { StartWindowSystem(std::make_unique<THeadlessBackend>()); }

void SkinFormPaintTest::TearDown() {
  DoneApplication();
  StopWindowSystem();
}

TspSkinForm& SkinFormPaintTest::NewSkinForm(int AWidth, int AHeight, TspSkinData* ASkin) {
  Form = Application->CreateForm<TForm>();
  SkinForm = new TspSkinForm(Form);
  Form->SetBounds(10, 10, AWidth, AHeight);
  if (ASkin) SkinForm->SetSkinData(ASkin);
  return *SkinForm;
}

}  // namespace skin_form_paint_test
