#include "Src/AboutForm.h"

#include <algorithm>

#include "Src/MyUtils.h"

namespace {

constexpr int RightMargin = 10;

// The picture of the box: a play sign on a dark square.
void DrawLogo(TBitmap& ABitmap) {
  ABitmap.SetPixelFormat(pf24bit);
  ABitmap.SetSize(48, 48);
  TCanvas& Canvas = ABitmap.Canvas();
  Canvas.Brush().SetColor(TColor(0x503020));
  Canvas.FillRect(Rect(0, 0, 48, 48));
  Canvas.Brush().SetColor(clWhite);
  Canvas.Pen().SetColor(clWhite);
  const TPoint Play[] = {{17, 12}, {37, 24}, {17, 36}};
  Canvas.Polygon(Play);
}

TLabel* NewLabel(TfrmAbout* AForm, int ATop, const String& ACaption) {
  auto* Label = new TLabel(AForm);
  Label->SetParent(AForm);
  Label->SetBounds(70, ATop, 65, 17);
  Label->SetCaption(ACaption);
  return Label;
}

}  // namespace

TAboutLinkLabel::TAboutLinkLabel(TComponent* AOwner) : TLabel(AOwner) {
  Font().SetColor(clBlue);
  SetCursor(crHandPoint);
}

void TAboutLinkLabel::Dispatch(TMessage& AMessage) {
  if (AMessage.Msg == CM_MOUSEENTER || AMessage.Msg == CM_MOUSELEAVE)
    Font().SetColor(AMessage.Msg == CM_MOUSEENTER ? clRed : clBlue);
  TLabel::Dispatch(AMessage);
}

void TAboutLinkLabel::Click() {
  TLabel::Click();
  OpenURL(Address, true);
}

TfrmAbout::TfrmAbout(TComponent* AOwner) : TForm(AOwner) {
  BeginLoading();
  SetName("frmAbout");
  SetCaption("About");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientWidth(291);
  SetClientHeight(160);

  Image1 = new TImage(this);
  Image1->SetParent(this);
  Image1->SetBounds(10, 10, 48, 48);
  DrawLogo(Image1->Picture().Bitmap());

  Label1 = NewLabel(this, 12, "");
  Label1->Font().SetStyle({fsBold});
  Label2 = NewLabel(this, 40, "The Pelladrin media engine, built on FFmpeg");
  Label3 = NewLabel(this, 58, "Made by the Pelladrin developers");
  Label4 = new TAboutLinkLabel(this);
  Label4->SetParent(this);
  Label4->SetBounds(70, 84, 65, 17);
  Label4->SetCaption("https://ffmpeg.org/");
  Label4->Address = "https://ffmpeg.org/";

  btnOK = new TButton(this);
  btnOK->SetParent(this);
  btnOK->SetBounds(108, 124, 75, 25);
  btnOK->SetCaption("&Close");
  btnOK->ModalResult = mrOk;
  btnOK->Cancel = true;
  EndLoading();
}

void TfrmAbout::SetComponentInfo(const String& AName, const String& AVersion) {
  SetCaption("About " + AName);
  Label1->SetCaption(AName + " - Version " + AVersion);
  const int Needed =
      std::max(Label1->Left() + Label1->Width(), Label3->Left() + Label3->Width()) + RightMargin;
  if (Needed > ClientWidth()) SetClientWidth(Needed);
}
