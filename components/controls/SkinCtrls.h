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
#include <optional>

#include "components/core/SPUtils.h"
#include "components/core/SkinData.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/LiveGuard.h"

// Sent (wParam 0, lParam 0) to the controls on a container whose background changed:
// blending controls repaint and pass the notice on.
constexpr UINT SP_CHECKPARENTBACKGROUND = 1284;

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
  // settles ResizeMode. SkinRect is the part of the record's that its picture holds
  // (TspSkinContent::PicturePart), and ClRect the part of the record's within it: no
  // element, and no client area, is larger than what the element can draw.
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
  // The nine-part geometry with the pieces cut from ASource (a state picture of the
  // element): the corners grown by the image's size over SkinRect's.
  TspSkinImageGeometry ImageGeometry(const TRect& ASource) const;
  // The same with the corners and the client rectangle where FitSize put them.
  TspSkinImageGeometry FittedImageGeometry(const TRect& ASource) const;
  // A rectangle of the element moved into a control W × H by the part of the element
  // it lies in.
  TRect MapRectToSize(const TRect& ARect, int AWidth, int AHeight) const;

  bool operator==(const TspSkinElementGeometry&) const = default;
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
  // The bound element's record when it is a TRecord; nullptr without one or for
  // another kind. The index is of the last lookup: a skin emptied since has none there.
  template <class TRecord = TspDataSkinControl>
  const TRecord* SkinElement() const {
    return FSD == nullptr ? nullptr : FSD->Control<TRecord>(FIndex);
  }
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
  // The paint's off-screen bitmap while nothing has drawn into it yet (black at the
  // control's size), else nullptr: the element image composed into it may come from
  // the one kept from the last paint.
  TBitmap* FBlankImage = nullptr;

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

  // Everything an element image composed into the blank paint bitmap is made of: equal
  // inputs give equal pictures. The skin's change count stands for its pictures and
  // records, which a reload or a picture change may replace at the same addresses.
  struct TComposedImageInputs {
    const TspSkinData* Skin = nullptr;
    unsigned SkinChangeCount = 0;
    const TBitmap* Source = nullptr;
    TRect SourceRect;
    TspSkinElementGeometry Geometry;
    int Width = 0, Height = 0;
    bool SkipNinePart = false;
    bool operator==(const TComposedImageInputs&) const = default;
  };
  TComposedImageInputs ComposedImageInputs(TBitmap* APicture, const TRect& ASource) const;

 private:
  // The element image of the last paint that composed one into its blank bitmap, kept
  // while its inputs stay.
  std::optional<TComposedImageInputs> FComposedImageInputs;
  TBitmap FComposedImage;
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
  // In the direct painting: settles what CreateControlSkinImage draws into the top
  // strip besides the strip's own pixels, and whether that changed since the last call;
  // the strip with the drawing is kept while neither changes. A control that cannot
  // tell answers true: its drawing is made at every paint.
  virtual bool TopStripDrawingChanged() { return true; }

  bool FForceBackground = false;
  bool FDrawbackground = true;
  TBitmap* MaskPicture = nullptr;  // the skin's; nullptr: none

 private:
  // Everything the direct painting's strips and client area are composed from: equal
  // inputs give equal pictures. The skin's change count stands for its pictures and
  // records, which a reload or a picture change may replace at the same addresses.
  struct TBorderPaintInputs {
    const TspSkinData* Skin = nullptr;
    unsigned SkinChangeCount = 0;
    int Index = -1;
    const TBitmap* Picture = nullptr;
    TRect SkinRect, ClRect, NewClRect;
    TPoint LTPt, RTPt, LBPt, RBPt, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
    int Width = 0, Height = 0;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    bool StretchEffect = false, DrawBackground = false;
    TspStretchType StretchType = spstFull;
    bool operator==(const TBorderPaintInputs&) const = default;
  };

  // The borders as strips and the client picture filled between them, composed into
  // one picture and drawn in one blit.
  void PaintBordersDirectly();
  TBorderPaintInputs CurrentBorderPaintInputs() const;
  // Composes the strips and the client area for the inputs and keeps them.
  void ComposeBorderPaint(const TBorderPaintInputs& AInputs);

  // The picture of the last direct paint at the control's size, kept while its inputs
  // stay: the client area, then the top, left, right and bottom strips over it. The top
  // strip is kept apart as the element gives it, and the bottom one to go over it again
  // where they overlap (a control lower than its two strips).
  std::optional<TBorderPaintInputs> FBorderPaintInputs;
  TBitmap FComposedBorders, FTopStrip, FBottomStrip;
  // Whether the client area of the picture is filled; when it is not, what lies there
  // on the control stays.
  bool FClientAreaFilled = false;
  // The top strip with what a descendant draws into it (a caption), made again unless
  // the picture holds it already (FTopStripDrawn) and the drawing did not change.
  TBitmap FCaptionedTopStrip;
  bool FTopStripDrawn = false;
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

// The size limits a rolled-up panel sets aside, so that its strip may be smaller than
// them, and gives back when it unrolls.
struct TspSetAsideSizeLimits {
  int MaxWidth = 0, MinWidth = 0, MaxHeight = 0, MinHeight = 0;
  // Keeps ALimits' values and clears them.
  void SetAside(TSizeConstraints& ALimits);
  void GiveBack(TSizeConstraints& ALimits) const;
};

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
  // The skin caption's rectangle; whether what the caption is drawn from changed (the
  // panel and the group box without glyph or caption image: any other may draw what
  // it cannot tell).
  bool TopStripDrawingChanged() override;
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
  // The caption image's size: CaptionImageList's images, else the glyph's frame; 0 × 0
  // without either.
  TSize CaptionImageSize() const;

  bool FUseSkinSize = true;
  bool FRibbonStyle = false;
  bool FInChangingRollUp = false;
  TspImagePosition FImagePosition = spipDefault;
  bool FTransparentMode = false;
  TspSetAsideSizeLimits FRolledLimits;
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
  // Whether the skin look is the client picture repeated over the whole image.
  bool IsTiledSkinLook() const;
  // NewCaptionRect of the skin look at the current size.
  void SettleSkinCaptionRect();
  void DrawSkinCaption(TCanvas& ACanvas);
  // Everything DrawSkinCaption draws from besides the element's picture; none for a
  // caption it cannot tell (see TopStripDrawingChanged).
  struct TSkinCaptionDrawing {
    String Caption, FontName;
    TRect NewCaptionRect, CaptionRect, CheckImageRect, UnCheckImageRect, MarkFrameRect, FrameRect,
        FrameTextRect;
    int FrameLeftOffset = 0, FrameRightOffset = 0, FontHeight = 0;
    TFontStyles FontStyle;
    TColor FontColor = clNone;
    TAlignment Alignment = taLeftJustify;
    uint8_t Charset = 0;
    bool RollUpMode = false, RollUpState = false, CheckedMode = false, Checked = false;
    bool operator==(const TSkinCaptionDrawing&) const = default;
  };
  std::optional<TSkinCaptionDrawing> SkinCaptionDrawing() const;
  std::optional<TSkinCaptionDrawing> FDrawnCaption;
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

// ---------------------------------------------------------------- gauge, track bar,
// check and radio box, scroll bar, buttons

