#include "programs/demo/forms/fslider.h"

#include <string>

#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"

namespace {

TSlider* AddSlider(TFormLoader& Loader, const std::string& Name, TOrientation Orientation, int Left,
                   int Top, int Width, int Height) {
  auto* slider = Loader.Add<TSlider>(Name);
  slider->SetOrientation(Orientation);  // before the size, so the length is not the thickness
  slider->SetBounds(Left, Top, Width, Height);
  return slider;
}

// A slider that switches among Positions positions, starting at Start.
TSlider* AddSelector(TFormLoader& Loader, const std::string& Name, const char* Caption,
                     int Positions, int Start, int Left, int Top) {
  TSlider* slider = AddSlider(Loader, Name, orHorizontal, Left, Top, 94, 34);
  slider->SetSelector(true);
  slider->SetScalaPart(Positions - 1);
  slider->SetPosition(Start);
  slider->SetCaption(Caption);
  slider->SetCaptEna(true);
  return slider;
}

template <class V>
TRadioGroup* AddGroup(TFormLoader& Loader, const std::string& Name, const char* Caption,
                      const TItemValues<V>& Table, int Index, int Left, int Top,
                      std::function<void(const V&)> Apply) {
  auto* group = Loader.Add<TRadioGroup>(Name);
  group->SetBounds(Left, Top, 94, 72);
  group->SetCaption(Caption);
  BindSelector<V>(group, Table, Apply);
  group->SetItemIndex(Index);
  return group;
}

const TItemValues<TButtonStyle> kBtnStyles{{" Auto", " Win31", " New"},
                                           {bsAutoDetect, bsWin31, bsNew}};
const TItemValues<TButtonDir> kButtonDirs{{" cross", " long", " square"},
                                          {btCrossWise, btLengthWise, btSquare}};
const TItemValues<TPanelBevel> kTrenchStyles{{"lowered", "none", "raised"},
                                             {bvLowered, bvNone, bvRaised}};

}  // namespace

