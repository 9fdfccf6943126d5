// The MDI cases of the form window procedure: the SP_MDI… messages between documents
// and their frame, and what a document or the frame does around the ordinary handling
// of its size, moves, showing, activation, caption and end.

#include "components/forms/SkinForm.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"

LRESULT TspSkinForm::SendToMainForm(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  TCustomForm* Main = Application->MainForm();
  if (Main == nullptr || !Main->HandleAllocated()) return 0;
  return SendMessage(Main->Handle(), AMessage, AWParam, ALParam);
}

bool TspSkinForm::PassOnFromMDI(TMessage& AMessage) {
  const TLiveToken Alive = FLive.Token();
  TMessage* Outer = FMDIPassing;
  FMDIPassing = &AMessage;
  FormWindowProc(AMessage);
  if (!Alive) return false;
  FMDIPassing = Outer;
  return true;
}

bool TspSkinForm::MDIWindowProc(TMessage& AMessage) {
  if (&AMessage == FMDIPassing) return false;
  const bool Frame = FForm->FormStyle() == fsMDIForm;
  const bool Document = FForm->FormStyle() == fsMDIChild;
  if (!Frame && !Document) return false;
  switch (AMessage.Msg) {
    case SP_MDICHILDMAXIMIZED:
      if (!Frame || FInMaximizeAll) return false;
      FMDIChildMaximized = true;
      UpDateFormNC();
      FInMaximizeAll = true;
      MaximizeAll();
      FInMaximizeAll = false;
      return true;
    case SP_MDICHILDRESTORED:
      if (!Frame || FInRestoreAll) return false;
      FMDIChildMaximized = FindMaximizedMDIChild() != nullptr;
      UpDateFormNC();
      UpdateMDIScrollBars(true);
      return true;
    case SP_MDICHILDCHANGED:
      if (!Frame || FStopCheckChildMove) return false;
      ChangeVisibleChildHanle = reinterpret_cast<HWND>(AMessage.WParam);
      UpdateMDIScrollBars(true);
      ChangeVisibleChildHanle = nullptr;
      return true;
    case SP_MDIRESTOREALL:
    case SP_MDIRESTOREALLEXCEPT:
      if (!Frame || FInRestoreAll || !FMDIChildMaximized) return false;
      FInRestoreAll = true;
      if (AMessage.Msg == SP_MDIRESTOREALL)
        RestoreAll();
      else
        RestoreAllExcept(reinterpret_cast<HWND>(AMessage.WParam));
      FInRestoreAll = false;
      FMDIChildMaximized = false;
      UpDateFormNC();
      if (AMessage.Msg == SP_MDIRESTOREALLEXCEPT) FForm->Next();
      UpdateMDIScrollBars(true);
      return true;
    case SP_MDIQUERYCHILDMAXIMIZED:
      AMessage.Result = Frame && FMDIChildMaximized ? 1 : 0;
      return true;
    case SP_MDICHILDFITCLIENT:
      if (Document && FWindowState == wsMaximized) {
        const TRect Client = GetMDIClientRect();
        FForm->SetBounds(0, 0, Client.Width(), Client.Height());
      }
      return false;
    case SP_AFTERCHANGESKINDATA:
      if (Frame && FSD != nullptr && AMessage.WParam == reinterpret_cast<WPARAM>(FSD)) RefreshMDIChildren();
      return false;
    case WM_NCCALCSIZE:
      // A maximized document has no frame: the whole window is its client area.
      return FSkinnableForm && IsMaximizedMDIChild();
    case WM_SIZE:
    case WM_MOVE:
      if (!Document) return false;
      if (PassOnFromMDI(AMessage)) SendToMainForm(SP_MDICHILDCHANGED);
      return true;
    case WM_SHOWWINDOW:
      if (Frame) {
        if (AMessage.WParam != 0) SubclassMDIClient();
        return false;
      }
      MDIChildShowing(AMessage);
      return true;
    case WM_MOUSEACTIVATE:
      // A press on the frame of the active document while it is drawn inactive.
      if (Document && FSkinnableForm && !FFormActive && Application->MainForm() != nullptr &&
          Application->MainForm()->ActiveMDIChild() == FForm) {
        FFormActive = true;
        UpdateActiveState(FWindowState != wsMaximized);
      }
      return false;
    case WM_NCACTIVATE:
      if (!Document) return false;
      if (!PassOnFromMDI(AMessage)) return true;
      if (IsMaximizedMDIChild())
        if (TspSkinForm* Main = FindSkinForm(Application->MainForm())) Main->UpDateFormNC();
      UpDateChildActiveInMenu();
      return true;
    case WM_SETTEXT:
      if (!Document || !FSkinnableForm) return false;
      if (!PassOnFromMDI(AMessage)) return true;
      UpDateChildCaptionInMenu(FForm);
      // A maximized document's caption shows in the frame's caption.
      if (IsMaximizedMDIChild())
        if (TspSkinForm* Main = FindSkinForm(Application->MainForm())) Main->UpDateFormNC();
      return true;
    case WM_DESTROY:
      if (Document) MDIChildDestroying();
      return false;
    default:
      return false;
  }
}

// Hiding leaves the window menu; showing joins it, takes the frame's maximized state
// and tells the frame once the document shows.
void TspSkinForm::MDIChildShowing(TMessage& AMessage) {
  if (AMessage.WParam == 0) {
    DeleteChildFromMenu(FForm);
    if (PassOnFromMDI(AMessage))
      SendToMainForm(SP_MDICHILDCHANGED, reinterpret_cast<WPARAM>(FForm->Handle()));
    return;
  }
  AddChildToMenu(FForm);
  if (SendToMainForm(SP_MDIQUERYCHILDMAXIMIZED) == 1 && FBorderIcons.Contains(biMaximize))
    SetWindowState(wsMaximized);
  if (PassOnFromMDI(AMessage)) SendToMainForm(SP_MDICHILDCHANGED);
}

void TspSkinForm::MDIChildDestroying() {
  FWindowStateInit = FWindowState = wsNormal;
  SendToMainForm(SP_MDICHILDRESTORED);
  SendToMainForm(SP_MDICHILDCHANGED, reinterpret_cast<WPARAM>(FForm->Handle()));
}
