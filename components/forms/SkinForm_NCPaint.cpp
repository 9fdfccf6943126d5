// Painting the frame: the skinned frame composed from the skin's frame picture in four
// strips, the built-in frame of a form without skin, and one frame object redrawn
// alone.

#include "components/core/SPUtils.h"
#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "components/forms/SkinForm_PaintInternal.h"
#include "platform/base/ScopeExit.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Text.h"
#include "platform/win/WindowDC.h"

namespace {

// The four border strips of a skinned frame, drawn top, left, right, bottom.
struct TNCFrameStrips {
  TBitmap Top, Left, Right, Bottom;
};

// Puts one strip on the device context at (AX, AY), through the inactive effect when
// one is given.
void NCPutStrip(HDC ADC, TBitmap& AStrip, int AX, int AY, const TspInActiveEffect* AEffect) {
  if (AStrip.Width() <= 0 || AStrip.Height() <= 0) return;
  if (AEffect) {
    TspEffectBmp Effect(AStrip.Handle());
    ApplySkinInActiveEffect(Effect, *AEffect);
    Effect.Draw(ADC, AX, AY);
    return;
  }
  BitBlt(ADC, AX, AY, AStrip.Width(), AStrip.Height(), AStrip.Canvas().Handle(), 0, 0, SRCCOPY);
}

// The device context a frame paint draws on: the one given, or the window's own (none
// while the form has no window), released at the end of the scope.
class TNCPaintDC {
 public:
  TNCPaintDC(TCustomForm& AForm, HDC ADC, bool AUseExternalDC)
      : FWindow(AUseExternalDC || !AForm.HandleAllocated() ? nullptr : AForm.Handle()),
        FDC(AUseExternalDC ? ADC
            : FWindow      ? GetWindowDC(FWindow)
                           : nullptr),
        FOwned(FWindow != nullptr) {}
  ~TNCPaintDC() {
    if (FOwned && FDC) ReleaseDC(FWindow, FDC);
  }
  TNCPaintDC(const TNCPaintDC&) = delete;
  TNCPaintDC& operator=(const TNCPaintDC&) = delete;
  HDC Handle() const { return FDC; }

 private:
  HWND FWindow;
  HDC FDC;
  bool FOwned;
};

// Draws AObject into a bitmap whose top-left corner lies at (AStripLeft, AStripTop) of
// the window.
void NCDrawObjectInto(TspActiveSkinObject& AObject, TCanvas& ACanvas, int AStripLeft, int AStripTop,
                      bool AUpDate) {
  const TRect Saved = AObject.ObjectRect;
  OffsetRect(AObject.ObjectRect, -AStripLeft, -AStripTop);
  const ScopeExit Restore([&] { AObject.ObjectRect = Saved; });
  AObject.Draw(ACanvas, AUpDate);
}

}  // namespace

void ApplySkinInActiveEffect(TspEffectBmp& ABitmap, TspInActiveEffect AEffect) {
  switch (AEffect) {
    case ieBrightness:
      ABitmap.ChangeBrightness(0.5);
      break;
    case ieDarkness:
      ABitmap.ChangeDarkness(0.3);
      break;
    case ieGrayScale:
      ABitmap.GrayScale();
      break;
    case ieNoise:
      ABitmap.AddMonoNoise(50);
      break;
    case ieSplitBlur:
      ABitmap.SplitBlur(1);
      break;
    case ieInvert:
      ABitmap.Invert();
      break;
  }
}

bool TspSkinForm::CanPaintSkinFrame() const {
  return FSupportNCArea && FSD && !FSD->Empty && !RectangleIsEmpty(FSD->ClRect);
}

bool TspSkinForm::IsObjectPresent(const TspActiveSkinObject& AObject) const {
  return FSupportNCArea ? !AObject.RollUp : AObject.RollUp == FRollUpState;
}

void TspSkinForm::TakeFormSizeIfUnknown() {
  if (Geometry().FFormWidth == 0) Geometry().FFormWidth = FForm->Width();
  if (Geometry().FFormHeight == 0) Geometry().FFormHeight = FForm->Height();
}

