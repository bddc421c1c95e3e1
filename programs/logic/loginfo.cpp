#include "programs/logic/loginfo.h"

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

TAboutBox::TAboutBox(TComponent* AOwner)
    : TInfoBox(AOwner, {326,
                        "PULSARIC",
                        14,
                        280,
                        {{"Version", "Logik-Analysator Demo", 14, 56},
                         {"Usage", "technisch/industrielle Anwendung", 14, 76},
                         {"Maker", "Vantreo Computers", 14, 104},
                         {"Copyright", "Orvane Komponenten für Linux", 14, 122}},
                        280,
                        kHelpText,
                        "BitBtn1"}),
      BitBtn1(InfoButton) {}

}  // namespace Loginfo
