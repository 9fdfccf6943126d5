#include <gtest/gtest.h>

#include "components/core/SkinData.h"
#include "tests/components/core/SkinTestSupport.h"

using skin_test::IniFromText;

namespace {

template <typename T>
std::unique_ptr<T> Loaded(const char* AIniText, const String& AName = "e") {
  auto Ini = IniFromText(AIniText);
  auto Record = std::make_unique<T>(AName);
  Record->LoadFromFile(*Ini);
  return Record;
}

}  // namespace

TEST(SkinEnumWords, ReadRules) {
  auto Ini = IniFromText(
      "[s]\n"
      "upper=STFULL\nvert=stvert\nhorz=sthorz\n"
      "push=mkPush\npushok=mkpush\n"
      "effect=iefog\neffectok=ieinvert\n");
  EXPECT_EQ(IniReadStretchType(*Ini, "s", "upper"), spstHorz);
  EXPECT_EQ(IniReadStretchType(*Ini, "s", "vert"), spstVert);
  EXPECT_EQ(IniReadStretchType(*Ini, "s", "horz"), spstHorz);
  EXPECT_EQ(IniReadStretchType(*Ini, "s", "absent"), spstFull);
  EXPECT_EQ(IniReadMorphKind(*Ini, "s", "push"), mkDefault);
  EXPECT_EQ(IniReadMorphKind(*Ini, "s", "pushok"), mkPush);
  EXPECT_EQ(IniReadMorphKind(*Ini, "s", "absent"), mkDefault);
  EXPECT_EQ(IniReadInActiveEffect(*Ini, "s", "effect"), ieGrayScale);
  EXPECT_EQ(IniReadInActiveEffect(*Ini, "s", "effectok"), ieInvert);
  EXPECT_EQ(IniReadInActiveEffect(*Ini, "s", "absent"), ieBrightness);
}

TEST(SkinEnumWords, AValueOutsideItsEnumerationIsWrittenAsTheUnknownWordsMember) {
  auto Ini = IniFromText("");
  IniWriteStretchType(*Ini, "s", "k", static_cast<TspStretchType>(40));
  EXPECT_EQ(IniReadStretchType(*Ini, "s", "k"), spstHorz);
  IniWriteMorphKind(*Ini, "s", "k", static_cast<TMorphKind>(-3));
  EXPECT_EQ(IniReadMorphKind(*Ini, "s", "k"), mkDefault);
}

// Every enumeration: each word reads as its member, the word in capitals and an
// unknown word give the fallback, an absent key the default.
TEST(SkinEnumWords, EveryWordOfEveryEnumeration) {
  struct Case {
    const char* Name;
    const TspEnumWords& Words;
    int Absent, Other;
  };
  const Case Cases[] = {
      {"stretch", SkinEnumWords(TspStretchType()), spstFull, spstHorz},
      {"morph", SkinEnumWords(TMorphKind()), mkDefault, mkDefault},
      {"effect", SkinEnumWords(TspInActiveEffect()), ieBrightness, ieGrayScale},
      {"frames", SkinEnumWords(TFramesPlacement()), fpHorizontal, fpVertical},
      {"regulator", SkinEnumWords(TRegulatorKind()), rkRound, rkVertical},
      {"gauge", SkinEnumWords(TGaugeKind()), gkHorizontal, gkVertical},
      {"command", SkinEnumWords(TStdCommand()), cmDefault, cmMinimizeToTray},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    auto Ini = IniFromText("");
    EXPECT_EQ(IniReadEnumWord(*Ini, "s", "k", C.Words), C.Absent);
    Ini->WriteString("s", "k", "nonsense");
    EXPECT_EQ(IniReadEnumWord(*Ini, "s", "k", C.Words), C.Other);
    for (size_t I = 0; I < C.Words.Words.size(); ++I) {
      IniWriteEnumWord(*Ini, "s", "k", int(I), C.Words);
      EXPECT_EQ(IniReadEnumWord(*Ini, "s", "k", C.Words), int(I));
      Ini->WriteString("s", "k", UpperCase(C.Words.Words[I]));
      EXPECT_EQ(IniReadEnumWord(*Ini, "s", "k", C.Words), C.Other);
    }
  }
}

