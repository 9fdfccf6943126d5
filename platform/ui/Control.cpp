// TControl: parent, bounds, visibility, text, font, colour, hint, menu and action.

#include "platform/ui/Control.h"

#include "platform/base/Exceptions.h"
#include "platform/ui/Actions.h"
#include "platform/ui/ControlMouseInternal.h"
#include "platform/ui/WinControl.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"

TAnchors AnchorsForAlign(TAlign AAlign) {
  switch (AAlign) {
    case alTop:
      return {akLeft, akTop, akRight};
    case alBottom:
      return {akLeft, akRight, akBottom};
    case alLeft:
      return {akLeft, akTop, akBottom};
    case alRight:
      return {akRight, akTop, akBottom};
    case alClient:
      return {akLeft, akTop, akRight, akBottom};
    case alNone:
    case alCustom:
      break;
  }
  return AnchorsLeftTop;
}

namespace {

bool IsHorizontal(TAlign AAlign) { return AAlign == alTop || AAlign == alBottom; }
bool IsVertical(TAlign AAlign) { return AAlign == alLeft || AAlign == alRight; }

}  // namespace

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& AMessage) { WndProc(AMessage); };
  ControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FFont->OnChange = [this](TGraphicsObject*) { FontChanged(); };
  FConstraints.OnChange = [this](TObject*) { AdjustSize(); };
}

TControl::~TControl() {
  ForgetMouseControl(this);
  SetParent(nullptr);
  FActionLink.reset();
}

void TControl::SetName(const String& AName) {
  const bool ChangeText =
      ControlStyle.Contains(csSetCaption) && !ComponentState().Contains(csLoading) && Name() == FText;
  TComponent::SetName(AName);
  if (ChangeText) SetText(AName);
}

// ---------------------------------------------------------------- parent and bounds

void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (static_cast<TControl*>(AParent) == this)
    throw EInvalidOperation(Format("Control '%s' cannot have itself as parent", Name()));
  if (FParent) FParent->RemoveControl(this);
  if (AParent) {
    AParent->InsertControl(this);
    UpdateAnchorRules();
  }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!CheckNewSize(AWidth, AHeight)) return;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  InvalidateControl(FVisible, false);
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  UpdateAnchorRules();
  Invalidate();
  Perform(WM_WINDOWPOSCHANGED, 0, 0);
  RequestAlign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

// OnCanResize and the constraints first; then AutoSize may ask for another size, which
// must pass them too.
bool TControl::CheckNewSize(int& ANewWidth, int& ANewHeight) {
  int W = ANewWidth;
  int H = ANewHeight;
  if (!DoCanResize(W, H)) return false;
  int AutoW = W;
  int AutoH = H;
  const bool Accepted =
      !FAutoSize || (DoCanAutoSize(AutoW, AutoH) && AutoW == W && AutoH == H) || DoCanResize(AutoW, AutoH);
  if (!Accepted) return false;
  ANewWidth = AutoW;
  ANewHeight = AutoH;
  return true;
}

bool TControl::DoCanResize(int& ANewWidth, int& ANewHeight) {
  if (!CanResize(ANewWidth, ANewHeight)) return false;
  FConstraints.Apply(ANewWidth, ANewHeight);
  return true;
}

// An aligned control keeps the size its alignment gives it in that direction.
bool TControl::DoCanAutoSize(int& ANewWidth, int& ANewHeight) {
  if (FAlign == alClient) return true;
  int W = ANewWidth;
  int H = ANewHeight;
  const bool Result = CanAutoSize(W, H);
  if (FAlign == alNone || FAlign == alLeft || FAlign == alRight) ANewWidth = W;
  if (FAlign == alNone || FAlign == alTop || FAlign == alBottom) ANewHeight = H;
  return Result;
}

bool TControl::CanResize(int& ANewWidth, int& ANewHeight) {
  bool Resize = true;
  if (OnCanResize) OnCanResize(this, ANewWidth, ANewHeight, Resize);
  return Resize;
}

bool TControl::CanAutoSize(int&, int&) { return true; }

