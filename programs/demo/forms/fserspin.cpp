#include "programs/demo/forms/fserspin.h"

#include <string>

#include "platform/base/numbers.h"
#include "platform/base/strings.h"

using namespace cp1252_literal;

namespace {

TSerieSpin* AddSpin(TFormLoader& Loader, const std::string& Name, const std::string& Lines,
                    int Position, int Left, int Top, int Width = 26) {
  auto* spin = Loader.Add<TSerieSpin>(Name);
  spin->SetBounds(Left, Top, Width, 48);
  spin->PosText()->SetText(Lines);
  spin->SetPosition(Position);
  return spin;
}

TLedCheck* AddLedCheck(TFormLoader& Loader, const std::string& Name, const std::string& Caption,
                       TCheckMode Mode, int Left, int Top) {
  auto* check = Loader.Add<TLedCheck>(Name);
  check->SetBounds(Left, Top, 90, 22);
  check->SetCaption(Caption);
  check->SetCheckMode(Mode);
  check->SetLedSize(6);
  return check;
}

TLedButton* AddColorButton(TFormLoader& Loader, const std::string& Name, const char* Caption,
                           int Left, int Top) {
  auto* button = Loader.Add<TLedButton>(Name);
  button->SetBounds(Left, Top, 40, 26);
  button->SetCaption(Caption);
  return button;
}

}  // namespace

TSerieSpinDemo::TSerieSpinDemo(TComponent* AOwner) : TDemoForm(AOwner, "TSerieSpinDemo") {
  TFormLoader loader(this);

  SerieSpin = loader.Add<TSerieSpin>("SerieSpin");
  SerieSpin->SetBounds(8, 8, 91, 130);
  std::string chars;
  for (const char* range : {"1234567890", "abcdefghijklmnopq", "ABCDEFGHIJKLMNOPQ"}) {
    for (const char* c = range; *c; ++c) chars += std::string(chars.empty() ? "" : "\n") + *c;
  }
  SerieSpin->PosText()->SetText(chars);
  SerieSpin->SetPosition(22);
  SerieSpin->SetColTxtBack(clMaroon);
  SerieSpin->onChanging = BeepHandler();

  Sizer = loader.Add<TSlider>("Sizer");
  Sizer->SetOrientation(orVertical);
  Sizer->SetBounds(172, 8, 26, 230);
  Sizer->SetValueMin(0);
  Sizer->SetValueMax(190);
  Sizer->SetValue(100);
  Sizer->OnChanging = [this](TObject*) { SizerChanging(); };

  SpinNum = AddSpin(loader, "SpinNum",
                    "1 | 1\n2 | 2\n5 | 5\n10 | 10\n20 | 20\n50 | 50\n100 | 100\n"
                    "200 | 200\n500 | 500",
                    6, 204, 8, 36);
  SpinNum->SetTextAdjust(ttRight);
  SpinPot = AddSpin(loader, "SpinPot",
                    "p | -7654 | 1e-12\nn | clRed | 1e-9\n"
                    "µ | 87675535 | 1e-6\nm | 287 | 1e-3\n  | 12321 | 1\n"_ansi
                    "h | clBlack | 1e2\nk | clGreen | 1e3\nM | clWhite | 1e6",
                    1, 242, 8);
  // The ninth unit is byte 156 of the 8-bit code page, kept as that byte.
  SpinUn = AddSpin(loader, "SpinUn", "g\nm\nN\nT\nB\nV\nA\nF\n\x9c", 7, 268, 8);
  SpinNum->onChanging = [this](TObject*) { ShowProduct(); };
  SpinPot->onChanging = [this](TObject*) { ShowProduct(); };
  SpinUn->onChanging = [this](TObject*) { NumOut->SetUnitText(" " + SpinUn->PosString()); };

  NumOut = loader.Add<TNumEdit>("NumOut");
  NumOut->SetBounds(204, 62, 90, 24);
  NumOut->SetReadOnly(true);
  NumOut->SetValueMax(1000000000);
  NumOut->SetPrecision(2);
  // Exponent form: the products span 1E-12 to 5E8, fixed decimals would show most as zero.
  NumOut->SetDigits(-1);
  NumOut->SetUnitText(" F");
  NumOut->SetValueFloat(1e-7);

  RaisedCheck = AddLedCheck(loader, "RaisedCheck", "raised", lcRadioBtn, 206, 96);
  RaisedCheck->SetGroupIndex(1);
  RaisedCheck->SetChecked(true);
  RaisedCheck->OnDown = [this](TObject*) { SerieSpin->SetBevelOut(bvRaised); };
  LoweredCheck = AddLedCheck(loader, "LoweredCheck", "lowered", lcRadioBtn, 206, 120);
  LoweredCheck->SetGroupIndex(1);
  LoweredCheck->OnDown = [this](TObject*) { SerieSpin->SetBevelOut(bvLowered); };
  WidthCheck = AddLedCheck(loader, "WidthCheck", "small", lcCheckBox, 206, 150);
  WidthCheck->SetCaption1("wide");
  WidthCheck->OnDown = [this](TObject*) { SerieSpin->SetBevWidth(2); };
  WidthCheck->OnUp = [this](TObject*) { SerieSpin->SetBevWidth(1); };

  BackBtn = AddColorButton(loader, "BackBtn", "back", 206, 180);
  BackBtn->OnClick = [this](TObject*) {
    ChooseColor(SerieSpin->ColTxtBack(), [this](TColor c) { SerieSpin->SetColTxtBack(c); });
  };
  TextBtn = AddColorButton(loader, "TextBtn", "text", 248, 180);
  TextBtn->OnClick = [this](TObject*) {
    ChooseColor(SerieSpin->Font()->Color(), [this](TColor c) { SerieSpin->Font()->SetColor(c); });
  };

  AddCloser(loader, 210, 242);
  loader.Finish();
  SizerChanging();
}

void TSerieSpinDemo::ShowProduct() {
  NumOut->SetValueFloat(SpinNum->PosInteger() * SpinPot->PosFloat());
}

void TSerieSpinDemo::SizerChanging() {
  const int c = 230 - int(Round(Sizer->Value()));
  SerieSpin->SetBounds(SerieSpin->Left(), SerieSpin->Top(), c * 7 / 10, c);
}
