// Edits, the button edit, the memo, the spin edit and the combo box: a white box with
// a one-pixel border, and a two-pixel accent ring while it has the focus.

#include "resources/skin-new/SkinNewBuildInternal.h"

namespace skin_new {

namespace {

constexpr int EditWidth = 100;
constexpr int EditButtonWidth = 24;

struct TEditLooks {
  TRect Normal, Active;
};

TEditLooks DrawEditBoxes(TSkinNewSheet& ASheet) {
  TSkinNewPainter& P = ASheet.Painter();
  TEditLooks Looks;
  Looks.Normal = ASheet.Place(EditWidth, metrics::EditHeight);
  P.Box(Looks.Normal, metrics::ButtonRadius, palette::Surface, palette::Border);
  Looks.Active = ASheet.Place(EditWidth, metrics::EditHeight);
  P.Box(Looks.Active, metrics::ButtonRadius, palette::Surface, palette::Accent);
  P.FrameRoundRect(Looks.Active, metrics::ButtonRadius, 2, palette::Accent);
  return Looks;
}

// The button at the right end of an edit, relative to the edit.
TRect EditButtonPlace() {
  return Rect(EditWidth - 2 - EditButtonWidth, 2, EditWidth - 2, metrics::EditHeight - 2);
}

void DrawEllipsis(TSkinNewPainter& APainter, TPointF ACentre, TColor AColor) {
  for (int I = -1; I <= 1; ++I) APainter.FillCircle({ACentre.X + I * 4, ACentre.Y}, 1.2, AColor);
}

struct TEditButtonLooks {
  TRect Hot, Down, Disabled;
};

// The button's looks under the pointer, pressed and disabled, and its normal look
// drawn into both edit boxes.
template <typename TDrawGlyph>
TEditButtonLooks DrawEditButton(TSkinNewSheet& ASheet, const TEditLooks& AEdit, TDrawGlyph ADrawGlyph) {
  TSkinNewPainter& P = ASheet.Painter();
  for (const TRect& Box : {AEdit.Normal, AEdit.Active}) {
    const TRect Place = EditButtonPlace();
    ADrawGlyph(CentreOf(Rect(Box.Left + Place.Left, Box.Top + Place.Top, Box.Left + Place.Right,
                             Box.Top + Place.Bottom)),
               palette::SecondaryText);
  }
  auto Look = [&](TColor AFill, TColor AInk) {
    const TRect R = ASheet.Place(EditButtonWidth, metrics::EditHeight - 4);
    P.Fill(R, palette::Surface);
    P.FillRoundRect(R, 4, AFill);
    ADrawGlyph(CentreOf(R), AInk);
    return R;
  };
  TEditButtonLooks Looks;
  Looks.Hot = Look(palette::Light, palette::Text);
  Looks.Down = Look(palette::Pressed, palette::Text);
  Looks.Disabled = Look(palette::Surface, palette::DisabledText);
  ASheet.NewRow();
  return Looks;
}

template <typename TRecord>
TRecord& AddEditRecord(TSkinNew& ASkin, const char* AIDName, int APicture, const TEditLooks& ALooks,
                       int ARightEdge) {
  auto& Edit = ASkin.AddControl<TRecord>(AIDName);
  Edit.PictureIndex = APicture;
  SetNinePartEdges(Edit, ALooks.Normal, Rect(metrics::EditPadding, 6, ARightEdge, 6));
  Edit.ActiveSkinRect = ALooks.Active;
  SetSkinFont(Edit, palette::Text);
  Edit.ActiveFontColor = palette::Text;
  Edit.DisabledFontColor = palette::DisabledText;
  return Edit;
}

}  // namespace

void BuildEdits(TSkinNew& ASkin) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const TEditLooks Plain = DrawEditBoxes(Sheet);
  Sheet.NewRow();
  const TEditLooks WithButton = DrawEditBoxes(Sheet);
  const TEditButtonLooks Ellipsis =
      DrawEditButton(Sheet, WithButton, [&](TPointF AC, TColor AInk) { DrawEllipsis(P, AC, AInk); });
  const TEditLooks ComboBox = DrawEditBoxes(Sheet);
  const TEditButtonLooks Arrow =
      DrawEditButton(Sheet, ComboBox, [&](TPointF AC, TColor AInk) { DrawChevron(P, AC, saDown, 8, AInk); });
  const TEditLooks Spin = DrawEditBoxes(Sheet);
  const TRect SpinUp = Rect(EditWidth - 20, 3, EditWidth - 3, metrics::EditHeight / 2);
  const TRect SpinDown =
      Rect(EditWidth - 20, metrics::EditHeight / 2, EditWidth - 3, metrics::EditHeight - 3);
  for (const TRect& Box : {Spin.Normal, Spin.Active}) {
    DrawChevron(
        P, CentreOf(Bounds(Box.Left + SpinUp.Left, Box.Top + SpinUp.Top, SpinUp.Width(), SpinUp.Height())),
        saUp, 7, palette::SecondaryText);
    DrawChevron(P,
                CentreOf(Bounds(Box.Left + SpinDown.Left, Box.Top + SpinDown.Top, SpinDown.Width(),
                                SpinDown.Height())),
                saDown, 7, palette::SecondaryText);
  }
  auto SpinLook = [&](TSkinNewArrow AArrow, TColor AFill) {
    const TRect R = Sheet.Place(SpinUp.Width(), SpinUp.Height());
    P.Fill(R, palette::Surface);
    P.FillRoundRect(R, 3, AFill);
    DrawChevron(P, CentreOf(R), AArrow, 7, palette::Text);
    return R;
  };
  const TRect SpinUpHot = SpinLook(saUp, palette::Light), SpinUpDown = SpinLook(saUp, palette::Pressed);
  const TRect SpinDownHot = SpinLook(saDown, palette::Light),
              SpinDownDown = SpinLook(saDown, palette::Pressed);
  Sheet.NewRow();
  const TRect Item = Sheet.Place(60, 20);
  P.Fill(Item, palette::Surface);
  const int Picture = Sheet.Finish(ASkin, "edits.bmp");

