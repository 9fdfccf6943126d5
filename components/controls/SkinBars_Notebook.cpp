// TspSkinNotebook: its pages, the page shown, and the page buttons of buttons mode;
// TspSkinPage and TspPageButton.

#include "components/controls/SkinBars.h"
#include "platform/base/Lists.h"
#include "platform/ui/Forms.h"

// ---------------------------------------------------------------- page and button

TspSkinPage::TspSkinPage(TComponent* AOwner) : TspSkinPanel(AOwner) {
  ControlStyle.Include(csNoDesignVisible);
  SetVisible(false);
  SetAlign(alClient);
  SetBorderStyle(bvNone);
}

void TspSkinPage::Dispatch(TMessage& AMessage) {
  // The page's own surface lets the mouse through to what lies below.
  if (AMessage.Msg == WM_NCHITTEST && !IsDesigning()) {
    AMessage.Result = HTTRANSPARENT;
    return;
  }
  TspSkinPanel::Dispatch(AMessage);
}

TspPageButton::TspPageButton(TComponent* AOwner, int APageIndex, TspSkinNotebook* ANoteBook)
    : TspSkinSpeedButton(AOwner), FPageIndex(APageIndex), FNoteBook(ANoteBook) {
  SetNumGlyphs(1);
  SetSpacing(5);
  SetSkinDataName(ANoteBook->ButtonSkinDataName);
}

void TspPageButton::ButtonClick() {
  // A handler of the page change may build the buttons again and free this one.
  const TLiveToken Alive = FLive.Token();
  FNoteBook->SetPageIndex(FPageIndex);
  if (Alive) TspSkinSpeedButton::ButtonClick();
}

// ---------------------------------------------------------------- notebook

TspSkinNotebook::TspSkinNotebook(TComponent* AOwner) : TspSkinPanel(AOwner) {
  ControlStyle.Exclude(csAcceptsControls);
  ControlStyle.Exclude(csCaptureMouse);
  ControlStyle.Exclude(csClickEvents);
  ControlStyle.Exclude(csInheritable);
  SetBorderStyle(bvFrame);
  SetBounds(Left(), Top(), 150, 150);
  FAccess.Add("Default");
}

TspSkinNotebook::~TspSkinNotebook() {
  // The buttons and pages leave their lists as they go (Notification).
  FreeButtons();
  while (!FPageList.empty()) delete FPageList.back();
}

