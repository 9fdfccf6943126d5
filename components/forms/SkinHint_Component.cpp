// TspSkinHint: the hint window class and the OnShowHint hook it installs, the shows at
// once and after the application's pauses, and the cursor margin.

#include <algorithm>

#include "components/controls/SkinCtrls.h"
#include "components/core/spEffBmp.h"
#include "components/forms/SkinHint.h"
#include "platform/ui/Screen.h"
#include "platform/win/Cursors.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"

namespace {

// The application's OnShowHint while a component holds it: a callable that knows its
// component, so that the component can tell its own hook from another one.
struct TSkinHintShowHook {
  TspSkinHint* Hint;
  std::function<void(String&, bool&, THintInfo&)> Call;
  void operator()(String& AHintStr, bool& ACanShow, THintInfo& AHintInfo) const {
    Call(AHintStr, ACanShow, AHintInfo);
  }
};

bool IsHookOf(const TspSkinHint* AHint) {
  const auto* Hook = Application->OnShowHint.target<TSkinHintShowHook>();
  return Hook && Hook->Hint == AHint;
}

}  // namespace

TspSkinHint* FindActiveSkinHint(const TspSkinHint* AExcept) {
  TCustomForm* MainForm = Application ? Application->MainForm() : nullptr;
  if (!MainForm) return nullptr;
  for (int I = 0; I < MainForm->ComponentCount(); ++I) {
    auto* Hint = dynamic_cast<TspSkinHint*>(MainForm->Components(I));
    if (Hint && Hint != AExcept && Hint->Active()) return Hint;
  }
  return nullptr;
}

TspSkinHint::TspSkinHint(TComponent* AOwner) : TComponent(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  HW = new TspSkinHintWindow(this);
  HintTimer = new TTimer(this);
  HintTimer->SetEnabled(false);
  HintTimer->OnTimer = [this](TObject*) { HintTimerTick(); };
  if (IsDesigning()) return;
  Application->HintWindowClass = HintWindowClassOf<TspSkinHintWindow>();
  // Turning hints off and on again makes the application's hint window anew, of the
  // new class; hints that were off stay off.
  Application->SetShowHint(!Application->ShowHint());
  Application->SetShowHint(!Application->ShowHint());
  HookShowHint();
  Application->HintShortPause = 100;
}

TspSkinHint::~TspSkinHint() {
  if (IsHookOf(this)) {
    UnhookShowHint();
    // Another active component goes on picking up titles and pictures.
    if (TspSkinHint* Next = FindActiveSkinHint(this)) Next->HookShowHint();
  }
  HintTimer->SetEnabled(false);
}

void TspSkinHint::HookShowHint() {
  Application->OnShowHint =
      TSkinHintShowHook{this, [this](String& AHintStr, bool& ACanShow, THintInfo& AHintInfo) {
                          AppShowHint(AHintStr, ACanShow, AHintInfo);
                        }};
}

void TspSkinHint::UnhookShowHint() { Application->OnShowHint = nullptr; }

void TspSkinHint::SetActive(bool AValue) {
  if (FActive == AValue) return;
  FActive = AValue;
  if (!AValue) return;
  if (TCustomForm* MainForm = Application->MainForm())
    for (int I = 0; I < MainForm->ComponentCount(); ++I)
      if (auto* Other = dynamic_cast<TspSkinHint*>(MainForm->Components(I)); Other && Other != this)
        Other->SetActive(false);
  if (!IsDesigning()) HookShowHint();
}

void TspSkinHint::SetSkinData(TspSkinData* AValue) {
  if (FSD == AValue) return;
  ReplaceNotified(FSD, AValue);
}

void TspSkinHint::SetAlphaBlendSupport(bool AValue) {
  FAlphaBlendSupport = AValue && (IsWindows2000OrLater() || IsDesigning());
}

void TspSkinHint::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FSD) FSD = nullptr;
  if (AComponent == FHintImageList) FHintImageList = nullptr;
}

// The title and picture of a skinned control go with its hint; the user's handler has
// the last word.
void TspSkinHint::AppShowHint(String& AHintStr, bool& ACanShow, THintInfo& AHintInfo) {
  SetPendingTitle(String(), nullptr, 0);
  if (auto* Control = dynamic_cast<TspSkinControl*>(AHintInfo.HintControl))
    SetPendingTitle(Control->HintTitle, Control->HintImageList(), Control->HintImageIndex);
  else if (auto* Graphic = dynamic_cast<TspGraphicSkinControl*>(AHintInfo.HintControl))
    SetPendingTitle(Graphic->HintTitle, Graphic->HintImageList(), Graphic->HintImageIndex);
  if (OnShowHint) OnShowHint(AHintStr, ACanShow, AHintInfo);
}

