#pragma once
// The bar gauge's demo form: one gauge whose every setting has an input, and fifteen small
// gauges that show a sine wave moved along by a slider.

#include <vector>

#include "library/controls/tasten/spin.h"
#include "library/instruments/instrect/instrect.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

class TGaugeDemo : public TDemoForm {
 public:
  explicit TGaugeDemo(TComponent* AOwner);

  TGaugeGp* GaugeGp = nullptr;
  std::vector<TGaugeGp*> Gauges;  // GaugeGp1..GaugeGp15
  TSlider* Percent = nullptr;
  TSlider* Slider = nullptr;
  TRadioGroup* Orientation = nullptr;
  TRadioGroup* BevelIn = nullptr;
  TRadioGroup* BevelOut = nullptr;
  TTextSpin* BevelWidth = nullptr;
  TTextSpin* BorderWidth = nullptr;
  TTextSpin* SegmWidth = nullptr;
  TTextSpin* GapSpin = nullptr;
  TCheckBox* SegmBorderCheck = nullptr;
  TCheckBox* MeterModeCheck = nullptr;
  TCheckBox* BorderCheck = nullptr;
  TSpeedButton* SegmBtn = nullptr;
  TSpeedButton* BackBtn = nullptr;
  TButton* PrintBtn = nullptr;
  TButton* CloseBtn = nullptr;

 private:
  void SliderChanging();
};
