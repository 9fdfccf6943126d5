#pragma once
// The forms family in one include: TCustomForm and TForm with their types, the
// application object (Application), the screen object (Screen) and the hint window.

#include "platform/ui/Application.h"
#include "platform/ui/CustomForm.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/Screen.h"
