#pragma once
// The class library's view of custom drawing, shared by the tree view and the list
// view: the stage an OnAdvancedCustomDraw… event is raised for and the state of the
// item being drawn (the NM_CUSTOMDRAW stages and CDIS_ flags of HeaderMessages.h).

#include "platform/base/Set.h"

enum TCustomDrawStage { cdPrePaint, cdPostPaint, cdPreErase, cdPostErase };
// In the order of the CDIS_ bits, so that bit n of uItemState is member n.
enum TCustomDrawStateItem {
  cdsSelected,
  cdsGrayed,
  cdsDisabled,
  cdsChecked,
  cdsFocused,
  cdsDefault,
  cdsHot,
  cdsMarked,
  cdsIndeterminate
};
using TCustomDrawState = TSet<TCustomDrawStateItem>;
