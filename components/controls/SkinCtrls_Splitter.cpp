// The splitter's drag: the neighbour found beside the bar, its size following the
// pointer between MinSize and what the other aligned controls leave, and Escape
// through the form's active control.

#include "components/controls/SkinCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/win/Keyboard.h"

TspCustomSplitter::TspCustomSplitter(TComponent* AOwner) : TspSkinControl(AOwner) {
  ControlStyle.Include(csCaptureMouse);
  SetAlign(alLeft);
  SetWidth(3);
  SetCursor(crHSplit);
}

TspCustomSplitter::~TspCustomSplitter() {
  ForgetResizedControl();
  RestoreKeyHandler();
}

void TspCustomSplitter::Notification(TComponent* AComponent, TOperation AOperation) {
  TspSkinControl::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FControl) {
    // The drag ends with its neighbour.
    FControl = nullptr;
    RestoreKeyHandler();
  }
  if (AComponent == FActiveControl) {
    FActiveControl = nullptr;
    FOldKeyDown = nullptr;
  }
}

void TspCustomSplitter::RequestAlign() {
  TspSkinControl::RequestAlign();
  if (Cursor() != crHSplit && Cursor() != crVSplit) return;
  SetCursor(Align() == alTop || Align() == alBottom ? crVSplit : crHSplit);
}

bool TspCustomSplitter::AskCanResize(int& ANewSize) {
  bool Accept = true;
  if (OnCanResize) OnCanResize(this, ANewSize, Accept);
  return Accept;
}

bool TspCustomSplitter::AcceptSize(int& ANewSize) {
  const bool Accepted = AskCanResize(ANewSize);
  if (Accepted && ANewSize <= FMinSize && AutoSnap) ANewSize = 0;
  return Accepted;
}

// The probe point lies just outside the bar on the neighbour's side; a neighbour of
// zero width or height (collapsed by AutoSnap) still counts one pixel towards the bar.
TControl* TspCustomSplitter::FindResizedControl() const {
  TWinControl* Owner = Parent();
  if (!Owner) return nullptr;
  TPoint Probe;
  switch (Align()) {
    case alTop:
      Probe = {Left(), Top() - 1};
      break;
    case alBottom:
      Probe = {Left(), Top() + Height()};
      break;
    case alLeft:
      Probe = {Left() - 1, Top()};
      break;
    case alRight:
      Probe = {Left() + Width(), Top()};
      break;
    default:
      return nullptr;
  }
  const bool TowardsLeftTop = Align() == alLeft || Align() == alTop;
  for (int I = 0; I < Owner->ControlCount(); ++I) {
    TControl* Child = Owner->Controls(I);
    if (!Child->Visible() || !Child->Enabled()) continue;
    TRect Bounds = Child->BoundsRect();
    if (Bounds.Width() == 0) (TowardsLeftTop ? Bounds.Left : Bounds.Right) += TowardsLeftTop ? -1 : 1;
    if (Bounds.Height() == 0) (TowardsLeftTop ? Bounds.Top : Bounds.Bottom) += TowardsLeftTop ? -1 : 1;
    if (PtInRect(Bounds, Probe)) return Child;
  }
  return nullptr;
}

int TspCustomSplitter::CalcMaxSize() const {
  TWinControl* Owner = Parent();
  const bool Across = Align() == alLeft || Align() == alRight;
  const TRect Client = Owner->ClientRect();
  int Result = (Across ? Client.Width() : Client.Height()) - FMinSize;
  for (int I = 0; I < Owner->ControlCount(); ++I) {
    const TControl* Child = Owner->Controls(I);
    if (Across && Child->Visible() && (Child->Align() == alLeft || Child->Align() == alRight))
      Result -= Child->Width();
    else if (!Across && (Child->Align() == alTop || Child->Align() == alBottom))
      Result -= Child->Height();
  }
  return Result + (Across ? FControl->Width() : FControl->Height());
}

