#include "programs/demo/forms/fgaugegp.h"

#include "library/foundation/helpers.h"
#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"
#include "programs/demo/forms/meterdemo.h"

namespace {

const TItemValues<TOrientation> kOrientationItems{{"horizontal", "vertical"},
                                                  {orHorizontal, orVertical}};
const TItemValues<TPanelBevel> kGaugeBevelItems{{"lowered", "none", "raised"},
                                                {bvLowered, bvNone, bvRaised}};

// A spin over the numbers First..Last, each with its number as its integer field, standing at
// Value; OnStep gets the number after every step.
TTextSpin* AddNumberSpin(TFormLoader& Loader, const std::string& Name, const std::string& Caption,
                         int Left, int Top, int First, int Last, int Value,
                         std::function<void(int)> OnStep) {
  auto* label = Loader.Add<TLabel>(Name + "Label");
  label->SetBounds(Left, Top, 64, 14);
  label->SetCaption(Caption);
  auto* spin = Loader.Add<TTextSpin>(Name);
  spin->SetBounds(Left, Top + 15, 64, 22);
  TStringList entries;
  for (int n = First; n <= Last; ++n) entries.Add(IntToStr(n) + "|" + IntToStr(n));
  spin->SetPosText(entries);
  spin->SetLimiter(true);
  spin->SetPosition(Value - First);
  spin->onChanging = [spin, on_step = std::move(OnStep)](TObject*) { on_step(spin->PosInteger()); };
  return spin;
}

TCheckBox* AddCheck(TFormLoader& Loader, const std::string& Name, const std::string& Caption,
                    const TRect& Box, bool Checked, std::function<void(bool)> Apply) {
  auto* box = Loader.Add<TCheckBox>(Name);
  box->SetBoundsRect(Box);
  box->SetCaption(Caption);
  box->SetChecked(Checked);
  BindCheckFollower(box, std::move(Apply));
  return box;
}

TSpeedButton* AddColorButton(TFormLoader& Loader, const std::string& Name,
                             const std::string& Caption, const TRect& Box,
                             std::function<TColor()> Current, std::function<void(TColor)> Apply) {
  auto* button = Loader.Add<TSpeedButton>(Name);
  button->SetBoundsRect(Box);
  button->SetCaption(Caption);
  button->OnClick = [current = std::move(Current), apply = std::move(Apply)](TObject*) {
    ChooseColor(current(), apply);
  };
  return button;
}

}  // namespace

