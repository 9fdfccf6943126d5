#pragma once
// The text of an edit window and what editing does to it, apart from any window: the
// code points, the selection (an anchor and the caret), one level of undo and the
// modified flag. The EDIT window (EditWindow.h) keeps one per window.

#include <string>

#include "platform/base/Strings.h"

class TEditModel {
 public:
  const std::u32string& Text() const { return FText; }
  int Length() const { return static_cast<int>(FText.size()); }
  // Replaces the whole text: the caret goes to the start, nothing is selected, the
  // undo level is emptied and the text counts as not modified.
  void SetText(std::u32string AText);

  // ---- Selection: from the anchor to the caret, either way round.
  int Anchor() const { return FAnchor; }
  int CaretPos() const { return FCaret; }
  int SelStart() const { return FAnchor < FCaret ? FAnchor : FCaret; }
  int SelEnd() const { return FAnchor < FCaret ? FCaret : FAnchor; }
  bool HasSelection() const { return FAnchor != FCaret; }
  std::u32string SelectedText() const;
  // Both positions are clamped to the text. Ends a run of typing (see below).
  void SetSelection(int AAnchor, int ACaret);

  // ---- Editing
  // Replaces the selection with AText (cut to what Limit leaves room for) and puts
  // the caret after it; returns whether the text changed. With ACanUndo the text
  // before becomes the undo level, except that consecutive typing (ATyping) stays one
  // undo step, as people expect from an edit.
  bool ReplaceSelection(const std::u32string& AText, bool ACanUndo, bool ATyping = false);
  bool CanUndo() const { return FHasUndo; }
  // Swaps the text and selection with the undo level, so that a second undo redoes.
  bool Undo();
  void EmptyUndo();
  // Set by every change of the text except SetText; cleared by SetText.
  bool Modified = false;
  // Code points the user may bring the text to by typing, pasting or EM_REPLACESEL.
  int Limit = 30000;

  // ---- Words, for Ctrl with the arrows and double clicks: runs of letters and
  // digits, runs of blanks, and single other characters.
  int WordStartBefore(int APos) const;
  int WordEndAfter(int APos) const;

 private:
  struct TSnapshot {
    std::u32string Text;
    int Anchor = 0;
    int Caret = 0;
  };

  std::u32string FText;
  int FAnchor = 0;
  int FCaret = 0;
  TSnapshot FUndo;
  bool FHasUndo = false;
  bool FTyping = false;
};

// UTF-8 to code points and back.
std::u32string ToCodePoints(std::string_view AText);
String ToUtf8(std::u32string_view AText);
