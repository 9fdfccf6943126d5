#pragma once
// The frame geometry and region of a skinned form (TspSkinForm::Geometry()): the skin's
// rectangles and points moved to the form's current size, the window region cut from
// the skin's mask, the hit tests of the skinned and of the built-in frame, and the
// form's size limits.
//
// The geometry is computed for FFormWidth x FFormHeight, the size the form has or is
// about to take (the sizing loop computes it before the window takes the size); the
// painters, hit tests and layouts of the other parts read it from here.
//
// Owned by the component, made with it and freed by it; it reaches the form, the skin
// and the other parts through its component. User-interface thread only.
//
// Implementation: SkinForm_Geometry.cpp (geometry, region, hit tests),
// SkinForm_Layout.cpp (skin rectangles moved to the current size),
// SkinForm_SizeLimits.cpp (size limits and minimized places).

#include "platform/gdi/Graphics.h"
#include "platform/ui/Forms.h"

class TspSkinForm;

class TspSkinFormGeometry {
 public:
  explicit TspSkinFormGeometry(TspSkinForm& ASkinForm) : SkinForm(ASkinForm) {}
  TspSkinFormGeometry(const TspSkinFormGeometry&) = delete;
  TspSkinFormGeometry& operator=(const TspSkinFormGeometry&) = delete;

  // ---- Geometry, region and hit tests (SkinForm_Geometry.cpp)
  // The skin's geometry moved to FFormWidth x FFormHeight (0: the form's size).
  void CalcRects();
  // The built-in caption rectangle for FFormWidth.
  void CalcDefRects();
  void GetDefCaptionRect(TRect& ARect);
  // Recomputes the geometry and (AFull) the region strips, sets the region, reports
  // the new client rectangle and repaints the frame.
  void UpdateSkinFrame(bool AFull);
  // Builds the window region for the current size and gives it to the window.
  void UpdateFormRegion(bool AFull);
  // The window point lies inside the skinned shape.
  bool PointInSkinFrame(TPoint APoint);
  // The skin's corner points span both directions, so its frame can be stretched.
  bool SkinFrameResizable() const;
  // Sets the width one pixel off and back, so frame, region and client area are
  // recomputed at the same final size.
  void RefreshFrameSize();
  // Hit tests (window points) of the skinned and of the built-in frame.
  LRESULT SkinFrameHitTest(TPoint APoint);
  LRESULT DefaultFrameHitTest(TPoint APoint);
  // The edge and corner rules of the skinned hit test (also of the client-area one).
  // E(P): within BorderW of the window's edge or of the outline of the skin's shape.
  bool PointNearSkinEdge(TPoint APoint);
  // R(P): the corner or side code of a resizing point; HTNOWHERE for none.
  LRESULT SkinCornerOrSide(TPoint APoint) const;
  // A client background stretched by the skin changes with the size, so the form
  // repaints it and tells the controls that show it through.
  void RepaintStretchedBackground();
  // SP_CHECKPARENTBACKGROUND to every windowed control placed directly on the form, in
  // child order: the background they blend over changed.
  void SendCheckParentBackground();

  // ---- Skin rectangles at the current size (SkinForm_Layout.cpp)
  // A skin rectangle (frame-picture coordinates) moved to the current size: inside a
  // corner region it moves with that corner, a band along a side grows with it.
  TRect MapSkinRect(const TRect& R) const;
  // A linked skin area for the current size: by its anchors, or as MapSkinRect.
  TRect MapAreaRect(const TRect& R, bool UseAnchors, bool AnchorLeft, bool AnchorTop, bool AnchorRight,
                    bool AnchorBottom) const;

  // ---- Size limits and minimized places (SkinForm_SizeLimits.cpp)
  int GetMinWidth() const;
  int GetMinHeight() const;
  int GetMaxWidth() const;
  int GetMaxHeight() const;
  // The top-left corner for this form when it is skin-minimized: the first place along
  // the bottom of the monitor's work area, row by row upwards, on which no other
  // visible skin-minimized form stands.
  TPoint GetMinimizedPlace() const;

  // ---- The geometry of the current size (read by painters, hit tests and layouts)
  int FFormWidth = 0, FFormHeight = 0;
  TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
  TRect NewClRect, NewCaptionRect, NewButtonsRect;
  int NewButtonsOffset = 0;
  bool NewButtonsInLeft = false;
  bool ButtonsInLeft = false;
  TRect NewMaskRectArea;
  TPoint NewHitTestLTPoint, NewHitTestRTPoint, NewHitTestLBPoint, NewHitTestRBPoint;
  TRect NewIconRect, NewMainMenuRect;
  TRect NewDefCaptionRect;
  // The four mask strips of the current size; empty without a skin mask.
  TBitmap RMTop, RMBottom, RMLeft, RMRight;
  // Where the skin's size grip is drawn (client-area mode), for the current size.
  TRect FSizeGripArea;
  // A region has been given to the window (the roll-up replaces it).
  bool FHasRegion = false;

 private:
  // How far the skin's bottom-right corner has moved with the current size.
  TPoint FrameGrowth() const;

  TspSkinForm& SkinForm;
};
