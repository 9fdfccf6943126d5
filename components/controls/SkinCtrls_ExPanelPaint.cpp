// The expanding panel's looks: the caption strip's buttons laid out by look and roll
// state, the caption with its image or glyph (turned upwards in the narrow strip), and
// the built-in, skin-element and panel-element pictures.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "components/core/spEffBmp.h"

namespace {

// The built-in looks of a pressed and of a hot caption button.
constexpr TColor ExPanelButtonFrame = 0x800000;
constexpr TColor ExPanelButtonDownFill = 0xB59385;
constexpr TColor ExPanelButtonHotFill = 0xD2BDB6;

}  // namespace

TspSkinExPanel::TExPanelLook TspSkinExPanel::Look() const {
  if (FIndex == -1) return elBuiltIn;
  return UseSkinSize ? elSkin : elPanelElement;
}

// A button that is not shown gets an empty rectangle at the edge from which the next
// button is placed.
void TspSkinExPanel::LayoutButtons() {
  const int W = Width(), CH = FDefaultCaptionHeight;
  TRect Close, Roll;
  if (Look() == elSkin) {
    const TRect C = SkinCaptionArea();
    if (RolledAcross()) {
      Close = Bounds(C.Left, C.Top, CloseButtonRect.Width(), FShowCloseButton ? CloseButtonRect.Height() : 0);
      const int Top = FShowCloseButton ? Close.Bottom + 2 : C.Top;
      Roll = Bounds(C.Left, Top, HRollButtonRect.Width(), HRollButtonRect.Height());
    } else {
      Close = Rect(C.Right - (FShowCloseButton ? CloseButtonRect.Width() : 0), C.Top, C.Right,
                   C.Top + CloseButtonRect.Height());
      const int Right = FShowCloseButton ? Close.Left - 2 : C.Right;
      Roll = Rect(Right - VRollButtonRect.Width(), C.Top, Right, C.Top + VRollButtonRect.Height());
    }
  } else {
    // The built-in buttons sit 3 pixels inside the caption strip, the panel element's 1.
    const int Inset = Look() == elBuiltIn ? 3 : 1;
    const int Size = CH - 2 * Inset;
    const int Edge = Look() == elBuiltIn ? 2 : 1;
    if (RolledAcross()) {
      Close = Bounds(Inset, Inset, Size, FShowCloseButton ? Size : 0);
      Roll = Bounds(Inset, Close.Bottom, Size, Size);
    } else {
      Close = Rect(W - Edge - (FShowCloseButton ? Size : 0), Inset, W - Edge, Inset + Size);
      Roll = Rect(Close.Left - Size, Inset, Close.Left, Inset + Size);
    }
  }
  Buttons[CloseButton].R = FShowCloseButton ? Close : Rect(Close.Left, Close.Top, Close.Left, Close.Top);
  Buttons[RollButton].R = FShowRollButton ? Roll : Rect(Roll.Left, Roll.Top, Roll.Left, Roll.Top);
}

TRect TspSkinExPanel::CaptionTextArea() const {
  const int W = Width(), H = Height(), CH = FDefaultCaptionHeight;
  const TRect& Close = Buttons[CloseButton].R;
  const TRect& Roll = Buttons[RollButton].R;
  if (RolledAcross()) {
    const int ButtonsHeight = Close.Height() + Roll.Height();
    switch (Look()) {
      case elBuiltIn:
        return Rect(2, 2 + ButtonsHeight + 2, W - 2, H - 2);
      case elPanelElement:
        return Rect(1, 1 + ButtonsHeight + 2, W - 1, H - 1);
      case elSkin: {
        TRect T = SkinCaptionArea();
        T.Top += ButtonsHeight + (FShowCloseButton ? 2 : 0);
        return T;
      }
    }
  }
  const int ButtonsWidth = Close.Width() + Roll.Width();
  switch (Look()) {
    case elBuiltIn:
      return Rect(4, 2, W - 2 - ButtonsWidth - 2, CH - 2);
    case elPanelElement:
      return Rect(NewClRect.Left + 2, NewClRect.Top, NewClRect.Right - ButtonsWidth - 2, CH);
    case elSkin:
      break;
  }
  TRect T = SkinCaptionArea();
  T.Right -= ButtonsWidth + (FShowCloseButton ? 2 : 0);
  return T;
}

