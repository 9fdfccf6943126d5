// The maximized MDI document's buttons on the main menu bar: made when a document is
// maximized and gone when none is, placed at the ends of the items area, drawn from the
// skin objects the "mainmenubar" element names or in the built-in look, and running the
// document's close, restore, minimize and system menu.

#include <algorithm>

#include "components/controls/SkinElementLookup.h"
#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_ObjInternal.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenuBar_PaintInternal.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Application.h"

namespace {

// Each button leaves this much room to the next object.
constexpr int ChildButtonGap = 2;

// The skin's "mainmenubar" element; nullptr without it.
const TspDataSkinMainMenuBar* MenuBarElement(const TspSkinData* ASkin) {
  const int Index = FindSkinElement(ASkin, "mainmenubar");
  return Index == -1 ? nullptr : ASkin->Control<TspDataSkinMainMenuBar>(Index);
}

}  // namespace

TspSkinForm* FindMaximizedMDIChildSkinForm() {
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  if (!Main || Main->FormStyle() != fsMDIForm) return nullptr;
  for (int I = 0; I < Main->MDIChildCount(); ++I)
    if (TspSkinForm* Child = FindSkinForm(Main->MDIChildren(I)); Child && Child->WindowState() == wsMaximized)
      return Child;
  return nullptr;
}