void TspSkinForm::PaintNCSkin(HDC DC, bool AUseExternalDC) {
  if (!CanPaintSkinFrame()) return;
  TakeFormSizeIfUnknown();
  if (Geometry().FFormWidth < GetMinWidth() || Geometry().FFormHeight < GetMinHeight()) return;
  CaptionPart().DropDefaultButtons();
  CalcRects();
  PlaceSkinObjects();

  TNCPaintDC Target(*FForm, DC, AUseExternalDC);
  if (!Target.Handle()) return;

  const bool Active = GetFormActive();
  TBitmap& Picture = *FSD->FPicture;
  // The inactive picture is cut by the active picture's geometry, so one of another
  // size (a broken skin) is not used.
  TBitmap* InActive = FSD->FInActivePicture.get();
  const bool UseInActive = !Active && InActive && InActive->Width() == Picture.Width() &&
                           InActive->Height() == Picture.Height() && InActive->Width() > 0;
  TBitmap& Source = UseInActive ? *InActive : Picture;

  TNCFrameStrips Strips;
  CreateSkinBorderImages(FSD->LTPoint, FSD->RTPoint, FSD->LBPoint, FSD->RBPoint, FSD->ClRect,
                         Geometry().NewLTPoint, Geometry().NewRTPoint, Geometry().NewLBPoint,
                         Geometry().NewRBPoint, Geometry().NewClRect, Strips.Left, Strips.Top, Strips.Right,
                         Strips.Bottom, Source, Rect(0, 0, Source.Width(), Source.Height()),
                         Geometry().FFormWidth, Geometry().FFormHeight, FSD->LeftStretch, FSD->TopStretch,
                         FSD->RightStretch, FSD->BottomStretch);

  // Objects are drawn into the strips before they go on the window, so the frame
  // arrives in one step. Objects beside the client area are left to DrawSkinObject.
  for (auto& Object : ObjectList) {
    if (!IsObjectPresent(*Object) || !Object->Visible) continue;
    if (Object->ObjectRect.Bottom <= Geometry().NewClRect.Top) {
      if (Strips.Top.Width() > 0) NCDrawObjectInto(*Object, Strips.Top.Canvas(), 0, 0, false);
    } else if (Strips.Bottom.Width() > 0) {
      NCDrawObjectInto(*Object, Strips.Bottom.Canvas(), 0, Geometry().NewClRect.Bottom, false);
    }
  }

  const TSavedDC SavedClip(Target.Handle());
  if (Geometry().NewClRect.Bottom > Geometry().NewClRect.Top)
    ExcludeClipRect(Target.Handle(), Geometry().NewClRect.Left, Geometry().NewClRect.Top,
                    Geometry().NewClRect.Right, Geometry().NewClRect.Bottom);
  const TspInActiveEffect Effect = FSD->InActiveEffect;
  const TspInActiveEffect* InActiveEffect = !Active && UseAutoInActiveImage() ? &Effect : nullptr;
  const int TopHeight = Strips.Top.Height();
  NCPutStrip(Target.Handle(), Strips.Top, 0, 0, InActiveEffect);
  NCPutStrip(Target.Handle(), Strips.Left, 0, TopHeight, InActiveEffect);
  NCPutStrip(Target.Handle(), Strips.Right, Geometry().FFormWidth - Strips.Right.Width(), TopHeight,
             InActiveEffect);
  NCPutStrip(Target.Handle(), Strips.Bottom, 0, Geometry().FFormHeight - Strips.Bottom.Height(),
             InActiveEffect);
}

void TspSkinForm::PaintNCDefault(HDC DC, bool AUseExternalDC) {
  if (FSD && FSD->ChangeSkinDataProcess) return;
  TakeFormSizeIfUnknown();
  if (ObjectList.empty() && !FSkinSupport) CreateDefaultButtons();
  Geometry().CalcDefRects();
  CaptionPart().PlaceDefaultButtons();

  TNCPaintDC Target(*FForm, DC, AUseExternalDC);
  if (!Target.Handle()) return;

  const int CaptionHeight = DefaultCaptionHeight();
  TBitmap Caption;
  Caption.SetSize(MaxOf(Geometry().FFormWidth - 6, 0), CaptionHeight);
  if (Caption.Width() > 0) PaintDefaultCaption(Caption);

  const TSavedDC SavedClip(Target.Handle());
  ExcludeClipRect(Target.Handle(), 3, CaptionHeight + 3, Geometry().FFormWidth - 3,
                  Geometry().FFormHeight - 3);
  if (Caption.Width() > 0)
    BitBlt(Target.Handle(), 3, 3, Caption.Width(), CaptionHeight, Caption.Canvas().Handle(), 0, 0, SRCCOPY);
  TCanvas Frame;
  const TCanvasHandleScope FrameScope(Frame, Target.Handle());
  TRect R = Rect(0, 0, Geometry().FFormWidth, Geometry().FFormHeight);
  DrawBevelFrame(Frame, R, cl3DLight, cl3DDkShadow);
  InflateRect(R, -1, -1);
  DrawBevelFrame(Frame, R, clBtnHighlight, clBtnShadow);
  InflateRect(R, -1, -1);
  DrawBevelFrame(Frame, R, clBtnFace, clBtnFace);
}

