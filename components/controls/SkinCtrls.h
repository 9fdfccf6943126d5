#pragma once
// SkinCtrls: the standard skinned controls and the bases every skinned control of the
// library stands on.
//
// A skinned control is bound to one element of the loaded skin (TspSkinData) by the
// element's name, SkinDataName. The element is looked up again at every paint, every
// change of bounds and every skin change, so renaming the element or replacing the
// skin needs nothing but a repaint. A paint composes the control's whole picture in an
// off-screen bitmap, from the element's picture when the skin has the element and in
// the control's built-in look otherwise, and draws it in one blit; with AlphaBlend the
// picture is blended over what lies behind the control. A control whose background
// changes tells the blending controls on it with SP_CHECKPARENTBACKGROUND.
//
// The bases, windowed and windowless, share their code through two class templates:
// TspSkinBinding (the binding by name and the paint pipeline) and TspSkinCustomLayer
// (the resizable element: corner points, client rectangle, size fitting, image
// composition, default font). Their members are defined in SkinCtrls_Base.cpp and
// SkinCtrls_CustomBase.cpp for the two control bases of the class library only.
//
// Files: SkinCtrls_Geometry.cpp (the element geometry), SkinCtrls_Base.cpp (the
// binding), SkinCtrls_CustomBase.cpp (the resizable layer), SkinCtrls_WinBase.cpp
// (the windowed bases: background notices, window region, direct border painting),
// SkinCtrls_GraphicBase.cpp (the windowless bases), SkinCtrls_Panel*.cpp (the panel
// family).
//
// User-interface thread only.

#include <cstdint>
#include <functional>
#include <memory>

#include "components/core/SPUtils.h"
#include "components/core/SkinData.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ImgList.h"

// Sent (wParam 0, lParam 0) to the controls on a container whose background changed:
// blending controls repaint and pass the notice on.
constexpr UINT SP_CHECKPARENTBACKGROUND = 1284;

// The entry AIndex of the skin's picture list; nullptr without a skin, for -1 or for
// an index past the end.
TBitmap* SkinPicture(const TspSkinData* ASkin, int AIndex);

// ---------------------------------------------------------------- element geometry

// The geometry of a resizable skin element, as a control copies it from its record,
// and the same geometry moved to the control's size. Coordinates are relative to the
// top-left corner of SkinRect.
//
// ResizeMode: -1 the element has no picture rectangle (the control keeps any size);
// 0 fixed size; 1 free in both directions (nine parts); 2 horizontal only (fixed
// ends, the height of the skin); 3 vertical only (the width of the skin).
struct TspSkinElementGeometry {
  TPoint LTPt, RTPt, LBPt, RBPt;
  TRect SkinRect;
  TRect ClRect;
  TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
  TRect NewClRect;
  TBitmap* Picture = nullptr;  // the skin's; nullptr: none
  int ResizeMode = 0;
  bool StretchEffect = false;
  bool LeftStretch = false;
  bool TopStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  TspStretchType StretchType = spstFull;

  // Copies the points, rectangles, stretch flags and picture of the record and
  // settles ResizeMode.
  void ReadElement(const TspDataSkinCustomControl& AData, const TspSkinData& ASkin);
  // The resize mode the points give (see above); the first rule that matches wins.
  int GetResizeMode() const;
  // Fits a size W × H to the element (AHasElement: a record is bound) and moves the
  // points and the client rectangle to it. A size below the skin's gives negative
  // growth; no minimum applies.
  void FitSize(bool AHasElement, int& AWidth, int& AHeight);
  // The element picture of a control W × H in ABitmap, from the rectangle ASource of
  // APicture (the end lengths always come from SkinRect). Mode 1 draws nothing with
  // ASkipNinePart (the control paints the borders itself); mode -1 or no picture
  // draws nothing.
  void ComposeImage(TBitmap& ABitmap, TBitmap* APicture, const TRect& ASource, int AWidth, int AHeight,
                    bool ASkipNinePart) const;
  // A rectangle of the element moved into a control W × H by the part of the element
  // it lies in.
  TRect MapRectToSize(const TRect& ARect, int AWidth, int AHeight) const;
};

// ---------------------------------------------------------------- the binding

// Binds a control of the class library (TCustomControl or TGraphicControl) to its
// skin element and paints it through an off-screen bitmap.
template <class TControlBase>
class TspSkinBinding : public TControlBase {
 public:
  // DrawDefault on, AlphaBlend off with AlphaBlendValue 200, no skin, no element.
  explicit TspSkinBinding(TComponent* AOwner);

