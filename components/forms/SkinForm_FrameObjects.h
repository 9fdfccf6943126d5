#pragma once
// The frame objects of a skinned form: the live objects the frame is drawn with and
// the mouse acts on, one per object record of the skin, kept in the form's ObjectList
// (see TspSkinFormObjects in SkinForm_Objects.h). User-interface thread only.
//
// Implementation: SkinForm_Objects.cpp (the base and the plain kinds),
// SkinForm_FrameButtons.cpp, SkinForm_FrameButtonsAnimate.cpp and
// SkinForm_FrameButtonsMenuItem.cpp (push buttons, caption buttons, animations and
// main-menu items), SkinForm_Caption.cpp and SkinForm_CaptionQuickButtons.cpp (the
// caption object), SkinForm_CaptionButtons.cpp (the built-in caption buttons' look),
// SkinForm_ObjGauge.cpp, SkinForm_ObjFrames.cpp, SkinForm_ObjRegulator.cpp,
// SkinForm_ObjTrackBar.cpp and SkinForm_ObjBitLabel.cpp (the objects with values).

#include "components/core/SkinData.h"
#include "components/core/spEffBmp.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"

class TspSkinForm;
class TspQuickButtonItem;

// ---------------------------------------------------------------- frame objects
//
// The live objects a skinned form keeps in its ObjectList, one per object record of
// the skin (SkinForm_Objects.cpp), or the six built-in caption buttons of a form
// without skin. ObjectRect is in window coordinates in frame mode and in client
// coordinates in client-area mode; the mouse points handed to an object are in the same
// coordinates. An object keeps no picture of its own: its pictures belong to the skin.

class TspActiveSkinObject {
 public:
  // An object without skin record (the built-in caption buttons).
  explicit TspActiveSkinObject(TspSkinForm* AParent);
  // Takes name, hint, looks, morphing, cursor, roll-up and glow values from the skin
  // record, and its pictures from the skin's picture list (an index the list lacks
  // names none; without an active picture there is no hot look either).
  TspActiveSkinObject(TspSkinForm* AParent, const TspDataSkinObject& AData);
  virtual ~TspActiveSkinObject() = default;
  TspActiveSkinObject(const TspActiveSkinObject&) = delete;
  TspActiveSkinObject& operator=(const TspActiveSkinObject&) = delete;

