// Push buttons, tool buttons and the small buttons inside other controls, each in
// five looks side by side: normal, hot, pressed, disabled and focused.

#include <utility>

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

// The fixed corners of a button's nine parts.
int ButtonCorner(const TButtonStyle& AStyle) { return std::max(AStyle.Radius, 2); }

template <typename TRecord>
TRecord& AddButtonRecord(TSkinNew& ASkin, const char* AIDName, int APicture, const TButtonLooks& ALooks,
                         const TButtonStyle& AStyle) {
  auto& Button = ASkin.AddControl<TRecord>(AIDName);
  Button.PictureIndex = APicture;
  SetNinePart(Button, ALooks.Normal, ButtonCorner(AStyle));
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

// The menu tool button: a tool button with a drop-down column at its right edge that
// shows a chevron, one for each look.
constexpr int MenuTrackWidth = 14;
constexpr int MenuMarkerWidth = 10;
constexpr int MenuMarkerHeight = 8;
constexpr double MenuChevronSize = 7;
// Rows of the column's stretch band, below the chevron of a 32-pixel button: a taller
// or shorter button keeps the chevron whole and in place, never stretched.
constexpr int MenuColumnBandTop = 21;
constexpr int MenuColumnBandBottom = 23;

// Normal and flat marker in the secondary text colour, hot in the text colour, pressed
// (the menu open) in the accent.
struct TMarkerInks {
  TColor Normal = palette::SecondaryText;
  TColor Hot = palette::Text;
  TColor Down = palette::Accent;
  TColor Disabled = palette::DisabledText;
};

struct TMarkerLooks {
  TRect Flat, Normal, Hot, Down;
};

// The drop-down marker alone, on the transparent colour: the flat look draws it on
// whatever the button lies on.
TMarkerLooks DrawMenuMarkers(TSkinNewSheet& ASheet) {
  TSkinNewPainter& P = ASheet.Painter();
  auto Marker = [&](TColor AInk) {
    const TRect R = ASheet.Place(MenuMarkerWidth, MenuMarkerHeight);
    P.Fill(R, palette::Background);
    DrawChevron(P, CentreOf(R), saDown, MenuChevronSize, AInk);
    P.Replace(R, palette::Background, palette::TransparentKey);
    return R;
  };
  const TMarkerInks Inks;
  TMarkerLooks Looks;
  Looks.Flat = Marker(Inks.Normal);
  Looks.Normal = Marker(Inks.Normal);
  Looks.Hot = Marker(Inks.Hot);
  Looks.Down = Marker(Inks.Down);
  return Looks;
}

// The marker in the drop-down column of every look of the menu button, where the flat
// look centres its marker picture in a 32-pixel button.
void DrawTrackMarkers(TSkinNewSheet& ASheet, const TButtonLooks& ALooks) {
  const TMarkerInks Inks;
  const std::pair<TRect, TColor> Looks[] = {{ALooks.Normal, Inks.Normal},
                                            {ALooks.Hot, Inks.Hot},
                                            {ALooks.Down, Inks.Down},
                                            {ALooks.Disabled, Inks.Disabled},
                                            {ALooks.Focused, Inks.Normal}};
  for (const auto& [Look, Ink] : Looks) {
    const TRect Column = Rect(Look.Right - MenuTrackWidth, Look.Top, Look.Right, Look.Bottom);
    const TRect Marker =
        Bounds(Column.Left + (MenuTrackWidth - MenuMarkerWidth) / 2,
               Column.Top + (Column.Height() - MenuMarkerHeight) / 2, MenuMarkerWidth, MenuMarkerHeight);
    DrawChevron(ASheet.Painter(), CentreOf(Marker), saDown, MenuChevronSize, Ink);
  }
}

// The client area stops at the drop-down column, so that content and the flat marker
// each keep their own place; the column's pieces that hold the chevron are copied, not
// stretched.
void SetMenuButtonGeometry(TspDataSkinMenuButtonControl& AButton, const TButtonLooks& ALooks, int ACorner) {
  SetNinePartEdges(AButton, ALooks.Normal, Rect(ACorner, ACorner, MenuTrackWidth, ACorner));
  AButton.RTPoint.Y = MenuColumnBandTop;
  AButton.RBPoint.Y = MenuColumnBandBottom;
  const int W = ALooks.Normal.Width(), H = ALooks.Normal.Height();
  AButton.TrackButtonRect = Rect(W - MenuTrackWidth, 0, W, H);
}

}  // namespace

void BuildButtons(TSkinNew& ASkin) {
  TSkinNewSheet Sheet;
  std::vector<TButtonLooks> Looks;
  for (const auto& Element : ButtonElements) Looks.push_back(DrawButtonLooks(Sheet, Element.Style));
  const TButtonStyle MenuStyle{metrics::ToolButtonSize + MenuTrackWidth, metrics::ToolButtonSize,
                               metrics::ButtonRadius, false};
  const TButtonLooks MenuLooks = DrawButtonLooks(Sheet, MenuStyle);
  DrawTrackMarkers(Sheet, MenuLooks);
  const TMarkerLooks Markers = DrawMenuMarkers(Sheet);
  const int Picture = Sheet.Finish(ASkin, "buttons.bmp");

  for (size_t I = 0; I < std::size(ButtonElements); ++I)
    AddButtonRecord<TspDataSkinButtonControl>(ASkin, ButtonElements[I].IDName, Picture, Looks[I],
                                              ButtonElements[I].Style);
  auto& MenuButton =
      AddButtonRecord<TspDataSkinMenuButtonControl>(ASkin, "toolmenubutton", Picture, MenuLooks, MenuStyle);
  SetMenuButtonGeometry(MenuButton, MenuLooks, ButtonCorner(MenuStyle));
  MenuButton.MenuMarkerFlatRect = Markers.Flat;
  MenuButton.MenuMarkerRect = Markers.Normal;
  MenuButton.MenuMarkerActiveRect = Markers.Hot;
  MenuButton.MenuMarkerDownRect = Markers.Down;
  MenuButton.MenuMarkerTransparentColor = palette::TransparentKey;
}

}  // namespace skin_new
