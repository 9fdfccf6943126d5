#pragma once
// TCustomMemo and TMemo: a multi-line edit whose text is also a list of lines. The
// lines are the window's lines as shown: with WordWrap a long paragraph is several
// lines, as EM_GETLINECOUNT and EM_GETFIRSTVISIBLELINE count them. The scroll state of
// the bars that ScrollBars names is kept by the window (GetScrollInfo) although the
// bars take no room; the program shows its own bars. User-interface thread only.

#include <memory>

#include "platform/base/StringList.h"
#include "platform/ui/native/Edit.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo;

// The lines of a memo, read and changed through its window's line messages. A line
// break at the very end of the text does not start another line.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo& AMemo) : FMemo(AMemo) {}
  void Insert(int AIndex, const String& AText) override;
  void Delete(int AIndex) override;
  void Clear() override;

 protected:
  String Get(int AIndex) const override;
  void Put(int AIndex, const String& AText) override;
  int GetCount() const override;
  // Redrawing waits for EndUpdate.
  void SetUpdateState(bool AUpdating) override;

 private:
  HWND Window() const;
  // Where the line starts, in code points; -1 past the last line.
  int LineStart(int AIndex) const;
  int LineLength(int AStart) const;
  void Replace(int AStart, int AEnd, const String& AText);

  TCustomMemo& FMemo;
};

class TCustomMemo : public TCustomEdit {
 public:
  // 185 × 89, no auto size, WordWrap, WantReturns, no scroll bars.
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;

  TStrings& Lines() { return *FLines; }
  // Replaces the lines with ALines' lines.
  void SetLines(const TStrings& ALines) { FLines->Assign(ALines); }

  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool AValue);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle AValue);
  // Whether Enter makes a new line (otherwise it goes to the form).
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool AValue);
  // Whether Tab goes into the text (otherwise it moves the focus).
  bool WantTabs = false;
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment AValue);

 protected:
  void CreateParams(TCreateParams& AParams) override;
  void Dispatch(TMessage& AMessage) override;
  void KeyPress(uint32_t& AKey) override;

 private:
  void WMGetDlgCode(TMessage& AMessage);

  std::unique_ptr<TMemoStrings> FLines;
  bool FWordWrap = true;
  TScrollStyle FScrollBars = ssNone;
  bool FWantReturns = true;
  TAlignment FAlignment = taLeftJustify;
};

class TMemo : public TCustomMemo {
 public:
  using TCustomMemo::TCustomMemo;
};
