// A number that is not finite must not reach an instrument or operating element: once stored, a
// NaN spreads through the damping average and the peak and leaves the control broken for good.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrect/instrect.h"
#include "library/instruments/instrund/instrund.h"
#include "library/instruments/potis/potis.h"
#include "platform/forms/testing/formtest.h"

namespace {

constexpr double kNonFinite[] = {std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity()};

struct Setter {
  std::string name;
  std::function<void(double)> set;
  std::function<double()> get;
};

class NonFiniteTest : public FormTest {
 protected:
  NonFiniteTest() { TickServiceStartup(); }
  ~NonFiniteTest() override { TickServiceShutdown(); }

  // Every double setter of the instruments and operating elements, on fresh controls made
  // through Loader while the form is read, or placed directly otherwise.
  std::vector<Setter> AllSetters(TFormLoader* Loader) {
    FLoader = Loader;
    std::vector<Setter> s;
    for (TRoundMeter* m : {static_cast<TRoundMeter*>(New<TMeter120>("TMeter120")),
                           static_cast<TRoundMeter*>(New<TMeter180>("TMeter180")),
                           static_cast<TRoundMeter*>(New<TMeter270>("TMeter270"))}) {
      Add(s, m, "Value", &TRoundMeter::SetValue, &TRoundMeter::Value);
      Add(s, m, "ValueStart", &TRoundMeter::SetValueStart, &TRoundMeter::ValueStart);
      Add(s, m, "ValueEnd", &TRoundMeter::SetValueEnd, &TRoundMeter::ValueEnd);
      Add(s, m, "ValueMinA", &TRoundMeter::SetValueMinA, &TRoundMeter::ValueMinA);
      Add(s, m, "ValueMinE", &TRoundMeter::SetValueMinE, &TRoundMeter::ValueMinE);
      Add(s, m, "ValueMidA", &TRoundMeter::SetValueMidA, &TRoundMeter::ValueMidA);
      Add(s, m, "ValueMidE", &TRoundMeter::SetValueMidE, &TRoundMeter::ValueMidE);
      Add(s, m, "ValueMaxA", &TRoundMeter::SetValueMaxA, &TRoundMeter::ValueMaxA);
      Add(s, m, "ValueMaxE", &TRoundMeter::SetValueMaxE, &TRoundMeter::ValueMaxE);
    }
    auto* m360 = New<TMeter360>("TMeter360");
    Add(s, m360, "Value1", &TMeter360::SetValue1, &TMeter360::Value1);
    Add(s, m360, "Value2", &TMeter360::SetValue2, &TMeter360::Value2);
    Add(s, m360, "ValueStart1", &TMeter360::SetValueStart1, &TMeter360::ValueStart1);
    Add(s, m360, "ValueEnd1", &TMeter360::SetValueEnd1, &TMeter360::ValueEnd1);
    Add(s, m360, "ValueStart2", &TMeter360::SetValueStart2, &TMeter360::ValueStart2);
    Add(s, m360, "ValueEnd2", &TMeter360::SetValueEnd2, &TMeter360::ValueEnd2);
    for (TPanelMeter* m : {static_cast<TPanelMeter*>(New<TMeterPanelH>("TMeterPanelH")),
                           static_cast<TPanelMeter*>(New<TMeterPanelV>("TMeterPanelV"))}) {
      Add(s, m, "Value", &TPanelMeter::SetValue, &TPanelMeter::Value);
      Add(s, m, "ValueStart", &TPanelMeter::SetValueStart, &TPanelMeter::ValueStart);
      Add(s, m, "ValueEnd", &TPanelMeter::SetValueEnd, &TPanelMeter::ValueEnd);
      Add(s, m, "UpperLimit", &TPanelMeter::SetUpperLimit, &TPanelMeter::UpperLimit);
      Add(s, m, "LowerLimit", &TPanelMeter::SetLowerLimit, &TPanelMeter::LowerLimit);
    }
    auto* pv = New<TMeterPanelV>("TMeterPanelV");
    Add(s, pv, "ValueMin", &TMeterPanelV::SetValueMin, &TMeterPanelV::ValueMin);
    Add(s, pv, "ValueMid", &TMeterPanelV::SetValueMid, &TMeterPanelV::ValueMid);
    auto* gauge = New<TGaugeGp>("TGaugeGp");
    Add(s, gauge, "Value", &TGaugeGp::SetValue, &TGaugeGp::Value);
    Add(s, gauge, "Percent", &TGaugeGp::SetPercent, &TGaugeGp::Percent);
    Add(s, gauge, "ValueMin", &TGaugeGp::SetValueMin, &TGaugeGp::ValueMin);
    Add(s, gauge, "ValueMax", &TGaugeGp::SetValueMax, &TGaugeGp::ValueMax);
    Add(s, gauge, "PntrPercent", &TGaugeGp::SetPntrPercent, &TGaugeGp::PntrPercent);
    auto* eye = New<TMagicEye>("TMagicEye");
    Add(s, eye, "StartValue", &TMagicEye::SetStartValue, &TMagicEye::StartValue);
    Add(s, eye, "EndValue", &TMagicEye::SetEndValue, &TMagicEye::EndValue);
    Add(s, eye, "StartPos", &TMagicEye::SetStartPos, &TMagicEye::StartPos);
    Add(s, eye, "EndPos", &TMagicEye::SetEndPos, &TMagicEye::EndPos);
    AddRange(s, New<TPoti270>("TPoti270"));
    AddRange(s, New<TPotiSlide>("TPotiSlide"));
    AddRange(s, New<TPoti10T>("TPoti10T"));
    auto* slider = New<TSlider>("TSlider");
    Add(s, slider, "Value", &TSlider::SetValue, &TSlider::Value);
    Add(s, slider, "ValueMin", &TSlider::SetValueMin, &TSlider::ValueMin);
    Add(s, slider, "ValueMax", &TSlider::SetValueMax, &TSlider::ValueMax);
    auto* selector = New<TSlider>("TSlider");
    selector->SetSelector(true);
    Add(s, selector, "Value (selector)", &TSlider::SetValue, &TSlider::Value);
    return s;
  }

