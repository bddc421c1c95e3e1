#include "programs/demo/forms/fledchk.h"

#include "platform/base/numbers.h"
#include "programs/demo/forms/demopictures.h"

namespace {

TLedCheck* AddCheck(TFormLoader& Loader, int Number, const char* Caption, TCheckMode Mode,
                    int Group, int Left, int Top, int Width = 128, int Height = 22) {
  auto* check = Loader.Add<TLedCheck>("LedCheck" + std::to_string(Number));
  check->SetBounds(Left, Top, Width, Height);
  check->SetCaption(Caption);
  check->SetCheckMode(Mode);
  check->SetGroupIndex(Group);
  check->SetLedSize(6);
  return check;
}

void AddTitle(TFormLoader& Loader, const char* Name, const char* Caption, int Left, int Top,
              int Width) {
  auto* title = Loader.Add<TBevel3D>(Name);
  title->SetBounds(Left, Top, Width, 22);
  title->SetBevWidth(1);
  title->SetBordWidth(1);
  title->SetCaptEnable(true);
  title->SetColCaptBack(clSilver);
  title->SetCaption(Caption);
}

TMultiBmp* AddArrow(TFormLoader& Loader, const char* Name, const char* Picture, int Left, int Top) {
  auto* arrow = Loader.Add<TMultiBmp>(Name);
  arrow->SetBounds(Left, Top, 40, 28);
  arrow->SetGlyph(LoadDemoPicture(Picture).get());
  arrow->SetGlyphNums(2);
  arrow->SetGlyphSel(2);
  return arrow;
}

}  // namespace