TGaugeDemo::TGaugeDemo(TComponent* AOwner) : TDemoForm(AOwner, "TGaugeDemo") {
  TFormLoader loader(this);

  // 16 pixels leave the band two pixels inside the frame, its margin and the band's own frame
  // line; fifteen of them fill the row above the slider.
  for (int i = 0; i < 15; ++i) {
    auto* gauge = loader.Add<TGaugeGp>("GaugeGp" + std::to_string(i + 1));
    gauge->SetBounds(8 + i * 18, 8, 16, 104);
    gauge->SetValueMin(-1);
    gauge->SetValueMax(1);
    gauge->SetValue(-0.6);
    gauge->SetPercent(20);
    gauge->SetPntrPercent(5);
    gauge->SetSegmWidth(4);
    Gauges.push_back(gauge);
  }
  Slider = loader.Add<TSlider>("Slider");
  Slider->SetBounds(8, 116, 266, 28);
  Slider->SetValueMax(150);
  Slider->SetScalaPart(15);
  Slider->OnChanging = [this](TObject*) { SliderChanging(); };
  MeterModeCheck = AddCheck(loader, "MeterModeCheck", "MeterMode", Bounds(8, 148, 100, 18), false,
                            [this](bool On) {
                              for (TGaugeGp* g : Gauges) g->SetMeterMode(On);
                            });
  BorderCheck =
      AddCheck(loader, "BorderCheck", "Border", Bounds(112, 148, 90, 18), true, [this](bool On) {
        for (TGaugeGp* g : Gauges) g->SetSegmBorder(On);
      });

  // Turned upright the gauge takes the left strip of the square it shares with Percent.
  GaugeGp = loader.Add<TGaugeGp>("GaugeGp");
  GaugeGp->SetBounds(282, 8, 150, 24);
  GaugeGp->SetValueMin(-10);
  GaugeGp->SetValueMax(100);
  GaugeGp->SetValue(45);
  GaugeGp->SetPercent(50);
  GaugeGp->SetSegmWidth(5);
  GaugeGp->SetSegmGap(1);
  GaugeGp->SetSegmColor(clNavy);
  Percent = loader.Add<TSlider>("Percent");
  Percent->SetOrientation(orVertical);
  Percent->SetBounds(400, 40, 32, 118);
  Percent->SetValueMax(100);
  Percent->SetValue(50);
  Percent->OnChanging = [this](TObject*) { GaugeGp->SetPercent(Round(Percent->Value())); };

  Orientation = AddSelector<TOrientation>(loader, "Orientation", "Orientation",
                                          Bounds(8, 172, 92, 50), kOrientationItems,
                                          ItemOf(kOrientationItems, GaugeGp->Orientation()),
                                          [this](TOrientation O) { GaugeGp->SetOrientation(O); });
  SegmBorderCheck =
      AddCheck(loader, "SegmBorderCheck", "Segm Border", Bounds(8, 228, 92, 18),
               GaugeGp->SegmBorder(), [this](bool On) { GaugeGp->SetSegmBorder(On); });
  BevelIn = AddSelector<TPanelBevel>(loader, "BevelIn", "BevelIn", Bounds(104, 172, 78, 64),
                                     kGaugeBevelItems, ItemOf(kGaugeBevelItems, GaugeGp->BevelIn()),
                                     [this](TPanelBevel B) { GaugeGp->SetBevelIn(B); });
  BevelOut =
      AddSelector<TPanelBevel>(loader, "BevelOut", "BevelOut", Bounds(186, 172, 78, 64),
                               kGaugeBevelItems, ItemOf(kGaugeBevelItems, GaugeGp->BevelOut()),
                               [this](TPanelBevel B) { GaugeGp->SetBevelOut(B); });
  SegmBtn = AddColorButton(
      loader, "SegmBtn", "Segm", Bounds(104, 242, 78, 24), [this] { return GaugeGp->SegmColor(); },
      [this](TColor C) { GaugeGp->SetSegmColor(C); });
  BackBtn = AddColorButton(
      loader, "BackBtn", "Back", Bounds(186, 242, 78, 24), [this] { return GaugeGp->ColBack(); },
      [this](TColor C) { GaugeGp->SetColBack(C); });

  BevelWidth = AddNumberSpin(loader, "BevelWidth", "BevelWidth", 282, 166, 0, 3,
                             GaugeGp->BevWidth(), [this](int N) { GaugeGp->SetBevWidth(N); });
  BorderWidth = AddNumberSpin(loader, "BorderWidth", "BorderWidth", 360, 166, 0, 3,
                              GaugeGp->BordWidth(), [this](int N) { GaugeGp->SetBordWidth(N); });
  SegmWidth = AddNumberSpin(loader, "SegmWidth", "SegmWidth", 282, 206, 1, 10, GaugeGp->SegmWidth(),
                            [this](int N) { GaugeGp->SetSegmWidth(N); });
  GapSpin = AddNumberSpin(loader, "GapSpin", "Gap", 360, 206, 0, 2, GaugeGp->SegmGap(),
                          [this](int N) { GaugeGp->SetSegmGap(N); });
  PrintBtn = AddPrintButton(loader, this, "Print", Bounds(282, 256, 72, 25));
  CloseBtn = AddCloser(loader, 360, 256, 72, 25);
  loader.Finish();
}

// Fifteen samples of one sine period and a bit, 20 degrees apart, shifted by the slider.
void TGaugeDemo::SliderChanging() {
  for (size_t k = 0; k < Gauges.size(); ++k) {
    Gauges[k]->SetValue(SinDeg(double(k) * 20 + Slider->Value()));
  }
}
