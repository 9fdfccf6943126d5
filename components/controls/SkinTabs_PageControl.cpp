#include <algorithm>

#include "components/controls/SkinCtrls_LabelFontInternal.h"
#include "components/controls/SkinTabs.h"
#include "components/forms/SkinForm.h"
#include "platform/ui/native/TabControlMessages.h"

TspSkinPageControl::TspSkinPageControl(TComponent* AOwner)
    : TPageControl(AOwner),
      FTempImages(std::make_unique<TCustomImageList>(nullptr)),
      FDefaultFont(std::make_unique<TFont>()) {
  FTempImages->SetSize(1, 1);
  TCustomTabControl::SetImages(FTempImages.get());
  FDefaultFont->SetName("Arial");
  FDefaultFont->SetHeight(14);
  FDefaultFont->SetColor(clBtnText);
  Font().Assign(*FDefaultFont);
}

TspSkinPageControl::~TspSkinPageControl() {
  // The stand-in lets go of the private list before the list goes.
  TCustomTabControl::SetImages(nullptr);
  SetSkinData(nullptr);
  if (FImages) FImages->RemoveFreeNotification(this);
}

// ---------------------------------------------------------------- skin

void TspSkinPageControl::GetSkinData() {
  BGPictureIndex = -1;
  FIndex = FindSkinElement(FSD, SkinDataName);
  const auto* Element = FIndex == -1 ? nullptr : FSD->Control<TspDataSkinTabControl>(FIndex);
  if (!Element) return;
  Picture = FSD->Picture(Element->PictureIndex);
  SkinRect = Element->SkinRect;
  ClRect = Element->ClRect;
  TabRect = Element->TabRect;
  TabsBGRect = Element->TabsBGRect;
  LTPoint = Element->LTPoint;
  RTPoint = Element->RTPoint;
  LBPoint = Element->LBPoint;
  RBPoint = Element->RBPoint;
  TabLeftOffset = Element->TabLeftOffset;
  TabRightOffset = Element->TabRightOffset;
  FontName = Element->FontName;
  FontStyle = Element->FontStyle;
  FontHeight = Element->FontHeight;
  FontColor = Element->FontColor;
  ActiveFontColor = Element->ActiveFontColor;
  FocusFontColor = Element->FocusFontColor;
  MouseInFontColor = Element->MouseInFontColor;
  UpDown = Element->UpDown;
  BGPictureIndex = Element->BGPictureIndex;
  MouseInTabRect = Element->MouseInTabRect;
  TabStretchEffect = Element->TabStretchEffect;
  ShowFocus = Element->ShowFocus;
  FocusOffsetX = Element->FocusOffsetX;
  FocusOffsetY = Element->FocusOffsetY;
  LeftStretch = Element->LeftStretch;
  TopStretch = Element->TopStretch;
  RightStretch = Element->RightStretch;
  BottomStretch = Element->BottomStretch;
  StretchEffect = Element->StretchEffect;
  StretchType = Element->StretchType;
  CloseButtonRect = Element->CloseButtonRect;
  ButtonTransparent = Element->ButtonTransparent;
  ButtonTransparentColor = Element->ButtonTransparentColor;
  TabLeftBottomActiveRect = Element->TabLeftBottomActiveRect;
  const auto Or = [](const TRect& AValue, const TRect& AFallback) {
    return RectangleIsEmpty(AValue) ? AFallback : AValue;
  };
  ActiveTabRect = Or(Element->ActiveTabRect, TabRect);
  FocusTabRect = Or(Element->FocusTabRect, ActiveTabRect);
  ClosebuttonActiveRect = Or(Element->CloseButtonActiveRect, CloseButtonRect);
  CloseButtonDownRect = Or(Element->CloseButtonDownRect, ClosebuttonActiveRect);
  TabLeftBottomFocusRect = Or(Element->TabLeftBottomFocusRect, TabLeftBottomActiveRect);
}

int TspSkinPageControl::GetCloseSize() const {
  if (!HasSkinElement() || RectangleIsEmpty(CloseButtonRect)) return 14;
  return RectangleWidth(CloseButtonRect);
}

