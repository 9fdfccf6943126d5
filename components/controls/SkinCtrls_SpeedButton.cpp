// TspSkinSpeedButton: the windowless tool button's state, flat transparency, caption
// hiding, timers and mouse, and its three looks (skin, built in, and the flat look with
// only its content on the parent).

#include "components/controls/SkinBars.h"
#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_ButtonInternal.h"
#include "components/controls/SkinCtrls_ButtonPropertyRulesInternal.h"
#include "components/controls/SkinCtrls_ButtonRulesInternal.h"
#include "components/controls/SkinCtrls_FadeInternal.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "platform/ui/Accelerators.h"

namespace {
constexpr UINT SpeedRepeatFirst = 500;
}  // namespace

TspSkinSpeedButton::TspSkinSpeedButton(TComponent* AOwner)
    : TspGraphicSkinCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  // OnClick comes from ButtonClick alone, never from the class library's clicks.
  ControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks};
  SetSkinDataName("toolbutton");
  SetBounds(Left(), Top(), 25, 25);
}

void TspSkinSpeedButton::ButtonClick() { Click(); }

void TspSkinSpeedButton::RefreshButton() { TspButtonPropertyRules<TspSkinSpeedButton>::Refresh(*this); }

// ---------------------------------------------------------------- properties

void TspSkinSpeedButton::SetDown(bool AValue) {
  TspButtonPropertyRules<TspSkinSpeedButton>::StoreDown(*this, AValue);
  if (FFlat && !FDown && !FMouseIn && !Transparent() && !IsDesigning()) SetTransparentStyle(true);
  Repaint();
  TspButtonPropertyRules<TspSkinSpeedButton>::RaiseOthersOfGroup(*this);
}

void TspSkinSpeedButton::SetCheckedMode(bool AValue) {
  if (FCheckedMode == AValue) return;
  FCheckedMode = AValue;
  if (AValue)
    FGroupIndex = -1;
  else if (FGroupIndex == -1)
    FGroupIndex = 0;
}

void TspSkinSpeedButton::SetTransparentStyle(bool AValue) {
  if (AValue)
    ControlStyle.Exclude(csOpaque);
  else
    ControlStyle.Include(csOpaque);
}

void TspSkinSpeedButton::SetFlat(bool AValue) {
  FFlat = AValue;
  SetTransparentStyle(AValue);
  Repaint();
}

void TspSkinSpeedButton::SetShowCaption(bool AValue) {
  if (FShowCaption == AValue) return;
  FShowCaption = AValue;
  if (WidthWithCaption > 0 && WidthWithoutCaption > 0)
    SetWidth(AValue ? WidthWithCaption : WidthWithoutCaption);
  else
    Repaint();
}

void TspSkinSpeedButton::SetGlyph(const TBitmap& AValue) {
  TspButtonPropertyRules<TspSkinSpeedButton>::SetGlyph(*this, AValue);
}

void TspSkinSpeedButton::SetNumGlyphs(int AValue) {
  TspButtonPropertyRules<TspSkinSpeedButton>::SetNumGlyphs(*this, AValue);
}

void TspSkinSpeedButton::SetMargin(int AValue) {
  TspButtonPropertyRules<TspSkinSpeedButton>::SetMargin(*this, AValue);
}

void TspSkinSpeedButton::SetSpacing(int AValue) {
  TspButtonPropertyRules<TspSkinSpeedButton>::SetSpacing(*this, AValue);
}

void TspSkinSpeedButton::SetLayout(TspButtonLayout AValue) {
  TspButtonPropertyRules<TspSkinSpeedButton>::SetLayout(*this, AValue);
}

void TspSkinSpeedButton::SetImageList(TCustomImageList* AValue) {
  TspButtonPropertyRules<TspSkinSpeedButton>::SetImageList(*this, AValue);
}

void TspSkinSpeedButton::SetImageIndex(int AValue) {
  FImageIndex = AValue;
  if (FImageList || dynamic_cast<TspSkinToolBar*>(Parent())) Repaint();
}

void TspSkinSpeedButton::Notification(TComponent* AComponent, TOperation AOperation) {
  TspGraphicSkinCustomControl::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FImageList) FImageList = nullptr;
  if (AOperation == opRemove && AComponent == FSkinImagesMenu) FSkinImagesMenu = nullptr;
}

void TspSkinSpeedButton::SetSkinImagesMenu(TspSkinImagesMenu* AValue) {
  ReplaceNotified(FSkinImagesMenu, AValue);
  if (FSkinImagesMenu) RepaintOnImagesMenuChange(*FSkinImagesMenu, *this, FLive.Token());
  Repaint();
}

