// The layered border's frame data and its life around the form: the skin's layer
// frame taken in, the frame box, showing, hiding, following the form, the alpha and
// the activation.

#include "components/forms/SkinForm_LayeredBorder.h"

#include <algorithm>

#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_PlacementInternal.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

namespace {

int LayerAlpha(int AValue) { return std::clamp(AValue, 0, 255); }

// The steps of the frame's own fade-in are this far apart.
constexpr unsigned LayerFadeStepMs = 6;

// A border or corner size, AOuter - AInner, within 0 and the largest bitmap side: a
// broken skin's rectangles can neither overflow nor turn the border inside out.
int LayerSize(int AOuter, int AInner) {
  return int(std::clamp<long long>(static_cast<long long>(AOuter) - AInner, 0, kMaxBitmapSide));
}

// The skin picture AIndex with its alpha from the grey of the picture AMaskIndex,
// premultiplied as layered windows take it. Without a mask (or where a smaller mask
// does not reach) the picture is opaque. False when the skin has no such picture.
bool LoadLayerPicture(const TspSkinData& ASkin, int AIndex, int AMaskIndex, TspBitmap& ATarget) {
  const TBitmap* Picture = ASkin.Picture(AIndex);
  if (Picture == nullptr || Picture->Empty()) return false;
  ATarget.Assign(*Picture);
  if (ATarget.Empty()) return false;
  ATarget.SetAlpha(255);
  if (const TBitmap* Mask = ASkin.Picture(AMaskIndex)) {
    TspBitmap MaskBitmap;
    MaskBitmap.Assign(*Mask);
    SetAlphaFromGray2(ATarget, MaskBitmap);
  }
  ATarget.CheckingAlphaBlend();
  return true;
}

// AValue * AFactor / 255 rounded to nearest (255 is odd: there are no halves).
int ScaleAlpha(int AValue, int AFactor) {
  const int Product = LayerAlpha(AValue) * LayerAlpha(AFactor);
  return Product / 255 + (Product % 255 * 2 > 255 ? 1 : 0);
}

}  // namespace

bool TspSkinForm::IsSizeAble() const {
  return Sizeable || FForm->BorderStyle() == bsSizeable || FForm->BorderStyle() == bsSizeToolWin;
}

bool TspSkinForm::UseLayeredBorder() const {
  if (FSD == nullptr || FSD->Empty || !FSD->ShowLayeredBorders() || FSD->LayerFrame->PictureIndex == -1)
    return false;
  // Per-pixel alpha shows only where a compositor blends the windows.
  if (!IsWindows2000OrLater() || SystemFunctions().UpdateLayeredWindow == nullptr) return false;
  if (!FSkinnableForm || AlwaysDisableLayeredFrames || PreviewMode) return false;
  if (FForm->BorderStyle() == bsNone && FSupportNCArea) return false;
  return FForm->FormStyle() != fsMDIChild;
}

bool TspSkinForm::FullLayeredBorderInForce() const {
  return UseLayeredBorder() && FSD->LayerFrame->FullBorder;
}

bool TspSkinForm::WearsFullLayeredBorder() const {
  return FBorderLayer->Visible() && FBorderLayer->FullBorder() && UseLayeredBorder();
}

bool TspSkinForm::UseCollapsedLayerFrame() const {
  if (!FBorderLayer->FullBorder()) return false;
  return FRollUpState ||
         (FWindowStateInit == wsMinimized && !MinimizeDefault && FForm != Application->MainForm());
}

TspFormLayerBorder::TspFormLayerBorder(TspSkinForm* ADSF)
    : TComponent(nullptr),
      DSF(ADSF),
      FMouseTimer(NewDisabledTimer(this, 500, [this] { MouseTimerTick(); })),
      FFadeTimer(NewDisabledTimer(this, LayerFadeStepMs, [this] { FadeStep(); })) {
  for (auto& Image : FImages) Image = std::make_unique<TspBitmap>();
  // The form handles each message first; the border follows what it did, unless the
  // form's procedure freed the border meanwhile.
  FFormHook.Install(ADSF->Form()->WindowProc, [this](TMessage& AMessage) {
    if (FFormHook.Forward(AMessage)) FormMessage(AMessage);
  });
}

