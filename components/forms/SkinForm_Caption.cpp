// The caption object: the form's title drawn in its place on the frame, on the skin's
// caption picture or straight onto the frame, with the skin's text effects.

#include <cstdlib>

#include "components/core/SPUtils.h"
#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_PaintInternal.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/Text.h"

namespace {

void CaptionDrawBitmap(TCanvas& ACanvas, int AX, int AY, TBitmap& ABitmap) {
  if (ABitmap.Width() <= 0 || ABitmap.Height() <= 0) return;
  BitBlt(ACanvas.Handle(), AX, AY, ABitmap.Width(), ABitmap.Height(), ABitmap.Canvas().Handle(), 0, 0,
         SRCCOPY);
}

// One line of text at (AX, AY) in the canvas's font and colour.
void CaptionPlainText(TCanvas& ACanvas, const String& AText, int AX, int AY) {
  TRect R = Rect(AX, AY, AX, AY);
  DrawWideText(ACanvas, AText, R, DT_CALCRECT);
  DrawWideText(ACanvas, AText, R, DT_VCENTER);
}

}  // namespace

TspSkinCaptionObject::TspSkinCaptionObject(TspSkinForm* AParent, const TspDataSkinCaption& AData)
    : TspActiveSkinObject(AParent, AData),
      FontName(AData.FontName),
      FontStyle(AData.FontStyle),
      FontHeight(AData.FontHeight),
      FontColor(AData.FontColor),
      ActiveFontColor(AData.ActiveFontColor),
      ShadowColor(AData.ShadowColor),
      ActiveShadowColor(AData.ActiveShadowColor),
      Shadow(AData.Shadow),
      Alignment(AData.Alignment),
      TextRct(AData.TextRct),
      DefaultCaption(AData.DefaultCaption),
      FrameRect(AData.FrameRect),
      ActiveFrameRect(AData.ActiveFrameRect),
      FrameLeftOffset(AData.FrameLeftOffset),
      FrameRightOffset(AData.FrameRightOffset),
      FrameTextRect(AData.FrameTextRect),
      LightColor(AData.LightColor),
      ActiveLightColor(AData.ActiveLightColor),
      Light(AData.Light),
      StretchEffect(AData.StretchEffect),
      FullFrame(AData.FullFrame),
      VistaGlowEffect(AData.VistaGlowEffect),
      VistaGlowInActiveEffect(AData.VistaGlowInActiveEffect),
      GlowEffect(AData.GlowEffect),
      GlowInActiveEffect(AData.GlowInActiveEffect),
      GlowSize(AData.GlowSize),
      GlowColor(AData.GlowColor),
      GlowActiveColor(AData.GlowActiveColor),
      GlowOffset(AData.GlowOffset),
      ReflectionEffect(AData.ReflectionEffect),
      ReflectionColor(AData.ReflectionColor),
      ReflectionActiveColor(AData.ReflectionActiveColor),
      ReflectionOffset(AData.ReflectionOffset),
      DividerRect(AData.DividerRect),
      InActiveDividerRect(AData.InActiveDividerRect),
      DividerTransparent(AData.DividerTransparent),
      DividerTransparentColor(AData.DividerTransparentColor),
      AnimateSkinRect(AData.AnimateSkinRect),
      FrameCount(AData.FrameCount),
      AnimateInterval(AData.AnimateInterval),
      InActiveAnimation(AData.InActiveAnimation) {}

void TspSkinCaptionObject::SetTextValue(const String& AValue) {
  FTextValue = AValue;
  Parent->DrawSkinObject(this);
}

// ---------------------------------------------------------------- geometry

TRect TspSkinCaptionObject::TextArea() const {
  TRect TR = TextRct;
  if (RectangleIsEmpty(TextRct)) return TR;
  // The right margin stays the same when the object is wider than its picture.
  const int RightMargin = RectangleWidth(SkinRect) - TextRct.Right;
  if (ShowsQuickButtons()) TR.Left += QuickButtonsRoom();
  TR.Right = RectangleWidth(ObjectRect) - RightMargin;
  if (!RectangleIsEmpty(FrameRect)) {
    TR.Top += FrameTextRect.Top;
    TR.Left += FrameTextRect.Left;
    TR.Right -= RectangleWidth(FrameRect) - FrameTextRect.Right;
  }
  return TR;
}

