// The round meters lay out their dials from their size, frame and properties alone: a meter that
// was never painted gives the layout that a paint of the same meter uses, also after a resize.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/forms/testing/formtest.h"

namespace {

class DialLayoutTest : public FormTest {
 protected:
  DialLayoutTest() {
    TickServiceStartup();
    form->SetClientWidth(420);
    form->SetClientHeight(420);
    ShowForm();
  }
  ~DialLayoutTest() override { TickServiceShutdown(); }

  // Two meters of W x H set up alike: one on the form, painted, and one that never gets a window.
  template <class T>
  void ExpectTwinsAgree(int W, int H, const std::function<void(T&)>& Configure) {
    SCOPED_TRACE(testing::Message() << W << " x " << H);
    auto painted = std::make_unique<T>(form);
    auto bare = std::make_unique<T>(form);
    for (T* m : {painted.get(), bare.get()}) {
      m->SetBounds(10, 10, W, H);
      Configure(*m);
    }
    painted->SetParent(form);
    Pump();
    ASSERT_TRUE(painted->Painted());
    ASSERT_FALSE(bare->Painted());
    EXPECT_EQ(painted->PaintedLayout(), painted->Layout());
    EXPECT_EQ(bare->Layout(), painted->PaintedLayout());
    // A resize lays out anew before and after the repaint.
    for (T* m : {painted.get(), bare.get()}) m->SetBounds(10, 10, H, W);
    EXPECT_EQ(bare->Layout(), painted->Layout());
    Pump();
    EXPECT_EQ(painted->PaintedLayout(), bare->Layout());
  }
};

TEST_F(DialLayoutTest, ArcMetersInEveryOrientationShapeAndFrame) {
  const struct { int w, h; } sizes[] = {{250, 112}, {250, 200}, {120, 260}, {400, 90}, {30, 20}};
  for (const auto& s : sizes) {
    for (int o = orTop; o <= orRight; ++o) {
      SCOPED_TRACE(o);
      const auto setup = [o](auto& m) {
        m.SetOrientation(static_cast<TOrientType>(o));
        m.SetShape(o % 2 == 0 ? smtRoundrect : smtRectangle);
        m.SetBordLeft(o != orLeft);
        m.SetBordBottom(o != orBottom);
        m.SetLedEnable(o != orRight);
      };
      ExpectTwinsAgree<TMeter120>(s.w, s.h, setup);
      ExpectTwinsAgree<TMeter180>(s.w, s.h, setup);
    }
  }
}

TEST_F(DialLayoutTest, TwoSeventyAndThreeSixtyInEveryShape) {
  const struct { int w, h; } sizes[] = {{200, 200}, {300, 160}, {150, 320}, {25, 25}};
  for (const auto& s : sizes) {
    for (int shape = sstRectangle; shape <= sstCircle; ++shape) {
      SCOPED_TRACE(shape);
      ExpectTwinsAgree<TMeter270>(s.w, s.h, [shape](TMeter270& m) {
        m.SetShape(static_cast<TShapeTypeT>(shape));
        m.SetBordTop(shape != sstSquare);
        m.SetLedEnable(shape != sstCircle);
      });
      ExpectTwinsAgree<TMeter360>(s.w, s.h, [shape](TMeter360& m) {
        m.SetShape(static_cast<TShapeTypeT>(shape));
        m.SetBordRight(shape != sstRoundSquare);
        m.SetLedEnable1(shape != sstCircle);
        m.SetLedEnable2(shape != sstRectangle);
      });
    }
  }
}

}  // namespace