TEST(SkinIniFile, RecognisedByItsFiveSections) {
  const char* Complete =
      "[VERSION]\nv=1\n[PICTURES]\ncount=0\n[FORMINFO]\na=1\n[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount="
      "0\n";
  EXPECT_TRUE(IsSkinIniFile(*IniFromText(Complete)));
  EXPECT_FALSE(IsSkinIniFile(
      *IniFromText("[VERSION]\nv=1\n[PICTURES]\ncount=0\n[FORMINFO]\na=1\n[SKINOBJECTS]\ncount=0\n")));
  EXPECT_FALSE(IsSkinIniFile(*IniFromText(
      "[VERSION]\nv=1\n[PICTURES]\ncount=0\n[FORMINFO]\na=1\n[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\n")));
  EXPECT_FALSE(IsSkinIniFile(*IniFromText("[settings]\nlanguage=1\n")));
  EXPECT_TRUE(
      IsSkinIniFile(*IniFromText("[version]\nv=1\n[pictures]\ncount=0\n[forminfo]\na=1\n[skinobjects]\ncount="
                                 "0\n[skincontrols]\ncount=0\n")));
}

TEST(SkinRecords, MissingSectionGivesDefaults) {
  auto Control = Loaded<TspDataSkinPanelControl>("[other]\npictureindex=3\n");
  EXPECT_EQ(Control->PictureIndex, -1);
  EXPECT_EQ(Control->MaskPictureIndex, -1);
  EXPECT_EQ(Control->CursorIndex, -1);
  EXPECT_EQ(Control->SkinRect, TRect());
  EXPECT_EQ(Control->StretchType, spstFull);
  EXPECT_EQ(Control->Alignment, taCenter);
  EXPECT_EQ(Control->BGPictureIndex, -1);

  auto Object = Loaded<TspDataSkinObject>("");
  EXPECT_EQ(Object->Hint, "");
  EXPECT_EQ(Object->ActivePictureIndex, -1);
  EXPECT_EQ(Object->GlowLayerAlphaBlendValue, 255);
  EXPECT_EQ(Object->MorphKind, mkDefault);
}

TEST(SkinRecords, IntegerKeys) {
  auto Ini = IniFromText("[e]\npictureindex=0x0A\nmaskpictureindex=abc\ncursorindex= 7 \n");
  TspDataSkinControl Record("e");
  Record.LoadFromFile(*Ini);
  EXPECT_EQ(Record.PictureIndex, 10);
  EXPECT_EQ(Record.MaskPictureIndex, -1);
  EXPECT_EQ(Record.CursorIndex, 7);
}