void TspSkinCaptionObject::FitPicture(TBitmap& ATarget, TBitmap& APicture, const TRect& ASource) const {
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  ATarget.SetPixelFormat(pf32bit);
  ATarget.SetSize(MaxOf(W, 0), MaxOf(H, 0));
  if (W <= 0 || H <= 0) return;
  auto Stretched = [&] { ATarget.Canvas().CopyRect(Rect(0, 0, W, H), APicture.Canvas(), ASource); };
  if (!Parent->Geometry().SkinFrameResizable() ||
      (W == RectangleWidth(SkinRect) && H == RectangleHeight(SkinRect)))
    return Stretched();

  // Which part of the frame the caption lies in decides which of its ends keep their
  // size: the ends of a top or bottom band, or of a side.
  const TPoint LT = SD->LTPoint, RT = SD->RTPoint, LB = SD->LBPoint, RB = SD->RBPoint;
  bool Horizontal = true;
  int StartEnd = 0, FinishEnd = 0;
  if (SkinRect.Top <= LT.Y && SkinRect.Bottom < RT.Y) {
    StartEnd = LT.X - SkinRect.Left;
    FinishEnd = SkinRect.Right - RT.X;
  } else if (SkinRect.Top >= LB.Y && SkinRect.Bottom > RB.Y) {
    StartEnd = LB.X - SkinRect.Left;
    FinishEnd = SkinRect.Right - RB.X;
  } else if (SkinRect.Top <= LT.Y && SkinRect.Bottom > LB.Y) {
    Horizontal = false;
    StartEnd = LT.Y - SkinRect.Top;
    FinishEnd = SkinRect.Bottom - LB.Y;
  } else {
    Horizontal = false;
    StartEnd = RT.Y - SkinRect.Top;
    FinishEnd = SkinRect.Bottom - RB.Y;
  }
  StartEnd = MaxOf(StartEnd, 0);
  FinishEnd = MaxOf(FinishEnd, 0);
  if (StartEnd == 0 && FinishEnd == 0) return Stretched();
  TBitmap Fitted;
  if (Horizontal)
    CreateHSkinImage(StartEnd, FinishEnd, Fitted, APicture, ASource, W, H, StretchEffect);
  else
    CreateVSkinImage(StartEnd, FinishEnd, Fitted, APicture, ASource, W, H, StretchEffect);
  // The fitted strip keeps the source's other side; it is stretched to the object.
  ATarget.Canvas().CopyRect(Rect(0, 0, W, H), Fitted.Canvas(), Rect(0, 0, Fitted.Width(), Fitted.Height()));
}

// ---------------------------------------------------------------- text

void TspSkinCaptionObject::SetCaptionFont(TCanvas& ACanvas, TColor AColor) const {
  TFont& Font = ACanvas.Font();
  if (Parent->UseSkinFontInCaption) {
    Font.SetName(FontName);
    Font.SetStyle(FontStyle);
    Font.SetHeight(FontHeight);
  } else {
    Font.Assign(*Parent->DefCaptionFont);
  }
  Font.SetColor(AColor);
  const TspResourceStrData* Strings = SD ? SD->ResourceStrData() : nullptr;
  Font.SetCharset(Strings ? Strings->CharSet() : Parent->DefCaptionFont->Charset());
}

void TspSkinCaptionObject::DrawFrameStrip(TCanvas& ACanvas, int AX, int AY, int ATextWidth, int AOffX,
                                          bool AActive) {
  if (RectangleIsEmpty(FrameRect) || !ActivePicture) return;
  const TRect& Source = AActive && !RectangleIsEmpty(ActiveFrameRect) ? ActiveFrameRect : FrameRect;
  const int Top = AY - FrameTextRect.Top;
  int Width = 0, Left = 0;
  if (FullFrame) {
    Width = RectangleWidth(ObjectRect) - 2 * SD->ButtonsOffset;
    Left = AOffX + SD->ButtonsOffset;
  } else {
    Width = RectangleWidth(FrameRect) + ATextWidth - RectangleWidth(FrameTextRect);
    Left = AX - FrameTextRect.Left;
  }
  if (Width <= 0) return;
  TBitmap Strip;
  CreateHSkinImage(FrameLeftOffset, FrameRightOffset, Strip, *ActivePicture, Source, Width,
                   RectangleHeight(FrameRect), false);
  CaptionDrawBitmap(ACanvas, Left, Top, Strip);
}

