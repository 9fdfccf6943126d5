// TspSkinButton: the pressed state, groups and toggles, the mouse, the keys and the
// dialog keys, focus, the cross-fade, the frame animation, the auto-repeat and the glow
// frame. Its pictures are in SkinCtrls_ButtonPaint.cpp.

#include <memory>

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_ButtonInternal.h"
#include "components/controls/SkinCtrls_ButtonPropertyRulesInternal.h"
#include "components/controls/SkinCtrls_ButtonRulesInternal.h"
#include "components/controls/SkinCtrls_FadeInternal.h"
#include "components/controls/SkinCtrls_InputInternal.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/core/spEffBmp.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/Forms.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"

namespace {
constexpr UINT ButtonRepeatFirst = 500;
}  // namespace

TspSkinButton::TspSkinButton(TComponent* AOwner)
    : TspSkinCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  // OnClick comes from ButtonClick alone, never from the class library's clicks.
  ControlStyle.Exclude(csClickEvents);
  SetSkinDataName("button");
  SetBounds(Left(), Top(), 75, 25);
  FLayerManager = new TspLayerManager(this);
}

void TspSkinButton::ButtonClick() {
  if (FCanFocused)
    if (TCustomForm* Form = GetParentForm(this)) Form->ModalResult = ModalResult;
  Click();
}

void TspSkinButton::RefreshButton() { TspButtonPropertyRules<TspSkinButton>::Refresh(*this); }

// ---------------------------------------------------------------- properties

void TspSkinButton::SetDown(bool AValue) {
  TspButtonPropertyRules<TspSkinButton>::StoreDown(*this, AValue);
  Repaint();
  TspButtonPropertyRules<TspSkinButton>::RaiseOthersOfGroup(*this);
}

void TspSkinButton::SetGroupIndex(int AValue) {
  FGroupIndex = AValue;
  if (AValue != 0) SetCanFocused(false);
}

void TspSkinButton::SetCheckedMode(bool AValue) {
  if (FCheckedMode == AValue) return;
  FCheckedMode = AValue;
  if (AValue)
    SetGroupIndex(-1);
  else if (FGroupIndex == -1)
    SetGroupIndex(0);
}

void TspSkinButton::SetCanFocused(bool AValue) {
  FCanFocused = AValue;
  SetTabStop(AValue);
}

// Every button of the form works out again whether Enter is its.
void TspSkinButton::SetDefault(bool AValue) {
  FDefault = AValue;
  if (!HandleAllocated() || !FCanFocused || IsDesigning()) return;
  if (TCustomForm* Form = GetParentForm(this))
    Form->Perform(CM_FOCUSCHANGED, 0,
                  reinterpret_cast<LPARAM>(static_cast<TControl*>(Form->ActiveControl())));
}

void TspSkinButton::SetGlyph(const TBitmap& AValue) {
  TspButtonPropertyRules<TspSkinButton>::SetGlyph(*this, AValue);
}

void TspSkinButton::SetNumGlyphs(int AValue) {
  TspButtonPropertyRules<TspSkinButton>::SetNumGlyphs(*this, AValue);
}

void TspSkinButton::SetMargin(int AValue) { TspButtonPropertyRules<TspSkinButton>::SetMargin(*this, AValue); }

void TspSkinButton::SetSpacing(int AValue) {
  TspButtonPropertyRules<TspSkinButton>::SetSpacing(*this, AValue);
}

void TspSkinButton::SetLayout(TspButtonLayout AValue) {
  TspButtonPropertyRules<TspSkinButton>::SetLayout(*this, AValue);
}

void TspSkinButton::SetImageList(TCustomImageList* AValue) {
  TspButtonPropertyRules<TspSkinButton>::SetImageList(*this, AValue);
}

void TspSkinButton::SetImageIndex(int AValue) {
  if (AValue == FImageIndex) return;
  FImageIndex = AValue;
  Repaint();
}

