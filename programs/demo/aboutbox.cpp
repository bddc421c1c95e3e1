#include "programs/demo/aboutbox.h"

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

TAboutBox::TAboutBox(TComponent* AOwner)
    : TInfoBox(AOwner,
               {306,
                "ORVANE",
                60,
                150,
                {{"Version", "Komponenten-Demo", 60, 52},
                 {"Usage", "technisch/industrielle Anwendung", 60, 70},
                 {"Maker", "Vantreo Computers", 14, 104},
                 {"Copyright", "Orvane Komponenten für Linux", 14, 122}},
                220,
                kHelpText,
                "InfoBtn"},
               [](TFormLoader& Loader, TPanel* Panel) {
                 auto* icon = Loader.Add<TImage>("ProgramIcon");
                 icon->SetParent(Panel);
                 icon->SetBounds(14, 14, 32, 32);
                 try {
                   icon->Picture()->LoadFromFile(IconFile());
                 } catch (const std::exception&) {
                   // Without its file the box shows no icon.
                 }
               }),
      ProgramIcon(dynamic_cast<TImage*>(FindComponent("ProgramIcon"))),
      InfoBtn(InfoButton) {}
