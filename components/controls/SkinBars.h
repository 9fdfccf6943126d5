#pragma once
// SkinBars: the notebook and the tool bar, two skinned panels that arrange other
// controls.
//
// The notebook holds a stack of pages of which one is shown, filling it; its page
// captions are also a string list (Pages), so that adding, inserting, deleting and
// renaming strings makes, frees and renames pages. In buttons mode a tool button per
// page is stacked above (pages up to the shown one) and below (the later pages) the
// shown page, like the bars of a navigation pane.
//
// The tool bar holds tool buttons and other controls in a row, kept vertically centred
// in its skin client area, hands its skin, flat style and images to its speed buttons,
// and, with CanScroll, scrolls its controls sideways when they do not fit: two arrows
// then appear in its non-client area at both ends.
//
// Files: SkinBars_ToolBar.cpp (properties, centring, captions), SkinBars_ToolBarScroll.cpp
// (the scroll layout and steps, the arrows: non-client size, hit codes, mouse, timers),
// SkinBars_ToolBarArrows.cpp (the arrows' looks), SkinBars_Notebook.cpp (pages, the shown
// page, page buttons), SkinBars_PageAccess.cpp (the Pages list).
//
// User-interface thread only.

#include <vector>

#include "components/controls/SkinCtrls.h"
#include "platform/base/StringList.h"

// ---------------------------------------------------------------- tool bar

// The hit codes of the tool bar's two scroll arrows.
constexpr LRESULT HTTOOLBARLEFTARROW = 119;
constexpr LRESULT HTTOOLBARRIGHTARROW = 120;

class TspSkinToolBar : public TspSkinPanel {
 public:
  // Element "toolpanel", height 25, no border, no background forced, controls centred.
  explicit TspSkinToolBar(TComponent* AOwner);

  // The panel's bounds; then every child is placed again (skinned children centre
  // themselves) and, with CanScroll, the scroll layout follows the new width.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // The panel's setter; then every speed button and bevel on the bar gets the skin too.
  void SetSkinData(TspSkinData* AValue) override;

