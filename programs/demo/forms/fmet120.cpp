#include "programs/demo/forms/fmet120.h"

#include "programs/demo/forms/meterdemo.h"

namespace {

const TItemValues<bool> kModusItems{{"linear", "logar."}, {false, true}};
const TItemValues<TmShapeType> kFormItems{{"rund", "eckig"}, {smtRoundrect, smtRectangle}};

}  // namespace

TMeter120Demo::TMeter120Demo(TComponent* AOwner) : TDemoForm(AOwner, "TMeter120Demo") {
  TFormLoader loader(this);

  Meter = loader.Add<TMeter120>("Meter");
  Meter->SetBounds(440, 8, 118, 241);
  Meter->SetColBack(clNavy);
  Meter->SetValueEnd(10);
  Meter->SetValueMinE(1);
  Meter->SetValueMidA(5);
  Meter->SetValueMidE(7.5);
  Meter->SetValueMaxA(7.5);
  Meter->SetValueMaxE(10);
  Meter->SetCaption("l/min");
  Meter->SetLedEnable(true);
  Meter->SetDispEnable(true);
  Meter->SetOrientation(orLeft);

  Meter2 = loader.Add<TMeter120>("Meter2");
  Meter2->SetBounds(8, 8, 250, 113);
  Meter2->SetValue(-10);
  Meter2->SetValueStart(-10);
  Meter2->SetValueEnd(10);
  Meter2->SetValueMinA(-10);
  Meter2->SetValueMinE(-8);
  Meter2->SetValueMidA(-2);
  Meter2->SetValueMidE(2);
  Meter2->SetValueMaxA(8);
  Meter2->SetValueMaxE(10);
  Meter2->SetCaption("m/sec");
  Meter2->SetDamping(10);
  Meter2->SetDampPeak(50);
  Meter2->SetPeakMode(ppDrag);
  Meter2->SetOrientation(orTop);

  Poti = loader.Add<TPotiSlide>("Poti");
  Poti->SetBounds(8, 128, 56, 200);
  Poti->SetValueStart(-1);
  Poti->SetValueEnd(11);
  Poti->SetScalaPart(12);
  Poti->onChanging = [this](TObject*) { Meter->SetValue(Poti->Value()); };

  SelDamp = loader.Add<TSelectorSlide>("SelDamp");
  SelDamp->SetBounds(66, 128, 44, 200);
  SetNumberEntries(SelDamp, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, false);
  SelDamp->onChanging = [this](TObject*) { Meter->SetDamping(SelDamp->Position()); };

  SelLeds = AddLedsSelector(loader, Bounds(114, 124, 84, 54), Meter);
  SelDisp = AddDispSelector(loader, Bounds(114, 182, 84, 54), Meter);
  SelModus = AddSelector<bool>(loader, "SelModus", "Modus", Bounds(114, 240, 84, 54), kModusItems,
                               0, [this](bool Log) { SelModusClick(Log); });
  SelForm = AddSelector<TmShapeType>(loader, "SelForm", "Form", Bounds(114, 298, 84, 54),
                                     kFormItems, ItemOf(kFormItems, Meter->Shape()),
                                     [this](TmShapeType S) { Meter->SetShape(S); });
  SelLed1 = AddLedSelector(loader, Bounds(202, 124, 84, 70), Meter, 1);
  SelLed2 = AddLedSelector(loader, Bounds(202, 198, 84, 70), Meter, 2);
  DragModes = AddPeakModeSelector(loader, Bounds(202, 272, 84, 70), Meter);

  SelOrient = AddOrientSelector(loader, Bounds(308, 256, 160, 54), Meter,
                                {Bounds(308, 0, 250, 113), Bounds(440, 0, 118, 241)});
  ItalicCheck = AddItalicCheck(loader, Bounds(308, 318, 80, 20), Meter, Meter2);
  PeakReset = AddPeakReset(loader, Bounds(472, 256, 86, 26), [this] { Meter->ResetPeak(); });
  PrintBtn = AddPrintButton(loader, this, "Print", Bounds(472, 290, 86, 25));

  SmartTimer = loader.AddComponent<TSmartTimer>("SmartTimer");
  SmartTimer->SetTime(4000);
  SmartTimer->SetTimerMode(tmTicking);
  SmartTimer->TimerEvent = [this](TObject* Sender, bool High) {
    SmartTimerTimerEvent(Sender, High);
  };
  loader.Finish();
  FTestValue = -11;
}

void TMeter120Demo::SmartTimerTimerEvent(TObject*, bool) {
  FTestValue = FTestValue == -11 ? 11 : -11;
  Meter2->SetValue(FTestValue);
}

// The colour zones follow the scale: on the logarithmic one they move to its lower decades.
void TMeter120Demo::SelModusClick(bool Log) {
  if (Log) {
    Meter->SetNonLinear(true);
    Meter->SetValueMinE(0.01);
    Meter->SetValueMidA(0.3);
    Meter->SetValueMidE(1);
    Meter->SetValueMaxA(1);
  } else {
    Meter->SetNonLinear(false);
    Meter->SetValueStart(0);
    Meter->SetValueMinE(1);
    Meter->SetValueMidA(5);
    Meter->SetValueMidE(7.5);
    Meter->SetValueMaxA(7.5);
  }
}
