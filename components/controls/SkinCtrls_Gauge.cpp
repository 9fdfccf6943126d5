// TspSkinGauge: the value and its share of the progress area, the progress strip built
// from the skin picture, the text and the frame animation.

#include <algorithm>

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/controls/SkinCtrls_RangeInternal.h"
#include "components/core/spEffBmp.h"
#include "platform/ui/Timer.h"

TspSkinGauge::TspSkinGauge(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  SetSkinDataName("gauge");
  SetBounds(Left(), Top(), 100, 20);
}

void TspSkinGauge::SetValue(int AValue) {
  const int Clamped = ClampToRange(AValue, FMinValue, FMaxValue);
  if (Clamped == FValue) return;
  FValue = Clamped;
  Invalidate();
}

void TspSkinGauge::SetMinValue(int AValue) {
  FMinValue = AValue;
  if (FValue < FMinValue) FValue = FMinValue;
  Repaint();
}

void TspSkinGauge::SetMaxValue(int AValue) {
  FMaxValue = AValue;
  if (FValue > FMaxValue) FValue = FMaxValue;
  Repaint();
}

void TspSkinGauge::SetVertical(bool AValue) {
  FVertical = AValue;
  if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
    SetSkinDataName(AValue ? "vgauge" : "gauge");
  Repaint();
}

void TspSkinGauge::SetUseSkinSize(bool AValue) {
  FUseSkinSize = AValue;
  Repaint();
}

void TspSkinGauge::SetProgressText(const String& AValue) {
  FProgressText = AValue;
  Repaint();
}

void TspSkinGauge::SetShowProgressText(bool AValue) {
  FShowProgressText = AValue;
  Repaint();
}

void TspSkinGauge::SetShowPercent(bool AValue) {
  FShowPercent = AValue;
  Repaint();
}

void TspSkinGauge::SetTextAlphaBlend(bool AValue) {
  FTextAlphaBlend = AValue;
  if (FIndex != -1 && !GaugeText().empty()) Repaint();
}

void TspSkinGauge::SetTextAlphaBlendValue(int AValue) {
  FTextAlphaBlendValue = std::clamp(AValue, 0, 255);
  if (FIndex != -1 && FTextAlphaBlend && !GaugeText().empty()) Repaint();
}

void TspSkinGauge::SetProgressAnimationPause(int AValue) {
  if (AValue < 0) return;
  FProgressAnimationPause = AValue;
  if (FAnimationPauseTimer) FAnimationPauseTimer->SetInterval(static_cast<UINT>(AValue));
}

TRect TspSkinGauge::CalcProgressRect(const TRect& AArea) const {
  const double Share = RangeFraction(FValue, FMinValue, FMaxValue);
  TRect Result = AArea;
  if (FVertical)
    Result.Top = AArea.Bottom - static_cast<int>(RectangleHeight(AArea) * Share);
  else
    Result.Right = AArea.Left + static_cast<int>(RectangleWidth(AArea) * Share);
  return Result;
}

String TspSkinGauge::GaugeText() const {
  String Text;
  if (FShowProgressText) Text = FProgressText;
  if (FShowPercent)
    Text += IntToStr(static_cast<int>(RangeFraction(FValue, FMinValue, FMaxValue) * 100)) + "%";
  return Text;
}

void TspSkinGauge::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  const auto* Data = SkinElement<TspDataSkinGaugeControl>();
  if (!Data) return;
  FVertical = Data->Vertical;
  // The progress is drawn from the picture into the element: neither is larger than
  // where it lies.
  ProgressRect = FSD->PicturePart(Data->PictureIndex, Data->ProgressRect);
  ProgressArea = RectangleWithin(Data->ProgressArea, RectangleWidth(SkinRect), RectangleHeight(SkinRect));
  BeginOffset = Data->BeginOffset;
  EndOffset = Data->EndOffset;
  FontName = Data->FontName;
  FontStyle = Data->FontStyle;
  FontHeight = Data->FontHeight;
  FontColor = Data->FontColor;
  ProgressTransparent = Data->ProgressTransparent;
  ProgressTransparentColor = Data->ProgressTransparentColor;
  ProgressStretch = Data->ProgressStretch;
  ProgressAnimationSkinRect = Data->ProgressAnimationSkinRect;
  ProgressAnimationCountFrames = Data->ProgressAnimationCountFrames;
  ProgressAnimationTimerInterval = Data->ProgressAnimationTimerInterval;
  // A freely sized gauge is stretched, so the element's mask would cut it wrongly.
  if (!FUseSkinSize) MaskPicture = nullptr;
}

