// Varied scenes of every pointer instrument and value control (sizes, shapes, orientations, linear
// and logarithmic ranges, ranges of no width read from a form, LEDs, captions, values beyond the
// range) whose pixels are compared with fingerprints of known-good output, so that a change of
// structure that moves a single pixel shows up. When output changes on purpose, check the pictures
// by eye and record the new fingerprints.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrect/instrect.h"
#include "library/instruments/instrund/instrund.h"
#include "library/instruments/potis/potis.h"
#include "platform/forms/testing/formtest.h"
#include "tests/scene_dice.h"

namespace {

using scene::Dice;
using scene::Fingerprint;

constexpr int kScenes = 24;

class InstrumentScenesTest : public FormTest {
 protected:
  InstrumentScenesTest() {
    TickServiceStartup();
    form->SetClientWidth(420);
    form->SetClientHeight(420);
    ShowForm();
  }
  ~InstrumentScenesTest() override { TickServiceShutdown(); }

  void AddShot(TControl* c) {
    const Shot shot = ScreenShot(c);
    for (int y = 0; y < c->Height(); ++y) {
      for (int x = 0; x < c->Width(); ++x) FPrint.Add(shot.Pixel(x, y));
    }
  }

  // Each scene: the control made (read from a form one time in three, so the range is stored
  // raw), given random properties by Setup, shown, then given two new values by Values.
  template <class T>
  uint64_t Scenes(const std::function<void(T&, Dice&, bool Loading)>& Setup,
                  const std::function<void(T&, Dice&)>& Values) {
    FPrint = {};
    for (int seed = 0; seed < kScenes; ++seed) {
      Dice dice(seed + 1);
      T* c = nullptr;
      const bool loading = dice.OneIn(3);
      if (loading) {
        TFormLoader loader(form);
        c = loader.Add<T>("Scene");
        Setup(*c, dice, true);
      } else {
        c = new T(form);
        Setup(*c, dice, false);
        c->SetParent(form);
      }
      Pump();
      AddShot(c);
      Values(*c, dice);
      Pump();
      AddShot(c);
      Values(*c, dice);
      Pump();
      AddShot(c);
      delete c;
    }
    return FPrint.Value();
  }