class TTimer;

// The gauge's owner drawing: the canvas of the control image, the progress area and the
// part of it the value fills.
using TspGaugePaintEvent = std::function<void(TObject* Sender, TCanvas& ACanvas, const TRect& AProgressArea,
                                              const TRect& AProgressRect)>;

// The progress bar: Value between MinValue and MaxValue fills the progress area of the
// element ("gauge", or "vgauge" upright) from the left or from the bottom, with an
// optional text and a moving animation from a frame strip of the skin.
class TspSkinGauge : public TspSkinCustomControl {
 public:
  // 100 × 20, "gauge", 0..100 at 50.
  explicit TspSkinGauge(TComponent* AOwner);

  // Values are clamped into MinValue..MaxValue; only a different value repaints.
  int Value() const { return FValue; }
  void SetValue(int AValue);
  // A bound moves the value inside it; the order of the bounds is not checked.
  int MinValue() const { return FMinValue; }
  void SetMinValue(int AValue);
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int AValue);
  bool Vertical() const { return FVertical; }
  void SetVertical(bool AValue);
  // Off: the skin image is stretched to any size the control is given.
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool AValue);
  const String& ProgressText() const { return FProgressText; }
  void SetProgressText(const String& AValue);
  bool ShowProgressText() const { return FShowProgressText; }
  void SetShowProgressText(bool AValue);
  bool ShowPercent() const { return FShowPercent; }
  void SetShowPercent(bool AValue);
  // The text drawn with TextAlphaBlendValue / 255 opacity over the skin image.
  bool TextAlphaBlend() const { return FTextAlphaBlend; }
  void SetTextAlphaBlend(bool AValue);
  int TextAlphaBlendValue() const { return FTextAlphaBlendValue; }
  void SetTextAlphaBlendValue(int AValue);
  // Milliseconds between two runs of the animation; negative values are ignored.
  int ProgressAnimationPause() const { return FProgressAnimationPause; }
  void SetProgressAnimationPause(int AValue);
  TspGaugePaintEvent OnGaugePaint;

  // The animation runs only with an element whose strip is not empty: frames at the
  // skin's interval, then a pause, until stopped.
  void StartProgressAnimation();
  void StopProgressAnimation();
  void StartInternalAnimation();
  void StopInternalAnimation();
  // AArea cut to the value: its right edge (or top edge, upright) at the value's share.
  TRect CalcProgressRect(const TRect& AArea) const;
  // The text shown: ProgressText and the percentage, as switched on.
  String GaugeText() const;

  void Paint() override;
  void ChangeSkinData() override;

 protected:
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& ABitmap) override;
  void CreateControlSkinImage(TBitmap& ABitmap) override;
  void CalcSize(int& AWidth, int& AHeight) override;
  void Dispatch(TMessage& AMessage) override;

 private:
  bool DrawGaugeProgress(TBitmap& ABitmap, const TRect& AArea);
  void DrawProgressStrip(TBitmap& ABitmap, const TRect& AProgress);
  void DrawGaugeText(TBitmap& ABitmap);
  TRect AnimationFrameRect() const;
  bool AnimationFrameShowing() const;
  void AnimationFrameTick();

  int FMinValue = 0;
  int FMaxValue = 100;
  int FValue = 50;
  bool FVertical = false;
  bool FUseSkinSize = true;
  String FProgressText;
  bool FShowProgressText = false;
  bool FShowPercent = false;
  bool FTextAlphaBlend = false;
  int FTextAlphaBlendValue = 200;
  int FProgressAnimationPause = 1000;
  int FAnimationFrame = 0;
  TTimer* FAnimationPauseTimer = nullptr;  // owned
  TTimer* FAnimationTimer = nullptr;       // owned
  // Copied from the element.
  TRect ProgressRect, ProgressArea, NewProgressArea;
  int BeginOffset = 0, EndOffset = 0;
  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = clBlack;
  bool ProgressTransparent = false;
  TColor ProgressTransparentColor = clBlack;
  bool ProgressStretch = false;
  TRect ProgressAnimationSkinRect;
  int ProgressAnimationCountFrames = 0;
  int ProgressAnimationTimerInterval = 0;
};

// The slider: Value between MinValue and MaxValue shown by a button moving along the
// track area of the element ("htrackbar", or "trackbar" upright, where values grow
// upwards), dragged, clicked to (JumpWhenClick), or stepped by the arrow keys and the
// wheel (CanFocused). OnStartDragButton opens a drag, OnChange follows every change of
// the value (by code too) and OnLastChange closes a drag, a key or a wheel step.
class TspSkinTrackBar : public TspSkinCustomControl {
 public:
  // 100 × 20, "htrackbar", 0..100 at 50.
  explicit TspSkinTrackBar(TComponent* AOwner);

  int Value() const { return FValue; }
  // Clamped into MinValue..MaxValue; a different value repaints and raises OnChange.
  void SetValue(int AValue);
  // A bound moves the value inside it without OnChange.
  int MinValue() const { return FMinValue; }
  void SetMinValue(int AValue);
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int AValue);
  bool Vertical() const { return FVertical; }
  void SetVertical(bool AValue);
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool AValue);
  bool JumpWhenClick = false;
  bool MouseSupport = true;
  TNotifyEvent OnChange;
  TNotifyEvent OnLastChange;
  TNotifyEvent OnStartDragButton;

  // The button rectangle as last painted (the mouse tests against it).
  const TRect& PaintedButtonRect() const { return BR; }

 protected:
  void WndProc(TMessage& AMessage) override;
  void Dispatch(TMessage& AMessage) override;
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& ABitmap) override;
  void CreateControlSkinImage(TBitmap& ABitmap) override;
  void CalcSize(int& AWidth, int& AHeight) override;
  void KeyDown(WORD& AKey, TShiftState AShift) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;

 private:
  // The button over the track ATrack of a button ASize large; sets Offset1, Offset2
  // and BOffset.
  TRect CalcButtonRect(const TRect& ATrack, TSize ASize);
  int ValueFromOffset(int AOffset) const;
  void StepBy(int ADelta);
  void WMMouseWheel(TMessage& AMessage);
  void CMWantSpecialKey(TMessage& AMessage);

  bool FClicksDisabled = false;
  bool FCanFocused = false;
  int Offset1 = 0, Offset2 = 0, BOffset = 0;
  TRect BR;
  int FMinValue = 0;
  int FMaxValue = 100;
  int FValue = 50;
  bool FVertical = false;
  bool FDown = false;
  int OMPos = 0;
  int OldBOffset = 0;
  // Copied from the element.
  TRect ActiveSkinRect, TrackArea, NewTrackArea, SkinButtonRect, ActiveButtonRect;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = clBlack;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A skinned check box ("checkbox") or, with Radio, radio button ("radiobox"): a box
// and a caption in three states, boxes of one GroupIndex on one parent exclusive, and in
// the non-flat look a cross-fade between the normal and the active picture while the
// pointer is over the box or it has the focus. Setting Checked raises OnClick, as a
// click does (the program's handlers rely on it).
class TspSkinCheckRadioBox : public TspSkinCustomControl {
 public:
  // 150 × 25, "checkbox", flat, focusable, unchecked.
  explicit TspSkinCheckRadioBox(TComponent* AOwner);