TSliderDemo::TSliderDemo(TComponent* AOwner) : TDemoForm(AOwner, "TSliderDemo") {
  TFormLoader loader(this);

  // The square at the top left is the slider's room in both orientations.
  Slider = AddSlider(loader, "Slider", orVertical, 8, 8, 40, 180);
  Slider->SetValueMin(-100);
  Slider->SetValueMax(100);
  Slider->SetCaption("output gain");
  Slider->SetCaptEna(true);
  Slider->SetButtonDir(btSquare);
  Slider->SetScalaPart(10);
  Slider->SetPosition(5);
  Slider->OnChanging = [this](TObject*) { ShowValue(); };

  const TColor colours[] = {clBlack, clMaroon, clGreen, clNavy, clRed, clYellow};
  const int delays[] = {0, 1, 2, 4, 8, 15};
  for (int i = 0; i < 6; ++i) {
    Sliders[i] =
        AddSlider(loader, "Slider" + std::to_string(i + 4), orVertical, 62 + i * 21, 58, 20, 130);
    Sliders[i]->SetValueMax(100);
    Sliders[i]->SetDragDelay(delays[i]);
    Sliders[i]->SetButtonColor(colours[i]);
  }

  SollWert = AddSlider(loader, "SollWert", orVertical, 196, 8, 26, 180);
  SollWert->SetValueMax(100);
  SollWert->SetDragDelay(2);
  SollWert->SetButtonColor(clAqua);
  SollWert->SetHint("Soll\rwert");
  SollWert->SetShowHint(true);
  SollWert->OnChanging = [this](TObject*) { Slider->SetValue(SollWert->Value()); };

  TrenchWidth = AddSelector(loader, "TrenchWidth", "Trench", 3, 1, 228, 8);
  TrenchWidth->OnChanging = [this](TObject*) {
    Slider->SetTrenchWidth(TrenchWidth->Position() + 1);
  };
  SliderWidth = AddSelector(loader, "SliderWidth", "Width", 9, 5, 326, 8);
  SliderWidth->OnChanging = [this](TObject*) { SetThickness(); };
  ScalaPart = AddSelector(loader, "ScalaPart", "Scala", 11, 10, 228, 46);
  ScalaPart->OnChanging = [this](TObject*) { Slider->SetScalaPart(ScalaPart->Position() + 1); };
  BtnSize = AddSlider(loader, "BtnSize", orHorizontal, 326, 46, 94, 34);
  BtnSize->SetValueMin(6);
  BtnSize->SetValueMax(18);
  BtnSize->SetValue(10);
  BtnSize->SetCaption("Button");
  BtnSize->SetCaptEna(true);
  BtnSize->OnChanging = [this](TObject*) { Slider->SetButtonSize(int(Round(BtnSize->Value()))); };

  BtnStyle = AddGroup<TButtonStyle>(loader, "BtnStyle", "BtnStyle", kBtnStyles, 0, 228, 86,
                                    [this](TButtonStyle v) { Slider->SetBtnStyle(v); });
  ButtonDir = AddGroup<TButtonDir>(loader, "ButtonDir", "ButtonDir", kButtonDirs, 2, 326, 86,
                                   [this](TButtonDir v) { Slider->SetButtonDir(v); });
  TrenchStyle = AddGroup<TPanelBevel>(loader, "TrenchStyle", "Trench", kTrenchStyles, 0, 228, 162,
                                      [this](TPanelBevel v) { Slider->SetTrenchStyle(v); });

  struct Check {
    const char* Name;
    const char* Caption;
    TCheckBox** Box;
    bool Checked;
    std::function<void(bool)> Apply;
  };
  const Check checks[] = {
      {"Vertikal", "vertikal", &Vertikal, true,
       [this](bool on) { Slider->SetOrientation(on ? orVertical : orHorizontal); }},
      {"SkalaCheck", "Skala", &SkalaCheck, true, [this](bool on) { Slider->SetScalaShow(on); }},
      {"BevelCheck", "Bevel", &BevelCheck, Slider->BevelIn() != bvNone,
       [this](bool on) { Slider->SetBevelIn(on ? bvLowered : bvNone); }},
  };
  int top = 166;
  for (const Check& c : checks) {
    TCheckBox* box = loader.Add<TCheckBox>(c.Name);
    box->SetBounds(332, top, 88, 20);
    box->SetCaption(c.Caption);
    box->SetChecked(c.Checked);
    BindCheckFollower(box, c.Apply);
    *c.Box = box;
    top += 22;
  }

  auto* label = loader.Add<TLabel>("DelayLabel");
  label->SetBounds(8, 200, 70, 16);
  label->SetCaption("DragDelay");
  DragDelaySel = loader.Add<TTextSpin>("DragDelaySel");
  DragDelaySel->SetBounds(8, 218, 70, 26);
  DragDelaySel->PosText()->SetText("0|0\n1|1\n2|2\n3|3\n4|4\n5|5\n10|10\n15|15\n20|20");
  DragDelaySel->SetLimiter(true);
  DragDelaySel->onChanged = [this](TObject*) { Slider->SetDragDelay(DragDelaySel->PosInteger()); };

  ValFloat = loader.Add<TEdit>("ValFloat");
  ValFloat->SetBounds(88, 200, 70, 22);
  ValFloat->SetReadOnly(true);
  ValPos = loader.Add<TEdit>("ValPos");
  ValPos->SetBounds(88, 226, 70, 22);
  ValPos->SetReadOnly(true);

  TrenchBtn = loader.Add<TSpeedButton>("TrenchBtn");
  TrenchBtn->SetBounds(166, 200, 56, 24);
  TrenchBtn->SetCaption("Trench");
  TrenchBtn->OnClick = [this](TObject*) {
    ChooseColor(Slider->TrenchColor(), [this](TColor c) { Slider->SetTrenchColor(c); });
  };
  ScalaBtn = loader.Add<TSpeedButton>("ScalaBtn");
  ScalaBtn->SetBounds(166, 228, 56, 24);
  ScalaBtn->SetCaption("Scala");
  ScalaBtn->OnClick = [this](TObject*) {
    ChooseColor(Slider->ScalaColor(), [this](TColor c) { Slider->SetScalaColor(c); });
  };
  CloseBtn = loader.Add<TSpeedButton>("CloseBtn");
  CloseBtn->SetBounds(332, 232, 88, 24);
  CloseBtn->SetCaption("Close");
  CloseBtn->OnClick = [this](TObject*) { Close(); };

  loader.Finish();
  ShowValue();
}

void TSliderDemo::SetThickness() {
  const int thickness = 2 * SliderWidth->Position() + 20;
  if (Slider->Orientation() == orHorizontal) {
    Slider->SetBounds(Slider->Left(), Slider->Top(), Slider->Width(), thickness);
  } else {
    Slider->SetBounds(Slider->Left(), Slider->Top(), thickness, Slider->Height());
  }
}

void TSliderDemo::ShowValue() {
  ValFloat->SetText(FloatToStrF(Slider->Value(), ffFixed, 6, 2));
  ValPos->SetText(PositionText(Slider->Position()));
}