  // Whether the point (relative to the object's top-left corner) belongs to the
  // object: every point without a mask picture, else only the mask's black pixels.
  virtual bool HitTest(int X, int Y) const;
  // Draws the object at ObjectRect on Cnvs: the inactive look, a morph frame, the hot
  // look or the normal look. UpDate: the object is drawn alone over a finished frame
  // rather than into a frame composed from the frame picture, which already shows the
  // normal look.
  virtual void Draw(TCanvas& Cnvs, bool UpDate);
  virtual void DblClick() {}
  // X, Y are window points (client points in client-area mode), passed on to the
  // form's object events as they came.
  virtual void MouseDown(int X, int Y, TMouseButton Button);
  virtual void MouseUp(int X, int Y, TMouseButton Button);
  virtual void MouseMove(int X, int Y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  // The glow picture of the object in a layered window of the form's (its layer
  // manager's) around the object, faded in; only with a skin that gives the object a
  // glow and allows glow frames (SkinForm_ObjGlow.cpp).
  void ShowLayer();
  void HideLayer();
  bool GlowAllowed() const;
  // A morph step is still to be done towards the look Active asks for.
  virtual bool CanMorphing() const;

  // Morphing applies: asked for by the record, a hot look to morph to and the skin's
  // effects on.
  bool EnableMorphing() const;
  // One morph step of 0.2 towards the hot look (Active) or the normal look, redrawn.
  void DoMorphing();
  double MorphKf() const { return FMorphKf; }
  // Clamped to 0..1.
  void SetMorphKf(double AValue);

  TspSkinForm* Parent;
  TspSkinData* SD = nullptr;
  // The frame picture (the roll-up picture for a roll-up object), the object's own
  // picture and its mask; not owned, nullptr for none.
  TBitmap* Picture = nullptr;
  TBitmap* ActivePicture = nullptr;
  TBitmap* ActiveMaskPicture = nullptr;
  String IDName, Hint;
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
  TRect ObjectRect;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
  // The skin cursor over the object; -1 the skin's default one.
  int CursorIndex = -1;
  // Its pictures are not part of the frame picture, so the caption layout may move it.
  bool SkinRectInAPicture = false;
  // Belongs to the rolled-up picture.
  bool RollUp = false;
  bool Visible = true;
  bool Enabled = true;
  bool Active = false;
  bool FMouseIn = false;
  int GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
  int GlowLayerOffsetX = 0, GlowLayerOffsetY = 0, GlowLayerAlphaBlendValue = 0;

 protected:
  // Redraws now, or lets the form's morph timer carry the change when morphing applies.
  void ReDraw();
  // The form has a loaded skin to draw from.
  bool HasSkin() const;
  // ASource of APicture stretched onto ObjectRect.
  void DrawLook(TCanvas& Cnvs, TBitmap& APicture, const TRect& ASource) const;
  // The normal look morphed towards the hot look by MorphKf, at ObjectRect.
  void DrawMorphFrame(TCanvas& Cnvs) const;
  // ANormal of ANormalPicture morphed towards AHot of ActivePicture by MorphKf, at
  // ObjectRect.
  void DrawMorphBetween(TCanvas& Cnvs, TBitmap* ANormalPicture, const TRect& ANormal,
                        const TRect& AHot) const;
  // A morph from one look to the other is under way.
  bool MorphUnderWay() const { return (Active && FMorphKf != 1) || (!Active && FMorphKf != 0); }
  // Notes the hover and reports it (OnMouseEnterEvent or OnMouseLeaveEvent), for the
  // kinds whose look does not follow the mouse.
  void ReportHover(bool AMouseIn);

  double FMorphKf = 0;
};

// An area of the frame the application paints itself (OnPaintEvent).
class TspUserObject : public TspActiveSkinObject {
 public:
  using TspActiveSkinObject::TspActiveSkinObject;
  void Draw(TCanvas& Cnvs, bool UpDate) override;
};

enum TSwitchState : int { swsOn, swsOff };

// A two-state switch: its on look is the hot look, and a left press toggles it.
class TspSkinSwitchObject : public TspActiveSkinObject {
 public:
  using TspActiveSkinObject::TspActiveSkinObject;

  TSwitchState State() const { return FState; }
  // Stores the state, morphs to its look and reports it (OnSwitchChangeStateEvent).
  void SetState(TSwitchState AValue);
  // Stores the state without drawing or event (the on look at once).
  void SimpleSetState(TSwitchState AValue);
  void MouseDown(int X, int Y, TMouseButton Button) override;
  // The look follows the state, not the mouse: only the hover and the event change.
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  TSwitchState FState = swsOff;
};

// A text in a system font on a piece of the frame picture (or, hot, of its own picture).
class TspSkinLabelObject : public TspActiveSkinObject {
 public:
  TspSkinLabelObject(TspSkinForm* AParent, const TspDataSkinLabel& AData);

  // Drawn whatever UpDate says: the text is not part of the frame picture.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  void MouseEnter() override;
  void MouseLeave() override;
  const String& TextValue() const { return FTextValue; }
  void SetTextValue(const String& AValue, bool AUpDate);

  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = clBlack, ActiveFontColor = clBlack;
  TAlignment Alignment = taLeftJustify;

 private:
  // ASource of APicture stretched to the object with the text on it in AColor.
  void ComposeLabel(TBitmap& AImage, TBitmap& APicture, const TRect& ASource, TColor AColor) const;
  // The hover changes the look when there is a hot picture or a hot colour.
  bool HoverChangesLook() const;

  String FTextValue;
};

// A push button of the frame (SkinForm_FrameButtons.cpp): down from press to release,
// or, in a radio group (GroupIndex), until another button of the group goes down.
class TspSkinButtonObject : public TspActiveSkinObject {
 public:
  // A button without skin record (the built-in caption buttons).
  explicit TspSkinButtonObject(TspSkinForm* AParent) : TspActiveSkinObject(AParent) {}
  TspSkinButtonObject(TspSkinForm* AParent, const TspDataSkinButton& AData);

