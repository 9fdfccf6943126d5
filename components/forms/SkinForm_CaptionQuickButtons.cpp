// The caption's quick buttons: the form's collection of them, their row at the left
// end of the caption (with the skin's divider), their hot and pressed looks from the
// skin's quick-button element, and the mouse that tracks, presses and clicks them.

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_ObjInternal.h"
#include "components/forms/SkinHint.h"
#include "components/forms/SkinMenus.h"
#include "platform/gdi/Blit.h"

namespace {

// Room the row keeps around each picture, and between one button and the next.
constexpr int QuickButtonMargin = 4;
constexpr int QuickButtonPitchExtra = 8;

// The skin's look of a hot quick button: its own element, else the resizable tool
// button's; nullptr for neither.
const TspDataSkinButtonControl* QuickButtonsSkinElement(const TspSkinData& ASkin) {
  for (const char* Name : {"officequickbutton", "resizetoolbutton"}) {
    const int Index = ASkin.GetControlIndex(Name);
    if (Index >= 0) return ASkin.Control<TspDataSkinButtonControl>(Index);
  }
  return nullptr;
}

}  // namespace

// ---------------------------------------------------------------- the items

TspQuickButtonItem::TspQuickButtonItem(TCollection* ACollection) : TCollectionItem(ACollection) {}

void TspQuickButtonItem::Assign(const TPersistent& ASource) {
  const auto* Other = dynamic_cast<const TspQuickButtonItem*>(&ASource);
  if (!Other) return TCollectionItem::Assign(ASource);
  FImageIndex = Other->FImageIndex;
  Hint = Other->Hint;
  FEnabled = Other->FEnabled;
  FVisible = Other->FVisible;
  Changed(false);
}

void TspQuickButtonItem::SetImageIndex(int AValue) {
  FImageIndex = AValue;
  Changed(false);
}

void TspQuickButtonItem::SetEnabled(bool AValue) {
  FEnabled = AValue;
  Changed(false);
}

void TspQuickButtonItem::SetVisible(bool AValue) {
  FVisible = AValue;
  Changed(false);
}

void TspQuickButtonItem::SetPopupMenu(TspSkinPopupMenu* AValue) {
  FPopupMenu = AValue;
  if (AValue) static_cast<TspQuickButtonItems*>(Collection())->DSF->FreeNotification(AValue);
}

TspQuickButtonItems::TspQuickButtonItems(TspSkinForm* AForm)
    : TCollection(TCollection::ItemClass<TspQuickButtonItem>()), DSF(AForm) {}

void TspQuickButtonItems::Update(TCollectionItem* /*AItem*/) {
  const TComponentState& State = DSF->ComponentState();
  if (State.Contains(csDesigning) || State.Contains(csLoading) || State.Contains(csDestroying)) return;
  DSF->UpDateFormNC();
}

// ---------------------------------------------------------------- the form's side

void TspSkinFormCaption::SetQuickButtons(const TspQuickButtonItems& AValue) { FQuickButtons->Assign(AValue); }

void TspSkinFormCaption::SetQuickImageList(TCustomImageList* AValue) {
  SkinForm.ReplaceNotified(FQuickImageList, AValue);
}

bool TspSkinFormCaption::HasQuickButtons() const { return FQuickButtons->Count() > 0 && FQuickImageList; }

TspSkinFormCaption::TspSkinFormCaption(TspSkinForm& ASkinForm)
    : SkinForm(ASkinForm), FQuickButtons(std::make_unique<TspQuickButtonItems>(&ASkinForm)) {}

void TspSkinFormCaption::ForgetComponent(TComponent* AComponent) {
  if (AComponent == FQuickImageList) FQuickImageList = nullptr;
  for (int I = 0; I < FQuickButtons->Count(); ++I)
    if (FQuickButtons->Item(I).PopupMenu() == AComponent) FQuickButtons->Item(I).SetPopupMenu(nullptr);
}

void TspSkinFormCaption::ReleaseQuickButtons() {
  for (int I = 0; I < FQuickButtons->Count(); ++I) {
    TspQuickButtonItem& Item = FQuickButtons->Item(I);
    Item.Active = false;
    Item.Down = false;
  }
}

// ---------------------------------------------------------------- layout and drawing

bool TspSkinCaptionObject::ShowsQuickButtons() const {
  return Parent->SupportNCArea() && Parent->HasQuickButtons();
}