  bool Checked() const { return FChecked; }
  // Checking unchecks the other boxes of the group; OnClick follows for a check box
  // always, for a radio box only when it is now checked. A grayed box set unchecked
  // stays grayed.
  void SetChecked(bool AValue);
  TCheckBoxState State() const { return FState; }
  // Raises OnClick; the group is not touched.
  void SetState(TCheckBoxState AValue);
  bool Radio() const { return FRadio; }
  void SetRadio(bool AValue);
  bool Flat() const { return FFlat; }
  void SetFlat(bool AValue);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool AValue);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool AValue);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* AValue);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue);
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool AValue);
  int GroupIndex = 0;
  // In the flat skin look the caption colour comes from the skin.
  bool UseSkinFontColor = true;

  void ChangeSkinData() override;
  void Paint() override;
  // The user's click: a check box toggles, a radio box becomes checked.
  virtual void ToggleChecked();
  // The bound element (-1 without one) and its font, as the last lookup found them:
  // a dialog that lays the box out measures its caption in that font.
  int SkinElementIndex() const { return FIndex; }
  const String& SkinFontName() const { return FontName; }
  int SkinFontHeight() const { return FontHeight; }

 protected:
  void WndProc(TMessage& AMessage) override;
  void Dispatch(TMessage& AMessage) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& ABitmap) override;
  void CheckParentBackground() override;
  void CalcSize(int& AWidth, int& AHeight) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void ActionChange(TObject* ASender, bool ACheckDefaults) override;

 private:
  bool MorphPossible() const;
  bool IsActive();
  void StartActiveLookChange();
  void MorphTick();
  void RaiseClick();
  bool HasValidImage() const;
  // The flat look's image and caption from x ATextLeft (the image moving a single-line
  // caption by its width + AImageGap) and the focus frame; AFocusFill is the brush the
  // frame is drawn with.
  void DrawFlatCaption(TCanvas& ACanvas, int ATextLeft, int AImageGap, TColor AFocusFill);
  void DrawBuiltInBox(TCanvas& ACanvas);
  // The skin's box picture for the state at (AX, AY).
  void DrawSkinBox(TCanvas& ACanvas, int AX, int AY);
  void DrawFlatSkin(TBitmap& ABitmap);
  void CreateStateImage(TBitmap& ABitmap, bool AActive);
  void CMMouseEnterLeave(TMessage& AMessage, bool AEnter);
  void CMDialogChar(TMessage& AMessage);
  void CMEnabledChanged(TMessage& AMessage);

  bool FDown = false;
  bool FWordWrap = false;
  bool FAllowGrayed = false;
  TCheckBoxState FState = cbUnchecked;
  TCustomImageList* FImages = nullptr;  // not owned; cleared when freed
  int FImageIndex = 0;
  bool FFlat = true;
  bool FClicksDisabled = false;
  bool FCanFocused = true;
  bool FMouseIn = false;
  bool FChecked = false;
  TRect CIRect, NewTextArea;
  bool FRadio = false;
  // Expires with the box, so that a click handler that frees it is noticed.
  TLiveGuard FLive;
  TTimer* MorphTimer = nullptr;  // owned; made on the first cross-fade
  double FMorphKf = 0;
  // Copied from the element.
  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = clBlack, ActiveFontColor = clBlack, FrameFontColor = clBlack,
         UnEnabledFontColor = clGray;
  TRect ActiveSkinRect, CheckImageArea, TextArea;
  TRect CheckImageRect, UnCheckImageRect, ActiveCheckImageRect, ActiveUnCheckImageRect;
  TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect, GrayedCheckImageRect, ActiveGrayedCheckImageRect;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
};

enum TScrollBarKind { sbHorizontal, sbVertical };

// The skinned scroll bar: two arrow buttons, a track and a thumb, from an element of
// scroll-bar kind or in a built-in flat look. It stands alone on forms and is the
// external bar of hosts (tree and list views, memos, list boxes, grids) that hide their
// own: they set its range with SetRange, follow it through its events and set Both on a
// horizontal bar beside a vertical one. The up button raises Position, the down button
// lowers it; a page step toward Min is a page up, one toward Max a page down.
//
// The position rule: a value below Min gives Min; without a page at most Max; with one
// at most Max - PageSize + 1.
class TspSkinScrollBar : public TspSkinCustomControl {
 public:
  // 200 × 19, "hscrollbar", 0..100 at 0, steps 1 and 1, no page.
  explicit TspSkinScrollBar(TComponent* AOwner);
  ~TspSkinScrollBar() override;

  // Stores the bounds and the page as given, then the position by the rule; repaints
  // without OnChange.
  void SetRange(int AMin, int AMax, int APageSize, int APosition);
  // The position by the rule, repainted when it changed, without OnChange.
  void SimplySetPosition(int AValue);

  int Position() const { return FPosition; }
  // By the rule; a change repaints and raises OnChange. Every change the user makes
  // passes here.
  void SetPosition(int AValue);
  int Min() const { return FMin; }
  void SetMin(int AValue);
  int Max() const { return FMax; }
  void SetMax(int AValue);
  int PageSize() const { return FPageSize; }
  // Taken only while it and Position fit in the range; refused silently otherwise.
  void SetPageSize(int AValue);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int AValue);
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int AValue);
  TScrollBarKind Kind() const { return FKind; }
  // Stores and repaints only: a vertical bar needs "vscrollbar" from its creator.
  void SetKind(TScrollBarKind AValue);
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool AValue);
  // On a horizontal bar beside a vertical one: the element BothSkinDataName (with the
  // corner square) is used, or the built-in look leaves BothMarkerWidth pixels free.
  bool Both() const { return FBoth; }
  void SetBoth(bool AValue);
  int BothMarkerWidth() const { return FBothMarkerWidth; }
  void SetBothMarkerWidth(int AValue);
  String BothSkinDataName = "bothhscrollbar";

  TNotifyEvent OnChange;
  // The left button came up after it went down on the thumb.
  TNotifyEvent OnLastChange;
  // When assigned, called by a press on the up (down) button and every repeat instead
  // of the step.
  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;
  // After each page step toward Min (up) or Max (down).
  TNotifyEvent OnPageUp;
  TNotifyEvent OnPageDown;

  // The parts as last placed: 0 the thumb, 1 the up button, 2 the down button.
  TRect PartRect(int APart) const { return Buttons[APart].R; }
  TRect TrackRect() const { return NewTrackArea; }

 protected:
  void WndProc(TMessage& AMessage) override;
  void Dispatch(TMessage& AMessage) override;
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& ABitmap) override;
  void CreateControlSkinImage(TBitmap& ABitmap) override;
  void CalcSize(int& AWidth, int& AHeight) override;
  void KeyDown(WORD& AKey, TShiftState AShift) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;

 private:
  struct TScrollPart {
    TRect R;
    bool MouseIn = false;
    bool Down = false;
  };

  int ClampedPosition(int AValue) const;
  bool IsVertical() const { return FKind == sbVertical; }
  // Places the track, the buttons and the thumb for the current size and position.
  void CalcRects();
  int ThumbLength(int ATrackLength, int AMinimum) const;
  void PositionFromOffset(int AOffset);
  int Along(int AX, int AY) const { return IsVertical() ? AY : AX; }
  void StartRepeat(UINT AInterval);
  void StopTimer();
  void RepeatTick();
  void ButtonDown(int APart, int AX, int AY);
  void ButtonUp(int APart);
  void ButtonEnter(int APart);
  void ButtonLeave(int APart);
  void TestActive(int AX, int AY);
  void StepBy(long long ADelta);
  void UpButtonStep();
  void DownButtonStep();
  void DrawBuiltInPart(TCanvas& ACanvas, int APart);
  void DrawSkinButton(TCanvas& ACanvas, int APart);
  void DrawSkinThumb(TBitmap& AImage);
  void WMMouseWheel(TMessage& AMessage);
  void CMMouseLeave(TMessage& AMessage);

  String FNormalSkinDataName;
  int Offset1 = 0, Offset2 = 0, BOffset = 0;
  TRect NewTrackArea;
  bool FDown = false;
  int OMPos = 0;
  int OldBOffset = 0;
  bool WaitMode = false;
  int MX = 0, MY = 0;
  bool MouseD = false;
  int FBothMarkerWidth = 0;
  bool FClicksDisabled = false;
  bool FCanFocused = false;
  int TimerMode = 0;
  int ActiveButton = -1, OldActiveButton = -1;
  int CaptureButton = -1;
  TScrollPart Buttons[3];
  int FMin = 0, FMax = 100, FSmallChange = 1, FLargeChange = 1, FPosition = 0;
  TScrollBarKind FKind = sbHorizontal;
  int FPageSize = 0;
  bool FBoth = false;
  // Copied from the element.
  TRect TrackArea, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect ThumbRect, ActiveThumbRect, DownThumbRect;
  int ThumbOffset1 = 0, ThumbOffset2 = 0;
  TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
  bool GlyphTransparent = false, ThumbTransparent = false, ThumbStretchEffect = false;
  TColor GlyphTransparentColor = clBlack, ThumbTransparentColor = clBlack;
  int ThumbMinSize = 0, ThumbMinPageSize = 0;
};

