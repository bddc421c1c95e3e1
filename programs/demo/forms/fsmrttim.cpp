#include "programs/demo/forms/fsmrttim.h"

namespace {

constexpr const char* kTimes = "100msec | 100\n500msec | 500\n1sec       | 1000\n2sec       | 2000";

TBevel3D* AddModeButton(TFormLoader& Loader, const char* Name, const char* Caption, int Top) {
  auto* button = Loader.Add<TBevel3D>(Name);
  button->SetBounds(8, Top, 96, 36);
  button->SetButtonStyle(tsPushPull);
  button->SetCaptEnable(true);
  button->SetColCaptBack(clSilver);
  button->SetCaption(Caption);
  button->SetCaption1(Caption);
  button->SetColCaption(clBlue);
  button->SetColCaption1(clRed);
  return button;
}

TTextSpin* AddSpin(TFormLoader& Loader, const char* Name, const std::string& Lines, int Top) {
  auto* spin = Loader.Add<TTextSpin>(Name);
  spin->SetBounds(116, Top + 4, 120, 28);
  spin->SetLimiter(true);
  spin->SetColTxtBack(clBlack);
  spin->Font()->SetColor(clLime);
  spin->PosText()->SetText(Lines);
  return spin;
}

TLedButton* AddLed(TFormLoader& Loader, const char* Name, const char* Caption, TColor Colour,
                   int Top) {
  auto* led = Loader.Add<TLedButton>(Name);
  led->SetBounds(252, Top, 36, 36);
  led->SetCaptType(ctLed);
  led->SetCaption(Caption);
  led->SetColLed(Colour);
  return led;
}

}  // namespace

TSmartTimeDemo::TSmartTimeDemo(TComponent* AOwner) : TDemoForm(AOwner, "TSmartTimeDemo") {
  TFormLoader loader(this);

  SmartTimer = loader.AddComponent<TSmartTimer>("SmartTimer");
  SmartTimer->SetTime(50);
  SmartTimer->SetTimerMode(tmStopped);
  SmartTimer->SetCycles(0);
  SmartTimer->TimerEvent = [this](TObject*, bool) { TimerEvent(); };

  ShotBtn = AddModeButton(loader, "ShotBtn", "OneShot", 8);
  TickerBtn = AddModeButton(loader, "TickerBtn", "Ticking", 56);
  BlinkerBtn = AddModeButton(loader, "BlinkerBtn", "Blinking", 104);
  IterateBtn = AddModeButton(loader, "IterateBtn", "Iterate", 152);

  OneShotTime = AddSpin(loader, "OneShotTime", kTimes, 8);
  OneShotTime->SetPosition(2);
  TickTime = AddSpin(loader, "TickTime", kTimes, 56);
  TickTime->SetPosition(1);
  std::string cycles;
  for (int i = 1; i <= 10; ++i) {
    cycles += (i > 1 ? "\n" : "") + std::to_string(i) + " cycle | " + std::to_string(i);
  }
  IterateTicks = AddSpin(loader, "IterateTicks", cycles, 152);
  IterateTicks->SetPosition(2);

  OneShotLed = AddLed(loader, "OneShotLed", "S", clLime, 8);
  TickerLed = AddLed(loader, "TickerLed", "T", clYellow, 56);
  BlinkerLed = AddLed(loader, "BlinkerLed", "B", clRed, 104);
  IterateLed = AddLed(loader, "IterateLed", "I", clFuchsia, 152);

  ShotBtn->OnDown = [this](TObject*) {
    StartMode(ShotBtn);
    SmartTimer->SetTime(uint16_t(OneShotTime->PosInteger()));
    // An iteration broken off leaves cycles behind; a one-shot is one event all the same.
    SmartTimer->SetCycles(0);
    SmartTimer->SetTimerMode(tmIterate);
  };
  TickerBtn->OnDown = [this](TObject*) {
    StartMode(TickerBtn);
    SmartTimer->SetTime(uint16_t(TickTime->PosInteger()));
    SmartTimer->SetTimerMode(tmTicking);
  };
  BlinkerBtn->OnDown = [this](TObject*) {
    StartMode(BlinkerBtn);
    SmartTimer->SetTimerMode(tmBlinking);
  };
  IterateBtn->OnDown = [this](TObject*) {
    StartMode(IterateBtn);
    SmartTimer->SetTimerMode(tmStopped);
    SmartTimer->SetTime(500);
    SmartTimer->SetCycles(IterateTicks->PosInteger());
    SmartTimer->SetTimerMode(tmIterate);
  };
  for (TBevel3D* button : {ShotBtn, TickerBtn, BlinkerBtn, IterateBtn}) {
    button->OnUp = [this](TObject*) { StopAll(); };
  }
  TickTime->onChanged = [this](TObject*) { SmartTimer->SetTime(uint16_t(TickTime->PosInteger())); };

  AddCloser(loader, 226, 226, 84, 27);
  loader.Finish();
}

void TSmartTimeDemo::StopAll() {
  SmartTimer->SetTimerMode(tmStopped);
  for (TLedButton* led : {OneShotLed, TickerLed, BlinkerLed}) led->SetLedOn(false);
}

void TSmartTimeDemo::StartMode(TBevel3D* Pressed) {
  StopAll();
  for (TBevel3D* button : {ShotBtn, TickerBtn, BlinkerBtn, IterateBtn}) {
    if (button != Pressed) button->SetDown(false);
  }
}

void TSmartTimeDemo::TimerEvent() {
  DemoBeep();
  if (ShotBtn->Down()) {
    OneShotLed->SetLedOn(true);
    ShotBtn->SetDown(false);
  }
  if (TickerBtn->Down()) {
    TickerLed->SetLedOn(!TickerLed->LedOn());
  } else if (BlinkerBtn->Down()) {
    BlinkerLed->SetLedOn(!BlinkerLed->LedOn());
  } else if (IterateBtn->Down()) {
    IterateLed->SetLedOn(!IterateLed->LedOn());
    if (SmartTimer->Cycles() <= 0) IterateBtn->SetDown(false);
  } else {
    SmartTimer->SetTimerMode(tmStopped);
  }
}