  // Not owned; cleared when it is freed. Setting it binds the control at once
  // (ChangeSkinData) when a skin is loaded and the control is not being designed.
  TspSkinData* SkinData() const { return FSD; }
  virtual void SetSkinData(TspSkinData* AValue);
  // The element's name. Setting it only stores it: the next lookup uses it.
  const String& SkinDataName() const { return FSkinDataName; }
  virtual void SetSkinDataName(const String& AValue) { FSkinDataName = AValue; }
  // The skin area of the form that the form links the control to.
  const String& AreaName() const { return FAreaName; }
  void SetAreaName(const String& AValue) { FAreaName = AValue; }
  // Whether the built-in look is drawn when there is no element.
  bool DrawDefault() const { return FDrawDefault; }
  void SetDrawDefault(bool AValue) { FDrawDefault = AValue; }
  // AlphaBlendValue / 255 of the control over what lies behind it.
  bool AlphaBlend() const { return FAlphaBlend; }
  virtual void SetAlphaBlend(bool AValue);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  virtual void SetAlphaBlendValue(uint8_t AValue);
  // Whether the element's cursor becomes the control's.
  bool UseSkinCursor() const { return FUseSkinCursor; }
  void SetUseSkinCursor(bool AValue) { FUseSkinCursor = AValue; }
  // Stored only; the skinned hint window reads them.
  String HintTitle;
  int HintImageIndex = 0;
  TCustomImageList* HintImageList() const { return FHintImageList; }
  void SetHintImageList(TCustomImageList* AValue);

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // Looks the element up again, applies its cursor and repaints.
  virtual void ChangeSkinData();
  // Unbinds the control while the skin changes.
  virtual void BeforeChangeSkinData() { FIndex = -1; }

 protected:
  // FIndex := the element's index, -1 without a loaded skin or element.
  virtual void GetSkinData();
  // The bound element's record; nullptr without one.
  const TspDataSkinControl* SkinElement() const;
  // With UseSkinCursor: the element's cursor (crDefault for none) becomes the control's.
  void ApplySkinCursor();
  // The built-in look and the skin look, drawn into the off-screen bitmap B, which
  // has the control's size.
  virtual void CreateControlDefaultImage(TBitmap& B) { (void)B; }
  virtual void CreateControlSkinImage(TBitmap& B) { (void)B; }
  // The off-screen paint: the skin or built-in picture, blended when asked, one blit.
  void Paint() override;
  // Draws a composed picture of the control's size at (0, 0) of the canvas, blended
  // over the parent's background with AlphaBlend.
  void DrawControlImage(TBitmap& AImage);
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void Dispatch(TMessage& AMessage) override;
  bool IsDesigning() const { return this->ComponentState().Contains(csDesigning); }

  TspSkinData* FSD = nullptr;
  String FAreaName;
  String FSkinDataName;
  bool FDrawDefault = true;
  int CursorIndex = -1;  // the element's cursor, -1 none
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 200;
  bool FUseSkinCursor = false;
  TCustomImageList* FHintImageList = nullptr;
  int FIndex = -1;  // the element in the skin's control list; -1: the built-in look

 private:
  // Sets a not-owned reference, with free notification both ways.
  template <class TTarget>
  void SetWatched(TTarget*& AField, TTarget* AValue);
  void WMMove(TMessage& AMessage);
  void CMMouseEnter(TMessage& AMessage);
  void CMMouseLeave(TMessage& AMessage);
};

extern template class TspSkinBinding<TCustomControl>;
extern template class TspSkinBinding<TGraphicControl>;

// ---------------------------------------------------------------- the windowed base

class TspSkinControl : public TspSkinBinding<TCustomControl> {
 public:
  explicit TspSkinControl(TComponent* AOwner);

  // Tells every child control that its background changed: SP_CHECKPARENTBACKGROUND
  // sent to the window of a windowed child (made if needed), dispatched to a
  // windowless one.
  void CheckControlsBackground();

 protected:
  // The background behind the control changed: with AlphaBlend the control repaints
  // and tells its children; a control that does not blend stops the notice.
  virtual void CheckParentBackground();
  void Dispatch(TMessage& AMessage) override;

  // True only while the control handles WM_PAINT: an erase that comes from elsewhere
  // (a parent painting its children into a bitmap) is answered by painting.
  bool FromWMPaint = false;
  // The region the window holds; the window owns it (SetWindowRgn). nullptr: none.
  HRGN FRgn = nullptr;

 private:
  void WMPaint(TMessage& AMessage);
};

// ---------------------------------------------------------------- the resizable layer

// The resizable element on top of a binding base (TspSkinControl or
// TspGraphicSkinControl): the element's geometry copied at each lookup, size fitting,
// image composition and the default font.
template <class TSkinBase>
class TspSkinCustomLayer : public TSkinBase, public TspSkinElementGeometry {
 public:
  // DefaultFont "Arial", height 14; UseSkinFont on; no default size.
  explicit TspSkinCustomLayer(TComponent* AOwner);

