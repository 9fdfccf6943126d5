#pragma once
// TfrmAbout: the about box every engine component can show (ShowAbout): the
// component's name and version, two lines on the library and its maker, and a link to
// the web page, in a fixed dialog of 291 × 160 client pixels.

#include "platform/ui/Button.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"

// A label that opens its address when clicked: blue, red while the pointer is over it.
class TAboutLinkLabel : public TLabel {
 public:
  explicit TAboutLinkLabel(TComponent* AOwner);

  String Address;
  void Click() override;

 protected:
  void Dispatch(TMessage& AMessage) override;
};

class TfrmAbout : public TForm {
 public:
  explicit TfrmAbout(TComponent* AOwner);

  // Names the component: the caption "About <name>", Label1 "<name> - Version
  // <version>"; the client area then grows (never shrinks) until Label1 and Label3
  // keep 10 pixels on their right.
  void SetComponentInfo(const String& AName, const String& AVersion);

  TImage* Image1;
  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label3;
  TAboutLinkLabel* Label4;
  // "&Close": modal result OK, and the cancel button.
  TButton* btnOK;
};
