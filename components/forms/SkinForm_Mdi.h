#pragma once
// The MDI coordinator of a skinned form (TspSkinForm::Mdi()): the part of the component
// that works with the other components of a multiple-document application. The
// component of the MDI frame (the application's main form, fsMDIForm) and those of its
// documents (fsMDIChild) talk through the SP_MDI… messages (SkinForm.h): a document
// takes a skinned maximized state of its own (the MDI client rectangle, no frame), the
// frame keeps whether the documents are maximized and maximizes or restores them all
// together, arranges them, paints its MDI client from the skin (the client window is
// subclassed from the frame's first show on), shows scroll bars while documents reach
// outside the client, and each shown document has an entry in the frame's WindowMenu.
// On a form that is neither frame nor document it does nothing.
//
// Owned by the component, made with it and freed by it; it reaches the form, the skin
// and the other parts through its component. User-interface thread only.
//
// Implementation: SkinForm_MdiWindowProc.cpp (the MDI cases of the window procedure),
// SkinForm_MdiStates.cpp (a document's maximize, minimized places and magnetic area),
// SkinForm_MdiArrange.cpp (tile, cascade and the all-documents commands),
// SkinForm_MdiMenu.cpp (the window menu), SkinForm_MdiClient.cpp (the client subclass
// and its background), SkinForm_MdiScrollBars.cpp (the client's scroll bars).

#include "platform/ui/Forms.h"
#include "platform/ui/WindowHook.h"

class TspSkinForm;
class TspSkinScrollBar;

class TspSkinFormMdi {
 public:
  explicit TspSkinFormMdi(TspSkinForm& ASkinForm) : SkinForm(ASkinForm) {}
  TspSkinFormMdi(const TspSkinFormMdi&) = delete;
  TspSkinFormMdi& operator=(const TspSkinFormMdi&) = delete;

  // ---- The window procedure's MDI cases (SkinForm_MdiWindowProc.cpp)
  // The MDI cases of the form procedure; false for a message it leaves to the rest.
  bool MDIWindowProc(TMessage& AMessage);
  // The rest of the form procedure for a message the MDI cases handle around it; false:
  // the component (and this part with it) was freed meanwhile.
  [[nodiscard]] bool PassOnFromMDI(TMessage& AMessage);
  // The handlers of the MDI cases; false: the message goes on to the rest.
  bool SPChildMaximized(TMessage& AMessage);
  bool SPChildRestored(TMessage& AMessage);
  bool SPChildChanged(TMessage& AMessage);
  bool SPRestoreAll(TMessage& AMessage);
  bool SPQueryChildMaximized(TMessage& AMessage);
  bool SPChildFitClient(TMessage& AMessage);
  bool SPAfterChangeSkinData(TMessage& AMessage);
  bool WMNCCalcSize(TMessage& AMessage);
  bool WMChildMoved(TMessage& AMessage);
  bool WMShowWindow(TMessage& AMessage);
  bool WMMouseActivate(TMessage& AMessage);
  bool WMNCActivate(TMessage& AMessage);
  bool WMSetText(TMessage& AMessage);
  bool WMDestroy(TMessage& AMessage);
  void MDIChildShowing(TMessage& AMessage);
  void MDIChildDestroying();
  // The form is the MDI frame; a document.
  bool IsFrame() const;
  bool IsDocument() const;
  // Sends a message to the application's main form; 0 without one.
  static LRESULT SendToMainForm(UINT AMessage, WPARAM AWParam = 0, LPARAM ALParam = 0);

  // ---- Arranging (SkinForm_MdiArrange.cpp), on the frame's component (nothing on any
  // other): the documents in the frame's MDIChildren order, index 0 first.
  void MinimizeAll();
  // Every document with biMaximize.
  void MaximizeAll();
  // Every document back to normal, and rolled down when rolled up.
  void RestoreAll();
  void RestoreAllExcept(HWND AFormHandle);
  // Closes every document, the last first; one that refuses stays.
  void CloseAll();
  // By the component's TileMode: tbHorizontal, columns filled from the right and the
  // bottom, the first document at the top left; tbVertical, columns filled from the
  // left and the top.
  void Tile();
  // Steps of a caption height, the last document at (0, 0), the first deepest.
  void Cascade();