// Sent by a skinned button to itself, posted, on mouse enter and leave: the glow frame
// is shown or hidden once the enter or leave handling has finished.
constexpr UINT SP_SHOWBUTTONLAYER = 1424;
constexpr UINT SP_HIDEBUTTONLAYER = 1425;

// The buttons' owner drawing, after the state's background and before the content: a
// handler that clears ADrawDefault draws the content itself.
using TspButtonPaintEvent = std::function<void(TObject* Sender, TCanvas& ACanvas, const TRect& ARect,
                                               bool ADown, bool AMouseIn, bool& ADrawDefault)>;

class TspLayerManager;
class TspSkinImagesMenu;
using TModalResult = int;  // as the forms declare it

// The windowed push button ("button"): a picture per state (normal, hot, pressed,
// focused, disabled), a cross-fade between the normal and the hot picture, a frame
// animation on focus and hover, a glow frame around it, a caption with a glyph strip or
// an image-list picture, toggle and group behaviour, auto-repeat, the default and cancel
// roles of dialog buttons and the keys. OnClick is raised by ButtonClick alone.
class TspSkinButton : public TspSkinCustomControl {
  template <class TButton>
  friend struct TspButtonMouseRules;
  template <class TButton>
  friend struct TspButtonTimerRules;
  template <class TButton>
  friend struct TspButtonPropertyRules;

 public:
  // 75 × 25, "button", focusable.
  explicit TspSkinButton(TComponent* AOwner);

  // Sets the form's ModalResult (a focusable button), then OnClick or the action.
  virtual void ButtonClick();
  // Up, not hot, faded back, animation stopped, repainted.
  void RefreshButton();
  // The glow frame around the button, from the element's glow pictures.
  void ShowLayer();
  void HideLayer();

  bool Down() const { return FDown; }
  // In a group (GroupIndex > 0, AllowAllUp off) a button going down raises the others
  // of its parent.
  void SetDown(bool AValue);
  int GroupIndex() const { return FGroupIndex; }
  // A group button cannot take the focus.
  void SetGroupIndex(int AValue);
  bool CheckedMode() const { return FCheckedMode; }
  // On: a toggle button (GroupIndex -1).
  void SetCheckedMode(bool AValue);
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool AValue);
  bool Default() const { return FDefault; }
  void SetDefault(bool AValue);
  bool Cancel = false;
  TModalResult ModalResult = 0;  // mrNone
  bool AllowAllUp = false;
  bool RepeatMode = false;
  int RepeatInterval = 100;
  bool AlwaysShowLayeredFrame = false;
  bool UseSkinSize = true;
  bool UseSkinFontColor = true;
  TBitmap& Glyph() { return *FGlyph; }
  void SetGlyph(const TBitmap& AValue);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int AValue);
  int Margin() const { return FMargin; }
  // Values below -1 are ignored.
  void SetMargin(int AValue);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int AValue);
  TspButtonLayout Layout() const { return FLayout; }
  void SetLayout(TspButtonLayout AValue);
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* AValue);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue);
  TspButtonPaintEvent OnPaint;

  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;

 protected:
  void WndProc(TMessage& AMessage) override;
  void Dispatch(TMessage& AMessage) override;
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void Paint() override;
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& ABitmap) override;
  // Empty: the skin look is drawn state by state in Paint.
  void CreateControlSkinImage(TBitmap&) override {}
  void CalcSize(int& AWidth, int& AHeight) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  // A linked action's picture becomes the button's when it has no glyph.
  void ActionChange(TObject* ASender, bool ACheckDefaults) override;
  // One state picture from the element's rectangle ASource, with the content; the
  // menu button draws its drop-down part here too.
  virtual void CreateButtonImage(TBitmap& ABitmap, const TRect& ASource, bool ADown, bool AMouseIn);

  // The picture menu whose chosen picture (and caption) the button shows with
  // UseImagesMenuImage (and UseImagesMenuCaption); the menu button publishes them and
  // opens the menu. Not owned; forgotten when it is freed. Choosing another picture
  // repaints the button.
  TspSkinImagesMenu* SkinImagesMenu() const { return FSkinImagesMenu; }
  void SetSkinImagesMenu(TspSkinImagesMenu* AValue);
  bool UseImagesMenuImage = false;
  bool UseImagesMenuCaption = false;
  TspSkinImagesMenu* FSkinImagesMenu = nullptr;

  // Whether Space presses the button (the menu button ignores it).
  bool FSpaceSupport = true;
  // Expires with the button, so that a handler that frees it is noticed.
  TLiveGuard FLive;

 private:
  bool IsFocused();
  bool MorphApplies() const;
  bool EffectsOn() const;
  bool AnimationCanRun() const;
  bool IsPressedLook();
  void MorphOrRepaint();
  void MorphTick();
  void StartAnimation(bool AForward);
  void StopAnimation();
  void StartRepeat();
  void StopRepeat();
  // The glyph frame, image-list picture and caption in ARect.
  void DrawContent(TCanvas& ACanvas, const TRect& ARect, bool ADown, bool AMouseIn);
  bool Animating() const;
  TRect HotSource() const;
  TRect NormalSource() const;
  // Whether the state with the pointer in (enter) or out (leave) changes the look.
  bool HoverChangesLook();
  void ApplyStateFont(TCanvas& ACanvas, bool ADown, bool AMouseIn);
  void CMMouseEnter(TMessage& AMessage);
  void CMMouseLeave(TMessage& AMessage);
  void CMDialogKey(TMessage& AMessage);
  void CMDialogChar(TMessage& AMessage);
  void CMFocusChanged(TMessage& AMessage);
  void CMEnabledChanged(TMessage& AMessage);
  void WMSetFocus(TMessage& AMessage);
  void WMKillFocus(TMessage& AMessage);
  void WMKeyDown(TMessage& AMessage);
  void WMKeyUp(TMessage& AMessage);

  bool FCheckedMode = false;
  bool FStopMouseUp = false;
  TspLayerManager* FLayerManager = nullptr;  // owned
  TTimer* AnimateTimer = nullptr;            // owned; enabled while the animation runs
  int CurrentFrame = 0;
  bool AnimateInc = false;
  TTimer* RepeatTimer = nullptr;  // owned; enabled while repeating
  bool FRepeatWaiting = false;    // the first tick only switches to RepeatInterval
  bool FActive = false;
  bool FAllowAllUpCheck = false;
  bool FDefault = false;
  bool FClicksDisabled = false;
  bool FCanFocused = true;
  double FMorphKf = 0;
  bool FDown = false, FMouseIn = false, FMouseDown = false;
  int FGroupIndex = 0;
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  int FMargin = -1;
  int FSpacing = 1;
  TspButtonLayout FLayout = blGlyphLeft;
  TTimer* MorphTimer = nullptr;            // owned; enabled while the fade runs
  TCustomImageList* FImageList = nullptr;  // not owned; cleared when freed
  int FImageIndex = -1;
  // Copied from the element.
  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = clBlack, ActiveFontColor = clBlack, DownFontColor = clBlack, DisabledFontColor = clGray;
  TRect ActiveSkinRect, DownSkinRect, DisabledSkinRect, FocusedSkinRect, AnimateSkinRect;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
  int FrameCount = 0, AnimateInterval = 0;
  bool ShowFocus = false;
  int GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
  int GlowLayerOffsetLeft = 0, GlowLayerOffsetRight = 0, GlowLayerOffsetTop = 0, GlowLayerOffsetBottom = 0;
  int GlowLayerShowOffsetX = 0, GlowLayerShowOffsetY = 0;
  int GlowLayerAlphaBlendValue = 0;
  // The drop-down marker pictures the menu button draws; an empty hot one is the
  // normal one, an empty pressed one the hot one.
  TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
  TColor MenuMarkerTransparentColor = clNone;

  // The menu button drives the pressed and hot state while its menu shows.
  friend class TspSkinMenuButton;
};