  // Children keep vertically centred in the skin client area.
  bool AdjustControls = true;
  // Controls that do not fit are scrolled by two arrows at the ends.
  bool CanScroll = false;
  // Hovering an arrow scrolls, not only pressing it.
  bool HotScroll = false;
  // The scroll step in pixels; 0 is the client width. Negative values are ignored.
  int ScrollOffset() const { return FScrollOffset; }
  void SetScrollOffset(int AValue);
  // The repeat of a held (or, with HotScroll, hovered) arrow in ms; 0 or less ignored.
  int ScrollTimerInterval() const { return FScrollTimerInterval; }
  void SetScrollTimerInterval(int AValue);
  // The speed buttons on the bar draw from these (not owned; forgotten when freed).
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* AValue);
  TCustomImageList* HotImages() const { return FHotImages; }
  void SetHotImages(TCustomImageList* AValue);
  TCustomImageList* DisabledImages() const { return FDisabledImages; }
  void SetDisabledImages(TCustomImageList* AValue);
  bool Flat() const { return FFlat; }
  // Every speed button on the bar takes it.
  void SetFlat(bool AValue);
  // With AutoShowHideCaptions the speed buttons show or hide their captions with it;
  // with both widths set the bar takes WidthWithCaptions or WidthWithoutCaptions.
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool AValue);
  bool AutoShowHideCaptions = false;
  int WidthWithCaptions = 0;
  int WidthWithoutCaptions = 0;

  // The scroll state: whether the arrows show, the scroll offset in pixels, and an
  // arrow's rectangle in window coordinates (0 left, 1 right).
  bool ArrowsVisible() const { return FArrows[0].Visible; }
  int ScrollPosition() const { return SPosition; }
  TRect ArrowRect(int AIndex) const { return FArrows[AIndex].R; }

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void WndProc(TMessage& AMessage) override;
  void Dispatch(TMessage& AMessage) override;
  // While the arrows show, the children lie in a strip shifted by the scroll offset.
  void AdjustClientRect(TRect& ARect) override;
  void GetSkinData() override;
  // A bar of width-only element shows only the element's middle while it scrolls.
  void CreateControlSkinImage(TBitmap& B) override;

 private:
  struct TScrollArrow {
    TRect R;  // window coordinates
    bool MouseIn = false;
    bool Down = false;
    bool Visible = false;
  };
  enum TScrollDirection { sdNone = 0, sdLeft = 1, sdRight = 2 };

  // SkinBars_ToolBar.cpp
  template <class TChild, class TAction>
  void ForEachChildOf(TAction AAction);
  void CentreChildren();

  // SkinBars_ToolBarScroll.cpp
  int ScrollClientWidth() const;
  void UpdateScroll();
  void ScrollStep(TScrollDirection ADirection);
  void MoveChildrenBy(int ADX);
  void SetArrowsVisible(bool AVisible);
  void PlaceArrows();
  void RepaintArrows();
  void StartScrollTimer(TScrollDirection ADirection);
  void StopScrollTimer();
  void PointerLeft();
  void WMNCCalcSize(TMessage& AMessage);
  void WMNCHitTest(TMessage& AMessage);
  void WMNCMouseMove(TMessage& AMessage);
  void WMNCLButtonDown(TMessage& AMessage);
  void WMNCLButtonUp(TMessage& AMessage);
  void ArrowsLoseHover();
  void WMSize(TMessage& AMessage);
  void WMTimer(TMessage& AMessage);
  void WMDestroy(TMessage& AMessage);
  void WMSetCursor(TMessage& AMessage);
  void WMWindowPosChanging(TMessage& AMessage);

  // SkinBars_ToolBarArrows.cpp
  void WMNCPaint(TMessage& AMessage);
  void DrawScrollArrow(TCanvas& ACanvas, int AIndex);

  bool FMouseIn = false;
  TScrollDirection TimerMode = sdNone;
  int SMax = 0;
  int SPosition = 0;
  int SPage = 0;
  int SOldPosition = 0;
  int FHSizeOffset = 0;
  int FScrollOffset = 0;
  int FScrollTimerInterval = 50;
  TScrollArrow FArrows[2];
  // The skin's "resizebutton" element and its picture, or none.
  const TspDataSkinButtonControl* ButtonData = nullptr;
  TBitmap* ButtonPicture = nullptr;
  bool FInUpdateScroll = false;
  TCustomImageList* FImages = nullptr;
  TCustomImageList* FDisabledImages = nullptr;
  TCustomImageList* FHotImages = nullptr;
  bool FFlat = false;
  bool FShowCaptions = false;
};

// The top at which a control AHeight high is centred in the skin client area of the
// tool bar AParent; ATop when AParent is not a tool bar, or (AOnlyWhenAdjusting) is one
// that does not keep its controls centred.
int CentredTopOnToolBar(TWinControl* AParent, int ATop, int AHeight, bool AOnlyWhenAdjusting);

// ---------------------------------------------------------------- notebook

class TspSkinNotebook;

// One page of a notebook: a borderless panel filling the notebook while shown. The
// mouse falls through its own surface to what lies below.
class TspSkinPage : public TspSkinPanel {
 public:
  // Hidden, aligned to the client area, no border.
  explicit TspSkinPage(TComponent* AOwner);

  // The picture of the page's button in the notebook's Images; -1 none.
  int ImageIndex = -1;

 protected:
  void Dispatch(TMessage& AMessage) override;
};

// The tool button that shows its page.
class TspPageButton : public TspSkinSpeedButton {
 public:
  // Element: the notebook's ButtonSkinDataName; spacing 5.
  TspPageButton(TComponent* AOwner, int APageIndex, TspSkinNotebook* ANoteBook);

