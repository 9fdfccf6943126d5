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

void TspSkinFormMdi::PassOnFromMDI(TMessage& AMessage) {
  TMessage* Outer = FMDIPassing;
  FMDIPassing = &AMessage;
  SkinForm.FormWindowProc(AMessage);
  FMDIPassing = Outer;
}

bool TspSkinFormMdi::MDIWindowProc(TMessage& AMessage) {
  if (&AMessage == FMDIPassing) return false;
  const bool Frame = SkinForm.FForm->FormStyle() == fsMDIForm;
  const bool Document = SkinForm.FForm->FormStyle() == fsMDIChild;
  if (!Frame && !Document) return false;
  switch (AMessage.Msg) {
    case SP_MDICHILDMAXIMIZED:
      if (!Frame || FInMaximizeAll) return false;
      FMDIChildMaximized = true;
      SkinForm.UpDateFormNC();
      FInMaximizeAll = true;
      MaximizeAll();
      FInMaximizeAll = false;
      return true;
    case SP_MDICHILDRESTORED:
      if (!Frame || FInRestoreAll) return false;
      FMDIChildMaximized = FindMaximizedMDIChild() != nullptr;
      SkinForm.UpDateFormNC();
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
      SkinForm.UpDateFormNC();
      if (AMessage.Msg == SP_MDIRESTOREALLEXCEPT) SkinForm.FForm->Next();
      UpdateMDIScrollBars(true);
      return true;
    case SP_MDIQUERYCHILDMAXIMIZED:
      AMessage.Result = Frame && FMDIChildMaximized ? 1 : 0;
      return true;
    case SP_MDICHILDFITCLIENT:
      if (Document && SkinForm.FWindowState == wsMaximized) {
        const TRect Client = GetMDIClientRect();
        SkinForm.FForm->SetBounds(0, 0, Client.Width(), Client.Height());
      }
      return false;
    case SP_AFTERCHANGESKINDATA:
      if (Frame && SkinForm.FSD != nullptr && AMessage.WParam == reinterpret_cast<WPARAM>(SkinForm.FSD))
        RefreshMDIChildren();
      return false;
    case WM_NCCALCSIZE:
      // A maximized document has no frame: the whole window is its client area.
      return SkinForm.FSkinnableForm && SkinForm.IsMaximizedMDIChild();
    case WM_SIZE:
    case WM_MOVE:
      if (!Document) return false;
      PassOnFromMDI(AMessage);
      SendToMainForm(SP_MDICHILDCHANGED);
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
      if (Document && SkinForm.FSkinnableForm && !SkinForm.FFormActive &&
          Application->MainForm() != nullptr && Application->MainForm()->ActiveMDIChild() == SkinForm.FForm) {
        SkinForm.FFormActive = true;
        SkinForm.UpdateActiveState(SkinForm.FWindowState != wsMaximized);
      }
      return false;
    case WM_NCACTIVATE:
      if (!Document) return false;
      PassOnFromMDI(AMessage);
      if (SkinForm.IsMaximizedMDIChild())
        if (TspSkinForm* Main = FindSkinForm(Application->MainForm())) Main->UpDateFormNC();
      UpDateChildActiveInMenu();
      return true;
    case WM_SETTEXT:
      if (!Document || !SkinForm.FSkinnableForm) return false;
      PassOnFromMDI(AMessage);
      UpDateChildCaptionInMenu(SkinForm.FForm);
      // A maximized document's caption shows in the frame's caption.
      if (SkinForm.IsMaximizedMDIChild())
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
void TspSkinFormMdi::MDIChildShowing(TMessage& AMessage) {
  if (AMessage.WParam == 0) {
    DeleteChildFromMenu(SkinForm.FForm);
    PassOnFromMDI(AMessage);
    SendToMainForm(SP_MDICHILDCHANGED, reinterpret_cast<WPARAM>(SkinForm.FForm->Handle()));
    return;
  }
  AddChildToMenu(SkinForm.FForm);
  if (SendToMainForm(SP_MDIQUERYCHILDMAXIMIZED) == 1 &&
      SkinForm.FBorderIcons.Contains(TspSkinForm::biMaximize))
    SkinForm.SetWindowState(wsMaximized);
  PassOnFromMDI(AMessage);
  SendToMainForm(SP_MDICHILDCHANGED);
}

void TspSkinFormMdi::MDIChildDestroying() {
  SkinForm.FWindowStateInit = SkinForm.FWindowState = wsNormal;
  SendToMainForm(SP_MDICHILDRESTORED);
  SendToMainForm(SP_MDICHILDCHANGED, reinterpret_cast<WPARAM>(SkinForm.FForm->Handle()));
}