  TFont& DefaultFont() { return *FDefaultFont; }
  // Copies the font (DefaultFontChanged follows, as after every change of it).
  void SetDefaultFont(const TFont& AValue) { FDefaultFont->Assign(AValue); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool AValue) { FUseSkinFont = AValue; }
  // The size taken when there is no element; values of 0 or below do not count.
  int DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int AValue);
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int AValue);

  // The element's client rectangle at the control's size.
  TRect RealClientRect() const { return NewClRect; }
  int RealClientWidth() const { return NewClRect.Width(); }
  int RealClientHeight() const { return NewClRect.Height(); }
  int RealClientLeft() const { return NewClRect.Left; }
  int RealClientTop() const { return NewClRect.Top; }

  // Looks the element up, fits a new size to it, and repaints when it did.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // Binds again, applies the cursor, takes the default size (no element) or fits the
  // size to the element, and repaints.
  void ChangeSkinData() override;

 protected:
  // Called after every change of DefaultFont; controls with an inner control copy the
  // font to it here.
  virtual void DefaultFontChanged() {}
  // Fits W × H to the element (see TspSkinElementGeometry::FitSize).
  virtual void CalcSize(int& AWidth, int& AHeight) { FitSize(this->FIndex != -1, AWidth, AHeight); }
  // The window region of a windowed control; nothing for a windowless one.
  virtual void SetControlRegion() {}
  // Whether the windowed control paints a nine-part element's borders itself
  // (ForcebackGround) instead of composing the whole image.
  virtual bool PaintsBordersDirectly() const { return false; }
  // The binding's lookup, then the element's geometry from a resizable record; a
  // record of another kind gives mode 0 and no picture.
  void GetSkinData() override;
  // clBtnFace over the client rectangle.
  void CreateControlDefaultImage(TBitmap& B) override;
  // Refreshes the element's geometry for the current size, then the binding's paint.
  void Paint() override;
  // Looks the element up and moves its geometry to the current size (the size itself
  // is not changed).
  void RefreshGeometry();
  // The element's picture at the control's size.
  void CreateControlSkinImage(TBitmap& B) override { CreateSkinImage(B, Picture, SkinRect); }
  // The element image from another rectangle of the element's size (a state picture).
  void CreateSkinImage(TBitmap& B, TBitmap* APicture, const TRect& ASource);
  TRect CalcRectInControl(const TRect& ARect) { return MapRectToSize(ARect, this->Width(), this->Height()); }
  // The font of the element's text: the record's name, height and style with
  // UseSkinFont, else DefaultFont; the charset of the skin's string table when there
  // is one, else DefaultFont's.
  void ApplySkinFont(TFont& AFont, const String& AName, int AHeight, TFontStyles AStyle);
  void ApplyDefaultFont(TFont& AFont);

  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont = true;
  int FDefaultWidth = 0;
  int FDefaultHeight = 0;

 private:
  uint8_t SkinCharset() const;
};

extern template class TspSkinCustomLayer<TspSkinControl>;

// The windowed resizable base: the window region from the element's mask, and the
// direct painting of a freely resizable element's borders.
class TspSkinCustomControl : public TspSkinCustomLayer<TspSkinControl> {
 public:
  explicit TspSkinCustomControl(TComponent* AOwner);

  // Selects the direct border-and-client painting of a nine-part element.
  bool ForcebackGround() const { return FForceBackground; }
  void SetForcebackGround(bool AValue) { FForceBackground = AValue; }
  // In the direct painting, whether the client area is filled from the element.
  bool DrawbackGround() const { return FDrawbackground; }
  void SetDrawbackGround(bool AValue) { FDrawbackground = AValue; }

  // As the layer's; then, with a stretched element, the children are told that the
  // background under them changed.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

 protected:
  void GetSkinData() override;
  // The direct border painting for a nine-part element with ForcebackGround (and no
  // blending), else the off-screen paint.
  void Paint() override;
  // Removes the region without a mask; builds and applies the mask's region at the
  // current size with one.
  void SetControlRegion() override;
  bool PaintsBordersDirectly() const override { return FForceBackground; }
  // The region of the mask at the current size; nullptr for none.
  HRGN CreateControlRegion();

  bool FForceBackground = false;
  bool FDrawbackground = true;
  TBitmap* MaskPicture = nullptr;  // the skin's; nullptr: none

 private:
  // The borders drawn as strips and the client picture filled between them.
  void PaintBordersDirectly();
};

// ---------------------------------------------------------------- the windowless bases