void TspSkinPageControl::SkinTabHeightAndFont(int& AHeight) {
  const bool HasStrings = FSD && FSD->ResourceStrData();
  if (!HasSkinElement()) {
    Font().Assign(*FDefaultFont);
    if (HasStrings) Font().SetCharset(FSD->ResourceStrData()->CharSet());
    AHeight = TabHeight() > 0 ? TabHeight() : FDefaultItemHeight;
    return;
  }
  if (UseSkinFont) {
    Font().SetName(FontName);
    Font().SetHeight(FontHeight);
    Font().SetStyle(FontStyle);
  } else {
    Font().Assign(*FDefaultFont);
  }
  Font().SetCharset(HasStrings ? FSD->ResourceStrData()->CharSet() : FDefaultFont->Charset());
  Font().SetColor(FontColor);
  AHeight = TabHeight() > 0 ? TabHeight() : RectangleHeight(TabRect);
}

void TspSkinPageControl::ChangeSkinData() {
  GetSkinData();
  if (FShowCloseButtons) {
    GrowTabRoom(-FCloseSize);
    FCloseSize = GetCloseSize();
    GrowTabRoom(FCloseSize);
  }
  int Height = 0;
  SkinTabHeightAndFont(Height);
  SetItemSize(TabWidth(), Height);
  UpdateTabScrollerPosition();
  Realign();
  if (FSkinUpDown) {
    FreeTabScroller();
    UpdateTabScroller();
  }
  if (ActivePage()) ActivePage()->Repaint();
}

void TspSkinPageControl::UpDateTabs() {
  int Height = TabHeight();
  if (Height <= 0) Height = HasSkinElement() ? RectangleHeight(TabRect) : FDefaultItemHeight;
  SetItemSize(TabWidth(), Height);
  if (MultiLine() && FSkinUpDown) FreeTabScroller();
  Realign();
}

void TspSkinPageControl::Loaded() {
  TPageControl::Loaded();
  if (HasSkinElement()) return;
  SetItemSize(TabWidth(), TabHeight() > 0 ? TabHeight() : FDefaultItemHeight);
  UpdateTabScrollerPosition();
  Realign();
}

void TspSkinPageControl::Notification(TComponent* AComponent, TOperation AOperation) {
  TPageControl::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FSD) FSD = nullptr;
  // The private list keeps the room it had.
  if (AComponent == FImages) FImages = nullptr;
}

// ---------------------------------------------------------------- properties

void TspSkinPageControl::SetSkinData(TspSkinData* AValue) {
  ReplaceNotified(FSD, AValue);
  if (FSD && !FSD->Empty && !ComponentState().Contains(csDesigning)) ChangeSkinData();
}

void TspSkinPageControl::GrowTabRoom(int ADelta) {
  if (IsSideTabs())
    FTempImages->SetHeight(FTempImages->Height() + ADelta);
  else
    FTempImages->SetWidth(FTempImages->Width() + ADelta);
  // The stand-in measures its tabs again from the list's new size.
  TCustomTabControl::SetImages(nullptr);
  TCustomTabControl::SetImages(FTempImages.get());
}

void TspSkinPageControl::SetShowCloseButtons(bool AValue) {
  if (FShowCloseButtons != AValue) {
    FShowCloseButtons = AValue;
    GrowTabRoom(AValue ? FCloseSize : -FCloseSize);
  }
  Invalidate();
}

void TspSkinPageControl::SetImages(TCustomImageList* AValue) {
  const auto Extent = [this](TCustomImageList* AList) {
    if (!AList) return 0;
    return IsSideTabs() ? AList->Height() : AList->Width();
  };
  const int Delta = Extent(AValue) - Extent(FImages);
  ReplaceNotified(FImages, AValue);
  GrowTabRoom(Delta);
  Invalidate();
}

void TspSkinPageControl::SetDefaultItemHeight(int AValue) {
  FDefaultItemHeight = AValue;
  if (HasSkinElement()) return;
  SetItemSize(TabWidth(), AValue);
  UpdateTabScrollerPosition();
  Realign();
}

void TspSkinPageControl::SetTabsBGTransparent(bool AValue) {
  if (FTabsBGTransparent == AValue) return;
  FTabsBGTransparent = AValue;
  Invalidate();
}

void TspSkinPageControl::SetTextInHorizontal(bool AValue) {
  FTextInHorizontal = AValue;
  Invalidate();
}

void TspSkinPageControl::SetTabExtededDraw(bool AValue) {
  FTabExtendedDraw = AValue;
  Invalidate();
}

void TspSkinPageControl::SetTabMargin(int AValue) {
  if (AValue == FTabMargin || AValue < -1) return;
  FTabMargin = AValue;
  Repaint();
}

void TspSkinPageControl::SetTabSpacing(int AValue) {
  if (AValue == FTabSpacing) return;
  FTabSpacing = AValue;
  Repaint();
}