TspFormLayerBorder::~TspFormLayerBorder() {
  // No message of the form reaches the border while its windows go.
  FFormHook.Remove();
  Hide();
  if (FSD != nullptr) FSD->RemoveFreeNotification(this);
}

void TspFormLayerBorder::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation != opRemove || AComponent != FSD) return;
  // The frame data belongs to the skin that goes.
  Hide();
  FSD = nullptr;
  FData = nullptr;
}

void TspFormLayerBorder::InitFrame(TspSkinData* ASkinData, TCustomForm* AForm) {
  // Images and windows of the previous frame go with it.
  Hide();
  FForm = AForm;
  ReplaceNotified(FSD, ASkinData);
  FData = nullptr;
  FSourceInActiveBitmap.reset();
  ActiveObject = OldActiveObject = MouseCaptureObject = -1;
  LeftSize = TopSize = RightSize = BottomSize = 0;
  HitTopLeftX = HitTopLeftY = HitTopRightX = HitTopRightY = 0;
  HitBottomLeftX = HitBottomLeftY = HitBottomRightX = HitBottomRightY = 0;
  if (ASkinData == nullptr || ASkinData->Empty) return;
  const TspDataSkinLayerFrame& Frame = *ASkinData->LayerFrame;
  if (Frame.PictureIndex == -1 ||
      !LoadLayerPicture(*ASkinData, Frame.PictureIndex, Frame.MaskPictureIndex, FSourceBitmap))
    return;
  FData = &Frame;
  FCurrentAlphaBlendValue = LayerAlpha(Frame.AlphaBlendValue);
  FCurrentInActiveAlphaBlendValue = LayerAlpha(Frame.InActiveAlphaBlendValue);
  if (Frame.InActivePictureIndex != -1) {
    auto InActive = std::make_unique<TspBitmap>();
    if (LoadLayerPicture(*ASkinData, Frame.InActivePictureIndex, Frame.InActiveMaskPictureIndex, *InActive))
      FSourceInActiveBitmap = std::move(InActive);
  }
  const TRect& Border = Frame.BorderRect;
  if (IsRectEmpty(Border)) return;
  const TRect& Cl = Frame.ClRect;
  LeftSize = LayerSize(Cl.Left, Border.Left);
  TopSize = LayerSize(Cl.Top, Border.Top);
  RightSize = LayerSize(Border.Right, Cl.Right);
  BottomSize = LayerSize(Border.Bottom, Cl.Bottom);
  HitTopLeftX = LayerSize(Frame.HitTestLTPoint.X, Border.Left);
  HitTopLeftY = LayerSize(Frame.HitTestLTPoint.Y, Border.Top);
  HitTopRightX = LayerSize(Border.Right, Frame.HitTestRTPoint.X);
  HitTopRightY = LayerSize(Frame.HitTestRTPoint.Y, Border.Top);
  HitBottomLeftX = LayerSize(Frame.HitTestLBPoint.X, Border.Left);
  HitBottomLeftY = LayerSize(Border.Bottom, Frame.HitTestLBPoint.Y);
  HitBottomRightX = LayerSize(Border.Right, Frame.HitTestRBPoint.X);
  HitBottomRightY = LayerSize(Border.Bottom, Frame.HitTestRBPoint.Y);
}

const TspBitmap& TspFormLayerBorder::SourceBitmap() const {
  return !FActive && FSourceInActiveBitmap ? *FSourceInActiveBitmap : FSourceBitmap;
}

bool TspFormLayerBorder::HasCornerPoints() const { return FData->RBPoint != TPoint{0, 0}; }

