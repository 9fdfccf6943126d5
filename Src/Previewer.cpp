// The preview window of a conversion task.

#include "Src/Previewer.h"

#include "Src/FFUtils.h"
#include "Src/MyUtils.h"
#include "platform/win/Windows.h"

TPreviewer::~TPreviewer() {
  CallInMainThread([this] {
    if (!FForm) return;
    Application->OnMessage.Remove(FAppMessage);
    FForm.reset();
  });
}

bool TPreviewer::PaintFrame(TBitmap& ABitmap, int AFrameNumber, int64_t APTS) {
  if (FClosed) return false;
  FBitmap = &ABitmap;
  FFrameNumber = AFrameNumber;
  FPTS = APTS;
  CallInMainThread([this] { Paint(); });
  FBitmap = nullptr;
  return !FClosed;
}

void TPreviewer::Paint() {
  if (FClosed) return;
  FPicture.Assign(*FBitmap);
  if (!FForm) CreateForm();
  FForm->SetCaption(DurationToText(FPTS));
  FForm->Repaint();
}

// A plain tool window without owner, as large as the first picture; later pictures of
// another size are drawn at the same place without resizing.
void TPreviewer::CreateForm() {
  FForm.reset(MakeForm<TForm>(nullptr));
  FForm->SetFormStyle(fsStayOnTop);
  FForm->SetBorderStyle(bsToolWindow);
  FForm->SetBorderIcons({biSystemMenu});
  FForm->SetPosition(poScreenCenter);
  FForm->SetClientWidth(FPicture.Width());
  FForm->SetClientHeight(FPicture.Height());
  FForm->OnPaint = [this](TObject*) { FormPaint(); };
  FForm->OnCloseQuery = [this](TObject*, bool&) { FClosed = true; };
  FForm->Show();
  FFormHandle = FForm->Handle();
  FAppMessage =
      Application->OnMessage.Add([this](MSG& AMessage, bool& AHandled) { AppMessage(AMessage, AHandled); });
}

void TPreviewer::FormPaint() { FForm->Canvas().Draw(0, 0, FPicture); }

// A press on the picture becomes a press on the caption, so the window follows the
// pointer as if the user had taken it by its title bar.
void TPreviewer::AppMessage(MSG& AMessage, bool& AHandled) {
  if (AMessage.message != WM_LBUTTONDOWN || AMessage.hwnd != FFormHandle) return;
  ReleaseCapture();
  SendMessage(FFormHandle, WM_NCLBUTTONDOWN, HTCAPTION, PointToLParam(AMessage.pt));
  AHandled = true;
}