// The windowless tool button ("toolbutton"): the push button's pictures, cross-fade,
// frame animation, glyph and image-list content, toggle, group and repeat behaviour,
// without focus, keys (but its accelerator), glow or dialog role. A Flat button shows
// no background until the pointer is over it or it is a down member of a group; its
// caption can be hidden with two preset widths.
class TspSkinSpeedButton : public TspGraphicSkinCustomControl {
  template <class TButton>
  friend struct TspButtonMouseRules;
  template <class TButton>
  friend struct TspButtonTimerRules;
  template <class TButton>
  friend struct TspButtonPropertyRules;

 public:
  // 25 × 25, "toolbutton", opaque.
  explicit TspSkinSpeedButton(TComponent* AOwner);

  // OnClick or the action.
  virtual void ButtonClick();
  void RefreshButton();

  bool Down() const { return FDown; }
  void SetDown(bool AValue);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int AValue) { FGroupIndex = AValue; }
  bool CheckedMode() const { return FCheckedMode; }
  void SetCheckedMode(bool AValue);
  bool Flat() const { return FFlat; }
  // Flat: transparent (the parent shows through) until hot or down.
  void SetFlat(bool AValue);
  bool ShowCaption() const { return FShowCaption; }
  // With both widths above 0 the width follows: WidthWithCaption shown,
  // WidthWithoutCaption hidden.
  void SetShowCaption(bool AValue);
  int WidthWithCaption = 0;
  int WidthWithoutCaption = 0;
  bool AllowAllUp = false;
  bool RepeatMode = false;
  int RepeatInterval = 100;
  bool UseSkinSize = true;
  bool UseSkinFontColor = true;
  TBitmap& Glyph() { return *FGlyph; }
  void SetGlyph(const TBitmap& AValue);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int AValue);
  int Margin() const { return FMargin; }
  void SetMargin(int AValue);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int AValue);
  TspButtonLayout Layout() const { return FLayout; }
  void SetLayout(TspButtonLayout AValue);
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* AValue);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue);
  TspButtonPaintEvent OnPaint;
  // Whether the class library paints the parent under the button first.
  bool Transparent() const { return !ControlStyle.Contains(csOpaque); }

  void ChangeSkinData() override;

 protected:
  void Dispatch(TMessage& AMessage) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void Loaded() override;
  void Paint() override;
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& ABitmap) override;
  // Empty: the skin look is drawn state by state in Paint.
  void CreateControlSkinImage(TBitmap&) override {}
  void CalcSize(int& AWidth, int& AHeight) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  // A linked action's picture becomes the button's when it has no glyph.
  void ActionChange(TObject* ASender, bool ACheckDefaults) override;
  // True removes the opaque style, false adds it.
  virtual void SetTransparentStyle(bool AValue);
  // One state picture from the element's rectangle ASource, with the content; the
  // menu speed button draws its drop-down strip here too.
  virtual void CreateButtonImage(TBitmap& ABitmap, const TRect& ASource, bool ADown, bool AMouseIn);
  // As the push button's; published by the menu speed button.
  TspSkinImagesMenu* SkinImagesMenu() const { return FSkinImagesMenu; }
  void SetSkinImagesMenu(TspSkinImagesMenu* AValue);
  bool UseImagesMenuImage = false;
  bool UseImagesMenuCaption = false;
  TspSkinImagesMenu* FSkinImagesMenu = nullptr;
  // A colour-choosing descendant shows its colour as a bar of FColorMarkerValue under
  // the picture (else under the caption) when FDrawColorMarker is set.
  bool FDrawColorMarker = false;
  TColor FColorMarkerValue = clBlack;

  // Expires with the button, so that a handler that frees it is noticed.
  TLiveGuard FLive;

 private:
  bool MorphApplies() const;
  bool EffectsOn() const;
  bool AnimationCanRun() const;
  bool Animating() const;
  bool IsPressedLook() const { return FDown && (FMouseIn || FGroupIndex != 0); }
  void MorphOrRepaint();
  void MorphTick();
  void StartAnimation(bool AForward);
  void StopAnimation();
  void StartRepeat();
  void StopRepeat();
  // Whether entering or leaving changes the look: not a down member of a group.
  bool HoverChangesLook() const { return (FGroupIndex == 0 || !FDown) && Enabled(); }
  // AToolBarHotImages off: never the tool bar's hot pictures (the flat looks);
  // APressedOffset moves the picture and caption one pixel right and down.
  void DrawContent(TCanvas& ACanvas, const TRect& ARect, bool ADown, bool AMouseIn,
                   bool AToolBarHotImages = true, bool APressedOffset = false);
  // The flat look that is neither hot nor down: only the content, on the parent.
  void PaintFlatContent();
  void CMMouseEnter(TMessage& AMessage);
  void CMMouseLeave(TMessage& AMessage);
  void CMDialogChar(TMessage& AMessage);

  bool FCheckedMode = false;
  bool FStopMouseUp = false;
  TTimer* AnimateTimer = nullptr;  // owned; enabled while the animation runs
  int CurrentFrame = 0;
  bool AnimateInc = false;
  TTimer* RepeatTimer = nullptr;  // owned; enabled while repeating
  bool FRepeatWaiting = false;    // the first tick only switches to RepeatInterval
  bool FFlat = false;
  bool FAllowAllUpCheck = false;
  double FMorphKf = 0;
  bool FDown = false, FMouseIn = false, FMouseDown = false;
  int FGroupIndex = 0;
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  int FMargin = -1;
  int FSpacing = 1;
  TspButtonLayout FLayout = blGlyphLeft;
  TTimer* MorphTimer = nullptr;  // owned; enabled while the fade runs
  bool FShowCaption = true;
  TCustomImageList* FImageList = nullptr;  // not owned; cleared when freed
  int FImageIndex = 0;
  // Copied from the element.
  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = clBlack, ActiveFontColor = clBlack, DownFontColor = clBlack, DisabledFontColor = clGray;
  TRect ActiveSkinRect, DownSkinRect, DisabledSkinRect, AnimateSkinRect;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
  int FrameCount = 0, AnimateInterval = 0;
  // The drop-down marker pictures the menu speed button draws; an empty hot or flat
  // one is the normal one, an empty pressed one the hot one.
  TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
  TColor MenuMarkerTransparentColor = clNone;

  // The menu speed button drives the pressed and hot state while its menu shows.
  friend class TspSkinMenuSpeedButton;
};