int TspSkinCaptionObject::QuickButtonsRoom() const {
  // Every button counts, the hidden ones too.
  const int Row =
      Parent->QuickButtons().Count() * (Parent->QuickImageList()->Width() + QuickButtonPitchExtra);
  if (RectangleIsEmpty(DividerRect)) return Row + 5;
  return RectangleWidth(DividerRect) + Row + 6;
}

const TRect& TspSkinCaptionObject::CurrentDividerRect() const {
  return Active || RectangleIsEmpty(InActiveDividerRect) ? DividerRect : InActiveDividerRect;
}

void TspSkinCaptionObject::DrawQuickButtons(TCanvas& Cnvs) {
  TCustomImageList& Images = *Parent->QuickImageList();
  const bool HasDivider = !RectangleIsEmpty(DividerRect);
  const TRect& Divider = CurrentDividerRect();
  if (HasDivider && ActivePicture && !RectangleIsEmpty(Divider)) {
    const int Y = ObjectRect.Top + RectangleHeight(TextRct) / 2 - RectangleHeight(Divider) / 2;
    TBitmap Piece;
    Piece.SetPixelFormat(pf32bit);
    Piece.SetSize(RectangleWidth(Divider), RectangleHeight(Divider));
    Piece.Canvas().CopyRect(Rect(0, 0, Piece.Width(), Piece.Height()), ActivePicture->Canvas(), Divider);
    if (DividerTransparent) {
      Piece.SetTransparentColor(DividerTransparentColor);
      Piece.SetTransparent(true);
    }
    Cnvs.Draw(ObjectRect.Left + 3, Y, Piece);
  }
  int X = ObjectRect.Left + (HasDivider ? RectangleWidth(DividerRect) + 6 : 5);
  const int Y = ObjectRect.Top + RectangleHeight(ObjectRect) / 2 - Images.Height() / 2 - 2;
  TspQuickButtonItems& Items = Parent->QuickButtons();
  for (int I = 0; I < Items.Count(); ++I) {
    TspQuickButtonItem& Item = Items.Item(I);
    // A hidden button takes no place in the row.
    if (!Item.Visible()) continue;
    Item.ItemRect =
        Rect(X, Y, X + Images.Width() + QuickButtonMargin, Y + Images.Height() + QuickButtonMargin);
    X += Images.Width() + QuickButtonPitchExtra;
    DrawQuickButton(Cnvs, Item);
  }
}

void TspSkinCaptionObject::DrawQuickButton(TCanvas& Cnvs, const TspQuickButtonItem& AItem) const {
  if (AItem.ImageIndex() < 0) return;
  const TRect& R = AItem.ItemRect;
  const TspDataSkinButtonControl* Element = AItem.Active ? QuickButtonsSkinElement(*SD) : nullptr;
  TBitmap* Look = Element ? SD->Picture(Element->PictureIndex) : nullptr;
  const TRect Source = Element ? (AItem.Down ? Element->DownSkinRect : Element->ActiveSkinRect) : TRect{};
  if (Look && !RectangleIsEmpty(Source)) {
    TBitmap Back;
    Back.SetPixelFormat(pf32bit);
    Back.SetSize(RectangleWidth(R), RectangleHeight(R));
    StretchSkinImage(Back, *Look, Source, Element->ClRect, true);
    BitBlt(Cnvs.Handle(), R.Left, R.Top, Back.Width(), Back.Height(), Back.Canvas().Handle(), 0, 0, SRCCOPY);
  }
  TCustomImageList& Images = *Parent->QuickImageList();
  Images.Draw(Cnvs, R.Left + (RectangleWidth(R) - Images.Width()) / 2,
              R.Top + (RectangleHeight(R) - Images.Height()) / 2, AItem.ImageIndex(), AItem.Enabled());
}

// ---------------------------------------------------------------- the mouse

void TspSkinCaptionObject::RedrawQuickButtons() { Parent->UpDateFormNC(); }

