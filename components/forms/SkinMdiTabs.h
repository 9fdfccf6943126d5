#pragma once
// The MDI tabs bar: one tab per document window of an MDI frame, like the tabs of a
// page control. The documents' skin components add and remove their tabs as they are
// shown and hidden (TspSkinForm::AddChildToBar, DeleteChildFromBar) and mark the active
// one as the frame's client activates them (TspSkinForm::RefreshMDITabs). Clicking a
// tab brings its document forward (restored when minimized), tabs can be dragged into
// another order, each can carry a close button, a right click opens the document's
// skinned system menu, and two small menu buttons list all documents and those whose
// tabs did not fit.
//
// The bar draws from the skin element "tab" (the page control's): the background
// piece behind the tabs, each tab's normal, hot or active picture fitted to its width
// with fixed ends, the element's font and colours, the close button's pictures. Without
// the element, a built-in look: tabs filled with the face colour, the hot one light and
// the active one darker blue. Captions are cut with "..." to the tab.
//
// Files: SkinMdiTabs_Bar.cpp (tabs, layout, painting, the list buttons and their
// menus), SkinMdiTabs_Tab.cpp (a tab's built-in look and close button),
// SkinMdiTabs_Skin.cpp (the skin's looks of the bar and its tabs), SkinMdiTabs_Mouse.cpp
// (hover, press, dragging, release), SkinMdiTabs_Form.cpp (the skin component's side).
// User-interface thread only.

#include <functional>
#include <memory>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "components/core/SkinData.h"
#include "platform/ui/Forms.h"

class TspSkinForm;
class TspSkinMDITabsBar;
class TspSkinPopupMenu;

enum TspSkinMDITabKind { sptkTab, sptkButton };

// One document's tab. Its place is set by the bar's layout before every paint.
class TspMDITab {
 public:
  TspMDITab(TspSkinMDITabsBar& ATabsBar, TCustomForm& AChild) : TabsBar(ATabsBar), Child(&AChild) {}

  TspSkinMDITabsBar& TabsBar;
  // Its document is the frame's active one.
  bool Active = false;
  // Hot: the mouse is over it.
  bool MouseIn = false;
  // The place in the bar's client coordinates.
  TRect ObjectRect{};
  TCustomForm* Child;
  // Laid out on the bar; false when it did not fit.
  bool Visible = false;
  // The close button inside the tab, relative to the tab; hot, pressed.
  TRect ButtonRect{};
  bool ButtonMouseIn = false;
  bool ButtonMouseDown = false;

  // Draws the tab at its place; nothing while it has no width.
  void Draw(TCanvas& ACanvas);
  // The close button in AR (the part of the tab right of its text).
  void DrawCloseButton(TCanvas& ACanvas, const TRect& AR);

 private:
  // SkinMdiTabs_Skin.cpp: the skin's look; false without the element or its picture.
  bool SkinDraw(TCanvas& ACanvas);
  void ButtonDraw(TCanvas& ACanvas, const TspDataSkinTabControl& AElement);
  // The element's font with UseSkinFont, else the bar's DefaultFont.
  void ApplyFont(TFont& AFont, const TspDataSkinTabControl& AElement) const;
  void DrawSkinCloseButton(TCanvas& ACanvas, const TspDataSkinTabControl& AElement, TBitmap& APicture,
                           const TRect& AR);
  // The caption cut to AText with "...", after the application's OnTabGetDrawParamsEvent.
  void DrawCaption(TCanvas& ACanvas, const TRect& AText);
};

class TspSkinMDITabsBar : public TspSkinControl {
 public:
  // 150 × 21, element name "tab".
  explicit TspSkinMDITabsBar(TComponent* AOwner);
  ~TspSkinMDITabsBar() override;

  // The frame's skin component; its MDITabsBar becomes this bar (both cleared when
  // either goes). Without one the list menus and the documents' menus do nothing.
  TspSkinForm* SkinForm() const { return FSkinForm; }
  void SetSkinForm(TspSkinForm* AValue);

  // A tab for AChild at the end (a document has one tab at most); the first tab brings
  // the list button. A freed document takes its tab with it.
  void AddTab(TCustomForm* AChild);
  // AChild's tab goes; the list button goes with the last tab.
  void DeleteTab(TCustomForm* AChild);
  // With an active document in the application's main form, each tab's Active follows
  // it; without one nothing changes.
  void UpdateActiveTab();
  // The first laid-out tab whose rectangle holds the point, edges included; -1 none.
  int GetTabIndex(int AX, int AY) const;
  TspMDITab* GetTab(int AX, int AY) const;
  int TabCount() const { return static_cast<int>(FTabs.size()); }
  TspMDITab& Tab(int AIndex) const { return *FTabs[AIndex]; }
  // Lays the tabs out for the bar's width (also done before every paint).
  void CalcTabRects();

