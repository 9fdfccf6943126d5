#pragma once
// The skinned library on one screen: a main form in a skin with a menu bar, a tool
// bar of speed and menu buttons, a page control whose pages hold one of every skinned
// control, a status bar, a popup menu and hints. Every action a person takes on it is
// told to the log, one line each ("menu Convert", "check Deinterlace on"), and shown
// in the status bar.
//
// Files: SkinDemoForm.cpp (the form, its menus, tool bar, status bar and hint),
// SkinDemoConvertPage.cpp, SkinDemoFilesPage.cpp and SkinDemoMorePage.cpp (the
// pages), SkinDemoProgram.cpp (the program that shows it). User-interface thread only.

#include <functional>
#include <string>

#include "components/controls/SkinBars.h"
#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinExCtrls.h"
#include "components/controls/SkinTabs.h"
#include "components/controls/SkinUpDown.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinHint.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Forms.h"

namespace skin_demo {

using TDemoLog = std::function<void(const std::string&)>;

// What every event of the demonstration does: tells the log and shows the line in the
// status bar. Copied into the events.
struct TDemoSay {
  TDemoLog Log;
  TspSkinStdLabel* StatusText = nullptr;
  void operator()(const std::string& ALine) const;
};

// The controls a person (or a test) acts on.
struct TSkinDemo {
  TForm* Form = nullptr;
  TspSkinForm* SkinForm = nullptr;
  TspSkinMainMenu* MainMenu = nullptr;
  TspSkinMainMenuBar* MenuBar = nullptr;
  TspSkinToolBar* ToolBar = nullptr;
  TspSkinSpeedButton* AddButton = nullptr;
  TspSkinMenuSpeedButton* ProfileButton = nullptr;
  TspSkinPageControl* Pages = nullptr;
  TspSkinStatusBar* StatusBar = nullptr;
  TspSkinStdLabel* StatusText = nullptr;
  TspSkinHint* Hint = nullptr;
  TDemoSay Say;
  // The "Convert" page.
  TspSkinCheckRadioBox* Deinterlace = nullptr;
  TspSkinCheckRadioBox* MkvRadio = nullptr;
  TspSkinTrackBar* Volume = nullptr;
  TspSkinLabel* VolumeValue = nullptr;
  TspSkinUpDown* BitRate = nullptr;
  TspSkinLabel* BitRateValue = nullptr;
  TspSkinButton* ConvertButton = nullptr;
  TspSkinMenuButton* PresetButton = nullptr;
  TspSkinGauge* Progress = nullptr;
  // The "Files" page; the list's popup menu.
  TspSkinCustomTreeView* Folders = nullptr;
  TspSkinListView* Files = nullptr;
  TspSkinPopupMenu* FilesMenu = nullptr;
  // The "More" page.
  TspSkinNotebook* Notebook = nullptr;
  TspSkinExPanel* ExPanel = nullptr;
  TspSkinAnimate* Busy = nullptr;
};

// Builds the demonstration form in ASkin (not shown; the application's main form when
// it is the application's first).
TSkinDemo CreateSkinDemo(TspSkinData* ASkin, TDemoLog ALog);

// ---- What the form and its pages share (SkinDemoForm.cpp)

// A control of ASkin on AParent at ABounds, owned by the form.
template <class TControlClass>
TControlClass* PlaceControl(TSkinDemo& ADemo, TWinControl* AParent, TspSkinData* ASkin,
                            const TRect& ABounds) {
  auto* Control = new TControlClass(ADemo.Form);
  Control->SetParent(AParent);
  Control->SetBoundsRect(ABounds);
  Control->SetSkinData(ASkin);
  return Control;
}
// A menu item of AOwner: "-" is a separator; a click tells the log "<AKind> <caption>".
TMenuItem* AddDemoMenuItem(const TSkinDemo& ADemo, TMenuItem* AParent, const String& ACaption,
                           const std::string& AKind);

// ---- The pages
void BuildConvertPage(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage);
void BuildFilesPage(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage);
void BuildMorePage(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage);

}  // namespace skin_demo
