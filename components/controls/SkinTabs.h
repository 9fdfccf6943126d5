#pragma once
// SkinTabs: the skinned page control, its pages, and the routines that turn, mirror
// and label the off-screen bitmap of one tab.
//
// The page control stands on the class library's TPageControl: the tab-control
// stand-in keeps the tab layout, the selection and the keys, and never paints. This
// control adjusts the rectangles the stand-in reports (display rectangle, tabs), keeps
// room in every tab for an image and a close button, tracks the tab under the pointer,
// closes pages by their close buttons, scrolls its tab row with a skinned up-down
// instead of the stand-in's scroller, changes pages by the wheel, and draws its border,
// tab strip and tabs from the skin element "tab" (or a built-in look).
//
// Files: SkinTabs_Bitmaps.cpp (the tab bitmap routines), SkinTabs_Sheet.cpp (the
// pages), SkinTabs_PageControl.cpp (skin, layout, messages), SkinTabs_Pointer.cpp (hot
// tab, close buttons, wheel), SkinTabs_Scroller.cpp (the up-down in the tab row),
// SkinTabs_Paint.cpp (border, page area, strip), SkinTabs_Tab.cpp (one tab).
//
// User-interface thread only.

#include <memory>

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinUpDown.h"
#include "platform/ui/native/PageControl.h"

class TspSkinPageControl;

// ---------------------------------------------------------------- tab bitmap routines

// ABitmap turned a quarter counter-clockwise (its top edge becomes the left edge) and
// drawn unscaled at (AX, AY). For tabs on the left.
void DrawBitmapRotate90_1(TCanvas& ACanvas, TBitmap& ABitmap, int AX, int AY);
// The same turned clockwise (the top edge becomes the right edge). For tabs on the right.
void DrawBitmapRotate90_2(TCanvas& ACanvas, TBitmap& ABitmap, int AX, int AY);
// ABitmap itself turned, its width and height exchanged.
void BitmapRotate90_1(TBitmap& ABitmap);
void BitmapRotate90_2(TBitmap& ABitmap);
// ABitmap itself mirrored top to bottom. For tabs at the bottom.
void BitmapFlipVert(TBitmap& ABitmap);
// Image AImageIndex of AImages and a one-line caption side by side, the pair centred
// in the AWidth × AHeight area at x = 0, each centred vertically and moved down by ADY.
void DrawTabImageAndText(TCanvas& ACanvas, int AWidth, int AHeight, const String& AText,
                         TCustomImageList& AImages, int AImageIndex, bool AEnabled, int ADY);

// ---------------------------------------------------------------- tab sheets

// A page of a TspSkinPageControl: its background is the page control's skin (the
// element's client picture or its separate background picture), its own tiled
// wallpaper, or clBtnFace without a skin element.
class TspSkinCustomTabSheet : public TTabSheet {
 public:
  explicit TspSkinCustomTabSheet(TComponent* AOwner);
  // Leaves the page control before the wallpaper goes.
  ~TspSkinCustomTabSheet() override;

  // When it holds a picture, the picture is tiled over the sheet and the skin is not
  // used. Setting it copies the bitmap; it shows at the next erase.
  TBitmap& WallPaper() { return *FWallPaper; }
  void SetWallPaper(const TBitmap& AValue);

  // Paints the sheet's background into ADC (the erase, and the parent background of
  // transparent children, come here).
  void PaintBG(HDC ADC);

  // The page's close button, in the coordinates of its tab as shown; kept by the page
  // control's tab painting.
  TRect ButtonRect;
  bool ButtonMouseIn = false;
  bool ButtonMouseDown = false;

 protected:
  void CreateParams(TCreateParams& AParams) override;
  void Dispatch(TMessage& AMessage) override;

 private:
  TspSkinPageControl* SkinPageControl() const;
  void WMSize(TMessage& AMessage);

  std::unique_ptr<TBitmap> FWallPaper;
};

class TspSkinTabSheet : public TspSkinCustomTabSheet {
 public:
  using TspSkinCustomTabSheet::TspSkinCustomTabSheet;
};

// ---------------------------------------------------------------- page control

// Sender is the page about to close; CanClose arrives true.
using TspCloseEvent = std::function<void(TObject* Sender, bool& CanClose)>;
// Draws a tab's content into ACanvas (the tab bitmap, background and font in place);
// ARect is (0, 0, W, H) of the tab as drawn before any turn.
using TspDrawSkinTabEvent =
    std::function<void(int ATabIndex, const TRect& ARect, bool AActive, bool AMouseIn, TCanvas& ACanvas)>;

