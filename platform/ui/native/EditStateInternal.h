#pragma once
// What an EDIT window keeps, and the steps its handlers share (internal to the EDIT
// window's files: EditWindow.cpp routes, EditView.cpp lays out and scrolls,
// EditLineMessages.cpp answers the line and scroll messages, EditPaint.cpp paints,
// EditInput.cpp takes keys and the mouse, EditCommands.cpp edits and uses the
// clipboard).

#include <array>
#include <unordered_map>
#include <vector>

#include "platform/gdi/Fonts.h"
#include "platform/ui/native/EditLayout.h"
#include "platform/ui/native/EditMessages.h"
#include "platform/ui/native/EditModel.h"
#include "platform/win/Windows.h"

struct TEditState {
  static std::array<int, 128> MakeUnmeasured() {
    std::array<int, 128> Table;
    Table.fill(-1);
    return Table;
  }

  HWND Window = nullptr;
  TEditModel Model;
  HFONT Font = nullptr;
  int LineHeight = 1;
  // Advances measured so far: ASCII in a table (-1 not yet), the rest in a map.
  std::array<int, 128> AsciiAdvances = MakeUnmeasured();
  std::unordered_map<char32_t, int> Advances;
  // The formatting rectangle (client coordinates) and the margins inside it.
  RECT FormatRect;
  int LeftMargin = 0;
  int RightMargin = 0;
  std::vector<TEditLine> Lines;
  int FirstLine = 0;
  // Pixels the text is scrolled to the left.
  int XOffset = 0;
  char32_t PasswordChar = U'*';
  // As many password characters as the text has code points (password edits only).
  std::u32string PasswordText;
  // The text in UTF-8, made when first asked for after a change: a memo filled line
  // by line hears of every change and reads its whole text each time.
  String Utf8Text;
  bool Utf8TextValid = false;
  // The left button went down in the window and has not come up.
  bool Selecting = false;
};

// The state of an EDIT window; nullptr for another window.
TEditState* EditStateOf(HWND AWindow);

// ---- Styles
DWORD EditStyle(const TEditState& AState);
bool IsMultiLine(const TEditState& AState);
bool IsReadOnly(const TEditState& AState);
bool IsPassword(const TEditState& AState);
// Whether a line break the user enters stays one (ES_MULTILINE with ES_WANTRETURN).
bool TakesLineBreaks(const TEditState& AState);

// ---- View (EditView.cpp)
// The area the text is drawn in: the formatting rectangle less the margins.
RECT TextArea(const TEditState& AState);
int CharWidth(TEditState& AState, char32_t AChar);
TCharWidth CharWidths(TEditState& AState);
// The code points as shown: the password character for each, in a password edit.
const std::u32string& ShownText(const TEditState& AState);
// Lays the lines out again (from the paragraph that holds AChangedFrom on, where the
// text changed), keeps the scrolled view as far as it can, updates the scroll state
// and places the caret.
void Relayout(TEditState& AState, int AChangedFrom = 0);
// Scrolls so that the caret is visible (ES_AUTOHSCROLL / ES_AUTOVSCROLL aside: an
// edit always follows its caret), updates the scroll state and places the caret.
void ScrollCaretIntoView(TEditState& AState);
void PlaceCaret(TEditState& AState);
void UpdateScrollState(TEditState& AState);
void ScrollToLine(TEditState& AState, int AFirstLine);
void ScrollToX(TEditState& AState, int AXOffset);
int VisibleLineCount(const TEditState& AState);
// Client coordinates of a position, and the position nearest to a client point.
POINT PointOfPosition(TEditState& AState, int APos);
int PositionAtPoint(TEditState& AState, POINT APoint);
// The left edge of a line in client coordinates (alignment and scrolling applied).
int LineLeft(TEditState& AState, int ALine);

// ---- Line and scroll messages (EditLineMessages.cpp), each with its message's
// parameters and answer.
LRESULT EditLineIndex(TEditState& AState, WPARAM AWParam);
LRESULT EditLineLength(TEditState& AState, WPARAM AWParam);
LRESULT EditGetLine(TEditState& AState, WPARAM AWParam, LPARAM ALParam);
LRESULT EditLineFromChar(TEditState& AState, WPARAM AWParam);
LRESULT EditPosFromChar(TEditState& AState, WPARAM AWParam);
LRESULT EditCharFromPos(TEditState& AState, LPARAM ALParam);
LRESULT EditVScroll(TEditState& AState, WPARAM AWParam);
LRESULT EditHScroll(TEditState& AState, WPARAM AWParam);
LRESULT EditLineScroll(TEditState& AState, WPARAM AWParam, LPARAM ALParam);
LRESULT EditMouseWheel(TEditState& AState, WPARAM AWParam);

// ---- Editing (EditCommands.cpp)
// Prepares text for insertion: line breaks as the edit keeps them, the letter case of
// ES_UPPERCASE / ES_LOWERCASE.
std::u32string PrepareInsertion(const TEditState& AState, std::u32string_view AText, bool AFromUser);
// Replaces the selection; on a change, repaints, lays out and sends EN_CHANGE.
bool ReplaceSelection(TEditState& AState, std::u32string_view AText, bool ACanUndo, bool ATyping);
// Selects (anchor, caret), scrolls the caret into view and repaints.
void Select(TEditState& AState, int AAnchor, int ACaret);
void NotifyParent(TEditState& AState, WORD ACode);
void CopySelection(TEditState& AState);
void CutSelection(TEditState& AState);
void ClearSelection(TEditState& AState);
void PasteClipboard(TEditState& AState);
void UndoEdit(TEditState& AState);
// A refused action: the beep.
void RefuseEdit();

// ---- Painting (EditPaint.cpp)
void PaintEdit(TEditState& AState, HDC AGivenDC);

// ---- Input (EditInput.cpp)
void EditKeyDown(TEditState& AState, WPARAM AKey);
void EditChar(TEditState& AState, char32_t AChar);
void EditButtonDown(TEditState& AState, POINT APoint, bool ADoubleClick);
void EditMouseMove(TEditState& AState, POINT APoint);
void EditButtonUp(TEditState& AState);
