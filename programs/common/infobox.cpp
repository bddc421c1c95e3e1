#include "programs/common/infobox.h"

#include "platform/base/strings.h"

TInfoBox::TInfoBox(TComponent* AOwner, const TInfoBoxText& Text,
                   const std::function<void(TFormLoader&, TPanel*)>& AddMore)
    : TForm(AOwner) {
  TFormLoader loader(this);
  SetName("AboutBox");
  SetCaption("Infos");
  SetBorderStyle(bsDialog);
  SetBorderIcons({});
  SetFormStyle(fsStayOnTop);
  SetPosition(poScreenCenter);
  SetClientWidth(Text.ClientWidth);
  SetClientHeight(215);

  Panel1 = loader.Add<TPanel>("Panel1");
  Panel1->SetBounds(8, 8, Text.ClientWidth - 16, 156);
  Panel1->SetBevelOuter(bvLowered);
  if (AddMore) AddMore(loader, Panel1);
  ProductName = loader.Add<TLabel>("ProductName", Panel1);
  ProductName->SetBounds(Text.ProductLeft, 10, Text.ProductWidth, 36);
  ProductName->Font()->SetName("Arial");
  ProductName->Font()->SetHeight(-31);
  ProductName->Font()->SetStyle({fsBold, fsItalic});
  ProductName->SetCaption(Text.Product);
  for (const TInfoLine& l : Text.Lines) {
    auto* label = loader.Add<TLabel>(l.Name, Panel1);
    label->SetBounds(l.Left, l.Top, Text.LineWidth, 16);
    label->SetCaption(Utf8ToCp1252(l.Text));
  }

  HilfeText = loader.Add<TMemo>("HilfeText");
  HilfeText->SetAlign(alTop);
  HilfeText->SetHeight(164);
  HilfeText->SetReadOnly(true);
  HilfeText->SetScrollBars(ssVertical);
  HilfeText->SetWordWrap(true);
  HilfeText->Lines()->SetText(Utf8ToCp1252(Text.Help));
  HilfeText->SetVisible(false);

  // OK and Info side by side in the middle under the panel.
  const int ok_left = (Text.ClientWidth - 178) / 2;
  OKButton = loader.Add<TBitBtn>("OKButton");
  OKButton->SetBounds(ok_left, 176, 80, 30);
  OKButton->SetKind(bkOK);
  OKButton->OnClick = [this](TObject* s) { OKButtonClick(s); };
  InfoButton = loader.Add<TBitBtn>(Text.InfoButtonName);
  InfoButton->SetBounds(ok_left + 98, 176, 80, 30);
  InfoButton->SetCaption("&Info");
  InfoButton->SetKind(bkHelp);
  InfoButton->OnClick = [this](TObject* s) { InfoButtonClick(s); };
  loader.Finish();
}

void TInfoBox::OKButtonClick(TObject*) {
  HilfeText->Hide();
  if (!Modal()) Close();
}

void TInfoBox::InfoButtonClick(TObject*) { HilfeText->Show(); }
