// The EDIT window's procedure: one line per message, the handlers of the text,
// format and state messages, and the class registration.

#include "platform/ui/native/EditWindow.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

#include "platform/gdi/Text.h"
#include "platform/ui/ControlClasses.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/native/EditStateInternal.h"

namespace {

std::unordered_map<HWND, std::unique_ptr<TEditState>> GEdits;

LRESULT Default(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
}

// ---------------------------------------------------------------- life

LRESULT NCCreate(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  auto State = std::make_unique<TEditState>();
  State->Window = AWindow;
  const auto* Create = reinterpret_cast<const CREATESTRUCT*>(ALParam);
  if (Create && Create->lpszName)
    State->Model.SetText(PrepareInsertion(*State, ToCodePoints(Create->lpszName), false));
  GEdits[AWindow] = std::move(State);
  return Default(AWindow, AMsg, AWParam, ALParam);
}

LRESULT NCDestroy(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  GEdits.erase(AWindow);
  return Default(AWindow, AMsg, AWParam, ALParam);
}

LRESULT Create(TEditState& AState) {
  GetClientRect(AState.Window, &AState.FormatRect);
  Relayout(AState);
  return 0;
}

// The bars take no room: the client area is the window less its border.
LRESULT NCCalcSize(TEditState& AState, WPARAM AWParam, LPARAM ALParam) {
  RECT& Client =
      AWParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(ALParam)->rgrc[0] : *reinterpret_cast<RECT*>(ALParam);
  int Border = 0;
  if (GetWindowLong(AState.Window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) Border += GetSystemMetrics(SM_CXEDGE);
  if (EditStyle(AState) & WS_BORDER) Border += GetSystemMetrics(SM_CXBORDER);
  InflateRect(Client, -Border, -Border);
  Client.Right = std::max(Client.Left, Client.Right);
  Client.Bottom = std::max(Client.Top, Client.Bottom);
  return 0;
}

LRESULT Size(TEditState& AState) {
  GetClientRect(AState.Window, &AState.FormatRect);
  Relayout(AState);
  InvalidateRect(AState.Window, nullptr, true);
  return 0;
}

// ---------------------------------------------------------------- text

LRESULT SetText(TEditState& AState, LPARAM ALParam) {
  const char* Text = ALParam ? reinterpret_cast<const char*>(ALParam) : "";
  AState.Model.SetText(PrepareInsertion(AState, ToCodePoints(Text), false));
  AState.FirstLine = 0;
  AState.XOffset = 0;
  Relayout(AState);
  InvalidateRect(AState.Window, nullptr, true);
  NotifyParent(AState, EN_CHANGE);
  return 1;
}

// Copies as many whole code points as fit before the terminating zero.
LRESULT CopyText(const String& AText, WPARAM ASize, LPARAM ABuffer) {
  if (ASize == 0 || !ABuffer) return 0;
  size_t Length = std::min(AText.size(), static_cast<size_t>(ASize) - 1);
  while (Length > 0 && Length < AText.size() && (static_cast<unsigned char>(AText[Length]) & 0xC0) == 0x80)
    --Length;
  char* Buffer = reinterpret_cast<char*>(ABuffer);
  std::memcpy(Buffer, AText.data(), Length);
  Buffer[Length] = '\0';
  return static_cast<LRESULT>(Length);
}

const String& TextInUtf8(TEditState& AState) {
  if (!AState.Utf8TextValid) {
    AState.Utf8Text = ToUtf8(AState.Model.Text());
    AState.Utf8TextValid = true;
  }
  return AState.Utf8Text;
}

LRESULT GetText(TEditState& AState, WPARAM AWParam, LPARAM ALParam) {
  return CopyText(TextInUtf8(AState), AWParam, ALParam);
}

LRESULT GetTextLength(TEditState& AState) { return static_cast<LRESULT>(TextInUtf8(AState).size()); }

LRESULT SetFont(TEditState& AState, WPARAM AWParam, LPARAM ALParam) {
  AState.Font = reinterpret_cast<HFONT>(AWParam);
  AState.AsciiAdvances = TEditState::MakeUnmeasured();
  AState.Advances.clear();
  TEXTMETRIC Metric;
  {
    const TWindowDCScope DC(AState.Window);
    if (AState.Font) SelectObject(DC.Handle(), AState.Font);
    GetTextMetrics(DC.Handle(), Metric);
  }
  AState.LineHeight = std::max(1, Metric.tmHeight);
  Relayout(AState);
  if (GetFocus() == AState.Window) {
    CreateCaret(AState.Window, nullptr, 1, AState.LineHeight);
    PlaceCaret(AState);
    ShowCaret(AState.Window);
  }
  if (ALParam) InvalidateRect(AState.Window, nullptr, true);
  return 0;
}

// ---------------------------------------------------------------- selection

LRESULT GetSel(TEditState& AState, WPARAM AWParam, LPARAM ALParam) {
  const int Start = AState.Model.SelStart();
  const int End = AState.Model.SelEnd();
  if (AWParam) *reinterpret_cast<DWORD*>(AWParam) = static_cast<DWORD>(Start);
  if (ALParam) *reinterpret_cast<DWORD*>(ALParam) = static_cast<DWORD>(End);
  return static_cast<LRESULT>(
      MAKELONG(static_cast<WORD>(std::min(Start, 0xFFFF)), static_cast<WORD>(std::min(End, 0xFFFF))));
}

// (0, -1) selects everything; a start of -1 only removes the selection; a negative
// end means the end of the text. The caret goes to the end position.
LRESULT SetSel(TEditState& AState, WPARAM AWParam, LPARAM ALParam) {
  const int Start =
      static_cast<int>(static_cast<intptr_t>(AWParam) < INT_MAX ? static_cast<intptr_t>(AWParam) : INT_MAX);
  const int End = static_cast<int>(std::min<intptr_t>(ALParam, INT_MAX));
  const int Length = AState.Model.Length();
  if (Start == -1) {
    Select(AState, AState.Model.CaretPos(), AState.Model.CaretPos());
    return 0;
  }
  Select(AState, Start < 0 ? Length : Start, End < 0 ? Length : End);
  return 0;
}

LRESULT ReplaceSel(TEditState& AState, WPARAM AWParam, LPARAM ALParam) {
  const char* Text = ALParam ? reinterpret_cast<const char*>(ALParam) : "";
  ReplaceSelection(AState, PrepareInsertion(AState, ToCodePoints(Text), false), AWParam != 0, false);
  return 0;
}

// ---------------------------------------------------------------- format

LRESULT SetRect(TEditState& AState, LPARAM ALParam, bool ARedraw) {
  if (ALParam)
    AState.FormatRect = *reinterpret_cast<const RECT*>(ALParam);
  else
    GetClientRect(AState.Window, &AState.FormatRect);
  Relayout(AState);
  if (ARedraw) InvalidateRect(AState.Window, nullptr, true);
  return 0;
}

LRESULT GetRect(TEditState& AState, LPARAM ALParam) {
  if (ALParam) *reinterpret_cast<RECT*>(ALParam) = TextArea(AState);
  return 0;
}

LRESULT SetMargins(TEditState& AState, WPARAM AWParam, LPARAM ALParam) {
  if (AWParam & EC_LEFTMARGIN) AState.LeftMargin = LOWORD(ALParam);
  if (AWParam & EC_RIGHTMARGIN) AState.RightMargin = HIWORD(ALParam);
  Relayout(AState);
  InvalidateRect(AState.Window, nullptr, true);
  return 0;
}

LRESULT LimitText(TEditState& AState, WPARAM AWParam) {
  AState.Model.Limit = AWParam == 0 || AWParam > 0x7FFFFFFE ? 0x7FFFFFFE : static_cast<int>(AWParam);
  return 0;
}

LRESULT SetReadOnly(TEditState& AState, WPARAM AWParam) {
  const LONG_PTR Style = GetWindowLong(AState.Window, GWL_STYLE);
  SetWindowLong(AState.Window, GWL_STYLE, AWParam ? Style | ES_READONLY : Style & ~LONG_PTR(ES_READONLY));
  InvalidateRect(AState.Window, nullptr, true);
  return 1;
}

LRESULT SetPasswordChar(TEditState& AState, WPARAM AWParam) {
  AState.PasswordChar = static_cast<char32_t>(AWParam);
  const LONG_PTR Style = GetWindowLong(AState.Window, GWL_STYLE);
  SetWindowLong(AState.Window, GWL_STYLE, AWParam ? Style | ES_PASSWORD : Style & ~LONG_PTR(ES_PASSWORD));
  Relayout(AState);
  InvalidateRect(AState.Window, nullptr, true);
  return 0;
}

LRESULT SetModify(TEditState& AState, WPARAM AWParam) {
  AState.Model.Modified = AWParam != 0;
  return 0;
}

// ---------------------------------------------------------------- focus

LRESULT SetFocus(TEditState& AState) {
  CreateCaret(AState.Window, nullptr, 1, AState.LineHeight);
  PlaceCaret(AState);
  ShowCaret(AState.Window);
  InvalidateRect(AState.Window, nullptr, true);
  NotifyParent(AState, EN_SETFOCUS);
  return 0;
}

LRESULT KillFocus(TEditState& AState) {
  DestroyCaret();
  AState.Selecting = false;
  if (GetCapture() == AState.Window) ReleaseCapture();
  InvalidateRect(AState.Window, nullptr, true);
  NotifyParent(AState, EN_KILLFOCUS);
  return 0;
}

LRESULT GetDlgCode(TEditState& AState) {
  const LRESULT Code = DLGC_WANTCHARS | DLGC_WANTARROWS;
  return IsMultiLine(AState) ? Code | DLGC_WANTALLKEYS : Code;
}

LRESULT Repaint(TEditState& AState) {
  InvalidateRect(AState.Window, nullptr, true);
  return 0;
}

LRESULT Command(TEditState& AState, void (*ACommand)(TEditState&)) {
  ACommand(AState);
  return 0;
}

LRESULT EditWndProc(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  if (AMsg == WM_NCCREATE) return NCCreate(AWindow, AMsg, AWParam, ALParam);
  if (AMsg == WM_NCDESTROY) return NCDestroy(AWindow, AMsg, AWParam, ALParam);
  TEditState* S = EditStateOf(AWindow);
  if (!S) return Default(AWindow, AMsg, AWParam, ALParam);
  TEditState& State = *S;
  // clang-format off
  switch (AMsg) {
    case WM_CREATE: return Create(State);
    case WM_NCCALCSIZE: return NCCalcSize(State, AWParam, ALParam);
    case WM_SIZE: return Size(State);
    case WM_SETTEXT: return SetText(State, ALParam);
    case WM_GETTEXT: return GetText(State, AWParam, ALParam);
    case WM_GETTEXTLENGTH: return GetTextLength(State);
    case WM_SETFONT: return SetFont(State, AWParam, ALParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(State.Font);
    case WM_PAINT: PaintEdit(State, reinterpret_cast<HDC>(AWParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFOCUS: return SetFocus(State);
    case WM_KILLFOCUS: return KillFocus(State);
    case WM_ENABLE: return Repaint(State);
    case WM_STYLECHANGED: Relayout(State); return Repaint(State);
    case WM_GETDLGCODE: return GetDlgCode(State);
    case WM_KEYDOWN: EditKeyDown(State, AWParam); return 0;
    case WM_CHAR: EditChar(State, static_cast<char32_t>(AWParam)); return 0;
    case WM_LBUTTONDOWN: EditButtonDown(State, LParamToPoint(ALParam), false); return 0;
    case WM_LBUTTONDBLCLK: EditButtonDown(State, LParamToPoint(ALParam), true); return 0;
    case WM_MOUSEMOVE: EditMouseMove(State, LParamToPoint(ALParam)); return 0;
    case WM_LBUTTONUP: EditButtonUp(State); return 0;
    case WM_CAPTURECHANGED: State.Selecting = false; return 0;
    case WM_MOUSEWHEEL: return EditMouseWheel(State, AWParam);
    case WM_CONTEXTMENU: return 0;
    case WM_CUT: return Command(State, &CutSelection);
    case WM_COPY: return Command(State, &CopySelection);
    case WM_PASTE: return Command(State, &PasteClipboard);
    case WM_CLEAR: return Command(State, &ClearSelection);
    case WM_UNDO: case EM_UNDO: UndoEdit(State); return 1;
    case WM_VSCROLL: return EditVScroll(State, AWParam);
    case WM_HSCROLL: return EditHScroll(State, AWParam);
    case EM_GETSEL: return GetSel(State, AWParam, ALParam);
    case EM_SETSEL: return SetSel(State, AWParam, ALParam);
    case EM_REPLACESEL: return ReplaceSel(State, AWParam, ALParam);
    case EM_GETRECT: return GetRect(State, ALParam);
    case EM_SETRECT: return SetRect(State, ALParam, true);
    case EM_SETRECTNP: return SetRect(State, ALParam, false);
    case EM_SETMARGINS: return SetMargins(State, AWParam, ALParam);
    case EM_GETMARGINS: return MAKELONG(static_cast<WORD>(State.LeftMargin), static_cast<WORD>(State.RightMargin));
    case EM_SCROLLCARET: ScrollCaretIntoView(State); return 1;
    case EM_LINESCROLL: return EditLineScroll(State, AWParam, ALParam);
    case EM_GETMODIFY: return State.Model.Modified ? 1 : 0;
    case EM_SETMODIFY: return SetModify(State, AWParam);
    case EM_CANUNDO: return State.Model.CanUndo() ? 1 : 0;
    case EM_EMPTYUNDOBUFFER: State.Model.EmptyUndo(); return 0;
    case EM_LIMITTEXT: return LimitText(State, AWParam);
    case EM_GETLIMITTEXT: return State.Model.Limit;
    case EM_SETREADONLY: return SetReadOnly(State, AWParam);
    case EM_SETPASSWORDCHAR: return SetPasswordChar(State, AWParam);
    case EM_GETPASSWORDCHAR: return IsPassword(State) ? static_cast<LRESULT>(State.PasswordChar) : 0;
    case EM_GETLINECOUNT: return static_cast<LRESULT>(State.Lines.size());
    case EM_GETFIRSTVISIBLELINE: return IsMultiLine(State) ? State.FirstLine : PositionAtPoint(State, TextArea(State).TopLeft());
    case EM_LINEINDEX: return EditLineIndex(State, AWParam);
    case EM_LINELENGTH: return EditLineLength(State, AWParam);
    case EM_GETLINE: return EditGetLine(State, AWParam, ALParam);
    case EM_LINEFROMCHAR: return EditLineFromChar(State, AWParam);
    case EM_POSFROMCHAR: return EditPosFromChar(State, AWParam);
    case EM_CHARFROMPOS: return EditCharFromPos(State, ALParam);
    default: return Default(AWindow, AMsg, AWParam, ALParam);
  }
  // clang-format on
}

}  // namespace

TEditState* EditStateOf(HWND AWindow) {
  auto It = GEdits.find(AWindow);
  return It == GEdits.end() ? nullptr : It->second.get();
}

DWORD EditStyle(const TEditState& AState) {
  return static_cast<DWORD>(GetWindowLong(AState.Window, GWL_STYLE));
}
bool IsMultiLine(const TEditState& AState) { return EditStyle(AState) & ES_MULTILINE; }
bool IsReadOnly(const TEditState& AState) { return EditStyle(AState) & ES_READONLY; }
bool IsPassword(const TEditState& AState) { return (EditStyle(AState) & ES_PASSWORD) && AState.PasswordChar; }
bool TakesLineBreaks(const TEditState& AState) {
  return (EditStyle(AState) & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN);
}

void RegisterEditClass() { RegisterControlClass(EditClassName, &EditWndProc, IDC_IBEAM); }