void TspSkinGauge::CalcSize(int& AWidth, int& AHeight) {
  const int RequestedWidth = AWidth, RequestedHeight = AHeight;
  TspSkinCustomControl::CalcSize(AWidth, AHeight);
  NewProgressArea = ProgressArea;
  if (ResizeMode > 0) {
    if (FVertical)
      NewProgressArea.Bottom += AHeight - RectangleHeight(SkinRect);
    else
      NewProgressArea.Right += AWidth - RectangleWidth(SkinRect);
  }
  if (!FUseSkinSize) {
    AWidth = RequestedWidth;
    AHeight = RequestedHeight;
  }
}

void TspSkinGauge::ChangeSkinData() {
  const bool Animating = FAnimationTimer != nullptr;
  if (Animating) StopProgressAnimation();
  TspSkinCustomControl::ChangeSkinData();
  if (Animating) StartProgressAnimation();
}

void TspSkinGauge::Dispatch(TMessage& AMessage) {
  if (AMessage.Msg == WM_ERASEBKGND) {
    AnswerEraseByPainting(*this, AMessage, FromWMPaint);
    return;
  }
  TspSkinCustomControl::Dispatch(AMessage);
}

// ---------------------------------------------------------------- painting

void TspSkinGauge::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  // A freely sized gauge: the element's picture at its own size with the progress on
  // it, stretched to the control, and the text drawn on the stretched image.
  if (FUseSkinSize || FIndex == -1 || !Picture || RectangleIsEmpty(SkinRect)) {
    TspSkinCustomControl::Paint();
    return;
  }
  TBitmap SkinImage;
  // No larger than the picture, whatever the skin says.
  SkinImage.SetSize(std::min(RectangleWidth(SkinRect), Picture->Width()),
                    std::min(RectangleHeight(SkinRect), Picture->Height()));
  SkinImage.Canvas().CopyRect(Rect(0, 0, SkinImage.Width(), SkinImage.Height()), Picture->Canvas(), SkinRect);
  DrawGaugeProgress(SkinImage, ProgressArea);
  TBitmap Image;
  Image.SetSize(Width(), Height());
  Image.Canvas().StretchDraw(Rect(0, 0, Width(), Height()), SkinImage);
  DrawGaugeText(Image);
  DrawControlImage(Image);
}

void TspSkinGauge::CreateControlDefaultImage(TBitmap& ABitmap) {
  TCanvas& C = ABitmap.Canvas();
  const TRect Client = Rect(0, 0, Width(), Height());
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(clWindow);
  C.FillRect(Client);
  C.Brush().SetColor(clBtnShadow);
  C.FrameRect(Client);
  const TRect Area = Rect(1, 1, Width() - 1, Height() - 1);
  const TRect Progress = CalcProgressRect(Area);
  if (OnGaugePaint) {
    OnGaugePaint(this, C, Area, Progress);
    return;
  }
  if (!RectangleIsEmpty(Progress)) {
    C.Brush().SetColor(RGB(182, 189, 210));
    C.FillRect(Progress);
  }
  DrawGaugeText(ABitmap);
}

void TspSkinGauge::CreateControlSkinImage(TBitmap& ABitmap) {
  TspSkinCustomControl::CreateControlSkinImage(ABitmap);
  if (DrawGaugeProgress(ABitmap, NewProgressArea) && FUseSkinSize) DrawGaugeText(ABitmap);
}

// The progress in AArea of the skin image; false when OnGaugePaint drew it instead
// (nothing more is drawn then).
bool TspSkinGauge::DrawGaugeProgress(TBitmap& ABitmap, const TRect& AArea) {
  const TRect Progress = CalcProgressRect(AArea);
  if (OnGaugePaint) {
    OnGaugePaint(this, ABitmap.Canvas(), AArea, Progress);
    return false;
  }
  if (!RectangleIsEmpty(Progress)) DrawProgressStrip(ABitmap, Progress);
  return true;
}