void TspSkinForm::FollowMDIChildButtons(const TMessage& AMessage) {
  if (!MainMenuBar || FForm->FormStyle() != fsMDIForm) return;
  switch (AMessage.Msg) {
    case SP_MDICHILDMAXIMIZED:
      MainMenuBar->ShowChildButtons();
      break;
    case SP_MDICHILDRESTORED:
    case SP_MDIRESTOREALL:
    case SP_MDIRESTOREALLEXCEPT:
      MainMenuBar->HideChildButtons();
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------- the bar's side

void TspSkinMainMenuBar::ShowChildButtons() {
  if (FMDIChildMax) return;
  FMDIChildMax = true;
  FActiveButton = FCaptureButton = -1;
  MakeChildButtons();
  UpdateChildButtonsEnabled();
  Invalidate();
}

void TspSkinMainMenuBar::HideChildButtons() {
  if (FindMaximizedMDIChildSkinForm()) return UpdateChildButtonsEnabled();
  if (!FMDIChildMax) return;
  FMDIChildMax = false;
  FChildButtons.clear();
  FActiveButton = FCaptureButton = -1;
  Invalidate();
}

// With the element, each button is the skin object it names, with that object's
// command; without, a built-in button.
void TspSkinMainMenuBar::MakeChildButtons() {
  FChildButtons.clear();
  const TspDataSkinMainMenuBar* Element = MenuBarElement(SkinData());
  const struct {
    const char* Name;
    TStdCommand Command;
    String TspDataSkinMainMenuBar::*SkinName;
  } Buttons[] = {{"SysMenuButton", cmSysMenu, &TspDataSkinMainMenuBar::SysMenuButton},
                 {"CloseButton", cmClose, &TspDataSkinMainMenuBar::CloseButton},
                 {"MaxButton", cmMaximize, &TspDataSkinMainMenuBar::MaxButton},
                 {"MinButton", cmMinimize, &TspDataSkinMainMenuBar::MinButton}};
  for (const auto& Button : Buttons) {
    auto Made = std::make_unique<TspSkinMainMenuBarButton>(*this, Button.Name, Button.Command);
    if (Element) {
      Made->IDName = Element->*Button.SkinName;
      if (const TspDataSkinStdButton* Record = Made->SkinRecord()) Made->Command = Record->Command;
    }
    FChildButtons.push_back(std::move(Made));
  }
}

// The restore and close buttons are always enabled.
void TspSkinMainMenuBar::UpdateChildButtonsEnabled() {
  WatchDocuments();
  TspSkinForm* Child = FindMaximizedMDIChildSkinForm();
  if (!Child) return;
  const auto Icons = Child->BorderIcons();
  for (const auto& Button : FChildButtons) {
    Button->Enabled = true;
    if (Button->Command == cmMinimize && !Icons.Contains(TspSkinForm::biMinimize)) Button->Enabled = false;
    if (Button->Command == cmSysMenu && !Icons.Contains(TspSkinForm::biSystemMenu)) Button->Enabled = false;
  }
  Invalidate();
}

// A maximized document freed by closing has no component left to report it restored.
void TspSkinMainMenuBar::WatchDocuments() {
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  if (!Main) return;
  for (int I = 0; I < Main->MDIChildCount(); ++I) {
    TCustomForm* Document = Main->MDIChildren(I);
    if (std::find(FWatchedDocuments.begin(), FWatchedDocuments.end(), Document) != FWatchedDocuments.end())
      continue;
    Document->FreeNotification(this);
    FWatchedDocuments.push_back(Document);
  }
}

void TspSkinMainMenuBar::DocumentFreed(TComponent* AComponent) {
  const auto Found = std::find(FWatchedDocuments.begin(), FWatchedDocuments.end(), AComponent);
  if (Found == FWatchedDocuments.end()) return;
  FWatchedDocuments.erase(Found);
  // Its window is gone by now: it no longer counts among the documents.
  if (FMDIChildMax) HideChildButtons();
}

// The system-menu button takes the left end, the others the right end from the
// outside in: a skinned button at its picture's size, centred vertically, a built-in
// one a square as high as the items area.
TSize TspSkinMainMenuBarButton::Size(const TRect& AArea) const {
  const TspDataSkinStdButton* Record = SkinRecord();
  if (Record && Parent.SkinData()->Picture(Record->ActivePictureIndex) && !IsRectEmpty(Record->SkinRect))
    return TSize{Record->SkinRect.Width(), Record->SkinRect.Height()};
  return TSize{AArea.Height(), AArea.Height()};
}

TRect TspSkinMainMenuBar::CutForChildButtons(TRect AArea) const {
  if (!FMDIChildMax || FChildButtons.size() != 4) return AArea;
  const TRect Full = AArea;
  AArea.Left += FChildButtons[0]->Size(Full).cx + ChildButtonGap;
  for (size_t I = 1; I < FChildButtons.size(); ++I)
    AArea.Right -= FChildButtons[I]->Size(Full).cx + ChildButtonGap;
  return AArea;
}

void TspSkinMainMenuBar::PlaceChildButtons() {
  if (!FMDIChildMax || FChildButtons.size() != 4) return;
  const TRect Area = FullItemsRect();
  auto Place = [&Area](TspSkinMainMenuBarButton& AButton, int ALeft) {
    const TSize Size = AButton.Size(Area);
    const int Top = Area.Top + Area.Height() / 2 - Size.cy / 2;
    AButton.ObjectRect = TRect{ALeft, Top, ALeft + Size.cx, Top + Size.cy};
  };
  Place(*FChildButtons[0], Area.Left);
  int Right = Area.Right;
  for (size_t I = 1; I < FChildButtons.size(); ++I) {
    Place(*FChildButtons[I], Right - FChildButtons[I]->Size(Area).cx);
    Right = FChildButtons[I]->ObjectRect.Left - ChildButtonGap;
  }
}

void TspSkinMainMenuBar::DrawChildButtons(TCanvas& ACanvas) {
  PlaceChildButtons();
  for (const auto& Button : FChildButtons) Button->Draw(ACanvas);
}

void TspSkinMainMenuBar::DrawChildButton(TspSkinMainMenuBarButton&) { Invalidate(); }

int TspSkinMainMenuBar::ChildButtonAt(int AX, int AY) const {
  for (int I = 0; I < ChildButtonCount(); ++I)
    if (FChildButtons[I]->Enabled && PtInRect(FChildButtons[I]->ObjectRect, TPoint{AX, AY})) return I;
  return -1;
}

bool TspSkinMainMenuBar::TestActiveButton(int AX, int AY) {
  const int Old = FActiveButton;
  FActiveButton = ChildButtonAt(AX, AY);
  // A pressed object keeps the others cold.
  if (FCaptureButton >= 0 && FActiveButton != FCaptureButton) FActiveButton = -1;
  if (FActiveButton != Old) {
    if (Old >= 0 && Old < ChildButtonCount() && FChildButtons[Old]->Enabled) FChildButtons[Old]->MouseLeave();
    if (FActiveButton >= 0) FChildButtons[FActiveButton]->MouseEnter();
  }
  return FCaptureButton >= 0 || ChildButtonAt(AX, AY) >= 0;
}

void TspSkinMainMenuBar::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinControl::MouseUp(AButton, AShift, AX, AY);
  const int Captured = FCaptureButton;
  FCaptureButton = -1;
  // The command may close the document and take the buttons with it: last step.
  if (Captured >= 0 && Captured < ChildButtonCount()) FChildButtons[Captured]->MouseUp(AButton);
}

void TspSkinMainMenuBar::ReleaseSysMenuButton() {
  for (int I = 0; I < ChildButtonCount(); ++I) {
    TspSkinMainMenuBarButton& Button = *FChildButtons[I];
    if (Button.Command != cmSysMenu || !Button.Down) continue;
    Button.Down = false;
    if (I != FActiveButton) Button.Active = Button.MouseIn = false;
    DrawChildButton(Button);
  }
}

// ---------------------------------------------------------------- a button

const TspDataSkinStdButton* TspSkinMainMenuBarButton::SkinRecord() const {
  const TspSkinData* Skin = Parent.SkinData();
  const int Index = Skin && !Skin->Empty ? Skin->GetIndex(IDName) : -1;
  return Index == -1 ? nullptr : Skin->Object<TspDataSkinStdButton>(Index);
}

// The pressed picture while pressed under the mouse, the active one while hot, else
// the normal one, stretched onto the button.
void TspSkinMainMenuBarButton::Draw(TCanvas& ACanvas) {
  const TspDataSkinStdButton* Record = SkinRecord();
  TBitmap* Picture = Record ? Parent.SkinData()->Picture(Record->ActivePictureIndex) : nullptr;
  if (!Picture || IsRectEmpty(Record->SkinRect)) return DefaultDraw(ACanvas);
  const bool Pressed = Down && MouseIn && !IsRectEmpty(Record->DownRect);
  const bool Hot = Active && !IsRectEmpty(Record->ActiveSkinRect);
  const TRect& Source = Pressed ? Record->DownRect : Hot ? Record->ActiveSkinRect : Record->SkinRect;
  ACanvas.CopyRect(ObjectRect, Picture->Canvas(), Source);
}

void TspSkinMainMenuBarButton::DefaultDraw(TCanvas& ACanvas) {
  const TRect R = ObjectRect;
  const bool Pressed = Down && MouseIn;
  DrawBuiltInBarCell(ACanvas, R, Pressed || MouseIn || Active, Pressed);
  const TColor Color = Enabled ? clBtnText : clBtnShadow;
  const int Shift = Pressed ? 1 : 0;
  const int X = R.Left + R.Width() / 2 - 5 + Shift;
  const int Y = R.Top + R.Height() / 2 - 4 + Shift;
  switch (Command) {
    case cmClose:
      DrawCloseGlyph(ACanvas, X, Y, Color);
      break;
    case cmMaximize:
      DrawRestoreGlyph(ACanvas, X, Y, Color);
      break;
    case cmMinimize:
      DrawMinimizeGlyph(ACanvas, X, Y, Color);
      break;
    case cmSysMenu:
      DrawSysMenuGlyph(ACanvas, X, Y, Color);
      break;
    default:
      break;
  }
}

void TspSkinMainMenuBarButton::MouseEnter() {
  MouseIn = true;
  Active = true;
  Parent.DrawChildButton(*this);
}

void TspSkinMainMenuBarButton::MouseLeave() {
  MouseIn = false;
  Active = false;
  // The system-menu button stays down while its menu is open.
  if (!(Down && Command == cmSysMenu)) Parent.DrawChildButton(*this);
}

void TspSkinMainMenuBarButton::MouseDown(TMouseButton AButton) {
  if (!Enabled || AButton != mbLeft || Down) return;
  Down = true;
  Parent.DrawChildButton(*this);
  if (Command == cmSysMenu) DoCommand();
}

void TspSkinMainMenuBarButton::MouseUp(TMouseButton AButton) {
  if (!Enabled || AButton != mbLeft || Command == cmSysMenu) return;
  Down = false;
  Parent.DrawChildButton(*this);
  // A release off the button cancels it.
  if (Active) DoCommand();
}

void TspSkinMainMenuBarButton::DblClick() {
  if (Command != cmSysMenu) return;
  TspSkinForm* Child = FindMaximizedMDIChildSkinForm();
  if (!Child) return;
  if (TspSkinForm* Form = Parent.SkinForm()) {
    Form->SkinMenu().Hide();
    Form->SkinMenuClose();
  }
  Child->Form()->Close();
}

void TspSkinMainMenuBarButton::DoCommand() {
  TspSkinForm* Child = FindMaximizedMDIChildSkinForm();
  if (!Child) return;
  switch (Command) {
    case cmClose:
      Child->Form()->Close();
      break;
    case cmMaximize:
      Child->SetWindowState(wsNormal);
      break;
    case cmMinimize:
      Child->SetWindowState(wsMinimized);
      break;
    case cmSysMenu: {
      TspSkinForm* Form = Parent.SkinForm();
      if (!Form) return;
      Parent.Invalidate();
      const TPoint TopLeft = Parent.ClientToScreen(TPoint{ObjectRect.Left, ObjectRect.Top});
      const TRect R{TopLeft.X, TopLeft.Y, TopLeft.X + ObjectRect.Width(), TopLeft.Y + ObjectRect.Height()};
      Form->SkinMenuOpen();
      Form->SkinMenu().Popup(&Parent, Form->MenuSkin(), 0, R, Child->GetSystemMenuItems(), Parent.PopupToUp);
      break;
    }
    default:
      break;
  }
}