TLedCheckDemo::TLedCheckDemo(TComponent* AOwner) : TDemoForm(AOwner, "TLedCheckDemo") {
  TFormLoader loader(this);

  // Function select: the mode of the LED check box under test.
  AddTitle(loader, "FunctionTitle", "Function select", 8, 8, 128);
  static constexpr struct {
    const char* Caption;
    TCheckMode Mode;
  } kModes[] = {{"LED only", lcNone},
                {"Button type", lcButton},
                {"CheckBox", lcCheckBox},
                {"RadioBtn", lcRadioBtn}};
  for (int i = 0; i < 4; ++i) {
    TLedCheck* radio = AddCheck(loader, i + 1, kModes[i].Caption, lcRadioBtn, 1, 8, 34 + i * 24);
    radio->SetLedBlink(true);
    const TCheckMode mode = kModes[i].Mode;
    radio->OnClick = [this, mode](TObject*) { ModeClick(mode); };
    Check[size_t(i + 1)] = radio;
  }
  Check[1]->SetChecked(true);

  // Its checked state, and the shape of its LED.
  Check[5] = AddCheck(loader, 5, "Checked", lcRadioBtn, 2, 8, 136);
  Check[6] = AddCheck(loader, 6, "UnChecked", lcRadioBtn, 2, 8, 160);
  Check[6]->SetChecked(true);
  Check[5]->OnClick = [this](TObject*) { LedCheck->SetChecked(Check[5]->Checked()); };
  Check[6]->OnClick = [this](TObject*) { LedCheck->SetChecked(!Check[6]->Checked()); };
  Check[7] = AddCheck(loader, 7, "Square", lcRadioBtn, 3, 8, 196);
  Check[8] = AddCheck(loader, 8, "Circle", lcRadioBtn, 3, 8, 220);
  Check[8]->SetChecked(true);
  Check[7]->OnClick = [this](TObject*) { LedCheck->SetLedShape(ledRectangle); };
  Check[8]->OnClick = [this](TObject*) { LedCheck->SetLedShape(ledCircle); };

  LedCheck = loader.Add<TLedCheck>("LedCheck");
  LedCheck->SetBounds(146, 8, 130, 72);
  LedCheck->SetCaption("LedCheck");
  LedCheck->SetCheckMode(lcNone);
  LedCheck->SetLedCol(clRed);
  LedCheck->SetGroupIndex(4);
  LedCheck->SetLedSize(30);
  LedCheck->OnDown = [this](TObject*) { LedCheckDownUp(); };
  LedCheck->OnUp = [this](TObject*) { LedCheckDownUp(); };

  MultiBmpL = AddArrow(loader, "MultiBmpL", "arrowl.bmp", 146, 90);
  LedCheck9 = loader.Add<TLedCheck>("LedCheck9");
  LedCheck9->SetBounds(196, 88, 30, 32);
  LedCheck9->SetCheckMode(lcRadioBtn);
  LedCheck9->SetGroupIndex(4);
  LedCheck9->OnClick = [this](TObject*) { LedCheck9Click(); };
  MultiBmpR = AddArrow(loader, "MultiBmpR", "arrowr.bmp", 236, 90);

  Slider = loader.Add<TSlider>("Slider");
  Slider->SetOrientation(orVertical);  // before the size, so the height is not taken as thickness
  Slider->SetBounds(146, 128, 40, 138);
  Slider->SetValueMin(6);
  Slider->SetValueMax(30);
  Slider->SetValue(30);
  Slider->OnChanging = [this](TObject*) { LedCheck->SetLedSize(int(Round(Slider->Value()))); };

  Check[15] = AddCheck(loader, 15, "Exit", lcButton, 0, 200, 232, 76, 34);
  Check[15]->SetBevWidth(2);
  Check[15]->SetBevelOut(bvRaised);
  Check[15]->OnUp = [this](TObject*) { Close(); };

  // Caption placement and frame of a second LED check box.
  Check[10] = AddCheck(loader, 10, "Caption", lcCheckBox, 0, 286, 8, 133, 62);
  Check[10]->SetCaption1("Caption1");
  Check[10]->SetChecked(true);
  Check[10]->SetCaptFrame(true);
  Check[10]->SetBevWidth(2);
  Check[10]->SetBordWidth(1);
  Check[10]->SetBevelIn(bvRaised);
  Check[10]->SetBevelOut(bvLowered);
  AddTitle(loader, "PositionTitle", "Positon", 286, 76, 133);
  static constexpr struct {
    const char* Caption;
    TOrientType Pos;
  } kPlaces[] = {{"right", orRight}, {"left", orLeft}, {"top", orTop}, {"bottom", orBottom}};
  for (int i = 0; i < 4; ++i) {
    TLedCheck* radio = AddCheck(loader, 11 + i, kPlaces[i].Caption, lcRadioBtn, 5,
                                286 + (i % 2) * 68, 102 + (i / 2) * 24, 65);
    const TOrientType pos = kPlaces[i].Pos;
    radio->OnClick = [this, pos](TObject*) { Check[10]->SetCaptPos(pos); };
    Check[size_t(11 + i)] = radio;
  }
  Check[11]->SetChecked(true);

  AddTitle(loader, "OutlineTitle", "Outline", 286, 154, 133);
  Check[16] = AddCheck(loader, 16, "Capt Frame", lcRadioBtn, 6, 286, 180, 133);
  Check[16]->SetChecked(true);
  Check[16]->OnClick = [this](TObject*) { Check[10]->SetCaptFrame(Check[16]->Checked()); };
  Check[19] = AddCheck(loader, 19, "auto Frame", lcRadioBtn, 6, 286, 204, 133);
  Check[19]->OnClick = [this](TObject*) { Check[10]->SetCaptAutoFrm(Check[19]->Checked()); };
  Check[17] = AddCheck(loader, 17, "no Bevel", lcCheckBox, 0, 286, 228, 62);
  Check[17]->SetCaption1("Bevel");
  Check[17]->SetChecked(true);
  Check[17]->OnClick = [this](TObject*) { BevelClick(); };
  Check[18] = AddCheck(loader, 18, "no border", lcCheckBox, 0, 348, 228, 76);
  Check[18]->SetCaption1("border");
  Check[18]->OnClick = [this](TObject*) { Check[10]->SetFramed(Check[18]->Checked()); };

  loader.Finish();
}

void TLedCheckDemo::ModeClick(TCheckMode Mode) {
  LedCheck->SetCheckMode(Mode);
  const int glyph = Mode == lcRadioBtn ? 1 : 2;
  MultiBmpL->SetGlyphSel(glyph);
  MultiBmpR->SetGlyphSel(glyph);
}

void TLedCheckDemo::LedCheckDownUp() {
  Check[5]->SetChecked(LedCheck->Checked());
  Check[6]->SetChecked(!LedCheck->Checked());
}

void TLedCheckDemo::LedCheck9Click() {
  if (LedCheck->CheckMode() != lcRadioBtn) return;
  Check[6]->SetChecked(LedCheck9->Checked());
  Check[5]->SetChecked(!LedCheck9->Checked());
}

void TLedCheckDemo::BevelClick() {
  const bool bevel = Check[17]->Checked();
  Check[10]->SetBevelIn(bevel ? bvRaised : bvNone);
  Check[10]->SetBevelOut(bevel ? bvLowered : bvNone);
}
