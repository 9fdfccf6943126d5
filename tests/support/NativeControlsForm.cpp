#include "tests/support/NativeControlsForm.h"

#include "platform/ui/Label.h"
#include "tests/support/OutlinedPageControl.h"

namespace testing_support {

TNativeControlsForm::TNativeControlsForm(TComponent* AOwner) : TForm(AOwner) {
  BeginLoading();
  SetName("NativeControlsForm");
  SetCaption("Demo controls");
  SetBounds(FormBounds.Left, FormBounds.Top, FormBounds.Width(), FormBounds.Height());
  AddEdits();
  AddLists();
  AddPages();
  AddTree();
  AddListView();
  EndLoading();
}

TPoint TNativeControlsForm::EditEndPoint() {
  return Edit->ClientToScreen({Edit->ClientWidth() - 10, Edit->ClientHeight() / 2});
}

void TNativeControlsForm::AddEdits() {
  Edit = new TEdit(this);
  Edit->SetParent(this);
  Edit->SetBounds(10, 10, 280, Edit->Height());
  Edit->SetHideSelection(false);
  // The selection set below stays when the form focuses the edit.
  Edit->AutoSelect = false;
  Edit->SetText("Holiday video");
  Edit->SetSelStart(8);
  Edit->SetSelLength(5);

  MaskEdit = new TMaskEdit(this);
  MaskEdit->SetParent(this);
  MaskEdit->SetBounds(300, 10, 100, MaskEdit->Height());
  MaskEdit->SetEditMask("!90:00:00;1; ");
  MaskEdit->SetText("00:01:30");

  Memo = new TMemo(this);
  Memo->SetParent(this);
  Memo->SetBounds(10, 45, 280, 95);
  Memo->Lines().Add("A memo wraps long lines at the blanks before the word that would pass its right edge.");
  Memo->Lines().Add("Grüße aus Köln.");
}

void TNativeControlsForm::AddLists() {
  ListBox = new TListBox(this);
  ListBox->SetParent(this);
  ListBox->SetBounds(300, 45, 270, 95);
  for (int I = 1; I <= 8; ++I) ListBox->Items().Add(Format("clip%02d.mp4", I));
  ListBox->SetItemIndex(2);
}

void TNativeControlsForm::AddPages() {
  Pages = new TOutlinedPageControl(this);
  Pages->SetParent(this);
  Pages->SetBounds(10, 150, 560, 80);
  Pages->SetTabWidth(70);
  Pages->SetTabHeight(20);
  for (const char* Caption : {"Crop", "Adjust", "Audio"}) {
    auto* Sheet = new TTabSheet(this);
    Sheet->SetCaption(Caption);
    Sheet->SetPageControl(Pages);
    auto* Text = new TLabel(this);
    Text->SetParent(Sheet);
    Text->SetBounds(8, 8, 200, 16);
    Text->SetCaption(Format("The \"%s\" page", Caption));
  }
  Pages->SetActivePageIndex(0);
}

void TNativeControlsForm::AddTree() {
  Tree = new TTreeView(this);
  Tree->SetParent(this);
  Tree->SetBounds(10, 240, 280, 215);
  Tree->SetHideSelection(false);
  TTreeNodes& Nodes = Tree->Items();
  TTreeNode* Videos = Nodes.AddChild(nullptr, "Videos");
  for (const char* Name : {"Holiday", "Concert"}) Nodes.AddChild(Videos, Name);
  TTreeNode* Music = Nodes.AddChild(nullptr, "Music");
  for (const char* Name : {"Songs", "Podcasts"}) Nodes.AddChild(Music, Name);
  Nodes.AddChild(nullptr, "Pictures");
  Videos->Expand(false);
}

void TNativeControlsForm::AddListView() {
  List = new TListView(this);
  List->SetParent(this);
  List->SetBounds(300, 240, 270, 215);
  List->SetViewStyle(vsReport);
  List->SetRowSelect(true);
  List->SetHideSelection(false);
  const char* Captions[] = {"Name", "Size", "Type"};
  for (int I = 0; I < 3; ++I) {
    TListColumn* Column = List->Columns().Add();
    Column->SetCaption(Captions[I]);
    Column->SetWidth(I == 0 ? 110 : 70);
  }
  List->Columns()[1]->SetAlignment(taRightJustify);
  const char* Names[] = {"holiday.mp4", "concert.avi", "interview.mkv",
                         "music.mp3",   "podcast.ogg", "voice.wav"};
  for (int I = 0; I < 6; ++I) {
    TListItem* Item = List->Items().Add();
    Item->SetCaption(Names[I]);
    Item->SubItems().Add(Format("%d MB", 12 * (I + 1)));
    Item->SubItems().Add(I < 3 ? "Video" : "Audio");
  }
}

}  // namespace testing_support
