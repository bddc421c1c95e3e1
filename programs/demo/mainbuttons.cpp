#include "programs/demo/mainbuttons.h"

#include "platform/base/strings.h"

namespace {

std::vector<TMainButton> BuildButtons() {
  return {
      {"Bevel3DBtn", "TBevel3D|Bevel, Text, Label und Schaltfunktionen"},
      {"LedCheckBtn", "TLedCheck|TLedCheck: Led Button als LED, Button, CheckBox und RadioButton"},
      {"LedTastBtn", "TLedButton|rechteckige und runde Led, blinkend und Schaltfunktion"},
      {"SchiebeSchBtn", "TSlideButton|Schiebeschalter mit 2 Stellungen"},
      {"TasterBtn",
       "TPictButton|Schalter mit 1, 2, oder 3 Textzeilen, alternativ 1 Bitmap. Beleuchtet und "
       "blinkend."},
      {"TextSpinBtn",
       "TTextSpin|Spin-Element mit belibig vielen Positionen. Jede Position hat eigenen Text. "
       "Konvertierung von Integer, Float und Color"},
      {"SliderBtn", "TSlider|TSlider Poti oder Schalter/Selector"},
      {"SchaltLinBtn",
       "TSelectorSlide|Schiebeschalter mit bis zu 20 Positionen. Jede Position mit eigenem Text. "
       "Konvertierung von Integer, Float und Color"},
      {"Schalt270Btn",
       "TSelector270|Drehschalter mit bis zu 20 Positionen. Jede Position mit eigenem Text. "
       "Konvertierung von Integer, Float und Color"},
      {"PotiLinBtn",
       "TPotiSlide|SchiebePoti mit linearer oder logarithmischer Funktion bzw. Skalenteilung"},
      {"Poti270Btn",
       "TPoti270|DrehPoti mit linearer oder logarithmischer Funktion bzw. Skalenteilung"},
      {"Spin7sBtn",
       "TSpin7Seg|Daumenradschalter mit dezimaler, hexadezimaler und aplhabet. Anzeige. "
       "Mit/ohne Anschlag"},
      {"Disp7sBtn", "TDisp7Seg|7Segment Display mit 1..8 Stellen und 2 abschaltbare Leds"},
      {"MagicEyeBtn",
       "TMagicEye|Bargraph/Gauge (Fuellstand Anzeige) mit variablen Anfangs- und Endwerten."},
      {"MeterHBtn",
       "TMeterPanelH|Anzeigeinstrument linear oder logarithmisch mit 2 abschaltbaren Leds. "
       "Overrange Detector mit Anzeige."},
      {"MeterVBtn",
       "TMeterPanelV|Anzeigeinstrument linear/logarithmisch. Umschaltbar: Skala, Bargraph, "
       "Ledbar. 2 abschaltb. Leds. Overr. Detector mit Anzeige."},
      {"Meter120Btn",
       "TMeter120|Instrument linear/logarithmisch. 120grad Skala. In 90grad-Schritten drehbar. "
       "2 abschaltb. Leds. Overr. Detector mit Anzeige."},
      {"Meter180Btn",
       "TMeter180|Instrument. 180grad Skala. In 90grad-Schritten drehbar. 2 abschaltb. Leds. "
       "Abschb. dig. Anzeige. Overr. Detector mit Anzeige."},
      {"Meter270Btn",
       "TMeter270|Instrument 270grad Skala.  Abschaltb. Digital Anz. 2 abschaltb. Leds. Overr. "
       "Detector mit Anzeige."},
      {"Meter360Btn",
       "TMeter360|Instrument 360grad Skala.  Abschaltb. Digital Anz. 2 abschaltb. Leds. "
       "Lin/Log"},
      {"TextScrollBtn", "TTextSrcoll|TTextSrcoll"},
      {"SerieSpinBtn", "TSerieSpin|Anreihbares Spinelement. Funktionen kompatibel zu TTextSpin"},
      {"RotLabelBtn",
       "TRotLabel|3D-Labels rotierbar in 1grad Schritten. Rotateable in 1degree steps"},
      {"IniFileBtn", "TIniFile|Lese und Schreiben von Windows-Inifiles"},
      {"KeyBrdBtn", "TAlphaBar|Mausbedienbare Tastatur oder Tastenstreifen"},
      {"FiFoBtn", "TFiFo|Textfeld mit FirstIn-FirstOut aehnlicher Funktion. Bis zu 255 Zeichen"},
      {"NumEditBtn", "TNumEdit|Integer und Float Editfeld mit Min/Max Eingabeabpruefung"},
      {"JoyStickBtn", "TJoyStick|Mausbedienbarer Joystick mit 8 Richtungen"},
      {"LeftRightBtn", "TLeftRight|Links-Rechts Befehlstaste"},
      {"UpDownBtn", "TUpDown|Auf-Abwaerts Befehlstaste"},
      {"GaugeBtn", "TGaugeGp|TGaugeGp : Universal Gauge in Prozent"},
      {"GlyphBtn", "TMultiGlyph|TMultiGlyph: Show multiple Glyphs up to 32, also animated"},
      {"GameBtn", "TGamePort\rJoystick\rInterface|TGamePort: Gameport Controller und Interface"},
      {"ComPortBtn",
       "TComPort|Dialog zum Einstellen, Senden und Empfangen der seriellen Schnittstellen. "},
      {"StrokeBtn",
       "TStroke|Bevel/Schild mit Vektorzeichensatz, beliebig dreh, spiegel und zoombar"},
      {"PlaySoundBtn",
       "TPlaySound|Einfache Komponente zur Ausgabe von Sprach- und Musikkonserven. Ausgabe von "
       "Warnungen etc. Benötigt SoundBlaster o.ä. "_ansi},
      {"SmartTimeBtn", "TSmartTimer|TSmartTimer fast beliebige Anzahl installierbarer Timer"},
      {"RollFormBtn",
       "TRollForm\rTRollBar|TRollForm: Formular Roller. TRollBar: Component-Roller. "},
      {"SysInfBtn", "TSysInfo|TSysInfo System Information"},
      {"CtrlTimBtn", "TCtrlTimer|TCtrlTimer programmierbare Zeitschaltuhr"},
      {"BoxLineBtn", "TBoxLine|TBoxLine"},
      {"AboutBtn", "Orvane Info"},
      {"ShadeBtn", ""},
      {"ExitBtn", "Beenden|"},
  };
}

}  // namespace

const std::vector<TMainButton>& MainButtons() {
  static const std::vector<TMainButton> kButtons = BuildButtons();
  return kButtons;
}
