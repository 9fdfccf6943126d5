// The form's system menu: the standard items of the window's state, made afresh for
// every opening, either as the component's own menu or merged into the application's
// SystemMenu; and opening it at a point, a rectangle or below the system-menu button.

#include <algorithm>

#include "components/forms/SkinForm.h"
#include "platform/ui/ShortCuts.h"
#include "platform/win/WindowPos.h"

namespace {

// A standard item: its name, the skin's caption key and the built-in caption.
struct TSystemMenuItemText {
  const char* Name;
  const char* CaptionKey;
  const char* BuiltInCaption;
};

constexpr TSystemMenuItemText SystemMenuItemTexts[] = {
    {"DSF_MINITEM", "MI_MINCAPTION", "Mi&nimize"},
    {"DSF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize"},
    {"DSF_RESTORE", "MI_RESTORECAPTION", "&Restore"},
    {"DSF_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp"},
    {"DSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray"},
    {"DSF_CLOSE", "MI_CLOSECAPTION", "&Close"},
};

const TSystemMenuItemText& SystemMenuItemText(const String& AName) {
  return *std::find_if(std::begin(SystemMenuItemTexts), std::end(SystemMenuItemTexts),
                       [&](const TSystemMenuItemText& AText) { return AName == AText.Name; });
}

bool IsStandardSystemItemName(const String& AName) {
  return std::any_of(std::begin(SystemMenuItemTexts), std::end(SystemMenuItemTexts),
                     [&](const TSystemMenuItemText& AText) { return AName == AText.Name; });
}

}  // namespace

std::vector<String> TspSkinForm::StandardSystemItemNames(TspBorderIcons AIcons, TWindowState AState,
                                                         bool ARolledUp, bool AMaximizedMDIChild) {
  std::vector<String> Names;
  if (AIcons.Contains(TspSkinForm::biMinimize) && AState != wsMinimized) Names.push_back("DSF_MINITEM");
  if (AIcons.Contains(TspSkinForm::biMaximize) && AState != wsMaximized) Names.push_back("DSF_MAXITEM");
  if (AState != wsNormal || ARolledUp) Names.push_back("DSF_RESTORE");
  if (AIcons.Contains(TspSkinForm::biRollUp) && !ARolledUp && AState != wsMinimized && !AMaximizedMDIChild)
    Names.push_back("DSF_ROLLUP");
  if (AIcons.Contains(TspSkinForm::biMinimizeToTray)) Names.push_back("DSF_MINTOTRAY");
  return Names;
}

TMenuItem* TspSkinFormMenus::NewStandardSystemItem(const String& AName) {
  const TSystemMenuItemText& Text = SystemMenuItemText(AName);
  auto* Item = new TMenuItem(&SkinForm);
  Item->SetName(AName);
  const TspResourceStrData* Strings = SkinForm.FSD ? SkinForm.FSD->ResourceStrData() : nullptr;
  Item->SetCaption(Strings ? Strings->GetResStr(Text.CaptionKey) : String(Text.BuiltInCaption));
  if (AName == "DSF_CLOSE")
    Item->SetShortCut(TextToShortCut(SkinForm.FForm->FormStyle() == fsMDIChild ? "Ctrl+F4" : "Alt+F4"));
  Item->OnClick = [this, AName](TObject*) { RunStandardSystemItem(AName); };
  return Item;
}

void TspSkinFormMenus::RunStandardSystemItem(const String& AName) {
  if (AName == "DSF_MINITEM") {
    if (SkinForm.AlwaysMinimizeToTray)
      MinimizeToTray();
    else
      SkinForm.States().SetWindowState(wsMinimized);
  } else if (AName == "DSF_MAXITEM") {
    SkinForm.States().SetWindowState(wsMaximized);
  } else if (AName == "DSF_RESTORE") {
    // A rolled-up form that asked for the normal state comes down; any other comes back
    // to the normal state.
    if (SkinForm.States().MaxRolledUp() || (SkinForm.FRollUpState && SkinForm.FWindowStateInit == wsNormal))
      SkinForm.States().SetRollUpState(false);
    else
      SkinForm.States().SetWindowState(wsNormal);
  } else if (AName == "DSF_ROLLUP") {
    SkinForm.States().SetRollUpState(true);
  } else if (AName == "DSF_MINTOTRAY") {
    MinimizeToTray();
  } else if (AName == "DSF_CLOSE") {
    SkinForm.FForm->Close();
  }
}

