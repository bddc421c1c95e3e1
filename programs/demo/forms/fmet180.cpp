#include "programs/demo/forms/fmet180.h"

#include "programs/demo/forms/meterdemo.h"

namespace {

const TItemValues<bool> kModusItems{{"linear", "logar."}, {false, true}};
const TItemValues<TmShapeType> kFormItems{{"rund", "eckig"}, {smtRoundrect, smtRectangle}};

}  // namespace

TMeter180Demo::TMeter180Demo(TComponent* AOwner) : TDemoForm(AOwner, "TMeter180Demo") {
  TFormLoader loader(this);

  Meter = loader.Add<TMeter180>("Meter");
  Meter->SetBounds(436, 8, 146, 245);
  Meter->SetColBack(clNavy);
  Meter->SetValue(3);
  Meter->SetValueEnd(10);
  Meter->SetValueMinE(3);
  Meter->SetValueMidA(3);
  Meter->SetValueMidE(8);
  Meter->SetValueMaxA(8);
  Meter->SetValueMaxE(10);
  Meter->SetCaption("U/min x100");
  Meter->SetOrientation(orLeft);

  Meter2 = loader.Add<TMeter180>("Meter2");
  Meter2->SetBounds(8, 8, 250, 144);
  Meter2->SetValue(-10);
  Meter2->SetValueStart(-10);
  Meter2->SetValueEnd(10);
  Meter2->SetCaption("MN/qm");
  Meter2->SetDamping(10);
  Meter2->SetDampPeak(30);
  Meter2->SetPeakMode(ppDrag);
  Meter2->SetOrientation(orTop);

  Poti = loader.Add<TPotiSlide>("Poti");
  Poti->SetBounds(8, 160, 56, 230);
  Poti->SetValueStart(-1);
  Poti->SetValueEnd(11);
  Poti->SetScalaPart(12);
  Poti->onChanging = [this](TObject*) { Meter->SetValue(Poti->Value()); };

  SelDamp = loader.Add<TSelectorSlide>("SelDamp");
  SelDamp->SetBounds(66, 160, 44, 230);
  SetNumberEntries(SelDamp, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, false);
  SelDamp->onChanging = [this](TObject*) { Meter->SetDamping(SelDamp->Position()); };

  SelLeds = AddLedsSelector(loader, Bounds(114, 156, 90, 54), Meter);
  SelDisp = AddDispSelector(loader, Bounds(114, 214, 90, 54), Meter);
  SelModus = AddSelector<bool>(loader, "SelModus", "Modus", Bounds(114, 272, 90, 54), kModusItems,
                               0, [this](bool Log) { SelModusClick(Log); });
  SelForm = AddSelector<TmShapeType>(loader, "SelForm", "Form", Bounds(114, 330, 90, 54),
                                     kFormItems, ItemOf(kFormItems, Meter->Shape()),
                                     [this](TmShapeType S) { Meter->SetShape(S); });
  SelLed1 = AddLedSelector(loader, Bounds(208, 156, 90, 70), Meter, 1);
  SelLed2 = AddLedSelector(loader, Bounds(208, 230, 90, 70), Meter, 2);
  DragModes = AddPeakModeSelector(loader, Bounds(208, 304, 90, 70), Meter);

  SelOrient = AddOrientSelector(loader, Bounds(332, 258, 160, 54), Meter,
                                {Bounds(332, 0, 250, 144), Bounds(436, 0, 146, 245)});
  ItalicCheck = AddItalicCheck(loader, Bounds(332, 320, 80, 20), Meter, Meter2);
  PeakReset = AddPeakReset(loader, Bounds(498, 258, 84, 26), [this] { Meter->ResetPeak(); });
  PrintBtn = AddPrintButton(loader, this, "Print", Bounds(498, 292, 84, 25));
  CloseBtn = AddCloser(loader, 498, 367, 84, 25);

  SmartTimer = loader.AddComponent<TSmartTimer>("SmartTimer");
  SmartTimer->SetTime(3000);
  SmartTimer->SetTimerMode(tmTicking);
  SmartTimer->TimerEvent = [this](TObject* Sender, bool High) {
    SmartTimerTimerEvent(Sender, High);
  };
  loader.Finish();
  FTestValue = -11;
}

void TMeter180Demo::SmartTimerTimerEvent(TObject*, bool) {
  FTestValue = FTestValue == -11 ? 11 : -11;
  Meter2->SetValue(FTestValue);
}

// As on the 120-degree form: the scale and with it the colour zones, which keep this form's
// own linear bounds.
void TMeter180Demo::SelModusClick(bool Log) {
  if (Log) {
    Meter->SetNonLinear(true);
    Meter->SetValueMinE(0.01);
    Meter->SetValueMidA(0.3);
    Meter->SetValueMidE(1);
    Meter->SetValueMaxA(1);
  } else {
    Meter->SetNonLinear(false);
    Meter->SetValueStart(0);
    Meter->SetValueMinE(3);
    Meter->SetValueMidA(3);
    Meter->SetValueMidE(8);
    Meter->SetValueMaxA(8);
  }
}