void TspSkinExPanel::DrawCaption(TCanvas& ACanvas) {
  TRect T = CaptionTextArea();
  if (RolledAcross()) {
    DrawTurnedCaption(ACanvas, T);
    return;
  }
  const int Middle = T.Top + T.Height() / 2;
  if (FGlyph.Empty() && FCaptionImageList && FCaptionImageIndex >= 0 &&
      FCaptionImageIndex < FCaptionImageList->Count()) {
    FCaptionImageList->Draw(ACanvas, T.Left, Middle - FCaptionImageList->Height() / 2, FCaptionImageIndex,
                            Enabled());
    T.Left += FCaptionImageList->Width() + FSpacing;
  } else if (!FGlyph.Empty()) {
    const int Frame = !Enabled() && FNumGlyphs == 2 ? 2 : 1;
    DrawBitmapFrame(ACanvas, T.Left, Middle - FGlyph.Height() / 2, &FGlyph, FNumGlyphs, Frame);
    T.Left += FGlyph.Width() / FNumGlyphs + FSpacing;
  }
  DrawIndentedText(ACanvas, Caption(), T);
}

// In the narrow strip the caption runs upwards from the bottom, centred across, with
// its image or glyph below it.
void TspSkinExPanel::DrawTurnedCaption(TCanvas& ACanvas, TRect AArea) {
  const int Room = Look() == elSkin ? 0 : 2;
  int Start = AArea.Bottom - Room;
  const int Centre = AArea.Left + AArea.Width() / 2;
  if (FGlyph.Empty() && FCaptionImageList && FCaptionImageIndex >= 0 &&
      FCaptionImageIndex < FCaptionImageList->Count()) {
    FCaptionImageList->Draw(ACanvas, Centre - FCaptionImageList->Width() / 2,
                            Start - FCaptionImageList->Height(), FCaptionImageIndex, Enabled());
    Start -= FCaptionImageList->Height() + FSpacing + Room;
  } else if (!FGlyph.Empty()) {
    const int Frame = !Enabled() && FNumGlyphs == 2 ? 2 : 1;
    DrawBitmapFrame(ACanvas, Centre - FGlyph.Width() / FNumGlyphs / 2, Start - FGlyph.Height(), &FGlyph,
                    FNumGlyphs, Frame);
    Start -= FGlyph.Height() + FSpacing + Room;
  }
  TFont Upright;
  Upright.Assign(ACanvas.Font());
  ACanvas.Font().SetOrientation(900);
  const int TextHeight = ACanvas.TextHeight(Caption());
  ACanvas.TextRect(AArea, Centre - TextHeight / 2, Start, Caption());
  ACanvas.Font().Assign(Upright);
}

void TspSkinExPanel::DrawCaptionButtons(TCanvas& ACanvas) {
  if (FShowCloseButton) DrawCaptionButton(ACanvas, CloseButton);
  if (FShowRollButton) DrawCaptionButton(ACanvas, RollButton);
}

void TspSkinExPanel::DrawButtonGlyph(TCanvas& ACanvas, int AIndex, TColor AColor, TPoint AOffset) {
  TRect R = Buttons[AIndex].R;
  OffsetRect(R, AOffset.X, AOffset.Y);
  if (AIndex == CloseButton) {
    DrawCenteredCloseGlyph(ACanvas, R, AColor);
    return;
  }
  // Up and down for the vertical kind, left and right for the horizontal one.
  const int Direction = FRollKind == rkRollVertical ? (FRollState ? 4 : 3) : (FRollState ? 2 : 1);
  DrawArrow(ACanvas, R, AColor, Direction);
}

