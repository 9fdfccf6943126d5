// GlobalChangeFont: one font name for every text the skin draws with a font of its
// own, and a height correction.

#include "components/core/SkinData.h"

namespace {

struct TspFontChange {
  const String& Name;
  int HeightCorrection;

  void Apply(String& AFontName, int& AFontHeight) const {
    AFontName = Name;
    AFontHeight += HeightCorrection;
  }
  template <typename TRecord>
  bool ApplyIfKind(auto& ARecord) const {
    auto* Record = dynamic_cast<TRecord*>(&ARecord);
    if (Record) Apply(Record->FontName, Record->FontHeight);
    return Record != nullptr;
  }
};

void ChangeObjectFont(TspDataSkinObject& AObject, const TspFontChange& AChange) {
  AChange.ApplyIfKind<TspDataSkinLabel>(AObject) || AChange.ApplyIfKind<TspDataSkinMenuItem>(AObject) ||
      AChange.ApplyIfKind<TspDataSkinMainMenuBarItem>(AObject) ||
      AChange.ApplyIfKind<TspDataSkinCaption>(AObject);
}

void ChangeControlFont(TspDataSkinControl& AControl, const TspFontChange& AChange) {
  if (auto* Grid = dynamic_cast<TspDataSkinGridControl*>(&AControl)) {
    AChange.Apply(Grid->FontName, Grid->FontHeight);
    AChange.Apply(Grid->FixedFontName, Grid->FixedFontHeight);
  } else if (auto* ListBox = dynamic_cast<TspDataSkinListBox*>(&AControl)) {
    AChange.Apply(ListBox->FontName, ListBox->FontHeight);
    AChange.Apply(ListBox->CaptionFontName, ListBox->CaptionFontHeight);
  } else {
    // List views and rich edits share their keys, not their kind; memos are edits and
    // menu buttons buttons.
    AChange.ApplyIfKind<TspDataSkinTreeView>(AControl) ||
        AChange.ApplyIfKind<TspDataSkinViewControl>(AControl) ||
        AChange.ApplyIfKind<TspDataSkinTabControl>(AControl) ||
        AChange.ApplyIfKind<TspDataSkinComboBox>(AControl) ||
        AChange.ApplyIfKind<TspDataSkinSpinEditControl>(AControl) ||
        AChange.ApplyIfKind<TspDataSkinEditControl>(AControl) ||
        AChange.ApplyIfKind<TspDataSkinStdLabelControl>(AControl) ||
        AChange.ApplyIfKind<TspDataSkinLabelControl>(AControl) ||
        AChange.ApplyIfKind<TspDataSkinGaugeControl>(AControl) ||
        AChange.ApplyIfKind<TspDataSkinButtonControl>(AControl) ||
        AChange.ApplyIfKind<TspDataSkinCheckRadioControl>(AControl) ||
        AChange.ApplyIfKind<TspDataSkinPanelControl>(AControl) ||
        AChange.ApplyIfKind<TspDataSkinExPanelControl>(AControl);
  }
}

}  // namespace

void TspSkinData::GlobalChangeFont(const String& AFontName, int AHeightCorrection) {
  const TspFontChange Change{AFontName, AHeightCorrection};
  Change.Apply(HintWindow->FontName, HintWindow->FontHeight);
  for (auto& Object : ObjectList) ChangeObjectFont(*Object, Change);
  for (auto& Control : CtrlList) ChangeControlFont(*Control, Change);
}