void TspCustomSplitter::CalcNewSize(int AX, int AY, int& ANewSize, int& ASplit) const {
  ASplit = Align() == alLeft || Align() == alRight ? AX - FDownPos.X : AY - FDownPos.Y;
  int Asked = 0;
  switch (Align()) {
    case alTop:
      Asked = FControl->Height() + ASplit;
      break;
    case alBottom:
      Asked = FControl->Height() - ASplit;
      break;
    case alLeft:
      Asked = FControl->Width() + ASplit;
      break;
    case alRight:
      Asked = FControl->Width() - ASplit;
      break;
    default:
      break;
  }
  ANewSize = std::clamp(Asked, FMinSize, std::max(FMinSize, FMaxSize));
  // The split follows the clamped size, so that the bar stays where the size put it.
  if (Asked == ANewSize) return;
  if (Align() == alBottom || Align() == alRight)
    ASplit += Asked - ANewSize;
  else
    ASplit -= Asked - ANewSize;
}

void TspCustomSplitter::ApplyNewSize() {
  if (FNewSize == FOldSize) return;
  switch (Align()) {
    case alTop:
      FControl->SetHeight(FNewSize);
      break;
    case alLeft:
      FControl->SetWidth(FNewSize);
      break;
    case alBottom:
    case alRight: {
      // The neighbour's far edge stays: it moves and shrinks in one step, with the
      // parent's alignment held back until both are done.
      Parent()->DisableAlign();
      const TRect B = FControl->BoundsRect();
      if (Align() == alBottom)
        FControl->SetBounds(B.Left, B.Top + B.Height() - FNewSize, B.Width(), FNewSize);
      else
        FControl->SetBounds(B.Left + B.Width() - FNewSize, B.Top, FNewSize, B.Height());
      Parent()->EnableAlign();
      break;
    }
    default:
      break;
  }
  Repaint();
  if (OnMoved) OnMoved(this);
  FOldSize = FNewSize;
}

void TspCustomSplitter::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinControl::MouseDown(AButton, AShift, AX, AY);
  if (AButton != mbLeft) return;
  ForgetResizedControl();
  FControl = FindResizedControl();
  FDownPos = {AX, AY};
  if (!FControl) return;
  FControl->FreeNotification(this);
  FMaxSize = CalcMaxSize();
  CalcNewSize(AX, AY, FNewSize, FSplit);
  TCustomForm* Form = GetParentForm(this);
  if (!Form || !Form->ActiveControl()) return;
  FActiveControl = Form->ActiveControl();
  FOldKeyDown = FActiveControl->OnKeyDown;
  FActiveControl->OnKeyDown = [this](TObject* ASender, WORD& AKey, TShiftState AKeyShift) {
    SizingKeyDown(ASender, AKey, AKeyShift);
  };
  FActiveControl->FreeNotification(this);
}

void TspCustomSplitter::MouseMove(TShiftState AShift, int AX, int AY) {
  TspSkinControl::MouseMove(AShift, AX, AY);
  if (!AShift.Contains(ssLeft) || !FControl) return;
  int NewSize = 0, Split = 0;
  CalcNewSize(AX, AY, NewSize, Split);
  if (!AcceptSize(NewSize)) return;
  FNewSize = NewSize;
  FSplit = Split;
  ApplyNewSize();
}

void TspCustomSplitter::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinControl::MouseUp(AButton, AShift, AX, AY);
  if (!FControl) return;
  ApplyNewSize();
  EndSizing();
}

void TspCustomSplitter::SizingKeyDown(TObject* ASender, WORD& AKey, TShiftState AShift) {
  if (AKey == VK_ESCAPE) {
    EndSizing();
    return;
  }
  if (FOldKeyDown) FOldKeyDown(ASender, AKey, AShift);
}

void TspCustomSplitter::EndSizing() {
  if (FControl) {
    ForgetResizedControl();
    RestoreKeyHandler();
  }
  if (OnMoved) OnMoved(this);
}

void TspCustomSplitter::ForgetResizedControl() {
  if (!FControl) return;
  FControl->RemoveFreeNotification(this);
  FControl = nullptr;
}

void TspCustomSplitter::RestoreKeyHandler() {
  if (!FActiveControl) return;
  FActiveControl->OnKeyDown = std::move(FOldKeyDown);
  FActiveControl->RemoveFreeNotification(this);
  FActiveControl = nullptr;
  FOldKeyDown = nullptr;
}