  AddEditRecord<TspDataSkinEditControl>(ASkin, "edit", Picture, Plain, metrics::EditPadding);
  auto& Memo = AddEditRecord<TspDataSkinMemoControl>(ASkin, "memo", Picture, Plain, metrics::EditPadding);
  Memo.BGColor = Memo.ActiveBGColor = palette::Surface;
  auto& ButtonEdit =
      AddEditRecord<TspDataSkinEditControl>(ASkin, "buttonedit", Picture, WithButton, EditButtonWidth + 4);
  ButtonEdit.ButtonRect = EditButtonPlace();
  ButtonEdit.ActiveButtonRect = Ellipsis.Hot;
  ButtonEdit.DownButtonRect = Ellipsis.Down;
  ButtonEdit.UnEnabledButtonRect = Ellipsis.Disabled;

  auto& SpinEdit = ASkin.AddControl<TspDataSkinSpinEditControl>("spinedit");
  SpinEdit.PictureIndex = Picture;
  SetNinePartEdges(SpinEdit, Spin.Normal, Rect(metrics::EditPadding, 6, 22, 6));
  SpinEdit.ActiveSkinRect = Spin.Active;
  SetSkinFont(SpinEdit, palette::Text);
  SpinEdit.ActiveFontColor = palette::Text;
  SpinEdit.DisabledFontColor = palette::DisabledText;
  SpinEdit.UpButtonRect = SpinUp;
  SpinEdit.ActiveUpButtonRect = SpinUpHot;
  SpinEdit.DownUpButtonRect = SpinUpDown;
  SpinEdit.DownButtonRect = SpinDown;
  SpinEdit.ActiveDownButtonRect = SpinDownHot;
  SpinEdit.DownDownButtonRect = SpinDownDown;

  auto& Combo = ASkin.AddControl<TspDataSkinComboBox>("combobox");
  Combo.PictureIndex = Picture;
  SetNinePartEdges(Combo, ComboBox.Normal, Rect(metrics::EditPadding, 4, EditButtonWidth + 4, 4));
  Combo.ActiveSkinRect = ComboBox.Active;
  Combo.ButtonRect = EditButtonPlace();
  Combo.ActiveButtonRect = Arrow.Hot;
  Combo.DownButtonRect = Arrow.Down;
  Combo.UnEnabledButtonRect = Arrow.Disabled;
  Combo.SItemRect = Combo.ActiveItemRect = Combo.FocusItemRect = Item;
  Combo.ItemLeftOffset = Combo.ItemRightOffset = 2;
  Combo.ItemTextRect = Rect(2, 0, Item.Width() - 2, Item.Height());
  SetSkinFont(Combo, palette::Text);
  Combo.ActiveFontColor = palette::Text;
  Combo.FocusFontColor = palette::Text;
  Combo.ListBoxName = "listbox";
}

}  // namespace skin_new
