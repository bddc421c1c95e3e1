#include "programs/demo/aboutbox.h"

#include "platform/base/strings.h"
#include "programs/demo/assets.h"

TAboutBox* AboutBox = nullptr;

namespace {

const char* const kHelpText =
    "Orvane Komponenten-Demo\n"
    "\n"
    "Jede Schaltfläche der oberen Leiste öffnet ein Demo-Formular einer Komponenten-Familie: "
    "Instrumente, Bedienelemente, Tasten und Leds, Anzeigen, Geräte- und System-Komponenten.\n"
    "Die Eingaben neben den Komponenten verändern jeweils eine Eigenschaft; jedes Formular "
    "beginnt beim Öffnen wieder mit seinen Grundwerten.\n"
    "\n"
    "Das Hauptfenster zeigt jede Sekunde den Speicher des Rechners. Die Led \"german\" "
    "schaltet die Meldungen der Komponenten auf Englisch um, den Dezimaltrenner und das "
    "Datumsformat ebenso. Die Schaltfläche mit dem Farbverlauf wechselt Richtung und Farbe "
    "des Hintergrunds.";

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
  ProgramIcon = loader.Add<TImage>("ProgramIcon");
  ProgramIcon->SetParent(Panel1);
  ProgramIcon->SetBounds(14, 14, 32, 32);
  try {
    ProgramIcon->Picture()->LoadFromFile(IconFile());
  } catch (const std::exception&) {
    // Without its file the box shows no icon.
  }
  ProductName = loader.Add<TLabel>("ProductName", Panel1);
  ProductName->SetBounds(60, 10, 150, 36);
  ProductName->Font()->SetName("Arial");
  ProductName->Font()->SetHeight(-31);
  ProductName->Font()->SetStyle({fsBold, fsItalic});
  ProductName->SetCaption("ORVANE");
  const struct {
    const char* name;
    const char* text;
    int left, top;
  } lines[] = {
      {"Version", "Komponenten-Demo", 60, 52},
      {"Usage", "technisch/industrielle Anwendung", 60, 70},
      {"Maker", "Vantreo Computers", 14, 104},
      {"Copyright", "Orvane Komponenten für Linux", 14, 122},
  };
  for (const auto& l : lines) {
    auto* label = loader.Add<TLabel>(l.name, Panel1);
    label->SetBounds(l.left, l.top, 220, 16);
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
  InfoBtn = loader.Add<TBitBtn>("InfoBtn");
  InfoBtn->SetBounds(162, 176, 80, 30);
  InfoBtn->SetCaption("&Info");
  InfoBtn->SetKind(bkHelp);
  InfoBtn->OnClick = [this](TObject* s) { InfoBtnClick(s); };
  loader.Finish();
}

void TAboutBox::OKButtonClick(TObject*) {
  HilfeText->Hide();
  if (!Modal()) Close();
}

void TAboutBox::InfoBtnClick(TObject*) { HilfeText->Show(); }