void TspSkinButton::Notification(TComponent* AComponent, TOperation AOperation) {
  TspSkinCustomControl::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FImageList) FImageList = nullptr;
  if (AOperation == opRemove && AComponent == FSkinImagesMenu) FSkinImagesMenu = nullptr;
}

void TspSkinButton::SetSkinImagesMenu(TspSkinImagesMenu* AValue) {
  ReplaceNotified(FSkinImagesMenu, AValue);
  if (FSkinImagesMenu) RepaintOnImagesMenuChange(*FSkinImagesMenu, *this, FLive.Token());
  Repaint();
}

void TspSkinButton::CreateWnd() {
  TspSkinCustomControl::CreateWnd();
  FActive = FDefault;
}

// ---------------------------------------------------------------- conditions

bool TspSkinButton::IsFocused() { return FCanFocused && Focused(); }

bool TspSkinButton::EffectsOn() const {
  return SkinData() && !SkinData()->Empty && SkinData()->EnableSkinEffects;
}

bool TspSkinButton::MorphApplies() const { return Morphing && EffectsOn(); }

bool TspSkinButton::AnimationCanRun() const {
  return FIndex != -1 && EffectsOn() && !RectangleIsEmpty(AnimateSkinRect) && FrameCount > 0;
}

// ---------------------------------------------------------------- skin change

void TspSkinButton::ChangeSkinData() {
  if (MorphTimer) MorphTimer->SetEnabled(false);
  StopAnimation();
  FMorphKf = 0;
  TspSkinCustomControl::ChangeSkinData();
  if (MorphApplies() && FIndex != -1 && (IsFocused() || FMouseIn)) FMorphKf = 1;
  if (FMouseIn && HandleAllocated()) PostMessage(Handle(), SP_SHOWBUTTONLAYER, 0, 0);
}

void TspSkinButton::BeforeChangeSkinData() {
  TspSkinCustomControl::BeforeChangeSkinData();
  HideLayer();
}

// ---------------------------------------------------------------- timers

void TspSkinButton::MorphOrRepaint() {
  if (MorphApplies() && FIndex != -1)
    StartFadeTimer(MorphTimer, this, [this] { MorphTick(); });
  else
    Repaint();
}

// A focused button fades to its hot look too.
void TspSkinButton::MorphTick() {
  TspButtonTimerRules<TspSkinButton>::MorphTick(*this, FMouseIn || IsFocused());
}

void TspSkinButton::StartAnimation(bool AForward) {
  TspButtonTimerRules<TspSkinButton>::StartAnimation(*this, AForward);
}

void TspSkinButton::StopAnimation() { TspButtonTimerRules<TspSkinButton>::StopAnimation(*this); }

void TspSkinButton::StartRepeat() {
  TspButtonTimerRules<TspSkinButton>::StartRepeat(*this, ButtonRepeatFirst);
}

void TspSkinButton::StopRepeat() { TspButtonTimerRules<TspSkinButton>::StopRepeat(*this); }

// ---------------------------------------------------------------- the glow frame

