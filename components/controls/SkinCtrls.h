#pragma once
// The standard skinned controls.

#include "components/core/SPUtils.h"
#include "components/core/SkinData.h"
#include "platform/ui/Bevel.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Label.h"

// ---------------------------------------------------------------- labels and bevel
//
// The windowless labels and the bevel are not skinned-control descendants: each keeps
// its own SkinData, SkinDataName and element index, and the form's skin-change walk
// reaches it through its own ChangeSkinData. Without skin data or without the element
// each falls back to its default font and the system colours.
// Implementation: SkinCtrls_StdLabel.cpp, SkinCtrls_ButtonLabel.cpp,
// SkinCtrls_Bevel.cpp (and SkinCtrls_LabelFont.cpp, what the labels share).

// The font and colours a "stdlabel"-kind element gives the windowless labels.
struct TspStdLabelFont {
  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
};

enum TspEllipsType { spetNone, spetEndEllips, spetPathEllips };

// The class library's label (windowless, transparent) in the font and colour of the
// skin element "stdlabel", shortened with an ellipsis when asked.
class TspSkinStdLabel : public TCustomLabel {
 public:
  explicit TspSkinStdLabel(TComponent* AOwner);

  // The element's index (-1 none) and font, looked up again.
  void GetSkinData();
  // GetSkinData, the bounds fitted again when AutoSize, a repaint.
  void ChangeSkinData();

  // Not owned; forgotten when it is freed. Setting one runs ChangeSkinData.
  TspSkinData* SkinData() const { return FSD; }
  void SetSkinData(TspSkinData* AValue);
  TspEllipsType EllipsType() const { return FEllipsType; }
  void SetEllipsType(TspEllipsType AValue);
  TFont& DefaultFont() { return FDefaultFont; }
  // Only copies the font: the next paint uses it.
  void SetDefaultFont(const TFont& AValue) { FDefaultFont.Assign(AValue); }

  String SkinDataName = "stdlabel";
  bool UseSkinFont = true;
  bool UseSkinColor = true;

 protected:
  // The element is looked up at every drawing; see the .cpp for the font rules.
  void DoDrawText(TRect& ARect, unsigned AFlags) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  TspEllipsType FEllipsType = spetNone;
  int FIndex = -1;
  TspSkinData* FSD = nullptr;
  TFont FDefaultFont;
  TspStdLabelFont FSkinFont;
};

// A windowless clickable label with a glyph strip or an image-list image beside its
// caption, a hover colour, a web style (underlined under the pointer) and a glow
// around the text under the pointer; fonts from the "stdlabel" element.
class TspSkinButtonLabel : public TGraphicControl {
 public:
  // 100 × 50, Spacing 1.
  explicit TspSkinButtonLabel(TComponent* AOwner);

  // Looks the element up again and repaints.
  void ChangeSkinData();
  void Paint() override;

  TspSkinData* SkinData() const { return FSD; }
  void SetSkinData(TspSkinData* AValue);
  TBitmap& Glyph() { return FGlyph; }
  // Copies AValue.
  void SetGlyph(const TBitmap& AValue);
  int NumGlyphs() const { return FNumGlyphs; }
  // 1 to 4 frames; other values are ignored.
  void SetNumGlyphs(int AValue);
  int Margin() const { return FMargin; }
  // -1 (centred) or more; other values are ignored.
  void SetMargin(int AValue);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int AValue);
  TspButtonLayout Layout() const { return FLayout; }
  void SetLayout(TspButtonLayout AValue);
  TCustomImageList* ImageList() const { return FImageList; }
  // Not owned; forgotten when it is freed.
  void SetImageList(TCustomImageList* AValue);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue);
  TFont& DefaultFont() { return FDefaultFont; }
  void SetDefaultFont(const TFont& AValue);
  bool DoubleBuffered() const { return FDoubleBuffered; }
  // Double-buffered, the label is opaque: it paints its parent's background itself.
  void SetDoubleBuffered(bool AValue);

  bool UseCustomGlowColor = false;
  TColor CustomGlowColor = RGB(0, 255, 255);
  bool GlowEffect = false;
  int GlowSize = 7;
  bool WebStyle = false;
  int ActiveImageIndex = -1;
  bool UseSkinFont = true;
  TColor DefaultActiveFontColor = RGB(0, 0, 255);
  String SkinDataName = "stdlabel";

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void Dispatch(TMessage& AMessage) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;

 private:
  void CMMouseEnter(TMessage& AMessage);
  void CMMouseLeave(TMessage& AMessage);
  void CMTextChanged(TMessage& AMessage);
  void DrawContent(TCanvas& ACanvas);
  // The glyph frame the state shows (1-based).
  int GlyphFrame() const;

  bool FDoubleBuffered = false;
  bool FMouseIn = false;
  bool FDown = false;
  int FIndex = -1;
  TspSkinData* FSD = nullptr;
  TFont FDefaultFont;
  TBitmap FGlyph;
  int FNumGlyphs = 1;
  int FMargin = -1;
  int FSpacing = 1;
  TspButtonLayout FLayout = blGlyphLeft;
  TCustomImageList* FImageList = nullptr;
  int FImageIndex = -1;
  TspStdLabelFont FSkinFont;
};

// The class library's bevel in the skin's light and dark colours (element "bevel"),
// or, in divider mode, a centred two-pixel line.
class TspSkinBevel : public TBevel {
 public:
  explicit TspSkinBevel(TComponent* AOwner);

  // The element looked up again, the colours taken from it (the system's without it),
  // a repaint.
  void ChangeSkinData();

  TspSkinData* SkinData() const { return FSD; }
  // Stores and always runs ChangeSkinData.
  void SetSkinData(TspSkinData* AValue);
  bool DividerMode() const { return FDividerMode; }
  void SetDividerMode(bool AValue);

  String SkinDataName = "bevel";
  TColor LightColor = clBtnHighlight;
  TColor DarkColor = clBtnShadow;

 protected:
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  TspSkinData* FSD = nullptr;
  int FIndex = -1;
  bool FDividerMode = false;
};
