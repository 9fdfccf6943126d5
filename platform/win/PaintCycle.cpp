// The paint cycle: WM_NCPAINT and WM_PAINT in paint order, BeginPaint (which sends the
// due WM_ERASEBKGND with its own device context) and EndPaint.

#include <algorithm>
#include <iterator>
#include <vector>

#include "platform/win/MessageQueue.h"
#include "platform/win/MessageQueueInternal.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintStateInternal.h"
#include "platform/win/Painting.h"
#include "platform/win/PaintingInternal.h"
#include "platform/win/SurfacesInternal.h"
#include "platform/win/Timers.h"

namespace {

// Paint order: each window before its children, siblings from the bottom of the stack
// up, so that what lies on top is drawn last.
void CollectPaintOrder(const TWindow& AWindow, std::vector<HWND>& AOrder) {
  AOrder.push_back(AWindow.Handle);
  for (auto Child = AWindow.Children.rbegin(); Child != AWindow.Children.rend(); ++Child)
    if (const TWindow* ChildWindow = FindWindowRecord(*Child); ChildWindow && ChildWindow->IsVisible())
      CollectPaintOrder(*ChildWindow, AOrder);
}

std::vector<HWND> PaintOrder(HWND AWindow, bool AChildren) {
  std::vector<HWND> Order;
  if (!AChildren) {
    Order.push_back(AWindow);
  } else if (const TWindow* Window = FindWindowRecord(AWindow)) {
    CollectPaintOrder(*Window, Order);
  }
  return Order;
}

// The first window of AWindow's tree, in paint order, that waits for WM_PAINT.
TWindow* FirstWaitingForPaint(TWindow& AWindow) {
  if (AWindow.PaintState && AWindow.PaintState->CountedAsPending) return &AWindow;
  for (auto Child = AWindow.Children.rbegin(); Child != AWindow.Children.rend(); ++Child)
    if (TWindow* ChildWindow = FindWindowRecord(*Child); ChildWindow && ChildWindow->IsVisible())
      if (TWindow* Found = FirstWaitingForPaint(*ChildWindow)) return Found;
  return nullptr;
}

TWindow* FirstWaitingForPaint(HWND AFilter) {
  if (AFilter) {
    TWindow* Window = FindWindowRecord(AFilter);
    return Window ? FirstWaitingForPaint(*Window) : nullptr;
  }
  for (HWND TopLevel : DesktopRecord().Children)
    if (TWindow* Window = FindWindowRecord(TopLevel))
      if (TWindow* Found = FirstWaitingForPaint(*Window)) return Found;
  return nullptr;
}

// The first window waiting for WM_PAINT at or after AWindow in paint order: in its own
// tree, then in the trees painted after it, those of its siblings lower in the stack
// and those after its ancestors'.
TWindow* FirstWaitingForPaintFrom(TWindow& AWindow) {
  if (TWindow* Found = FirstWaitingForPaint(AWindow)) return Found;
  for (const TWindow* Window = &AWindow;;) {
    if (Window->IsTopLevel()) {
      const std::vector<HWND>& TopLevels = DesktopRecord().Children;
      auto Next = std::find(TopLevels.begin(), TopLevels.end(), Window->Handle);
      if (Next == TopLevels.end()) return nullptr;
      for (++Next; Next != TopLevels.end(); ++Next)
        if (TWindow* TopLevel = FindWindowRecord(*Next))
          if (TWindow* Found = FirstWaitingForPaint(*TopLevel)) return Found;
      return nullptr;
    }
    const TWindow* Parent = ParentRecord(*Window);
    if (!Parent) return nullptr;
    const std::vector<HWND>& Siblings = Parent->Children;
    const auto Self = std::find(Siblings.begin(), Siblings.end(), Window->Handle);
    for (auto Sibling = std::make_reverse_iterator(Self); Sibling != Siblings.rend(); ++Sibling)
      if (TWindow* SiblingWindow = FindWindowRecord(*Sibling); SiblingWindow && SiblingWindow->IsVisible())
        if (TWindow* Found = FirstWaitingForPaint(*SiblingWindow)) return Found;
    Window = Parent;
  }
}

// The next window to paint: found from where the last search stopped while no window
// started waiting and the tree kept its order since, else from the top.
TWindow* NextWaitingForPaint(HWND AFilter) {
  TPaintRun& Run = PaintRun();
  TWindow* Found = nullptr;
  if (!AFilter && Run.PaintSearchResume && Run.PaintSearchChanges == Run.PaintOrderChanges)
    if (TWindow* Resume = FindWindowRecord(Run.PaintSearchResume)) Found = FirstWaitingForPaintFrom(*Resume);
  if (!Found) Found = FirstWaitingForPaint(AFilter);
  if (!AFilter) {
    Run.PaintSearchResume = Found ? Found->Handle : nullptr;
    Run.PaintSearchChanges = Run.PaintOrderChanges;
  }
  return Found;
}

// WM_NCPAINT with the frame part of the update region, which is validated.
void SendFramePaint(TWindow& AWindow) {
  const HWND Handle = AWindow.Handle;
  PaintStateOf(AWindow).FramePending = false;
  const TRegion Client(ClientRectInWindow(AWindow));
  TRegion Frame = TRegion::Combine(AWindow.UpdateRegion, Client, roDiff);
  AWindow.UpdateRegion = TRegion::Combine(AWindow.UpdateRegion, Client, roAnd);
  RefreshPaintPending(AWindow);
  Frame.Offset(AWindow.WindowRect.Left, AWindow.WindowRect.Top);
  const HRGN Region = CreateRectRgn(0, 0, 0, 0);
  Region->Region = std::move(Frame);
  SendMessage(Handle, WM_NCPAINT, reinterpret_cast<WPARAM>(Region), 0);
  DeleteObject(Region);
}

// WM_ERASEBKGND with a device context clipped to the client part of the update region,
// for an erase asked for ahead of the paint (RDW_ERASENOW, GetUpdateRect).
void SendErase(TWindow& AWindow) {
  const HWND Handle = AWindow.Handle;
  PaintStateOf(AWindow).ErasePending = false;
  const TRegion Update = TRegion::Combine(AWindow.UpdateRegion, TRegion(ClientRectInWindow(AWindow)), roAnd);
  const HDC DC = OpenWindowDC(AWindow, true, &Update);
  const LRESULT Erased = SendMessage(Handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
  CloseWindowDC(DC);
  if (TWindow* Window = FindWindowRecord(Handle)) PaintStateOf(*Window).EraseLeftUndone = Erased == 0;
}

void SendDueFramePaint(HWND AWindow) {
  TWindow* Window = FindWindowRecord(AWindow);
  if (Window && IsDrawable(*Window) && PaintStateOf(*Window).FramePending) SendFramePaint(*Window);
}

}  // namespace

void SendDueFramePaintAndErase(HWND AWindow) {
  SendDueFramePaint(AWindow);
  TWindow* Window = FindWindowRecord(AWindow);
  if (Window && IsDrawable(*Window) && PaintStateOf(*Window).ErasePending) SendErase(*Window);
}

void PaintNow(HWND AWindow, bool AChildren) {
  if (PaintRun().PendingWindows == 0) return;
  for (HWND Window : PaintOrder(AWindow, AChildren)) {
    TWindow* Record = FindWindowRecord(Window);
    if (!Record || !NeedsPaint(*Record)) continue;
    SendDueFramePaint(Window);
    if (FindWindowRecord(Window)) SendMessage(Window, WM_PAINT, 0, 0);
  }
  PresentChangedSurfacesUnlessPainting();
}

void EraseNow(HWND AWindow, bool AChildren) {
  for (HWND Window : PaintOrder(AWindow, AChildren)) SendDueFramePaintAndErase(Window);
}

bool NextPaintMessage(HWND AFilter, MSG& AMessage) {
  while (PaintRun().PendingWindows > 0) {
    const TWindow* Found = NextWaitingForPaint(AFilter);
    if (!Found) break;
    const HWND Window = Found->Handle;
    SendDueFramePaint(Window);
    if (!FindWindowRecord(Window)) continue;
    AMessage = MSG{Window, WM_PAINT, 0, 0, Win::GetTickCount(), CurrentPointerPosition()};
    return true;
  }
  PresentChangedSurfacesUnlessPainting();
  return false;
}

bool UpdateWindow(HWND AWindow) {
  RequireUIThread("UpdateWindow");
  if (!FindWindowRecord(AWindow)) return false;
  PaintNow(AWindow, true);
  return true;
}

HDC BeginPaint(HWND AWindow, PAINTSTRUCT* APaint) {
  RequireUIThread("BeginPaint");
  if (!APaint) return nullptr;
  SendDueFramePaint(AWindow);
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return nullptr;
  TWindowPaintState& State = PaintStateOf(*Window);
  const TRect Client = ClientRectInWindow(*Window);
  const TRegion Update = TRegion::Combine(Window->UpdateRegion, TRegion(Client), roAnd);
  Window->UpdateRegion = TRegion::Combine(Window->UpdateRegion, TRegion(Client), roDiff);
  *APaint = PAINTSTRUCT();
  const bool EraseDue = State.ErasePending && IsDrawable(*Window);
  APaint->fErase = State.EraseLeftUndone;
  State.EraseLeftUndone = State.ErasePending = State.InternalPaint = false;
  RefreshPaintPending(*Window);
  if (!Update.IsEmpty()) {
    APaint->rcPaint = Update.Box();
    OffsetRect(APaint->rcPaint, -Client.Left, -Client.Top);
  }
  APaint->hdc = OpenWindowDC(*Window, true, &Update);
  TPaintRun& Run = PaintRun();
  Run.OpenDCs.at(APaint->hdc).IsPaintDC = true;
  ++Run.OpenPaints;
  // The erase draws with the paint's own device context, clipped as the paint is: one
  // device context per paint cycle, and the window paints over what it erased.
  if (EraseDue && SendMessage(AWindow, WM_ERASEBKGND, reinterpret_cast<WPARAM>(APaint->hdc), 0) == 0)
    APaint->fErase = true;
  return APaint->hdc;
}

bool EndPaint(HWND, const PAINTSTRUCT* APaint) {
  RequireUIThread("EndPaint");
  if (!APaint || !CloseWindowDC(APaint->hdc)) return false;
  PresentChangedSurfacesWhenIdle();
  return true;
}
