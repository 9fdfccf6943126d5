// Push buttons, tool buttons and the small buttons inside other controls, each in
// five looks side by side: normal, hot, pressed, disabled and focused.

#include "resources/skin-new/SkinNewBuildInternal.h"

namespace skin_new {

namespace {

// How a family of buttons looks. A bordered button is a white box; a flat one shows
// only under the pointer, on the colour of what it lies on.
struct TButtonStyle {
  int Width;
  int Height;
  int Radius;
  bool Bordered;
  TColor Base = palette::Background;
};

struct TButtonLooks {
  TRect Normal, Hot, Down, Disabled, Focused;
};

TButtonLooks DrawButtonLooks(TSkinNewSheet& ASheet, const TButtonStyle& AStyle) {
  TSkinNewPainter& P = ASheet.Painter();
  TButtonLooks Looks;
  auto Look = [&](TColor AFill, TColor ABorder) {
    const TRect R = ASheet.Place(AStyle.Width, AStyle.Height);
    P.Fill(R, AStyle.Base);
    if (AStyle.Bordered)
      P.Box(R, AStyle.Radius, AFill, ABorder);
    else if (AFill != AStyle.Base)
      P.FillRoundRect(R, AStyle.Radius, AFill);
    return R;
  };
  const TColor Face = AStyle.Bordered ? palette::Surface : AStyle.Base;
  Looks.Normal = Look(Face, palette::Border);
  Looks.Hot = Look(AStyle.Bordered ? palette::Surface : palette::Light, palette::BorderHot);
  Looks.Down = Look(palette::Pressed, palette::BorderHot);
  Looks.Disabled = Look(AStyle.Bordered ? palette::Background : AStyle.Base, palette::BorderDisabled);
  Looks.Focused = Look(Face, palette::Accent);
  P.FrameRoundRect(Looks.Focused, AStyle.Radius, 2, palette::Accent);
  ASheet.NewRow();
  return Looks;
}

template <typename TRecord>
TRecord& AddButtonRecord(TSkinNew& ASkin, const char* AIDName, int APicture, const TButtonLooks& ALooks,
                         const TButtonStyle& AStyle) {
  auto& Button = ASkin.AddControl<TRecord>(AIDName);
  Button.PictureIndex = APicture;
  const int Corner = std::max(AStyle.Radius, 2);
  SetNinePart(Button, ALooks.Normal, Corner);
  Button.ActiveSkinRect = ALooks.Hot;
  Button.DownSkinRect = ALooks.Down;
  Button.DisabledSkinRect = ALooks.Disabled;
  Button.FocusedSkinRect = ALooks.Focused;
  SetSkinFont(Button, palette::Text);
  Button.ActiveFontColor = palette::Text;
  Button.DownFontColor = palette::Text;
  Button.DisabledFontColor = palette::DisabledText;
  return Button;
}

struct TButtonElement {
  const char* IDName;
  TButtonStyle Style;
};

const TButtonElement ButtonElements[] = {
    {"button", {64, metrics::ButtonHeight, metrics::ButtonRadius, true}},
    {"resizebutton", {64, metrics::ButtonHeight, metrics::ButtonRadius, true}},
    {"toolbutton", {metrics::ToolButtonSize, metrics::ToolButtonSize, metrics::ButtonRadius, false}},
    {"bigtoolbutton", {metrics::BigToolButtonSize, metrics::BigToolButtonSize, metrics::ButtonRadius, false}},
    {"resizetoolbutton", {metrics::ToolButtonSize, metrics::ToolButtonSize, metrics::ButtonRadius, false}},
    {"combobutton", {24, 24, 4, false, palette::Surface}},
    {"editbutton", {24, 24, 4, false, palette::Surface}},
    {"officequickbutton", {24, 24, 4, false}},
    {"menuitembutton", {64, metrics::MenuItemHeight, 4, false, palette::Surface}},
    {"htracktoolbutton", {metrics::ToolButtonSize, 14, 4, false}},
    {"vtracktoolbutton", {14, metrics::ToolButtonSize, 4, false}},
};

struct TMarkerLooks {
  TRect Flat, Normal, Hot, Down;
};

// The drop-down marker of a menu tool button, on the transparent colour.
TMarkerLooks DrawMenuMarkers(TSkinNewSheet& ASheet) {
  TSkinNewPainter& P = ASheet.Painter();
  auto Marker = [&](TColor AInk) {
    const TRect R = ASheet.Place(10, 8);
    P.Fill(R, palette::Background);
    DrawChevron(P, CentreOf(R), saDown, 7, AInk);
    P.Replace(R, palette::Background, palette::TransparentKey);
    return R;
  };
  TMarkerLooks Looks;
  Looks.Flat = Marker(palette::SecondaryText);
  Looks.Normal = Marker(palette::SecondaryText);
  Looks.Hot = Marker(palette::Text);
  Looks.Down = Marker(palette::Text);
  return Looks;
}

}  // namespace

void BuildButtons(TSkinNew& ASkin) {
  TSkinNewSheet Sheet;
  std::vector<TButtonLooks> Looks;
  for (const auto& Element : ButtonElements) Looks.push_back(DrawButtonLooks(Sheet, Element.Style));
  const TButtonStyle MenuStyle{metrics::ToolButtonSize + 14, metrics::ToolButtonSize, metrics::ButtonRadius,
                               false};
  const TButtonLooks MenuLooks = DrawButtonLooks(Sheet, MenuStyle);
  const TMarkerLooks Markers = DrawMenuMarkers(Sheet);
  const int Picture = Sheet.Finish(ASkin, "buttons.bmp");

  for (size_t I = 0; I < std::size(ButtonElements); ++I)
    AddButtonRecord<TspDataSkinButtonControl>(ASkin, ButtonElements[I].IDName, Picture, Looks[I],
                                              ButtonElements[I].Style);
  auto& MenuButton =
      AddButtonRecord<TspDataSkinMenuButtonControl>(ASkin, "toolmenubutton", Picture, MenuLooks, MenuStyle);
  MenuButton.TrackButtonRect = Rect(MenuStyle.Width - 14, 0, MenuStyle.Width, MenuStyle.Height);
  MenuButton.MenuMarkerFlatRect = Markers.Flat;
  MenuButton.MenuMarkerRect = Markers.Normal;
  MenuButton.MenuMarkerActiveRect = Markers.Hot;
  MenuButton.MenuMarkerDownRect = Markers.Down;
  MenuButton.MenuMarkerTransparentColor = palette::TransparentKey;
}

}  // namespace skin_new
