// The default skin "skin-new": stored as a folder and read back, every element the
// program binds is there with its kind, every record and picture is what the generator
// meant, every rectangle lies inside its picture, and every text is readable.

#include <gtest/gtest.h>

#include <set>

#include "resources/skin-new/SkinNewPalette.h"
#include "tests/components/core/SkinNewTestSupport.h"
#include "tests/components/core/SkinTestSupport.h"

namespace {

using skin_new_test::StoredSkinNew;
using skin_new_test::TLoadedSkinNew;

struct TExpectedElement {
  const char* IDName;
  const char* KindWord;
};

const TExpectedElement SkinNewElements[] = {
    {"caption", "caption"},
    {"closebutton", "stdbutton"},
    {"maxbutton", "stdbutton"},
    {"minbutton", "stdbutton"},
    {"sysmenubutton", "stdbutton"},
    {"rollupbutton", "stdbutton"},
    {"traybutton", "stdbutton"},
    {"menuitem", "menuitem"},
    {"MAINMENUITEM", "mainmenuitem"},
    {"mainmenubaritem", "mainmenubaritem"},
    {"button", "button"},
    {"resizebutton", "button"},
    {"toolbutton", "button"},
    {"bigtoolbutton", "button"},
    {"resizetoolbutton", "button"},
    {"combobutton", "button"},
    {"editbutton", "button"},
    {"officequickbutton", "button"},
    {"menuitembutton", "button"},
    {"htracktoolbutton", "button"},
    {"vtracktoolbutton", "button"},
    {"toolmenubutton", "menubutton"},
    {"panel", "panel"},
    {"groupbox", "panel"},
    {"statusbar", "panel"},
    {"toolpanel", "panel"},
    {"resizetoolpanel", "panel"},
    {"expanel", "expanel"},
    {"checkbox", "checkradio"},
    {"radiobox", "checkradio"},
    {"gauge", "gauge"},
    {"vgauge", "gauge"},
    {"htrackbar", "trackbar"},
    {"trackbar", "trackbar"},
    {"label", "label"},
    {"menuheader", "label"},
    {"stdlabel", "stdlabel"},
    {"bevel", "bevel"},
    {"hscrollbar", "scrollbar"},
    {"vscrollbar", "scrollbar"},
    {"bothhscrollbar", "scrollbar"},
    {"edit", "edit"},
    {"buttonedit", "edit"},
    {"hupdown", "updown"},
    {"vupdown", "updown"},
    {"hsplitter", "splitter"},
    {"vsplitter", "splitter"},
    {"memo", "memo"},
    {"spinedit", "spinedit"},
    {"combobox", "combobox"},
    {"listbox", "listbox"},
    {"grid", "grid"},
    {"tab", "tab"},
    {"treeview", "treeview"},
    {"listview", "listview"},
    {"mainmenubar", "mainmenubar"},
};

TEST(SkinNewTest, IsASkinWithEveryElementTheProgramBinds) {
  const TLoadedSkinNew& Skin = StoredSkinNew();
  EXPECT_TRUE(IsSkinIniFile(*Skin.Ini));
  for (const auto& Element : SkinNewElements) {
    SCOPED_TRACE(Element.IDName);
    const auto Kind = Skin.KindWords.find(Element.IDName);
    ASSERT_NE(Kind, Skin.KindWords.end());
    EXPECT_EQ(Kind->second, Element.KindWord);
    EXPECT_TRUE(Skin.Control(Element.IDName) || Skin.Object(Element.IDName));
  }
  // The names that other elements point to resolve too.
  const auto& Bar = static_cast<const TspDataSkinMainMenuBar&>(*Skin.Control("mainmenubar"));
  for (const String& Name :
       {Bar.MenuBarItem, Bar.CloseButton, Bar.MaxButton, Bar.MinButton, Bar.SysMenuButton})
    EXPECT_NE(Skin.Object(Name), nullptr) << Name;
  const auto& List = static_cast<const TspDataSkinListBox&>(*Skin.Control("listbox"));
  for (const String& Name : {List.HScrollBarName, List.VScrollBarName, List.BothScrollBarName})
    EXPECT_NE(Skin.Control(Name), nullptr) << Name;
  EXPECT_NE(Skin.Control(static_cast<const TspDataSkinComboBox&>(*Skin.Control("combobox")).ListBoxName),
            nullptr);
  EXPECT_NE(Skin.Control(static_cast<const TspDataSkinTabControl&>(*Skin.Control("tab")).UpDown), nullptr);
  EXPECT_EQ(Skin.Ini->ReadInteger("LAYERFRAME", "pictureindex", 0), -1);
}

TEST(SkinNewTest, ReadsBackAsTheGeneratorMeantIt) {
  const TLoadedSkinNew& Skin = StoredSkinNew();
  const skin_new::TSkinNew& Meant = *Skin.Generated;
  const TspSkinData& Loaded = *Skin.Loaded;
  EXPECT_FALSE(Loaded.Empty);
  // Dumping walks a record's keys, which takes the record to change.
  const TspSkinEditor LoadedRecords(*Skin.Loaded), MeantRecords(Skin.Generated->Data);
  ASSERT_EQ(Loaded.ControlCount(), Meant.Data.ControlCount());
  for (int I = 0; I < Meant.Data.ControlCount(); ++I)
    EXPECT_EQ(skin_test::DumpRecord(*LoadedRecords.Control(I)),
              skin_test::DumpRecord(*MeantRecords.Control(I)))
        << Meant.Data.Control(I)->IDName;
  ASSERT_EQ(Loaded.ObjectCount(), Meant.Data.ObjectCount());
  for (int I = 0; I < Meant.Data.ObjectCount(); ++I)
    EXPECT_EQ(skin_test::DumpRecord(*LoadedRecords.Object(I)), skin_test::DumpRecord(*MeantRecords.Object(I)))
        << Meant.Data.Object(I)->IDName;
  for (auto [Read, Written] : {std::pair<TspSkinKeyedRecord*, TspSkinKeyedRecord*>{
                                   Loaded.PopupWindow.get(), Meant.Data.PopupWindow.get()},
                               {Loaded.HintWindow.get(), Meant.Data.HintWindow.get()},
                               {Loaded.LayerFrame.get(), Meant.Data.LayerFrame.get()}})
    EXPECT_EQ(skin_test::DumpRecord(*Read), skin_test::DumpRecord(*Written));
  for (auto [Read, Written] : {std::pair{Loaded.LTPoint, Meant.Data.LTPoint},
                               {Loaded.RTPoint, Meant.Data.RTPoint},
                               {Loaded.LBPoint, Meant.Data.LBPoint},
                               {Loaded.RBPoint, Meant.Data.RBPoint},
                               {Loaded.HitTestLTPoint, Meant.Data.HitTestLTPoint}})
    EXPECT_EQ(Read, Written);
  for (auto [Read, Written] : {std::pair{Loaded.ClRect, Meant.Data.ClRect},
                               {Loaded.ButtonsRect, Meant.Data.ButtonsRect},
                               {Loaded.CaptionRect, Meant.Data.CaptionRect},
                               {Loaded.MainMenuRect, Meant.Data.MainMenuRect}})
    EXPECT_EQ(Read, Written);

  auto SamePixels = [](const TPixelImage& ARead, const TBitmap& AMeantBitmap) {
    const TPixelImage Written = AMeantBitmap.ToPixelImage();
    if (ARead.Width != Written.Width || ARead.Height != Written.Height || ARead.Width == 0) return false;
    for (int Y = 0; Y < ARead.Height; ++Y)
      for (int X = 0; X < ARead.Width; ++X)
        if ((ARead.Pixel(X, Y) & 0xFFFFFF) != (Written.Pixel(X, Y) & 0xFFFFFF)) return false;
    return true;
  };
  EXPECT_TRUE(SamePixels(Skin.Frame, *Meant.Data.FPicture));
  EXPECT_TRUE(SamePixels(Skin.InActiveFrame, *Meant.Data.FInActivePicture));
  EXPECT_TRUE(SamePixels(Skin.Mask, *Meant.Data.FMask));
  ASSERT_EQ(Skin.Pictures.size(), Meant.Data.PictureCount());
  for (size_t I = 0; I < Skin.Pictures.size(); ++I)
    EXPECT_TRUE(SamePixels(Skin.Pictures[I], *Meant.Data.Picture(I)))
        << Meant.Data.FActivePicturesNames->Strings(int(I));
}

TEST(SkinNewTest, FrameMaskRoundsTheCornersAndKeepsTheEdges) {
  const TPixelImage& Mask = StoredSkinNew().Mask;
  auto IsWindow = [&](int AX, int AY) { return (Mask.Pixel(AX, AY) & 0xFFFFFF) == 0; };
  const int W = Mask.Width, H = Mask.Height;
  for (auto [X, Y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}})
    EXPECT_FALSE(IsWindow(X, Y)) << X << "," << Y;
  for (auto [X, Y] :
       {std::pair{8, 0}, {W - 9, 0}, {0, 8}, {W / 2, H - 1}, {0, H / 2}, {W - 1, H / 2}, {4, 4}})
    EXPECT_TRUE(IsWindow(X, Y)) << X << "," << Y;
}