// ---------------------------------------------------------------- menu buttons
// Implementation: SkinCtrls_MenuButton.cpp, SkinCtrls_MenuButtonSpeed.cpp.

class TspSkinPopupMenu;

// A push button ("toolmenubutton") that opens a skinned popup menu below itself: the
// whole button, or in TrackButtonMode only its drop-down part (the element's
// TrackButtonRect, else a 15-pixel column at the right) while the rest clicks like a
// push button. Space does not press it; Space, or its accelerator, opens the menu
// outside TrackButtonMode. While the menu shows the button stays down and hover only
// notes where the pointer is; once it closes the button is up, hot only with the
// pointer over it.
class TspSkinMenuButton : public TspSkinButton {
 public:
  explicit TspSkinMenuButton(TComponent* AOwner);

  TspSkinPopupMenu* SkinPopupMenu() const { return FSkinPopupMenu; }
  void SetSkinPopupMenu(TspSkinPopupMenu* AValue);
  // A picture menu, opened after the popup menu when both are set.
  using TspSkinButton::SetSkinImagesMenu;
  using TspSkinButton::SkinImagesMenu;
  using TspSkinButton::UseImagesMenuCaption;
  using TspSkinButton::UseImagesMenuImage;
  bool TrackButtonMode() const { return FTrackButtonMode; }
  void SetTrackButtonMode(bool AValue);
  // Whether a menu this button opened is showing.
  bool MenuTracked() const { return FMenuTracked; }
  TNotifyEvent OnShowTrackMenu;  // before each menu opens
  TNotifyEvent OnHideTrackMenu;  // after it has closed

 protected:
  void WndProc(TMessage& AMessage) override;
  void Dispatch(TMessage& AMessage) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& ABitmap) override;
  // A tool-button element: the button and its 15-pixel drop-down column composed by
  // the state the button is in. A menu-button element: its state picture, and while
  // the menu shows in TrackButtonMode the hot picture with a pressed drop-down part.
  void CreateButtonImage(TBitmap& ABitmap, const TRect& ASource, bool ADown, bool AMouseIn) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;

 private:
  // Whether the client point lies in the part that opens the menu, edges included.
  bool InMenuPart(int AX, int AY) const;
  // Down, tracking, and the menus below the button.
  void TrackMenu();
  // AMorph: the picture menu's close, which fades back instead of repainting.
  void MenuClosed(bool AMorph = false);
  // The image of a tool-button element: scaled ("toolbutton", "bigtoolbutton") or
  // composed in nine parts ("resizebutton", "resizetoolbutton").
  void CreateToolButtonImage(TBitmap& ABitmap, bool AScaled);

  bool FTrackButtonMode = false;
  bool FMenuTracked = false;
  TspSkinPopupMenu* FSkinPopupMenu = nullptr;  // not owned; cleared when freed
  TRect TrackButtonRect;                       // copied from the element
};

enum TspTrackPosition { sptpRight, sptpBottom };

// A speed button ("toolmenubutton") that opens a skinned popup menu below itself:
// the whole button, or in TrackButtonMode only a 15-pixel drop-down strip (at the
// right, or with NewStyle at the bottom by TrackPosition) while the rest presses like
// a speed button. While the menu shows the button stays down and hover changes only
// note where the pointer is; once it closes the button is up and not hot.
class TspSkinMenuSpeedButton : public TspSkinSpeedButton {
 public:
  explicit TspSkinMenuSpeedButton(TComponent* AOwner);

  TspSkinPopupMenu* SkinPopupMenu() const { return FSkinPopupMenu; }
  void SetSkinPopupMenu(TspSkinPopupMenu* AValue);
  // A picture menu, opened after the popup menu when both are set.
  using TspSkinSpeedButton::SetSkinImagesMenu;
  using TspSkinSpeedButton::SkinImagesMenu;
  using TspSkinSpeedButton::UseImagesMenuCaption;
  using TspSkinSpeedButton::UseImagesMenuImage;
  bool TrackButtonMode() const { return FTrackButtonMode; }
  void SetTrackButtonMode(bool AValue);
  bool NewStyle() const { return FNewStyle; }
  // On: binds "resizetoolbutton" at the next paint; off keeps the element.
  void SetNewStyle(bool AValue);
  TspTrackPosition TrackPosition() const { return FTrackPosition; }
  void SetTrackPosition(TspTrackPosition AValue);
  // Whether a menu this button opened is showing.
  bool MenuTracked() const { return FMenuTracked; }
  TNotifyEvent OnShowTrackMenu;  // before each menu opens
  TNotifyEvent OnHideTrackMenu;  // after it has closed
  // Set by an owner that builds the button in code: the tool-button looks draw an
  // arrow (ArrowType 1 left, 2 right, 3 up, 4 down, others none) in place of the marker.
  bool DrawStandardArrow = false;
  int ArrowType = 0;