bool TspSkinGauge::AnimationFrameShowing() const {
  return FAnimationTimer && FAnimationTimer->Enabled() && FAnimationFrame > 0 &&
         ProgressAnimationCountFrames > 0;
}

// Frame FAnimationFrame of the strip: side by side when the strip is wider than the
// progress picture, else one under the other.
TRect TspSkinGauge::AnimationFrameRect() const {
  TRect Frame = ProgressAnimationSkinRect;
  const int K = FAnimationFrame;
  if (RectangleWidth(ProgressRect) < RectangleWidth(ProgressAnimationSkinRect)) {
    const int W = RectangleWidth(ProgressAnimationSkinRect) / ProgressAnimationCountFrames;
    Frame.Left = ProgressAnimationSkinRect.Left + W * (K - 1);
    Frame.Right = ProgressAnimationSkinRect.Left + W * K;
  } else {
    const int H = RectangleHeight(ProgressAnimationSkinRect) / ProgressAnimationCountFrames;
    Frame.Top = ProgressAnimationSkinRect.Top + H * (K - 1);
    Frame.Bottom = ProgressAnimationSkinRect.Top + H * K;
  }
  return Frame;
}

namespace {

// Copies the part AFrom..ATo along the bar of ASource (its whole thickness) into the part
// ADestFrom..ADestTo of the strip, scaled when the lengths differ.
void GaugeCopySpan(TBitmap& AStrip, TBitmap& APicture, const TRect& ASource, bool AVertical, int AFrom,
                   int ATo, int ADestFrom, int ADestTo) {
  if (ATo <= AFrom || ADestTo <= ADestFrom) return;
  TRect From = ASource, To = Rect(0, 0, AStrip.Width(), AStrip.Height());
  if (AVertical) {
    From.Top = ASource.Top + AFrom;
    From.Bottom = ASource.Top + ATo;
    To.Top = ADestFrom;
    To.Bottom = ADestTo;
  } else {
    From.Left = ASource.Left + AFrom;
    From.Right = ASource.Left + ATo;
    To.Left = ADestFrom;
    To.Right = ADestTo;
  }
  AStrip.Canvas().CopyRect(To, APicture.Canvas(), From);
}

}  // namespace

// The strip of AProgress's size: the ends always from ProgressRect, the middle from the
// middle of ProgressRect (or of the animation frame showing), stretched, or tiled from
// the start (upright: from the bottom up, the last tile losing its top). A source whose
// middle is empty gives no middle, but the ends still show (tolerated: a skin may draw
// the whole progress in its ends).
void TspSkinGauge::DrawProgressStrip(TBitmap& ABitmap, const TRect& AProgress) {
  if (!Picture) return;
  const int Length = FVertical ? RectangleHeight(AProgress) : RectangleWidth(AProgress);
  TBitmap Strip;
  Strip.SetSize(RectangleWidth(AProgress), RectangleHeight(AProgress));
  const bool Animated = AnimationFrameShowing();
  const TRect Source = Animated ? AnimationFrameRect() : ProgressRect;
  const int SourceLength = FVertical ? RectangleHeight(Source) : RectangleWidth(Source);
  const int Middle = SourceLength - BeginOffset - EndOffset;
  const int MiddleEnd = Length - EndOffset;
  if (Length > BeginOffset + EndOffset && Middle > 0) {
    if (ProgressStretch || Animated) {
      GaugeCopySpan(Strip, *Picture, Source, FVertical, BeginOffset, BeginOffset + Middle, BeginOffset,
                    MiddleEnd);
    } else if (FVertical) {
      for (int Bottom = MiddleEnd; Bottom > BeginOffset; Bottom -= Middle) {
        const int Piece = std::min(Middle, Bottom - BeginOffset);
        GaugeCopySpan(Strip, *Picture, Source, true, BeginOffset + Middle - Piece, BeginOffset + Middle,
                      Bottom - Piece, Bottom);
      }
    } else {
      for (int Start = BeginOffset; Start < MiddleEnd; Start += Middle) {
        const int Piece = std::min(Middle, MiddleEnd - Start);
        GaugeCopySpan(Strip, *Picture, Source, false, BeginOffset, BeginOffset + Piece, Start, Start + Piece);
      }
    }
  }
  const int PictureLength = FVertical ? RectangleHeight(ProgressRect) : RectangleWidth(ProgressRect);
  GaugeCopySpan(Strip, *Picture, ProgressRect, FVertical, 0, BeginOffset, 0, BeginOffset);
  GaugeCopySpan(Strip, *Picture, ProgressRect, FVertical, PictureLength - EndOffset, PictureLength, MiddleEnd,
                Length);
  if (ProgressTransparent) {
    Strip.SetTransparentColor(ProgressTransparentColor);
    Strip.SetTransparent(true);
  }
  ABitmap.Canvas().Draw(AProgress.Left, AProgress.Top, Strip);
}

