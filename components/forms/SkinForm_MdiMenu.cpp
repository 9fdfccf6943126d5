// The window menu: one entry per shown document in the frame's WindowMenu, named after
// the document, owned by the document's component, checked while its document is
// active; its click brings the document forward.

#include "components/forms/SkinForm.h"

namespace {

constexpr const char* ChildItemMark = "_DSFCHILDITEM";

TMenuItem* MainWindowMenu() {
  TCustomForm* Main = Application->MainForm();
  return Main != nullptr && FindSkinForm(Main) != nullptr ? Main->WindowMenu() : nullptr;
}

bool IsChildItem(const TMenuItem& AItem) { return AItem.Name().find(ChildItemMark) != String::npos; }

// The document's name an entry stands for: its name without the first mark.
String ChildNameOf(const TMenuItem& AItem) {
  String Name = AItem.Name();
  if (const auto At = Name.find(ChildItemMark); At != String::npos)
    Name.erase(At, String(ChildItemMark).size());
  return Name;
}

// The first entry of the document named AName; nullptr when none.
TMenuItem* EntryOf(TMenuItem& AMenu, const String& AName) {
  for (int I = 0; I < AMenu.Count(); ++I)
    if (TMenuItem* Item = AMenu.Items(I); IsChildItem(*Item) && ChildNameOf(*Item) == AName) return Item;
  return nullptr;
}

}  // namespace

void TspSkinFormMdi::AddChildToMenu(TCustomForm* Child) {
  TMenuItem* Menu = MainWindowMenu();
  if (Menu == nullptr) return;
  auto* Item = new TMenuItem(&SkinForm);
  Item->SetName(Child->Name() + ChildItemMark);
  Item->SetCaption(Child->Caption());
  Item->OnClick = [this](TObject* ASender) { MDIItemClick(ASender); };
  Menu->Add(Item);
}

void TspSkinFormMdi::DeleteChildFromMenu(TCustomForm* Child) {
  TMenuItem* Menu = MainWindowMenu();
  if (Menu == nullptr) return;
  delete EntryOf(*Menu, Child->Name());
  // With the last document gone no entry may stay behind.
  if (Application->MainForm()->MDIChildCount() != 0) return;
  for (int I = 0; I < Menu->Count(); ++I)
    if (IsChildItem(*Menu->Items(I))) {
      delete Menu->Items(I);
      return;
    }
}

void TspSkinFormMdi::UpDateChildCaptionInMenu(TCustomForm* Child) {
  if (TMenuItem* Menu = MainWindowMenu())
    if (TMenuItem* Item = EntryOf(*Menu, Child->Name())) Item->SetCaption(Child->Caption());
}

void TspSkinFormMdi::UpDateChildActiveInMenu() {
  TMenuItem* Menu = MainWindowMenu();
  if (Menu == nullptr) return;
  TCustomForm* Active = Application->MainForm()->ActiveMDIChild();
  for (int I = 0; I < Menu->Count(); ++I)
    if (TMenuItem* Item = Menu->Items(I); IsChildItem(*Item))
      Item->SetChecked(Active != nullptr && ChildNameOf(*Item) == Active->Name());
}

void TspSkinFormMdi::MDIItemClick(TObject* Sender) {
  auto* Item = dynamic_cast<TMenuItem*>(Sender);
  TCustomForm* Main = Application->MainForm();
  if (Item == nullptr || Main == nullptr) return;
  const String Name = ChildNameOf(*Item);
  // Showing one reorders the documents: the matching ones are found first.
  std::vector<TCustomForm*> Matching;
  for (int I = 0; I < Main->MDIChildCount(); ++I)
    if (Main->MDIChildren(I)->Name() == Name) Matching.push_back(Main->MDIChildren(I));
  for (TCustomForm* Child : Matching) {
    if (TspSkinForm* ChildSkin = FindSkinForm(Child); ChildSkin && ChildSkin->WindowState() == wsMinimized)
      ChildSkin->SetWindowState(wsNormal);
    Child->Show();
  }
}