// ---------------------------------------------------------------- geometry

// Keys whose rectangles are places inside the element (relative to its SkinRect)
// rather than parts of its picture, by kind word; "*" holds for every kind.
const std::map<String, std::set<String>> SkinNewPlaceKeys = {
    {"*", {"clientrect"}},
    {"menubutton", {"trackbuttonrect"}},
    {"checkradio", {"checkimagearea", "textarea"}},
    {"panel", {"captionrect", "frametextrect"}},
    {"expanel", {"captionrect", "rollhcaptionrect", "rollvcaptionrect"}},
    {"gauge", {"progressarea"}},
    {"trackbar", {"trackarea"}},
    {"edit", {"buttonrect"}},
    {"memo", {"buttonrect"}},
    {"spinedit", {"upbuttonrect", "downbuttonrect"}},
    {"combobox", {"buttonrect"}},
    {"scrollbar", {"trackarea", "upbuttonrect", "downbuttonrect"}},
    {"mainmenubar", {"itemsrect"}},
    {"caption", {"textrct"}},
    {"menuitem", {"textrct", "imagerct"}},
    {"mainmenuitem", {"textrct"}},
    {"mainmenubaritem", {"textrct"}},
};
// Places inside another part than the element: the text of an item or a cell.
const std::map<String, String> SkinNewItemPlaceKeys = {
    {"itemtextrect", "itemrect"}, {"celltextrect", "selectcellrect"}, {"fixedcelltextrect", "fixedcellrect"}};