 private:
  // Name labels the control's setters.
  template <class T>
  T* New(const std::string& Name) {
    T* c;
    if (FLoader != nullptr) {
      c = FLoader->Add<T>("C" + std::to_string(++FCount));
    } else {
      c = new T(form);
      c->SetParent(form);
    }
    c->SetBounds(0, 0, 200, 160);
    FLabels[c] = Name;
    return c;
  }
  template <class T>
  void Add(std::vector<Setter>& Out, T* C, const std::string& Name,
           void (std::type_identity_t<T>::*Set)(double),
           double (std::type_identity_t<T>::*Get)() const) {
    Out.push_back({FLabels.at(C) + "." + Name, [C, Set](double V) { (C->*Set)(V); },
                   [C, Get] { return (C->*Get)(); }});
  }
  template <class T>
  void AddRange(std::vector<Setter>& Out, T* C) {
    Add(Out, C, "Value", &T::SetValue, &T::Value);
    Add(Out, C, "ValueStart", &T::SetValueStart, &T::ValueStart);
    Add(Out, C, "ValueEnd", &T::SetValueEnd, &T::ValueEnd);
  }

  TFormLoader* FLoader = nullptr;
  std::map<const void*, std::string> FLabels;
  int FCount = 0;
};

TEST_F(NonFiniteTest, EverySetterIgnoresNonFiniteNumbers) {
  for (bool reading : {false, true}) {
    SCOPED_TRACE(reading ? "while the form is read" : "on a shown form");
    std::vector<Setter> setters;
    if (reading) {
      TFormLoader loader(form);
      setters = AllSetters(&loader);
      for (const Setter& s : setters) {
        const double before = s.get();
        for (double v : kNonFinite) s.set(v);
        EXPECT_EQ(s.get(), before) << s.name;
      }
    } else {
      setters = AllSetters(nullptr);
      ShowForm();
      for (const Setter& s : setters) {
        const double before = s.get();
        for (double v : kNonFinite) s.set(v);
        EXPECT_EQ(s.get(), before) << s.name;
      }
    }
    for (TControl* c : form->ComponentsOf<TControl>()) delete c;
  }
}

// The damped meters with a peak pointer, fed a NaN and then a number: the pointer and the peak
// reach the number as if the NaN had never come.
TEST_F(NonFiniteTest, DampedPointerAndPeakRecoverAfterNaN) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Meter {
    std::function<void(double)> set;
    std::function<double()> shown, peak;
  };
  auto* m120 = new TMeter120(form);
  auto* panel = new TMeterPanelV(form);
  auto* m360 = new TMeter360(form);
  const Meter meters[] = {
      {[&](double v) { m120->SetValue(v); }, [&] { return m120->ShownValue(); },
       [&] { return m120->PeakValue(); }},
      {[&](double v) { panel->SetValue(v); }, [&] { return panel->ShownValue(); },
       [&] { return panel->PeakValue(); }},
      {[&](double v) { m360->SetValue2(v); }, [&] { return m360->ShownValue2(); },
       [&] { return m360->PeakValue(); }},
  };
  m120->SetBounds(0, 0, 250, 113);
  panel->SetBounds(0, 120, 80, 360);
  m360->SetBounds(250, 0, 200, 200);
  for (TControl* c : {static_cast<TControl*>(m120), static_cast<TControl*>(panel),
                      static_cast<TControl*>(m360)}) {
    c->SetParent(form);
  }
  m120->SetDamping(3);
  m120->SetPeakMode(ppDrag);
  panel->SetDamping(3);
  panel->SetPeakMode(ppPeak);
  m360->SetDamping2(3);
  m360->SetPeakMode(ppDrag);
  ShowForm();
  for (const Meter& m : meters) {
    m.set(nan);
    m.set(40);
  }
  for (int i = 0; i < 200; ++i) TickServiceCallback();
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(meters[i].shown(), 40, 0.01);
    EXPECT_TRUE(std::isfinite(meters[i].peak()));
  }
}

}  // namespace