  bool Down() const { return FDown; }
  // Shows the down look (or, with a menu and no down look, the hot one); going down
  // sets the other down button of its group up.
  void SetDown(bool AValue);
  // The disabled look, the down look while in a group or under the mouse, else the
  // base looks.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // A left press sets the button down; a left release sets a plain one up again. A
  // release away from the button is not reported.
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  bool FDown = false;
  // The popup opens above the button.
  bool FPopupUp = false;
  TRect DownRect, DisableSkinRect;
  // The radio group; -1 none.
  int GroupIndex = -1;
  // The items a press pops up; not owned.
  TMenuItem* MenuItem = nullptr;

 private:
  void ReleaseGroup();
};

// A caption button: close, maximize, minimize, system menu, roll-up, minimize to tray,
// or a plain one (cmDefault).
class TspSkinStdButtonObject : public TspSkinButtonObject {
 public:
  // A built-in caption button of a form without skin.
  TspSkinStdButtonObject(TspSkinForm* AParent, const String& AIDName, TStdCommand ACommand);
  // A caption button of the skin.
  TspSkinStdButtonObject(TspSkinForm* AParent, const TspDataSkinStdButton& AData);
  // The built-in look without skin; with one, the restore looks while the command's
  // restore sense holds, else the button looks.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // The hint follows the restore sense. A button showing the form's icon keeps no hover.
  void MouseEnter() override;
  void MouseLeave() override;
  // A left press sets the button down (no event); the left release runs its command
  // while the button is hot: close, maximize or restore, minimize or restore.
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  // A double click on the system-menu button closes the form.
  void DblClick() override;

  // Made from a skin record; false for the built-in buttons.
  bool FSkinSupport = false;
  TStdCommand Command;
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
  String RestoreHint, FTempHint;

 private:
  void DrawBuiltIn(TCanvas& Cnvs);
  void DrawSkinLook(TCanvas& Cnvs, bool UpDate);
  // The command is in its restore sense: maximize while maximized, minimize while
  // minimized (for the look, not on the application's main form), roll-up while
  // rolled up.
  bool InRestoreSense(bool AForLook) const;
  // The system-menu button showing the form's icon.
  bool ShowsFormIcon() const;
};

// An animation of the frame (SkinForm_FrameButtonsAnimate.cpp): a strip of frames of
// SkinRect's size laid side by side from ActiveSkinRect's top-left corner, played by
// the form's animation timer. With ButtonStyle it is a caption button that plays
// forward while hovered and back to its first frame when left, and runs its command.
class TspSkinAnimateObject : public TspActiveSkinObject {
 public:
  // A frame interval below 25 ms becomes 25, a strip of no frames one of one.
  TspSkinAnimateObject(TspSkinForm* AParent, const TspDataSkinAnimate& AData);

  // Drawn whatever UpDate says: the down look, the inactive look or the current frame.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  void DblClick() override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // Opens MenuItem through the form, held at its last frame while the menu is open.
  void OpenMenu();
  // Its menu closed: plays back from the last frame.
  void ReleaseMenu();
  // Plays from the first frame; stops at the first frame.
  void Start();
  void Stop();
  // One tick of the animation timer: the next frame once TimerInterval has gathered.
  void ChangeFrame();
  int Frame() const { return FFrame; }
  // Wraps past either end in the play direction, and redraws.
  void SetFrame(int AValue);
  // Back at the first frame, without drawing; the next paint shows it.
  void Rewind() { FFrame = 1; }
  // Held down with a down look, which stands still.
  bool ShownPressed() const { return FDown && !RectangleIsEmpty(DownSkinRect); }

  // Its popup menu is open.
  bool FMenuTracking = false;
  // Milliseconds per frame.
  int TimerInterval = 25;
  // The items a press pops up; not owned.
  TMenuItem* MenuItem = nullptr;
  bool FDown = false;
  bool FPopupUp = false;
  int CountFrames = 1;
  bool Cycle = false;
  bool ButtonStyle = false;
  // The play direction: forward.
  bool Increment = true;
  TStdCommand Command = cmDefault;
  TRect DownSkinRect, RestoreRect, RestoreActiveRect, RestoreInActiveRect, RestoreDownRect;
  String RestoreHint, FTempHint;