bool InsideSize(const TRect& ARect, int AWidth, int AHeight) {
  return ARect.Left >= 0 && ARect.Top >= 0 && ARect.Right <= AWidth && ARect.Bottom <= AHeight &&
         ARect.Left < ARect.Right && ARect.Top < ARect.Bottom;
}

bool IsPlaceKey(const String& AKind, const String& AKey) {
  for (const String& Kind : {String("*"), AKind}) {
    const auto Keys = SkinNewPlaceKeys.find(Kind);
    if (Keys != SkinNewPlaceKeys.end() && Keys->second.count(AKey)) return true;
  }
  return false;
}

// Every non-empty rectangle of the record in APicture (or, for a place, in the size of
// the part it is relative to) and every corner point within SkinRect's size.
void ExpectInsidePicture(const String& AKind, const skin_new_test::TRecordValues& AValues,
                         const TPixelImage& APicture, const TPixelImage* ASkinRectPicture) {
  const TRect SkinRect = AValues.Rects.at("skinrect");
  for (const auto& [Key, R] : AValues.Rects) {
    if (IsRectEmpty(R) && R == TRect()) continue;
    SCOPED_TRACE(Key + " " + RectToStr(R));
    if (const auto Item = SkinNewItemPlaceKeys.find(Key); Item != SkinNewItemPlaceKeys.end()) {
      const TRect& Part = AValues.Rects.at(Item->second);
      EXPECT_TRUE(InsideSize(R, Part.Width(), Part.Height()));
    } else if (IsPlaceKey(AKind, Key)) {
      EXPECT_TRUE(InsideSize(R, SkinRect.Width(), SkinRect.Height()));
    } else if (Key == "skinrect" && ASkinRectPicture) {
      EXPECT_TRUE(InsideSize(R, ASkinRectPicture->Width, ASkinRectPicture->Height));
    } else {
      EXPECT_TRUE(InsideSize(R, APicture.Width, APicture.Height));
    }
  }
  for (const auto& [Key, P] : AValues.Points) {
    if (P == TPoint()) continue;  // no point: the up-down buttons have none
    SCOPED_TRACE(Key + " " + PointToStr(P));
    EXPECT_TRUE(P.X > 0 && P.Y > 0 && P.X <= SkinRect.Width() && P.Y <= SkinRect.Height());
  }
}