void TspSkinPageControl::SetTabLayout(TspButtonLayout AValue) {
  if (AValue == FTabLayout) return;
  FTabLayout = AValue;
  Repaint();
}

void TspSkinPageControl::SetTabsOffset(int AValue) {
  FTabsOffset = AValue;
  if (AValue > 0) {
    if (TabPosition() != tpTop) SetTabPosition(tpTop);
    if (MultiLine()) SetMultiLine(false);
    SetTabsBGTransparent(true);
  }
  Invalidate();
}

void TspSkinPageControl::SetTabsInCenter(bool AValue) {
  if (TabWidth() == 0) {
    // Centring needs a fixed tab width.
    FTabsInCenter = false;
    return;
  }
  FTabsInCenter = AValue;
  if (AValue) {
    SetTabPosition(tpTop);
    SetMultiLine(false);
    SetTabsBGTransparent(true);
  }
  Invalidate();
}

// ---------------------------------------------------------------- hiding

void TspSkinPageControl::HideTabs() {
  if (FOldTabHeight != -1 || !HasVisibleTabs()) return;
  FHideTabs = true;
  FOldTabPosition = TabPosition();
  FOldMultiLine = MultiLine();
  if (IsSideTabs()) SetTabPosition(tpTop);
  SetMultiLine(false);
  FOldTabHeight = TabHeight();
  SetTabHeight(1);
  FreeTabScroller();
}

void TspSkinPageControl::ShowTabs() {
  if (FOldTabHeight == -1) return;
  SetTabPosition(FOldTabPosition);
  SetMultiLine(FOldMultiLine);
  FHideTabs = false;
  SetTabHeight(FOldTabHeight);
  if (FOldTabHeight <= 0 && HasSkinElement()) SetItemSize(TabWidth(), RectangleHeight(TabRect));
  FOldTabHeight = -1;
  if (!MultiLine()) UpdateTabScroller();
}

void TspSkinPageControl::HideBorderAndTabs() {
  SetTabPosition(tpTop);
  FHideTabs = true;
  FHideBorder = true;
  FreeTabScroller();
  Realign();
}

void TspSkinPageControl::ShowBorderAndTabs() {
  FHideBorder = false;
  FHideTabs = false;
  ShowTabs();
  Realign();
}

// ---------------------------------------------------------------- layout

bool TspSkinPageControl::HasVisibleTabs() const {
  for (int I = 0; I < PageCount(); ++I)
    if (Pages(I)->TabVisible()) return true;
  return false;
}

TspSkinCustomTabSheet* TspSkinPageControl::SkinPage(int APageIndex) const {
  if (APageIndex < 0 || APageIndex >= PageCount()) return nullptr;
  return dynamic_cast<TspSkinCustomTabSheet*>(Pages(APageIndex));
}

int TspSkinPageControl::PageIndexOfTab(int AVisibleIndex) const {
  int Visible = 0;
  for (int I = 0; I < PageCount(); ++I) {
    if (!Pages(I)->TabVisible()) continue;
    if (Visible++ == AVisibleIndex) return I;
  }
  return -1;
}

TRect TspSkinPageControl::GetItemRect(int AVisibleIndex) {
  TRect Result;
  Perform(TCM_GETITEMRECT, static_cast<WPARAM>(AVisibleIndex), reinterpret_cast<LPARAM>(&Result));
  return Result;
}

void TspSkinPageControl::SetItemSize(int AWidth, int AHeight) {
  Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(AWidth, AHeight));
}

int TspSkinPageControl::GetTabsOffset() {
  if (FTabsOffset > 0) return FTabsOffset;
  if (TabWidth() == 0) return 0;
  int Visible = 0;
  for (int I = 0; I < PageCount(); ++I)
    if (Pages(I)->TabVisible()) ++Visible;
  return std::max(0, Width() / 2 - TabWidth() * Visible / 2);
}

