#pragma once
// TCustomTabControl: a windowed control on the tab control ("SysTabControl32",
// TabControlWindow.h): the tab position, lines, style, tab size and image list as
// window styles and messages, the selected tab, the display rectangle its children are
// aligned in, and the OnChanging/OnChange events of a selection by the user. Which
// tabs it shows is up to subclasses (TPageControl). User-interface thread only.

#include "platform/ui/ImgList.h"
#include "platform/ui/WinControl.h"

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
// AllowChange arrives true; set it false to keep the current tab.
using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TCustomTabControl : public TWinControl {
 public:
  // 289 × 193, TabStop, tabs at the top on one line, measured from their captions.
  explicit TCustomTabControl(TComponent* AOwner);

  // The selected tab among the shown tabs; -1 for none. Setting it raises no event.
  int TabIndex();
  void SetTabIndex(int AValue);

  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition AValue);
  // Drawn by the owner in either case; the window only keeps it as a style.
  TTabStyle Style() const { return FStyle; }
  void SetStyle(TTabStyle AValue);
  // Tabs on the left or right always take several lines.
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool AValue);
  // A fixed tab height and width; 0 measures them from the font and the captions.
  int TabHeight() const { return FTabHeight; }
  void SetTabHeight(int AValue);
  int TabWidth() const { return FTabWidth; }
  void SetTabWidth(int AValue);
  // Not owned; every tab is widened by the list's width (height for side tabs).
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* AValue);

  // Where the children go: the client area less tabs and border, asked of the window
  // with TCM_ADJUSTRECT through WindowProc, so that a subclass's adjustment applies.
  TRect DisplayRect();

  // The user pressed another tab: OnChanging may refuse; OnChange follows the change.
  TTabChangingEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& AParams) override;
  // Hands the window its image list, tab size, tabs (CreateTabs) and selection.
  void CreateWnd() override;
  void DestroyWnd() override;
  void AdjustClientRect(TRect& ARect) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  // Every WM_PAINT runs PaintWindow (then the windowless children): the window draws
  // nothing itself, so the tabs and border are whatever an override of PaintWindow
  // draws.
  void Dispatch(TMessage& AMessage) override;

  // Asked before a selection by the user: OnChanging.
  virtual bool CanChange();
  // After a selection by the user: OnChange.
  virtual void Change();
  // Puts the tabs into a new window; the default has none.
  virtual void CreateTabs() {}
  // The window's tabs, for subclasses (nothing without a window).
  void InsertTab(int AIndex, const String& ACaption, int AImageIndex);
  void DeleteTab(int AIndex);
  int TabCount();

 private:
  void CNNotify(TMessage& AMessage);
  void CMFontChanged(TMessage& AMessage);
  DWORD TabStyleBits() const;
  // The style bits changed: into the window, and the children follow the new display
  // rectangle.
  void UpdateTabStyle();
  void UpdateTabSize();

  TTabPosition FTabPosition = tpTop;
  TTabStyle FStyle = tsTabs;
  bool FMultiLine = false;
  int FTabHeight = 0;
  int FTabWidth = 0;
  TCustomImageList* FImages = nullptr;
  // The selection while there is no window.
  int FTabIndex = -1;
};