void TspSkinCaptionObject::DrawMainText(TCanvas& ACanvas, const String& AText, int AX, int AY, bool AActive) {
  TRect R = Rect(AX, AY, AX, AY);
  DrawWideText(ACanvas, AText, R, DT_CALCRECT);
  if (ReflectionEffect) {
    DrawWideReflectionText(ACanvas, R, AText, AActive ? ReflectionActiveColor : ReflectionColor,
                           ReflectionOffset, DT_VCENTER);
  } else if (VistaGlowEffect && (AActive || VistaGlowInActiveEffect)) {
    DrawWideGlowText(ACanvas, R, AText, AActive ? GlowActiveColor : GlowColor, DT_VCENTER);
  } else if (GlowEffect && (AActive || GlowInActiveEffect)) {
    DrawShadowText(ACanvas, R, AText, GlowSize, AActive ? GlowActiveColor : GlowColor, GlowOffset,
                   DT_VCENTER);
  } else {
    DrawWideText(ACanvas, AText, R, DT_VCENTER);
  }
}

void TspSkinCaptionObject::DrawCaptionText(TCanvas& ACanvas, const TRect& TR, int AOffX, int AOffY,
                                           bool AActive) {
  String Text = DefaultCaption || Parent->SupportNCArea() ? Parent->CaptionText() : FTextValue;
  const TColor TextColor = AActive ? ActiveFontColor : FontColor;
  SetCaptionFont(ACanvas, TextColor);
  if (Parent->OnCaptionPaint) {
    // The handler draws on the canvas being composed, over the object's place in it.
    Parent->OnCaptionPaint(
        ACanvas, Rect(AOffX, AOffY, AOffX + RectangleWidth(ObjectRect), AOffY + RectangleHeight(ObjectRect)),
        AActive);
    return;
  }
  if (Text.empty() || RectangleIsEmpty(TextRct)) return;
  FitWideTextToWidth(ACanvas, Text, RectangleWidth(TR));

  const int W = WideTextWidth(ACanvas, Text);
  const int H = WideTextHeight(ACanvas, Text);
  int Y = TR.Top + RectangleHeight(TR) / 2 - H / 2;
  int X = TR.Left;
  // Beside quick buttons the text is centred in what they leave, whatever its alignment.
  if (Alignment == taCenter || ShowsQuickButtons())
    X = TR.Left + RectangleWidth(TR) / 2 - W / 2;
  else if (Alignment == taRightJustify)
    X = TR.Right - W;
  X += AOffX;
  Y += AOffY;
  if (std::abs(ACanvas.Font().Height()) % 2 == 1) --Y;

  ACanvas.Brush().SetStyle(bsClear);
  DrawFrameStrip(ACanvas, X, Y, W, AOffX, AActive);
  if (Light) {
    ACanvas.Font().SetColor(AActive ? ActiveLightColor : LightColor);
    CaptionPlainText(ACanvas, Text, X - 1, Y - 1);
    ACanvas.Font().SetColor(TextColor);
  }
  if (Shadow) {
    ACanvas.Font().SetColor(AActive ? ActiveShadowColor : ShadowColor);
    CaptionPlainText(ACanvas, Text, X + 1, Y + 1);
    ACanvas.Font().SetColor(TextColor);
  }
  DrawMainText(ACanvas, Text, X, Y, AActive);
}

// ---------------------------------------------------------------- drawing

void TspSkinCaptionObject::ComposeImage(TBitmap& AImage, TBitmap& APicture, const TRect& ASource,
                                        bool AActive) {
  FitPicture(AImage, APicture, ASource);
  if (AImage.Width() > 0 && AImage.Height() > 0) DrawCaptionText(AImage.Canvas(), TextArea(), 0, 0, AActive);
}