void TspSkinPageControl::AdjustDisplayRect(TRect& ARect) {
  const int CW = ClientWidth(), CH = ClientHeight();
  if (FHideBorder) {
    ARect = Rect(0, -2, Width(), Height());
    return;
  }
  const TRect Native = ARect;
  const bool Skin = HasSkinElement();
  const int Cl = ClRect.Left, Ct = ClRect.Top;
  const int Mr = RectangleWidth(SkinRect) - ClRect.Right, Mb = RectangleHeight(SkinRect) - ClRect.Bottom;
  switch (TabPosition()) {
    case tpTop:
      ARect =
          Skin ? Rect(Cl, Ct + Native.Top - 6, CW - Mr, CH - Mb) : Rect(1, Native.Top - 5, CW - 1, CH - 1);
      if (FHideTabs) --ARect.Top;
      break;
    case tpBottom:
      ARect = Skin ? Rect(Cl, Ct + Native.Top - 4, CW - Mr, Native.Bottom + 4 - Mb)
                   : Rect(1, 1, CW - 1, Native.Bottom + 3);
      if (FHideTabs && Skin) ++ARect.Bottom;
      break;
    case tpLeft:
      ARect = Skin ? Rect(Cl + Native.Left - 4, Ct + Native.Top - 4, CW - Mr, CH - Mb)
                   : Rect(Native.Left - 3, Native.Top - 5, CW - 1, CH - 1);
      if (FHideTabs) --ARect.Left;
      break;
    case tpRight:
      ARect = Skin ? Rect(Cl, Ct + Native.Top - 4, Native.Right - Mr + 4, CH - Mb)
                   : Rect(Native.Left - 3, Native.Top - 5, Native.Right + 3, CH - 1);
      if (FHideTabs) ++ARect.Right;
      break;
  }
}

void TspSkinPageControl::AdjustItemRect(TRect& ARect) {
  switch (TabPosition()) {
    case tpTop:
      if (!MultiLine()) OffsetRect(ARect, -2, 0);
      OffsetRect(ARect, 0, -2);
      if (FTabsInCenter || FTabsOffset > 0) OffsetRect(ARect, GetTabsOffset(), 0);
      break;
    case tpBottom:
      if (!MultiLine()) OffsetRect(ARect, -2, 0);
      OffsetRect(ARect, 0, 2);
      break;
    case tpLeft:
      OffsetRect(ARect, -2, 0);
      break;
    case tpRight:
      OffsetRect(ARect, 2, 0);
      break;
  }
}

// ---------------------------------------------------------------- messages

void TspSkinPageControl::WndProc(TMessage& AMessage) {
  const bool Shifted = FTabsInCenter || FTabsOffset > 0;
  switch (AMessage.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The selected tab has a look of its own while the control has the focus; the
      // stand-in, which paints nothing, would not show the change.
      TPageControl::WndProc(AMessage);
      Invalidate();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      // The stand-in lays its tabs out from x = 0: it must hit the tab drawn shifted.
      if (Shifted) {
        const int X = static_cast<int16_t>(LOWORD(AMessage.LParam)) - GetTabsOffset();
        AMessage.LParam = MAKELPARAM(X, HIWORD(AMessage.LParam));
      }
      break;
    case TCM_ADJUSTRECT:
      TPageControl::WndProc(AMessage);
      if (AMessage.WParam == 0) AdjustDisplayRect(*reinterpret_cast<TRect*>(AMessage.LParam));
      return;
    case TCM_GETITEMRECT:
      TPageControl::WndProc(AMessage);
      if (AMessage.Result && Style() == tsTabs) AdjustItemRect(*reinterpret_cast<TRect*>(AMessage.LParam));
      return;
    default:
      break;
  }
  TPageControl::WndProc(AMessage);
  if (AMessage.Msg == WM_SIZE && !MultiLine() && !ComponentState().Contains(csDesigning)) UpdateTabScroller();
}

void TspSkinPageControl::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_SIZE: GetSkinData(); TPageControl::Dispatch(AMessage); break;
    case WM_ERASEBKGND: WMEraseBkgnd(AMessage); break;
    case WM_HSCROLL: TPageControl::Dispatch(AMessage); Repaint(); break;
    case WM_MOUSEWHEEL: WMMouseWheel(AMessage); break;
    case TCM_SETCURSEL:
      TPageControl::Dispatch(AMessage);
      if (!ComponentState().Contains(csLoading)) Invalidate();
      break;
    case CM_MOUSELEAVE: CMMouseLeave(AMessage); break;
    case SP_CHECKPARENTBACKGROUND: if (FTabsBGTransparent) Repaint(); break;
    case SP_PAINTINTODC: AMessage.Result = PAINTINTODC_RESULT; break;
    default: TPageControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TspSkinPageControl::Change() {
  if (FSkinUpDown) FSkinUpDown->SetPosition(GetScrolledTabsCount());
  TPageControl::Change();
  Invalidate();
  if (ActivePage()) ActivePage()->Invalidate();
}