TEST(SkinNewTest, EveryRectangleLiesInsideItsPicture) {
  const TLoadedSkinNew& Skin = StoredSkinNew();
  for (const TspDataSkinControl& Control : Skin.Loaded->Controls()) {
    SCOPED_TRACE(Control.IDName);
    const auto Values = skin_new_test::ValuesOf(Control);
    const String Kind = Skin.KindWords.at(Control.IDName);
    const TPixelImage* Picture = Skin.Picture(Control.PictureIndex);
    if (Kind == "stdlabel" || Kind == "bevel" || Kind == "listview") {
      EXPECT_EQ(Picture, nullptr);
      continue;
    }
    ASSERT_NE(Picture, nullptr);
    ExpectInsidePicture(Kind, Values, *Picture, nullptr);
  }
  for (const TspDataSkinObject& Object : Skin.Loaded->Objects()) {
    SCOPED_TRACE(Object.IDName);
    const TPixelImage* Picture = Skin.Picture(Object.ActivePictureIndex);
    const TPixelImage& SkinRectPicture = Object.SkinRectInAPicture ? *Picture : Skin.Frame;
    ExpectInsidePicture(Skin.KindWords.at(Object.IDName), skin_new_test::ValuesOf(Object),
                        Picture ? *Picture : Skin.Frame, &SkinRectPicture);
  }
  // The three windows: corner points and client rectangles inside their pictures.
  const TspSkinData& Gen = *Skin.Loaded;
  const auto& Popup = *Gen.PopupWindow;
  const auto& HintWindow = *Gen.HintWindow;
  for (const auto& [Index, Points, Client] :
       {std::tuple{Popup.WindowPictureIndex, std::array{Popup.LTPoint, Popup.RBPoint}, Popup.ItemsRect},
        std::tuple{HintWindow.WindowPictureIndex, std::array{HintWindow.LTPoint, HintWindow.RBPoint},
                   HintWindow.ClRect}}) {
    const TPixelImage* Picture = Skin.Picture(Index);
    ASSERT_NE(Picture, nullptr);
    EXPECT_TRUE(InsideSize(Client, Picture->Width, Picture->Height));
    for (const TPoint& P : Points)
      EXPECT_TRUE(P.X > 0 && P.Y > 0 && P.X < Picture->Width && P.Y < Picture->Height);
  }
  const TspSkinContent& Info = Gen;
  for (const TRect& R : {Info.ClRect, Info.ButtonsRect, Info.CaptionRect, Info.MainMenuRect})
    EXPECT_TRUE(InsideSize(R, Skin.Frame.Width, Skin.Frame.Height)) << RectToStr(R);
}

// ---------------------------------------------------------------- contrast

enum TSkinNewBackdrop { sbPart, sbPlace, sbFrame, sbInActiveFrame, sbBGColor, sbButtonFace };

// A text colour (by key) and where its background is: the centre pixel of a part of
// the element's picture, of a place inside its SkinRect, of the frame pictures, or a
// colour of the record or of the skin.
struct TContrastCase {
  const char* IDName;
  const char* ColourKey;
  TSkinNewBackdrop Backdrop;
  const char* RectKey;
};

const TContrastCase SkinNewContrastCases[] = {
    {"button", "fontcolor", sbPart, "skinrect"},
    {"button", "activefontcolor", sbPart, "activeskinrect"},
    {"button", "downfontcolor", sbPart, "downskinrect"},
    {"toolbutton", "activefontcolor", sbPart, "activeskinrect"},
    {"toolbutton", "downfontcolor", sbPart, "downskinrect"},
    {"menuitembutton", "activefontcolor", sbPart, "activeskinrect"},
    {"toolmenubutton", "downfontcolor", sbPart, "downskinrect"},
    {"checkbox", "fontcolor", sbPlace, "textarea"},
    {"radiobox", "activefontcolor", sbPlace, "textarea"},
    {"panel", "fontcolor", sbPart, "skinrect"},
    {"groupbox", "fontcolor", sbPlace, "captionrect"},
    {"statusbar", "fontcolor", sbPart, "skinrect"},
    {"expanel", "fontcolor", sbPlace, "captionrect"},
    {"gauge", "fontcolor", sbPart, "skinrect"},
    {"label", "fontcolor", sbPart, "skinrect"},
    {"menuheader", "fontcolor", sbPart, "skinrect"},
    {"stdlabel", "fontcolor", sbButtonFace, ""},
    {"stdlabel", "activefontcolor", sbButtonFace, ""},
    {"edit", "fontcolor", sbPart, "skinrect"},
    {"edit", "activefontcolor", sbPart, "activeskinrect"},
    {"memo", "fontcolor", sbBGColor, ""},
    {"spinedit", "fontcolor", sbPart, "skinrect"},
    {"combobox", "fontcolor", sbPart, "itemrect"},
    {"combobox", "focusfontcolor", sbPart, "focusitemrect"},
    {"listbox", "fontcolor", sbPart, "itemrect"},
    {"listbox", "activefontcolor", sbPart, "activeitemrect"},
    {"listbox", "focusfontcolor", sbPart, "focusitemrect"},
    {"grid", "fontcolor", sbBGColor, ""},
    {"grid", "selectfontcolor", sbPart, "selectcellrect"},
    {"grid", "focusfontcolor", sbPart, "focuscellrect"},
    {"grid", "fixedfontcolor", sbPart, "fixedcellrect"},
    {"tab", "fontcolor", sbPart, "tabrect"},
    {"tab", "activefontcolor", sbPart, "activetabrect"},
    {"tab", "mouseinfontcolor", sbPart, "mouseintabrect"},
    {"treeview", "fontcolor", sbBGColor, ""},
    {"listview", "fontcolor", sbBGColor, ""},
    {"menuitem", "fontcolor", sbPart, "skinrect"},
    {"menuitem", "activefontcolor", sbPart, "activeskinrect"},
    {"MAINMENUITEM", "fontcolor", sbPart, "skinrect"},
    {"MAINMENUITEM", "activefontcolor", sbPart, "activeskinrect"},
    {"MAINMENUITEM", "downfontcolor", sbPart, "downrect"},
    {"caption", "activefontcolor", sbFrame, "skinrect"},
    {"caption", "fontcolor", sbInActiveFrame, "skinrect"},
};

