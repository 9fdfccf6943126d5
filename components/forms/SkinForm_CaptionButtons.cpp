// The caption buttons of a form without skin: created in a fixed set, switched by the
// form's border icons, given their hints, and drawn in the built-in look.

#include <algorithm>
#include <optional>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "platform/gdi/Blit.h"
#include "platform/win/SystemMetrics.h"

namespace {

// The built-in pressed and hot looks: a navy frame around a fill (0x00BBGGRR).
constexpr TColor CaptionButtonFrameColor = TColor(0x800000);
constexpr TColor CaptionButtonDownFill = TColor(0xB59385);
constexpr TColor CaptionButtonHotFill = TColor(0xD2BDB6);

struct TCaptionButtonDefault {
  const char* IDName;
  TStdCommand Command;
};

constexpr TCaptionButtonDefault CaptionButtonDefaults[] = {
    {"closebutton", cmClose},   {"maxbutton", cmMaximize},    {"minbutton", cmMinimize},
    {"rollupbutton", cmRollUp}, {"sysmenubutton", cmSysMenu}, {"traybutton", cmMinimizeToTray}};

struct TCaptionButtonHint {
  TStdCommand Command;
  const char* ResourceKey;
  const char* BuiltIn;
};

constexpr TCaptionButtonHint CaptionButtonHints[] = {
    {cmClose, "CLOSEBUTTON_HINT", "Close"},     {cmMaximize, "MAXBUTTON_HINT", "Maximize"},
    {cmMinimize, "MINBUTTON_HINT", "Minimize"}, {cmSysMenu, "MENUBUTTON_HINT", "System menu"},
    {cmRollUp, "ROLLUPBUTTON_HINT", "Roll Up"}, {cmMinimizeToTray, "TRAYBUTTON_HINT", "Minimize to Tray"}};

// A text of the skin's string table, or the built-in one when the skin has no table.
String CaptionButtonText(const TspSkinData& ASkin, const char* AKey, const char* ABuiltIn) {
  const TspResourceStrData* Strings = ASkin.ResourceStrData();
  return Strings ? Strings->GetResStr(AKey) : String(ABuiltIn);
}

}  // namespace

// ---------------------------------------------------------------- objects

TspSkinStdButtonObject::TspSkinStdButtonObject(TspSkinForm* AParent, const String& AIDName,
                                               TStdCommand ACommand)
    : TspSkinButtonObject(AParent), Command(ACommand) {
  IDName = AIDName;
}

TspSkinStdButtonObject::TspSkinStdButtonObject(TspSkinForm* AParent, const TspDataSkinStdButton& AData)
    : TspSkinButtonObject(AParent, AData),
      FSkinSupport(true),
      Command(AData.Command),
      RestoreRect(AData.RestoreRect),
      RestoreActiveRect(AData.RestoreActiveRect),
      RestoreDownRect(AData.RestoreDownRect),
      RestoreInActiveRect(AData.RestoreInActiveRect),
      RestoreHint(AData.RestoreHint),
      FTempHint(AData.Hint) {}

void TspSkinStdButtonObject::Draw(TCanvas& Cnvs, bool UpDate) {
  if (FSkinSupport)
    DrawSkinLook(Cnvs, UpDate);
  else
    DrawBuiltIn(Cnvs);
}

