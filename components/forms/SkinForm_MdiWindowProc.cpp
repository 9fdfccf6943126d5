// The MDI cases of the form window procedure: the SP_MDI… messages between documents
// and their frame, and what a document or the frame does around the ordinary handling
// of its size, moves, showing, activation, caption and end.

#include "components/forms/SkinForm.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"

LRESULT TspSkinFormMdi::SendToMainForm(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  TCustomForm* Main = Application->MainForm();
  if (Main == nullptr || !Main->HandleAllocated()) return 0;
  return SendMessage(Main->Handle(), AMessage, AWParam, ALParam);
}

bool TspSkinFormMdi::PassOnFromMDI(TMessage& AMessage) {
  // This part goes with its component, which the form's procedure may free.
  const TLiveToken Alive = SkinForm.FLive.Token();
  TMessage* Outer = FMDIPassing;
  FMDIPassing = &AMessage;
  SkinForm.FormWindowProc(AMessage);
  if (!Alive) return false;
  FMDIPassing = Outer;
  return true;
}

bool TspSkinFormMdi::MDIWindowProc(TMessage& AMessage) {
  if (&AMessage == FMDIPassing || (!IsFrame() && !IsDocument())) return false;
  // Each handler answers whether it finished the message; false leaves it to the rest
  // of the form procedure.
  switch (AMessage.Msg) {
    case SP_MDICHILDMAXIMIZED:
      return SPChildMaximized(AMessage);
    case SP_MDICHILDRESTORED:
      return SPChildRestored(AMessage);
    case SP_MDICHILDCHANGED:
      return SPChildChanged(AMessage);
    case SP_MDIRESTOREALL:
    case SP_MDIRESTOREALLEXCEPT:
      return SPRestoreAll(AMessage);
    case SP_MDIQUERYCHILDMAXIMIZED:
      return SPQueryChildMaximized(AMessage);
    case SP_MDICHILDFITCLIENT:
      return SPChildFitClient(AMessage);
    case SP_AFTERCHANGESKINDATA:
      return SPAfterChangeSkinData(AMessage);
    case WM_NCCALCSIZE:
      return WMNCCalcSize(AMessage);
    case WM_SIZE:
    case WM_MOVE:
      return WMChildMoved(AMessage);
    case WM_SHOWWINDOW:
      return WMShowWindow(AMessage);
    case WM_MOUSEACTIVATE:
      return WMMouseActivate(AMessage);
    case WM_NCACTIVATE:
      return WMNCActivate(AMessage);
    case WM_SETTEXT:
      return WMSetText(AMessage);
    case WM_DESTROY:
      return WMDestroy(AMessage);
    default:
      return false;
  }
}

bool TspSkinFormMdi::IsFrame() const { return SkinForm.FForm->FormStyle() == fsMDIForm; }

bool TspSkinFormMdi::IsDocument() const { return SkinForm.FForm->FormStyle() == fsMDIChild; }

bool TspSkinFormMdi::SPChildMaximized(TMessage&) {
  if (!IsFrame() || FInMaximizeAll) return false;
  FMDIChildMaximized = true;
  SkinForm.UpDateFormNC();
  FInMaximizeAll = true;
  MaximizeAll();
  FInMaximizeAll = false;
  return true;
}

bool TspSkinFormMdi::SPChildRestored(TMessage&) {
  if (!IsFrame() || FInRestoreAll) return false;
  FMDIChildMaximized = FindMaximizedMDIChild() != nullptr;
  SkinForm.UpDateFormNC();
  UpdateMDIScrollBars(true);
  return true;
}

bool TspSkinFormMdi::SPChildChanged(TMessage& AMessage) {
  if (!IsFrame() || FStopCheckChildMove) return false;
  ChangeVisibleChildHanle = reinterpret_cast<HWND>(AMessage.WParam);
  UpdateMDIScrollBars(true);
  ChangeVisibleChildHanle = nullptr;
  return true;
}

// SP_MDIRESTOREALL and SP_MDIRESTOREALLEXCEPT.
bool TspSkinFormMdi::SPRestoreAll(TMessage& AMessage) {
  if (!IsFrame() || FInRestoreAll || !FMDIChildMaximized) return false;
  FInRestoreAll = true;
  if (AMessage.Msg == SP_MDIRESTOREALL)
    RestoreAll();
  else
    RestoreAllExcept(reinterpret_cast<HWND>(AMessage.WParam));
  FInRestoreAll = false;
  FMDIChildMaximized = false;
  SkinForm.UpDateFormNC();
  if (AMessage.Msg == SP_MDIRESTOREALLEXCEPT) SkinForm.FForm->Next();
  UpdateMDIScrollBars(true);
  return true;
}

