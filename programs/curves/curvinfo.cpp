#include "programs/curves/curvinfo.h"

#include "platform/base/strings.h"

namespace Curvinfo {

TAboutBox* AboutBox = nullptr;

namespace {

const char* const kHelpText =
    "Wavorine: vier Kurven aus je 4 bis 30 Punkten\n"
    "\n"
    "Rechts je Kanal: \"succ\" hält die X-Werte aufsteigend, \"vis\" zeigt den Kanal, darunter "
    "die Zahl der Punkte und die Kurvenart (Linear, Bezier, Spline).\n"
    "\"mouse act\": \"move\" zieht Punkte mit der linken Maustaste, \"meas\" misst mit dem "
    "Zeiger (links) und der Marke (rechts). Ohne Mausfunktion zeigt ein Fenster den Wert der "
    "Kurve 3 unter der ruhenden Maus.\n"
    "x-Lin/x-Log und y-Lin/y-Log schalten die Achsen um. Drucken 1:1 oder seitenfüllend; "
    "Laden und Speichern von Kurvendateien (*.wvr); ein Name mit der Endung .bmp speichert "
    "das Bild als Bitmap.";

}  // namespace

TAboutBox::TAboutBox(TComponent* AOwner) : TForm(AOwner) {
  TFormLoader loader(this);
  SetName("AboutBox");
  SetCaption("Infos");
  SetBorderStyle(bsDialog);
  SetBorderIcons({});
  SetFormStyle(fsStayOnTop);
  SetPosition(poScreenCenter);
  SetClientWidth(306);
  SetClientHeight(215);

  Panel1 = loader.Add<TPanel>("Panel1");
  Panel1->SetBounds(8, 8, 290, 156);
  Panel1->SetBevelOuter(bvLowered);
  ProductName = loader.Add<TLabel>("ProductName", Panel1);
  ProductName->SetBounds(14, 10, 260, 36);
  ProductName->Font()->SetName("Arial");
  ProductName->Font()->SetHeight(-31);
  ProductName->Font()->SetStyle({fsBold, fsItalic});
  ProductName->SetCaption("WAVORINE");
  const struct {
    const char* name;
    const char* text;
    int top;
  } lines[] = {
      {"Version", "CurveSynth-Demo", 52},
      {"Usage", "Kurven mit Linear-, Bezier- und Spline-Interpolation", 70},
      {"Maker", "Vantreo Computers", 104},
      {"Copyright", "Orvane Komponenten für Linux", 122},
  };
  for (const auto& l : lines) {
    auto* label = loader.Add<TLabel>(l.name, Panel1);
    label->SetBounds(14, l.top, 270, 16);
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
  OKButton->SetBounds(64, 176, 80, 30);
  OKButton->SetKind(bkOK);
  OKButton->OnClick = [this](TObject* s) { OKButtonClick(s); };
  BitBtn1 = loader.Add<TBitBtn>("BitBtn1");
  BitBtn1->SetBounds(162, 176, 80, 30);
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

}  // namespace Curvinfo