void TspSkinGauge::DrawGaugeText(TBitmap& ABitmap) {
  const String Text = GaugeText();
  if (Text.empty()) return;
  const bool Blended = FTextAlphaBlend && FIndex != -1;
  std::unique_ptr<TspEffectBmp> WithoutText;
  if (Blended) WithoutText = std::make_unique<TspEffectBmp>(ABitmap.Handle());
  TCanvas& C = ABitmap.Canvas();
  if (FIndex == -1) {
    ApplyDefaultFont(C.Font());
  } else {
    ApplySkinFont(C.Font(), FontName, FontHeight, FontStyle);
    C.Font().SetColor(FontColor);
  }
  C.Brush().SetStyle(bsClear);
  const int TextWidth = C.TextWidth(Text), TextHeight = C.TextHeight(Text);
  const int Lift = C.Font().Height() % 2 != 0 ? 1 : 0;
  if (FVertical) {
    C.Font().SetOrientation(900);
    C.TextOut(Width() / 2 - TextHeight / 2, TextWidth / 2 + Height() / 2 - Lift, Text);
  } else {
    C.TextOut(Width() / 2 - TextWidth / 2, Height() / 2 - TextHeight / 2 - Lift, Text);
  }
  if (!Blended) return;
  TspEffectBmp WithText(ABitmap.Handle());
  WithText.Morph(*WithoutText, 1.0 - FTextAlphaBlendValue / 255.0);
  WithText.Draw(C.Handle(), 0, 0);
}

// ---------------------------------------------------------------- animation

void TspSkinGauge::StartProgressAnimation() {
  if (FIndex == -1) GetSkinData();
  if (FIndex == -1 || RectangleIsEmpty(ProgressAnimationSkinRect)) return;
  StopProgressAnimation();
  FAnimationPauseTimer = new TTimer(this);
  FAnimationPauseTimer->SetInterval(static_cast<UINT>(FProgressAnimationPause));
  FAnimationPauseTimer->OnTimer = [this](TObject*) { StartInternalAnimation(); };
  FAnimationTimer = NewDisabledTimer(this, static_cast<UINT>(std::max(ProgressAnimationTimerInterval, 0)),
                                     [this] { AnimationFrameTick(); });
  StartInternalAnimation();
}

void TspSkinGauge::StartInternalAnimation() {
  if (!FAnimationTimer) return;
  FAnimationPauseTimer->SetEnabled(false);
  FAnimationFrame = 0;
  FAnimationTimer->SetEnabled(true);
  Repaint();
}

void TspSkinGauge::StopInternalAnimation() {
  if (!FAnimationTimer) return;
  FAnimationPauseTimer->SetEnabled(true);
  FAnimationTimer->SetEnabled(false);
  FAnimationFrame = 0;
  Repaint();
}

void TspSkinGauge::AnimationFrameTick() {
  ++FAnimationFrame;
  if (FAnimationFrame > ProgressAnimationCountFrames) StopInternalAnimation();
  Repaint();
}

// The frame showing goes with the timers, so the plain picture is drawn again.
void TspSkinGauge::StopProgressAnimation() {
  FAnimationFrame = 0;
  if (!FAnimationTimer) return;
  delete FAnimationTimer;
  FAnimationTimer = nullptr;
  delete FAnimationPauseTimer;
  FAnimationPauseTimer = nullptr;
  Invalidate();
}
