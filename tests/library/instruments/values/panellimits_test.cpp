// The limits of the panel meters stay inside the range when the range changes, and their
// defaults are shares of the range the meter ends up with.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/forms/testing/formtest.h"

namespace {

class PanelLimitsTest : public FormTest {
 protected:
  PanelLimitsTest() { TickServiceStartup(); }
  ~PanelLimitsTest() override { TickServiceShutdown(); }

  // A default horizontal and a default vertical meter, shown.
  std::vector<TPanelMeter*> Meters() {
    std::vector<TPanelMeter*> meters = {new TMeterPanelH(form), new TMeterPanelV(form)};
    meters[0]->SetBounds(10, 10, 250, 73);
    meters[1]->SetBounds(270, 10, 80, 280);
    for (TPanelMeter* m : meters) m->SetParent(form);
    ShowForm();
    return meters;
  }
};

TEST_F(PanelLimitsTest, SwitchingToLogWorksOutTheLimitsFromTheSnappedRange) {
  for (TPanelMeter* m : Meters()) {
    SCOPED_TRACE(m == form->Components(0) ? "horizontal" : "vertical");
    std::vector<std::string> fired;
    m->OnUpperLim = [&](TObject*) { fired.push_back("upper"); };
    m->OnLowerLim = [&](TObject*) { fired.push_back("lower"); };
    m->SetNonLinear(true);  // 0..50 becomes 0.001..10
    EXPECT_DOUBLE_EQ(m->ValueStart(), 0.001);
    EXPECT_DOUBLE_EQ(m->ValueEnd(), 10);
    EXPECT_DOUBLE_EQ(m->LowerLimit(), 0.001 + 0.2 * (10 - 0.001));
    EXPECT_DOUBLE_EQ(m->UpperLimit(), 0.001 + 0.8 * (10 - 0.001));
    m->SetValue(20);
    m->SetValue(5);  // between the limits: nothing to fire on the way down
    EXPECT_EQ(fired, (std::vector<std::string>{"upper"}));
  }
}

TEST_F(PanelLimitsTest, ARangeChangeKeepsTheOtherLimitInside) {
  for (TPanelMeter* m : Meters()) {
    m->SetValueStart(0);
    m->SetValueEnd(100);
    m->SetLowerLimit(60);
    m->SetValueEnd(40);  // the lower limit would lie above the new end
    EXPECT_EQ(m->LowerLimit(), 0);
    EXPECT_EQ(m->UpperLimit(), 32);
    m->SetUpperLimit(35);
    m->SetValueStart(38);  // the upper limit would lie below the new start
    EXPECT_EQ(m->UpperLimit(), 40);
    EXPECT_DOUBLE_EQ(m->LowerLimit(), 38.4);
  }
}

}  // namespace
