#pragma once
// A demonstration form with one of each native-control stand-in, built in code the same
// way on every backend: an edit with a selection, a wrapped memo, a time mask edit, a
// list box with a selected row, a page control with three tabs, a tree view with one
// branch open and a list view in report view. The class-library tests drive it on the
// headless backend and save it as a picture for a person to look at; the end-to-end
// tests show it on a virtual display and compare its pixels with the headless ones.
// User-interface thread only.

#include "platform/ui/Forms.h"
#include "platform/ui/native/Edit.h"
#include "platform/ui/native/ListBox.h"
#include "platform/ui/native/ListView.h"
#include "platform/ui/native/MaskEdit.h"
#include "platform/ui/native/Memo.h"
#include "platform/ui/native/PageControl.h"
#include "platform/ui/native/TreeView.h"

namespace testing_support {

class TNativeControlsForm : public TForm {
 public:
  // Where the form stands, in screen coordinates (its window rectangle).
  static constexpr TRect FormBounds = Bounds(670, 220, 590, 500);

  // "Demo controls", hidden until shown.
  explicit TNativeControlsForm(TComponent* AOwner);

  // "Holiday video" with "video" selected, shown also without the focus.
  TEdit* Edit = nullptr;
  TMemo* Memo = nullptr;
  // "!90:00:00;1; ", holding "00:01:30".
  TMaskEdit* MaskEdit = nullptr;
  // Eight clips, the third selected.
  TListBox* ListBox = nullptr;
  // "Crop", "Adjust" and "Audio", the first active.
  TPageControl* Pages = nullptr;
  // "Videos" open with two children; "Music" closed with two; "Pictures".
  TTreeView* Tree = nullptr;
  // Name, Size and Type of six files.
  TListView* List = nullptr;

  // A point of the edit right of its text, in screen coordinates: a click there puts
  // the caret at the end.
  TPoint EditEndPoint();

 private:
  void AddEdits();
  void AddLists();
  void AddPages();
  void AddTree();
  void AddListView();
};

}  // namespace testing_support