class TspSkinPageControl : public TPageControl {
 public:
  explicit TspSkinPageControl(TComponent* AOwner);
  ~TspSkinPageControl() override;

  // Re-reads the skin and lays the tabs out again; the skin form calls it after a
  // skin change.
  void ChangeSkinData();
  // The tab height again (TabHeight, else DefaultItemHeight without a skin element or
  // the skin's tab height), the pages re-aligned.
  void UpDateTabs();
  void HideTabs();
  void ShowTabs();
  void HideBorderAndTabs();
  void ShowBorderAndTabs();

  // Not owned; setting a loaded skin applies it at once.
  TspSkinData* SkinData() const { return FSD; }
  void SetSkinData(TspSkinData* AValue);
  String SkinDataName = "tab";
  // The button element of the tabs when Style is not tsTabs.
  String ButtonTabSkinDataName = "resizetoolbutton";
  // The tab font's name, height and style from the skin.
  bool UseSkinFont = true;
  // The font without a skin (or without UseSkinFont).
  TFont& DefaultFont() { return *FDefaultFont; }
  void SetDefaultFont(const TFont& AValue) { FDefaultFont->Assign(AValue); }
  // The tab height without a skin element when TabHeight is 0.
  int DefaultItemHeight() const { return FDefaultItemHeight; }
  void SetDefaultItemHeight(int AValue);
  bool MouseWheelSupport = false;
  // A page closed by its close button is freed too.
  bool FreeOnClose = false;
  bool ShowCloseButtons() const { return FShowCloseButtons; }
  void SetShowCloseButtons(bool AValue);
  // Not owned; room for its images is kept in every tab.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* AValue);
  // The tab strip shows the parent's background instead of the skin's.
  bool TabsBGTransparent() const { return FTabsBGTransparent; }
  void SetTabsBGTransparent(bool AValue);
  // Side tabs keep their captions horizontal.
  bool TextInHorizontal() const { return FTextInHorizontal; }
  void SetTextInHorizontal(bool AValue);
  // The tab content laid out by DrawImageAndText with these settings.
  bool TabExtededDraw() const { return FTabExtendedDraw; }
  void SetTabExtededDraw(bool AValue);
  int TabMargin() const { return FTabMargin; }
  void SetTabMargin(int AValue);
  int TabSpacing() const { return FTabSpacing; }
  void SetTabSpacing(int AValue);
  TspButtonLayout TabLayout() const { return FTabLayout; }
  void SetTabLayout(TspButtonLayout AValue);
  // Centred tabs need a fixed TabWidth; both move the tabs to the top on one line.
  bool TabsInCenter() const { return FTabsInCenter; }
  void SetTabsInCenter(bool AValue);
  int TabsOffset() const { return FTabsOffset; }
  void SetTabsOffset(int AValue);

  // The tab scroller; nullptr while every tab fits.
  TspSkinUpDown* SkinUpDown() const { return FSkinUpDown; }

  TspCloseEvent OnClose;
  TNotifyEvent OnAfterClose;
  TspDrawSkinTabEvent OnDrawSkinTab;

 protected:
  void Loaded() override;
  // The window holds its tabs only now: the tab row gets its scroller when it needs one.
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void WndProc(TMessage& AMessage) override;
  void Dispatch(TMessage& AMessage) override;
  void PaintWindow(HDC ADC) override;
  void Change() override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;

 private:
  friend class TspSkinCustomTabSheet;

  // ---- skin and layout (SkinTabs_PageControl.cpp)
  void GetSkinData();
  bool HasSkinElement() const { return FIndex != -1; }
  TRect GetItemRect(int AVisibleIndex);
  void SetItemSize(int AWidth, int AHeight);
  int GetTabsOffset();
  int GetCloseSize() const;
  bool HasVisibleTabs() const;
  bool IsSideTabs() const { return TabPosition() == tpLeft || TabPosition() == tpRight; }
  // Adds ADelta to the private image list's width (height for side tabs).
  void GrowTabRoom(int ADelta);
  void AdjustDisplayRect(TRect& ARect);
  void AdjustItemRect(TRect& ARect);
  void SkinTabHeightAndFont(int& AHeight);
  TspSkinCustomTabSheet* SkinPage(int APageIndex) const;
  // The page index of the visible tab AVisibleIndex; -1 for none.
  int PageIndexOfTab(int AVisibleIndex) const;

