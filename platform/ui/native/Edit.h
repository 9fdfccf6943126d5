#pragma once
// TCustomEdit and TEdit: a control on the EDIT window (EditWindow.h). Its properties
// go to the window as messages once the window exists and are kept by the control
// while it does not, so they survive RecreateWnd. The text is the window's; Text()
// follows every change through EN_CHANGE. User-interface thread only.

#include "platform/ui/CustomForm.h"
#include "platform/ui/native/EditMessages.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
// bsNone and bsSingle are the ones an edit knows.
using TBorderStyle = TFormBorderStyle;

class TCustomEdit : public TWinControl {
 public:
  // 121 × 25, clWindow (not the parent's colour), TabStop, single border, AutoSize, AutoSelect,
  // HideSelection.
  explicit TCustomEdit(TComponent* AOwner);

  // Sets the window's text (WM_SETTEXT): the caret goes to the start, the undo level
  // is emptied, EN_CHANGE follows.
  using TWinControl::SetText;

  // ---- Selection, in code points
  int SelStart();
  void SetSelStart(int AValue);
  int SelLength();
  void SetSelLength(int AValue);
  String SelText();
  // Replaces the selection (undoable), as typing would.
  void SetSelText(const String& AValue);
  void SelectAll();

  // ---- Editing
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  void ClearSelection();
  void Undo();
  bool CanUndo();
  void ClearUndo();
  // Whether the user changed the text since it was last set.
  bool Modified();
  void SetModified(bool AValue);

  // ---- Properties
  // 0: no limit. Limits what the user types or pastes, not the text set by the
  // program.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int AValue);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool AValue);
  // 0: the text shows; otherwise each character shows as this one (ES_PASSWORD).
  char32_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char32_t AValue);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase AValue);
  // Whether the selection is hidden while the edit has not the focus.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool AValue);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle AValue);
  // Select all the text of a single-line edit when it is entered by the keyboard.
  bool AutoSelect = true;

  // After every change of the text.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& AParams) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& AMessage) override;
  void DoEnter() override;
  // The height follows the font: one line, padding and the border.
  bool CanAutoSize(int& ANewWidth, int& ANewHeight) override;
  // Raises OnChange.
  virtual void Change();

 private:
  void WMSetText(TMessage& AMessage);
  void CNCommand(TMessage& AMessage);
  void CMFontChanged(TMessage& AMessage);
  // Selection start and end, read from the window (0, 0 without one).
  void GetSelection(int& AStart, int& AEnd);

  int FMaxLength = 0;
  bool FReadOnly = false;
  char32_t FPasswordChar = 0;
  TEditCharCase FCharCase = ecNormal;
  bool FHideSelection = true;
  TBorderStyle FBorderStyle = bsSingle;
  // Kept while the window is recreated.
  bool FModified = false;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};