void TspSkinHint::SetPendingTitle(const String& AHintTitle, TCustomImageList* AImageList, int AImageIndex) {
  FHintTitle = AHintTitle;
  FHintImageIndex = AImageIndex;
  if (FHintImageList == AImageList) return;
  ReplaceNotified(FHintImageList, AImageList);
}

// ---------------------------------------------------------------- shows

// A title left pending by the application's last hint does not go with a text shown
// on its own.
void TspSkinHint::ActivateHint(TPoint AP, const String& AHint) {
  SetPendingTitle(String(), nullptr, 0);
  HW->ActivateHint(Bounds(AP.X, AP.Y, 0, 0), AHint);
}

void TspSkinHint::ActivateHintEx(TPoint AP, const String& AHintTitle, TCustomImageList* AImageList,
                                 int AImageIndex, const String& AHint) {
  HW->ActivateHintEx(Bounds(AP.X, AP.Y, 0, 0), AHintTitle, AImageList, AImageIndex, AHint);
}

void TspSkinHint::ActivateHint2(const String& AHint) {
  HintText = AHint;
  SetPendingTitle(String(), nullptr, 0);
  StartDelayedShow(psBelowCursor);
}

void TspSkinHint::ActivateHintEx2(const String& AHintTitle, const String& AHint, TCustomImageList* AImageList,
                                  int AImageIndex) {
  HintText = AHint;
  SetPendingTitle(AHintTitle, AImageList, AImageIndex);
  StartDelayedShow(psBelowCursor);
}

void TspSkinHint::ActivateHint3(const TRect& AFromRect, const String& AHint, bool ATop) {
  HintText = AHint;
  SetPendingTitle(String(), nullptr, 0);
  FromRect = AFromRect;
  Top = ATop;
  StartDelayedShow(psFromRect);
}

void TspSkinHint::StartDelayedShow(TPendingShow AKind) {
  HintTimer->SetEnabled(false);
  FPending = AKind;
  HintTimer->SetInterval(UINT(std::max(Application->HintPause, 1)));
  HintTimer->SetEnabled(true);
}

// The first tick shows the pending hint, the second one hides it.
void TspSkinHint::HintTimerTick() {
  HintTimer->SetEnabled(false);
  const TPendingShow Kind = FPending;
  FPending = psNone;
  if (Kind == psNone) return HideHint();
  if (Kind == psFromRect) {
    HW->ActivateHintFromRect(FromRect, HintText, Top);
  } else {
    POINT Cursor;
    GetCursorPos(&Cursor);
    const TRect At = Bounds(Cursor.X, Cursor.Y + GetCursorHeightMargin(), 0, 0);
    if (!FHintTitle.empty() || FHintImageList)
      HW->ActivateHintEx(At, FHintTitle, FHintImageList, FHintImageIndex, HintText);
    else
      HW->ActivateHint(At, HintText);
  }
  HintTimer->SetInterval(UINT(std::max(Application->HintHidePause, 1)));
  HintTimer->SetEnabled(true);
}

void TspSkinHint::HideHint() {
  HintTimer->SetEnabled(false);
  FPending = psNone;
  if (IsVisible()) {
    HW->SetVisible(false);
    ShowWindow(HW->Handle(), SW_HIDE);
  }
  SetPendingTitle(String(), nullptr, 0);
}

bool TspSkinHint::IsVisible() const { return HW && HW->IsShowing(); }

// Rows from the hot spot down to the lowest row the cursor's picture covers. The
// standard shapes have no picture to read: the system cursor height stands for them.
int TspSkinHint::GetCursorHeightMargin() {
  const HCURSOR Cursor = GetCursor();
  if (!Cursor || Cursor->Image.Width == 0 || Cursor->Image.Height == 0) return GetSystemMetrics(SM_CYCURSOR);
  const TPixelImage& Image = Cursor->Image;
  int RowsCovered = 0;
  for (int Y = Image.Height - 1; Y >= 0 && RowsCovered == 0; --Y)
    for (int X = 0; X < Image.Width; ++X)
      if (Image.Pixel(X, Y) >> 24 != 0) {
        RowsCovered = Y + 1;
        break;
      }
  return RowsCovered - Image.HotSpot.Y;
}
