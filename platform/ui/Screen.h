#pragma once
// TScreen: the program's one screen object, Screen. The forms in z-order with the
// active form and control, the cursor shown over every form and the table of cursors,
// the screen with its work area and monitors, and the installed fonts.
// User-interface thread only.

#include <memory>
#include <vector>

#include "platform/base/StringList.h"
#include "platform/ui/Component.h"
#include "platform/ui/ControlTypes.h"
#include "platform/win/Monitors.h"

class TCustomForm;
class TForm;
class TWinControl;

// A monitor as the screen object describes it. Its values are read when asked, so
// they follow a change of the monitors' work areas.
class TMonitor {
 public:
  HMONITOR Handle() const { return FHandle; }
  // The place in Screen.Monitors.
  int MonitorNum() const { return FMonitorNum; }
  bool Primary() const;
  TRect BoundsRect() const;
  TRect WorkareaRect() const;
  int Left() const { return BoundsRect().Left; }
  int Top() const { return BoundsRect().Top; }
  int Width() const { return BoundsRect().Width(); }
  int Height() const { return BoundsRect().Height(); }

 private:
  friend class TScreen;
  MONITORINFO Info() const;

  HMONITOR FHandle = nullptr;
  int FMonitorNum = 0;
};

enum TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  // ---- Forms
  // The forms, the topmost first: those with a window in the windows' stacking
  // order, then those without one in the order they were made. Forms counts the
  // TForm ones, CustomForms every TCustomForm.
  int FormCount() const;
  TForm* Forms(int AIndex) const;
  int CustomFormCount() const;
  TCustomForm* CustomForms(int AIndex) const;
  // The form that had the focus last (it stays while the program is in the
  // background), and its focused control; nullptr when none. ActiveForm is nullptr
  // when the active form is not a TForm.
  TCustomForm* ActiveCustomForm() const { return FActiveCustomForm; }
  TForm* ActiveForm() const;
  TWinControl* ActiveControl() const { return FActiveControl; }
  // After the active form or the active control changed.
  TNotifyEvent OnActiveFormChange;
  TNotifyEvent OnActiveControlChange;

  // ---- Cursors
  // While it is not crDefault, the cursor shown over every form of the program (an
  // hourglass while working); crDefault lets each control show its own.
  TCursor Cursor() const;
  void SetCursor(TCursor AValue);
  // The cursor table: the standard shapes under their negative numbers, cursors the
  // program loaded under positive numbers of its choice (the table takes them over).
  HCURSOR Cursors(TCursor AIndex) const;
  void SetCursors(TCursor AIndex, HCURSOR AValue);

  // ---- Screen and monitors
  // The primary monitor's size and work area.
  int Width() const;
  int Height() const;
  TRect WorkAreaRect() const;
  int WorkAreaLeft() const { return WorkAreaRect().Left; }
  int WorkAreaTop() const { return WorkAreaRect().Top; }
  int WorkAreaWidth() const { return WorkAreaRect().Width(); }
  int WorkAreaHeight() const { return WorkAreaRect().Height(); }
  int MonitorCount();
  // Raises EListError "List index out of bounds (n)" out of range.
  TMonitor* Monitors(int AIndex);
  TMonitor* MonitorFromWindow(HWND AWindow, TMonitorDefaultTo ADefault = mdNearest);
  TMonitor* MonitorFromPoint(TPoint APoint, TMonitorDefaultTo ADefault = mdNearest);
  TMonitor* MonitorFromRect(const TRect& ARect, TMonitorDefaultTo ADefault = mdNearest);

  // ---- Fonts
  // The font families installed, sorted; read once, when first asked.
  TStrings& Fonts();

 private:
  friend class TCustomForm;
  // For the forms: they come and go, get the focus, and lose controls.
  void AddForm(TCustomForm* AForm);
  void RemoveForm(TCustomForm* AForm);
  void FocusChanged(TCustomForm* AForm, TWinControl* AControl);
  void ControlLeaving(TWinControl* AControl);
  void UpdateLastActive();
  std::vector<TCustomForm*> SortedForms() const;
  // Brings the monitor list up to date with the window system's.
  void UpdateMonitors();
  TMonitor* FindMonitor(HMONITOR AHandle);

  std::vector<TCustomForm*> FForms;  // in the order they were made
  TCustomForm* FActiveCustomForm = nullptr;
  TWinControl* FActiveControl = nullptr;
  TCustomForm* FLastActiveCustomForm = nullptr;
  TWinControl* FLastActiveControl = nullptr;
  std::vector<std::unique_ptr<TMonitor>> FMonitors;
  std::unique_ptr<TStringList> FFonts;
};

extern TScreen* Screen;
