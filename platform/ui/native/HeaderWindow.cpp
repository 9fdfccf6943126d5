// The header control's window procedure: the HDM_ messages over the model, divider
// dragging and section clicks with their notifications, and painting.

#include "platform/ui/native/HeaderWindow.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <unordered_map>

#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ControlClasses.h"
#include "platform/ui/native/HeaderModel.h"
#include "platform/ui/native/HeaderPaintInternal.h"
#include "platform/win/Windows.h"

namespace {

struct THeaderState {
  THeaderModel Model;
  // The section held down as a button, -1 when none.
  int Pressed = -1;
  // The section whose divider is dragged, -1 when none, and the distance from the
  // pointer to the divider when the drag began.
  int Tracking = -1;
  int TrackOffset = 0;
  // The section being dragged to another place (HDS_DRAGDROP), -1 when none, and
  // where the press that may start a drag was.
  int Dragging = -1;
  int PressX = 0;
};

// How far a held section must move before it is dragged rather than clicked.
constexpr int DragThreshold = 4;

std::unordered_map<HWND, std::unique_ptr<THeaderState>> HeaderStates;

THeaderState& StateOf(HWND AWindow) {
  std::unique_ptr<THeaderState>& State = HeaderStates[AWindow];
  if (!State) State = std::make_unique<THeaderState>();
  return *State;
}

TSize ClientSize(HWND AWindow) {
  RECT R;
  GetClientRect(AWindow, &R);
  return {R.Width(), R.Height()};
}

LRESULT Notify(HWND AWindow, UINT ACode, int AItem, HDITEM* AItemData) {
  NMHEADER Header;
  Header.hdr.hwndFrom = AWindow;
  Header.hdr.idFrom = static_cast<UINT_PTR>(GetWindowLong(AWindow, GWL_ID));
  Header.hdr.code = ACode;
  Header.iItem = AItem;
  Header.pitem = AItemData;
  return SendMessage(GetParent(AWindow), WM_NOTIFY, Header.hdr.idFrom, reinterpret_cast<LPARAM>(&Header));
}

void ApplyItem(THeaderSection& ASection, const HDITEM& AItem) {
  if (AItem.mask & HDI_TEXT) ASection.Text = AItem.pszText ? AItem.pszText : "";
  if (AItem.mask & HDI_WIDTH) ASection.Width = std::max(0, AItem.cxy);
  if (AItem.mask & HDI_FORMAT) ASection.Format = AItem.fmt;
  if (AItem.mask & HDI_IMAGE) ASection.Image = AItem.iImage;
  if (AItem.mask & HDI_LPARAM) ASection.Param = AItem.lParam;
}

LRESULT InsertItem(HWND AWindow, int AIndex, const HDITEM* AItem) {
  if (!AItem) return -1;
  THeaderSection Section;
  ApplyItem(Section, *AItem);
  const int Index = StateOf(AWindow).Model.Insert(AIndex, Section);
  InvalidateRect(AWindow, nullptr, true);
  return Index;
}

LRESULT DeleteItem(HWND AWindow, int AIndex) {
  THeaderState& State = StateOf(AWindow);
  if (!State.Model.Delete(AIndex)) return 0;
  State.Pressed = State.Tracking = State.Dragging = -1;
  InvalidateRect(AWindow, nullptr, true);
  return 1;
}

LRESULT GetItem(HWND AWindow, int AIndex, HDITEM* AItem) {
  const THeaderModel& Model = StateOf(AWindow).Model;
  if (!AItem || !Model.IsValid(AIndex)) return 0;
  const THeaderSection& Section = Model.Section(AIndex);
  if (AItem->mask & HDI_TEXT) CopyTextToBuffer(Section.Text, AItem->pszText, AItem->cchTextMax);
  if (AItem->mask & HDI_WIDTH) AItem->cxy = Section.Width;
  if (AItem->mask & HDI_FORMAT) AItem->fmt = Section.Format;
  if (AItem->mask & HDI_IMAGE) AItem->iImage = Section.Image;
  if (AItem->mask & HDI_LPARAM) AItem->lParam = Section.Param;
  if (AItem->mask & HDI_ORDER) {
    const std::vector<int>& Order = Model.Order();
    AItem->iOrder = static_cast<int>(std::find(Order.begin(), Order.end(), AIndex) - Order.begin());
  }
  return 1;
}

LRESULT SetItem(HWND AWindow, int AIndex, const HDITEM* AItem) {
  THeaderModel& Model = StateOf(AWindow).Model;
  if (!AItem || !Model.IsValid(AIndex)) return 0;
  ApplyItem(Model.Section(AIndex), *AItem);
  InvalidateRect(AWindow, nullptr, true);
  return 1;
}

// The header takes the top of the rectangle: its place goes to pwpos, the rest stays.
LRESULT Layout(HWND AWindow, HDLAYOUT* ALayout) {
  if (!ALayout || !ALayout->prc || !ALayout->pwpos) return 0;
  RECT& Area = *ALayout->prc;
  const bool Hidden = GetWindowLong(AWindow, GWL_STYLE) & HDS_HIDDEN;
  const int Height = Hidden ? 0 : HeaderHeightFor(StateOf(AWindow).Model.Font);
  *ALayout->pwpos = WINDOWPOS{AWindow, nullptr, Area.Left, Area.Top, Area.Width(), Height, 0};
  Area.Top += Height;
  return 1;
}

LRESULT HitTest(HWND AWindow, HDHITTESTINFO* AInfo) {
  if (!AInfo) return -1;
  const TSize Size = ClientSize(AWindow);
  return StateOf(AWindow).Model.HitTest(*AInfo, Size.cy, Size.cx);
}

LRESULT GetItemRect(HWND AWindow, int AIndex, RECT* ARect) {
  const THeaderModel& Model = StateOf(AWindow).Model;
  if (!ARect || !Model.IsValid(AIndex)) return 0;
  *ARect = Model.ItemRect(AIndex, ClientSize(AWindow).cy);
  return 1;
}

LRESULT GetOrderArray(HWND AWindow, int ACount, int* AOrder) {
  const std::vector<int>& Order = StateOf(AWindow).Model.Order();
  if (!AOrder || ACount != static_cast<int>(Order.size())) return 0;
  std::copy(Order.begin(), Order.end(), AOrder);
  return 1;
}

LRESULT SetOrderArray(HWND AWindow, int ACount, const int* AOrder) {
  if (!AOrder || ACount < 0) return 0;
  if (!StateOf(AWindow).Model.SetOrder(std::vector<int>(AOrder, AOrder + ACount))) return 0;
  InvalidateRect(AWindow, nullptr, true);
  return 1;
}

void Paint(HWND AWindow, HDC AGivenDC) {
  THeaderState& State = StateOf(AWindow);
  const TSize Size = ClientSize(AWindow);
  // A dragged section looks pressed until it is dropped.
  const int Down = State.Pressed >= 0 ? State.Pressed : State.Dragging;
  if (AGivenDC) return PaintHeaderSections(AGivenDC, State.Model, Size.cx, Size.cy, Down);
  PAINTSTRUCT Paint;
  HDC DC = BeginPaint(AWindow, &Paint);
  PaintHeaderSections(DC, State.Model, Size.cx, Size.cy, Down);
  EndPaint(AWindow, &Paint);
}

// A press on a divider starts a drag (unless the parent refuses); on a section it
// holds the section down as a button.
void LButtonDown(HWND AWindow, POINT APoint) {
  THeaderState& State = StateOf(AWindow);
  HDHITTESTINFO Hit;
  Hit.pt = APoint;
  HitTest(AWindow, &Hit);
  if (Hit.flags == HHT_ONDIVIDER) {
    HDITEM Item;
    Item.mask = HDI_WIDTH;
    Item.cxy = State.Model.Section(Hit.iItem).Width;
    if (Notify(AWindow, HDN_BEGINTRACKW, Hit.iItem, &Item) != 0) return;
    State.Tracking = Hit.iItem;
    State.TrackOffset = State.Model.ItemRect(Hit.iItem, 1).Right - APoint.X;
    SetCapture(AWindow);
  } else if (Hit.flags == HHT_ONHEADER &&
             (GetWindowLong(AWindow, GWL_STYLE) & (HDS_BUTTONS | HDS_DRAGDROP))) {
    State.Pressed = Hit.iItem;
    State.PressX = APoint.X;
    SetCapture(AWindow);
    InvalidateRect(AWindow, nullptr, false);
  }
}

// A held section moved far enough starts a drag to another place, unless the parent
// refuses it.
void StartDrag(HWND AWindow, THeaderState& AState, POINT APoint) {
  if (!(GetWindowLong(AWindow, GWL_STYLE) & HDS_DRAGDROP) ||
      std::abs(APoint.X - AState.PressX) <= DragThreshold)
    return;
  const int Section = std::exchange(AState.Pressed, -1);
  InvalidateRect(AWindow, nullptr, false);
  if (Notify(AWindow, HDN_BEGINDRAG, Section, nullptr) == 0) AState.Dragging = Section;
}

// Every width the drag passes through is applied at once, so the list below follows
// the pointer.
void MouseMove(HWND AWindow, POINT APoint) {
  THeaderState& State = StateOf(AWindow);
  if (State.Pressed >= 0) StartDrag(AWindow, State, APoint);
  if (State.Tracking < 0) return;
  HDITEM Item;
  Item.mask = HDI_WIDTH;
  Item.cxy = std::max(0, APoint.X + State.TrackOffset - State.Model.ItemRect(State.Tracking, 1).Left);
  if (Item.cxy == State.Model.Section(State.Tracking).Width) return;
  if (Notify(AWindow, HDN_TRACKW, State.Tracking, &Item) != 0) return;
  if (Notify(AWindow, HDN_ITEMCHANGINGW, State.Tracking, &Item) != 0) return;
  State.Model.Section(State.Tracking).Width = Item.cxy;
  InvalidateRect(AWindow, nullptr, false);
  Notify(AWindow, HDN_ITEMCHANGEDW, State.Tracking, &Item);
}

// A dragged section goes to the place it was released over, unless the parent answers
// HDN_ENDDRAG with non-zero; the new order is announced by HDN_ITEMCHANGEDW (HDI_ORDER).
void Drop(HWND AWindow, THeaderState& AState, int ASection, POINT APoint) {
  HDITEM Item;
  Item.mask = HDI_ORDER;
  Item.iOrder = AState.Model.PositionAt(APoint.X);
  if (Notify(AWindow, HDN_ENDDRAG, ASection, &Item) != 0 || !AState.Model.IsValid(ASection)) return;
  AState.Model.MoveTo(ASection, Item.iOrder);
  InvalidateRect(AWindow, nullptr, false);
  Notify(AWindow, HDN_ITEMCHANGEDW, ASection, &Item);
}

void EndMouseMode(HWND AWindow, POINT APoint, bool AReleased) {
  THeaderState& State = StateOf(AWindow);
  const int Tracked = State.Tracking;
  const int Pressed = State.Pressed;
  const int Dragged = State.Dragging;
  State.Tracking = State.Pressed = State.Dragging = -1;
  if (GetCapture() == AWindow) ReleaseCapture();
  if (Tracked >= 0) {
    HDITEM Item;
    Item.mask = HDI_WIDTH;
    Item.cxy = State.Model.IsValid(Tracked) ? State.Model.Section(Tracked).Width : 0;
    Notify(AWindow, HDN_ENDTRACKW, Tracked, &Item);
  }
  if (Dragged >= 0) {
    InvalidateRect(AWindow, nullptr, false);
    if (AReleased) Drop(AWindow, State, Dragged, APoint);
  }
  if (Pressed >= 0) {
    InvalidateRect(AWindow, nullptr, false);
    HDHITTESTINFO Hit;
    Hit.pt = APoint;
    if (AReleased && (GetWindowLong(AWindow, GWL_STYLE) & HDS_BUTTONS) && HitTest(AWindow, &Hit) == Pressed &&
        Hit.flags == HHT_ONHEADER)
      Notify(AWindow, HDN_ITEMCLICKW, Pressed, nullptr);
  }
}

bool SetCursorOverDivider(HWND AWindow) {
  POINT P;
  GetCursorPos(&P);
  ScreenToClient(AWindow, &P);
  HDHITTESTINFO Hit;
  Hit.pt = P;
  HitTest(AWindow, &Hit);
  if (Hit.flags != HHT_ONDIVIDER && StateOf(AWindow).Tracking < 0) return false;
  SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
  return true;
}

LRESULT HeaderWindowProc(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  const int Index = static_cast<int>(AWParam);
  // clang-format off
  switch (AMsg) {
    case HDM_GETITEMCOUNT: return StateOf(AWindow).Model.Count();
    case HDM_INSERTITEMW: return InsertItem(AWindow, Index, reinterpret_cast<const HDITEM*>(ALParam));
    case HDM_DELETEITEM: return DeleteItem(AWindow, Index);
    case HDM_GETITEMW: return GetItem(AWindow, Index, reinterpret_cast<HDITEM*>(ALParam));
    case HDM_SETITEMW: return SetItem(AWindow, Index, reinterpret_cast<const HDITEM*>(ALParam));
    case HDM_LAYOUT: return Layout(AWindow, reinterpret_cast<HDLAYOUT*>(ALParam));
    case HDM_HITTEST: return HitTest(AWindow, reinterpret_cast<HDHITTESTINFO*>(ALParam));
    case HDM_GETITEMRECT: return GetItemRect(AWindow, Index, reinterpret_cast<RECT*>(ALParam));
    case HDM_GETORDERARRAY: return GetOrderArray(AWindow, Index, reinterpret_cast<int*>(ALParam));
    case HDM_SETORDERARRAY: return SetOrderArray(AWindow, Index, reinterpret_cast<const int*>(ALParam));
    case HDM_SETIMAGELIST: return reinterpret_cast<LRESULT>(std::exchange(StateOf(AWindow).Model.Images, reinterpret_cast<TCustomImageList*>(ALParam)));
    case HDM_GETIMAGELIST: return reinterpret_cast<LRESULT>(StateOf(AWindow).Model.Images);
    case WM_SETFONT: StateOf(AWindow).Model.Font = reinterpret_cast<HFONT>(AWParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(StateOf(AWindow).Model.Font);
    case WM_PAINT: Paint(AWindow, reinterpret_cast<HDC>(AWParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: LButtonDown(AWindow, LParamToPoint(ALParam)); return 0;
    case WM_MOUSEMOVE: MouseMove(AWindow, LParamToPoint(ALParam)); return 0;
    case WM_LBUTTONUP: EndMouseMode(AWindow, LParamToPoint(ALParam), true); return 0;
    case WM_CAPTURECHANGED: if (reinterpret_cast<HWND>(ALParam) != AWindow) EndMouseMode(AWindow, {-1, -1}, false); return 0;
    case WM_SETCURSOR: if (SetCursorOverDivider(AWindow)) return 1; break;
    case WM_NCDESTROY: HeaderStates.erase(AWindow); break;
    default: break;
  }
  // clang-format on
  return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
}

}  // namespace

void RegisterHeaderClass() { RegisterControlClass(WC_HEADER, &HeaderWindowProc, IDC_ARROW); }

int LineHeightFor(HFONT AFont) {
  const TWindowDCScope ScreenDC(nullptr);
  std::optional<TSelectedObject> Font;
  if (AFont) Font.emplace(ScreenDC.Handle(), AFont);
  TEXTMETRIC Metric;
  GetTextMetrics(ScreenDC.Handle(), Metric);
  return Metric.tmHeight;
}

int HeaderHeightFor(HFONT AFont) { return LineHeightFor(AFont) + 6; }