void TspSkinButton::ShowLayer() {
  TspSkinData* Skin = SkinData();
  if (!Skin || Skin->Empty || !IsWindows2000OrLater()) return;
  if (!(Skin->ShowButtonGlowFrames || AlwaysShowLayeredFrame) || GlowLayerPictureIndex == -1) return;
  // Indexes come from the skin: a glow needs both its picture and its mask.
  TBitmap* Glow = Skin->Picture(GlowLayerPictureIndex);
  TBitmap* Mask = Skin->Picture(GlowLayerMaskPictureIndex);
  if (!Glow || !Mask) return;
  TCustomForm* Form = GetParentForm(this);
  FLayerManager->TopMostMode = Form && Form->FormStyle() == fsStayOnTop;
  TBitmap SizedGlow, SizedMask;
  auto Widen = [&](TBitmap& ASource, TBitmap& ATarget) {
    const TRect Whole = Rect(0, 0, ASource.Width(), ASource.Height());
    if (ResizeMode == 2) {
      CreateHSkinImage(GlowLayerOffsetLeft, GlowLayerOffsetRight, ATarget, ASource, Whole,
                       ASource.Width() - RectangleWidth(SkinRect) + Width(), ASource.Height(), true);
    } else {
      ATarget.SetSize(ASource.Width() - RectangleWidth(SkinRect) + Width(),
                      ASource.Height() - RectangleHeight(SkinRect) + Height());
      StretchSkinImage(ATarget, ASource, Whole,
                       Rect(GlowLayerOffsetLeft, GlowLayerOffsetTop, ASource.Width() - GlowLayerOffsetRight,
                            ASource.Height() - GlowLayerOffsetBottom),
                       true);
    }
  };
  const TPoint At = ClientToScreen({-GlowLayerShowOffsetX, -GlowLayerShowOffsetY});
  if (ResizeMode == 0) {
    FLayerManager->Show(At.X, At.Y, *Glow, *Mask, GlowLayerAlphaBlendValue);
  } else if ((ResizeMode == 2 && UseSkinSize) || ResizeMode == 1) {
    Widen(*Glow, SizedGlow);
    Widen(*Mask, SizedMask);
    FLayerManager->Show(At.X, At.Y, SizedGlow, SizedMask, GlowLayerAlphaBlendValue);
  }
}

void TspSkinButton::HideLayer() {
  if (FLayerManager->IsVisible()) FLayerManager->Hide();
}

// ---------------------------------------------------------------- messages

void TspSkinButton::WndProc(TMessage& AMessage) {
  if (FCanFocused) {
    const TLiveToken Alive = FLive.Token();
    if (AMessage.Msg == WM_KEYDOWN) WMKeyDown(AMessage);
    if (AMessage.Msg == WM_KEYUP) WMKeyUp(AMessage);
    if (!Alive) return;
    if (SwallowedByFocusClick(*this, AMessage, FClicksDisabled)) return;
  }
  TspSkinCustomControl::WndProc(AMessage);
}

void TspSkinButton::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_ERASEBKGND: AnswerEraseByPainting(*this, AMessage, FromWMPaint); break;
    case WM_SETFOCUS: WMSetFocus(AMessage); break;
    case WM_KILLFOCUS: WMKillFocus(AMessage); break;
    case CM_MOUSEENTER: CMMouseEnter(AMessage); break;
    case CM_MOUSELEAVE: CMMouseLeave(AMessage); break;
    case CM_DIALOGKEY: CMDialogKey(AMessage); break;
    case CM_DIALOGCHAR: CMDialogChar(AMessage); break;
    case CM_FOCUSCHANGED: CMFocusChanged(AMessage); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(AMessage); break;
    case CM_TEXTCHANGED: if (FIndex != -1 || DrawDefault()) Repaint(); break;
    case SP_SHOWBUTTONLAYER: ShowLayer(); break;
    case SP_HIDEBUTTONLAYER: HideLayer(); break;
    default: TspSkinCustomControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TspSkinButton::WMKeyDown(TMessage& AMessage) {
  if (AMessage.WParam == VK_SPACE && FSpaceSupport) {
    SetDown(true);
    if (RepeatMode) ButtonClick();
  } else if (AMessage.WParam == VK_RETURN) {
    ButtonClick();
  }
}

void TspSkinButton::WMKeyUp(TMessage& AMessage) {
  if (AMessage.WParam != VK_SPACE || !FSpaceSupport) return;
  SetDown(false);
  ButtonClick();
}

// Enter goes to the button that is FActive; Escape to a Cancel button, without
// modifier keys.
void TspSkinButton::CMDialogKey(TMessage& AMessage) {
  if (AMessage.WParam == VK_RETURN && FActive && Enabled()) {
    ButtonClick();
    AMessage.Result = 1;
    return;
  }
  if (AMessage.WParam == VK_ESCAPE && Cancel && FCanFocused && KeyDataToShiftState(AMessage.LParam).Empty() &&
      CanFocus()) {
    ButtonClick();
    AMessage.Result = 1;
    return;
  }
  TspSkinCustomControl::Dispatch(AMessage);
}