  Fingerprint FPrint;
};

// Range ends for a scene: ordinary, reversed or of no width (only a form can store those), or
// logarithmic with ends of any sign.
template <class T>
void PickRange(T& c, Dice& d, bool Loading, double Bound) {
  const double a = d.Value(-Bound / 10, Bound / 10);
  double b = a + d.Value(0.5, Bound / 5);
  if (Loading && d.OneIn(2)) b = d.OneIn(2) ? a : a - d.Value(0, 10);
  if constexpr (requires { c.SetNonLinear(true); }) {
    if (d.OneIn(3)) c.SetNonLinear(true);
  }
  c.SetValueStart(a);
  c.SetValueEnd(b);
  c.SetValueStart(a);
}

template <class T>
void PickFrame(T& c, Dice& d) {
  c.SetBevelOut(static_cast<TPanelBevel>(d.In(0, 2)));
  c.SetBordWidth(d.In(0, 6));
  c.SetBordLeft(!d.OneIn(5));
  c.SetBordTop(!d.OneIn(5));
  c.SetBordRight(!d.OneIn(5));
  c.SetBordBottom(!d.OneIn(5));
}

// What the round and panel meters share: size, frame, range, value, divisions, peak and LEDs.
template <class T>
void PickPointerMeter(T& c, Dice& d, bool Loading, int MinSize) {
  c.SetBounds(5, 5, d.In(MinSize, 400), d.In(MinSize, 400));
  PickFrame(c, d);
  PickRange(c, d, Loading, 1000);
  c.SetValue(d.Value(c.ValueStart() - 10, c.ValueEnd() + 10));
  c.SetScalaPart(d.In(1, 20));
  c.SetScalaPsub(d.In(-1, 5));
  c.SetPeakMode(static_cast<TPeakPtrMode>(d.In(0, 2)));
  c.SetLedEnable(!d.OneIn(3));
  c.SetLedOn1(d.OneIn(2));
  c.SetLedOn2(d.OneIn(2));
}

template <class T>
void PickRoundMeter(T& c, Dice& d, bool Loading) {
  PickPointerMeter(c, d, Loading, 40);
  c.SetDispEnable(!d.OneIn(3));
  c.SetDispFixPnt(d.OneIn(2));
  c.SetDispItalic(d.OneIn(3));
  if (d.OneIn(2)) c.SetCaption(d.OneIn(2) ? "Volt" : "mA x 10");
  if (d.OneIn(3)) c.Font()->SetHeight(-d.In(6, 20));
}

template <class T>
void NewValue(T& c, Dice& d) {
  c.SetValue(d.Value(c.ValueStart() - 5, c.ValueEnd() + 5));
}

TEST_F(InstrumentScenesTest, ArcMeters) {
  const auto setup = [](auto& c, Dice& d, bool Loading) {
    PickRoundMeter(c, d, Loading);
    c.SetOrientation(static_cast<TOrientType>(d.In(0, 3)));
    c.SetShape(static_cast<TmShapeType>(d.In(0, 1)));
  };
  const uint64_t m120 = Scenes<TMeter120>(setup, NewValue<TMeter120>);
  const uint64_t m180 = Scenes<TMeter180>(setup, NewValue<TMeter180>);
  EXPECT_EQ(m120, 0x13ba614087a68bc8ULL);
  EXPECT_EQ(m180, 0x5003b11cae0ae693ULL);
}

TEST_F(InstrumentScenesTest, Meter270) {
  const uint64_t m270 = Scenes<TMeter270>(
      [](TMeter270& c, Dice& d, bool Loading) {
        PickRoundMeter(c, d, Loading);
        c.SetShape(static_cast<TShapeTypeT>(d.In(0, 4)));
      },
      NewValue<TMeter270>);
  EXPECT_EQ(m270, 0x2b42044278324a14ULL);
}

TEST_F(InstrumentScenesTest, Meter360) {
  const uint64_t m360 = Scenes<TMeter360>(
      [](TMeter360& c, Dice& d, bool Loading) {
        c.SetBounds(5, 5, d.In(40, 400), d.In(40, 400));
        PickFrame(c, d);
        c.SetShape(static_cast<TShapeTypeT>(d.In(0, 4)));
        struct Outer {
          TMeter360& m;
          void SetNonLinear(bool v) { m.SetNonLinear1(v); }
          void SetValueStart(double v) { m.SetValueStart1(v); }
          void SetValueEnd(double v) { m.SetValueEnd1(v); }
        } outer{c};
        struct Inner {
          TMeter360& m;
          void SetNonLinear(bool v) { m.SetNonLinear2(v); }
          void SetValueStart(double v) { m.SetValueStart2(v); }
          void SetValueEnd(double v) { m.SetValueEnd2(v); }
        } inner{c};
        PickRange(outer, d, Loading, 1000);
        PickRange(inner, d, Loading, 100000);
        c.SetValue1(d.Value(-50, 1000));
        c.SetValue2(d.Value(-50, 10000));
        c.SetScalaPart1(d.In(1, 20));
        c.SetScalaPart2(d.In(1, 20));
        c.SetScalaPsub1(d.In(-1, 5));
        c.SetScalaPsub2(d.In(-1, 5));
        c.SetPeakMode(static_cast<TPeakPtrMode>(d.In(0, 2)));
        c.SetLedEnable1(!d.OneIn(3));
        c.SetLedEnable2(!d.OneIn(3));
        c.SetLedOn1(d.OneIn(2));
        c.SetLedOn3(d.OneIn(2));
        if (d.OneIn(2)) c.SetCaption1("ft");
        if (d.OneIn(2)) c.SetCaption2("x 1000");
      },
      [](TMeter360& c, Dice& d) {
        c.SetValue1(d.Value(c.ValueStart1() - 5, c.ValueEnd1() * 2));
        c.SetValue2(d.Value(c.ValueStart2() - 5, c.ValueEnd2() + 5));
      });
  EXPECT_EQ(m360, 0x6197ddf8be4ec82aULL);
}

TEST_F(InstrumentScenesTest, PanelMeters) {
  const auto setup = [](auto& c, Dice& d, bool Loading) {
    PickPointerMeter(c, d, Loading, 30);
    c.SetShape(static_cast<TmShapeType>(d.In(0, 1)));
    if (d.OneIn(2)) c.SetCaption("Ampere");
  };
  const uint64_t h = Scenes<TMeterPanelH>(setup, NewValue<TMeterPanelH>);
  const uint64_t v = Scenes<TMeterPanelV>(
      [&](TMeterPanelV& c, Dice& d, bool Loading) {
        setup(c, d, Loading);
        c.SetMeterStyle(static_cast<TMeterStyle>(d.In(0, 2)));
        c.SetDispEnable(!d.OneIn(3));
      },
      NewValue<TMeterPanelV>);
  EXPECT_EQ(h, 0x2559a3a06683aba2ULL);
  EXPECT_EQ(v, 0x2c648dae318e8e31ULL);
}

TEST_F(InstrumentScenesTest, Potentiometers) {
  const auto rotary = [](auto& c, Dice& d, bool Loading) {
    c.SetBounds(5, 5, d.In(40, 300), d.In(40, 300));
    PickRange(c, d, Loading, 100);
    c.SetValue(d.Value(c.ValueStart(), c.ValueEnd()));
    c.SetScalaPart(d.In(1, 10));
    c.SetCaptEnable(d.OneIn(2));
    c.SetPresEnable(d.OneIn(2));
  };
  const uint64_t p270 = Scenes<TPoti270>(
      [&](TPoti270& c, Dice& d, bool Loading) {
        rotary(c, d, Loading);
        c.SetButtonSmall(d.OneIn(2));
      },
      NewValue<TPoti270>);
  const uint64_t p10 = Scenes<TPoti10T>(
      [&](TPoti10T& c, Dice& d, bool Loading) {
        rotary(c, d, Loading);
        c.SetLedEnable(d.OneIn(2));
        c.SetLedOn1(d.OneIn(2));
        c.SetDispEnable(d.OneIn(2));
      },
      NewValue<TPoti10T>);
  const uint64_t slide = Scenes<TPotiSlide>(
      [](TPotiSlide& c, Dice& d, bool Loading) {
        c.SetBounds(5, 5, d.In(30, 200), d.In(60, 400));
        PickRange(c, d, Loading, 1000);
        c.SetValue(d.Value(c.ValueStart(), c.ValueEnd()));
        c.SetScalaPart(d.In(1, 20));
        c.SetCaptEnable(d.OneIn(2));
      },
      NewValue<TPotiSlide>);
  const uint64_t slider = Scenes<TSlider>(
      [](TSlider& c, Dice& d, bool Loading) {
        c.SetOrientation(static_cast<TOrientation>(d.In(0, 1)));
        c.SetBounds(5, 5, d.In(30, 400), d.In(30, 400));
        const double a = d.Value(-1000, 1000);
        c.SetValueMin(a);
        c.SetValueMax(Loading && d.OneIn(2) ? a - d.Value(0, 5) : a + d.Value(1, 2000));
        c.SetValue(d.Value(a - 10, a + 100));
        c.SetScalaPart(d.In(1, 30));
        c.SetScalaShow(!d.OneIn(3));
        c.SetCaptEna(d.OneIn(2));
      },
      [](TSlider& c, Dice& d) { c.SetValue(d.Value(c.ValueMin() - 5, c.ValueMax() + 5)); });
  EXPECT_EQ(p270, 0xbdf7ad9bf99f9ca3ULL);
  EXPECT_EQ(p10, 0xeb1371ed9b220be9ULL);
  EXPECT_EQ(slide, 0x7f6bb90e0ffa37cdULL);
  EXPECT_EQ(slider, 0x72f48f6538eaa569ULL);
}

}  // namespace