void TspSkinNotebook::CreateParams(TCreateParams& AParams) {
  TspSkinPanel::CreateParams(AParams);
  AParams.Style |= WS_CLIPCHILDREN;
  AParams.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

TspSkinPage* TspSkinNotebook::Page(int AIndex) const {
  CheckListIndex(AIndex, PageCount());
  return FPageList[AIndex];
}

void TspSkinNotebook::Loaded() {
  TspSkinPanel::Loaded();
  // While loading the index was only stored: the page it names shows now.
  const int Stored = FPageIndex;
  FPageIndex = -1;
  if (Stored >= 0 && Stored < PageCount()) {
    for (int I = 0; I < PageCount(); ++I)
      if (I != Stored) FPageList[I]->SetVisible(false);
    ShowPage(FPageList[Stored]);
    FPageIndex = Stored;
  }
  if (FButtonsMode) RebuildButtons();
}

void TspSkinNotebook::Notification(TComponent* AComponent, TOperation AOperation) {
  TspSkinPanel::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  std::erase(FButtons, AComponent);
  // A page freed by any hand leaves the list; the shown page keeps its index.
  const auto Found = std::find(FPageList.begin(), FPageList.end(), AComponent);
  if (Found == FPageList.end()) return;
  const int Index = static_cast<int>(Found - FPageList.begin());
  FPageList.erase(Found);
  if (Index < FPageIndex)
    --FPageIndex;
  else if (Index == FPageIndex)
    FPageIndex = -1;
}

void TspSkinNotebook::ShowPage(TspSkinPage* APage) {
  APage->BringToFront();
  APage->SetSkinData(SkinData());
  APage->SetVisible(true);
  APage->SetAlign(alClient);
}

void TspSkinNotebook::SetPageIndex(int AValue) {
  if (IsLoading()) {
    FPageIndex = AValue;
    return;
  }
  if (AValue == FPageIndex || AValue < 0 || AValue >= PageCount()) return;
  const bool Refocus = TakeFocusFromPages();
  ShowPage(FPageList[AValue]);
  if (FPageIndex >= 0 && FPageIndex < PageCount()) FPageList[FPageIndex]->SetVisible(false);
  FPageIndex = AValue;
  if (Refocus) FocusFirstControl();
  if (FButtonsMode) RealignButtons();
  if (OnPageChanged) OnPageChanged(this);
}

// True when the form's focus lay inside a page and the notebook took it.
bool TspSkinNotebook::TakeFocusFromPages() {
  TCustomForm* Form = GetParentForm(this);
  if (!Form || !Form->ActiveControl() || Form->ActiveControl() == this ||
      !ContainsControl(Form->ActiveControl()) || !CanFocus())
    return false;
  Form->SetActiveControl(this);
  return true;
}

void TspSkinNotebook::FocusFirstControl() {
  TCustomForm* Form = GetParentForm(this);
  if (!Form || Form->ActiveControl() != this) return;
  TWinControl* First = FindNextControl(nullptr, true, true, false);
  if (!First) First = FindNextControl(nullptr, true, false, false);
  if (First) First->SetFocus();
}

String TspSkinNotebook::ActivePage() const {
  return FPageIndex >= 0 && FPageIndex < PageCount() ? FPageList[FPageIndex]->Caption() : String();
}

void TspSkinNotebook::SetActivePage(const String& AValue) { SetPageIndex(FAccess.IndexOf(AValue)); }

void TspSkinNotebook::SetPages(const TStrings& AValue) {
  FAccess.Assign(AValue);
  RebuildButtons();
}

void TspSkinNotebook::ShowControl(TControl* AControl) {
  const auto Found = std::find(FPageList.begin(), FPageList.end(), AControl);
  if (Found == FPageList.end()) {
    TspSkinPanel::ShowControl(AControl);
    return;
  }
  SetPageIndex(static_cast<int>(Found - FPageList.begin()));
}

TspSkinPage* TspSkinNotebook::AddPage(int AIndex, const String& ACaption) {
  if (AIndex < 0 || AIndex > PageCount()) RaiseListIndexError(AIndex);
  auto* Page = new TspSkinPage(this);
  Page->SetCaption(ACaption);
  Page->SetParent(this);
  FPageList.insert(FPageList.begin() + AIndex, Page);
  return Page;
}

void TspSkinNotebook::FreePage(int AIndex) {
  CheckListIndex(AIndex, PageCount());
  delete FPageList[AIndex];
}

// ---------------------------------------------------------------- buttons

void TspSkinNotebook::SetButtonsMode(bool AValue) {
  FButtonsMode = AValue;
  if (AValue)
    RebuildButtons();
  else
    FreeButtons();
}

void TspSkinNotebook::SetImages(TCustomImageList* AValue) {
  ReplaceNotified(FImages, AValue);
  if (FButtonsMode) RebuildButtons();
}

void TspSkinNotebook::FreeButtons() {
  while (!FButtons.empty()) delete FButtons.back();
}

// Without pages no button is left: none would have a page to show.
void TspSkinNotebook::RebuildButtons() {
  if (!FButtonsMode) return;
  FreeButtons();
  for (int I = 0; I < PageCount(); ++I) {
    auto* Button = new TspPageButton(this, I, this);
    FButtons.push_back(Button);
    // Below everything, so that it is laid out after the buttons of its side made
    // before it.
    Button->SetTop(Height());
    Button->SetAlign(I > FPageIndex ? alBottom : alTop);
    Button->SetParent(this);
    Button->SetDefaultHeight(25);
    Button->SetSkinData(SkinData());
    Button->SetCaption(FPageList[I]->Caption());
    const int Image = FPageList[I]->ImageIndex;
    const bool HasImage = Image != -1 && FImages && Image < FImages->Count();
    Button->SetImageList(HasImage ? FImages : nullptr);
    Button->SetImageIndex(HasImage ? Image : -1);
  }
}

// The buttons of the pages up to the shown one go to the top, the later ones to the
// bottom, each keeping page order.
void TspSkinNotebook::RealignButtons() {
  for (auto Button = FButtons.rbegin(); Button != FButtons.rend(); ++Button)
    if ((*Button)->PageIndex() > FPageIndex && (*Button)->Align() != alBottom) (*Button)->SetAlign(alBottom);
  for (TspPageButton* Button : FButtons)
    if (Button->PageIndex() <= FPageIndex && Button->Align() != alTop) Button->SetAlign(alTop);
}

void TspSkinNotebook::UpdateButton(int APageIndex, const String& ACaption) {
  for (TspPageButton* Button : FButtons) {
    if (Button->PageIndex() != APageIndex) continue;
    Button->SetCaption(ACaption);
    Button->SetImageList(FImages);
    Button->SetImageIndex(Page(APageIndex)->ImageIndex);
    Button->Repaint();
  }
}
