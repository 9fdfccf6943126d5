// Panels, the group box, bars that hold other controls, the extended panel, labels
// and the bevel.

#include "resources/skin-new/SkinNewBuildInternal.h"

namespace skin_new {

namespace {

constexpr int GroupCaptionHeight = 22;
constexpr int ExPanelHeader = 28;
constexpr int ExPanelButton = 16;

TspDataSkinPanelControl& AddPanel(TSkinNew& ASkin, const char* AIDName, int APicture, const TRect& ASkinRect,
                                  const TRect& AEdges) {
  auto& Panel = ASkin.AddControl<TspDataSkinPanelControl>(AIDName);
  Panel.PictureIndex = APicture;
  SetNinePartEdges(Panel, ASkinRect, AEdges);
  SetSkinFont(Panel, palette::Text);
  return Panel;
}

void AddPanels(TSkinNew& ASkin) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const TRect Panel = Sheet.Place(60, 60);
  P.Box(Panel, 0, palette::Background, palette::Border);
  const TRect Group = Sheet.Place(80, 60);
  P.Box(Rect(Group.Left, Group.Top + GroupCaptionHeight, Group.Right, Group.Bottom), metrics::ButtonRadius,
        palette::Background, palette::Border);
  const TRect Status = Sheet.Place(60, 24);
  P.Fill(Rect(Status.Left, Status.Top, Status.Right, Status.Top + 1), palette::Border);
  const TRect Tool = Sheet.Place(60, 40);
  P.Fill(Rect(Tool.Left, Tool.Bottom - 1, Tool.Right, Tool.Bottom), palette::Light);
  const TRect Plain = Sheet.Place(60, 20);
  const TRect Header = Sheet.Place(120, 24);
  P.Fill(Header, palette::Light);
  const int Picture = Sheet.Finish(ASkin, "panels.bmp");

  AddPanel(ASkin, "panel", Picture, Panel, Rect(2, 2, 2, 2));
  auto& GroupBox = AddPanel(ASkin, "groupbox", Picture, Group, Rect(8, GroupCaptionHeight + 8, 8, 8));
  GroupBox.CaptionRect = Rect(2, 0, Group.Width() - 2, GroupCaptionHeight);
  GroupBox.Alignment = taLeftJustify;
  GroupBox.FontStyle = {fsBold};
  AddPanel(ASkin, "statusbar", Picture, Status, Rect(2, 2, 2, 2));
  AddPanel(ASkin, "toolpanel", Picture, Tool, Rect(2, 2, 2, 2));
  AddPanel(ASkin, "resizetoolpanel", Picture, Tool, Rect(2, 2, 2, 2));

  auto AddLabel = [&](const char* AIDName, const TRect& ASkinRect, bool ABold) {
    auto& Label = ASkin.AddControl<TspDataSkinLabelControl>(AIDName);
    Label.PictureIndex = Picture;
    SetNinePart(Label, ASkinRect, 2);
    SetSkinFont(Label, palette::Text, ABold);
  };
  AddLabel("label", Plain, false);
  AddLabel("menuheader", Header, true);

  auto& StdLabel = ASkin.AddControl<TspDataSkinStdLabelControl>("stdlabel");
  SetSkinFont(StdLabel, palette::Text);
  StdLabel.ActiveFontColor = palette::Accent;

