// TScreen: the forms and the active form and control, the cursors, the screen and its
// monitors, the fonts; the monitor objects.

#include "platform/ui/Screen.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/gdi/FontFamilies.h"
#include "platform/ui/CursorTable.h"
#include "platform/ui/CustomForm.h"
#include "platform/win/Cursors.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

TScreen* Screen = new TScreen(nullptr);

// ---------------------------------------------------------------- monitors

MONITORINFO TMonitor::Info() const {
  MONITORINFO Result;
  GetMonitorInfo(FHandle, &Result);
  return Result;
}

bool TMonitor::Primary() const { return (Info().dwFlags & MONITORINFOF_PRIMARY) != 0; }
TRect TMonitor::BoundsRect() const { return Info().rcMonitor; }
TRect TMonitor::WorkareaRect() const { return Info().rcWork; }

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TScreen::~TScreen() = default;

// The monitor objects stay (so that pointers to them stay good); they take the handles
// of the current configuration in order.
void TScreen::UpdateMonitors() {
  std::vector<HMONITOR> Handles;
  EnumDisplayMonitors([&](HMONITOR AMonitor) {
    Handles.push_back(AMonitor);
    return true;
  });
  while (FMonitors.size() < Handles.size()) FMonitors.push_back(std::make_unique<TMonitor>());
  for (size_t I = 0; I < Handles.size(); ++I) {
    FMonitors[I]->FHandle = Handles[I];
    FMonitors[I]->FMonitorNum = static_cast<int>(I);
  }
  FMonitors.resize(Handles.size());
}

int TScreen::MonitorCount() {
  UpdateMonitors();
  return static_cast<int>(FMonitors.size());
}

TMonitor* TScreen::Monitors(int AIndex) {
  UpdateMonitors();
  if (AIndex < 0 || AIndex >= static_cast<int>(FMonitors.size()))
    throw EListError(Format("List index out of bounds (%d)", AIndex));
  return FMonitors[static_cast<size_t>(AIndex)].get();
}

TMonitor* TScreen::FindMonitor(HMONITOR AHandle) {
  UpdateMonitors();
  for (const auto& Monitor : FMonitors)
    if (Monitor->FHandle == AHandle) return Monitor.get();
  return nullptr;
}

namespace {

DWORD MonitorFlags(TMonitorDefaultTo ADefault) {
  switch (ADefault) {
    case mdNull:
      return MONITOR_DEFAULTTONULL;
    case mdPrimary:
      return MONITOR_DEFAULTTOPRIMARY;
    case mdNearest:
      break;
  }
  return MONITOR_DEFAULTTONEAREST;
}

}  // namespace

TMonitor* TScreen::MonitorFromWindow(HWND AWindow, TMonitorDefaultTo ADefault) {
  return FindMonitor(::MonitorFromWindow(AWindow, MonitorFlags(ADefault)));
}

TMonitor* TScreen::MonitorFromPoint(TPoint APoint, TMonitorDefaultTo ADefault) {
  return FindMonitor(::MonitorFromPoint(APoint, MonitorFlags(ADefault)));
}

TMonitor* TScreen::MonitorFromRect(const TRect& ARect, TMonitorDefaultTo ADefault) {
  return FindMonitor(::MonitorFromRect(&ARect, MonitorFlags(ADefault)));
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const {
  RECT Area;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &Area, 0);
  return Area;
}

// ---------------------------------------------------------------- forms

void TScreen::AddForm(TCustomForm* AForm) { FForms.push_back(AForm); }

void TScreen::RemoveForm(TCustomForm* AForm) {
  std::erase(FForms, AForm);
  if (AForm->ContainsControl(FActiveControl)) FActiveControl = nullptr;
  if (AForm->ContainsControl(FLastActiveControl)) FLastActiveControl = nullptr;
  if (FActiveCustomForm == AForm) FActiveCustomForm = nullptr;
  if (FLastActiveCustomForm == AForm) FLastActiveCustomForm = nullptr;
}