  // A double click on a tab moves a normal document to the top left of the client.
  bool DblClickChildMove = false;
  // Tabs carry close buttons.
  bool ShowCloseButtons() const { return FShowCloseButtons; }
  void SetShowCloseButtons(bool AValue);
  // The narrowest tab (0: none): tabs that would be narrower do not all show, and the
  // hidden-tabs button lists the rest.
  int MinTabWidth() const { return FMinTabWidth; }
  void SetMinTabWidth(int AValue);
  // The widest tab.
  int DefaultTabWidth() const { return FDefaultTabWidth; }
  void SetDefaultTabWidth(int AValue);
  TspSkinMDITabKind TabKind() const { return FTabKind; }
  // Tabs (sptkTab) stand on the top band of the element's frame, the strip under them
  // as high as the element's client top; buttons (sptkButton) have no strip.
  void SetTabKind(TspSkinMDITabKind AValue);
  // A right click opens the document's system menu.
  bool SupportChildMenus = true;
  // Tabs can be dragged into another order.
  bool MoveTabs = true;
  // The tab font without the element, or without UseSkinFont.
  TFont& DefaultFont() { return FDefaultFont; }
  // With the element: the bar as high as the tab picture; the element's font.
  bool UseSkinSize = true;
  bool UseSkinFont = true;
  // The height without the element (values above 0 only): a bar without the element
  // takes it at once and at every skin change.
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int AValue);
  // The close button's size: the element's close picture's width, else 14.
  int GetCloseSize() const;
  // Binds the element again: close size, height, the list buttons' skin; repaints.
  void ChangeSkinData() override;
  // How many tabs did not fit at the last layout.
  int InVisibleCount() const { return FInVisibleCount; }
  // The list button (left; exists while there are tabs) and the hidden-tabs button
  // (right; exists while some tab does not fit), with their menus.
  TspSkinMenuSpeedButton* ListButton() const { return FListButton; }
  TspSkinMenuSpeedButton* HideListButton() const { return FHideListButton; }
  TspSkinPopupMenu& ListMenu() const { return *FListMenu; }
  TspSkinPopupMenu& HideListMenu() const { return *FHideListMenu; }
  // Rebuilds a list menu: one radio item per tab (per hidden tab), checked for the
  // active document. Done just before the button shows it.
  void UpdateListMenu();
  void UpdateHideListMenu();

  std::function<void(TspMDITab* Tab)> OnTabMouseEnter;
  std::function<void(TspMDITab* Tab)> OnTabMouseLeave;
  std::function<void(TMouseButton Button, TShiftState Shift, TspMDITab* Tab)> OnTabMouseDown;
  std::function<void(TMouseButton Button, TShiftState Shift, TspMDITab* Tab)> OnTabMouseUp;
  // Lets the application change the canvas (its font) before a tab's text is drawn.
  std::function<void(TspMDITab* Tab, TCanvas& Canvas)> OnTabGetDrawParamsEvent;

  // Dragging state: a tab is being dragged; the press X and the drag offset.
  bool IsDrag() const { return FIsDrag; }
  int DragIndex() const { return FDragIndex; }
  // Where a dragged tab would drop; -1 nowhere.
  int GetDropIndex() const;

 protected:
  void Paint() override;
  void CreateControlDefaultImage(TBitmap& B) override;
  void CreateControlSkinImage(TBitmap& B) override;
  void CheckParentBackground() override;
  void AdjustClientRect(TRect& ARect) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void Dispatch(TMessage& AMessage) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;

 private:
  friend class TspMDITab;
  // SkinMdiTabs_Mouse.cpp
  // The hot tab and its close button follow the point ((-1, -1): off the bar).
  void TestActiveTab(int AX, int AY);
  // The tab's close button in bar coordinates.
  static TRect CloseButtonOnBar(const TspMDITab& ATab);
  void PressTab(TspMDITab& ATab, TShiftState AShift, int AX, int AY);
  void OpenChildMenu(TspMDITab& ATab);
  void EndDrag();
  // SkinMdiTabs_Skin.cpp: the element "tab"; nullptr without it.
  const TspDataSkinTabControl* TabElement() const;
  // The height of the strip under the tabs: the element's client top in tab kind, else 0.
  int BottomOffset() const;
  // Bound to the element with a skin whose tabs bar shows the parent behind it.
  bool ShowsParentBackground() const;
  // SkinMdiTabs_Bar.cpp
  // The laid-out tabs, a dragged one on top with its insertion mark.
  void DrawTabs(TCanvas& ACanvas);
  // The tab goes; a freed document (AChildFreed) is not told.
  void RemoveTab(int AIndex, bool AChildFreed);
  void ShowHideListButton(bool AShow);
  void FillListMenu(TspSkinPopupMenu& AMenu, const char* ASuffix, bool AHiddenOnly);
  // A list menu item's click: its document comes forward, restored when minimized.
  void ListItemClick(TObject* Sender);
  TspSkinMenuSpeedButton* NewListButton(TAlign AAlign, TspSkinPopupMenu& AMenu);
  // The inverted insertion mark at x.
  void DrawDropMark(TCanvas& ACanvas, int AX);

  TspSkinForm* FSkinForm = nullptr;
  std::vector<std::unique_ptr<TspMDITab>> FTabs;
  bool FShowCloseButtons = false;
  int FMinTabWidth = 0;
  int FDefaultTabWidth = 100;
  int FDefaultHeight = 21;
  TspSkinMDITabKind FTabKind = sptkTab;
  TFont FDefaultFont;
  int FCloseSize = 14;
  int FInVisibleCount = 0;
  // The right end a dragged tab may reach.
  int FDragLimit = 0;
  bool FIsDrag = false;
  bool FDown = false;
  int FDragIndex = -1;
  int DX = 0;
  int TabDX = 0;
  int ActiveTabIndex = -1;
  int OldTabIndex = -1;
  // Owned by the bar through the component model.
  TspSkinMenuSpeedButton* FListButton = nullptr;
  TspSkinMenuSpeedButton* FHideListButton = nullptr;
  TspSkinPopupMenu* FListMenu = nullptr;
  TspSkinPopupMenu* FHideListMenu = nullptr;
};
