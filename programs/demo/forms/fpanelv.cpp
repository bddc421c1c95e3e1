#include "programs/demo/forms/fpanelv.h"

#include "programs/demo/forms/meterdemo.h"

namespace {

const TItemValues<bool> kModusItems{{"linear", "logar."}, {false, true}};
const TItemValues<TmShapeType> kFormItems{{"rund", "eckig"}, {smtRoundrect, smtRectangle}};
const TItemValues<TMeterStyle> kBarItems{
    {"LedBar", "Bar", "Meter"},
    {TMeterStyle::LedBar, TMeterStyle::BarGraph, TMeterStyle::simpleMeter}};

}  // namespace

TMeterVDemo::TMeterVDemo(TComponent* AOwner) : TDemoForm(AOwner, "TMeterVDemo") {
  TFormLoader loader(this);

  Meter = loader.Add<TMeterPanelV>("Meter");
  Meter->SetBounds(8, 8, 90, 354);
  Meter->SetColBack(clNavy);
  Meter->SetValue(3);
  Meter->SetValueEnd(10);
  Meter->SetShape(smtRectangle);
  Meter->SetMeterStyle(TMeterStyle::BarGraph);
  Meter->SetLedZahl(20);
  Meter->SetValueMin(2);
  Meter->SetValueMid(8);
  Meter->SetDispEnable(true);
  Meter->SetCaption("hPa");
  Meter->SetTextName("Druck");

  Meter2 = loader.Add<TMeterPanelV>("Meter2");
  Meter2->SetBounds(102, 8, 90, 354);
  Meter2->SetHint("ueber TimerTick gesteuerte Anzeige +/-60");
  Meter2->SetShowHint(true);
  Meter2->SetValueStart(-50);
  Meter2->SetValueEnd(50);
  Meter2->SetDamping(10);
  Meter2->SetDampPeak(50);
  Meter2->SetPeakMode(ppDrag);
  Meter2->SetMeterStyle(TMeterStyle::LedBar);
  Meter2->SetValueMin(-10);
  Meter2->SetValueMid(40);
  Meter2->SetDispEnable(false);
  Meter2->SetCaption("Amp");
  Meter2->SetTextName("STROM");

  Poti = loader.Add<TPotiSlide>("Poti");
  Poti->SetBounds(198, 8, 56, 196);
  Poti->SetValueStart(-1);
  Poti->SetValueEnd(11);
  Poti->SetScalaPart(12);
  Poti->onChanging = [this](TObject*) { Meter->SetValue(Poti->Value()); };

  SelDamp = loader.Add<TSelectorSlide>("SelDamp");
  SelDamp->SetBounds(256, 8, 44, 196);
  SetNumberEntries(SelDamp, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, false);
  SelDamp->onChanging = [this](TObject*) { Meter->SetDamping(SelDamp->Position()); };

  SelLed1 = AddLedSelector(loader, Bounds(198, 212, 100, 70), Meter, 1);
  SelLed2 = AddLedSelector(loader, Bounds(198, 288, 100, 70), Meter, 2);

  SelLeds = AddLedsSelector(loader, Bounds(304, 4, 80, 54), Meter);
  SelDisp = AddDispSelector(loader, Bounds(304, 62, 80, 54), Meter);
  SelForm = AddSelector<TmShapeType>(loader, "SelForm", "Form", Bounds(304, 120, 80, 54),
                                     kFormItems, 1, [this](TmShapeType S) { Meter->SetShape(S); });
  SelModus = AddSelector<bool>(loader, "SelModus", "Modus", Bounds(304, 178, 80, 54), kModusItems,
                               0, [this](bool Log) {
                                 if (Log) {
                                   Meter->SetNonLinear(true);
                                   Meter->SetValueMin(0.01);
                                   Meter->SetValueMid(1);
                                 } else {
                                   Meter->SetNonLinear(false);
                                   Meter->SetValueStart(0);
                                   Meter->SetValueMin(2);
                                   Meter->SetValueMid(8);
                                 }
                               });
  DragModes = AddPeakModeSelector(loader, Bounds(304, 236, 80, 70), Meter);
  ItalicCheck = AddItalicCheck(loader, Bounds(304, 314, 80, 20), Meter, Meter2);

  SelBar = AddSelector<TMeterStyle>(loader, "SelBar", "Stil", Bounds(388, 4, 80, 70), kBarItems, 1,
                                    [this](TMeterStyle S) { Meter->SetMeterStyle(S); });
  PeakReset = AddPeakReset(loader, Bounds(388, 82, 80, 26), [this] { Meter->ResetPeak(); });
  PrintBtn = AddPrintButton(loader, this, "Print", Bounds(388, 116, 80, 25));
  CloseBtn = AddCloser(loader, 388, 337, 80, 25);

  SmartTimer = loader.AddComponent<TSmartTimer>("SmartTimer");
  SmartTimer->SetTime(3000);
  SmartTimer->SetTimerMode(tmTicking);
  SmartTimer->TimerEvent = [this](TObject* Sender, bool High) {
    SmartTimerTimerEvent(Sender, High);
  };
  loader.Finish();
  FTestValue = -10;
}

void TMeterVDemo::SmartTimerTimerEvent(TObject*, bool) {
  FTestValue = FTestValue == -60 ? 60 : -60;
  Meter2->SetValue(FTestValue);
}