void TspSkinCaptionObject::TrackQuickButtons(int X, int Y) {
  TspQuickButtonItems& Items = Parent->QuickButtons();
  OldActiveQuickButton = ActiveQuickButton;
  ActiveQuickButton = -1;
  for (int I = 0; I < Items.Count(); ++I) {
    const TspQuickButtonItem& Item = Items.Item(I);
    if (Item.Enabled() && Item.Visible() && PtInRect(Item.ItemRect, Point(X, Y))) {
      ActiveQuickButton = I;
      break;
    }
  }
  bool FlagChanged = false;
  for (int I = 0; I < Items.Count(); ++I) {
    TspQuickButtonItem& Item = Items.Item(I);
    if (I == PopupMenuQuickButton || Item.Active == (I == ActiveQuickButton)) continue;
    Item.Active = I == ActiveQuickButton;
    FlagChanged = true;
  }
  const bool ActiveChanged = ActiveQuickButton != OldActiveQuickButton;
  if (ActiveChanged || FlagChanged) RedrawQuickButtons();
  TspSkinHint* FormHint = Parent->QuickButtonsShowHint ? Parent->SkinHint() : nullptr;
  if (!FormHint) return;
  if (ActiveChanged && ActiveQuickButton != -1 && !Items.Item(ActiveQuickButton).Hint.empty())
    FormHint->ActivateHint2(Items.Item(ActiveQuickButton).Hint);
  else if (FlagChanged && ActiveQuickButton == -1)
    FormHint->HideHint();
}

void TspSkinCaptionObject::PopupQuickButtonMenu(const TspQuickButtonItem& AItem) {
  AItem.PopupMenu()->PopupFromRect(Parent->Objects().ObjectRectToScreen(AItem.ItemRect), false);
}

void TspSkinCaptionObject::ReleaseQuickButtonMenu() {
  TspQuickButtonItems& Items = Parent->QuickButtons();
  if (PopupMenuQuickButton >= 0 && PopupMenuQuickButton < Items.Count()) {
    Items.Item(PopupMenuQuickButton).Active = false;
    Items.Item(PopupMenuQuickButton).Down = false;
  }
  PopupMenuQuickButton = -1;
  RedrawQuickButtons();
}

void TspSkinCaptionObject::MouseMove(int X, int Y) {
  TspActiveSkinObject::MouseMove(X, Y);
  if (ShowsQuickButtons()) TrackQuickButtons(X, Y);
}

void TspSkinCaptionObject::MouseDown(int X, int Y, TMouseButton Button) {
  TspActiveSkinObject::MouseDown(X, Y, Button);
  if (!ShowsQuickButtons()) return;
  TrackQuickButtons(X, Y);
  if (ActiveQuickButton == -1) return;
  TspQuickButtonItems& Items = Parent->QuickButtons();
  TspQuickButtonItem& Pressed = Items.Item(ActiveQuickButton);
  if (Button == mbLeft) {
    for (int I = 0; I < Items.Count(); ++I) {
      TspQuickButtonItem& Item = Items.Item(I);
      Item.Down = I == ActiveQuickButton;
      Item.Active = I == ActiveQuickButton;
    }
    const bool OpensMenu = Pressed.PopupMenu() && PopupMenuQuickButton != ActiveQuickButton;
    MouseCaptureQuickButton = OpensMenu ? -1 : ActiveQuickButton;
    RedrawQuickButtons();
    if (OpensMenu) {
      PopupMenuQuickButton = ActiveQuickButton;
      PopupQuickButtonMenu(Pressed);
    }
  }
  if (Pressed.OnMouseDown) Pressed.OnMouseDown(&Pressed, Button, {}, X, Y);
  if (Parent->QuickButtonsShowHint && Parent->SkinHint()) Parent->SkinHint()->HideHint();
}

void TspSkinCaptionObject::MouseUp(int X, int Y, TMouseButton Button) {
  // Unlike other objects, the caption reports every release.
  if (Parent->OnMouseUpEvent) Parent->OnMouseUpEvent(IDName, X, Y, ObjectRect, Button);
  if (!Parent->SupportNCArea()) return;
  TspQuickButtonItems& Items = Parent->QuickButtons();
  if (Parent->HasQuickButtons())
    TrackQuickButtons(X, Y);
  else
    ActiveQuickButton = -1;
  const int Captured = MouseCaptureQuickButton;
  // The release ends the press, wherever it happens.
  MouseCaptureQuickButton = -1;
  if (ActiveQuickButton == -1) {
    // Released away from the buttons: the pressed one springs back without a click.
    if (Captured >= 0 && Captured < Items.Count()) {
      Items.Item(Captured).Down = false;
      Items.Item(Captured).Active = false;
    }
    return;
  }
  if (Button != mbLeft) return;
  TspQuickButtonItem& Released = Items.Item(ActiveQuickButton);
  const bool WasDown = Released.Down;
  for (int I = 0; I < Items.Count(); ++I)
    if (I != PopupMenuQuickButton) Items.Item(I).Down = false;
  RedrawQuickButtons();
  if (WasDown && Released.OnClick) Released.OnClick(&Released);
}
