#include "programs/demo/forms/fpanelh.h"

#include "platform/base/sysutils.h"
#include "programs/demo/forms/meterdemo.h"

namespace {

const TItemValues<TColor> kBackColorItems{{"schwarz", "silber", "rot", "blau"},
                                          {0x000000, 0xC0C0C0, 0x0000FF, 0xFF0000}};
const TItemValues<TColor> kScaleColorItems{{"weiss", "gelb", "rot", "blau"},
                                           {0xFFFFFF, 0x00FFFF, 0x0000FF, 0xFF0000}};
const TItemValues<TColor> kPointerColorItems{{"gelb", "gruen", "rot", "blau"},
                                             {0x00FFFF, 0x00FF00, 0x0000FF, 0xFFFF00}};
const TItemValues<TColor> kLabelColorItems{{"gelb", "gruen", "rot", "blau"},
                                           {0x00FFFF, 0x00FF00, 0x0000FF, 0xFF0000}};
const TItemValues<bool> kModusItems{{"linear", "logarithm"}, {false, true}};

TBevel3D* AddLabelPlate(TFormLoader& Loader, const std::string& Name, const TRect& Box,
                        const std::string& Caption) {
  auto* plate = Loader.Add<TBevel3D>(Name);
  plate->SetBoundsRect(Box);
  plate->SetBevWidth(1);
  plate->SetBordWidth(0);
  plate->SetCaptEnable(true);
  plate->SetColCaptBack(clSilver);
  plate->SetCaption(Caption);
  return plate;
}

}  // namespace

TMeterHDemo::TMeterHDemo(TComponent* AOwner) : TDemoForm(AOwner, "TMeterHDemo") {
  TFormLoader loader(this);

  Meter = loader.Add<TMeterPanelH>("Meter");
  Meter->SetBounds(8, 8, 250, 73);
  Meter->SetColBack(clBlack);
  Meter->SetValueEnd(10);
  Meter->SetCaption("hPa");
  Meter->SetColScala(clWhite);
  Meter->SetColShape(clWhite);
  Meter->SetColPointer(clRed);
  Meter->SetShape(smtRoundrect);

  Meter2 = loader.Add<TMeterPanelH>("Meter2");
  Meter2->SetBounds(8, 89, 250, 73);
  Meter2->SetColBack(clSilver);
  Meter2->SetValueEnd(50);
  Meter2->SetUpperLimit(45);
  Meter2->SetDamping(10);
  Meter2->SetDampPeak(200);
  Meter2->SetPeakMode(ppDrag);
  Meter2->SetCaption("mV/mm");
  Meter2->SetColScala(clRed);
  Meter2->SetColPointer(clYellow);
  Meter2->SetLedEnable(false);

  BevDamp = AddLabelPlate(loader, "BevDamp", Bounds(264, 89, 70, 22), "Damp = 10");
  BevValue = AddLabelPlate(loader, "BevValue", Bounds(264, 115, 70, 22), "Value =");
  BevWert = AddLabelPlate(loader, "BevWert", Bounds(264, 140, 70, 22), "");

  Poti = loader.Add<TPotiSlide>("Poti");
  Poti->SetBounds(338, 8, 60, 154);
  Poti->SetValueStart(-1);
  Poti->SetValueEnd(11);
  Poti->SetScalaPart(5);
  Poti->SetCaption("Volt");
  Poti->SetCaptEnable(true);
  Poti->onChanging = [this](TObject*) { Meter->SetValue(Poti->Value()); };

  SelDamp = loader.Add<TSelectorSlide>("SelDamp");
  SelDamp->SetBounds(402, 8, 50, 154);
  SetNumberEntries(SelDamp, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, true);
  SelDamp->onChanging = [this](TObject*) { Meter->SetDamping(SelDamp->Posinteger()); };

  SelModus = AddSelector<bool>(loader, "SelModus", "Modus", Bounds(456, 4, 100, 54), kModusItems, 0,
                               [this](bool Log) {
                                 if (Log) {
                                   Meter->SetNonLinear(true);
                                 } else {
                                   Meter->SetNonLinear(false);
                                   Meter->SetValueStart(0);
                                 }
                               });
  PeakReset = AddPeakReset(loader, Bounds(456, 66, 100, 26), [this] { PeakResetClick(); });
  PrintBtn = AddPrintButton(loader, this, "Print", Bounds(456, 100, 100, 25));

  const int row_a = 170, row_b = 262;
  SelBackCol = AddSelector<TColor>(loader, "SelBackCol", "Hintergrund", Bounds(8, row_a, 96, 86),
                                   kBackColorItems, 0, [this](TColor C) { Meter->SetColBack(C); });
  SelSkalaCol =
      AddSelector<TColor>(loader, "SelSkalaCol", "Skala", Bounds(108, row_a, 96, 86),
                          kScaleColorItems, 0, [this](TColor C) { Meter->SetColScala(C); });
  SelZeigerCol =
      AddSelector<TColor>(loader, "SelZeigerCol", "Zeiger", Bounds(208, row_a, 96, 86),
                          kPointerColorItems, 2, [this](TColor C) { Meter->SetColPointer(C); });
  SelTextCol =
      AddSelector<TColor>(loader, "SelTextCol", "Text", Bounds(308, row_a, 96, 86),
                          kLabelColorItems, 1, [this](TColor C) { Meter->Font()->SetColor(C); });
  SelBevelOut =
      AddSelector<TPanelBevel>(loader, "SelBevelOut", "Rahmen aussen", Bounds(408, row_a, 147, 86),
                               kBevelItems, 1, [this](TPanelBevel B) { Meter->SetBevelOut(B); });
  SelBevelIn =
      AddSelector<TPanelBevel>(loader, "SelBevelIn", "Rahmen innen", Bounds(8, row_b, 125, 70),
                               kBevelItems, 0, [this](TPanelBevel B) { Meter->SetBevelIn(B); });
  SelLeds = AddLedsSelector(loader, Bounds(137, row_b, 96, 70), Meter);
  SelLed1 = AddLedSelector(loader, Bounds(237, row_b, 96, 70), Meter, 1);
  SelLed2 = AddLedSelector(loader, Bounds(337, row_b, 96, 70), Meter, 2);
  DragModes = AddPeakModeSelector(loader, Bounds(437, row_b, 118, 70), Meter);

  SmartTimer = loader.AddComponent<TSmartTimer>("SmartTimer");
  SmartTimer->SetTime(2000);
  SmartTimer->SetTimerMode(tmTicking);
  SmartTimer->TimerEvent = [this](TObject* Sender, bool High) {
    SmartTimerTimerEvent(Sender, High);
  };
  loader.Finish();
  FTestValue = -10;
}

void TMeterHDemo::SmartTimerTimerEvent(TObject*, bool) {
  FTestValue = FTestValue == -10 ? 60 : -10;
  Meter2->SetValue(FTestValue);
  BevWert->SetCaption(FloatToStrF(FTestValue, ffFixed, 4, 1));
}

// This meter has no peak reset of its own. A drag step without weight puts the peak where the
// pointer is, which is also where the other meters' reset ends after its update step.
void TMeterHDemo::PeakResetClick() {
  const TPeakPtrMode mode = Meter->PeakMode();
  const int weight = Meter->DampPeak();
  Meter->SetDampPeak(0);
  Meter->SetPeakMode(ppDrag);
  Meter->UpdatePointer(true);
  Meter->SetPeakMode(mode);
  Meter->SetDampPeak(weight);
}
