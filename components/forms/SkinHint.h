#pragma once
// SkinHint: the skinned hint of the whole application.
//
// TspSkinHint is a non-visual component placed on the main form. On creation it makes
// TspSkinHintWindow the application's hint window class and hooks the application's
// OnShowHint, so that the hints of skinned controls carry their title and picture; it
// also shows hints of its own at once or after the application's pauses (the skin
// library's frame objects and picture menus ask it to).
//
// TspSkinHintWindow is the hint window: the component's line separator becomes a line
// break, the window takes the size of the text (and title and picture) plus the skin's
// hint frame, keeps inside the work area, draws the skin's hint picture or a built-in
// look, and fades in when asked. It never takes activation: it answers
// WM_MOUSEACTIVATE with MA_NOACTIVATE and is shown top-most without activation. The
// window shows nothing while no active TspSkinHint sits on the main form.
//
// Files: SkinHint_Component.cpp (installing the window class, the OnShowHint hook, the
// shows at once and after a pause, the cursor margin), SkinHint_Window.cpp (showing:
// text, size, place, layering, region, fade), SkinHint_Layout.cpp (the separator,
// the font and the size of the window for its text, title and picture),
// SkinHint_Paint.cpp (the skin and the built-in look).
//
// User-interface thread only.

#include <cstdint>
#include <memory>

#include "components/core/SkinData.h"
#include "platform/ui/Application.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Timer.h"

class TspSkinHint;

class TspSkinHintWindow : public THintWindow {
 public:
  explicit TspSkinHintWindow(TComponent* AOwner);
  ~TspSkinHintWindow() override;

  // The application's entry: AHint with its top-left at ARect's (the size is the
  // window's own). A title or picture pending on the ruling component goes along.
  void ActivateHint(TRect ARect, const String& AHint) override;
  // The same with a bold title line and a picture of the image list.
  void ActivateHintEx(TRect ARect, const String& AHintTitle, TCustomImageList* AImageList, int AImageIndex,
                      const String& AHint);
  // Centred horizontally on ARect, below it, or above it with ATop.
  void ActivateHintFromRect(const TRect& ARect, const String& AHint, bool ATop);

  // The skin frame's client rectangle and corner points for the window's size.
  TRect NewClRect;
  TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;

 protected:
  // The inherited parameters without WS_BORDER, with a drop shadow where offered.
  void CreateParams(TCreateParams& AParams) override;
  void Paint() override;
  void Dispatch(TMessage& AMessage) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  // Where the window goes: its top-left at a point, or centred on a rectangle.
  struct TPlacement {
    TRect Anchor;
    bool FromRect = false;
    bool Above = false;
  };

  // The steps every show takes (Show), in order.
  void Show(const TPlacement& APlacement, const String& AHint);
  void SetRulingComponent(TspSkinHint* AValue);
  void SetImageList(TCustomImageList* AValue);
  void ApplyHintFont(TFont& AFont) const;
  // W × H for the current text, wrapped so that the window is at most AMaxWidth wide.
  TSize CalcWindowSize(int AMaxWidth);
  TSize CalcPlainSize(TCanvas& ACanvas, int ATextWidthLimit);
  TSize CalcExtendedSize(TCanvas& ACanvas, int ATextWidthLimit);
  // The skin margins added to an inner size, corners kept apart; sets NewClRect and
  // the new points.
  TSize AddSkinFrame(int AInnerWidth, int AInnerHeight);
  // The text's extent, wrapped at ALimit (0: its own lines only).
  TSize MeasureText(TCanvas& ACanvas, const String& AText, int ALimit) const;
  TRect FitLimits() const;
  void ApplyLayering();
  void ApplyRegion();
  void StartFadeIn();
  void FadeStep();
  bool HasPicture() const;
  void PaintSkinBackground(TCanvas& ACanvas);
  void PaintDefaultBackground(TCanvas& ACanvas);
  void PaintPlainText(TCanvas& ACanvas);
  void PaintExtended(TCanvas& ACanvas);
  void WMTimer(TMessage& AMessage);