  // ---- A document's states inside its frame (SkinForm_MdiStates.cpp)
  // The frame's skin-minimized documents take their minimized places again.
  void ArrangeMinimizedChildren();
  // The document's maximize, and its minimized place.
  void SkinMaximizeMDIChild();
  TPoint GetMDIMinimizedPlace() const;
  // The area a dragged document snaps to: the frame's MDI client, on the screen.
  TRect MDIMagneticArea() const;
  // A skin applied to the frame: the bars take it, the client is repainted and the
  // documents refreshed.
  void ChangeMDISkinData();

  // ---- The MDI client (SkinForm_MdiClient.cpp)
  // SP_MDICHILDFITCLIENT to every document (a maximized one fills the client again);
  // without scroll bars the minimized ones are arranged too.
  void RefreshMDIChildren();
  // The MDI client's background without a skin: clAppWorkSpace and the logo.
  void PaintMDIBGDefault(HDC DC);
  // The documents are in the skinned maximized state.
  bool MDIChildMaximized() const { return FMDIChildMaximized; }
  // The text of the frame's caption: the form's caption, on an MDI frame with maximized
  // documents followed by " - [", the maximized document's caption and "]".
  String CaptionText() const;
  // The subclass of the frame's MDI client window.
  void SubclassMDIClient();
  void UnsubclassMDIClient();
  void ClientWindowProc(TMessage& AMessage);

  // ---- The window menu (SkinForm_MdiMenu.cpp), called on a document's component with
  // its form: an entry named Child's Name followed by "_DSFCHILDITEM", captioned with its
  // caption, owned by the component, in the frame's WindowMenu; checked while its
  // document is active.
  void AddChildToMenu(TCustomForm* Child);
  void DeleteChildFromMenu(TCustomForm* Child);
  void UpDateChildCaptionInMenu(TCustomForm* Child);
  void UpDateChildActiveInMenu();
  // An entry's click: its document (restored when minimized) comes to the front.
  void MDIItemClick(TObject* Sender);

  // ---- The scroll bars of the MDI client (SkinForm_MdiScrollBars.cpp), made with the
  // frame's first show: shown while shown documents reach outside the client (and the
  // documents are not maximized); their range is the documents' extent, and scrolling
  // moves every shown document.
  TspSkinScrollBar* MDIHScrollBar() const { return FMDIHScrollBar; }
  TspSkinScrollBar* MDIVScrollBar() const { return FMDIVScrollBar; }
  void CreateMDIScrollBars();
  // Shows, hides and places the bars; with ARange also sets their ranges.
  void UpdateMDIScrollBars(bool ARange);
  void AlignMDIScrollBars();
  // Moves every shown document right (down) by AOffset.
  void ScrollMDIChildrenH(int AOffset);
  void ScrollMDIChildrenV(int AOffset);

 private:
  void MDIScrollBarChanged(TspSkinScrollBar* ABar);
  bool UpdateMDIScrollBarsOnce(bool ARange);

  TspSkinForm& SkinForm;
  bool FMDIChildMaximized = false;
  bool FInMaximizeAll = false;
  bool FInRestoreAll = false;
  // The message the MDI cases are passing on to the rest of the procedure.
  TMessage* FMDIPassing = nullptr;
  // The subclassed client window and the subclass on it.
  HWND FClientWindow = nullptr;
  TWindowHook FClientHook;
  // Owned by the component (the component model frees them).
  TspSkinScrollBar* FMDIHScrollBar = nullptr;
  TspSkinScrollBar* FMDIVScrollBar = nullptr;
  int FOldHSrollBarPosition = 0;
  int FOldVSrollBarPosition = 0;
  // A document being shown or hidden, left out of the extent.
  HWND ChangeVisibleChildHanle = nullptr;
  // Set while the component moves the documents itself.
  bool FStopCheckChildMove = false;
};
