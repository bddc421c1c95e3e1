#include "programs/demo/forms/fcomhelp.h"

#include "platform/base/strings.h"

TComPortHelp* ComPortHelp = nullptr;

namespace {

const char* const kHelpText =
    "TComPort - die seriellen Schnittstellen COM1 bis COM4\n"
    "\n"
    "Die nicht sichtbare Komponente bedient die Schnittstellen über ihren Namen (\"COM1\" bis "
    "\"COM4\", Groß- und Kleinschreibung gleich). Beim Erzeugen prüft sie, welche "
    "Schnittstellen vorhanden sind; alle 50 ms fragt sie die offenen Schnittstellen ab und "
    "meldet empfangene Zeichen über ein Ereignis je Schnittstelle. Alles läuft im Thread der "
    "Oberfläche, kein Aufruf wartet länger als wenige Millisekunden.\n"
    "\n"
    "Eigenschaften:\n"
    "BaudRate1..4: Baudrate 75 bis 115000, gilt ab dem nächsten Öffnen.\n"
    "XOnOff1..4: Software-Handshake XON/XOFF in beiden Richtungen.\n"
    "BufferLen: Puffergröße 255 bis 16000 Zeichen.\n"
    "COM1Avail..COM4Avail: die Schnittstelle ist vorhanden.\n"
    "COM1InUse..COM4InUse: die Schnittstelle ist von der Komponente geöffnet.\n"
    "Com1Dialog..Com4Dialog: True zeigt den Dialog zum Einstellen der Schnittstelle.\n"
    "Event1Ena..Event4Ena: Empfangsereignis ein oder aus.\n"
    "OnCom1Rx..OnCom4Rx: Zeichen warten auf das Lesen (mit ihrer Anzahl).\n"
    "\n"
    "Routinen:\n"
    "OpenPort, ClosePort: Schnittstelle öffnen und schließen.\n"
    "SendChar: ein Zeichen senden; False bei einem Fehler.\n"
    "ReadChar: ein empfangenes Zeichen lesen; False, wenn keines wartet.\n"
    "RxCount: Anzahl der wartenden Zeichen.\n"
    "PortError: Fehlerbits seit der letzten Abfrage und Status der Warteschlangen; -1 für eine "
    "geschlossene Schnittstelle.\n"
    "SetPortDTR, SetPortRTS: Steuerleitungen setzen oder löschen.\n"
    "ProbePorts, PortAvailable: vorhandene Schnittstellen suchen und abfragen.\n"
    "\n"
    "Die Demo: Kanal 1 sendet, was in sein rotes Feld getippt wird; Kanal 2 zeigt im grünen "
    "Feld, was ankommt. Mit einem Nullmodemkabel zwischen den beiden gewählten Schnittstellen "
    "kommt das Getippte auf der anderen Seite an. Unter Linux ordnet die Datei system.ini "
    "(Abschnitt [Serial]) den Namen COM1..COM4 ihre Geräte zu.";

}  // namespace

TComPortHelp::TComPortHelp(TComponent* AOwner) : TForm(AOwner) {
  TFormLoader loader(this);
  SetName("ComPortHelp");
  SetCaption("ComPort Info");
  SetBorderStyle(bsDialog);
  SetFormStyle(fsStayOnTop);
  SetPosition(poScreenCenter);
  SetClientWidth(411);
  SetClientHeight(292);

  Memo1 = loader.Add<TMemo>("Memo1");
  Memo1->SetBounds(8, 8, 395, 236);
  Memo1->SetReadOnly(true);
  Memo1->SetScrollBars(ssVertical);
  Memo1->SetWordWrap(true);
  Memo1->Lines()->SetText(Utf8ToCp1252(kHelpText));

  BitBtn1 = loader.Add<TBitBtn>("BitBtn1");
  BitBtn1->SetBounds(168, 254, 75, 28);
  BitBtn1->SetKind(bkOK);
  loader.Finish();
}

TComPortHelp::~TComPortHelp() {
  if (ComPortHelp == this) ComPortHelp = nullptr;
}