void TspSkinExPanel::DrawCaptionButton(TCanvas& ACanvas, int AIndex) {
  const TCaptionButton& Button = Buttons[AIndex];
  if (IsRectEmpty(Button.R)) return;
  const bool Pressed = Button.Down && Button.MouseIn;
  switch (Look()) {
    case elBuiltIn: {
      ACanvas.Brush().SetStyle(bsSolid);
      ACanvas.Brush().SetColor(Pressed          ? ExPanelButtonDownFill
                               : Button.MouseIn ? ExPanelButtonHotFill
                                                : clBtnFace);
      ACanvas.FillRect(Button.R);
      if (Button.MouseIn) {
        ACanvas.Brush().SetColor(ExPanelButtonFrame);
        ACanvas.FrameRect(Button.R);
      }
      DrawButtonGlyph(ACanvas, AIndex, clBlack, Pressed ? TPoint{2, 2} : TPoint{0, 0});
      break;
    }
    case elSkin: {
      const TRect Roll[] = {HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect};
      const TRect VRoll[] = {VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect};
      const TRect Restore[] = {HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect};
      const TRect VRestore[] = {VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect};
      const TRect Close[] = {CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect};
      const bool Across = FRollKind == rkRollHorizontal;
      const TRect* Looks = AIndex == CloseButton ? Close
                           : FRollState          ? (Across ? Restore : VRestore)
                                                 : (Across ? Roll : VRoll);
      const TRect& Source = Looks[Pressed ? 2 : Button.MouseIn ? 1 : 0];
      DrawSkinPiece(ACanvas, Button.R.Left, Button.R.Top, Picture, Source,
                    ButtonsTransparent && !IsRectEmpty(Source), ButtonsTransparentColor);
      break;
    }
    case elPanelElement: {
      TColor GlyphColor = FSD->SkinColors().cBtnText;
      DrawSkinButtonBackground(ACanvas, Button, GlyphColor);
      DrawButtonGlyph(ACanvas, AIndex, GlyphColor, {0, 0});
      break;
    }
  }
}

// The panel-element look's buttons stand on the skin's "resizetoolbutton" element.
void TspSkinExPanel::DrawSkinButtonBackground(TCanvas& ACanvas, const TCaptionButton& AButton,
                                              TColor& AGlyphColor) {
  const int Index = FSD->GetControlIndex("resizetoolbutton");
  const auto* Element = Index < 0 ? nullptr : FSD->Control<TspDataSkinButtonControl>(Index);
  if (!Element) return;
  const bool Pressed = AButton.Down && AButton.MouseIn;
  const TRect Active = IsRectEmpty(Element->ActiveSkinRect) ? Element->SkinRect : Element->ActiveSkinRect;
  const TRect Down = IsRectEmpty(Element->DownSkinRect) ? Active : Element->DownSkinRect;
  const TRect& Source = Pressed ? Down : AButton.MouseIn ? Active : Element->SkinRect;
  AGlyphColor = !Enabled()        ? Element->DisabledFontColor
                : Pressed         ? Element->DownFontColor
                : AButton.MouseIn ? Element->ActiveFontColor
                                  : Element->FontColor;
  TspSkinElementGeometry Geometry;
  Geometry.ReadElement(*Element, *FSD);
  int W = AButton.R.Width(), H = AButton.R.Height();
  Geometry.FitSize(true, W, H);
  TBitmap Background;
  Background.SetSize(W, H);
  Geometry.ComposeImage(Background, Geometry.Picture, Source, W, H, false);
  ACanvas.Draw(AButton.R.Left, AButton.R.Top, Background);
}

void TspSkinExPanel::CreateControlDefaultImage(TBitmap& B) {
  TCanvas& C = B.Canvas();
  const int W = Width(), H = Height(), CH = FDefaultCaptionHeight;
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(clBtnFace);
  C.FillRect(Rect(0, 0, W, H));
  DrawBevelFrame(C, Rect(0, 0, W, H), clBtnShadow, clBtnShadow);
  const TRect Strip = RolledAcross() ? Rect(0, 0, W, H) : Rect(0, 0, W, CH);
  DrawBevelFrame(C, Strip, clBtnShadow, clBtnShadow);
  DrawBevelFrame(C, Rect(Strip.Left + 1, Strip.Top + 1, Strip.Right - 1, Strip.Bottom - 1), clBtnHighlight,
                 clBtnFace);
  ApplyDefaultFont(C.Font());
  C.Brush().SetStyle(bsClear);
  LayoutButtons();
  DrawCaption(C);
  DrawCaptionButtons(C);
}