  // Shows its page, then the speed button's click.
  void ButtonClick() override;

  int PageIndex() const { return FPageIndex; }

 private:
  int FPageIndex;
  TspSkinNotebook* FNoteBook;
};

// The string-list view of a notebook's pages: a line per page, its caption; the line's
// object is the page. Each change in buttons mode builds the buttons again.
class TspPageAccess : public TStrings {
 public:
  explicit TspPageAccess(TspSkinNotebook& ANotebook) : FNotebook(ANotebook) {}

  // A new page captioned AText at AIndex (0 to Count), then shown.
  void Insert(int AIndex, const String& AText) override;
  // Frees the page and shows page 0 (none when no page is left).
  void Delete(int AIndex) override;
  void Clear() override;
  // The two pages exchange their places.
  void Exchange(int AIndex1, int AIndex2) override;
  // As Exchange: the pages at ACurIndex and ANewIndex swap places.
  void Move(int ACurIndex, int ANewIndex) { Exchange(ACurIndex, ANewIndex); }

 protected:
  String Get(int AIndex) const override;
  // Renames the page (and its button).
  void Put(int AIndex, const String& AText) override;
  void* GetObject(int AIndex) const override;
  // The objects are the pages: nothing else can be stored.
  void PutObject(int, void*) override {}
  int GetCount() const override;

 private:
  TspSkinNotebook& FNotebook;
};

class TspSkinNotebook : public TspSkinPanel {
  friend class TspPageAccess;

 public:
  // 150 × 150, framed, holding one page "Default", shown.
  explicit TspSkinNotebook(TComponent* AOwner);
  ~TspSkinNotebook() override;

  // The index of the shown page; -1 when none. Indexes outside the pages are ignored.
  int PageIndex() const { return FPageIndex; }
  void SetPageIndex(int AValue);
  // The caption of the shown page; empty while none is shown. Setting shows the first
  // page of that caption (an unknown caption is ignored).
  String ActivePage() const;
  void SetActivePage(const String& AValue);
  // The pages' captions; setting replaces the pages by one per line.
  TspPageAccess& Pages() { return FAccess; }
  void SetPages(const TStrings& AValue);
  // Raises EListError for an index outside the pages.
  TspSkinPage* Page(int AIndex) const;
  int PageCount() const { return static_cast<int>(FPageList.size()); }
  bool ButtonsMode() const { return FButtonsMode; }
  void SetButtonsMode(bool AValue);
  // The page buttons' pictures (not owned; forgotten when freed).
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* AValue);
  // The skin element of the page buttons.
  String ButtonSkinDataName = "toolbutton";
  // The buttons in page order (buttons mode).
  const std::vector<TspPageButton*>& Buttons() const { return FButtons; }
  // Every button of the page takes the caption, the images and the page's picture.
  void UpdateButton(int APageIndex, const String& ACaption);
  // A page asked to become visible is shown.
  void ShowControl(TControl* AControl) override;

  TNotifyEvent OnPageChanged;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void CreateParams(TCreateParams& AParams) override;

 private:
  bool IsLoading() const { return ComponentState().Contains(csLoading); }
  // Brings the page to the front with the notebook's skin, shown and filling it.
  void ShowPage(TspSkinPage* APage);
  // The focus leaves a page being hidden for the notebook, and comes back to the first
  // control inside it once the new page shows.
  bool TakeFocusFromPages();
  void FocusFirstControl();
  void RealignButtons();
  void RebuildButtons();
  void FreeButtons();
  TspSkinPage* AddPage(int AIndex, const String& ACaption);
  void FreePage(int AIndex);

  TspPageAccess FAccess{*this};
  int FPageIndex = -1;
  bool FButtonsMode = false;
  std::vector<TspPageButton*> FButtons;  // owned as components by the notebook
  TCustomImageList* FImages = nullptr;
  std::vector<TspSkinPage*> FPageList;  // owned as components by the notebook
};