// The defaults that differ from zero, as new records and as records loaded from an
// empty section.
TEST(SkinRecords, NonZeroDefaults) {
  for (bool Load : {false, true}) {
    SCOPED_TRACE(Load ? "loaded" : "new");
    auto Ini = IniFromText("[e]\nunrelated=1\n");
    auto Prepare = [&](auto& ARecord) {
      if (Load) ARecord.LoadFromFile(*Ini);
    };
    TspDataSkinButtonControl Button("e");
    Prepare(Button);
    EXPECT_EQ(Button.AnimateInterval, 25);
    EXPECT_EQ(Button.GlowLayerAlphaBlendValue, 255);
    EXPECT_EQ(Button.GlowLayerPictureIndex, -1);
    EXPECT_EQ(Button.FontName, "Arial");
    EXPECT_EQ(Button.FontHeight, 14);
    TspDataSkinControlBar Bar("e");
    Prepare(Bar);
    EXPECT_EQ(Bar.ItemOffset1, 3);
    EXPECT_EQ(Bar.ItemOffset2, 3);
    TspDataSkinStdLabelControl StdLabel("e");
    Prepare(StdLabel);
    EXPECT_EQ(StdLabel.ActiveFontColor, 16711680);
    EXPECT_EQ(StdLabel.FontColor, 0);
    TspDataSkinListBox List("e");
    Prepare(List);
    EXPECT_EQ(List.HScrollBarName, "hscrollbar");
    EXPECT_EQ(List.VScrollBarName, "vscrollbar");
    EXPECT_EQ(List.BothScrollBarName, "bothhscrollbar");
    EXPECT_EQ(List.CaptionFontName, "Arial");
    EXPECT_EQ(List.CaptionFontHeight, 14);
    TspDataSkinGridControl Grid("e");
    Prepare(Grid);
    EXPECT_EQ(Grid.FixedFontName, "Arial");
    EXPECT_EQ(Grid.FixedFontHeight, 14);
    EXPECT_EQ(Grid.BGPictureIndex, -1);
    TspDataSkinComboBox Combo("e");
    Prepare(Combo);
    EXPECT_EQ(Combo.ListBoxName, "");
    TspDataSkinMainMenuBar MenuBar("e");
    Prepare(MenuBar);
    EXPECT_EQ(MenuBar.MenuBarItem, "");
    TspDataSkinFrameRegulator Regulator("e");
    Prepare(Regulator);
    EXPECT_EQ(Regulator.FramesCount, 1);
    EXPECT_EQ(Regulator.FramesPlacement, fpHorizontal);
    EXPECT_EQ(Regulator.Kind, rkRound);
    TspDataSkinCaption Caption("e");
    Prepare(Caption);
    EXPECT_EQ(Caption.GlowSize, 3);
    EXPECT_EQ(Caption.AnimateInterval, 25);
    EXPECT_EQ(Caption.QuickButtonAlphaMaskPictureIndex, -1);
    TspDataSkinStdButton StdButton("e");
    Prepare(StdButton);
    EXPECT_EQ(StdButton.GroupIndex, -1);
    EXPECT_EQ(StdButton.AlphaMaskInActivePictureIndex, -1);
    EXPECT_EQ(StdButton.Command, cmDefault);
    TspDataSkinBitLabel BitLabel("e");
    Prepare(BitLabel);
    EXPECT_EQ(BitLabel.TransparentColor, 16711935);
    TspDataSkinAnimate Animate("e");
    Prepare(Animate);
    EXPECT_EQ(Animate.CountFrames, 1);
    EXPECT_EQ(Animate.TimerInterval, 50);
    TspDataSkinFrameGaugeObject FrameGauge("e");
    Prepare(FrameGauge);
    EXPECT_EQ(FrameGauge.CountFrames, 0);
    TspDataSkinMenuItem MenuItem("e");
    Prepare(MenuItem);
    EXPECT_EQ(MenuItem.AnimateInterval, 25);
    TspDataSkinLayerFrame Layer;
    Prepare(Layer);
    EXPECT_EQ(Layer.AlphaBlendValue, 255);
    EXPECT_EQ(Layer.InActiveAlphaBlendValue, 255);
    EXPECT_EQ(Layer.BlurMaskPictureIndex, -1);
    TspDataSkinPopupWindow Popup;
    Prepare(Popup);
    EXPECT_EQ(Popup.WindowPictureIndex, -1);
    EXPECT_EQ(Popup.CursorIndex, -1);
  }
}

// The hint font is smaller before the first skin than a skin's default.
TEST(SkinRecords, HintWindowFontHeight) {
  TspDataSkinHintWindow Hint;
  EXPECT_EQ(Hint.FontHeight, 12);
  EXPECT_EQ(Hint.WindowPictureIndex, -1);
  EXPECT_EQ(Hint.FontName, "Arial");
  Hint.LoadFromFile(*IniFromText("[SKINCONTROLS]\ncount=0\n"));
  EXPECT_EQ(Hint.FontHeight, 14);
  EXPECT_EQ(Hint.WindowPictureIndex, -1);
  Hint.LoadFromFile(*IniFromText("[HINTWINDOW]\nfontheight=9\nwindowpictureindex=2\n"));
  EXPECT_EQ(Hint.FontHeight, 9);
  EXPECT_EQ(Hint.WindowPictureIndex, 2);
  // Reloaded, not re-created: every field takes its key's value or default again.
  Hint.LoadFromFile(*IniFromText(""));
  EXPECT_EQ(Hint.FontHeight, 14);
  EXPECT_EQ(Hint.WindowPictureIndex, -1);
}