void TspSkinSpeedButton::Loaded() {
  TspGraphicSkinCustomControl::Loaded();
  if (FFlat && Transparent() && FDown) SetTransparentStyle(false);
}

// ---------------------------------------------------------------- conditions and skin

bool TspSkinSpeedButton::EffectsOn() const {
  return SkinData() && !SkinData()->Empty && SkinData()->EnableSkinEffects;
}

bool TspSkinSpeedButton::MorphApplies() const { return Morphing && EffectsOn(); }

bool TspSkinSpeedButton::AnimationCanRun() const {
  return FIndex != -1 && EffectsOn() && !RectangleIsEmpty(AnimateSkinRect) && FrameCount > 0 && !FFlat;
}

bool TspSkinSpeedButton::Animating() const {
  return AnimateTimer && AnimateTimer->Enabled() && EffectsOn() && CurrentFrame >= 1 &&
         CurrentFrame <= FrameCount;
}

void TspSkinSpeedButton::GetSkinData() {
  TspGraphicSkinCustomControl::GetSkinData();
  if (FIndex == -1) {
    Morphing = false;
    return;
  }
  const auto* Data = SkinElement<TspDataSkinButtonControl>();
  if (!Data) return;
  FontName = Data->FontName;
  FontStyle = Data->FontStyle;
  FontHeight = Data->FontHeight;
  FontColor = Data->FontColor;
  ActiveFontColor = Data->ActiveFontColor;
  DownFontColor = Data->DownFontColor;
  DisabledFontColor =
      Data->DisabledFontColor == Data->FontColor ? RGB(128, 128, 128) : Data->DisabledFontColor;
  ActiveSkinRect = RectangleIsEmpty(Data->ActiveSkinRect) ? Data->SkinRect : Data->ActiveSkinRect;
  DownSkinRect = RectangleIsEmpty(Data->DownSkinRect) ? ActiveSkinRect : Data->DownSkinRect;
  DisabledSkinRect = Data->DisabledSkinRect;
  // A flat button never fades.
  Morphing = Data->Morphing && !FFlat;
  MorphKind = Data->MorphKind;
  AnimateSkinRect = Data->AnimateSkinRect;
  FrameCount = Data->FrameCount;
  AnimateInterval = Data->AnimateInterval;
  MenuMarkerRect = Data->MenuMarkerRect;
  MenuMarkerActiveRect =
      RectangleIsEmpty(Data->MenuMarkerActiveRect) ? MenuMarkerRect : Data->MenuMarkerActiveRect;
  MenuMarkerDownRect =
      RectangleIsEmpty(Data->MenuMarkerDownRect) ? MenuMarkerActiveRect : Data->MenuMarkerDownRect;
  MenuMarkerFlatRect = RectangleIsEmpty(Data->MenuMarkerFlatRect) ? MenuMarkerRect : Data->MenuMarkerFlatRect;
  MenuMarkerTransparentColor = Data->MenuMarkerTransparentColor;
}

void TspSkinSpeedButton::CalcSize(int& AWidth, int& AHeight) {
  if (UseSkinSize || ResizeMode == 1 || FIndex == -1) {
    TspGraphicSkinCustomControl::CalcSize(AWidth, AHeight);
    return;
  }
  NewClRect = ClRect;
  NewClRect.Right += AWidth - RectangleWidth(SkinRect);
  NewClRect.Bottom += AHeight - RectangleHeight(SkinRect);
}

void TspSkinSpeedButton::ChangeSkinData() {
  StopAnimation();
  if (MorphTimer) MorphTimer->SetEnabled(false);
  TspGraphicSkinCustomControl::ChangeSkinData();
  if (MorphApplies() && FIndex != -1 && FMouseIn) FMorphKf = 1;
}

// ---------------------------------------------------------------- timers

// A transparent or flat button repaints at once; the others fade.
void TspSkinSpeedButton::MorphOrRepaint() {
  if (!MorphApplies() || FIndex == -1 || Transparent() || FFlat)
    Repaint();
  else
    StartFadeTimer(MorphTimer, this, [this] { MorphTick(); });
}

void TspSkinSpeedButton::MorphTick() { TspButtonTimerRules<TspSkinSpeedButton>::MorphTick(*this, FMouseIn); }

void TspSkinSpeedButton::StartAnimation(bool AForward) {
  TspButtonTimerRules<TspSkinSpeedButton>::StartAnimation(*this, AForward);
}

void TspSkinSpeedButton::StopAnimation() { TspButtonTimerRules<TspSkinSpeedButton>::StopAnimation(*this); }

void TspSkinSpeedButton::StartRepeat() {
  TspButtonTimerRules<TspSkinSpeedButton>::StartRepeat(*this, SpeedRepeatFirst);
}

