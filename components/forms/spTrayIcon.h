#pragma once
// TspTrayIcon: one icon in the desktop's notification area. It reports mouse actions
// on the icon as events (a single click told from a double click on the click timer),
// pops a popup menu up at the cursor, cycles through the images of an image list on
// a timer, shows balloon hints, hides the application's main form in the tray when the
// application is minimized, and brings it back.
//
// Without a tray on the desktop the icon cannot be added; the wanted state is kept and
// the icon is added when a tray comes up ("TaskbarCreated" on the application window).
// User-interface thread only.

#include <memory>

#include "platform/ui/Component.h"
#include "platform/ui/ControlTypes.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/LiveGuard.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Timer.h"
#include "platform/ui/WindowHook.h"
#include "platform/win/Cursors.h"
#include "platform/win/ShellNotifyIcon.h"

// The form's message that its main form is coming back from the tray.
constexpr UINT SP_TRAYRESTOREFORM = 1426;
// The Tag of a main form coming back from the tray, until SP_TRAYRESTOREFORM.
constexpr long long TrayRestoreTag = -10000;
// The icon's callback message to its hidden window.
constexpr UINT SP_TRAYICONCALLBACK = 2048;

enum TspBalloonHintIcon { spbitNone, spbitInfo, spbitWarning, spbitError };

// A balloon goes away by itself after this long.
constexpr UINT TrayBalloonTimeoutMs = 10000;

class TspTrayBalloonWindow;

// NextIndex: the index of the icon list the cycling moves to.
using TCycleEvent = std::function<void(TObject* Sender, int NextIndex)>;

class TspTrayIcon : public TComponent {
 public:
  explicit TspTrayIcon(TComponent* AOwner);
  ~TspTrayIcon() override;

  bool DesignPreview() const { return FDesignPreview; }
  void SetDesignPreview(bool AValue);
  TCustomImageList* IconList() const { return FIconList; }
  // Shows the list's first icon.
  void SetIconList(TCustomImageList* AValue);
  bool CycleIcons() const { return FCycleIcons; }
  void SetCycleIcons(bool AValue);
  UINT AnimateTimerInterval() const { return FAnimateTimerInterval; }
  // 0 stops the cycling.
  void SetAnimateTimerInterval(UINT AValue);
  // While false, mouse actions on the icon and clicks on its balloon are ignored.
  bool Enabled = true;
  const String& Hint() const { return FHint; }
  void SetHint(const String& AValue);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool AValue);
  TIcon& Icon() { return FIcon; }
  // Copies AValue's picture.
  void SetIcon(const TIcon& AValue);
  // Whether the icon is wanted in the notification area.
  bool IconVisible() const { return FIconVisible; }
  void SetIconVisible(bool AValue);
  int IconIndex() const { return FIconIndex; }
  // With an icon list: AValue, at most its last index, and that icon is shown. An empty
  // list gives -1 and an empty icon. Without a list: 0.
  void SetIconIndex(int AValue);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* AValue);
  bool PopupByLeftButton = false;
  // Acts when loading ends: the main form starts hidden in the tray.
  bool MinimizedOnStart = false;
  // Minimizing the application then hides its main form in the tray.
  bool MinimizeToTray = false;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TCycleEvent OnCycle;
  TNotifyEvent OnBalloonHintClick;

  // The hidden window that receives the icon's messages.
  HWND Handle() const { return FIconData.hWnd; }
  // The owner window of the hidden window: none.
  HWND WindowHandle() const { return FWindowHandle; }

  // Sends the icon, hint and picture again; false when the shell call failed.
  bool Refresh() { return ModifyIcon(); }
  // AIcon := ABitmap as a 16 x 16 icon, AMaskColor transparent.
  bool BitmapToIcon(const TBitmap& ABitmap, TIcon& AIcon, TColor AMaskColor);
  // Shows and hides the application's main form (only when the owner is a windowed
  // control).
  void ShowMainForm();
  void HideMainForm();
  // A balloon beside the icon with a title, a text and the picture of AIconType; title
  // and text are cut to 63 and 255 characters, and an empty text shows none. While the
  // application's main form carries an active TspSkinHint the balloon is a window of
  // ours in that hint's look (its line separator breaks lines as in every hint), else
  // the desktop's own. A click on it reaches OnBalloonHintClick; after
  // TrayBalloonTimeoutMs, or when the icon is hidden, it goes. False when the icon is
  // not in the notification area.
  bool ShowBalloonHint(const String& ATitle, const String& AText, TspBalloonHintIcon AIconType);
  bool HideBalloonHint();
  // The skinned balloon on show, nullptr when there is none.
  HWND BalloonWindow() const;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;

  // Whether an icon without a picture takes the application's icon.
  virtual bool UseApplicationIcon() { return true; }
  virtual bool ShowIcon();
  virtual bool HideIcon();
  virtual bool ModifyIcon();

  virtual void Click();
  virtual void DblClick();
  virtual void DoCycle();
  virtual void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY);
  virtual void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY);
  virtual void MouseMove(TShiftState AShift, int AX, int AY);
  virtual void DoMinimizeToTray();

 private:
  using TObserver = void (TspTrayIcon::*)(HWND, UINT, WPARAM, LPARAM);

  static constexpr UINT IconDataFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

  // spTrayIcon_Icon.cpp
  bool PrepareIconData();
  bool SendIconData(DWORD AMessage);
  void AnimateTimerTick();
  int NextCycleIndex() const;

  // spTrayIcon_Balloon.cpp
  bool ShowSkinnedBalloon(const String& ATitle, const String& AText, TspBalloonHintIcon AIconType);
  void HideSkinnedBalloon();
  void BalloonClicked();

  // spTrayIcon_Mouse.cpp
  void IconWindowProc(TMessage& AMessage);
  void IconCallback(LPARAM AAction);
  void ClickTimerTick();
  void PopupAtCursor();

  // spTrayIcon_Component.cpp
  TWinControl* OwnerControl() const;
  // Puts AHook on AWindow: each message goes to AObserver first, then on.
  void HookWindow(TWindowHook& AHook, HWND AWindow, TObserver AObserver);
  void HookApplicationWindow();
  void ApplicationWindowProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  void OwnerWindowProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  bool FDesignPreview = false;
  bool SettingPreview = false;
  bool SettingMDIForm = true;
  TIcon FIcon;
  // The picture handed to the shell, made from FIcon at each call.
  TIconObject FIconHandle;
  bool FIconVisible = true;
  String FHint;
  bool FShowHint = true;
  TPopupMenu* FPopupMenu = nullptr;
  TCustomImageList* FIconList = nullptr;
  bool FCycleIcons = false;
  UINT FAnimateTimerInterval = 0;
  int FIconIndex = 0;
  bool FClickStart = false;
  bool FClickReady = false;
  bool IsDblClick = false;
  TTimer* AnimateTimer = nullptr;
  TTimer* ClickTimer = nullptr;
  TTimer* BalloonTimer = nullptr;
  // Made at the first skinned balloon; owned.
  TspTrayBalloonWindow* FBalloon = nullptr;
  UINT FTaskbarCreated = 0;
  NOTIFYICONDATAW FIconData;
  HWND FWindowHandle = nullptr;
  TWindowHook FApplicationHook;
  TWindowHook FOwnerHook;
  // Ends with the component: the user events of the icon may free it.
  TLiveGuard FLive;
};