TEST(SkinRecords, ValueFormsInRecords) {
  auto Button = Loaded<TspDataSkinButtonControl>(
      "[e]\nfontstyle=fsbold,fsitalic\nfontcolor=16711680\nmorphing=2\nmorphkind=mkPush\n"
      "skinrect=-4,-3,20,1a0\nlefttoppoint=-2,-1\nstretchtype=STVERT\n");
  EXPECT_EQ(Button->FontStyle, TFontStyles({fsBold, fsItalic}));
  EXPECT_EQ(Button->FontColor, clBlue);
  EXPECT_FALSE(Button->Morphing);
  EXPECT_EQ(Button->MorphKind, mkDefault);
  EXPECT_EQ(Button->SkinRect, Rect(-4, -3, 20, 10));
  EXPECT_EQ(Button->LTPoint, Point(-2, -1));
  EXPECT_EQ(Button->StretchType, spstHorz);

  auto Caption =
      Loaded<TspDataSkinCaption>("[e]\nreflactioncolor=255\nreflactionactivecolor=65280\nmorphing=1\n");
  EXPECT_EQ(Caption->ReflectionColor, clRed);
  EXPECT_EQ(Caption->ReflectionActiveColor, clLime);
  EXPECT_TRUE(Caption->Morphing);

  auto Button2 = Loaded<TspDataSkinButton>("[e]\ndisableskinrsect=1,2,3,4\n");
  EXPECT_EQ(Button2->DisableSkinRect, Rect(1, 2, 3, 4));

  auto MainItem = Loaded<TspDataSkinMainMenuItem>("[e]\nUnEnabledFontColor=77\n");
  EXPECT_EQ(MainItem->UnEnabledFontColor, 77);

  auto List = Loaded<TspDataSkinListBox>("[e]\nbothhscrollbarname=\nhscrollbarname=myh\n");
  EXPECT_EQ(List->BothScrollBarName, "");
  EXPECT_EQ(List->HScrollBarName, "myh");

  auto BitLabel = Loaded<TspDataSkinBitLabelControl>(
      "[e]\nsymbolslinecount=2\nsymbolsline0=ABC\nsymbolsline1=DEF\nsymbolwidth=8\n");
  EXPECT_EQ(BitLabel->Symbols.Text(), "ABC\nDEF\n");
  EXPECT_EQ(BitLabel->SymbolWidth, 8);
}

TEST(SkinRecords, FrameStrips) {
  struct Case {
    const char* Section;
    int Count;
    TFramesPlacement Placement;
  };
  const Case Cases[] = {
      {"", 1, fpHorizontal},
      {"framescount=0\n", 1, fpHorizontal},
      {"framescount=-7\n", 1, fpHorizontal},
      {"framescount=12\nframesplacement=fpvertical\n", 12, fpVertical},
      {"framesplacement=FPHORIZONTAL\n", 1, fpVertical},
  };
  for (const Case& C : Cases) {
    auto Strip = Loaded<TspDataSkinAnimateControl>((String("[e]\n") + C.Section).c_str());
    EXPECT_EQ(Strip->FramesCount, C.Count) << C.Section;
    EXPECT_EQ(Strip->FramesPlacement, C.Placement) << C.Section;
  }
  EXPECT_EQ(Loaded<TspDataSkinFrameRegulator>("[e]\nkind=rkhorizontal\n")->Kind, rkHorizontal);
  EXPECT_EQ(Loaded<TspDataSkinFrameRegulator>("[e]\nkind=spiral\n")->Kind, rkVertical);
  // The frame-strip objects take their count as read, from 0 to one frame per pixel
  // of the greatest bitmap side.
  EXPECT_EQ(Loaded<TspDataSkinFrameGaugeObject>("[e]\ncountframes=0\n")->CountFrames, 0);
  EXPECT_EQ(Loaded<TspDataSkinFrameGaugeObject>("[e]\ncountframes=40000\n")->CountFrames, SkinCountLimit);
  EXPECT_EQ(Loaded<TspDataSkinFrameRegulatorObject>("[e]\ncountframes=-2\n")->CountFrames, 0);
  EXPECT_EQ(Loaded<TspDataSkinGauge>("[e]\nkind=gkvertical\n")->Kind, gkVertical);
  EXPECT_EQ(Loaded<TspDataSkinGauge>("[e]\nkind=GKHORIZONTAL\n")->Kind, gkVertical);
  EXPECT_EQ(Loaded<TspDataSkinGauge>("[e]\n")->Kind, gkHorizontal);
}