// A skinned control without a window, painted on its parent's surface: the same
// contract without region, direct painting and children to notify.
class TspGraphicSkinControl : public TspSkinBinding<TGraphicControl> {
 public:
  explicit TspGraphicSkinControl(TComponent* AOwner);

 protected:
  void Dispatch(TMessage& AMessage) override;

 private:
  void SPCheckParentBackground();
};

extern template class TspSkinCustomLayer<TspGraphicSkinControl>;

class TspGraphicSkinCustomControl : public TspSkinCustomLayer<TspGraphicSkinControl> {
 public:
  using TspSkinCustomLayer<TspGraphicSkinControl>::TspSkinCustomLayer;
};

// ---------------------------------------------------------------- the panel family

enum TspImagePosition { spipDefault, spipLeft };
enum TspSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
// The owner drawing of a paint panel: the canvas being drawn and the client area.
using TspPaintPanelEvent = std::function<void(TCanvas& ACanvas, const TRect& ARect)>;

// The skinned container: drawn from its element ("panel") or a built-in look, with an
// optional caption header carrying a glyph or image, a check box (checked mode: the
// children's Enabled follows Checked) and a roll-up arrow (roll-up mode: the panel
// shrinks to its header). Checked and roll-up mode react only in caption mode.
class TspSkinPanel : public TspSkinCustomControl {
 public:
  // 150 × 150, element "panel", ForcebackGround on.
  explicit TspSkinPanel(TComponent* AOwner);

  // Binds again; a rolled-up panel is rolled up again at the new skin's header
  // height, any other re-aligns its children.
  void ChangeSkinData() override;
  // Without an element the panel repaints after every change of bounds.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // Rolls the panel up to its header (true) or back to RealHeight (false).
  void DoRollUp(bool ARollUp);
  // (0, 0, Width, Height) through AdjustClientRect: where children and owner drawing
  // belong.
  TRect GetSkinClientRect();

