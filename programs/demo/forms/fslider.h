#pragma once
// The slider demo: one slider whose look is set by the inputs and by four small sliders beside
// it, a set-point slider that moves it, and six sliders with growing drag delays side by side.

#include <array>

#include "library/controls/tasten/spin.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TSliderDemo : public TDemoForm {
 public:
  explicit TSliderDemo(TComponent* AOwner);

  TSlider* Slider;
  std::array<TSlider*, 6> Sliders{};  // Slider4 .. Slider9
  TSlider* SollWert;
  TSlider* TrenchWidth;
  TSlider* SliderWidth;
  TSlider* ScalaPart;
  TSlider* BtnSize;
  TCheckBox* Vertikal;
  TCheckBox* SkalaCheck;
  TCheckBox* BevelCheck;
  TRadioGroup* BtnStyle;
  TRadioGroup* ButtonDir;
  TRadioGroup* TrenchStyle;
  TTextSpin* DragDelaySel;
  TEdit* ValFloat;
  TEdit* ValPos;
  TSpeedButton* TrenchBtn;
  TSpeedButton* ScalaBtn;
  TSpeedButton* CloseBtn;

 private:
  void SetThickness();
  void ShowValue();
};
