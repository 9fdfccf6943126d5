#pragma once
// The LB_* messages answered on a list box model alone, as the LISTBOX window answers
// them (ListBoxMessages.h): the window hands them here, and TCustomListBox uses the
// same answers for the items it keeps while it has no window. Messages of the LB_
// range that the list box does not implement answer LB_ERR.

#include "platform/ui/native/ListBoxMessages.h"
#include "platform/ui/native/ListBoxModel.h"

LRESULT ApplyListBoxMessage(TListBoxModel& AModel, UINT AMsg, WPARAM AWParam, LPARAM ALParam);
