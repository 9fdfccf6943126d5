// TspPageAccess: a notebook's pages as a string list of their captions.

#include "components/controls/SkinBars.h"
#include "platform/base/Lists.h"

int TspPageAccess::GetCount() const { return FNotebook.PageCount(); }

String TspPageAccess::Get(int AIndex) const { return FNotebook.Page(AIndex)->Caption(); }

void* TspPageAccess::GetObject(int AIndex) const { return FNotebook.Page(AIndex); }

void TspPageAccess::Put(int AIndex, const String& AText) {
  FNotebook.Page(AIndex)->SetCaption(AText);
  if (FNotebook.FButtonsMode) FNotebook.UpdateButton(AIndex, AText);
}

// A page inserted at or before the shown one moves the shown one down the list, so the
// new page always differs from it and shows.
void TspPageAccess::Insert(int AIndex, const String& AText) {
  FNotebook.AddPage(AIndex, AText);
  if (AIndex <= FNotebook.FPageIndex) ++FNotebook.FPageIndex;
  FNotebook.SetPageIndex(AIndex);
  FNotebook.RebuildButtons();
}

// Freeing the shown page leaves none shown, so page 0 shows next.
void TspPageAccess::Delete(int AIndex) {
  FNotebook.FreePage(AIndex);
  FNotebook.SetPageIndex(0);
  FNotebook.RebuildButtons();
}

void TspPageAccess::Clear() {
  while (FNotebook.PageCount() > 0) FNotebook.FreePage(FNotebook.PageCount() - 1);
  FNotebook.RebuildButtons();
}

// The shown page keeps showing, at its new place.
void TspPageAccess::Exchange(int AIndex1, int AIndex2) {
  CheckListIndex(AIndex1, Count());
  CheckListIndex(AIndex2, Count());
  std::vector<TspSkinPage*>& Pages = FNotebook.FPageList;
  std::swap(Pages[AIndex1], Pages[AIndex2]);
  int& Shown = FNotebook.FPageIndex;
  if (Shown == AIndex1)
    Shown = AIndex2;
  else if (Shown == AIndex2)
    Shown = AIndex1;
  FNotebook.RebuildButtons();
}