  // Whether the element's own proportions give the caption band and client area (off:
  // the caption band is DefaultCaptionHeight high).
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool AValue) { FUseSkinSize = AValue; }
  // The built-in caption band at the bottom instead of the top.
  bool RibbonStyle() const { return FRibbonStyle; }
  void SetRibbonStyle(bool AValue);
  TspImagePosition ImagePosition() const { return FImagePosition; }
  void SetImagePosition(TspImagePosition AValue);
  // The parent's background shows instead of a skin picture.
  bool TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(bool AValue);
  // Not owned; cleared when it is freed.
  TCustomImageList* CaptionImageList() const { return FCaptionImageList; }
  void SetCaptionImageList(TCustomImageList* AValue);
  int CaptionImageIndex() const { return FCaptionImageIndex; }
  void SetCaptionImageIndex(int AValue);
  // The height before a roll-up; -1 while not rolled up.
  int RealHeight = -1;
  bool AutoEnabledControls() const { return FAutoEnabledControls; }
  void SetAutoEnabledControls(bool AValue) { FAutoEnabledControls = AValue; }
  bool CheckedMode() const { return FCheckedMode; }
  void SetCheckedMode(bool AValue);
  bool Checked() const { return FChecked; }
  // Also for the current value: OnChecked fires and, in checked mode with
  // AutoEnabledControls, every child's Enabled is set again.
  void SetChecked(bool AValue);
  // A strip of NumGlyphs equal frames; frame 2 is the disabled look.
  TBitmap& Glyph() { return *FGlyph; }
  void SetGlyph(const TBitmap& AValue);
  int NumGlyphs() const { return FNumGlyphs; }
  // Kept within 1 to 2.
  void SetNumGlyphs(int AValue);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int AValue);
  TAlignment DefaultAlignment() const { return FDefaultAlignment; }
  void SetDefaultAlignment(TAlignment AValue);
  int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
  virtual void SetDefaultCaptionHeight(int AValue);
  TspSkinBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TspSkinBorderStyle AValue);
  bool CaptionMode() const { return FCaptionMode; }
  virtual void SetCaptionMode(bool AValue);
  bool RollUpMode() const { return FRollUpMode; }
  void SetRollUpMode(bool AValue);
  bool RollUpState() const { return FRollUpState; }
  // In roll-up mode: the size constraints are set aside and the panel rolls; outside
  // it the set-aside constraints come back and the state stays unrolled.
  void SetRollUpState(bool AValue);

  TNotifyEvent OnChecked;
  TNotifyEvent OnChangeRollUpState;

 protected:
  // Refused while a roll-up changes the size of an auto-sized panel.
  bool CanAutoSize(int& ANewWidth, int& ANewHeight) override;
  // The area for children: inside the element's client area, the border or the
  // caption band (see the panel's files).
  void AdjustClientRect(TRect& ARect) override;
  // The window class repaints nothing on its own when the size changes.
  void CreateParams(TCreateParams& AParams) override;
  void Paint() override;
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& B) override;
  void CreateControlSkinImage(TBitmap& B) override;
  // Lets a descendant draw its content on the off-screen canvas of the transparent
  // looks; nothing here.
  virtual void PaintPanelContent(TCanvas& ACanvas) { (void)ACanvas; }
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void Dispatch(TMessage& AMessage) override;
  // A left-button release on the caption toggles Checked (checked mode) and
  // RollUpState (roll-up mode) in caption mode; then the inherited handling.
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;

  // The font of the skin caption: the element's with UseSkinFont, else DefaultFont.
  void ApplyCaptionFont(TFont& AFont);
  // The glyph's frame width and the frame to draw (2 when disabled with two frames).
  int GlyphFrameWidth() const { return FGlyph->Width() / FNumGlyphs; }
  int GlyphFrame() const { return !Enabled() && FNumGlyphs == 2 ? 2 : 1; }
  // Whether a caption image of CaptionImageList is drawn (the glyph is empty).
  bool HasCaptionImage() const;

  bool FUseSkinSize = true;
  bool FRibbonStyle = false;
  bool FInChangingRollUp = false;
  TspImagePosition FImagePosition = spipDefault;
  bool FTransparentMode = false;
  int FCMaxWidth = 0, FCMinWidth = 0, FCMaxHeight = 0, FCMinHeight = 0;
  bool FCheckedMode = false;
  bool FChecked = false;
  bool FAutoEnabledControls = true;
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  int FSpacing = 2;
  bool FRollUpState = false;
  bool FRollUpMode = false;
  bool FCaptionMode = false;
  TspSkinBorderStyle FBorderStyle = bvFrame;
  int FDefaultCaptionHeight = 22;
  TAlignment FDefaultAlignment = taLeftJustify;
  TCustomImageList* FCaptionImageList = nullptr;
  int FCaptionImageIndex = -1;

  // Copied from the panel element by GetSkinData.
  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = clBtnText;
  TAlignment Alignment = taLeftJustify;
  TRect CaptionRect;     // element coordinates
  TRect NewCaptionRect;  // the caption area in the control, computed
  int BGPictureIndex = -1;
  TRect CheckImageRect, UnCheckImageRect, MarkFrameRect, FrameRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;
  TRect FrameTextRect;

 private:
  void WMMove(TMessage& AMessage);
  void SPCheckParentBackground();
  void CMTextChanged(TMessage& AMessage);
  // Repaints and re-aligns the children.
  void RepaintAndRealign();
  // The paths of Paint (SkinCtrls_PanelPaint.cpp).
  void PaintCaptionBandPanel();
  void PaintTransparentPanel();
  void PaintTransparentGroupFrame();
  void PaintTexturedPanel();
  void PaintBackgroundPicture(TBitmap& APicture);
  // The looks (SkinCtrls_PanelLook.cpp).
  void DrawDefaultCaption(TCanvas& ACanvas);
  void DrawSkinCaption(TCanvas& ACanvas);
  void DrawCaptionPlate(TCanvas& ACanvas, int ATextWidth, int& ATextLeft, int& AImageLeft);
};

// A panel with an owner-drawing event, called after each of its looks.
class TspSkinPaintPanel : public TspSkinPanel {
 public:
  // ForcebackGround off.
  explicit TspSkinPaintPanel(TComponent* AOwner);
  TspPaintPanelEvent OnPanelPaint;

 protected:
  void CreateControlDefaultImage(TBitmap& B) override;
  void CreateControlSkinImage(TBitmap& B) override;
  void PaintPanelContent(TCanvas& ACanvas) override;
  // An erase that does not come from its own paint paints the whole panel into the
  // message's device context.
  void Dispatch(TMessage& AMessage) override;

 private:
  void CallPanelPaint(TCanvas& ACanvas);
};

// A captioned panel drawn from the element "groupbox".
class TspSkinGroupBox : public TspSkinPanel {
 public:
  // Element "groupbox", caption mode on.
  explicit TspSkinGroupBox(TComponent* AOwner);

 protected:
  // A skin whose client area ends above its caption draws the element as a whole:
  // ForcebackGround goes off.
  void GetSkinData() override;
};