void TspSkinForm::PaintDefaultCaption(TBitmap& ACaption) {
  TCanvas& Canvas = ACaption.Canvas();
  const int Width = ACaption.Width();
  const int Height = ACaption.Height();
  Canvas.Brush().SetColor(clBtnFace);
  Canvas.FillRect(Rect(0, 0, Width, Height));
  const int L = Geometry().NewDefCaptionRect.Left - 3;
  const int RGap = Width - Geometry().NewDefCaptionRect.Right;
  for (int Y = 2; Y <= Height - 4; ++Y) {
    Canvas.Pen().SetColor((Y - 2) % 2 == 0 ? clBtnHighlight : clBtnShadow);
    Canvas.MoveTo(L + 2, Y);
    Canvas.LineTo(Width - RGap - 6, Y);
  }

  const bool Active = GetFormActive();
  Canvas.Font().Assign(Active ? *DefCaptionFont : *DefInActiveCaptionFont);
  if (FSD && FSD->ResourceStrData()) Canvas.Font().SetCharset(FSD->ResourceStrData()->CharSet());
  if (OnCaptionPaint) {
    OnCaptionPaint(Canvas, Rect(L, 0, Width - RGap - 3, Height), Active);
  } else {
    String Text = CaptionText();
    if (!Text.empty()) {
      FitWideTextToWidth(Canvas, Text, Width - L - RGap);
      const int X = L + (Width - L - RGap) / 2 - (WideTextWidth(Canvas, Text) + 5) / 2;
      const int Y = Height / 2 - WideTextHeight(Canvas, Text) / 2;
      TRect TextRect = Rect(X, Y, X, Y);
      DrawWideText(Canvas, Text, TextRect, DT_CALCRECT);
      TRect Cleared = TextRect;
      InflateRect(Cleared, 2, 2);
      Canvas.Brush().SetColor(clBtnFace);
      Canvas.FillRect(Cleared);
      Canvas.Brush().SetStyle(bsClear);
      DrawWideText(Canvas, Text, TextRect, DT_VCENTER);
    }
  }
  for (auto& Object : ObjectList)
    if (Object->Visible) NCDrawObjectInto(*Object, Canvas, 3, 3, true);
}

void TspSkinForm::DrawSkinObject(TspActiveSkinObject* AObject) {
  if (!AObject || !IsObjectPresent(*AObject)) return;
  // The objects of a full layered border live in its top window.
  if (WearsFullLayeredBorder()) return FBorderLayer->UpdateBorder();
  if (!FSupportNCArea) {
    AObject->Draw(FForm->Canvas(), true);
    return;
  }
  if (FForm->BorderStyle() == bsNone || IsMaximizedMDIChild() || !FForm->HandleAllocated()) return;
  const TWindowDCScope DC(FForm->Handle(), daWholeWindow);
  if (!DC.Handle()) return;
  TCanvas Canvas;
  const TCanvasHandleScope CanvasScope(Canvas, DC.Handle());
  AObject->Draw(Canvas, true);
}

bool TspSkinForm::IsMaximizedMDIChild() const {
  return FForm->FormStyle() == fsMDIChild && FWindowStateInit == wsMaximized;
}

std::unique_ptr<TFont> TspSkinForm::NewDefaultCaptionFont(TColor AColor) {
  auto Font = std::make_unique<TFont>();
  Font->SetName("Arial");
  Font->SetHeight(14);
  Font->SetStyle({fsBold});
  Font->SetColor(AColor);
  return Font;
}
