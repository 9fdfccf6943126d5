// The form frame: its picture, inactive picture and mask with rounded corners, the
// frame geometry, the caption and the caption buttons, and the layered border (none).

#include "resources/skin-new/SkinNewBuildInternal.h"

namespace skin_new {

namespace {

constexpr int FrameWidth = 400;
constexpr int FrameHeight = 200;
// The caption's rows: 1 to 32; row 33 separates it from the client area.
constexpr int FrameCaptionTop = 1;
constexpr int FrameClientTop = FrameCaptionTop + metrics::CaptionHeight + 1;
constexpr int FrameCornerLeft = 40;  // the caption's fixed left part ends here
constexpr int FrameButtonsWidth = 5 * metrics::CaptionButtonWidth;
constexpr int FrameCornerRight = FrameWidth - 1 - FrameButtonsWidth - 9;
constexpr int FrameCornerBottom = FrameHeight - 10;

TRect FrameOuter() { return Rect(0, 0, FrameWidth, FrameHeight); }

struct TCaptionButton {
  const char* IDName;
  TStdCommand Command;
  const char* Hint;
};

// From the right edge leftwards.
constexpr TCaptionButton FrameCaptionButtons[] = {
    {"closebutton", cmClose, "Close"},     {"maxbutton", cmMaximize, "Maximize"},
    {"minbutton", cmMinimize, "Minimize"}, {"traybutton", cmMinimizeToTray, "Minimize to tray"},
    {"rollupbutton", cmRollUp, "Roll up"},
};

TRect CaptionButtonRect(int AIndexFromRight) {
  const int Right = FrameWidth - 1 - AIndexFromRight * metrics::CaptionButtonWidth;
  return Rect(Right - metrics::CaptionButtonWidth, FrameCaptionTop, Right,
              FrameCaptionTop + metrics::CaptionHeight);
}

constexpr TRect SysMenuRect() {
  return {1, FrameCaptionTop, 1 + metrics::CaptionHeight, FrameCaptionTop + 32};
}

void DrawCaptionGlyph(TSkinNewPainter& APainter, TStdCommand ACommand, bool ARestore, const TRect& ARect,
                      TColor AColor) {
  const TPointF Centre = CentreOf(ARect);
  switch (ACommand) {
    case cmClose:
      DrawCross(APainter, Centre, 9, AColor);
      break;
    case cmMaximize:
      ARestore ? DrawRestoreGlyph(APainter, Centre, 10, AColor)
               : DrawMaximizeGlyph(APainter, Centre, 10, AColor);
      break;
    case cmMinimize:
      DrawMinimizeGlyph(APainter, Centre, 10, AColor);
      break;
    case cmMinimizeToTray:
      DrawTrayGlyph(APainter, Centre, 10, AColor);
      break;
    case cmRollUp:
      DrawChevron(APainter, Centre, ARestore ? saDown : saUp, 10, AColor);
      break;
    default:
      DrawAppMark(APainter, Centre, palette::Accent);
      break;
  }
}

// The frame in one of its two looks: the border line, the caption band with its
// separator, the client background and the glyphs of the caption buttons.
void DrawFramePicture(TspBitmap& APicture, TColor ACaption, TColor AGlyph) {
  APicture.SetSize(FrameWidth, FrameHeight);
  APicture.Clear(ColorToPixel(palette::Border));
  TSkinNewPainter Painter(APicture);
  const TRect Inner = Shrunk(FrameOuter(), 1, 1);
  Painter.FillRoundRect(Inner, {metrics::FrameTopRadius - 1.0, metrics::FrameBottomRadius - 1.0}, ACaption);
  Painter.Fill(Rect(1, FrameClientTop - 1, FrameWidth - 1, FrameClientTop), palette::Light);
  Painter.FillRoundRect(Rect(1, FrameClientTop, FrameWidth - 1, FrameHeight - 1),
                        {0, metrics::FrameBottomRadius - 1.0}, palette::Background);
  for (int I = 0; I < int(std::size(FrameCaptionButtons)); ++I)
    DrawCaptionGlyph(Painter, FrameCaptionButtons[I].Command, false, CaptionButtonRect(I), AGlyph);
  DrawCaptionGlyph(Painter, cmSysMenu, false, SysMenuRect(), AGlyph);
}

// Black where the window is, white where the rounded corners cut it away.
void DrawFrameMask(TspBitmap& AMask) {
  AMask.SetSize(FrameWidth, FrameHeight);
  AMask.Clear(ColorToPixel(clWhite));
  TSkinNewPainter Painter(AMask);
  Painter.FillRoundRect(FrameOuter(), {double(metrics::FrameTopRadius), double(metrics::FrameBottomRadius)},
                        clBlack);
  for (int Y = 0; Y < FrameHeight; ++Y)
    for (int X = 0; X < FrameWidth; ++X)
      AMask.SetPixel(X, Y, (AMask.GetPixel(X, Y) & 0xFF) < 128 ? 0xFF000000 : 0xFFFFFFFF);
}

void SetFrameGeometry(TspSkinContent& AInfo) {
  AInfo.LTPoint = {FrameCornerLeft, 40};
  AInfo.RTPoint = {FrameCornerRight, 40};
  AInfo.LBPoint = {FrameCornerLeft, FrameCornerBottom};
  AInfo.RBPoint = {FrameCornerRight, FrameCornerBottom};
  AInfo.ClRect = Rect(metrics::FrameBorder, FrameClientTop, FrameWidth - metrics::FrameBorder,
                      FrameHeight - metrics::FrameBorder);
  AInfo.ButtonsRect = Rect(CaptionButtonRect(4).Left, FrameCaptionTop, FrameWidth - 1, FrameClientTop - 1);
  AInfo.CaptionRect = Rect(SysMenuRect().Right, FrameCaptionTop, AInfo.ButtonsRect.Left, FrameClientTop - 1);
  // The inner corners of the four corner resize zones, as points of the frame picture.
  AInfo.HitTestLTPoint = {metrics::FrameTopRadius, metrics::FrameTopRadius};
  AInfo.HitTestRTPoint = {FrameWidth - metrics::FrameTopRadius, metrics::FrameTopRadius};
  AInfo.HitTestLBPoint = {metrics::FrameBottomRadius, FrameHeight - metrics::FrameBottomRadius};
  AInfo.HitTestRBPoint = {FrameWidth - metrics::FrameBottomRadius, FrameHeight - metrics::FrameBottomRadius};
  AInfo.BorderW = metrics::FrameBorder;
  AInfo.FormMinWidth = FrameWidth - FrameCornerRight + FrameCornerLeft + 40;
  AInfo.FormMinHeight = FrameClientTop + 40;
  AInfo.StatusBarName = "statusbar";
}

// The hot, pressed and inactive looks of every caption button (and the restore looks
// of maximize and roll-up), one row per button in one picture.
void AddCaptionButtons(TSkinNew& ASkin) {
  TSkinNewSheet Sheet;
  struct TCaptionButtonLooks {
    TRect Hot, Down, InActive, Restore, RestoreHot, RestoreDown, RestoreInActive;
  };
  auto DrawLooks = [&](TStdCommand ACommand, int AWidth, bool AWithRestore) {
    TCaptionButtonLooks Looks;
    auto Cell = [&](bool ARestore, TColor AFill, TColor AGlyph) {
      const TRect R = Sheet.Place(AWidth, metrics::CaptionHeight);
      Sheet.Painter().Fill(R, AFill);
      DrawCaptionGlyph(Sheet.Painter(), ACommand, ARestore, R, AGlyph);
      return R;
    };
    const bool IsClose = ACommand == cmClose;
    const TColor HotFill = IsClose ? palette::Close : palette::Light;
    const TColor DownFill = IsClose ? palette::ClosePressed : palette::Pressed;
    const TColor HotGlyph = IsClose ? palette::AccentText : palette::Text;
    Looks.Hot = Cell(false, HotFill, HotGlyph);
    Looks.Down = Cell(false, DownFill, HotGlyph);
    Looks.InActive = Cell(false, palette::CaptionInactive, palette::SecondaryText);
    if (AWithRestore) {
      Looks.Restore = Cell(true, palette::CaptionActive, palette::Text);
      Looks.RestoreHot = Cell(true, HotFill, HotGlyph);
      Looks.RestoreDown = Cell(true, DownFill, HotGlyph);
      Looks.RestoreInActive = Cell(true, palette::CaptionInactive, palette::SecondaryText);
    }
    Sheet.NewRow();
    return Looks;
  };
  std::vector<TCaptionButtonLooks> Looks;
  for (const auto& Button : FrameCaptionButtons)
    Looks.push_back(DrawLooks(Button.Command, metrics::CaptionButtonWidth,
                              Button.Command == cmMaximize || Button.Command == cmRollUp));
  const TCaptionButtonLooks SysMenuLooks = DrawLooks(cmSysMenu, SysMenuRect().Width(), false);
  const int Picture = Sheet.Finish(ASkin, "captionbuttons.bmp");

  auto AddButton = [&](const char* AIDName, TStdCommand ACommand, const char* AHint, const TRect& ASkinRect,
                       const TCaptionButtonLooks& ALooks) {
    auto& Button = ASkin.AddObject<TspDataSkinStdButton>(AIDName);
    Button.Command = ACommand;
    Button.Hint = AHint;
    Button.SkinRect = ASkinRect;
    Button.ActivePictureIndex = Picture;
    Button.ActiveSkinRect = ALooks.Hot;
    Button.DownRect = ALooks.Down;
    Button.InActiveSkinRect = ALooks.InActive;
    Button.RestoreRect = ALooks.Restore;
    Button.RestoreActiveRect = ALooks.RestoreHot;
    Button.RestoreDownRect = ALooks.RestoreDown;
    Button.RestoreInActiveRect = ALooks.RestoreInActive;
    Button.GroupIndex = -1;
  };
  for (int I = 0; I < int(std::size(FrameCaptionButtons)); ++I)
    AddButton(FrameCaptionButtons[I].IDName, FrameCaptionButtons[I].Command, FrameCaptionButtons[I].Hint,
              CaptionButtonRect(I), Looks[size_t(I)]);
  AddButton("sysmenubutton", cmSysMenu, "", SysMenuRect(), SysMenuLooks);
  const TspSkinEditor Editor(ASkin.Data);
  Editor.Object<TspDataSkinStdButton>(ASkin.Data.GetIndex("maxbutton"))->RestoreHint = "Restore";
  Editor.Object<TspDataSkinStdButton>(ASkin.Data.GetIndex("rollupbutton"))->RestoreHint = "Roll down";
}

void AddCaption(TSkinNew& ASkin) {
  auto& Caption = ASkin.AddObject<TspDataSkinCaption>("caption");
  Caption.SkinRect = ASkin.Data.CaptionRect;
  Caption.TextRct = Rect(6, 0, Caption.SkinRect.Width() - 6, Caption.SkinRect.Height());
  Caption.FontName = metrics::FontName;
  Caption.FontHeight = metrics::FontHeight;
  Caption.FontStyle = {fsBold};
  Caption.FontColor = palette::SecondaryText;
  Caption.ActiveFontColor = palette::Text;
  Caption.Alignment = taLeftJustify;
  Caption.DefaultCaption = true;
}

}  // namespace

void BuildFrame(TSkinNew& ASkin) {
  TspBitmap Drawn;
  DrawFramePicture(Drawn, palette::CaptionActive, palette::Text);
  TSkinNew::SetFramePicture(*ASkin.Data.FPicture, Drawn);
  DrawFramePicture(Drawn, palette::CaptionInactive, palette::SecondaryText);
  TSkinNew::SetFramePicture(*ASkin.Data.FInActivePicture, Drawn);
  DrawFrameMask(Drawn);
  TSkinNew::SetFramePicture(*ASkin.Data.FMask, Drawn);
  SetFrameGeometry(ASkin.Data);
  AddCaption(ASkin);
  AddCaptionButtons(ASkin);
  ASkin.Data.LayerFrame->PictureIndex = -1;
}

}  // namespace skin_new