// A bottom-aligned panel drawn from the element "statusbar", with a size grip.
class TspSkinStatusBar : public TspSkinPanel {
 public:
  // Element "statusbar", aligned to the bottom, height 21, no border.
  explicit TspSkinStatusBar(TComponent* AOwner);

  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool AValue);
  // The skinned form switches the grip off where its own frame has one.
  void SetShowGrip(bool AValue);
  // Gives the skin to every skinned control on the bar too.
  void SetSkinData(TspSkinData* AValue) override;

 protected:
  // The client area leaves room for the grip at the right.
  void AdjustClientRect(TRect& ARect) override;
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& B) override;
  void CreateControlSkinImage(TBitmap& B) override;
  void Dispatch(TMessage& AMessage) override;

  bool FSizeGrip = false;
  bool FShowGrip = true;
  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = clNone;

 private:
  bool ShowsGrip() const { return FSizeGrip && FShowGrip; }
  // Where the grip lies, in the bar's coordinates.
  TRect GripRect();
  void DrawGripLines(TCanvas& ACanvas, TColor AShadow, TColor AHighlight);
  void WMNCHitTest(TMessage& AMessage);
};

// ---------------------------------------------------------------- labels and bevel
//
// The windowless labels and the bevel are not skinned-control descendants: each keeps
// its own SkinData, SkinDataName and element index, and the form's skin-change walk
// reaches it through its own ChangeSkinData. Without skin data or without the element
// each falls back to its default font and the system colours.
// The skinned label (TspSkinLabel) is a windowed skinned control.
// Implementation: SkinCtrls_StdLabel.cpp, SkinCtrls_ButtonLabel.cpp,
// SkinCtrls_SkinLabel.cpp, SkinCtrls_Bevel.cpp (and SkinCtrls_LabelFont.cpp, what the labels share).

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

enum TspEllipsType2 { spetNoneEllips, spetEllips };

// A windowed label painted on the skin element "label" (or a built-in bordered look),
// with alignment, an ellipsis, shadow and reflection effects and an automatic width.
class TspSkinLabel : public TspSkinCustomControl {
 public:
  // 75 × 21, SkinDataName "label".
  explicit TspSkinLabel(TComponent* AOwner);

  bool ShadowEffect() const { return FShadowEffect; }
  void SetShadowEffect(bool AValue);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor AValue);
  int ShadowOffset() const { return FShadowOffset; }
  void SetShadowOffset(int AValue);
  int ShadowSize() const { return FShadowSize; }
  void SetShadowSize(int AValue);
  bool ReflectionEffect() const { return FReflectionEffect; }
  void SetReflectionEffect(bool AValue);
  int ReflectionOffset() const { return FReflectionOffset; }
  void SetReflectionOffset(int AValue);
  TspEllipsType2 EllipsType() const { return FEllipsType; }
  void SetEllipsType(TspEllipsType2 AValue);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment AValue);
  TspSkinBorderStyle BorderStyle() const { return FBorderStyle; }
  // Repaints and realigns only in the built-in look.
  void SetBorderStyle(TspSkinBorderStyle AValue);
  // The label's own automatic width (not the class library's auto-size): the width
  // follows the text; an element of fixed size turns it off.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool AValue) override;

  // The element's size is kept (off: the width is free and the whole picture is
  // stretched to the label).
  bool UseSkinSize = true;
  bool UseSkinFontColor = true;

 protected:
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& B) override;
  void CreateControlSkinImage(TBitmap& B) override;
  void CalcSize(int& AWidth, int& AHeight) override;
  void SetControlRegion() override;
  // The width change the text asks for.
  virtual int CalcAutoSizeDelta();
  void Dispatch(TMessage& AMessage) override;

 private:
  // The element's font, or the default font, on ACanvas (the colour with
  // AWithColor).
  void PrepareFont(TCanvas& ACanvas, bool AWithColor);
  void DrawLabelText(TCanvas& ACanvas, TRect ARect);
  void ApplyAutoWidth();
  void RepaintOnChange(bool AChanged);
  void WMEraseBkgnd(TMessage& AMessage);
  void CMTextChanged(TMessage& AMessage);

  bool FShadowEffect = false;
  int FShadowOffset = 0;
  int FShadowSize = 3;
  TColor FShadowColor = clBlack;
  bool FReflectionEffect = false;
  int FReflectionOffset = -5;
  TspEllipsType2 FEllipsType = spetNoneEllips;
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = false;
  TspSkinBorderStyle FBorderStyle = bvFrame;
  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = 0;
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

// ---------------------------------------------------------------- splitters
//
// A thin aligned bar that the user drags to resize the control aligned next to it; the
// neighbour follows the pointer live. Implementation: SkinCtrls_Splitter.cpp (the
// drag), SkinCtrls_SkinSplitter.cpp (the skinned bar's look).

// May change the size asked for and refuse it.
using TSplitterCanResizeEvent = std::function<void(TObject* Sender, int& NewSize, bool& Accept)>;