  // ---- pointer (SkinTabs_Pointer.cpp)
  void CheckActiveTab(int AX, int AY);
  // The hot page's close button in client coordinates (shown tab's rectangle moved).
  TRect HotCloseButtonRect(bool AOffsetTabs);
  bool PrepareCloseButtonPress(TMouseButton AButton, int AX, int AY, bool& AInside);
  void CloseActivePage();
  void SelectNextPage();
  void SelectPriorPage();
  void WMMouseWheel(TMessage& AMessage);
  void CMMouseLeave(TMessage& AMessage);
  void RepaintTabs();

  // ---- tab scroller (SkinTabs_Scroller.cpp)
  void UpdateTabScroller();
  void CreateTabScroller();
  void FreeTabScroller();
  void TabScrollerChange(TObject* Sender);
  int GetHiddenTabsCount();
  int GetScrolledTabsCount();
  void UpdateTabScrollerPosition();
  int TabScrollerTop(int AScrollerHeight);

  // ---- painting (SkinTabs_Paint.cpp, SkinTabs_Tab.cpp)
  TRect BorderRect();
  void PaintDefaultBorder(TCanvas& ACanvas);
  void PaintSkinBorder(TCanvas& ACanvas);
  TRect GetActiveTabRect();
  void PaintPageArea(HDC ADC);
  void WMEraseBkgnd(TMessage& AMessage);
  // The page background over (0, 0, W, H): the skin's background picture, else the
  // element's client picture, tiled or stretched by the element; false without a
  // picture to fill with.
  bool FillSkinBackground(TCanvas& ACanvas, int AWidth, int AHeight);
  void PaintTabs(TCanvas& ACanvas);
  void DrawSkinTab(int APageIndex, const TRect& ARect, bool AActive, bool AMouseIn, TCanvas& ACanvas);
  void DrawTabBackground(TBitmap& ATab, const TRect& ARect, bool AActive, bool AMouseIn,
                         TColor& AButtonFontColor);
  void SetTabFont(TCanvas& ACanvas, bool AActive, bool AMouseIn, bool AButtonColor, TColor AButtonFontColor);
  void DrawTabContent(TCanvas& ACanvas, int APageIndex, TRect& ACaption, int AWidth, int AHeight,
                      bool AActive, bool AMouseIn, int ADY);
  bool DrawButtonTab(TBitmap& ABitmap, bool AActive, bool AMouseIn, TColor& AFontColor);
  void DrawCloseButton(TCanvas& ACanvas, const TRect& AArea, int APageIndex, int ABW, int ABH);

  bool FTabExtendedDraw = false;
  int FTabMargin = -1;
  int FTabSpacing = 1;
  TspButtonLayout FTabLayout = blGlyphLeft;
  bool FTextInHorizontal = false;
  bool FHideTabs = false;
  bool FHideBorder = false;
  TTabPosition FOldTabPosition = tpTop;
  bool FOldMultiLine = false;
  // TabHeight saved by HideTabs; -1 while the tabs are shown.
  int FOldTabHeight = -1;
  int FCloseSize = 14;
  bool FShowCloseButtons = false;
  bool FTabsBGTransparent = false;
  // The tab under the pointer: page index and visible index, -1 for none.
  int FActiveTab = -1;
  int FOldActiveTab = -1;
  int FActiveTabIndex = -1;
  int FOldActiveTabIndex = -1;
  TCustomImageList* FImages = nullptr;
  // Never holds an image: its size makes the stand-in keep room in every tab.
  std::unique_ptr<TCustomImageList> FTempImages;
  bool FTabsInCenter = false;
  int FTabsOffset = 0;
  TspSkinData* FSD = nullptr;
  int FIndex = -1;
  TspSkinUpDown* FSkinUpDown = nullptr;
  std::unique_ptr<TFont> FDefaultFont;
  int FDefaultItemHeight = 20;

  // The element's values, refreshed by GetSkinData (picture coordinates).
  TBitmap* Picture = nullptr;  // the skin's
  TRect SkinRect, ClRect, TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, TabsBGRect;
  TRect CloseButtonRect, ClosebuttonActiveRect, CloseButtonDownRect;
  TRect TabLeftBottomActiveRect, TabLeftBottomFocusRect;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  int TabLeftOffset = 0, TabRightOffset = 0;
  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = clBtnText, ActiveFontColor = clBtnText, FocusFontColor = clBtnText,
         MouseInFontColor = clBtnText;
  String UpDown;
  int BGPictureIndex = -1;
  bool TabStretchEffect = false, ShowFocus = false, StretchEffect = false;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  int FocusOffsetX = 0, FocusOffsetY = 0;
  TspStretchType StretchType = spstFull;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = clNone;
};
