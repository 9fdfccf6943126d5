#pragma once
// The native-controls form among the demonstration windows, the same on every backend:
// shown before the other windows, so that the main window ends up active, and owned by
// the application (DoneApplication frees it, before the window system stops). Every
// change of its edit's text is logged with the whole text ("edit:OnChange Grüße").
//
// User-interface thread only; the window system must be started.

#include <functional>
#include <string>

#include "tests/support/NativeControlsForm.h"

namespace e2e {

testing_support::TNativeControlsForm* ShowDemoControls(std::function<void(const std::string&)> AEmit);

// The shown form's EditEndPoint.
TPoint EditEndPoint();

}  // namespace e2e