class TspCustomSplitter : public TspSkinControl {
 public:
  // Aligned left, 3 wide, the horizontal-split cursor, MinSize 30, AutoSnap on.
  explicit TspCustomSplitter(TComponent* AOwner);
  // A drag still running gives the form's active control its key handler back.
  ~TspCustomSplitter() override;

  // Also sets the split cursor that fits the new alignment (a cursor that is not a
  // split cursor stays).
  void RequestAlign() override;

  // Reaching MinSize collapses the neighbour to 0.
  bool AutoSnap = true;
  // The neighbour's smallest size (0 counts as 1).
  int MinSize() const { return FMinSize; }
  void SetMinSize(int AValue) { FMinSize = AValue < 1 ? 1 : AValue; }
  TSplitterCanResizeEvent OnCanResize;
  // After each size applied during a drag, and once when the drag ends.
  TNotifyEvent OnMoved;

 protected:
  // Draws nothing: the bar shows its parent's background.
  void Paint() override {}
  // OnCanResize's answer; NewSize may be changed by it.
  virtual bool AskCanResize(int& ANewSize);
  // AskCanResize; an accepted size at or below MinSize becomes 0 with AutoSnap.
  virtual bool AcceptSize(int& ANewSize);
  // Ends a running drag (the borrowed key handler goes back) and fires OnMoved.
  virtual void EndSizing();
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  // A neighbour or active control freed during a drag is forgotten.
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  // The first visible, enabled child of the parent at the point just beside the bar.
  TControl* FindResizedControl() const;
  // The neighbour's size that the pointer at (AX, AY) asks for, clamped to
  // MinSize..FMaxSize, and the pointer's distance corrected to match it.
  void CalcNewSize(int AX, int AY, int& ANewSize, int& ASplit) const;
  // The largest size the neighbour may take: what the parent's other aligned controls
  // leave.
  int CalcMaxSize() const;
  void ApplyNewSize();
  // The key handler borrowed from the form's active control during a drag: Escape ends
  // the drag, other keys go to the handler it replaced.
  void SizingKeyDown(TObject* ASender, WORD& AKey, TShiftState AShift);
  void RestoreKeyHandler();
  void ForgetResizedControl();

  TWinControl* FActiveControl = nullptr;
  TControl* FControl = nullptr;
  TPoint FDownPos;
  int FMinSize = 30;
  int FMaxSize = 0;
  int FNewSize = 0;
  TKeyEvent FOldKeyDown;
  int FOldSize = -1;
  int FSplit = 0;
};

// The splitter of the forms: a strip from the skin element "hsplitter" (horizontal
// bar) or "vsplitter" (vertical bar) with a centred gripper, or clBtnFace without one.
class TspSkinSplitterEx : public TspCustomSplitter {
 public:
  // SkinDataName "vsplitter", DefaultSize 10.
  explicit TspSkinSplitterEx(TComponent* AOwner);

  // Looks the element up; the bar takes its thickness (DefaultSize without one);
  // repaints.
  void ChangeSkinData() override;

  // The bar's thickness without an element.
  int DefaultSize = 10;

 protected:
  void GetSkinData() override;
  // The strip, drawn straight on the canvas (not through the base's off-screen path).
  void Paint() override;

 private:
  TPoint LTPt, RTPt, LBPt;
  TRect SkinRect;
  TBitmap* FSkinPicture = nullptr;  // the skin's
  bool StretchEffect = false;
  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = 0;
};

// ---------------------------------------------------------------- expanding panel
//
// A container with a caption strip holding a close button and a roll button: rolling
// shrinks it to its caption strip (vertical kind) or to a narrow vertical strip
// (horizontal kind) and back; closing hides it. It can be moved by its caption and
// resized by its right and bottom edges when allowed. Drawn from the element
// "expanel", in a built-in look, or with UseSkinSize off from the skin's "panel"
// element with a caption strip of DefaultCaptionHeight.
// Implementation: SkinCtrls_ExPanel.cpp (state, rolling, mouse, hit testing),
// SkinCtrls_ExPanelPaint.cpp (layout and looks).

enum TspExPanelRollKind { rkRollHorizontal, rkRollVertical };

class TspSkinExPanel : public TspSkinCustomControl {
 public:
  // 150 × 100, SkinDataName "expanel", vertical roll kind, both buttons shown.
  explicit TspSkinExPanel(TComponent* AOwner);

  // While rolled, the rolled side keeps the roll size whatever is asked.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // Binds again; an unrolled panel realigns its children, a rolled one takes the new
  // roll size.
  void ChangeSkinData() override;
  // Hides the panel (it stays usable), then OnClose.
  void Close();