 private:
  // Maximize while maximized, minimize while minimized, roll-up while rolled up, with a
  // restore look.
  bool InRestoreSense() const;
  // A ButtonStyle animation plays on the animation timer, or redraws when held down.
  void PlayOrRedraw();

  int FFrame = 1;
  // Milliseconds gathered since the last frame change.
  int FInc = 25;
};

// A top-level item of the form's main menu drawn in the frame's menu strip
// (SkinForm_FrameButtonsMenuItem.cpp), from the skin's "MAINMENUITEM" object: as wide as
// its caption, placed after the item before it, hidden (and disabled) while it does not
// fit into the strip. Down while its menu is open; moving along the strip with a menu
// open takes the down state along.
class TspSkinMainMenuItem : public TspActiveSkinObject {
 public:
  // IDName, Enabled and MenuItem from the menu item (not owned).
  TspSkinMainMenuItem(TspSkinForm* AParent, const TspDataSkinMainMenuItem& AData, TMenuItem* AMenuItem);

  // Its down, hot or normal look, or the morph between the last two, with its caption;
  // nothing while it does not fit.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // Sets ObjectRect in the current strip after the items before it (laid out first);
  // false when the item does not fit, which hides and disables it until it fits again.
  bool LayOut();
  // A left press sets an item with sub-items down, or runs the command of one without.
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool Down() const { return FDown; }
  // Down enters main-menu mode (OnMainMenuEnter); up fades out from the hot look.
  void SetDown(bool AValue);

  bool FDown = false;
  bool OldEnabled = true;
  // The item fits into the menu strip (beside the base's Visible).
  bool Visible = true;
  TMenuItem* MenuItem;
  String FontName;
  int FontHeight = 0;
  TFontStyles FontStyle;
  TColor UnEnabledFontColor = clBlack, FontColor = clBlack, ActiveFontColor = clBlack,
         DownFontColor = clBlack;
  TRect TextRct, DownRect;
  // Widths of the fixed left and right ends of the item picture.
  int LO = 0, RO = 0;

 private:
  void SetItemFont(TFont& AFont) const;
  // The menu item's sub-items as a popup of the form's chain at the item.
  void PopupSubMenu();
  // ASource of ActivePicture with fixed ends and a tiled middle, the caption on it in
  // AColor.
  void ComposeItem(TBitmap& AImage, const TRect& ASource, TColor AColor) const;
  void DrawItem(TCanvas& Cnvs);
  TColor TextColor(bool AHot) const;
};

// The form's title in its place on the frame (SkinForm_Caption.cpp): the skin's
// caption picture (active, inactive, or morphing between them) with the text on it,
// cut with "..." to fit its text area, placed by its alignment and drawn with the
// skin's light, shadow, glow or reflection.
class TspSkinCaptionObject : public TspActiveSkinObject {
 public:
  TspSkinCaptionObject(TspSkinForm* AParent, const TspDataSkinCaption& AData);

  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // Every release is reported, also one away from the caption. A left press and
  // release on the same quick button clicks it.
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseMove(int X, int Y) override;
  // The hover is reported; the caption's look does not follow it.
  void MouseEnter() override;
  void MouseLeave() override;

  // The quick button under the window point (X, Y) becomes the hot one (-1, -1: none);
  // the row is repainted when that changes.
  void TrackQuickButtons(int X, int Y);
  // Repaints the frame, with the caption and its quick buttons.
  void RedrawQuickButtons();
  // Indexes of the hot quick button, the one before it, and the one pressed with the
  // left button and waiting for the release; -1 none.
  int ActiveQuickButton = -1, OldActiveQuickButton = -1, MouseCaptureQuickButton = -1;
  // The quick button whose popup menu is open; -1 none. It is kept out of the hover
  // tracking until the menu closes.
  int PopupMenuQuickButton = -1;
  // The menu of the quick button PopupMenuQuickButton closed: it is let go.
  void ReleaseQuickButtonMenu();

