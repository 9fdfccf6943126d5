#pragma once
// TCustomMaskEdit and TMaskEdit: an edit whose text follows an edit mask
// (MaskEditMask.h). With a mask the text always has the mask's length: typing
// overwrites the character after the caret, the caret skips the literals, deleting
// blanks positions instead of closing them up, and a character the position does not
// take is refused with a beep. Without a mask it is a plain edit. The text of a masked
// edit is its edit text (literals and blanks included). User-interface thread only.

#include "platform/base/Exceptions.h"
#include "platform/ui/native/Edit.h"
#include "platform/ui/native/MaskEditMask.h"

// Raised by ValidateEdit for an entry that leaves a required position blank.
class EDBEditError : public Exception {
 public:
  using Exception::Exception;
};

class TCustomMaskEdit : public TCustomEdit {
 public:
  explicit TCustomMaskEdit(TComponent* AOwner);

  const String& EditMask() const { return FEditMask; }
  // The text is laid into the new mask; MaxLength becomes the mask's length.
  void SetEditMask(const String& AValue);
  bool IsMasked() const { return !FMask.IsEmpty(); }
  // The text with literals and blanks, as shown.
  String EditText() const { return Text(); }
  void SetEditText(const String& AValue) { SetText(AValue); }
  // With a mask, AValue is laid into it (MaskEditMask.h, TEditMask::Apply).
  void SetText(const String& AValue) override;

  // Raises EDBEditError ("Invalid input value") when the edit is masked, modified and
  // a required position is blank. Runs when the edit is left.
  virtual void ValidateEdit();

 protected:
  // Whether the text may change now; every change of a masked edit asks first.
  virtual bool EditCanModify() { return true; }
  void KeyDown(WORD& AKey, TShiftState AShift) override;
  void KeyPress(uint32_t& AKey) override;
  void DoExit() override;
  void Dispatch(TMessage& AMessage) override;

 private:
  // The clipboard messages and the mouse, masked.
  void WMCut(TMessage& AMessage);
  void WMClear(TMessage& AMessage);
  void WMPaste(TMessage& AMessage);
  void WMLButtonUp(TMessage& AMessage);

  std::u32string Shown() const;
  // Replaces [AStart, AEnd) (undoable, EN_CHANGE) and puts the caret at ACaret.
  void ReplaceRange(int AStart, int AEnd, const std::u32string& AText, int ACaret);
  // The range with its editable positions blank.
  std::u32string BlankedRange(int AStart, int AEnd) const;
  // Types the characters at the selection, each in the next editable position;
  // refuses (with a beep) at the first one that does not fit.
  void InputText(const std::u32string& AText);
  void BlankSelection();
  void DeleteBackward();
  void DeleteForward();
  // Moves the caret to an editable position from APos on in ADirection, or to the end.
  void MoveCaret(int APos, int ADirection);

  String FEditMask;
  TEditMask FMask;
};

class TMaskEdit : public TCustomMaskEdit {
 public:
  using TCustomMaskEdit::TCustomMaskEdit;
};
