// What the six meter forms do alike, as tables over the forms: the timer's swing of Meter2, the
// damping input, the peak reset, and a second opening that starts from the stored settings.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"
#include "programs/demo/forms/fmet120.h"
#include "programs/demo/forms/fmet180.h"
#include "programs/demo/forms/fmet270.h"
#include "programs/demo/forms/fmet360.h"
#include "programs/demo/forms/fpanelh.h"
#include "programs/demo/forms/fpanelv.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

// Ticks of one interval of a timer component.
int TicksOf(int Ms) { return int(Round(Ms / 55.5)); }

class MeterFormsTest : public DemoTest {
 protected:
  template <class T>
  T* Open(const std::string& Button) {
    demo = OpenDemoForm(Button);
    return dynamic_cast<T*>(demo.get());
  }
  // A slide switch or slider that the user moved to Position.
  static void Choose(TSelectorSlide* Switch, int Position) {
    Switch->SetPosition(Position);
    Switch->onChanging(Switch);
  }
  static void Choose(TSlider* Slider, int Position) {
    Slider->SetPosition(Position);
    Slider->OnChanged(Slider);
  }
  std::unique_ptr<TForm> demo;
};

TEST_F(MeterFormsTest, TheTimerSwingsMeter2BeyondBothEndsOfItsRange) {
  struct Case {
    const char* button;
    int ms;
    std::function<double(TForm*)> value;
    std::function<bool(TForm*)> over;  // the pointer has arrived beyond the end
    double first, second;
  };
  const Case cases[] = {
      {"MeterHBtn", 2000, [](TForm* f) { return static_cast<TMeterHDemo*>(f)->Meter2->Value(); },
       [](TForm* f) { return static_cast<TMeterHDemo*>(f)->Meter2->OverRange(); }, 60, -10},
      {"MeterVBtn", 3000, [](TForm* f) { return static_cast<TMeterVDemo*>(f)->Meter2->Value(); },
       [](TForm* f) { return static_cast<TMeterVDemo*>(f)->Meter2->UnderRange(); }, -60, 60},
      {"Meter120Btn", 4000,
       [](TForm* f) { return static_cast<TMeter120Demo*>(f)->Meter2->Value(); },
       [](TForm* f) { return static_cast<TMeter120Demo*>(f)->Meter2->OverRange(); }, 11, -11},
      {"Meter180Btn", 3000,
       [](TForm* f) { return static_cast<TMeter180Demo*>(f)->Meter2->Value(); },
       [](TForm* f) { return static_cast<TMeter180Demo*>(f)->Meter2->OverRange(); }, 11, -11},
      {"Meter270Btn", 4000,
       [](TForm* f) { return static_cast<TMeter270Demo*>(f)->Meter2->Value(); },
       [](TForm* f) { return static_cast<TMeter270Demo*>(f)->Meter2->OverRange(); }, 11, -11},
      {"Meter360Btn", 10000,
       [](TForm* f) { return static_cast<TMeter360Demo*>(f)->Meter2->Value1(); },
       // Damped by 50, the pointer is within a few percent of its target by the next swing.
       [](TForm* f) { return static_cast<TMeter360Demo*>(f)->Meter2->ShownValue1() < 50; }, 0,
       1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    // Twice, as the test value starts afresh with every opening.
    for (int opening = 0; opening < 2; ++opening) {
      demo = OpenDemoForm(c.button);
      ASSERT_NE(demo, nullptr);
      Ticks(TicksOf(c.ms) - 1);
      EXPECT_NE(c.value(demo.get()), c.first);
      Ticks(1);
      EXPECT_EQ(c.value(demo.get()), c.first);
      Ticks(TicksOf(c.ms) - 1);
      Pump();
      EXPECT_TRUE(c.over(demo.get())) << "the damped pointer has not arrived";
      Ticks(1);
      EXPECT_EQ(c.value(demo.get()), c.second);
      demo.reset();
    }
  }
}

TEST_F(MeterFormsTest, TheHorizontalFormWritesTheTestValueWithTheSeparatorInForce) {
  const struct {
    char separator;
    const char* first;
    const char* second;
  } cases[] = {{'.', "60.0", "-10.0"}, {',', "60,0", "-10,0"}};
  for (const auto& c : cases) {
    DecimalSeparator = c.separator;
    auto* f = Open<TMeterHDemo>("MeterHBtn");
    Ticks(TicksOf(2000));
    EXPECT_EQ(f->BevWert->Caption(), c.first);
    Ticks(TicksOf(2000));
    EXPECT_EQ(f->BevWert->Caption(), c.second);
  }
}

TEST_F(MeterFormsTest, DampingFollowsTheNumberTheInputShows) {
  struct Case {
    const char* button;
    std::function<void(TForm*)> choose;
    std::function<int(TForm*)> damping;
    int expected;
  };
  const Case cases[] = {
      {"MeterHBtn", [](TForm* f) { Choose(static_cast<TMeterHDemo*>(f)->SelDamp, 7); },
       [](TForm* f) { return static_cast<TMeterHDemo*>(f)->Meter->Damping(); }, 7},
      {"MeterVBtn", [](TForm* f) { Choose(static_cast<TMeterVDemo*>(f)->SelDamp, 7); },
       [](TForm* f) { return static_cast<TMeterVDemo*>(f)->Meter->Damping(); }, 7},
      {"Meter120Btn", [](TForm* f) { Choose(static_cast<TMeter120Demo*>(f)->SelDamp, 3); },
       [](TForm* f) { return static_cast<TMeter120Demo*>(f)->Meter->Damping(); }, 3},
      {"Meter180Btn", [](TForm* f) { Choose(static_cast<TMeter180Demo*>(f)->SelDamp, 10); },
       [](TForm* f) { return static_cast<TMeter180Demo*>(f)->Meter->Damping(); }, 10},
      // Positions "0", "2", ... "10": the fourth one damps by 6.
      {"Meter270Btn", [](TForm* f) { Choose(static_cast<TMeter270Demo*>(f)->SelDamp, 3); },
       [](TForm* f) { return static_cast<TMeter270Demo*>(f)->Meter->Damping(); }, 6},
      {"Meter360Btn", [](TForm* f) { Choose(static_cast<TMeter360Demo*>(f)->SelDamp, 4); },
       [](TForm* f) { return static_cast<TMeter360Demo*>(f)->Meter->Damping1(); }, 4},
      {"Meter360Btn", [](TForm* f) { Choose(static_cast<TMeter360Demo*>(f)->SelDamp, 4); },
       [](TForm* f) { return static_cast<TMeter360Demo*>(f)->Meter->Damping2(); }, 4},
      {"Meter360Btn", [](TForm* f) { Choose(static_cast<TMeter360Demo*>(f)->SelDampPeak, 9); },
       [](TForm* f) { return static_cast<TMeter360Demo*>(f)->Meter->DampPeak(); }, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    demo = OpenDemoForm(c.button);
    c.choose(demo.get());
    EXPECT_EQ(c.damping(demo.get()), c.expected);
  }
}

// The peak reset puts the held peak back on the pointer, also on the horizontal meter, which
// has no reset of its own; there the peak mode and its weight stay as they were.
TEST_F(MeterFormsTest, PeakResetBringsTheHeldPeakBackToThePointer) {
  struct Case {
    const char* button;
    // Drives Meter to the value V (of 0..10) as its input would; returns the meter's peak.
    std::function<void(TForm*, double)> drive;
    std::function<double(TForm*)> peak;
    std::function<TRadioGroup*(TForm*)> modes;
    std::function<TLedCheck*(TForm*)> reset;
    double scale;
  };
  auto poti = [](TPotiSlide* p, double V) {
    p->SetValue(V);
    p->onChanging(p);
  };
  const Case cases[] = {
      {"MeterHBtn", [&](TForm* f, double V) { poti(static_cast<TMeterHDemo*>(f)->Poti, V); },
       [](TForm* f) { return static_cast<TMeterHDemo*>(f)->Meter->PeakValue(); },
       [](TForm* f) { return static_cast<TMeterHDemo*>(f)->DragModes; },
       [](TForm* f) { return static_cast<TMeterHDemo*>(f)->PeakReset; }, 1},
      {"MeterVBtn", [&](TForm* f, double V) { poti(static_cast<TMeterVDemo*>(f)->Poti, V); },
       [](TForm* f) { return static_cast<TMeterVDemo*>(f)->Meter->PeakValue(); },
       [](TForm* f) { return static_cast<TMeterVDemo*>(f)->DragModes; },
       [](TForm* f) { return static_cast<TMeterVDemo*>(f)->PeakReset; }, 1},
      {"Meter120Btn", [&](TForm* f, double V) { poti(static_cast<TMeter120Demo*>(f)->Poti, V); },
       [](TForm* f) { return static_cast<TMeter120Demo*>(f)->Meter->PeakValue(); },
       [](TForm* f) { return static_cast<TMeter120Demo*>(f)->DragModes; },
       [](TForm* f) { return static_cast<TMeter120Demo*>(f)->PeakReset; }, 1},
      {"Meter180Btn", [&](TForm* f, double V) { poti(static_cast<TMeter180Demo*>(f)->Poti, V); },
       [](TForm* f) { return static_cast<TMeter180Demo*>(f)->Meter->PeakValue(); },
       [](TForm* f) { return static_cast<TMeter180Demo*>(f)->DragModes; },
       [](TForm* f) { return static_cast<TMeter180Demo*>(f)->PeakReset; }, 1},
      {"Meter270Btn", [&](TForm* f, double V) { poti(static_cast<TMeter270Demo*>(f)->Poti, V); },
       [](TForm* f) { return static_cast<TMeter270Demo*>(f)->Meter->PeakValue(); },
       [](TForm* f) { return static_cast<TMeter270Demo*>(f)->DragModes; },
       [](TForm* f) { return static_cast<TMeter270Demo*>(f)->PeakReset; }, 1},
      {"Meter360Btn",
       [](TForm* f, double V) {
         TPoti10T* p = static_cast<TMeter360Demo*>(f)->Poti;
         p->SetValue(V * 10);
         p->onChanging(p);
       },
       [](TForm* f) { return static_cast<TMeter360Demo*>(f)->Meter->PeakValue(); },
       [](TForm* f) { return static_cast<TMeter360Demo*>(f)->DragModes; },
       [](TForm* f) { return static_cast<TMeter360Demo*>(f)->PeakReset; }, 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    demo = OpenDemoForm(c.button);
    TForm* f = demo.get();
    c.modes(f)->SetItemIndex(2);  // "peak"
    c.drive(f, 9);
    c.drive(f, 2);
    EXPECT_DOUBLE_EQ(c.peak(f), 9 * c.scale);
    TLedCheck* reset = c.reset(f);
    Click(reset, reset->Width() / 2, reset->Height() / 2);
    EXPECT_DOUBLE_EQ(c.peak(f), 2 * c.scale);
    c.drive(f, 5);
    EXPECT_DOUBLE_EQ(c.peak(f), 5 * c.scale) << "the peak mode changed";
  }
}

// Every opening shows the stored settings, whatever the last one changed: the same picture and
// the same choices (the instrument forms alike, the two without a meter pair included).
TEST_F(MeterFormsTest, ASecondOpeningStartsFromTheStoredSettings) {
  for (const char* button : {"MeterHBtn", "MeterVBtn", "Meter120Btn", "Meter180Btn", "Meter270Btn",
                             "Meter360Btn", "MagicEyeBtn", "GaugeBtn"}) {
    SCOPED_TRACE(button);
    auto choices_of = [](TForm* f) {
      std::string choices;
      for (int i = 0; i < f->ComponentCount(); ++i) {
        if (auto* g = dynamic_cast<TRadioGroup*>(f->Components(i))) {
          choices += g->Name() + "=" + std::to_string(g->ItemIndex()) + " ";
        }
      }
      return choices;
    };
    demo = OpenDemoForm(button);
    const std::string choices = choices_of(demo.get());
    const std::vector<uint8_t> picture = demo->GetFormImage()->SaveToBytes();
    for (int i = 0; i < demo->ComponentCount(); ++i) {
      if (auto* g = dynamic_cast<TRadioGroup*>(demo->Components(i))) {
        g->SetItemIndex(g->ItemIndex() == 0 ? 1 : 0);
      }
    }
    Pump();
    EXPECT_NE(choices_of(demo.get()), choices);
    EXPECT_NE(demo->GetFormImage()->SaveToBytes(), picture);
    demo.reset();
    demo = OpenDemoForm(button);
    EXPECT_EQ(choices_of(demo.get()), choices);
    EXPECT_EQ(demo->GetFormImage()->SaveToBytes(), picture) << "not the stored picture";
  }
}

}  // namespace