// Unrolled, the base composes the element (or paints its borders directly and hands
// the top strip here); rolled, the strip of the roll picture is composed here.
void TspSkinExPanel::CreateControlSkinImage(TBitmap& B) {
  if (!FRollState)
    TspSkinCustomControl::CreateControlSkinImage(B);
  else if (Picture && FRollKind == rkRollVertical)
    CreateHSkinImage(RollLeftOffset, RollRightOffset, B, *Picture, RollVSkinRect, Width(),
                     RollVSkinRect.Height(), TopStretch);
  else if (Picture)
    CreateVSkinImage(RollTopOffset, RollBottomOffset, B, *Picture, RollHSkinRect, RollHSkinRect.Width(),
                     Height(), TopStretch);
  TCanvas& C = B.Canvas();
  ApplySkinFont(C.Font(), FontName, FontHeight, FontStyle);
  C.Font().SetColor(FontColor);
  C.Brush().SetStyle(bsClear);
  LayoutButtons();
  DrawCaption(C);
  DrawCaptionButtons(C);
}

void TspSkinExPanel::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (Look() == elPanelElement)
    PaintWithPanelElement();
  else
    TspSkinCustomControl::Paint();
}

// The skin's "panel" element as the frame, this element's caption picture as the
// caption strip inside its client area.
void TspSkinExPanel::PaintWithPanelElement() {
  const int W = Width(), H = Height(), CH = FDefaultCaptionHeight;
  TBitmap B;
  PrepareOffscreenImage(B, W, H);
  TCanvas& C = B.Canvas();
  const int PanelIndex = FSD->GetControlIndex("panel");
  const auto* Panel = PanelIndex < 0 ? nullptr : FSD->Control<TspDataSkinCustomControl>(PanelIndex);
  if (Panel) {
    TspSkinElementGeometry Frame;
    Frame.ReadElement(*Panel, *FSD);
    int FrameW = W, FrameH = H;
    Frame.FitSize(true, FrameW, FrameH);
    Frame.ComposeImage(B, Frame.Picture, Frame.SkinRect, W, H, false);
    NewClRect = Frame.NewClRect;
  }
  TRect Source = CaptionRect;
  OffsetRect(Source, SkinRect.Left, SkinRect.Top);
  const int StripHeight = CH - NewClRect.Top - 1;
  if (Picture && !IsRectEmpty(Source) && NewClRect.Width() > 0 && StripHeight > 0) {
    TBitmap Strip;
    Strip.SetSize(NewClRect.Width(), StripHeight);
    Strip.Canvas().CopyRect(Rect(0, 0, Strip.Width(), Strip.Height()), Picture->Canvas(), Source);
    if (RolledAcross()) {
      // Turned a quarter to the left and stretched over the client area.
      const TspEffectBmp Across(Strip.Handle());
      TspEffectBmp Turned(Across.Height(), Across.Width());
      Across.Rotate90_1(Turned);
      Turned.Stretch(C.Handle(), NewClRect.Left, NewClRect.Top, NewClRect.Width(), NewClRect.Height());
    } else {
      C.Draw(NewClRect.Left, NewClRect.Top, Strip);
    }
  }
  if (!FRollState)
    DrawBevelFrame(C, Rect(NewClRect.Left, CH - 1, NewClRect.Right, CH + 1), FSD->SkinColors().cBtnHighLight,
                   FSD->SkinColors().cBtnShadow);
  ApplyDefaultFont(C.Font());
  C.Font().SetColor(FontColor);
  C.Brush().SetStyle(bsClear);
  LayoutButtons();
  DrawCaption(C);
  DrawCaptionButtons(C);
  DrawControlImage(B);
}
