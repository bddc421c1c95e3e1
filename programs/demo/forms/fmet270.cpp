#include "programs/demo/forms/fmet270.h"

#include "programs/demo/forms/meterdemo.h"

TMeter270Demo::TMeter270Demo(TComponent* AOwner) : TDemoForm(AOwner, "TMeter270Demo") {
  TFormLoader loader(this);

  Meter = loader.Add<TMeter270>("Meter");
  Meter->SetBounds(8, 8, 196, 196);
  Meter->SetColBack(clNavy);
  Meter->SetValue(3);
  Meter->SetValueEnd(10);
  Meter->SetValueMinE(6);
  Meter->SetValueMidA(5);
  Meter->SetValueMidE(8);
  Meter->SetValueMaxA(8);
  Meter->SetValueMaxE(10);
  Meter->SetCaption("U/min x100");
  Meter->SetShape(sstRoundrect);

  Meter2 = loader.Add<TMeter270>("Meter2");
  Meter2->SetBounds(208, 8, 196, 196);
  Meter2->SetValue(-10);
  Meter2->SetValueStart(-10);
  Meter2->SetValueEnd(10);
  Meter2->SetValueMinA(-10);
  Meter2->SetValueMinE(-8);
  Meter2->SetValueMidA(-4);
  Meter2->SetValueMidE(4);
  Meter2->SetValueMaxA(8);
  Meter2->SetValueMaxE(10);
  Meter2->SetCaption("m/min");
  Meter2->SetDamping(10);
  Meter2->SetDampPeak(50);
  Meter2->SetPeakMode(ppDrag);

  Poti = loader.Add<TPotiSlide>("Poti");
  Poti->SetBounds(410, 8, 56, 196);
  Poti->SetValueStart(-1);
  Poti->SetValueEnd(11);
  Poti->SetScalaPart(6);
  Poti->onChanging = [this](TObject*) { Meter->SetValue(Poti->Value()); };

  // Each position carries its number as its integer field, which is what the damping is read
  // from.
  SelDamp = loader.Add<TSelectorSlide>("SelDamp");
  SelDamp->SetBounds(470, 8, 44, 196);
  SetNumberEntries(SelDamp, {0, 2, 4, 6, 8, 10}, true);
  SelDamp->onChanging = [this](TObject*) { Meter->SetDamping(SelDamp->Posinteger()); };

  ItalicCheck = AddItalicCheck(loader, Bounds(518, 8, 74, 20), Meter, Meter2);
  CloseBtn = AddCloser(loader, 518, 294, 74, 25);

  SelLeds = AddLedsSelector(loader, Bounds(8, 210, 80, 54), Meter);
  SelDisp = AddDispSelector(loader, Bounds(8, 266, 80, 54), Meter);
  SelLed1 = AddLedSelector(loader, Bounds(92, 210, 80, 70), Meter, 1);
  SelLed2 = AddLedSelector(loader, Bounds(176, 210, 80, 70), Meter, 2);
  DragModes = AddPeakModeSelector(loader, Bounds(260, 210, 80, 70), Meter);
  SelForm = AddSelector<TShapeTypeT>(
      loader, "SelForm", "Form", Bounds(344, 210, 170, 54), kShapeItems,
      ItemOf(kShapeItems, Meter->Shape()), [this](TShapeTypeT S) { Meter->SetShape(S); }, 2);
  PeakReset = AddPeakReset(loader, Bounds(344, 270, 96, 24), [this] { Meter->ResetPeak(); });
  PrintBtn = AddPrintButton(loader, this, "Print", Bounds(444, 270, 70, 24));

  SmartTimer = loader.AddComponent<TSmartTimer>("SmartTimer");
  SmartTimer->SetTime(4000);
  SmartTimer->SetTimerMode(tmTicking);
  SmartTimer->TimerEvent = [this](TObject* Sender, bool High) {
    SmartTimerTimerEvent(Sender, High);
  };
  loader.Finish();
  FTestValue = -11;
}

void TMeter270Demo::SmartTimerTimerEvent(TObject*, bool) {
  FTestValue = FTestValue == -11 ? 11 : -11;
  Meter2->SetValue(FTestValue);
}