  // Shown instead of the form's caption when DefaultCaption is off on a form in
  // client-area mode. Setting it redraws the object; SimpleSetTextValue does not.
  const String& TextValue() const { return FTextValue; }
  void SetTextValue(const String& AValue);
  void SimpleSetTextValue(const String& AValue) { FTextValue = AValue; }

  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = clBlack, ActiveFontColor = clBlack;
  TColor ShadowColor = clBlack, ActiveShadowColor = clBlack;
  bool Shadow = false;
  TAlignment Alignment = taLeftJustify;
  // The text area relative to the object's top-left corner, for the size of SkinRect.
  TRect TextRct;
  bool DefaultCaption = false;
  // A strip of ActivePicture drawn behind the text, its ends fixed; empty: none.
  TRect FrameRect, ActiveFrameRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;
  TRect FrameTextRect;
  TColor LightColor = clBlack, ActiveLightColor = clBlack;
  bool Light = false;
  // The caption picture's middle stretched (or tiled) when the object is wider.
  bool StretchEffect = false;
  bool FullFrame = false;
  bool VistaGlowEffect = false, VistaGlowInActiveEffect = false;
  bool GlowEffect = false, GlowInActiveEffect = false;
  int GlowSize = 0;
  TColor GlowColor = clBlack, GlowActiveColor = clBlack;
  int GlowOffset = 0;
  bool ReflectionEffect = false;
  TColor ReflectionColor = clBlack, ReflectionActiveColor = clBlack;
  int ReflectionOffset = 0;
  // A picture of ActivePicture right of the quick buttons, active and inactive; empty:
  // none.
  TRect DividerRect, InActiveDividerRect;
  bool DividerTransparent = false;
  TColor DividerTransparentColor = clBlack;

  // ---- The frame animation (SkinForm_CaptionAnimation.cpp): a strip of FrameCount
  // frames in ActivePicture, played forward when the form activates and, with
  // InActiveAnimation, back when it deactivates; after the last frame the plain active
  // look shows.
  // A skin with its effects on and a strip of frames.
  bool EnableAnimation() const;
  // The form's activation is AActive. When it changed (AChanged), with ARedraw, the
  // animation starts from its first frame, or from its last one backwards; with ARedraw
  // the caption is redrawn, without it only a morph factor jumps to its end.
  void FollowActivation(bool AActive, bool AChanged, bool ARedraw);
  // One tick of the form's animation timer; whether the animation is still under way.
  bool AnimationStep();
  // Empty: no animation.
  TRect AnimateSkinRect;
  int FrameCount = 0;
  // Milliseconds per frame.
  int AnimateInterval = 25;
  // The frame shown, from 1; 0 none, FrameCount + 1 past the last one.
  int CurrentFrame = 0;
  bool InActiveAnimation = false;
  // Milliseconds gathered towards the next frame.
  int FIncTime = 25;

 private:
  // Frame k (from 1) of the strip: stacked when the strip is higher than SkinRect,
  // else side by side.
  TRect AnimationFrameRect(int AFrame) const;
  // The current frame with the text on it, when one is to show; whether it was drawn.
  bool DrawAnimationFrame(TCanvas& Cnvs);
  // The caption's picture (active, inactive or morphing) with the text, or the text
  // alone over the frame.
  void DrawPictureAndText(TCanvas& Cnvs, bool UpDate);
  // The form shows quick buttons on this caption (frame mode).
  bool ShowsQuickButtons() const;
  // The item's popup menu below it.
  void PopupQuickButtonMenu(const TspQuickButtonItem& AItem);
  // The room the quick-button row (with its divider) takes at the left of the text.
  int QuickButtonsRoom() const;
  const TRect& CurrentDividerRect() const;
  // The divider and the quick buttons, laid out for the current place, onto Cnvs.
  void DrawQuickButtons(TCanvas& Cnvs);
  void DrawQuickButton(TCanvas& Cnvs, const TspQuickButtonItem& AItem) const;
  // The text area of the current size: TextRct with its right margin kept from the
  // object's right edge, narrowed to the text plate of the frame strip.
  TRect TextArea() const;
  // The picture ASource (of the size of SkinRect) fitted to ObjectRect's size.
  void FitPicture(TBitmap& ATarget, TBitmap& APicture, const TRect& ASource) const;
  // The caption picture ASource fitted, with the text on it in the look of AActive.
  void ComposeImage(TBitmap& AImage, TBitmap& APicture, const TRect& ASource, bool AActive);
  void SetCaptionFont(TCanvas& ACanvas, TColor AColor) const;
  // The caption text in TR moved by (AOffX, AOffY), in the look of AActive.
  void DrawCaptionText(TCanvas& ACanvas, const TRect& TR, int AOffX, int AOffY, bool AActive);
  void DrawFrameStrip(TCanvas& ACanvas, int AX, int AY, int ATextWidth, int AOffX, bool AActive);
  void DrawMainText(TCanvas& ACanvas, const String& AText, int AX, int AY, bool AActive);
  // The inactive-window effect of the skin on an inactive image, when the form uses it.
  void ApplyInActiveEffect(TBitmap& AImage) const;

