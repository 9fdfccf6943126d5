#include "tests/components/forms/SkinFormTestSupport.h"

#include "platform/win/MessageLoop.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "resources/skin-new/SkinNew.h"
#include "tests/support/Pictures.h"
#include "tests/support/TestSupport.h"

namespace skin_form_test {

::testing::AssertionResult SkinFormTest::LooksAsInItsPicture(HWND AWindow, const std::string& AName) {
  ProcessPendingMessages();
  const TPixelImage Picture = WindowPicture(AWindow);
  testing_support::KeepPictureForLooking(Picture, AName);
  return testing_support::MatchesReferencePicture(
      Picture, "tests/components/forms/pictures/" + AName + ".png", {.Channel = 2, .Pixels = 0});
}

bool InFixtureCornerCut(int AX, int AY, int AWidth, int AHeight) {
  const int FromRight = AWidth - 1 - AX;
  const int FromBottom = AHeight - 1 - AY;
  return AX + AY < CornerCut || FromRight + AY < CornerCut || AX + FromBottom < CornerCut ||
         FromRight + FromBottom < CornerCut;
}

std::unique_ptr<TspSkinData> MakeFixtureSkin() {
  auto Skin = std::make_unique<TspSkinData>(nullptr);
  Skin->FPicture->SetPixelFormat(pf24bit);
  Skin->FPicture->SetSize(FramePictureSize, FramePictureSize);
  Skin->FPicture->Canvas().Brush().SetColor(clBlue);
  Skin->FPicture->Canvas().FillRect(Rect(0, 0, FramePictureSize, FramePictureSize));
  Skin->FMask->SetPixelFormat(pf24bit);
  Skin->FMask->SetSize(FramePictureSize, FramePictureSize);
  for (int Y = 0; Y < FramePictureSize; ++Y) {
    uint8_t* Row = Skin->FMask->ScanLine(Y);
    for (int X = 0; X < FramePictureSize; ++X) {
      const uint8_t Level = InFixtureCornerCut(X, Y, FramePictureSize, FramePictureSize) ? 255 : 0;
      Row[X * 3] = Row[X * 3 + 1] = Row[X * 3 + 2] = Level;
    }
  }
  Skin->LTPoint = {10, 30};
  Skin->RTPoint = {90, 30};
  Skin->LBPoint = {10, 90};
  Skin->RBPoint = {90, 90};
  Skin->ClRect = FixtureClRect;
  Skin->MaskRectArea = Rect(CornerCut, CornerCut, FramePictureSize - CornerCut, FramePictureSize - CornerCut);
  Skin->HitTestLTPoint = {8, 8};
  Skin->HitTestRTPoint = {92, 8};
  Skin->HitTestLBPoint = {8, 92};
  Skin->HitTestRBPoint = {92, 92};
  Skin->BorderW = 3;
  Skin->CaptionRect = Rect(5, 5, 95, 25);
  Skin->Empty = false;
  return Skin;
}

String DefaultSkinFile() {
  static const std::unique_ptr<testing_support::TempDir> Folder = [] {
    auto Stored = std::make_unique<testing_support::TempDir>();
    skin_new::StoreSkinNew(*skin_new::BuildSkinNew(), Stored->Path().string());
    return Stored;
  }();
  return Folder->File("skin.ini");
}

std::unique_ptr<TspSkinData> LoadDefaultSkin() {
  auto Skin = std::make_unique<TspSkinData>(nullptr);
  // Read as a skin of its own: no messages to the forms, no cursors installed.
  Skin->BuildMode = true;
  Skin->LoadFromFile(DefaultSkinFile());
  return Skin;
}

void SkinFormTest::SetUp() { StartWindowSystem(std::make_unique<THeadlessBackend>()); }

void SkinFormTest::TearDown() {
  DoneApplication();
  StopWindowSystem();
}

namespace {

// AForm given a skin component with ASkin, then placed at ABounds.
TspSkinForm* SkinAndPlace(TForm* AForm, TspSkinData* ASkin, const TRect& ABounds) {
  auto* SkinForm = new TspSkinForm(AForm);
  SkinForm->SetSkinData(ASkin);
  AForm->SetBoundsRect(ABounds);
  return SkinForm;
}

void ShowAndSettle(TForm* AForm) {
  AForm->Show();
  ProcessPendingMessages();
}

}  // namespace

TForm* SkinFormTest::NewForm(const TRect& ABounds, TFormBorderStyle AStyle) {
  TForm* Form = Application->CreateForm<TForm>();
  Form->SetBorderStyle(AStyle);
  Form->SetBoundsRect(ABounds);
  ShowAndSettle(Form);
  return Form;
}

TspSkinForm* SkinFormTest::NewSkinnedForm(const TRect& ABounds, TspSkinData* ASkin, TFormBorderStyle AStyle) {
  TForm* Form = Application->CreateForm<TForm>();
  Form->SetBorderStyle(AStyle);
  TspSkinForm* SkinForm = SkinAndPlace(Form, ASkin, ABounds);
  ShowAndSettle(Form);
  return SkinForm;
}

TspSkinForm* SkinFormTest::NewMdiFrame(const TRect& ABounds, TspSkinData* ASkin) {
  TForm* Form = Application->CreateForm<TForm>();
  Form->SetFormStyle(fsMDIForm);
  return SkinAndPlace(Form, ASkin, ABounds);
}

TspSkinForm* SkinFormTest::NewMdiDocument(const String& AName, const String& ACaption, const TRect& ABounds,
                                          TspSkinData* ASkin, TFormBorderStyle AStyle) {
  TForm* Form = Application->CreateForm<TForm>();
  Form->SetName(AName);
  Form->SetCaption(ACaption);
  Form->SetBorderStyle(AStyle);
  Form->SetFormStyle(fsMDIChild);
  TspSkinForm* Document = SkinAndPlace(Form, ASkin, ABounds);
  ShowAndSettle(Form);
  return Document;
}

LRESULT SkinFormTest::HitTest(TCustomForm* AForm, TPoint AWindowPoint) {
  return SendMessage(AForm->Handle(), WM_NCHITTEST, 0,
                     PointToLParam({AForm->Left() + AWindowPoint.X, AForm->Top() + AWindowPoint.Y}));
}

TRect SkinFormTest::CalcClientRect(TCustomForm* AForm, const TRect& ARect) {
  NCCALCSIZE_PARAMS Params;
  Params.rgrc[0] = ARect;
  SendMessage(AForm->Handle(), WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&Params));
  return Params.rgrc[0];
}

}  // namespace skin_form_test