void TControl::AdjustSize() {
  if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::SetAutoSize(bool AValue) {
  if (FAutoSize == AValue) return;
  FAutoSize = AValue;
  if (AValue) AdjustSize();
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

TRect TControl::ClientRect() { return Rect(0, 0, FWidth, FHeight); }

void TControl::SetClientWidth(int AValue) { SetWidth(FWidth - ClientWidth() + AValue); }
void TControl::SetClientHeight(int AValue) { SetHeight(FHeight - ClientHeight() + AValue); }

TPoint TControl::ClientOrigin() {
  if (!FParent) throw EInvalidOperation(Format("Control '%s' has no parent window", Name()));
  TPoint Origin = FParent->ClientOrigin();
  return {Origin.X + FLeft, Origin.Y + FTop};
}

void TControl::SetAlign(TAlign AValue) {
  if (FAlign != AValue) {
    const TAlign Old = FAlign;
    FAlign = AValue;
    SetAnchors(AnchorsForAlign(AValue));
    // Turning a top or bottom bar into a left or right one (or back) swaps its width
    // and height, so that its thickness stays.
    if (!ComponentState().Contains(csLoading)) {
      if ((IsHorizontal(Old) && IsVertical(AValue)) || (IsVertical(Old) && IsHorizontal(AValue)))
        SetBounds(FLeft, FTop, FHeight, FWidth);
      else
        AdjustSize();
    }
  }
  RequestAlign();
}

void TControl::SetAnchors(TAnchors AValue) {
  if (FAnchors == AValue) return;
  FAnchors = AValue;
  if (!ComponentState().Contains(csLoading)) UpdateAnchorRules();
}

void TControl::RequestAlign() {
  if (FParent) FParent->AlignControl(this);
}

void TControl::UpdateAnchorRules() {
  if (FAnchorMove || ComponentState().Contains(csLoading)) return;
  if (FAnchors == AnchorsLeftTop) {
    FOriginalParentSize = {};
    return;
  }
  if (FAnchors.Contains(akRight))
    FAnchorRules.X = FAnchors.Contains(akLeft) ? FWidth : FLeft;
  else
    FAnchorRules.X = FLeft + FWidth / 2;
  if (FAnchors.Contains(akBottom))
    FAnchorRules.Y = FAnchors.Contains(akTop) ? FHeight : FTop;
  else
    FAnchorRules.Y = FTop + FHeight / 2;
  if (FParent) FOriginalParentSize = FParent->AnchorParentSize();
}

TWinControl* TControl::TopLevelParent() const {
  const TControl* Control = this;
  while (Control->FParent) Control = Control->FParent;
  return dynamic_cast<TWinControl*>(const_cast<TControl*>(Control));
}

// ---------------------------------------------------------------- visibility and state

void TControl::SetVisible(bool AValue) {
  if (FVisible == AValue) return;
  FVisible = AValue;
  Perform(CM_VISIBLECHANGED, AValue, 0);
  RequestAlign();
}

void TControl::Show() {
  if (FParent) FParent->ShowControl(this);
  SetVisible(true);
}

void TControl::Hide() { SetVisible(false); }

void TControl::SetEnabled(bool AValue) {
  if (FEnabled == AValue) return;
  FEnabled = AValue;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

// ---------------------------------------------------------------- text, font, colour

void TControl::SetText(const String& AValue) {
  if (FText == AValue) return;
  FText = AValue;
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetFont(const TFont& AValue) { FFont->Assign(AValue); }

void TControl::FontChanged() {
  FParentFont = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool AValue) {
  if (FParentFont == AValue) return;
  FParentFont = AValue;
  if (FParent) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetColor(TColor AValue) {
  if (FColor == AValue) return;
  FColor = AValue;
  FParentColor = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool AValue) {
  if (FParentColor == AValue) return;
  FParentColor = AValue;
  if (FParent) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor AValue) {
  if (FCursor == AValue) return;
  FCursor = AValue;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool AValue) {
  if (FShowHint == AValue) return;
  FShowHint = AValue;
  FParentShowHint = false;
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool AValue) {
  if (FParentShowHint == AValue) return;
  FParentShowHint = AValue;
  if (FParent) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetPopupMenuComponent(TPopupMenu* AMenu, TComponent* AAsComponent) {
  if (FPopupMenu == AMenu) return;
  if (FPopupMenuComponent) FPopupMenuComponent->RemoveFreeNotification(this);
  FPopupMenu = AMenu;
  FPopupMenuComponent = AAsComponent;
  if (AAsComponent) AAsComponent->FreeNotification(this);
}

// ---------------------------------------------------------------- actions

TBasicAction* TControl::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TControl::SetAction(TBasicAction* AValue) {
  SetClientAction(*this, FActionLink, AValue,
                  [this](TBasicAction* A, bool ACheckDefaults) { ActionChange(A, ACheckDefaults); });
}

void TControl::ActionChange(TObject* ASender, bool ACheckDefaults) {
  auto* Action = dynamic_cast<TCustomAction*>(ASender);
  if (!Action) return;
  if (!ACheckDefaults || FText.empty() || FText == Name()) SetCaption(Action->Caption());
  if (!ACheckDefaults || FEnabled) SetEnabled(Action->Enabled());
  if (!ACheckDefaults || Hint.empty()) Hint = Action->Hint();
  if (!ACheckDefaults || FVisible) SetVisible(Action->Visible());
}

// A handler of the control's own wins over the linked action: a control whose OnClick
// is set runs it, one without runs the action.
void TControl::Click() {
  if (OnClick)
    OnClick(this);
  else if (!ComponentState().Contains(csDesigning) && FActionLink && FActionLink->Action())
    FActionLink->Execute(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

// ---------------------------------------------------------------- ownership

void TControl::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FPopupMenuComponent) {
    FPopupMenu = nullptr;
    FPopupMenuComponent = nullptr;
  }
  if (FActionLink && AComponent == FActionLink->Action()) FActionLink.reset();
}

void TControl::Loaded() {
  TComponent::Loaded();
  UpdateAnchorRules();
  if (FParent) FParent->AlignControl(this);
}

// ---------------------------------------------------------------- painting

void TControl::InvalidateControl(bool AIsVisible, bool AIsOpaque) {
  if (!AIsVisible || !FParent || !FParent->HandleAllocated()) return;
  const TRect Bounds = BoundsRect();
  const bool Opaque = AIsOpaque || FParent->ControlStyle.Contains(csOpaque);
  InvalidateRect(FParent->Handle(), &Bounds, !Opaque);
}

void TControl::Invalidate() { InvalidateControl(FVisible, ControlStyle.Contains(csOpaque)); }

void TControl::Update() {
  if (FParent) FParent->Update();
}

// An opaque windowless control paints itself alone, straight onto its parent's
// surface, with the controls above it painted again over it; a transparent one needs
// its parent's background painted first, so it is invalidated and the parent updated.
void TControl::Repaint() {
  if (!FVisible || !FParent || !FParent->HandleAllocated()) return;
  if (!ControlStyle.Contains(csOpaque)) {
    Invalidate();
    Update();
    return;
  }
  const TWindowDCScope DC(FParent->Handle());
  if (!DC.Handle()) return;
  IntersectClipRect(DC.Handle(), FLeft, FTop, FLeft + FWidth, FTop + FHeight);
  FParent->PaintControls(DC.Handle(), this);
}

HDC TControl::GetDeviceContext(HWND& AWindow) {
  if (!FParent) throw EInvalidOperation(Format("Control '%s' has no parent window", Name()));
  HDC DC = FParent->GetDeviceContext(AWindow);
  if (!DC) return nullptr;
  POINT Origin;
  GetWindowOrgEx(DC, &Origin);
  SetWindowOrgEx(DC, Origin.X - FLeft, Origin.Y - FTop, nullptr);
  IntersectClipRect(DC, 0, 0, FWidth, FHeight);
  return DC;
}

// ---------------------------------------------------------------- size constraints

void TSizeConstraints::SetMinWidth(int AValue) {
  if (FMinWidth == AValue) return;
  FMinWidth = AValue;
  if (FMaxWidth > 0 && FMinWidth > FMaxWidth) FMaxWidth = FMinWidth;
  Changed();
}

void TSizeConstraints::SetMinHeight(int AValue) {
  if (FMinHeight == AValue) return;
  FMinHeight = AValue;
  if (FMaxHeight > 0 && FMinHeight > FMaxHeight) FMaxHeight = FMinHeight;
  Changed();
}

void TSizeConstraints::SetMaxWidth(int AValue) {
  if (FMaxWidth == AValue) return;
  FMaxWidth = AValue;
  if (FMaxWidth > 0 && FMinWidth > FMaxWidth) FMinWidth = FMaxWidth;
  Changed();
}

void TSizeConstraints::SetMaxHeight(int AValue) {
  if (FMaxHeight == AValue) return;
  FMaxHeight = AValue;
  if (FMaxHeight > 0 && FMinHeight > FMaxHeight) FMinHeight = FMaxHeight;
  Changed();
}

void TSizeConstraints::Apply(int& AWidth, int& AHeight) const {
  if (FMinWidth > 0 && AWidth < FMinWidth)
    AWidth = FMinWidth;
  else if (FMaxWidth > 0 && AWidth > FMaxWidth)
    AWidth = FMaxWidth;
  if (FMinHeight > 0 && AHeight < FMinHeight)
    AHeight = FMinHeight;
  else if (FMaxHeight > 0 && AHeight > FMaxHeight)
    AHeight = FMaxHeight;
}

void TSizeConstraints::Assign(const TPersistent& ASource) {
  const auto* Source = dynamic_cast<const TSizeConstraints*>(&ASource);
  if (!Source) return TPersistent::Assign(ASource);
  FMinWidth = Source->FMinWidth;
  FMinHeight = Source->FMinHeight;
  FMaxWidth = Source->FMaxWidth;
  FMaxHeight = Source->FMaxHeight;
  Changed();
}

void TSizeConstraints::Changed() {
  if (OnChange) OnChange(this);
}