  String FTextValue;
};

// ---------------------------------------------------------------- frame objects with values
//
// Gauges, frame strips, regulators, track bars and bit-map-font labels
// (SkinForm_ObjGauge.cpp, SkinForm_ObjFrames.cpp, SkinForm_ObjRegulator.cpp,
// SkinForm_ObjTrackBar.cpp, SkinForm_ObjBitLabel.cpp). Their values always lie within
// their limits, whatever the skin gives: a range of one value (MaxValue = MinValue)
// shows the minimum's look, and value steps stop at the limits instead of overflowing.

// A gauge: its hot picture (ActiveSkinRect of ActivePicture) fills the part of its
// place that the value reaches, from the left or from the bottom.
class TspSkinGaugeObject : public TspActiveSkinObject {
 public:
  TspSkinGaugeObject(TspSkinForm* AParent, const TspDataSkinGauge& AData);

  // The empty gauge is part of the frame picture: a frame being composed draws nothing
  // while the value is the minimum.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // Only the hover and the event: the gauge's look follows its value.
  void MouseEnter() override;
  void MouseLeave() override;

  int Value() const { return FValue; }
  // Stores the value clamped into MinValue..MaxValue and redraws.
  void SetValue(int AValue);
  // The same without drawing (an unchanged value is ignored).
  void SimplySetValue(int AValue);
  // Where the progress ends, in object coordinates: (x, 0) horizontally, (0, y)
  // vertically; the previous one.
  TPoint ProgressPos() const { return FProgressPos; }
  TPoint OldProgressPos() const { return FOldProgressPos; }

  int MinValue = 0, MaxValue = 0;
  TGaugeKind Kind = gkHorizontal;

 private:
  TPoint CalcProgressPos() const;

  int FValue = 0;
  TPoint FProgressPos, FOldProgressPos;
};

// A picture made of CountFrames equal frames in ActiveSkinRect of ActivePicture, side
// by side (fpHorizontal) or one under the other (fpVertical); the frame shown is
// stretched onto the object's place.
class TspSkinFrameObject : public TspActiveSkinObject {
 public:
  TspSkinFrameObject(TspSkinForm* AParent, const TspDataSkinObject& AData, int ACountFrames,
                     TFramesPlacement AFramesPlacement);

  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // Frames count from 1; another number is ignored. Setting one redraws.
  int Frame() const { return FFrame; }
  void SetFrame(int AValue);

  int FrameW = 0, FrameH = 0;
  int CountFrames = 0;
  TFramesPlacement FramesPlacement = fpHorizontal;

 protected:
  // The frame showing AValue of AMin..AMax: the range cut into CountFrames - 1 steps,
  // always one of the strip's frames.
  int FrameForValue(int AValue, int AMin, int AMax) const;

  int FFrame = 1;
};

// A gauge shown as one frame of a strip per step of its value.
class TspSkinFrameGaugeObject : public TspSkinFrameObject {
 public:
  TspSkinFrameGaugeObject(TspSkinForm* AParent, const TspDataSkinFrameGaugeObject& AData);

  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // The hover and the event only.
  void MouseEnter() override;
  void MouseLeave() override;

  int Value() const { return FValue; }
  // A value outside MinValue..MaxValue, or the current one, is ignored; else stored and
  // (SetValue) redrawn.
  void SetValue(int AValue);
  void SimplySetValue(int AValue);

  int MinValue = 0, MaxValue = 0;

