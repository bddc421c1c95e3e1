#include "programs/demo/forms/fgameprt.h"

#include "programs/demo/forms/demopictures.h"

namespace {

constexpr TColor kLedOk = 0x00FF00;

TEdit* AddAxisEdit(TFormLoader& Loader, const std::string& Name, TWinControl* Parent,
                   const char* Axis, int Top) {
  auto* label = Loader.Add<TLabel>(Name + "Label", Parent);
  label->SetBounds(10, Top + 4, 12, 16);
  label->SetCaption(Axis);
  auto* edit = Loader.Add<TEdit>(Name, Parent);
  edit->SetBounds(24, Top, 56, 22);
  edit->SetReadOnly(true);
  edit->SetText("0");
  return edit;
}

TGaugeGp* AddGauge(TFormLoader& Loader, const std::string& Name, TWinControl* Parent, int Top) {
  auto* gauge = Loader.Add<TGaugeGp>(Name, Parent);
  gauge->SetBounds(86, Top, 170, 22);
  gauge->SetValueMin(-100);
  gauge->SetValueMax(100);
  gauge->SetMeterMode(true);
  gauge->SetSegmColor(clRed);
  gauge->SetSegmWidth(8);
  gauge->SetColBack(clLime);
  return gauge;
}

TMultiBmp* AddFireButton(TFormLoader& Loader, const std::string& Name, TWinControl* Parent,
                         const char* Picture, int Left) {
  auto* button = Loader.Add<TMultiBmp>(Name, Parent);
  button->SetBounds(Left, 26, 40, 40);
  button->SetGlyph(LoadDemoPicture(Picture).get());
  button->SetGlyphNums(8);
  button->SetGlyphSel(1);
  return button;
}

TLedButton* AddLed(TFormLoader& Loader, const std::string& Name, const char* Caption, int Left) {
  auto* led = Loader.Add<TLedButton>(Name);
  led->SetBounds(Left, 216, 36, 36);
  led->SetColLed(clRed);
  led->SetLedOn(true);
  led->SetCaptType(ctLed);
  led->SetCaption("?");
  auto* label = Loader.Add<TLabel>(Name + "Label");
  label->SetBounds(Left + 42, 226, 60, 16);
  label->SetCaption(Caption);
  return led;
}

void ShowOk(TLedButton* Led) {
  Led->SetColLed(kLedOk);
  Led->SetCaption("Ok");
}

// A position of 0..65535 as -100..100.
double GaugeValue(int Position) { return Position / 65535.0 * 200 - 100; }

}  // namespace

TGamePortDemo::TGamePortDemo(TComponent* AOwner) : TDemoForm(AOwner, "TGamePortDemo") {
  TFormLoader loader(this);

  Game = loader.AddComponent<TGamePort>("Game");
  Game->SetEnabled(false);
  Game->SetUseDevice({udJoystick1, udJoystick2});

  for (int i = 0; i < 2; ++i) {
    const std::string n = std::to_string(i + 1);
    auto* group = loader.Add<TGroupBox>("StickGroup" + n);
    group->SetBounds(8, 8 + i * 102, 361, 96);
    group->SetCaption("Joystick " + n);
    TStickView& v = Stick[size_t(i)];
    v.XEdit = AddAxisEdit(loader, "XEdit" + n, group, "x", 26);
    v.YEdit = AddAxisEdit(loader, "YEdit" + n, group, "y", 58);
    v.XGauge = AddGauge(loader, "XGauge" + n, group, 26);
    v.YGauge = AddGauge(loader, "YGauge" + n, group, 58);
    v.ButtonA = AddFireButton(loader, "ButtonA" + n, group, "firebtna.bmp", 266);
    v.ButtonB = AddFireButton(loader, "ButtonB" + n, group, "firebtnb.bmp", 312);
  }

  PortOkLed = AddLed(loader, "PortOkLed", "GamePort", 8);
  StickOkLed1 = AddLed(loader, "StickOkLed1", "Stick 1", 112);
  StickOkLed2 = AddLed(loader, "StickOkLed2", "Stick 2", 216);
  AddCloser(loader, 294, 270);

  Game->OnJoy1Move = [this](TObject*, int x, int y, int, TJoyButton) { Move(Stick[0], x, y); };
  Game->OnJoy2Move = [this](TObject*, int x, int y, int, TJoyButton) { Move(Stick[1], x, y); };
  auto button = [this](size_t stick, int glyph) {
    return [this, stick, glyph](TObject*, int, int, int, TJoyButton, TJoyButtonChanged changed) {
      ButtonChange(Stick[stick], changed, glyph);
    };
  };
  Game->OnJoy1ButtonDown = button(0, 3);
  Game->OnJoy1ButtonUp = button(0, 1);
  Game->OnJoy2ButtonDown = button(1, 3);
  Game->OnJoy2ButtonUp = button(1, 1);
  OnShow = [this](TObject*) { FormShow(); };
  loader.Finish();
}

void TGamePortDemo::FormShow() {
  if (!Game->PortOk()) return;
  Game->SetEnabled(true);
  ShowOk(PortOkLed);
  if (Game->StickOk1()) ShowOk(StickOkLed1);
  if (Game->StickOk2()) ShowOk(StickOkLed2);
}

void TGamePortDemo::Move(const TStickView& View, int X, int Y) {
  View.XEdit->SetText(std::to_string(X));
  View.YEdit->SetText(std::to_string(Y));
  View.XGauge->SetValue(GaugeValue(X));
  View.YGauge->SetValue(GaugeValue(Y));
}

void TGamePortDemo::ButtonChange(const TStickView& View, TJoyButtonChanged Changed, int Glyph) {
  if (Changed == 0) View.ButtonA->SetGlyphSel(Glyph);
  if (Changed == 1) View.ButtonB->SetGlyphSel(Glyph);
}