TRect TspFormLayerBorder::FrameBox(int AFormLeft, int AFormTop, int AFormWidth, int AFormHeight) const {
  if (FData == nullptr) return {};
  const TRect& Cl = FData->ClRect;
  // In 64 bits, held in the integer range: a broken skin's offsets must not wrap.
  const auto Sum = [](long long A, long long B, long long C) { return SaturatedCoordinate(A + B - C); };
  const int Left = Sum(AFormLeft, FData->LeftOffset, Cl.Left);
  const int Top = Sum(AFormTop, FData->TopOffset, Cl.Top);
  // A size beyond any bitmap shows nothing anyway; capped, it keeps Width() and
  // Height() of the box inside the integer range.
  const int Width = std::min(
      Sum(AFormWidth, static_cast<long long>(FData->WidthOffset) + FSourceBitmap.Width(), Cl.Width()),
      kMaxBitmapSide + 1);
  // The collapsed frame keeps the caption strip only.
  const long long FormHeight = DSF->UseCollapsedLayerFrame()
                                   ? FData->RollUpFormHeight
                                   : static_cast<long long>(AFormHeight) + FData->HeightOffset;
  const int Height = std::min(Sum(FormHeight, FSourceBitmap.Height(), Cl.Height()), kMaxBitmapSide + 1);
  return Rect(Left, Top, SaturatedCoordinate(static_cast<long long>(Left) + Width),
              SaturatedCoordinate(static_cast<long long>(Top) + Height));
}

TRect TspFormLayerBorder::FrameBoxOfForm() const {
  const TRect Form = FForm->BoundsRect();
  return FrameBox(Form.Left, Form.Top, Form.Width(), Form.Height());
}

void TspFormLayerBorder::ShowWithForm() {
  if (FData == nullptr || FForm == nullptr) return;
  FFormBounds = FForm->BoundsRect();
  Show(FrameBoxOfForm());
}

void TspFormLayerBorder::Show(const TRect& ABox) {
  if (FData == nullptr) return;
  Hide();
  FVisible = true;
  CreateLayerImages(ABox.Width(), ABox.Height());
  CreateWindows();
  PlaceWindows(ABox, true);
}

void TspFormLayerBorder::Hide() {
  StopFade();
  FVisible = false;
  for (auto& Window : FWindows) {
    // A caption button of the window may close the form from the window's own
    // message: the window then goes once that message is done.
    if (Window && FDispatching > 0) {
      Window->Hide();
      Window.release()->Release();
    }
    Window.reset();
  }
  for (auto& Image : FImages) Image = std::make_unique<TspBitmap>();
}

void TspFormLayerBorder::SetBoundsWithForm() {
  if (FData == nullptr || !FVisible) return;
  FFormBounds = FForm->BoundsRect();
  SetBounds(FrameBoxOfForm());
}

void TspFormLayerBorder::UpdateBorder() {
  if (FData == nullptr || !FVisible) return;
  const TRect Box = FrameBoxOfForm();
  CreateLayerImages(Box.Width(), Box.Height());
  for (int Type = spflLeft; Type <= spflBottom; ++Type)
    if (FWindows[Type] && !FImages[Type]->Empty()) ApplyContent(TspFormLayerBorderType(Type));
}

void TspFormLayerBorder::SetBounds(const TRect& ABox) {
  if (FData == nullptr || !FVisible) return;
  CreateLayerImages(ABox.Width(), ABox.Height());
  PlaceWindows(ABox, true);
}

void TspFormLayerBorder::MoveWithForm() {
  if (FData == nullptr || !FVisible) return;
  FFormBounds = FForm->BoundsRect();
  MoveWindows(FrameBoxOfForm());
}