 private:
  // Starts at 0, also when that lies outside the limits.
  int FValue = 0;
};

// A knob (rkRound) or slider (rkHorizontal, rkVertical) made of frames, turned or
// pulled with the mouse held down anywhere on it.
class TspSkinFrameRegulatorObject : public TspSkinFrameObject {
 public:
  TspSkinFrameRegulatorObject(TspSkinForm* AParent, const TspDataSkinFrameRegulatorObject& AData);

  void Draw(TCanvas& Cnvs, bool UpDate) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseMove(int X, int Y) override;

  int Value() const { return FValue; }
  // A value outside MinValue..MaxValue, or the current one, is ignored; else stored,
  // redrawn (SetValue only) and reported (OnFrameRegulatorChangeValueEvent).
  void SetValue(int AValue);
  void SimplySetValue(int AValue);
  // The direction of AP (object coordinates) from the object's centre, in whole
  // degrees clockwise from straight down: 0 down, 90 left, 180 up, 270 right. False for
  // the centre itself, which has no direction.
  bool PointAngle(TPoint AP, int& AAngle) const;

  int MinValue = 0, MaxValue = 0;
  TRegulatorKind Kind = rkRound;

 private:
  // The pointer's reading: its angle (rkRound), x, or -y (so that up increases).
  bool ReadPointer(TPoint AP, int& AReading) const;
  void CircularStep();
  void LinearStep();
  // TempValue moved by FValInc up or down, kept within the limits, becomes the value.
  void StepValue(bool AIncrease);

  int FPixInc = 1, FValInc = 1;
  bool FDown = false;
  // A press at the centre of a knob has no reading yet: the first move gives it.
  bool FHasStart = false;
  int StartV = 0, CurV = 0, OldCurV = 0;
  int TempValue = 0;
  int FValue = 0;
};

// A track bar on the frame: a thumb dragged along the path from BeginPoint (MinValue)
// to EndPoint (MaxValue), the path left of (or below) it shown in the hot picture.
class TspSkinTrackBarObject : public TspActiveSkinObject {
 public:
  TspSkinTrackBarObject(TspSkinForm* AParent, const TspDataSkinTrackBar& AData);

  void Draw(TCanvas& Cnvs, bool UpDate) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseMove(int X, int Y) override;

  int Value() const { return FValue; }
  // Stores the value clamped into the limits, places the thumb, redraws and reports
  // it (OnTrackBarChangeValueEvent); the current value is ignored.
  void SetValue(int AValue);
  // The same without drawing and without the test for the current value.
  void SimplySetValue(int AValue);
  // The centre of the thumb in object coordinates, and the thumb's rectangle there.
  TPoint ButtonPos() const { return FButtonPos; }
  TRect ThumbRect() const;
  bool MoveActive() const { return FMoveActive; }

  TTrackKind TrackKind = tkHorizontal;
  TRect ButtonRect, ActiveButtonRect;
  TPoint BeginPoint, EndPoint;
  int MinValue = 0, MaxValue = 0;
  bool MouseDownChangeValue = false;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = clBlack;

 private:
  TPoint PosForValue(int AValue) const;
  int ValueForPos(TPoint APos) const;
  // Moves the thumb to APos and takes the value there; redraws and reports.
  void MoveButtonTo(TPoint APos);

  int FValue = 0;
  TPoint FButtonPos, FOldButtonPos;
  bool FMoveActive = false;
  TPoint FOldMPoint;
};

// A text in a bit-map font: each character's picture is a cell of the symbol table in
// ActivePicture (from ActiveSkinRect's top-left), found by the character's place in
// the rows of Symbols.
class TspSkinBitLabelObject : public TspActiveSkinObject {
 public:
  TspSkinBitLabelObject(TspSkinForm* AParent, const TspDataSkinBitLabel& AData);

  // Drawn whatever UpDate says: the text is not part of the frame picture.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  const String& TextValue() const { return FTextValue; }
  void SetTextValue(const String& AValue, bool AUpDate);
  // The cell (column, row) of a character in the symbol table; false for one the table
  // lacks.
  bool FindSymbol(char32_t ACharacter, TPoint& ACell) const;

  int SymbolWidth = 0, SymbolHeight = 0;
  // The skin record's rows of characters; not owned.
  const TStringList* Symbols = nullptr;
  bool Transparent = false;
  TColor TransparentColor = clBlack;

 private:
  String FTextValue;
};
