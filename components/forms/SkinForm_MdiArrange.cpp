// The frame's arranging of its documents: all minimized, maximized, restored or
// closed together, tiled and cascaded inside the MDI client rectangle.

#include <algorithm>
#include <cmath>

#include "components/forms/SkinForm.h"

namespace {

// The frame's documents, index 0 first; none on a form that is no MDI frame.
std::vector<TCustomForm*> MDIChildrenOf(TCustomForm* AForm) {
  std::vector<TCustomForm*> Children;
  if (AForm->FormStyle() != fsMDIForm) return Children;
  for (int I = 0; I < AForm->MDIChildCount(); ++I) Children.push_back(AForm->MDIChildren(I));
  return Children;
}

void RestoreChild(TspSkinForm& AChildSkin) {
  if (AChildSkin.WindowState() != wsNormal) AChildSkin.SetWindowState(wsNormal);
  if (AChildSkin.RollUpState() && AChildSkin.WindowState() == wsNormal) AChildSkin.SetRollUpState(false);
}

// The documents to tile or cascade, each restored first; none when AFrame's form is no
// MDI frame or holds no documents.
std::vector<TCustomForm*> DocumentsToArrange(TspSkinForm& AFrame) {
  TCustomForm* Form = AFrame.Form();
  if (Form->FormStyle() != fsMDIForm || Form->MDIChildCount() == 0) return {};
  AFrame.RestoreAll();
  return MDIChildrenOf(Form);
}

}  // namespace

void TspSkinFormMdi::MinimizeAll() {
  for (TCustomForm* Child : MDIChildrenOf(SkinForm.FForm))
    if (TspSkinForm* ChildSkin = FindSkinForm(Child)) ChildSkin->SetWindowState(wsMinimized);
}

void TspSkinFormMdi::MaximizeAll() {
  for (TCustomForm* Child : MDIChildrenOf(SkinForm.FForm))
    if (TspSkinForm* ChildSkin = FindSkinForm(Child);
        ChildSkin && ChildSkin->BorderIcons().Contains(TspSkinForm::biMaximize))
      ChildSkin->SetWindowState(wsMaximized);
}

void TspSkinFormMdi::RestoreAll() { RestoreAllExcept(nullptr); }

void TspSkinFormMdi::RestoreAllExcept(HWND AFormHandle) {
  for (TCustomForm* Child : MDIChildrenOf(SkinForm.FForm))
    if (TspSkinForm* ChildSkin = FindSkinForm(Child); ChildSkin && Child->Handle() != AFormHandle)
      RestoreChild(*ChildSkin);
}

void TspSkinFormMdi::CloseAll() {
  const std::vector<TCustomForm*> Children = MDIChildrenOf(SkinForm.FForm);
  for (auto It = Children.rbegin(); It != Children.rend(); ++It) (*It)->Close();
}

void TspSkinFormMdi::Tile() {
  const std::vector<TCustomForm*> Children = DocumentsToArrange(SkinForm);
  if (Children.empty()) return;
  const int Count = static_cast<int>(Children.size());
  const TRect Client = GetMDIClientRect();
  const int W = Client.Width();
  const int H = Client.Height();
  if (SkinForm.TileMode == tbHorizontal) {
    int Cols = static_cast<int>(std::sqrt(static_cast<double>(Count)));
    if (Cols <= 0) return;
    int Rows = Count / Cols + (Count > (Count / Cols) * Cols ? 1 : 0);
    const int ColWidth = W / Cols;
    int RowHeight = H / Rows;
    // Columns from the right, each filled from the bottom.
    int X = W, Y = H, ColsLeft = Cols;
    for (int I = Count - 1; I >= 0; --I) {
      Children[I]->SetBounds(std::max(X - ColWidth, 0), std::max(Y - RowHeight, 0), ColWidth, RowHeight);
      Y -= RowHeight;
      if (Y - RowHeight < 0) {
        Y = H;
        X -= ColWidth;
        ColsLeft = std::max(ColsLeft - 1, 1);
        Rows = std::max((I + ColsLeft - 1) / ColsLeft, 1);
        RowHeight = H / Rows;
      }
    }
    return;
  }
  int Rows = static_cast<int>(std::sqrt(static_cast<double>(Count)));
  const int Cols = Count / Rows;
  const int ColWidth = W / Cols;
  int RowHeight = H / Rows;
  // Columns from the left, each filled from the top.
  int X = 0, Y = 0, ColsLeft = Cols;
  for (int I = 1; I <= Count; ++I) {
    Children[I - 1]->SetBounds(X, Y, ColWidth, RowHeight);
    Y += RowHeight;
    if (Y + RowHeight > H) {
      Y = 0;
      X += ColWidth;
      ColsLeft = std::max(ColsLeft - 1, 1);
      Rows = std::max((Count - I) / ColsLeft, 1);
      RowHeight = H / Rows;
    }
  }
}

void TspSkinFormMdi::Cascade() {
  const std::vector<TCustomForm*> Children = DocumentsToArrange(SkinForm);
  if (Children.empty()) return;
  const int Count = static_cast<int>(Children.size());
  const TRect Client = GetMDIClientRect();
  const int W = Client.Width();
  const int H = Client.Height();
  // A skin whose client area starts at the window's top has no caption to step by:
  // the built-in caption's step serves.
  const int Step = SkinForm.FSkinSupport && SkinForm.Geometry().NewClRect.Top > 0
                       ? SkinForm.Geometry().NewClRect.Top
                       : SkinForm.DefaultCaptionHeight() + 3;
  const int Steps = (W - static_cast<int>(std::lrint(W * 0.8))) / Step;
  const int Shrink = Step * (Steps > Count ? Count - 1 : Steps);
  const int Width = std::max(W - Shrink, SkinForm.GetMinWidth());
  const int Height = std::max(H - Shrink, SkinForm.GetMinHeight());
  int Offset = 0;
  for (auto It = Children.rbegin(); It != Children.rend(); ++It) {
    TCustomForm* Child = *It;
    const bool OwnSize = Child->BorderStyle() == bsSingle;
    const int ChildWidth = OwnSize ? Child->Width() : Width;
    const int ChildHeight = OwnSize ? Child->Height() : Height;
    if (Offset + ChildWidth > W || Offset + ChildHeight > H) Offset = 0;
    Child->SetBounds(Offset, Offset, ChildWidth, ChildHeight);
    Offset += Step;
  }
}
