#include "programs/curves/curvinfo.h"

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

TAboutBox::TAboutBox(TComponent* AOwner)
    : TInfoBox(AOwner, {306,
                        "WAVORINE",
                        14,
                        260,
                        {{"Version", "CurveSynth-Demo", 14, 52},
                         {"Usage", "Kurven mit Linear-, Bezier- und Spline-Interpolation", 14, 70},
                         {"Maker", "Vantreo Computers", 14, 104},
                         {"Copyright", "Orvane Komponenten für Linux", 14, 122}},
                        270,
                        kHelpText,
                        "BitBtn1"}),
      BitBtn1(InfoButton) {}

}  // namespace Curvinfo
