#pragma once
// The class library's controls in one include: TControl, TWinControl, TCustomControl,
// TGraphicControl, the control messages and types, and the simple controls (labels,
// bevel, image, panel).

#include "platform/ui/Bevel.h"
#include "platform/ui/Control.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlTypes.h"
#include "platform/ui/GraphicControl.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WinControl.h"
