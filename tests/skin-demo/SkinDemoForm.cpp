// The demonstration form: its skin component, the main menu on a menu bar, the tool
// bar, the status bar, the hint, and the page control the pages are built into.

#include <array>

#include "platform/ui/Application.h"
#include "platform/ui/ShortCuts.h"
#include "resources/skin-new/SkinNewPalette.h"
#include "tests/skin-demo/SkinDemo.h"

namespace skin_demo {
namespace {

constexpr int ToolBarHeight = 40;
constexpr int ToolButtonWidth = 84;
constexpr int ToolButtonHeight = 32;
constexpr int ToolButtonGap = 4;
constexpr int ToolImageSize = 16;
constexpr TColor ToolImageMask = clFuchsia;

// The caption without its accelerator marks, as a person reads it.
std::string PlainCaption(const String& ACaption) {
  std::string Result;
  for (char C : ACaption)
    if (C != '&') Result += C;
  return Result;
}

void BuildMainMenu(TSkinDemo& ADemo, TspSkinData* ASkin) {
  ADemo.MainMenu = new TspSkinMainMenu(ADemo.Form);
  auto Top = [&](const String& ACaption) {
    auto* Item = new TMenuItem(ADemo.Form);
    Item->SetCaption(ACaption);
    ADemo.MainMenu->Items()->Add(Item);
    return Item;
  };
  TMenuItem* File = Top("&File");
  AddDemoMenuItem(ADemo, File, "&Add files...", "menu")->SetShortCut(TextToShortCut("Ctrl+O"));
  AddDemoMenuItem(ADemo, File, "&Convert", "menu")->SetShortCut(TextToShortCut("F9"));
  AddDemoMenuItem(ADemo, File, "-", "menu");
  TMenuItem* Exit = AddDemoMenuItem(ADemo, File, "E&xit", "menu");
  Exit->OnClick = [Form = ADemo.Form](TObject*) { Form->Close(); };
  TMenuItem* Edit = Top("&Edit");
  AddDemoMenuItem(ADemo, Edit, "Select &all", "menu")->SetShortCut(TextToShortCut("Ctrl+A"));
  AddDemoMenuItem(ADemo, Edit, "&Remove", "menu")->SetShortCut(TextToShortCut("Del"));
  AddDemoMenuItem(ADemo, Edit, "-", "menu");
  AddDemoMenuItem(ADemo, Edit, "&Preferences...", "menu");
  TMenuItem* View = Top("&View");
  AddDemoMenuItem(ADemo, View, "&Log", "menu");
  AddDemoMenuItem(ADemo, View, "&File information", "menu");
  AddDemoMenuItem(ADemo, View, "&Status bar", "menu")->SetChecked(true);
  TMenuItem* Help = Top("&Help");
  AddDemoMenuItem(ADemo, Help, "&Check for updates", "menu");
  AddDemoMenuItem(ADemo, Help, "&About Pelladrin", "menu");

  ADemo.MenuBar = new TspSkinMainMenuBar(ADemo.Form);
  ADemo.MenuBar->SetParent(ADemo.Form);
  ADemo.MenuBar->SetSkinData(ASkin);
  ADemo.MenuBar->SetSkinForm(ADemo.SkinForm);
  ADemo.MenuBar->SetMainMenu(ADemo.MainMenu);
}

// The tool bar's pictures, drawn from shapes in the default skin's colours, in the
// order of the buttons: add (a plus), convert (an arrow), stop (a square), play (a
// triangle), profile (three lines).
TCustomImageList* MakeToolImages(TComponent* AOwner) {
  auto* Images = new TCustomImageList(AOwner, ToolImageSize, ToolImageSize);
  auto Add = [&](auto ADraw) {
    TBitmap Picture;
    Picture.SetSize(ToolImageSize, ToolImageSize);
    TCanvas& C = Picture.Canvas();
    C.Brush().SetColor(ToolImageMask);
    C.FillRect(Rect(0, 0, ToolImageSize, ToolImageSize));
    ADraw(C);
    Images->AddMasked(Picture, ToolImageMask);
  };
  auto Shape = [](TCanvas& C, TColor AColor) {
    C.Brush().SetColor(AColor);
    C.Pen().SetColor(AColor);
  };
  Add([&](TCanvas& C) {
    Shape(C, skin_new::palette::Accent);
    C.FillRect(Rect(7, 2, 9, 14));
    C.FillRect(Rect(2, 7, 14, 9));
  });
  Add([&](TCanvas& C) {
    Shape(C, skin_new::palette::Accent);
    C.FillRect(Rect(2, 7, 9, 9));
    const std::array<TPoint, 3> Head{TPoint{8, 2}, TPoint{14, 8}, TPoint{8, 14}};
    C.Polygon(Head);
  });
  Add([&](TCanvas& C) {
    Shape(C, skin_new::palette::Close);
    C.FillRect(Rect(3, 3, 13, 13));
  });
  Add([&](TCanvas& C) {
    Shape(C, skin_new::palette::Accent);
    const std::array<TPoint, 3> Triangle{TPoint{4, 2}, TPoint{13, 8}, TPoint{4, 14}};
    C.Polygon(Triangle);
  });
  Add([&](TCanvas& C) {
    Shape(C, skin_new::palette::SecondaryText);
    for (int Top : {3, 7, 11}) C.FillRect(Rect(2, Top, 14, Top + 2));
  });
  return Images;
}

void BuildToolBar(TSkinDemo& ADemo, TspSkinData* ASkin) {
  auto* Bar = new TspSkinToolBar(ADemo.Form);
  ADemo.ToolBar = Bar;
  Bar->SetParent(ADemo.Form);
  Bar->SetAlign(alTop);
  Bar->SetHeight(ToolBarHeight);
  Bar->SetImages(MakeToolImages(ADemo.Form));
  int Left = ToolButtonGap;
  int Index = 0;
  auto Place = [&](TspSkinSpeedButton* AButton, const String& ACaption, const String& AHint, int AWidth) {
    AButton->UseSkinSize = false;
    AButton->SetImageIndex(Index++);
    AButton->SetSpacing(6);
    AButton->SetCaption(ACaption);
    AButton->Hint = AHint;
    AButton->SetShowHint(true);
    AButton->SetBounds(Left, (ToolBarHeight - ToolButtonHeight) / 2, AWidth, ToolButtonHeight);
    AButton->SetParent(Bar);
    Left += AWidth + ToolButtonGap;
  };
  struct TTool {
    const char* Caption;
    const char* Hint;
  };
  const TTool Tools[] = {{"Add", "Add media files"},
                         {"Convert", "Convert the checked files"},
                         {"Stop", "Stop the conversion"},
                         {"Play", "Play the selected file"}};
  for (const TTool& Tool : Tools) {
    auto* Button = new TspSkinSpeedButton(ADemo.Form);
    Place(Button, Tool.Caption, Tool.Hint, ToolButtonWidth);
    Button->OnClick = [Say = ADemo.Say, Line = "tool " + std::string(Tool.Caption)](TObject*) { Say(Line); };
    if (!ADemo.AddButton) ADemo.AddButton = Button;
  }

  auto* Profiles = new TspSkinPopupMenu(ADemo.Form);
  for (const char* Caption : {"MP4 video", "WebM video", "MKV video", "-", "MP3 audio", "FLAC audio"})
    AddDemoMenuItem(ADemo, Profiles->Items(), Caption, "profile");
  ADemo.ProfileButton = new TspSkinMenuSpeedButton(ADemo.Form);
  ADemo.ProfileButton->SetSkinPopupMenu(Profiles);
  Place(ADemo.ProfileButton, "Profile", "Choose the output profile", ToolButtonWidth + 20);

  Bar->SetFlat(true);
  Bar->SetSkinData(ASkin);
}

void BuildPages(TSkinDemo& ADemo, TspSkinData* ASkin) {
  ADemo.Pages = new TspSkinPageControl(ADemo.Form);
  ADemo.Pages->SetParent(ADemo.Form);
  ADemo.Pages->SetAlign(alClient);
  using TBuild = void (*)(TSkinDemo&, TspSkinData*, TWinControl*);
  const std::pair<const char*, TBuild> Pages[] = {
      {"Convert", BuildConvertPage}, {"Files", BuildFilesPage}, {"More controls", BuildMorePage}};
  for (const auto& [Caption, Build] : Pages) {
    auto* Sheet = new TspSkinTabSheet(ADemo.Form);
    Sheet->SetPageControl(ADemo.Pages);
    Sheet->SetCaption(Caption);
  }
  ADemo.Pages->SetSkinData(ASkin);
  // Each page is built while it is the active one: laid out in its size.
  for (int I = 0; I < ADemo.Pages->PageCount(); ++I) {
    ADemo.Pages->SetActivePageIndex(I);
    Pages[I].second(ADemo, ASkin, ADemo.Pages->Pages(I));
  }
  ADemo.Pages->SetActivePageIndex(0);
  ADemo.Pages->OnChange = [Say = ADemo.Say, Pages = ADemo.Pages](TObject*) {
    Say("page " + std::string(Pages->ActivePage()->Caption()));
  };
}

}  // namespace

void TDemoSay::operator()(const std::string& ALine) const {
  if (Log) Log(ALine);
  if (StatusText) StatusText->SetCaption(ALine);
}

TMenuItem* AddDemoMenuItem(const TSkinDemo& ADemo, TMenuItem* AParent, const String& ACaption,
                           const std::string& AKind) {
  auto* Item = new TMenuItem(ADemo.Form);
  Item->SetCaption(ACaption);
  if (ACaption != "-")
    Item->OnClick = [Say = ADemo.Say, Line = AKind + " " + PlainCaption(ACaption)](TObject*) { Say(Line); };
  AParent->Add(Item);
  return Item;
}

TSkinDemo CreateSkinDemo(TspSkinData* ASkin, TDemoLog ALog) {
  TSkinDemo Demo;
  Demo.Form = Application->CreateForm<TForm>();
  Demo.Form->SetCaption("Pelladrin");
  Demo.SkinForm = new TspSkinForm(Demo.Form);
  Demo.SkinForm->SetSkinData(ASkin);
  Demo.Hint = new TspSkinHint(Demo.Form);
  Demo.Hint->SetSkinData(ASkin);
  Application->SetShowHint(true);

  // The status bar first: every event shows its line there.
  Demo.StatusBar = new TspSkinStatusBar(Demo.Form);
  Demo.StatusBar->SetParent(Demo.Form);
  Demo.StatusBar->SetSkinData(ASkin);
  Demo.StatusText = new TspSkinStdLabel(Demo.Form);
  Demo.StatusText->SetParent(Demo.StatusBar);
  Demo.StatusText->SetBounds(8, 2, 500, 17);
  Demo.StatusText->SetCaption("Ready");
  Demo.StatusText->SetSkinData(ASkin);
  Demo.Say = {std::move(ALog), Demo.StatusText};

  // Sized first, so that the pages are laid out in the size they are shown in.
  Demo.Form->SetBoundsRect(Bounds(40, 40, 780, 490));
  BuildMainMenu(Demo, ASkin);
  BuildToolBar(Demo, ASkin);
  BuildPages(Demo, ASkin);
  return Demo;
}

}  // namespace skin_demo