  bool RollState() const { return FRollState; }
  // Rolls or unrolls (see the .cpp); OnChangeRollState follows a change.
  void SetRollState(bool AValue);
  TspExPanelRollKind RollKind() const { return FRollKind; }
  void SetRollKind(TspExPanelRollKind AValue);
  bool ShowRollButton() const { return FShowRollButton; }
  void SetShowRollButton(bool AValue);
  bool ShowCloseButton() const { return FShowCloseButton; }
  void SetShowCloseButton(bool AValue);
  int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
  void SetDefaultCaptionHeight(int AValue);
  TBitmap& Glyph() { return FGlyph; }
  // Copies AValue: a strip of NumGlyphs frames; frame 2 shows while disabled.
  void SetGlyph(const TBitmap& AValue);
  int NumGlyphs() const { return FNumGlyphs; }
  // 1 or 2 frames; other values are ignored.
  void SetNumGlyphs(int AValue);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int AValue);
  TCustomImageList* CaptionImageList() const { return FCaptionImageList; }
  // Not owned; forgotten when it is freed.
  void SetCaptionImageList(TCustomImageList* AValue);
  int CaptionImageIndex() const { return FCaptionImageIndex; }
  void SetCaptionImageIndex(int AValue);

  bool UseSkinSize = true;
  // The width (horizontal kind) or height (vertical kind) before rolling; 0 unrolled.
  int RealWidth = 0;
  int RealHeight = 0;
  bool Moveable = false;
  bool Sizeable = false;
  TNotifyEvent OnChangeRollState;
  TNotifyEvent OnClose;

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void AdjustClientRect(TRect& ARect) override;
  void GetSkinData() override;
  // With UseSkinSize off and an element: the "panel" element's frame with this
  // element's caption strip; otherwise the base's paint.
  void Paint() override;
  void CreateControlDefaultImage(TBitmap& B) override;
  void CreateControlSkinImage(TBitmap& B) override;
  void Dispatch(TMessage& AMessage) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;

 private:
  enum { CloseButton = 0, RollButton = 1 };
  struct TCaptionButton {
    TRect R;
    bool MouseIn = false;
    bool Down = false;
  };
  // The looks the panel is drawn in.
  enum TExPanelLook { elBuiltIn, elSkin, elPanelElement };

  TExPanelLook Look() const;
  bool RolledAcross() const { return FRollState && FRollKind == rkRollHorizontal; }
  int RollWidth() const;
  int RollHeight() const;
  // The element's caption area at the panel's size, by the roll state.
  TRect SkinCaptionArea() const;
  // The buttons' rectangles for the current look, state and size.
  void LayoutButtons();
  // The caption text area left of (below, rolled across) the buttons.
  TRect CaptionTextArea() const;
  void DrawCaption(TCanvas& ACanvas);
  void DrawTurnedCaption(TCanvas& ACanvas, TRect AArea);
  void DrawCaptionButtons(TCanvas& ACanvas);
  void DrawCaptionButton(TCanvas& ACanvas, int AIndex);
  void DrawButtonGlyph(TCanvas& ACanvas, int AIndex, TColor AColor, TPoint AOffset);
  void DrawSkinButtonBackground(TCanvas& ACanvas, const TCaptionButton& AButton, TColor& AGlyphColor);
  void PaintWithPanelElement();
  // The hovered button follows the point; -1 when over none.
  void TestActive(int AX, int AY);
  void ClearHover();
  void Roll();
  void Unroll();
  void WMNCHitTest(TMessage& AMessage);
  void WMSize(TMessage& AMessage);
  void CMTextChanged(TMessage& AMessage);
  void CMMouseEnter(TMessage& AMessage);
  void CMMouseLeave(TMessage& AMessage);

  int FCMaxWidth = 0, FCMinWidth = 0, FCMaxHeight = 0, FCMinHeight = 0;
  TBitmap FGlyph;
  int FNumGlyphs = 1;
  int FSpacing = 2;
  bool StopCheckSize = false;
  bool FRollState = false;
  TspExPanelRollKind FRollKind = rkRollVertical;
  int FDefaultCaptionHeight = 21;
  bool FShowRollButton = true;
  bool FShowCloseButton = true;
  TCustomImageList* FCaptionImageList = nullptr;
  int FCaptionImageIndex = -1;
  TCaptionButton Buttons[2];
  int ActiveButton = -1;
  int CaptureButton = -1;
  // From the element "expanel".
  TRect RollHSkinRect, RollVSkinRect;
  int RollLeftOffset = 0, RollRightOffset = 0, RollTopOffset = 0, RollBottomOffset = 0;
  TRect RollVCaptionRect, RollHCaptionRect;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  TRect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
  TRect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
  TRect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
  TRect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
  TRect CaptionRect;
  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = 0;
  bool ButtonsTransparent = false;
  TColor ButtonsTransparentColor = 0;
};