void TspSkinSpeedButton::StopRepeat() { TspButtonTimerRules<TspSkinSpeedButton>::StopRepeat(*this); }

// ---------------------------------------------------------------- messages and mouse

void TspSkinSpeedButton::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case CM_MOUSEENTER: CMMouseEnter(AMessage); break;
    case CM_MOUSELEAVE: CMMouseLeave(AMessage); break;
    case CM_DIALOGCHAR: CMDialogChar(AMessage); break;
    case CM_TEXTCHANGED: Repaint(); break;
    case CM_ENABLEDCHANGED:
      TspGraphicSkinCustomControl::Dispatch(AMessage);
      TspButtonPropertyRules<TspSkinSpeedButton>::DropHot(*this);
      break;
    default: TspGraphicSkinCustomControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

// The accelerator clicks the button without any focus.
void TspSkinSpeedButton::CMDialogChar(TMessage& AMessage) {
  if (IsAccel(static_cast<uint32_t>(AMessage.WParam), Caption()) && Enabled() && Visible() && Parent() &&
      Parent()->Showing()) {
    ButtonClick();
    AMessage.Result = 1;
    return;
  }
  TspGraphicSkinCustomControl::Dispatch(AMessage);
}

void TspSkinSpeedButton::CMMouseEnter(TMessage& AMessage) {
  const bool Changes = HoverChangesLook();
  if (FFlat && Changes && !IsDesigning()) SetTransparentStyle(false);
  TspGraphicSkinCustomControl::Dispatch(AMessage);
  if (!Enabled() || IsDesigning()) return;
  FMouseIn = true;
  if (Changes) TspButtonMouseRules<TspSkinSpeedButton>::ShowHot(*this);
  if (FDown && RepeatMode && FGroupIndex == 0) StartRepeat();
}

void TspSkinSpeedButton::CMMouseLeave(TMessage& AMessage) {
  const bool Changes = HoverChangesLook();
  if (FFlat && Changes && !IsDesigning()) SetTransparentStyle(true);
  TspGraphicSkinCustomControl::Dispatch(AMessage);
  if (!Enabled() || IsDesigning()) return;
  FMouseIn = false;
  if (Changes) {
    StartAnimation(false);
    MorphOrRepaint();
  }
  if (FDown && RepeatMode && RepeatTimer && RepeatTimer->Enabled() && FGroupIndex == 0) StopRepeat();
}

void TspSkinSpeedButton::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspGraphicSkinCustomControl::MouseDown(AButton, AShift, AX, AY);
  if (AButton == mbLeft) TspButtonMouseRules<TspSkinSpeedButton>::Press(*this);
}

void TspSkinSpeedButton::MouseMove(TShiftState AShift, int AX, int AY) {
  TspGraphicSkinCustomControl::MouseMove(AShift, AX, AY);
  TspButtonMouseRules<TspSkinSpeedButton>::Move(*this, AX, AY);
}

void TspSkinSpeedButton::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  if (AButton == mbLeft && !TspButtonMouseRules<TspSkinSpeedButton>::Release(*this)) return;
  TspGraphicSkinCustomControl::MouseUp(AButton, AShift, AX, AY);
}

// ---------------------------------------------------------------- looks

void TspSkinSpeedButton::DrawContent(TCanvas& ACanvas, const TRect& ARect, bool ADown, bool AMouseIn,
                                     bool AToolBarHotImages, bool APressedOffset) {
  TButtonContent Content;
  Content.Enabled = Enabled();
  Content.PressedOffset = APressedOffset;
  Content.DrawColorBar = FDrawColorMarker;
  Content.BarColor = FColorMarkerValue;
  Content.Glyph = FGlyph.get();
  Content.NumGlyphs = FNumGlyphs;
  // A glyph takes precedence over the tool bar's images, and those over the image list.
  if (FGlyph->Width() == 0) {
    Content.Images = FImageList;
    Content.ImageIndex = FImageIndex;
  }
  auto* Bar = dynamic_cast<TspSkinToolBar*>(Parent());
  if (FGlyph->Width() == 0 && Bar) {
    if (!Enabled() && Bar->DisabledImages()) {
      // The disabled pictures are drawn as they are.
      Content.Images = Bar->DisabledImages();
      Content.Enabled = true;
    } else if (AToolBarHotImages && (ADown || AMouseIn) && Bar->HotImages()) {
      Content.Images = Bar->HotImages();
    } else {
      Content.Images = Bar->Images();
    }
  }
  Content.Margin = FMargin;
  Content.Spacing = FSpacing;
  Content.Layout = FLayout;
  Content.Caption = FShowCaption ? Caption() : String();
  if (UseImagesMenuImage) {
    // The picture menu's choice takes precedence, drawn enabled as the button is.
    TButtonContent Choice = Content;
    Choice.Enabled = Enabled();
    if (DrawImagesMenuChoice(ACanvas, ARect, FSkinImagesMenu, UseImagesMenuCaption, Choice)) return;
  }
  DrawButtonContent(ACanvas, ARect, Content, ADown, AMouseIn);
}

void TspSkinSpeedButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  RefreshGeometry();
  const bool Backed = !FFlat || FMouseIn || (FDown && FGroupIndex != 0);
  if (!Backed) {
    PaintFlatContent();
    return;
  }
  if (FIndex == -1) {
    TspGraphicSkinCustomControl::Paint();
    return;
  }
  TBitmap Image;
  Image.SetSize(Width(), Height());
  using TRules = TspButtonTimerRules<TspSkinSpeedButton>;
  if (MorphApplies() && FMorphKf > 0 && FMorphKf < 1 && Enabled()) {
    CreateButtonImage(Image, TRules::NormalSource(*this), false, false);
    TBitmap Hot;
    Hot.SetSize(Width(), Height());
    CreateButtonImage(Hot, TRules::HotSource(*this), false, true);
    MorphBitmapByKind(Image, Hot, FMorphKf, MorphKind);
  } else if (!Enabled() && !RectangleIsEmpty(DisabledSkinRect)) {
    CreateButtonImage(Image, DisabledSkinRect, false, false);
  } else if (IsPressedLook()) {
    CreateButtonImage(Image, DownSkinRect, true, true);
  } else if (FMouseIn || (MorphApplies() && FMorphKf == 1)) {
    CreateButtonImage(Image, TRules::HotSource(*this), false, true);
  } else {
    CreateButtonImage(Image, TRules::NormalSource(*this), false, false);
  }
  DrawControlImage(Image);
}

// Only the picture and the caption, straight on the parent's surface.
void TspSkinSpeedButton::PaintFlatContent() {
  TCanvas& C = Canvas();
  TRect Area = Rect(0, 0, Width(), Height());
  if (FIndex == -1) {
    ApplyDefaultFont(C.Font());
    if (!Enabled()) C.Font().SetColor(clBtnShadow);
  } else {
    ApplySkinFont(C.Font(), FontName, FontHeight, FontStyle);
    const TspSkinColors& Colors = SkinData()->SkinColors();
    if (!Enabled())
      C.Font().SetColor(Colors.cBtnShadow);
    else
      C.Font().SetColor(UseSkinFontColor ? Colors.cBtnText : DefaultFont().Color());
    Area = NewClRect;
  }
  C.Brush().SetStyle(bsClear);
  bool DrawDefaultContent = true;
  if (OnPaint) OnPaint(this, C, Area, FDown, FMouseIn, DrawDefaultContent);
  // Neither hot nor pressed here (the glyph frame is the same): no hot pictures of a
  // tool bar.
  if (DrawDefaultContent) DrawContent(C, Area, false, false);
}

void TspSkinSpeedButton::CreateButtonImage(TBitmap& ABitmap, const TRect& ASource, bool ADown,
                                           bool AMouseIn) {
  if (!Picture) return;
  TRect Content = NewClRect;
  if (!UseSkinSize && ResizeMode != 1)
    Content = DrawFreeSizeButtonPicture(ABitmap, *Picture, ASource, ClRect, ResizeMode);
  else
    CreateSkinImage(ABitmap, Picture, ASource);
  TCanvas& C = ABitmap.Canvas();
  ApplySkinFont(C.Font(), FontName, FontHeight, FontStyle);
  C.Font().SetColor(ButtonStateColor({FontColor, ActiveFontColor, DownFontColor, DisabledFontColor},
                                     Enabled(), UseSkinFontColor, DefaultFont().Color(), ADown, AMouseIn));
  C.Brush().SetStyle(bsClear);
  bool DrawDefaultContent = true;
  if (OnPaint) OnPaint(this, C, Content, ADown, AMouseIn, DrawDefaultContent);
  if (DrawDefaultContent) DrawContent(C, Content, ADown, AMouseIn);
}

void TspSkinSpeedButton::CreateControlDefaultImage(TBitmap& ABitmap) {
  TspGraphicSkinCustomControl::CreateControlDefaultImage(ABitmap);
  TspButtonPropertyRules<TspSkinSpeedButton>::DrawBuiltInLook(*this, ABitmap.Canvas(), FMouseIn);
}

void TspSkinSpeedButton::ActionChange(TObject* ASender, bool ACheckDefaults) {
  TspGraphicSkinCustomControl::ActionChange(ASender, ACheckDefaults);
  TspButtonPropertyRules<TspSkinSpeedButton>::TakeActionPicture(*this, ASender);
}