  TspSkinHint* FspHint = nullptr;
  TspSkinData* FSD = nullptr;
  HRGN FRgn = nullptr;
  bool OldAlphaBlend = false;
  int OldAlphaBlendValue = 0;
  bool AExtendedStyle = false;
  String FHintTitle;
  TCustomImageList* FImageList = nullptr;
  int FImageIndex = 0;
  // The width the text is drawn in: its measured width, so that it wraps as measured.
  int FTextWidth = 0;
  int FFadeAlpha = 0;
};

class TspSkinHint : public TComponent {
 public:
  // Active, alpha blending offered, UseSkinFont on, "@" as the line separator; makes
  // its window and, outside design time, installs the hint window class and hook.
  explicit TspSkinHint(TComponent* AOwner);
  ~TspSkinHint() override;

  // Only an active component shows hints; switching one on switches off every other
  // active one on the main form and takes the application's OnShowHint.
  bool Active() const { return FActive; }
  void SetActive(bool AValue);
  // Not owned; cleared when it is freed.
  TspSkinData* SkinData() const { return FSD; }
  void SetSkinData(TspSkinData* AValue);
  // Whether layered windows may be used for AlphaBlend.
  bool AlphaBlendSupport() const { return FAlphaBlendSupport; }
  void SetAlphaBlendSupport(bool AValue);
  // The font without a skin or with UseSkinFont off; setting copies.
  TFont& DefaultFont() { return *FDefaultFont; }
  void SetDefaultFont(const TFont& AValue) { FDefaultFont->Assign(AValue); }
  bool UseSkinFont = true;
  // Each occurrence in a hint becomes a line break; empty: none.
  String LineSeparator = "@";
  bool AlphaBlend = false;
  uint8_t AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;
  // The application's own handler, called after the component's.
  TShowHintEvent OnShowHint;

  // Text, or title, picture and text, at the screen point AP, at once.
  void ActivateHint(TPoint AP, const String& AHint);
  void ActivateHintEx(TPoint AP, const String& AHintTitle, TCustomImageList* AImageList, int AImageIndex,
                      const String& AHint);
  // Below the cursor after the application's HintPause, hidden after HintHidePause.
  void ActivateHint2(const String& AHint);
  void ActivateHintEx2(const String& AHintTitle, const String& AHint, TCustomImageList* AImageList,
                       int AImageIndex);
  // Centred above (ATop) or below AFromRect after HintPause, hidden after HintHidePause.
  void ActivateHint3(const TRect& AFromRect, const String& AHint, bool ATop);
  // Stops a pending show, hides the window and forgets the title and picture.
  void HideHint();
  bool IsVisible() const;
  // Pixel rows from the cursor's hot spot to the last row of its picture; the system
  // cursor height when the cursor's picture cannot be read.
  static int GetCursorHeightMargin();

  // The hint being shown by the application, as OnShowHint found it on its control.
  const String& HintTitle() const { return FHintTitle; }
  int HintImageIndex() const { return FHintImageIndex; }
  TCustomImageList* HintImageList() const { return FHintImageList; }
  TspSkinHintWindow& Window() { return *HW; }

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  enum TPendingShow { psNone, psBelowCursor, psFromRect };

  void HookShowHint();
  void UnhookShowHint();
  void AppShowHint(String& AHintStr, bool& ACanShow, THintInfo& AHintInfo);
  void SetPendingTitle(const String& AHintTitle, TCustomImageList* AImageList, int AImageIndex);
  void StartDelayedShow(TPendingShow AKind);
  void HintTimerTick();
  bool IsDesigning() const { return ComponentState().Contains(csDesigning); }

  bool FActive = true;
  TspSkinData* FSD = nullptr;
  TspSkinHintWindow* HW = nullptr;  // owned
  bool FAlphaBlendSupport = true;
  std::unique_ptr<TFont> FDefaultFont;
  TTimer* HintTimer = nullptr;  // owned
  TPendingShow FPending = psNone;
  String HintText;
  String FHintTitle;
  int FHintImageIndex = 0;
  TCustomImageList* FHintImageList = nullptr;
  TRect FromRect;
  bool Top = false;
};

// The first active TspSkinHint among the components of the application's main form,
// leaving out AExcept; nullptr when there is none.
TspSkinHint* FindActiveSkinHint(const TspSkinHint* AExcept = nullptr);