std::vector<TCustomForm*> TScreen::SortedForms() const {
  std::vector<HWND> Stacking;
  EnumWindows([&](HWND AWindow) {
    Stacking.push_back(AWindow);
    return true;
  });
  const auto Place = [&](TCustomForm* AForm) {
    if (!AForm->HandleAllocated()) return Stacking.size();
    const auto Found = std::find(Stacking.begin(), Stacking.end(), AForm->Handle());
    return static_cast<size_t>(Found - Stacking.begin());
  };
  std::vector<TCustomForm*> Sorted = FForms;
  std::stable_sort(Sorted.begin(), Sorted.end(),
                   [&](TCustomForm* A, TCustomForm* B) { return Place(A) < Place(B); });
  return Sorted;
}

int TScreen::CustomFormCount() const { return static_cast<int>(FForms.size()); }

TCustomForm* TScreen::CustomForms(int AIndex) const {
  if (AIndex < 0 || AIndex >= CustomFormCount())
    throw EListError(Format("List index out of bounds (%d)", AIndex));
  return SortedForms()[static_cast<size_t>(AIndex)];
}

int TScreen::FormCount() const {
  return static_cast<int>(std::count_if(FForms.begin(), FForms.end(),
                                        [](TCustomForm* AForm) { return dynamic_cast<TForm*>(AForm); }));
}

TForm* TScreen::Forms(int AIndex) const {
  int Index = AIndex;
  for (TCustomForm* Form : SortedForms())
    if (auto* Plain = dynamic_cast<TForm*>(Form); Plain && Index-- == 0) return Plain;
  throw EListError(Format("List index out of bounds (%d)", AIndex));
}

TForm* TScreen::ActiveForm() const { return dynamic_cast<TForm*>(FActiveCustomForm); }

void TScreen::FocusChanged(TCustomForm* AForm, TWinControl* AControl) {
  FActiveCustomForm = AForm;
  FActiveControl = AControl;
}

void TScreen::ControlLeaving(TWinControl* AControl) {
  if (AControl->ContainsControl(FActiveControl)) FActiveControl = nullptr;
  if (AControl->ContainsControl(FLastActiveControl)) FLastActiveControl = nullptr;
}

void TScreen::UpdateLastActive() {
  if (FLastActiveCustomForm != FActiveCustomForm) {
    FLastActiveCustomForm = FActiveCustomForm;
    if (OnActiveFormChange) OnActiveFormChange(this);
  }
  if (FLastActiveControl != FActiveControl) {
    FLastActiveControl = FActiveControl;
    if (OnActiveControlChange) OnActiveControlChange(this);
  }
}

// ---------------------------------------------------------------- cursors

TCursor TScreen::Cursor() const { return ScreenCursor(); }

// The shape changes at once: to the screen's cursor, or back to what the window under
// the pointer asks for.
void TScreen::SetCursor(TCursor AValue) {
  if (ScreenCursor() == AValue) return;
  SetScreenCursor(AValue);
  if (AValue != crDefault) {
    ::SetCursor(CursorHandle(AValue));
    return;
  }
  POINT Pointer;
  GetCursorPos(&Pointer);
  if (HWND Under = WindowFromPoint(Pointer))
    SendMessage(Under, WM_SETCURSOR, reinterpret_cast<WPARAM>(Under),
                MAKELPARAM(static_cast<WORD>(SendMessage(Under, WM_NCHITTEST, 0, PointToLParam(Pointer))),
                           static_cast<WORD>(WM_MOUSEMOVE)));
}

HCURSOR TScreen::Cursors(TCursor AIndex) const { return CursorHandle(AIndex); }

void TScreen::SetCursors(TCursor AIndex, HCURSOR AValue) { SetCursorHandle(AIndex, AValue); }

// ---------------------------------------------------------------- fonts

TStrings& TScreen::Fonts() {
  if (!FFonts) {
    FFonts = std::make_unique<TStringList>();
    for (const String& Family : InstalledFontFamilies()) FFonts->Add(Family);
  }
  return *FFonts;
}
