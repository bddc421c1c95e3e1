#include "programs/logic/loginfo.h"

#include "platform/base/strings.h"

namespace Loginfo {

TAboutBox* AboutBox = nullptr;

namespace {

const char* const kHelpText =
    "Pulsaric zeigt einen Puffer von Abtastwerten als bis zu 32 Logik-Kanäle.\n"
    "\n"
    "Linke Maustaste im Bild: Zeiger (P). Rechte Maustaste: Marke (M). Die Anzeige D zeigt den "
    "Abstand zwischen beiden. Shift mit linker Taste (oder mittlere Taste): Rechteck aufziehen "
    "zum Vergrößern.\n"
    "\n"
    "Tasten unten links: alle Kanäle oder die vergrößerten, Kanal-Fenster auf und ab, ganzer "
    "Puffer oder Ausschnitt (mit Shift: Text-Ansicht), ein Wert und eine Seite zurück und vor; "
    "gehalten wiederholen sie.\n"
    "\n"
    "Zeitbasis: Zeit je Abtastwert. Set&Up: Farben, Kanalnamen, Bildaufbau, Druck. Scan: "
    "Puffer aus einer Datei oder zufällig füllen, Puffer speichern und laden (.psr).";

}  // namespace

TAboutBox::TAboutBox(TComponent* AOwner) : TForm(AOwner) {
  TFormLoader loader(this);
  SetName("AboutBox");
  SetCaption("Infos");
  SetBorderStyle(bsDialog);
  SetBorderIcons({});
  SetFormStyle(fsStayOnTop);
  SetPosition(poScreenCenter);
  SetClientWidth(326);
  SetClientHeight(215);

  Panel1 = loader.Add<TPanel>("Panel1");
  Panel1->SetBounds(8, 8, 310, 156);
  Panel1->SetBevelOuter(bvLowered);
  ProductName = loader.Add<TLabel>("ProductName", Panel1);
  ProductName->SetBounds(14, 10, 280, 36);
  ProductName->Font()->SetName("Arial");
  ProductName->Font()->SetHeight(-31);
  ProductName->Font()->SetStyle({fsBold, fsItalic});
  ProductName->SetCaption("PULSARIC");
  const struct {
    const char* name;
    const char* text;
    int top;
  } lines[] = {
      {"Version", "Logik-Analysator Demo", 56},
      {"Usage", "technisch/industrielle Anwendung", 76},
      {"Maker", "Vantreo Computers", 104},
      {"Copyright", "Orvane Komponenten für Linux", 122},
  };
  for (const auto& l : lines) {
    auto* label = loader.Add<TLabel>(l.name, Panel1);
    label->SetBounds(14, l.top, 280, 16);
    label->SetCaption(Utf8ToCp1252(l.text));
  }

  HilfeText = loader.Add<TMemo>("HilfeText");
  HilfeText->SetAlign(alTop);
  HilfeText->SetHeight(164);
  HilfeText->SetReadOnly(true);
  HilfeText->SetScrollBars(ssVertical);
  HilfeText->SetWordWrap(true);
  HilfeText->Lines()->SetText(Utf8ToCp1252(kHelpText));
  HilfeText->SetVisible(false);

  OKButton = loader.Add<TBitBtn>("OKButton");
  OKButton->SetBounds(74, 176, 80, 30);
  OKButton->SetKind(bkOK);
  OKButton->OnClick = [this](TObject* s) { OKButtonClick(s); };
  BitBtn1 = loader.Add<TBitBtn>("BitBtn1");
  BitBtn1->SetBounds(172, 176, 80, 30);
  BitBtn1->SetCaption("&Info");
  BitBtn1->SetKind(bkHelp);
  BitBtn1->OnClick = [this](TObject* s) { BitBtn1Click(s); };
  loader.Finish();
}

void TAboutBox::OKButtonClick(TObject*) {
  HilfeText->Hide();
  if (!Modal()) Close();
}

void TAboutBox::BitBtn1Click(TObject*) { HilfeText->Show(); }

}  // namespace Loginfo