void TspSkinButton::CMDialogChar(TMessage& AMessage) {
  if (IsAccel(static_cast<uint32_t>(AMessage.WParam), Caption()) && CanFocus() && FCanFocused) {
    SetFocus();
    ButtonClick();
    AMessage.Result = 1;
    return;
  }
  TspSkinCustomControl::Dispatch(AMessage);
}

// The focused button takes Enter; while the focus is on a control that is no skinned
// button, the default button does and shows its hot look.
void TspSkinButton::CMFocusChanged(TMessage& AMessage) {
  auto* Focused = reinterpret_cast<TControl*>(AMessage.LParam);
  auto* FocusedButton = dynamic_cast<TspSkinButton*>(Focused);
  FActive = FocusedButton ? FocusedButton == this : FDefault;
  if (FCanFocused && FDefault) {
    if (FocusedButton && FocusedButton != this) {
      FMouseIn = false;
      MorphOrRepaint();
    } else if (!FocusedButton) {
      FMouseIn = true;
      if (MorphApplies()) FMorphKf = 1;
      Repaint();
    }
  }
  TspSkinCustomControl::Dispatch(AMessage);
}

void TspSkinButton::CMEnabledChanged(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  TspButtonPropertyRules<TspSkinButton>::DropHot(*this);
}

void TspSkinButton::WMSetFocus(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  if (!FCanFocused) return;
  StartAnimation(true);
  MorphOrRepaint();
}

void TspSkinButton::WMKillFocus(TMessage& AMessage) {
  if (RepeatMode) StopRepeat();
  if (FGroupIndex == 0 && FDown) FDown = false;
  TspSkinCustomControl::Dispatch(AMessage);
  if (!FCanFocused) return;
  StartAnimation(false);
  if (MorphApplies() && FIndex != -1)
    StartFadeTimer(MorphTimer, this, [this] { MorphTick(); });
  else
    Invalidate();
}

// ---------------------------------------------------------------- the mouse

bool TspSkinButton::HoverChangesLook() {
  return (FGroupIndex != 0 && !FDown) || (FGroupIndex == 0 && (!IsFocused() || FDown));
}

void TspSkinButton::CMMouseEnter(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  if (IsDesigning()) return;
  FMouseIn = true;
  if (HoverChangesLook()) TspButtonMouseRules<TspSkinButton>::ShowHot(*this);
  if (FMouseDown && FDown && RepeatMode && FGroupIndex == 0) StartRepeat();
  if (HandleAllocated()) PostMessage(Handle(), SP_SHOWBUTTONLAYER, 0, 0);
}

void TspSkinButton::CMMouseLeave(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  if (IsDesigning()) return;
  // The default button keeps its hot look while the focus is elsewhere.
  if (!(FCanFocused && FDefault && FActive && !Focused())) FMouseIn = false;
  if (HoverChangesLook()) {
    StartAnimation(false);
    MorphOrRepaint();
  }
  if (FMouseDown && RepeatMode && RepeatTimer && RepeatTimer->Enabled() && FGroupIndex == 0) StopRepeat();
  if (HandleAllocated()) PostMessage(Handle(), SP_HIDEBUTTONLAYER, 0, 0);
}

void TspSkinButton::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinCustomControl::MouseDown(AButton, AShift, AX, AY);
  if (AButton == mbLeft) TspButtonMouseRules<TspSkinButton>::Press(*this);
}

void TspSkinButton::MouseMove(TShiftState AShift, int AX, int AY) {
  TspSkinCustomControl::MouseMove(AShift, AX, AY);
  TspButtonMouseRules<TspSkinButton>::Move(*this, AX, AY);
}

void TspSkinButton::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  if (AButton == mbLeft && !TspButtonMouseRules<TspSkinButton>::Release(*this)) return;
  if (AButton != mbLeft || (HandleAllocated() && Visible()))
    TspSkinCustomControl::MouseUp(AButton, AShift, AX, AY);
}
