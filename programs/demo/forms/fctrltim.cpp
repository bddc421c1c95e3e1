#include "programs/demo/forms/fctrltim.h"

#include <iterator>
#include <string>

namespace {

// Resolution spin position -> the switch's units and width.
constexpr struct {
  TCtrlTRes Resolution;
  int Width;
} kResolutions[] = {{tcSS, 160},   {tcMM, 160},   {tcHH, 160},
                    {tcMMSS, 240}, {tcHHMM, 240}, {tcHHMMSS, 320}};

TTextSpin* AddSpin(TFormLoader& Loader, const char* Name, const char* Hint, const char* Lines,
                   int Left) {
  auto* spin = Loader.Add<TTextSpin>(Name);
  spin->SetBounds(Left, 126, 100, 26);
  spin->SetHint(Hint);
  spin->PosText()->SetText(Lines);
  return spin;
}

TPictButton* AddLamp(TFormLoader& Loader, const char* Name, const char* Text, int Left) {
  auto* lamp = Loader.Add<TPictButton>(Name);
  lamp->SetBounds(Left, 162, 76, 70);
  lamp->SetPictStyle(TPictStyle::threeRow);
  lamp->SetText(Text);
  lamp->SetText1("status");
  lamp->SetText2("reset");
  lamp->SetShape(sstRoundrect);
  lamp->SetColBack(clBlack);
  lamp->SetColBorder(clWhite);
  lamp->Font()->SetName("Arial");
  lamp->Font()->SetHeight(-21);
  lamp->Font()->SetColor(clLime);
  lamp->Font1()->SetName("Arial");
  lamp->Font1()->SetHeight(-24);
  lamp->Font1()->SetColor(clRed);
  lamp->SetBlinkOn(false);
  lamp->SetButtonStyle(tsNone);
  return lamp;
}

}  // namespace

TCtrlTimDemo* CtrlTimDemo = nullptr;

TCtrlTimDemo::~TCtrlTimDemo() {
  if (CtrlTimDemo == this) CtrlTimDemo = nullptr;
}

TCtrlTimDemo::TCtrlTimDemo(TComponent* AOwner) : TDemoForm(AOwner, "TCtrlTimDemo") {
  SetShowHint(true);
  TFormLoader loader(this);

  CtrlTimer = loader.Add<TCtrlTimer>("CtrlTimer");
  CtrlTimer->SetBounds(8, 8, 320, 96);
  CtrlTimer->SetColBack(clMaroon);
  CtrlTimer->SetResolution(tcHHMMSS);
  CtrlTimer->StartTime()->SetValueSeconds(40);
  CtrlTimer->StartTime()->SetBeep(-1);
  TCtlTime* triggers[] = {CtrlTimer->Trigger1(), CtrlTimer->Trigger2(), CtrlTimer->Trigger3()};
  for (int i = 0; i < 3; ++i) {
    triggers[i]->SetValueSeconds(30 - 10 * i);
    triggers[i]->SetBeep(1);
  }
  CtrlTimer->SetMode(tCtrlTMode::reset);
  CtrlTimer->SetCaption("Timer");
  CtrlTimer->SetShape(smtRoundrect);
  CtrlTimer->SetColSegm(clLime);
  CtrlTimer->SetColElapsed(clRed);
  CtrlTimer->SetCaptCol(clRed);
  CtrlTimer->SetModeColor(clBlack);

  static constexpr const char* kLabels[] = {"Resolution", "Segmente", "Hintergrund"};
  for (int i = 0; i < 3; ++i) {
    auto* label = loader.Add<TLabel>("Label" + std::to_string(i + 1));
    label->SetBounds(8 + i * 108, 110, 100, 14);
    label->SetCaption(kLabels[i]);
  }
  ResSpin = AddSpin(loader, "ResSpin", "Resolution|Timer Resolution",
                    "ss\nmm\nhh\nmmss\nhhmm\nhhmmss", 8);
  ResSpin->SetPosition(5);
  ResSpin->SetRepSpeed(100);
  ResSpin->onChanged = [this](TObject* Sender) { ResSpinChanged(Sender); };

  Disp7Scol = AddSpin(loader, "Disp7Scol", "Display 7Seg color",
                      "clLime|clLime\nclYellow|clYellow\nclRed|clRed\nclAqua|clAqua", 116);
  Disp7Scol->onChanged = [this](TObject*) { CtrlTimer->SetColSegm(Disp7Scol->PosColor()); };

  DispBgCol = AddSpin(loader, "DispBgCol", "Display Background color",
                      "clMaroon|clMaroon\nclGreen|clGreen\nclNavy|clNavy\nclBlack|clBlack", 224);
  DispBgCol->onChanged = [this](TObject*) { CtrlTimer->SetColBack(DispBgCol->PosColor()); };

  LedCheck1 = loader.Add<TLedCheck>("LedCheck1");
  LedCheck1->SetBounds(336, 128, 72, 22);
  LedCheck1->SetCheckMode(lcCheckBox);
  LedCheck1->SetCaption("italic");
  LedCheck1->SetHint("Display mode");
  LedCheck1->OnClick = [this](TObject*) { CtrlTimer->SetDispItalic(LedCheck1->Checked()); };

  Trigger1 = AddLamp(loader, "Trigger1", "Trigger 1", 8);
  Trigger2 = AddLamp(loader, "Trigger2", "Trigger 2", 90);
  Trigger3 = AddLamp(loader, "Trigger3", "Trigger 3", 172);
  Elapsed = AddLamp(loader, "Elapsed", "Elapsed", 254);

  CtrlTimer->OnReset = [this](TObject*) {
    for (TPictButton* lamp : {Trigger1, Trigger2, Trigger3, Elapsed}) {
      lamp->SetText2("reset");
      lamp->SetBlinkOn(false);
    }
  };
  CtrlTimer->OnTrigger1 = [this](TObject*) { Fired(Trigger1, "triggered"); };
  CtrlTimer->OnTrigger2 = [this](TObject*) { Fired(Trigger2, "triggered"); };
  CtrlTimer->OnTrigger3 = [this](TObject*) { Fired(Trigger3, "triggered"); };
  CtrlTimer->OnElapsed = [this](TObject*) { Fired(Elapsed, "elapsed"); };
  OnClose = [this](TObject*, TCloseAction&) { CtrlTimer->SetMode(tCtrlTMode::reset); };

  AddCloser(loader, 338, 207, 70, 25);
  loader.Finish();
}

void TCtrlTimDemo::ResSpinChanged(TObject*) {
  CtrlTimer->SetMode(tCtrlTMode::reset);
  const int position = ResSpin->Position();
  if (position < 0 || position >= int(std::size(kResolutions))) return;
  CtrlTimer->SetResolution(kResolutions[position].Resolution);
  CtrlTimer->SetWidth(kResolutions[position].Width);
}

void TCtrlTimDemo::Fired(TPictButton* Lamp, const char* Text) {
  Lamp->SetText2(Text);
  Lamp->SetBlinkOn(true);
}
