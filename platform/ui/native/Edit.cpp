// TCustomEdit: the EDIT window's properties and notifications in the class library.

#include "platform/ui/native/Edit.h"

#include "platform/gdi/Text.h"
#include "platform/ui/native/EditModel.h"
#include "platform/ui/native/EditWindow.h"
#include "platform/win/Windows.h"

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  ControlStyle = {csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
  SetBounds(0, 0, 121, 25);
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  SetAutoSize(true);
}

void TCustomEdit::CreateParams(TCreateParams& AParams) {
  TWinControl::CreateParams(AParams);
  RegisterEditClass();
  CreateSubClass(AParams, EditClassName);
  AParams.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (FBorderStyle == bsSingle) AParams.ExStyle |= WS_EX_CLIENTEDGE;
  if (FPasswordChar) AParams.Style |= ES_PASSWORD;
  if (FReadOnly) AParams.Style |= ES_READONLY;
  if (FCharCase == ecUpperCase) AParams.Style |= ES_UPPERCASE;
  if (FCharCase == ecLowerCase) AParams.Style |= ES_LOWERCASE;
  if (!FHideSelection) AParams.Style |= ES_NOHIDESEL;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessage(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
  if (FPasswordChar) SendMessage(Handle(), EM_SETPASSWORDCHAR, FPasswordChar, 0);
  SendMessage(Handle(), EM_SETMODIFY, FModified ? 1 : 0, 0);
}

void TCustomEdit::DestroyWnd() {
  FModified = SendMessage(Handle(), EM_GETMODIFY, 0, 0) != 0;
  TWinControl::DestroyWnd();
}

void TCustomEdit::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_SETTEXT: WMSetText(AMessage); break;
    case CN_COMMAND: CNCommand(AMessage); break;
    case CM_FONTCHANGED: CMFontChanged(AMessage); break;
    default: TWinControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

// The window may keep another text than it was given (line breaks, letter case, a
// mask): the control's text is what the window keeps. The given text is not read
// after the window took it, because EN_CHANGE already replaced the control's text,
// which may be where it came from.
void TCustomEdit::WMSetText(TMessage& AMessage) {
  DefaultHandler(AMessage);
  FText = GetWindowText(Handle());
}

// EN_CHANGE: the text is the window's again, then OnChange.
void TCustomEdit::CNCommand(TMessage& AMessage) {
  if (HIWORD(AMessage.WParam) != EN_CHANGE) return;
  FText = GetWindowText(Handle());
  if (!ControlState.Contains(csCreating)) Change();
}

void TCustomEdit::CMFontChanged(TMessage& AMessage) {
  TWinControl::Dispatch(AMessage);
  if (AutoSize()) AdjustSize();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

// Entering by a click leaves the caret where the click put it.
void TCustomEdit::DoEnter() {
  if (AutoSelect && !ControlState.Contains(csLButtonDown) &&
      !(GetWindowLong(Handle(), GWL_STYLE) & ES_MULTILINE))
    SelectAll();
  TWinControl::DoEnter();
}

bool TCustomEdit::CanAutoSize(int&, int& ANewHeight) {
  TEXTMETRIC Metric;
  {
    const TWindowDCScope ScreenDC(nullptr);
    SelectObject(ScreenDC.Handle(), Font().Handle());
    GetTextMetrics(ScreenDC.Handle(), Metric);
  }
  const int Border = FBorderStyle == bsSingle ? 2 * GetSystemMetrics(SM_CYEDGE) : 0;
  ANewHeight = Metric.tmHeight + 4 + Border;
  return true;
}

// ---------------------------------------------------------------- selection

void TCustomEdit::GetSelection(int& AStart, int& AEnd) {
  DWORD Start = 0, End = 0;
  if (HandleAllocated())
    SendMessage(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
  AStart = static_cast<int>(Start);
  AEnd = static_cast<int>(End);
}

int TCustomEdit::SelStart() {
  int Start, End;
  GetSelection(Start, End);
  return Start;
}

void TCustomEdit::SetSelStart(int AValue) {
  SendMessage(Handle(), EM_SETSEL, static_cast<WPARAM>(AValue), AValue);
}

int TCustomEdit::SelLength() {
  int Start, End;
  GetSelection(Start, End);
  return End - Start;
}

void TCustomEdit::SetSelLength(int AValue) {
  const int Start = SelStart();
  SendMessage(Handle(), EM_SETSEL, static_cast<WPARAM>(Start), Start + AValue);
}

String TCustomEdit::SelText() {
  int Start, End;
  GetSelection(Start, End);
  const std::u32string All = ToCodePoints(Text());
  return ToUtf8(
      std::u32string_view(All).substr(static_cast<size_t>(Start), static_cast<size_t>(End - Start)));
}

void TCustomEdit::SetSelText(const String& AValue) {
  SendMessage(Handle(), EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(AValue.c_str()));
}

void TCustomEdit::SelectAll() { SendMessage(Handle(), EM_SETSEL, 0, -1); }

// ---------------------------------------------------------------- editing

void TCustomEdit::CutToClipboard() { SendMessage(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessage(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessage(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::ClearSelection() { SendMessage(Handle(), WM_CLEAR, 0, 0); }
void TCustomEdit::Undo() { SendMessage(Handle(), WM_UNDO, 0, 0); }
bool TCustomEdit::CanUndo() { return HandleAllocated() && SendMessage(Handle(), EM_CANUNDO, 0, 0) != 0; }
void TCustomEdit::ClearUndo() { SendMessage(Handle(), EM_EMPTYUNDOBUFFER, 0, 0); }

bool TCustomEdit::Modified() {
  return HandleAllocated() ? SendMessage(Handle(), EM_GETMODIFY, 0, 0) != 0 : FModified;
}

void TCustomEdit::SetModified(bool AValue) {
  FModified = AValue;
  if (HandleAllocated()) SendMessage(Handle(), EM_SETMODIFY, AValue ? 1 : 0, 0);
}

// ---------------------------------------------------------------- properties

void TCustomEdit::SetMaxLength(int AValue) {
  if (FMaxLength == AValue) return;
  FMaxLength = AValue;
  if (HandleAllocated()) SendMessage(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(AValue), 0);
}

void TCustomEdit::SetReadOnly(bool AValue) {
  if (FReadOnly == AValue) return;
  FReadOnly = AValue;
  if (HandleAllocated()) SendMessage(Handle(), EM_SETREADONLY, AValue ? 1 : 0, 0);
}

void TCustomEdit::SetPasswordChar(char32_t AValue) {
  if (FPasswordChar == AValue) return;
  FPasswordChar = AValue;
  if (HandleAllocated()) SendMessage(Handle(), EM_SETPASSWORDCHAR, AValue, 0);
}

void TCustomEdit::SetCharCase(TEditCharCase AValue) {
  if (FCharCase == AValue) return;
  FCharCase = AValue;
  RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool AValue) {
  if (FHideSelection == AValue) return;
  FHideSelection = AValue;
  RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TBorderStyle AValue) {
  if (FBorderStyle == AValue) return;
  FBorderStyle = AValue;
  RecreateWnd();
  if (AutoSize()) AdjustSize();
}
