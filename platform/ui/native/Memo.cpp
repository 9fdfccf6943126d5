// TCustomMemo: the multi-line EDIT window's styles and its keys.

#include "platform/ui/native/Memo.h"

#include "platform/ui/ControlMessages.h"
#include "platform/win/Keyboard.h"
#include "platform/win/Windows.h"

TCustomMemo::TCustomMemo(TComponent* AOwner)
    : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(*this)) {
  SetAutoSize(false);
  SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& AParams) {
  static constexpr DWORD Alignments[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  static constexpr DWORD Bars[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
  TCustomEdit::CreateParams(AParams);
  AParams.Style |= ES_MULTILINE | Alignments[FAlignment] | Bars[FScrollBars];
  if (FWordWrap) AParams.Style &= ~ES_AUTOHSCROLL;
  if (FWantReturns) AParams.Style |= ES_WANTRETURN;
}

void TCustomMemo::Dispatch(TMessage& AMessage) {
  if (AMessage.Msg == WM_GETDLGCODE) return WMGetDlgCode(AMessage);
  TCustomEdit::Dispatch(AMessage);
}

void TCustomMemo::WMGetDlgCode(TMessage& AMessage) {
  TCustomEdit::Dispatch(AMessage);
  if (WantTabs)
    AMessage.Result |= DLGC_WANTTAB;
  else
    AMessage.Result &= ~DLGC_WANTTAB;
  if (!FWantReturns) AMessage.Result &= ~DLGC_WANTALLKEYS;
}

// A tab the memo does not want never reaches the text.
void TCustomMemo::KeyPress(uint32_t& AKey) {
  TCustomEdit::KeyPress(AKey);
  if (AKey == '\t' && !WantTabs) AKey = 0;
}

void TCustomMemo::SetWordWrap(bool AValue) {
  if (FWordWrap == AValue) return;
  FWordWrap = AValue;
  RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle AValue) {
  if (FScrollBars == AValue) return;
  FScrollBars = AValue;
  RecreateWnd();
}

void TCustomMemo::SetWantReturns(bool AValue) {
  if (FWantReturns == AValue) return;
  FWantReturns = AValue;
  RecreateWnd();
}

void TCustomMemo::SetAlignment(TAlignment AValue) {
  if (FAlignment == AValue) return;
  FAlignment = AValue;
  RecreateWnd();
}