 protected:
  void Dispatch(TMessage& AMessage) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  // Flat and neither pressed under the pointer nor showing its menu (also only
  // hovered): the content and the marker on the parent, no background; else the speed
  // button's paint.
  void Paint() override;
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& ABitmap) override;
  // NewStyle: the "resizetoolbutton" element with its strip; a tool-button element:
  // the button and its 15-pixel drop-down column; a menu-button element: its state
  // picture, and while the menu shows in TrackButtonMode the hot picture with a
  // pressed drop-down part.
  void CreateButtonImage(TBitmap& ABitmap, const TRect& ASource, bool ADown, bool AMouseIn) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;

 private:
  // Whether the client point lies in the part that opens the menu, edges included.
  bool InMenuPart(int AX, int AY) const;
  TRect MenuPart() const;
  // The drop-down strip of the built-in and tool-button looks.
  TRect Strip() const;
  void PopupMenuBelow();
  void MenuClosed();
  void PaintFlatLook();
  void CreateToolButtonImage(TBitmap& ABitmap, bool AScaled, bool ADown, bool AMouseIn);
  void CreateNewStyleImage(TBitmap& ABitmap, bool ADown, bool AMouseIn);
  // The marker of the tool-button looks in AArea, in the canvas's font colour.
  void DrawToolButtonMarker(TCanvas& ACanvas, const TRect& AArea, bool ADown, bool AActive);

  bool FTrackButtonMode = false;
  bool FMenuTracked = false;
  bool FNewStyle = false;
  TspTrackPosition FTrackPosition = sptpRight;
  TspSkinPopupMenu* FSkinPopupMenu = nullptr;  // not owned; cleared when freed
  TRect TrackButtonRect;                       // copied from the element
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
  void Paint() override;
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

  // Everything the skin look on the element image (UseSkinSize, or a freely resizable
  // element) is drawn from; none with the default font, the shadow or the reflection,
  // or in a descendant. While it stays, the picture of the last paint is the next one.
  struct TSkinLook {
    TComposedImageInputs Element;
    String Caption, FontName;
    TRect TextRect;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor TextColor = 0;
    uint8_t Charset = 0;
    TspEllipsType2 EllipsType = spetNoneEllips;
    TAlignment Alignment = taLeftJustify;
    bool operator==(const TSkinLook&) const = default;
  };
  std::optional<TSkinLook> CurrentSkinLook() const;
  std::optional<TSkinLook> FKeptLook;
  TBitmap FKeptLookImage;
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

  // ---- On a tool bar
 public:
  // On a TspSkinToolBar the bevel keeps centred in the bar's skin client area.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
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

  // Looks the element up; the bar takes the thickness of its picture (DefaultSize
  // without one); repaints.
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

  TspSetAsideSizeLimits FRolledLimits;
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
  // Expires with the panel: its mouse and roll events may free it.
  TLiveGuard FLive;
};

// ---------------------------------------------------------------- tree and list views
//
// The class library's tree view and list view in the colours and font of a skin
// element ("treeview", "listview"), with their own scroll bars replaced by two
// external TspSkinScrollBars that follow the view's hidden scroll state and scroll it
// when the user moves them. The list view also paints its column header itself, plain
// or from a button element ("resizetoolbutton"). Like the labels they are not
// skinned-control descendants: each keeps its own skin data and element index, and
// the form's skin-change walk calls their ChangeSkinData.
// Implementation: SkinCtrls_TreeView.cpp, SkinCtrls_ListView.cpp (skin, bars),
// SkinCtrls_ListViewHeader.cpp (the header), SkinCtrls_ViewsInternal.h with
// SkinCtrls_TreeViewShared.cpp (what both views share).

#include "platform/ui/native/ListView.h"
#include "platform/ui/native/TreeView.h"

// Sent by nothing in the program: the list view paints its header into the device
// context in wParam (the caller's; it stays the caller's).
constexpr UINT SP_PAINTHEADERINTODC = 45512;

class TspSkinCustomTreeView : public TCustomTreeView {
  template <class TView>
  friend struct TspViewPropertyRules;

 public:
  explicit TspSkinCustomTreeView(TComponent* AOwner);
  ~TspSkinCustomTreeView() override;

  // The element looked up again; colours, font and the button pictures taken from
  // it (the defaults without it; an element of another kind keeps the last ones);
  // the bars brought up to date and laid out again. Nothing while loading.
  void ChangeSkinData();
  // The bars follow the tree's own scroll state: shown only while needed and while
  // the tree is visible; an aligned tree's parent lays out again when one appears or
  // goes.
  void UpDateScrollBars();

  // Not owned; forgotten when freed. Setting a loaded one runs ChangeSkinData.
  TspSkinData* SkinData() const { return FSD; }
  void SetSkinData(TspSkinData* AValue);
  // Not owned. A bar given is enabled, hidden, and its OnChange taken over.
  TspSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  void SetVScrollBar(TspSkinScrollBar* AValue);
  TspSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  void SetHScrollBar(TspSkinScrollBar* AValue);
  // Used while there is no element (also applied at once then).
  const TFont& DefaultFont() const { return FDefaultFont; }
  void SetDefaultFont(const TFont& AValue);
  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor AValue);
  // The colours the element gives its lines and button boxes.
  TColor LineColor() const { return FLineColor; }
  TColor ButtonColor() const { return FButtonColor; }
  // The element's pictures of an expanded and a collapsed node's button (empty
  // without them).
  const TBitmap& ExpandImage() const { return FExpandImage; }
  const TBitmap& NoExpandImage() const { return FNoExpandImage; }

  String SkinDataName = "treeview";
  bool UseSkinFont = true;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void WndProc(TMessage& AMessage) override;
  // Without the system's scroll bars.
  void CreateParams(TCreateParams& AParams) override;
  void Change(TTreeNode* ANode) override;

 private:
  void TakeTreeViewElement(const TspDataSkinTreeView& AElement);
  void TakeButtonPicture(TBitmap& ATarget, const TRect& ASource, TBitmap& APicture);
  void VScrollBarChanged();
  void HScrollBarChanged();

  TBitmap FExpandImage, FNoExpandImage;
  TColor FLineColor = clGray;
  TColor FButtonColor = clGray;
  bool FInCheckScrollBars = false;
  TspSkinData* FSD = nullptr;
  int FIndex = -1;
  TFont FDefaultFont;
  TColor FDefaultColor = clWindow;
  TspSkinScrollBar* FVScrollBar = nullptr;
  TspSkinScrollBar* FHScrollBar = nullptr;

  // ---- the tree's own item painting (SkinCtrls_TreeViewItems.cpp)
 public:
  // On: the tree paints every item itself (lines, buttons, images, the selection from
  // the list-box element ItemSkinDataName), replacing any OnAdvancedCustomDrawItem.
  // Off again leaves the painter in place. Without that element the class library
  // draws the items.
  bool DrawSkin() const { return FDrawSkin; }
  void SetDrawSkin(bool AValue);
  String ItemSkinDataName = "listbox";
  // Not owned; pictures of a collapsed and an expanded node's button.
  TCustomImageList* ButtonImageList() const { return FButtonImageList; }
  void SetButtonImageList(TCustomImageList* AValue);
  int ButtonNoExpandImageIndex = 0;
  int ButtonExpandImageIndex = 1;

 private:
  void DrawSkinItem(TTreeNode* ANode, TCustomDrawState AState, TCustomDrawStage AStage, bool& ADefaultDraw);
  void DrawNodeLines(TCanvas& ACanvas, const TRect& ARow, int AX0, TTreeNode* ANode);
  void DrawNodeButton(TCanvas& ACanvas, int AB, int AC, TTreeNode* ANode);
  void DrawNodeImage(TCanvas& ACanvas, const TRect& ARow, int AX0, TTreeNode* ANode);
  void DrawNodeCaption(TCanvas& ACanvas, TTreeNode* ANode, TCustomDrawState AState,
                       const TspDataSkinListBox& AItems, TBitmap& AItemsPicture);
  void DrawFadingLine(TCanvas& ACanvas, int AFromX, int AToX, int AY);

  bool FDrawSkin = false;
  TCustomImageList* FButtonImageList = nullptr;
  // Half the side of an expand button, settled at each item.
  int FButtonSize = 5;
};