bool TspSkinFormMdi::SPQueryChildMaximized(TMessage& AMessage) {
  AMessage.Result = IsFrame() && FMDIChildMaximized ? 1 : 0;
  return true;
}

bool TspSkinFormMdi::SPChildFitClient(TMessage&) {
  if (IsDocument() && SkinForm.FWindowState == wsMaximized) {
    const TRect Client = GetMDIClientRect();
    SkinForm.FForm->SetBounds(0, 0, Client.Width(), Client.Height());
  }
  return false;
}

bool TspSkinFormMdi::SPAfterChangeSkinData(TMessage& AMessage) {
  if (IsFrame() && SkinForm.FSD != nullptr && AMessage.WParam == reinterpret_cast<WPARAM>(SkinForm.FSD))
    RefreshMDIChildren();
  return false;
}

bool TspSkinFormMdi::WMNCCalcSize(TMessage&) {
  // A maximized document has no frame: the whole window is its client area.
  return SkinForm.FSkinnableForm && SkinForm.IsMaximizedMDIChild();
}

// WM_SIZE and WM_MOVE.
bool TspSkinFormMdi::WMChildMoved(TMessage& AMessage) {
  if (!IsDocument()) return false;
  if (PassOnFromMDI(AMessage)) SendToMainForm(SP_MDICHILDCHANGED);
  return true;
}

bool TspSkinFormMdi::WMShowWindow(TMessage& AMessage) {
  if (IsFrame()) {
    if (AMessage.WParam != 0) SubclassMDIClient();
    return false;
  }
  MDIChildShowing(AMessage);
  return true;
}

bool TspSkinFormMdi::WMMouseActivate(TMessage&) {
  // A press on the frame of the active document while it is drawn inactive.
  if (IsDocument() && SkinForm.FSkinnableForm && !SkinForm.FFormActive &&
      Application->MainForm() != nullptr && Application->MainForm()->ActiveMDIChild() == SkinForm.FForm) {
    SkinForm.FFormActive = true;
    SkinForm.UpdateActiveState(SkinForm.FWindowState != wsMaximized);
  }
  return false;
}

bool TspSkinFormMdi::WMNCActivate(TMessage& AMessage) {
  if (!IsDocument()) return false;
  if (!PassOnFromMDI(AMessage)) return true;
  if (SkinForm.IsMaximizedMDIChild())
    if (TspSkinForm* Main = FindSkinForm(Application->MainForm())) Main->UpDateFormNC();
  TspSkinForm::RefreshMainMenuBarItems();
  UpDateChildActiveInMenu();
  return true;
}

bool TspSkinFormMdi::WMSetText(TMessage& AMessage) {
  if (!IsDocument() || !SkinForm.FSkinnableForm) return false;
  if (!PassOnFromMDI(AMessage)) return true;
  UpDateChildCaptionInMenu(SkinForm.FForm);
  // A maximized document's caption shows in the frame's caption.
  if (SkinForm.IsMaximizedMDIChild())
    if (TspSkinForm* Main = FindSkinForm(Application->MainForm())) Main->UpDateFormNC();
  return true;
}

bool TspSkinFormMdi::WMDestroy(TMessage&) {
  if (IsDocument()) MDIChildDestroying();
  return false;
}

// Hiding leaves the window menu; showing joins it, takes the frame's maximized state
// and tells the frame once the document shows.
void TspSkinFormMdi::MDIChildShowing(TMessage& AMessage) {
  if (AMessage.WParam == 0) {
    DeleteChildFromMenu(SkinForm.FForm);
    if (PassOnFromMDI(AMessage))
      SendToMainForm(SP_MDICHILDCHANGED, reinterpret_cast<WPARAM>(SkinForm.FForm->Handle()));
    return;
  }
  AddChildToMenu(SkinForm.FForm);
  if (SendToMainForm(SP_MDIQUERYCHILDMAXIMIZED) == 1 &&
      SkinForm.FBorderIcons.Contains(TspSkinForm::biMaximize))
    SkinForm.SetWindowState(wsMaximized);
  if (PassOnFromMDI(AMessage)) SendToMainForm(SP_MDICHILDCHANGED);
}

void TspSkinFormMdi::MDIChildDestroying() {
  SkinForm.FWindowStateInit = SkinForm.FWindowState = wsNormal;
  SendToMainForm(SP_MDICHILDRESTORED);
  SendToMainForm(SP_MDICHILDCHANGED, reinterpret_cast<WPARAM>(SkinForm.FForm->Handle()));
}
