#include <gtest/gtest.h>

#include "library/foundation/tickservice.h"
#include "library/instruments/potis/potis.h"
#include "platform/forms/testing/formtest.h"

namespace {

class RangeRulesTest : public FormTest {
 protected:
  RangeRulesTest() { TickServiceStartup(); }
  ~RangeRulesTest() override { TickServiceShutdown(); }

  template <class T>
  struct Range {
    void (T::*set_start)(double);
    void (T::*set_end)(double);
    double (T::*start)() const;
    double (T::*end)() const;
  };

  // How far the ends go, whether a range change pulls the value in, and the most divisions.
  template <class T>
  void Check(const char* Name, Range<T> R, double Bound, bool Pulls, int MaxPart) {
    SCOPED_TRACE(Name);
    T* c = new T(form);
    c->SetParent(form);
    c->SetValue(5);
    (c->*R.set_end)(1e9);
    EXPECT_EQ((c->*R.end)(), Bound);
    (c->*R.set_start)(-1e9);
    EXPECT_EQ((c->*R.start)(), -Bound);
    (c->*R.set_end)(2);
    EXPECT_EQ(c->Value(), Pulls ? 2 : 5);
    c->SetScalaPart(1000);
    EXPECT_EQ(c->ScalaPart(), MaxPart);
    delete c;
  }
};

TEST_F(RangeRulesTest, EachValueControlByItsRules) {
  Check<TPoti270>("270-degree potentiometer",
                  {&TPoti270::SetValueStart, &TPoti270::SetValueEnd, &TPoti270::ValueStart,
                   &TPoti270::ValueEnd},
                  100, true, 10);
  Check<TPoti10T>("ten-turn potentiometer",
                  {&TPoti10T::SetValueStart, &TPoti10T::SetValueEnd, &TPoti10T::ValueStart,
                   &TPoti10T::ValueEnd},
                  100, true, 10);
  // The slides pull the value in only when the knob moves next.
  Check<TPotiSlide>("slide potentiometer",
                    {&TPotiSlide::SetValueStart, &TPotiSlide::SetValueEnd, &TPotiSlide::ValueStart,
                     &TPotiSlide::ValueEnd},
                    1000, false, 20);
  Check<TSlider>(
      "slider",
      {&TSlider::SetValueMin, &TSlider::SetValueMax, &TSlider::ValueMin, &TSlider::ValueMax}, 10000,
      false, 100);
}

}  // namespace