TEST(SkinNewTest, EveryTextReachesAContrastOfFourAndAHalf) {
  const TLoadedSkinNew& Skin = StoredSkinNew();
  const TspSkinColors& Colors = Skin.Loaded->SkinColors();
  for (const auto& Case : SkinNewContrastCases) {
    SCOPED_TRACE(String(Case.IDName) + " " + Case.ColourKey);
    const TspSkinKeyedRecord* Record = Skin.Control(Case.IDName);
    int PictureIndex = Record ? Skin.Control(Case.IDName)->PictureIndex : -1;
    if (!Record) {
      Record = Skin.Object(Case.IDName);
      ASSERT_NE(Record, nullptr);
      PictureIndex = Skin.Object(Case.IDName)->ActivePictureIndex;
    }
    const auto Values = skin_new_test::ValuesOf(*Record);
    const TColor Text = Values.Integers.at(Case.ColourKey);
    TColor Background = 0;
    auto CentrePixel = [](const TPixelImage& APicture, const TRect& ARect) {
      return skin_new_test::PixelColor(
          APicture.Pixel((ARect.Left + ARect.Right) / 2, (ARect.Top + ARect.Bottom) / 2));
    };
    switch (Case.Backdrop) {
      case sbPart:
        Background = CentrePixel(*Skin.Picture(PictureIndex), Values.Rects.at(Case.RectKey));
        break;
      case sbPlace: {
        TRect Place = Values.Rects.at(Case.RectKey);
        const TRect SkinRect = Values.Rects.at("skinrect");
        OffsetRect(Place, SkinRect.Left, SkinRect.Top);
        Background = CentrePixel(*Skin.Picture(PictureIndex), Place);
        break;
      }
      case sbFrame:
        Background = CentrePixel(Skin.Frame, Values.Rects.at(Case.RectKey));
        break;
      case sbInActiveFrame:
        Background = CentrePixel(Skin.InActiveFrame, Values.Rects.at(Case.RectKey));
        break;
      case sbBGColor:
        Background = Values.Integers.at("bgcolor");
        break;
      case sbButtonFace:
        Background = Colors.cBtnFace;
        break;
    }
    EXPECT_GE(skin_new_test::ContrastRatio(Text, Background), 4.5);
  }
  // The hint and the skin colours that controls draw text with.
  const TPixelImage& Hint = *Skin.Picture(Skin.Loaded->HintWindow->WindowPictureIndex);
  EXPECT_GE(
      skin_new_test::ContrastRatio(Skin.Loaded->HintWindow->FontColor,
                                   skin_new_test::PixelColor(Hint.Pixel(Hint.Width / 2, Hint.Height / 2))),
      4.5);
  for (const auto& [TextColour, Back] : {std::pair{Colors.cBtnText, Colors.cBtnFace},
                                         {Colors.cWindowText, Colors.cWindow},
                                         {Colors.cHighLightText, Colors.cHighLight}})
    EXPECT_GE(skin_new_test::ContrastRatio(TextColour, Back), 4.5);
}

TEST(SkinNewTest, ContrastRatioFollowsTheLuminanceFormula) {
  EXPECT_NEAR(skin_new_test::ContrastRatio(clBlack, clWhite), 21.0, 1e-9);
  EXPECT_NEAR(skin_new_test::ContrastRatio(clWhite, clWhite), 1.0, 1e-9);
  // The accent with white text, as the palette notes: 5.2:1.
  EXPECT_NEAR(skin_new_test::ContrastRatio(skin_new::Hex(0x2563EB), clWhite), 5.17, 0.01);
}

}  // namespace