void TspSkinCaptionObject::ApplyInActiveEffect(TBitmap& AImage) const {
  if (!Parent->UseAutoInActiveImage() || AImage.Width() <= 0 || AImage.Height() <= 0) return;
  TspEffectBmp Effect(AImage.Handle());
  ApplySkinInActiveEffect(Effect, SD->InActiveEffect);
  Effect.Draw(AImage.Canvas().Handle(), 0, 0);
}

void TspSkinCaptionObject::Draw(TCanvas& Cnvs, bool UpDate) {
  if (!HasSkin()) return;
  DrawPictureAndText(Cnvs, UpDate);
  // On top of the caption's picture, which would hide them otherwise.
  if (ShowsQuickButtons()) DrawQuickButtons(Cnvs);
}

void TspSkinCaptionObject::DrawPictureAndText(TCanvas& Cnvs, bool UpDate) {
  const bool WasActive = Active;
  Active = Parent->GetFormActive();
  // An activation change starts the morph between the inactive and the active picture.
  if (Active != WasActive && EnableMorphing()) Parent->MorphTimer().SetEnabled(true);
  if (EnableAnimation()) {
    if (!Active && !InActiveAnimation)
      CurrentFrame = 0;
    else if (Active && CurrentFrame == 0)
      CurrentFrame = 1;
    if (DrawAnimationFrame(Cnvs)) return;
  }
  const TRect TR = TextArea();

  // A caption without pictures of its own: the frame behind it is already drawn; not
  // when the caption redraws alone after an animation frame, which hides the frame.
  if (Parent->SupportNCArea() && RectangleIsEmpty(ActiveSkinRect) && !(UpDate && EnableAnimation()))
    return DrawCaptionText(Cnvs, TR, ObjectRect.Left, ObjectRect.Top, Active);

  const bool Morph = FMorphKf != 0 && EnableMorphing();
  if (!RectangleIsEmpty(ActiveSkinRect) && (Active || Morph)) {
    TBitmap ActiveImage;
    ComposeImage(ActiveImage, *ActivePicture, ActiveSkinRect, true);
    if (Active && (FMorphKf == 1 || (FMorphKf == 0 && !EnableMorphing())))
      return CaptionDrawBitmap(Cnvs, ObjectRect.Left, ObjectRect.Top, ActiveImage);
    if (!Picture) return;
    TBitmap Image;
    ComposeImage(Image, *Picture, SkinRect, false);
    if (Image.Width() > 0 && Image.Height() > 0) MorphBitmapByKind(Image, ActiveImage, FMorphKf, MorphKind);
    if (!Active) ApplyInActiveEffect(Image);
    return CaptionDrawBitmap(Cnvs, ObjectRect.Left, ObjectRect.Top, Image);
  }
  if (UpDate && Picture) {
    TBitmap Image;
    ComposeImage(Image, *Picture, SkinRect, Active);
    if (!Active) ApplyInActiveEffect(Image);
    return CaptionDrawBitmap(Cnvs, ObjectRect.Left, ObjectRect.Top, Image);
  }
  DrawCaptionText(Cnvs, TR, ObjectRect.Left, ObjectRect.Top, Active);
}

bool TspSkinCaptionObject::DrawAnimationFrame(TCanvas& Cnvs) {
  if (CurrentFrame < 1 || CurrentFrame > FrameCount) return false;
  TBitmap Image;
  // The text of a frame takes the other state's colours: the frames lead from one
  // look to the other.
  ComposeImage(Image, *ActivePicture, AnimationFrameRect(CurrentFrame), !Active);
  CaptionDrawBitmap(Cnvs, ObjectRect.Left, ObjectRect.Top, Image);
  return true;
}

// ---------------------------------------------------------------- mouse

void TspSkinCaptionObject::MouseEnter() {
  FMouseIn = true;
  if (Parent->OnMouseEnterEvent) Parent->OnMouseEnterEvent(IDName);
}

void TspSkinCaptionObject::MouseLeave() {
  FMouseIn = false;
  if (Parent->OnMouseLeaveEvent) Parent->OnMouseLeaveEvent(IDName);
  if (!ShowsQuickButtons()) return;
  // No button stays hot once the mouse has left the caption.
  ActiveQuickButton = -1;
  OldActiveQuickButton = -1;
  TrackQuickButtons(-1, -1);
}