TEST(SkinRecords, UpDownHasNoNinePartGeometry) {
  auto Ini = IniFromText(
      "[e]\nlefttoppoint=3,4\nrightbottompoint=5,6\nclientrect=1,2,3,4\nleftstretch=1\nstretchtype=stvert\n"
      "upbuttonrect=0,0,9,9\n");
  TspDataSkinUpDownControl UpDown("e");
  UpDown.LoadFromFile(*Ini);
  EXPECT_EQ(UpDown.LTPoint, TPoint());
  EXPECT_EQ(UpDown.RBPoint, TPoint());
  EXPECT_EQ(UpDown.ClRect, TRect());
  EXPECT_TRUE(UpDown.LeftStretch);
  EXPECT_EQ(UpDown.StretchType, spstVert);
  EXPECT_EQ(UpDown.UpButtonRect, Rect(0, 0, 9, 9));

  UpDown.LTPoint = Point(7, 7);
  UpDown.ClRect = Rect(1, 1, 5, 5);
  UpDown.SaveToFile(*Ini);
  EXPECT_EQ(Ini->ReadString("e", "lefttoppoint", ""), "0,0");
  EXPECT_EQ(Ini->ReadString("e", "rightbottompoint", ""), "0,0");
  EXPECT_EQ(Ini->ReadString("e", "clientrect", ""), "0,0,0,0");
  EXPECT_EQ(Ini->ReadString("e", "leftstretch", ""), "1");
}

TEST(SkinRecords, RestoreHintRule) {
  struct Case {
    const char* Hint;
    const char* Command;
    const char* RestoreHint;
    const char* Expected;
  };
  const Case Cases[] = {
      {"Maximize", "cmmaximize", nullptr, "Restore"}, {"Minimize", "cmminimize", nullptr, "Restore"},
      {"Roll Up", "cmrollup", nullptr, "Restore"},    {"RollUp", "cmrollup", nullptr, "Restore"},
      {"Roll Up", "cmminimize", nullptr, ""},         {"Maximise", "cmmaximize", nullptr, ""},
      {"Maximize", "cmminimize", nullptr, ""},        {"Maximize", "cmmaximize", "Back", "Back"},
  };
  for (const Case& C : Cases) {
    String Section = String("[e]\nhint=") + C.Hint + "\ncommand=" + C.Command + "\n";
    if (C.RestoreHint) Section += String("restorehint=") + C.RestoreHint + "\n";
    SCOPED_TRACE(Section);
    EXPECT_EQ(Loaded<TspDataSkinStdButton>(Section.c_str())->RestoreHint, C.Expected);
    EXPECT_EQ(Loaded<TspDataSkinMainMenuBarButton>(Section.c_str())->RestoreHint, C.Expected);
    EXPECT_EQ(Loaded<TspDataSkinAnimate>(Section.c_str())->RestoreHint, C.Expected);
  }
  EXPECT_EQ(Loaded<TspDataSkinStdButton>("[e]\ncommand=cmfly\n")->Command, cmMinimizeToTray);
  EXPECT_EQ(Loaded<TspDataSkinStdButton>("[e]\ncommand=cmminimizetotray\n")->Command, cmMinimizeToTray);
  EXPECT_EQ(Loaded<TspDataSkinStdButton>("[e]\n")->Command, cmDefault);
}

TEST(SkinRecords, MorphingForcedOff) {
  const char* Section = "[e]\nmorphing=1\nmorphkind=mkpush\n";
  EXPECT_FALSE(Loaded<TspDataSkinAnimate>(Section)->Morphing);
  EXPECT_FALSE(Loaded<TspDataSkinTrackBar>(Section)->Morphing);
  EXPECT_FALSE(Loaded<TspDataSkinBitLabel>(Section)->Morphing);
  EXPECT_TRUE(Loaded<TspDataSkinButton>(Section)->Morphing);
  EXPECT_EQ(Loaded<TspDataSkinAnimate>(Section)->MorphKind, mkPush);

  auto Ini = IniFromText(Section);
  TspDataSkinTrackBar Track("e");
  Track.LoadFromFile(*Ini);
  Track.SaveToFile(*Ini);
  EXPECT_EQ(Ini->ReadString("e", "morphing", ""), "0");
}

TEST(SkinRecords, MenuItemActiveImages) {
  auto Item = Loaded<TspDataSkinMenuItem>(
      "[e]\ncheckimagerect=1,2,11,12\nradioimagerect=3,3,8,8\nactiveradioimagerect=5,5,5,9\n"
      "arrowimagerect=0,0,4,4\nactivearrowimagerect=20,20,30,30\n");
  EXPECT_EQ(Item->ActiveCheckImageRect, Rect(1, 2, 11, 12));
  EXPECT_EQ(Item->ActiveRadioImageRect, Rect(3, 3, 8, 8));
  EXPECT_EQ(Item->ActiveArrowImageRect, Rect(20, 20, 30, 30));
}

