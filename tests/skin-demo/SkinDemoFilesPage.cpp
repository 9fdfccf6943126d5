// The "Files" page: a folder tree and a report-style list of files side by side, each
// with its skinned scroll bar, a splitter between them, and the list's popup menu.

#include "tests/skin-demo/SkinDemo.h"

namespace skin_demo {
namespace {

constexpr int BarWidth = 12;

// A borderless panel aligned in APage that holds a view and its upright bar.
TspSkinPanel* AddViewPanel(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage, TAlign AAlign) {
  auto* Panel = PlaceControl<TspSkinPanel>(ADemo, APage, ASkin, Bounds(0, 0, 230, 100));
  Panel->SetBorderStyle(bvNone);
  Panel->SetAlign(AAlign);
  return Panel;
}

// AView fills APanel but for its upright bar at the right; both follow the panel's size.
void PlaceWithUprightBar(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APanel, TWinControl* AView,
                         const std::function<void(TspSkinScrollBar*)>& AGiveBar) {
  const int W = APanel->ClientWidth(), H = APanel->ClientHeight();
  auto* Bar = new TspSkinScrollBar(ADemo.Form);
  Bar->SetParent(APanel);
  Bar->SetKind(sbVertical);
  Bar->SetSkinDataName("vscrollbar");
  Bar->SetBounds(W - BarWidth, 0, BarWidth, H);
  Bar->SetAnchors({akTop, akRight, akBottom});
  Bar->SetSkinData(ASkin);
  AView->SetParent(APanel);
  AView->SetBounds(0, 0, W - BarWidth, H);
  AView->SetAnchors({akLeft, akTop, akRight, akBottom});
  AGiveBar(Bar);
}

void BuildFolders(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APanel) {
  auto* Tree = new TspSkinCustomTreeView(ADemo.Form);
  ADemo.Folders = Tree;
  PlaceWithUprightBar(ADemo, ASkin, APanel, Tree,
                      [Tree](TspSkinScrollBar* ABar) { Tree->SetVScrollBar(ABar); });
  Tree->SetSkinData(ASkin);
  Tree->SetDrawSkin(true);
  for (const char* Folder : {"Videos", "Music", "Pictures", "Recordings", "Downloads"}) {
    TTreeNode* Node = Tree->Items().Add(nullptr, Folder);
    for (int I = 1; I <= 3; ++I) Tree->Items().AddChild(Node, String(Folder) + " " + std::to_string(I));
  }
  Tree->Items().Item(0)->Expand(false);
  Tree->OnChange = [Say = ADemo.Say](TObject*, TTreeNode* ANode) {
    if (ANode) Say("folder " + std::string(ANode->Text()));
  };
}

void BuildFiles(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APanel) {
  auto* List = new TspSkinListView(ADemo.Form);
  ADemo.Files = List;
  PlaceWithUprightBar(ADemo, ASkin, APanel, List,
                      [List](TspSkinScrollBar* ABar) { List->SetVScrollBar(ABar); });
  List->SetViewStyle(vsReport);
  List->SetRowSelect(true);
  List->SetHideSelection(false);
  List->SetSkinData(ASkin);
  List->SetDrawSkin(true);
  List->DrawSkinLines = true;
  const std::pair<const char*, int> Columns[] = {
      {"Name", 170}, {"Duration", 80}, {"Size", 80}, {"Status", 120}};
  for (const auto& [Caption, Width] : Columns) {
    TListColumn* Column = List->Columns().Add();
    Column->SetCaption(Caption);
    Column->SetWidth(Width);
  }
  List->Columns()[1]->SetAlignment(taRightJustify);
  List->Columns()[2]->SetAlignment(taRightJustify);
  for (int I = 1; I <= 30; ++I) {
    TListItem* Item = List->Items().Add();
    Item->SetCaption("holiday clip " + std::string(I < 10 ? "0" : "") + std::to_string(I) + ".mp4");
    Item->SubItems().Add(Format("%d:%.2d", 1 + I * 7 % 9, I * 13 % 60));
    Item->SubItems().Add(std::to_string(10 + I * 7 % 90) + " MB");
    Item->SubItems().Add(I < 4 ? "Converted" : "Ready");
  }
  List->Items().Item(0)->SetSelected(true);

  ADemo.FilesMenu = new TspSkinPopupMenu(ADemo.Form);
  for (const char* Caption : {"Play", "Show in folder", "File information", "-", "Remove"})
    AddDemoMenuItem(ADemo, ADemo.FilesMenu->Items(), Caption, "popup");
  List->SetPopupMenu(ADemo.FilesMenu);
}

}  // namespace

void BuildFilesPage(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage) {
  TspSkinPanel* Left = AddViewPanel(ADemo, ASkin, APage, alLeft);
  auto* Splitter = new TspSkinSplitterEx(ADemo.Form);
  Splitter->SetSkinDataName("vsplitter");
  Splitter->SetParent(APage);
  Splitter->SetBounds(Left->Width(), 0, 6, 100);
  Splitter->SetAlign(alLeft);
  Splitter->SetSkinData(ASkin);
  TspSkinPanel* Right = AddViewPanel(ADemo, ASkin, APage, alClient);
  BuildFolders(ADemo, ASkin, Left);
  BuildFiles(ADemo, ASkin, Right);
}

}  // namespace skin_demo