void TspFormLayerBorder::MoveWindows(const TRect& ABox) {
  for (int Type = spflLeft; Type <= spflBottom; ++Type) {
    TspFormLayerWindow* Window = FWindows[Type].get();
    if (Window == nullptr || !IsWindowVisible(Window->Handle())) continue;
    const TRect Place = WindowPlace(TspFormLayerBorderType(Type), ABox);
    SetWindowPos(Window->Handle(), nullptr, Place.Left, Place.Top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TspFormLayerBorder::SetAlphaBlend() {
  if (FData == nullptr || !FVisible) return;
  for (int Type = spflLeft; Type <= spflBottom; ++Type)
    if (FWindows[Type] && IsWindowVisible(FWindows[Type]->Handle()))
      ApplyContent(TspFormLayerBorderType(Type));
}

void TspFormLayerBorder::CheckFormAlpha(int AFormAlpha, bool AUpdate) {
  if (FData == nullptr) return;
  // The form's own alpha rules from here on.
  StopFade();
  const int OldAlpha = CurrentAlpha();
  FCurrentAlphaBlendValue = ScaleAlpha(FData->AlphaBlendValue, AFormAlpha);
  FCurrentInActiveAlphaBlendValue = ScaleAlpha(FData->InActiveAlphaBlendValue, AFormAlpha);
  if (AUpdate && CurrentAlpha() != OldAlpha) SetAlphaBlend();
}

void TspFormLayerBorder::SetActive(bool AValue, bool AUpdate) {
  if (FData == nullptr) return;
  const bool Changed = FActive != AValue;
  FActive = AValue;
  if (!AValue) {
    // The hover and any press on the frame's objects end with the activation.
    if (auto* Caption = dynamic_cast<TspSkinCaptionObject*>(ObjectAt(ActiveObject)))
      Caption->TrackQuickButtons(-1, -1);
    ResetButtonObjects();
    MouseCaptureObject = -1;
    CheckActiveObject(-1, -1);
    ActiveObject = -1;
  }
  if (!FVisible || !Changed) return;
  // A look of its own for the inactive form, or caption objects that show the
  // activation, mean new images.
  if (FSourceInActiveBitmap || FData->FullBorder) {
    SetBoundsWithForm();
  } else if (AUpdate) {
    SetAlphaBlend();
  }
}

bool TspFormLayerBorder::WantedShown() const {
  if (FData == nullptr || FForm == nullptr || !FForm->HandleAllocated() || !DSF->UseLayeredBorder())
    return false;
  const HWND Form = FForm->Handle();
  // A full border is the maximized form's frame too.
  return IsWindowVisible(Form) && !IsIconic(Form) &&
         (DSF->ReachedWindowState() != wsMaximized || FData->FullBorder);
}

void TspFormLayerBorder::FollowSkin() {
  InitFrame(DSF->SkinData(), DSF->Form());
  FollowForm();
}

void TspFormLayerBorder::FollowForm() {
  // The form's own frame comes and goes with a full border in force (a compositor or
  // the skin's switch changed): its client area and region are computed anew.
  if (FForm != nullptr && FForm->HandleAllocated() && DSF->FullLayeredBorderInForce() != FFormFrameTaken) {
    FFormFrameTaken = !FFormFrameTaken;
    SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    DSF->UpdateFormRegion(true);
  }
  if (!WantedShown()) {
    if (FVisible) Hide();
    return;
  }
  const TRect Bounds = FForm->BoundsRect();
  if (!FVisible) {
    FActive = DSF->GetFormActive();
    BYTE FormAlpha = 255;
    DWORD Flags = 0;
    const bool Layered = GetLayeredWindowAttributes(FForm->Handle(), nullptr, &FormAlpha, &Flags);
    CheckFormAlpha(Layered && (Flags & LWA_ALPHA) ? FormAlpha : 255, false);
    ShowWithForm();
  } else if (Bounds.Width() != FFormBounds.Width() || Bounds.Height() != FFormBounds.Height()) {
    SetBoundsWithForm();
  } else if (Bounds.TopLeft() != FFormBounds.TopLeft()) {
    MoveWithForm();
  }
}