void TspSkinFormMenus::BuildSystemMenu() {
  if (!FSysMenu) FSysMenu = new TPopupMenu(&SkinForm);
  TMenuItem* Items = FSysMenu->Items();
  while (Items->Count() > 0) delete Items->Items(Items->Count() - 1);
  const std::vector<String> Names = SkinForm.StandardSystemItemNames(
      SkinForm.FBorderIcons, SkinForm.FWindowState, SkinForm.FRollUpState, SkinForm.IsMaximizedMDIChild());
  for (const String& Name : Names) Items->Add(NewStandardSystemItem(Name));
  if (!Names.empty()) {
    auto* Separator = new TMenuItem(&SkinForm);
    Separator->SetCaption(cLineCaption);
    Items->Add(Separator);
  }
  Items->Add(NewStandardSystemItem("DSF_CLOSE"));
}

void TspSkinFormMenus::MergeSystemMenu() {
  if (!SkinForm.UseDefaultSysMenu) return;
  TMenuItem* Items = SkinForm.FSystemMenu->Items();
  for (int I = Items->Count() - 1; I >= 0; --I)
    if (IsStandardSystemItemName(Items->Items(I)->Name())) delete Items->Items(I);
  const std::vector<String> Names = SkinForm.StandardSystemItemNames(
      SkinForm.FBorderIcons, SkinForm.FWindowState, SkinForm.FRollUpState, SkinForm.IsMaximizedMDIChild());
  // The merged menu leads with the items in the order minimize, restore, maximize,
  // roll up, to tray.
  for (const char* Name : {"DSF_MINTOTRAY", "DSF_ROLLUP", "DSF_MAXITEM", "DSF_RESTORE", "DSF_MINITEM"})
    if (std::find(Names.begin(), Names.end(), Name) != Names.end())
      Items->Insert(0, NewStandardSystemItem(Name));
  Items->Add(NewStandardSystemItem("DSF_CLOSE"));
}

TMenuItem* TspSkinFormMenus::GetSystemMenuItems() {
  if (SkinForm.FSystemMenu) {
    MergeSystemMenu();
    return SkinForm.FSystemMenu->Items();
  }
  BuildSystemMenu();
  return FSysMenu->Items();
}

void TspSkinFormMenus::PopupSystemMenu(int AX, int AY) { PopupSystemMenuFromRect(Rect(AX, AY, AX, AY)); }

// An MDI child's menu opens through the main form's component, in its menu skin; the
// child hears the chain's close, which ends its own menu state.
void TspSkinFormMenus::PopupSystemMenuFromRect(const TRect& ARect) {
  TMenuItem* Items = GetSystemMenuItems();
  TspSkinForm* Host =
      SkinForm.FForm->FormStyle() == fsMDIChild ? FindSkinForm(Application->MainForm()) : &SkinForm;
  if (!Host) return;
  SkinMenuOpen();
  Host->SkinMenu().Popup(Host == &SkinForm ? nullptr : SkinForm.FForm, Host->MenuSkin(), 0, ARect, Items,
                         false);
}

void TspSkinFormMenus::OpenSystemMenuByKey() {
  if (SkinForm.DisableSystemMenu) return;
  for (const auto& Object : SkinForm.ObjectList) {
    auto* Button = dynamic_cast<TspSkinStdButtonObject*>(Object.get());
    if (!Button || !Button->Enabled || Button->Command != cmSysMenu) continue;
    PopupSystemMenuFromRect(SkinForm.Objects().ObjectRectToScreen(Button->ObjectRect));
    return;
  }
}
