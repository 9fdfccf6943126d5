// TspTrayIcon's balloons: a window of ours in the look of the application's skinned
// hint (its skin, font and fading) at the corner of the work area, with the title, the
// text and a picture for the kind of message; or, while no skinned hint is active, the
// desktop's own balloon. Either goes after TrayBalloonTimeoutMs.

#include <array>

#include "components/forms/SkinHint.h"
#include "components/forms/spTrayIcon.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

namespace {

constexpr int BalloonPictureSize = 32;
constexpr TColor BalloonPictureMask = clFuchsia;
// Colours with blue in the high byte.
constexpr TColor BalloonInfoColor = TColor(0xD77800);
constexpr TColor BalloonWarningColor = TColor(0x05B7F2);
constexpr TColor BalloonErrorColor = TColor(0x2F2FD3);

// The first ACharacters characters of AText.
String FirstCharacters(const String& AText, size_t ACharacters) {
  size_t Pos = 0;
  for (size_t Count = 0; Count < ACharacters && Pos < AText.size(); ++Count) Utf8Next(AText, Pos);
  return AText.substr(0, Pos);
}

// The pictures of spbitInfo, spbitWarning and spbitError, in that order: a blue disc
// with an "i", an amber triangle with an "!", a red disc with a cross. Drawn from
// shapes, so they need no font.
void AddBalloonPictures(TCustomImageList& AList) {
  constexpr int S = BalloonPictureSize;
  auto Picture = [&](auto ADraw) {
    TBitmap Bitmap;
    Bitmap.SetSize(S, S);
    TCanvas& C = Bitmap.Canvas();
    C.Brush().SetColor(BalloonPictureMask);
    C.FillRect(Rect(0, 0, S, S));
    ADraw(C);
    AList.AddMasked(Bitmap, BalloonPictureMask);
  };
  auto Fill = [](TCanvas& C, TColor AColor, const TRect& ARect) {
    C.Brush().SetColor(AColor);
    C.FillRect(ARect);
  };
  Picture([&](TCanvas& C) {
    C.Pen().SetColor(BalloonInfoColor);
    C.Brush().SetColor(BalloonInfoColor);
    C.Ellipse(1, 1, S - 1, S - 1);
    Fill(C, clWhite, Rect(14, 7, 18, 11));
    Fill(C, clWhite, Rect(14, 13, 18, 25));
  });
  Picture([&](TCanvas& C) {
    C.Pen().SetColor(BalloonWarningColor);
    C.Brush().SetColor(BalloonWarningColor);
    const std::array<TPoint, 3> Triangle{TPoint{S / 2, 1}, TPoint{S - 1, S - 3}, TPoint{0, S - 3}};
    C.Polygon(Triangle);
    Fill(C, clBlack, Rect(14, 9, 18, 20));
    Fill(C, clBlack, Rect(14, 22, 18, 26));
  });
  Picture([&](TCanvas& C) {
    C.Pen().SetColor(BalloonErrorColor);
    C.Brush().SetColor(BalloonErrorColor);
    C.Ellipse(1, 1, S - 1, S - 1);
    C.Pen().SetColor(clWhite);
    C.Pen().SetWidth(4);
    C.MoveTo(10, 10);
    C.LineTo(22, 22);
    C.MoveTo(22, 10);
    C.LineTo(10, 22);
  });
}

}  // namespace

// The skinned hint window taking the mouse: a press on it is the balloon's click.
class TspTrayBalloonWindow : public TspSkinHintWindow {
 public:
  explicit TspTrayBalloonWindow(TComponent* AOwner)
      : TspSkinHintWindow(AOwner),
        Pictures(new TCustomImageList(this, BalloonPictureSize, BalloonPictureSize)) {
    AddBalloonPictures(*Pictures);
  }

  // At the bottom-right corner of the primary work area.
  void ShowAtCorner(const String& ATitle, const String& AText, TspBalloonHintIcon AIconType) {
    RECT WorkArea;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &WorkArea, 0);
    // The hint window flips a place past the work area's right and bottom edges to the
    // other side of it: the balloon ends just inside the corner.
    const TRect Corner = Rect(WorkArea.Right, WorkArea.Bottom, WorkArea.Right, WorkArea.Bottom);
    const bool HasPicture = AIconType != spbitNone;
    ActivateHintEx(Corner, ATitle, HasPicture ? Pictures : nullptr, HasPicture ? AIconType - spbitInfo : 0,
                   AText);
  }

  void Hide() {
    if (!IsShowing()) return;
    SetVisible(false);
    ShowWindow(Handle(), SW_HIDE);
  }

  std::function<void()> OnClick;

 protected:
  void Dispatch(TMessage& AMessage) override {
    if (AMessage.Msg == WM_NCHITTEST) {
      // Unlike a hint, the balloon takes the mouse.
      AMessage.Result = HTCLIENT;
    } else if (AMessage.Msg == WM_LBUTTONDOWN) {
      if (OnClick) OnClick();
    } else {
      TspSkinHintWindow::Dispatch(AMessage);
    }
  }

 private:
  TCustomImageList* Pictures;  // owned
};

bool TspTrayIcon::ShowBalloonHint(const String& ATitle, const String& AText, TspBalloonHintIcon AIconType) {
  HideBalloonHint();
  if (FindActiveSkinHint()) return ShowSkinnedBalloon(ATitle, AText, AIconType);
  constexpr DWORD InfoFlags[] = {NIIF_NONE, NIIF_INFO, NIIF_WARNING, NIIF_ERROR};
  FIconData.uFlags = IconDataFlags | NIF_INFO;
  FIconData.szInfo = AText;
  FIconData.szInfoTitle = ATitle;
  FIconData.dwInfoFlags = InfoFlags[AIconType];
  const bool Result = ModifyIcon();
  FIconData.uFlags = IconDataFlags;
  if (Result && !AText.empty()) BalloonTimer->SetEnabled(true);
  return Result;
}

bool TspTrayIcon::HideBalloonHint() {
  BalloonTimer->SetEnabled(false);
  HideSkinnedBalloon();
  FIconData.uFlags = IconDataFlags | NIF_INFO;
  FIconData.szInfo.clear();
  const bool Result = ModifyIcon();
  FIconData.uFlags = IconDataFlags;
  return Result;
}

HWND TspTrayIcon::BalloonWindow() const {
  return FBalloon && FBalloon->IsShowing() ? FBalloon->Handle() : nullptr;
}

// Shown only beside an icon the notification area has, as the desktop's would be.
bool TspTrayIcon::ShowSkinnedBalloon(const String& ATitle, const String& AText,
                                     TspBalloonHintIcon AIconType) {
  if (!ModifyIcon()) return false;
  const String Text = FirstCharacters(AText, NotifyInfoLength);
  if (Text.empty()) return true;
  if (!FBalloon) {
    FBalloon = new TspTrayBalloonWindow(this);
    FBalloon->OnClick = [this] { BalloonClicked(); };
  }
  FBalloon->ShowAtCorner(FirstCharacters(ATitle, NotifyInfoTitleLength), Text, AIconType);
  BalloonTimer->SetEnabled(true);
  return true;
}

void TspTrayIcon::HideSkinnedBalloon() {
  if (FBalloon) FBalloon->Hide();
}

// Reported the way the desktop reports a click on its balloon: through the icon's
// callback message, so that a disabled icon ignores it.
void TspTrayIcon::BalloonClicked() {
  BalloonTimer->SetEnabled(false);
  HideSkinnedBalloon();
  PostMessage(FIconData.hWnd, FIconData.uCallbackMessage, FIconData.uID, NIN_BALLOONUSERCLICK);
}