TEST(SkinRecords, UserObjectHasThreeKeys) {
  auto Ini =
      IniFromText("[e]\nhint=Hello\nactivepictureindex=4\nrollup=1\nskinrect=1,2,3,4\ncursorindex=2\n");
  TspDataUserObject User("e");
  User.LoadFromFile(*Ini);
  EXPECT_EQ(User.Hint, "");
  EXPECT_EQ(User.ActivePictureIndex, -1);
  EXPECT_EQ(User.GlowLayerAlphaBlendValue, 255);
  EXPECT_TRUE(User.RollUp);
  EXPECT_EQ(User.SkinRect, Rect(1, 2, 3, 4));
  EXPECT_EQ(User.CursorIndex, 2);
  User.SaveToFile(*Ini);
  EXPECT_EQ(skin_test::SectionKeys(*Ini, "e"), (std::vector<String>{"cursorindex", "rollup", "skinrect"}));
}

TEST(SkinRecords, TabKeepsEachStretchFlag) {
  auto Ini = IniFromText("");
  TspDataSkinTabControl Tab("e");
  Tab.TopStretch = false;
  Tab.RightStretch = true;
  Tab.SaveToFile(*Ini);
  TspDataSkinTabControl Back("e");
  Back.LoadFromFile(*Ini);
  EXPECT_FALSE(Back.TopStretch);
  EXPECT_TRUE(Back.RightStretch);
}

TEST(SkinRecords, TextLinesAppendOnReload) {
  auto Ini = IniFromText("[e]\nsymbolslinecount=1\nsymbolsline0=X\n");
  TspDataSkinBitLabel Label("e");
  Label.LoadFromFile(*Ini);
  Label.LoadFromFile(*Ini);
  EXPECT_EQ(Label.Symbols.Text(), "X\nX\n");
}

TEST(SkinKindCatalogue, WordsAndClasses) {
  EXPECT_EQ(SkinControlKinds().size(), 33u);
  EXPECT_EQ(SkinObjectKinds().size(), 16u);
  for (const auto& Kind : SkinControlKinds()) {
    auto Record = CreateSkinControl(Kind.Word, "n");
    ASSERT_TRUE(Record) << Kind.Word;
    EXPECT_EQ(Record->IDName, "n");
    EXPECT_EQ(SkinControlKindWord(*Record), Kind.Word);
  }
  for (const auto& Kind : SkinObjectKinds()) {
    auto Record = CreateSkinObject(Kind.Word, "n");
    ASSERT_TRUE(Record) << Kind.Word;
    EXPECT_EQ(SkinObjectKindWord(*Record), Kind.Word);
  }
  // Subclasses are named by their own word, never their base's.
  EXPECT_EQ(SkinControlKindWord(TspDataSkinMenuButtonControl("n")), "menubutton");
  EXPECT_EQ(SkinControlKindWord(TspDataSkinMemoControl("n")), "memo");
  EXPECT_EQ(SkinControlKindWord(TspDataSkinCheckListBox("n")), "checklistbox");
  EXPECT_EQ(SkinObjectKindWord(TspDataSkinMainMenuBarButton("n")), "mainmenubarbutton");
  EXPECT_EQ(SkinObjectKindWord(TspDataSkinMainMenuBarItem("n")), "mainmenubaritem");
  EXPECT_TRUE(dynamic_cast<TspDataSkinStdButton*>(CreateSkinObject("mainmenubarbutton", "n").get()));
  EXPECT_TRUE(dynamic_cast<TspDataSkinFrameControl*>(CreateSkinControl("switch", "n").get()));
  // A rich edit shares the list view's keys but is no list view.
  EXPECT_FALSE(dynamic_cast<TspDataSkinListView*>(CreateSkinControl("richedit", "n").get()));
  // Words are matched exactly.
  EXPECT_FALSE(CreateSkinControl("Button", "n"));
  EXPECT_FALSE(CreateSkinControl("", "n"));
  EXPECT_FALSE(CreateSkinObject("menubutton", "n"));
  EXPECT_EQ(SkinControlKindWord(TspDataSkinCustomControl("n")), "");
}