  auto& Bevel = ASkin.AddControl<TspDataSkinBevel>("bevel");
  Bevel.LightColor = palette::Surface;
  Bevel.DarkColor = palette::Border;
}

// The extended panel: a header with its buttons over a body, and its two rolled-up
// forms: the vertical kind rolls up to its header (RollV…), the horizontal kind to a
// narrow strip along its side (RollH…).
void AddExPanel(TSkinNew& ASkin) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const TRect Body = Sheet.Place(120, 80);
  P.Box(Body, metrics::ButtonRadius, palette::Background, palette::Border);
  P.FillRoundRect(Rect(Body.Left + 1, Body.Top + 1, Body.Right - 1, Body.Top + ExPanelHeader),
                  {metrics::ButtonRadius - 1.0, 0}, palette::Surface);
  P.Fill(Rect(Body.Left + 1, Body.Top + ExPanelHeader - 1, Body.Right - 1, Body.Top + ExPanelHeader),
         palette::Light);
  const TRect RollV = Sheet.Place(120, ExPanelHeader);
  P.Box(RollV, metrics::ButtonRadius, palette::Surface, palette::Border);
  const TRect RollH = Sheet.Place(ExPanelHeader, 80);
  P.Box(RollH, metrics::ButtonRadius, palette::Surface, palette::Border);
  Sheet.NewRow();
  struct TExPanelButtonLooks {
    TRect Normal, Hot, Down;
  };
  auto Button = [&](auto ADraw) {
    TExPanelButtonLooks Looks;
    const TColor Fills[] = {palette::Surface, palette::Light, palette::Pressed};
    TRect* Cells[] = {&Looks.Normal, &Looks.Hot, &Looks.Down};
    for (int I = 0; I < 3; ++I) {
      *Cells[I] = Sheet.Place(ExPanelButton, ExPanelButton);
      P.Fill(*Cells[I], palette::Surface);
      P.FillRoundRect(*Cells[I], 3, Fills[I]);
      ADraw(CentreOf(*Cells[I]));
    }
    return Looks;
  };
  auto Chevron = [&](TSkinNewArrow AArrow) {
    return Button([&](TPointF C) { DrawChevron(P, C, AArrow, 8, palette::Text); });
  };
  const TExPanelButtonLooks Close = Button([&](TPointF C) { DrawCross(P, C, 7, palette::Text); });
  const TExPanelButtonLooks VRoll = Chevron(saUp), VRestore = Chevron(saDown);
  const TExPanelButtonLooks HRoll = Chevron(saLeft), HRestore = Chevron(saRight);

  auto& Panel = ASkin.AddControl<TspDataSkinExPanelControl>("expanel");
  Panel.PictureIndex = Sheet.Finish(ASkin, "expanel.bmp");
  SetNinePartEdges(Panel, Body, Rect(8, ExPanelHeader, 8, 8));
  Panel.RollHSkinRect = RollH;
  Panel.RollVSkinRect = RollV;
  Panel.RollLeftOffset = Panel.RollRightOffset = Panel.RollTopOffset = Panel.RollBottomOffset = 8;
  // The buttons stand at the caption area's top right (top left in the narrow strip,
  // one under the other), the text fills the rest of it.
  const int ButtonInset = (ExPanelHeader - ExPanelButton) / 2;
  Panel.CaptionRect = Rect(10, ButtonInset, 120 - 8, ButtonInset + ExPanelButton);
  Panel.RollVCaptionRect = Panel.CaptionRect;
  Panel.RollHCaptionRect = Rect(ButtonInset, ButtonInset, ButtonInset + ExPanelButton, 80 - 10);
  Panel.CloseButtonRect = Close.Normal;
  Panel.CloseButtonActiveRect = Close.Hot;
  Panel.CloseButtonDownRect = Close.Down;
  Panel.HRollButtonRect = HRoll.Normal;
  Panel.HRollButtonActiveRect = HRoll.Hot;
  Panel.HRollButtonDownRect = HRoll.Down;
  Panel.HRestoreButtonRect = HRestore.Normal;
  Panel.HRestoreButtonActiveRect = HRestore.Hot;
  Panel.HRestoreButtonDownRect = HRestore.Down;
  Panel.VRollButtonRect = VRoll.Normal;
  Panel.VRollButtonActiveRect = VRoll.Hot;
  Panel.VRollButtonDownRect = VRoll.Down;
  Panel.VRestoreButtonRect = VRestore.Normal;
  Panel.VRestoreButtonActiveRect = VRestore.Hot;
  Panel.VRestoreButtonDownRect = VRestore.Down;
  SetSkinFont(Panel, palette::Text, true);
}

}  // namespace

void BuildPanels(TSkinNew& ASkin) {
  AddPanels(ASkin);
  AddExPanel(ASkin);
}

}  // namespace skin_new