class TspSkinCustomListView : public TCustomListView {
  template <class TView>
  friend struct TspViewPropertyRules;

 public:
  // Font and colour the defaults; the header's painter is made here.
  explicit TspSkinCustomListView(TComponent* AOwner);
  // Gives the header back its own window procedure.
  ~TspSkinCustomListView() override;

  // As the tree view's; the grid-line colour is the font colour averaged three times
  // toward the background; in report view the header repaints.
  void ChangeSkinData();
  // By view style (see the .cpp); nothing without a window, while the list scrolls
  // itself for a bar, or for a list of 5 pixels or less either way.
  void UpDateScrollBars();

  TspSkinData* SkinData() const { return FSD; }
  void SetSkinData(TspSkinData* AValue);
  TspSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  void SetVScrollBar(TspSkinScrollBar* AValue);
  TspSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  void SetHScrollBar(TspSkinScrollBar* AValue);
  const TFont& DefaultFont() const { return FDefaultFont; }
  void SetDefaultFont(const TFont& AValue);
  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor AValue);
  TColor LineColor() const { return FLineColor; }
  // The subclassed column header (nullptr before report view first shows it).
  HWND HeaderHandle() const { return FHeaderHandle; }

  String SkinDataName = "listview";
  String HeaderSkinDataName = "resizetoolbutton";
  bool UseSkinFont = true;
  // Draws a section's content instead of the caption (R: the section's whole area
  // on ACanvas).
  std::function<void(TCanvas& ACanvas, TListColumn* AColumn, bool APressed, const TRect& R)>
      OnDrawHeaderSection;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void WndProc(TMessage& AMessage) override;
  void CreateParams(TCreateParams& AParams) override;
  void Change(TListItem* AItem, TItemChange AChange) override;

 private:
  // The header element's values, or none.
  struct THeaderSkin {
    TBitmap* Picture = nullptr;
    // The element's corners, client rectangle, picture rectangle and stretch flags.
    TspSkinImageGeometry Geometry;
    TRect DownSkinRect;
    TColor FontColor = clBtnText, DownFontColor = clBtnText;
  };

  void UpdateIconViewBars(bool& AVChanged, bool& AHChanged);
  void UpdateListViewBars(bool& AVChanged, bool& AHChanged);
  void UpdateReportViewBars(bool& AVChanged, bool& AHChanged);
  int ItemZeroHeight();
  void VScrollBarChanged();
  void HScrollBarChanged();
  // The header (SkinCtrls_ListViewHeader.cpp).
  void HeaderCreated(HWND AChild);
  void ReleaseHeader();
  LRESULT HeaderWndProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  void HeaderMouse(UINT AMessage, LPARAM ALParam);
  TRect SectionRect(int AIndex);
  THeaderSkin GetHeaderSkinData();
  void PaintHeader(HDC ADC);
  void DrawHeaderSection(TCanvas& ACanvas, const THeaderSkin& ASkin, TListColumn* AColumn, const TRect& R,
                         bool APressed);
  void DrawHeaderRest(TCanvas& ACanvas, const THeaderSkin& ASkin, const TRect& R);

  TColor FLineColor = clGray;
  bool FDevDown = false;
  bool FInCheckScrollBars = false;
  bool FromSB = false;
  TspSkinData* FSD = nullptr;
  int FIndex = -1;
  TFont FDefaultFont;
  TColor FDefaultColor = clWindow;
  TspSkinScrollBar* FVScrollBar = nullptr;
  TspSkinScrollBar* FHScrollBar = nullptr;
  int FOldVScrollBarPos = 0;
  int FOldHScrollBarPos = 0;
  HWND FHeaderHandle = nullptr;
  WNDPROC FHeaderInstance = nullptr;
  WNDPROC FDefHeaderProc = nullptr;
  int FActiveSection = -1;
  bool FHeaderDown = false;

  // ---- the list's own item painting (SkinCtrls_ListViewItems.cpp)
 public:
  // On: the list paints every item itself (the selection from the list-box element
  // ItemSkinDataName, check boxes from the element CheckSkinDataName, sub-items and
  // grid lines), replacing any OnCustomDrawItem, and header sections can no longer be
  // dragged to another place. Off again leaves the painter in place. Without the
  // list-box element the class library draws the items.
  bool DrawSkin() const { return FDrawSkin; }
  void SetDrawSkin(bool AValue);
  // Grid lines in the skin's line colour (report view, with DrawSkin).
  bool DrawSkinLines = false;
  String ItemSkinDataName = "listbox";
  String CheckSkinDataName = "checkbox";
  // Draws sub-item ASubItemIndex (0: the first after the caption) in ADrawRect
  // instead of its image and text.
  std::function<void(TCustomListView* Sender, TListItem* AItem, int ASubItemIndex, TCustomDrawState AState,
                     TCanvas& ACanvas, const TRect& ADrawRect)>
      OnDrawSkinSubItem;

 private:
  struct TItemRects;
  void DrawSkinItem(TListItem* AItem, TCustomDrawState AState, bool& ADefaultDraw);
  TItemRects ItemRectsOf(TListItem* AItem);
  void DrawItemCaption(TCanvas& ACanvas, const String& ACaption, const String& AShortened, TRect ALabel,
                       bool ACut);
  // The pictures of the items: the native list while neither LargeImages nor
  // SmallImages is set, else the one of the view style.
  TCustomImageList* ItemImages() const;
  void DrawItemImage(TListItem* AItem, const TRect& AIcon);
  void DrawItemCheckBox(TListItem* AItem, const TRect& AIcon, const TRect& ABounds);
  void DrawSubItems(TCanvas& ACanvas, TListItem* AItem, TCustomDrawState AState, const TRect& ABounds,
                    int ATop, int ABottom, bool AFill);
  void DrawGridLines(TListItem* AItem, const TRect& ABounds);
  // In report view with a header, the row just under the header in the list's colour.
  void FillBelowHeader();

  bool FDrawSkin = false;
  // The list's own native image list (LVM_GETIMAGELIST: the normal one in icon view,
  // else the small one), taken at each item while neither image list is set.
  TCustomImageList* FThirdImages = nullptr;
};

// The list view placed on forms.
class TspSkinListView : public TspSkinCustomListView {
 public:
  using TspSkinCustomListView::TspSkinCustomListView;
};