void TspSkinStdButtonObject::DrawBuiltIn(TCanvas& Cnvs) {
  if (Command == cmSysMenu && Parent->ShowIcon()) {
    Parent->DrawFormIcon(Cnvs, ObjectRect.Left, ObjectRect.Top);
    return;
  }
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  if (W <= 0 || H <= 0) return;
  TBitmap Look;
  Look.SetSize(W, H);
  TCanvas& Canvas = Look.Canvas();
  const bool Pressed = FDown && FMouseIn;
  if (FMouseIn) {
    Canvas.Brush().SetColor(Pressed ? CaptionButtonDownFill : CaptionButtonHotFill);
    Canvas.Pen().SetColor(CaptionButtonFrameColor);
    Canvas.Rectangle(0, 0, W, H);
  } else {
    Canvas.Brush().SetColor(clBtnFace);
    Canvas.FillRect(Rect(0, 0, W, H));
  }
  const int X = W / 2 - (Pressed ? 4 : 5);
  const int Y = H / 2 - (Pressed ? 3 : 4);
  const TColor Color = Enabled ? clBtnText : clBtnShadow;
  switch (Command) {
    case cmClose:
      DrawCloseGlyph(Canvas, X, Y, Color);
      break;
    case cmMaximize:
      if (Parent->WindowState() == wsMaximized)
        DrawRestoreGlyph(Canvas, X, Y, Color);
      else
        DrawMaximizeGlyph(Canvas, X, Y, Color);
      break;
    case cmMinimize:
      if (Parent->WindowState() == wsMinimized)
        DrawRestoreGlyph(Canvas, X, Y, Color);
      else
        DrawMinimizeGlyph(Canvas, X, Y, Color);
      break;
    case cmSysMenu:
      DrawSysMenuGlyph(Canvas, X, Y, Color);
      break;
    case cmRollUp:
      if (Parent->RollUpState())
        DrawRollDownGlyph(Canvas, X, Y, Color);
      else
        DrawRollUpGlyph(Canvas, X, Y, Color);
      break;
    case cmMinimizeToTray:
      DrawMinToTrayGlyph(Canvas, X, Y, Color);
      break;
    case cmDefault:
      break;
  }
  BitBlt(Cnvs.Handle(), ObjectRect.Left, ObjectRect.Top, W, H, Canvas.Handle(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------- the form's side

void TspSkinFormCaption::CreateDefaultButtons() {
  SkinForm.ClearObjects();
  for (const TCaptionButtonDefault& Default : CaptionButtonDefaults) {
    auto Button = std::make_unique<TspSkinStdButtonObject>(&SkinForm, Default.IDName, Default.Command);
    Button->SkinRectInAPicture = true;
    Button->SkinRect = Button->ActiveSkinRect = Button->DownRect = Rect(0, 0, 1, 1);
    SkinForm.ObjectList.push_back(std::move(Button));
  }
  ApplyBorderIcons();
}

std::optional<bool> TspSkinFormCaption::EnabledByBorderIcons(TStdCommand ACommand) const {
  const TspSkinForm::TspBorderIcons& Icons = SkinForm.FBorderIcons;
  switch (ACommand) {
    case cmMaximize:
      return Icons.Contains(TspSkinForm::biMaximize);
    case cmMinimize:
      return Icons.Contains(TspSkinForm::biMinimize);
    case cmSysMenu:
      return Icons.Contains(TspSkinForm::biSystemMenu) && !SkinForm.DisableSystemMenu;
    case cmRollUp:
      return Icons.Contains(TspSkinForm::biRollUp);
    case cmMinimizeToTray:
      return Icons.Contains(TspSkinForm::biMinimizeToTray);
    default:
      return std::nullopt;
  }
}

void TspSkinFormCaption::ApplyBorderIcons() {
  const bool HasDialogClose = std::any_of(SkinForm.ObjectList.begin(), SkinForm.ObjectList.end(),
                                          [](const std::unique_ptr<TspActiveSkinObject>& AObject) {
                                            return dynamic_cast<TspSkinStdButtonObject*>(AObject.get()) &&
                                                   AObject->IDName == "dialogclosebutton";
                                          });
  const bool DialogBorderIcons =
      SkinForm.FBorderIcons.Empty() ||
      SkinForm.FBorderIcons == TspSkinForm::TspBorderIcons{TspSkinForm::biSystemMenu};
  for (auto& Object : SkinForm.ObjectList) {
    if (auto* Caption = dynamic_cast<TspSkinCaptionObject*>(Object.get());
        Caption && Caption->DefaultCaption && !SkinForm.HideCaptionButtons)
      Caption->SimpleSetTextValue(SkinForm.FForm->Caption());
    const std::optional<TStdCommand> Command = CaptionCommandOf(*Object);
    if (!Command) continue;
    if (SkinForm.HideCaptionButtons) {
      Object->Enabled = false;
      Object->Visible = !Object->SkinRectInAPicture;
      continue;
    }
    auto* Button = dynamic_cast<TspSkinStdButtonObject*>(Object.get());
    // Only an animation drawn as a button follows the border icons.
    if (!Button && !static_cast<TspSkinAnimateObject*>(Object.get())->ButtonStyle) continue;
    // A button with a picture of its own shows only while it works; one drawn in the
    // frame picture stays and only stops working.
    if (const std::optional<bool> Enabled = EnabledByBorderIcons(*Command)) {
      Object->Enabled = *Enabled;
      if (Object->SkinRectInAPicture) Object->Visible = *Enabled;
      continue;
    }
    // A close or plain animation stays as the skin made it.
    if (!Button) continue;
    if (*Command == cmDefault) {
      bool ObjectVisible = false;
      if (SkinForm.OnActivateCustomObject) SkinForm.OnActivateCustomObject(Button->IDName, ObjectVisible);
      Button->Visible = ObjectVisible;
      continue;
    }
    const bool IsDialogClose = Button->IDName == "dialogclosebutton";
    if (HasDialogClose && DialogBorderIcons) {
      Button->Enabled = Button->Visible = IsDialogClose;
    } else if (IsDialogClose) {
      Button->Enabled = Button->Visible = false;
    }
  }
  TakeDefaultCaption();
  UpdateButtonHints();
}

void TspSkinFormCaption::TakeDefaultCaption() {
  // The first caption object shows the form's caption when none was chosen for it.
  TspSkinCaptionObject* First = nullptr;
  for (auto& Object : SkinForm.ObjectList)
    if (auto* Caption = dynamic_cast<TspSkinCaptionObject*>(Object.get())) {
      if (Caption->DefaultCaption) return;
      if (!First) First = Caption;
    }
  if (!First) return;
  First->DefaultCaption = true;
  First->SimpleSetTextValue(SkinForm.FForm->Caption());
}

void TspSkinFormCaption::UpdateButtonHints() {
  if (!SkinForm.UseDefaultObjectHint || !SkinForm.FSD) return;
  const TspSkinData& Skin = *SkinForm.FSD;
  // Caption buttons and animations keep their hints in fields of the same names.
  auto Update = [&Skin](auto& AObject) {
    for (const TCaptionButtonHint& Hint : CaptionButtonHints)
      if (Hint.Command == AObject.Command)
        AObject.Hint = CaptionButtonText(Skin, Hint.ResourceKey, Hint.BuiltIn);
    AObject.FTempHint = AObject.Hint;
    AObject.RestoreHint = CaptionButtonText(Skin, "RESTORE_HINT", "Restore");
  };
  for (auto& Object : SkinForm.ObjectList) {
    if (auto* Button = dynamic_cast<TspSkinStdButtonObject*>(Object.get()))
      Update(*Button);
    else if (auto* Animation = dynamic_cast<TspSkinAnimateObject*>(Object.get()))
      Update(*Animation);
  }
}

void TspSkinFormCaption::PlaceDefaultButtons() {
  const int Size = SkinForm.DefaultButtonSize();
  int Right = SkinForm.Geometry().FFormWidth - 3;
  for (TStdCommand Command : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray})
    if (TspSkinStdButtonObject* Button = FindMovableCaptionButton(Command)) {
      Button->ObjectRect = Rect(Right - Size, 4, Right, 4 + Size);
      Right -= Size;
    }
  SkinForm.Geometry().NewDefCaptionRect.Right = Right;
  if (TspSkinStdButtonObject* SysMenu = FindMovableCaptionButton(cmSysMenu)) {
    const int Left = SkinForm.Geometry().NewDefCaptionRect.Left;
    const TPoint IconSize = SkinForm.ShowIcon() ? GetSmallIconSize() : Point(Size, Size);
    SysMenu->ObjectRect = Rect(Left, 4, Left + IconSize.X, 4 + IconSize.Y);
    SkinForm.Geometry().NewDefCaptionRect.Left = Left + IconSize.X;
  }
}

void TspSkinFormCaption::DropDefaultButtons() {
  std::erase_if(SkinForm.ObjectList, [](const std::unique_ptr<TspActiveSkinObject>& AObject) {
    auto* Button = dynamic_cast<TspSkinStdButtonObject*>(AObject.get());
    return Button && !Button->FSkinSupport;
  });
}

TPoint TspSkinFormCaption::GetSmallIconSize() const {
  const int Width = GetSystemMetrics(SM_CXSMICON);
  const int Height = GetSystemMetrics(SM_CYSMICON);
  return {Width != 0 ? Width : GetSystemMetrics(SM_CXSIZE),
          Height != 0 ? Height : GetSystemMetrics(SM_CYSIZE)};
}
