#include "programs/demo/forms/fmet360.h"

#include "programs/demo/forms/meterdemo.h"

namespace {

TSlider* AddDampSlider(TFormLoader& Loader, const std::string& Name, const std::string& Caption,
                       const TRect& Box) {
  auto* slider = Loader.Add<TSlider>(Name);
  slider->SetBoundsRect(Box);
  slider->SetValueMin(0);
  slider->SetValueMax(10);
  slider->SetScalaPart(10);
  slider->SetSelector(true);
  slider->SetCaption(Caption);
  slider->SetCaptEna(true);
  return slider;
}

TCheckBox* AddLedsCheck(TFormLoader& Loader, const std::string& Name, const TRect& Box,
                        std::function<void(bool)> Apply) {
  auto* box = Loader.Add<TCheckBox>(Name);
  box->SetBoundsRect(Box);
  box->SetCaption(Name);
  box->SetChecked(true);
  BindCheckFollower(box, std::move(Apply));
  return box;
}

}  // namespace

TMeter360Demo::TMeter360Demo(TComponent* AOwner) : TDemoForm(AOwner, "TMeter360Demo") {
  TFormLoader loader(this);

  Meter = loader.Add<TMeter360>("Meter");
  Meter->SetBounds(8, 8, 196, 196);
  Meter->SetColBack(clNavy);
  Meter->SetShape(sstRoundrect);
  Meter->SetValueEnd1(1000);
  Meter->SetValueEnd2(10000);
  Meter->SetCaption1("ALTITUDE");
  Meter->SetCaption2("feet");
  Meter->SetLedEnable1(true);
  Meter->SetLedEnable2(true);
  Meter->SetDampPeak(0);
  Meter->SetPeakMode(ppDrag);

  Meter2 = loader.Add<TMeter360>("Meter2");
  Meter2->SetBounds(208, 8, 196, 196);
  Meter2->SetShape(sstRectangle);
  Meter2->SetValue1(1000);
  Meter2->SetValue2(1000);
  Meter2->SetValueEnd1(100);
  Meter2->SetValueStart2(0.001);
  Meter2->SetValueEnd2(1000);
  Meter2->SetNonLinear2(true);
  Meter2->SetCaption1("FLUX");
  Meter2->SetCaption2("l/min");
  Meter2->SetLedBlink4(true);
  Meter2->SetDamping1(50);
  Meter2->SetDamping2(50);
  Meter2->SetDampPeak(100);
  Meter2->SetPeakMode(ppDrag);

  Poti = loader.Add<TPoti10T>("Poti");
  Poti->SetBounds(410, 8, 194, 196);
  Poti->SetValueEnd(100);
  Poti->SetCaption("Alt");
  Poti->SetCaptEnable(true);
  Poti->SetPresEnable(true);
  Poti->SetDispFixPnt(true);
  Poti->onChanging = [this](TObject*) { PotiToMeter(); };
  Poti->onPreset = [this](TObject*) {
    Poti->SetValue(50);
    PotiToMeter();
  };

  SelDamp = AddDampSlider(loader, "SelDamp", "Damping", Bounds(8, 210, 196, 40));
  SelDamp->OnChanged = [this](TObject*) {
    Meter->SetDamping1(SelDamp->Position());
    Meter->SetDamping2(SelDamp->Position());
  };
  SelDampPeak = AddDampSlider(loader, "SelDampPeak", "Peak Damping", Bounds(8, 256, 196, 40));
  SelDampPeak->OnChanged = [this](TObject*) { Meter->SetDampPeak(SelDampPeak->Position()); };
  LedUpper = AddLedsCheck(loader, "LedUpper", Bounds(8, 304, 96, 20),
                          [this](bool On) { Meter->SetLedEnable2(On); });
  LedLower = AddLedsCheck(loader, "LedLower", Bounds(108, 304, 96, 20),
                          [this](bool On) { Meter->SetLedEnable1(On); });

  SelLed1 = AddLedSelector(loader, Bounds(208, 210, 76, 70), Meter, 1);
  SelLed2 = AddLedSelector(loader, Bounds(288, 210, 76, 70), Meter, 2);
  SelLed3 = AddLedSelector(loader, Bounds(368, 210, 76, 70), Meter, 3);
  SelLed4 = AddLedSelector(loader, Bounds(448, 210, 76, 70), Meter, 4);
  DragModes = AddPeakModeSelector(loader, Bounds(528, 210, 76, 70), Meter);
  SelForm = AddSelector<TShapeTypeT>(
      loader, "SelForm", "Form", Bounds(208, 284, 170, 54), kShapeItems,
      ItemOf(kShapeItems, Meter->Shape()), [this](TShapeTypeT S) { Meter->SetShape(S); }, 2);
  PeakReset = AddPeakReset(loader, Bounds(384, 286, 100, 24), [this] { Meter->ResetPeak(); });
  PrintBtn = AddPrintButton(loader, this, "print", Bounds(384, 314, 100, 24));
  CloseBtn = AddCloser(loader, 504, 314, 100, 24);

  SmartTimer = loader.AddComponent<TSmartTimer>("SmartTimer");
  SmartTimer->SetTime(10000);
  SmartTimer->SetTimerMode(tmTicking);
  SmartTimer->TimerEvent = [this](TObject* Sender, bool High) {
    SmartTimerTimerEvent(Sender, High);
  };
  loader.Finish();
  FTestValue = 1000;
}

// 0..100 on the potentiometer covers the inner scale's 0..10000; the outer one is driven past
// its end.
void TMeter360Demo::PotiToMeter() {
  Meter->SetValue1(Poti->Value() * 100);
  Meter->SetValue2(Poti->Value() * 100);
}

// The blinking LED changes sides with the value.
void TMeter360Demo::SmartTimerTimerEvent(TObject*, bool) {
  if (FTestValue == 0) {
    FTestValue = 1000;
    Meter2->SetLedBlink4(true);
    Meter2->SetLedBlink3(false);
    Meter2->SetLedOn3(false);
  } else {
    FTestValue = 0;
    Meter2->SetLedBlink3(true);
    Meter2->SetLedBlink4(false);
    Meter2->SetLedOn4(false);
  }
  Meter2->SetValue2(FTestValue);
  Meter2->SetValue1(FTestValue);
}
