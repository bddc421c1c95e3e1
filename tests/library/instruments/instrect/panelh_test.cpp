#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/forms/testing/formtest.h"

namespace {

class PanelHTest : public FormTest {
 protected:
  PanelHTest() { TickServiceStartup(); }
  ~PanelHTest() override { TickServiceShutdown(); }

  TMeterPanelH* Make(int w = 250, int h = 73) {
    meter = new TMeterPanelH(form);
    meter->SetParent(form);
    meter->SetBounds(10, 10, w, h);
    meter->OnRepaint = [this](TObject*) { ++paints; };
    return meter;
  }
  TColor Pixel(int x, int y) { return meter->Canvas()->Pixels(x, y); }

  TMeterPanelH* meter = nullptr;
  int paints = 0;
};

TEST_F(PanelHTest, LayoutOfTheDefaultSize) {
  Make();
  ShowForm();
  // a = 2, b = 15, LED column 20: radius 6, LED 1 at 70 % of the height, LED 2 at 30 %.
  EXPECT_EQ(meter->LedCentre(0).Y, 51);
  EXPECT_EQ(meter->LedCentre(1).Y, 21);
  EXPECT_EQ(Pixel(meter->LedCentre(0).X, 51), LedColour(meter->ColLed1(), false));
  meter->SetLedOn1(true);
  EXPECT_EQ(Pixel(meter->LedCentre(0).X, 51), meter->ColLed1());
  // Without LEDs the scale takes the whole inner width.
  const int with_leds = meter->ScaleRect().Right;
  meter->SetLedEnable(false);
  EXPECT_EQ(meter->ScaleRect().Right, with_leds + 20);
  meter->SetLedOn2(true);  // ignored while the LEDs are off
  EXPECT_FALSE(meter->LedOn2());
}

// The scale's layout is a plain record of what the paint drew: every tick line in the scale
// colour, a label per major tick, and the end labels' boxes where the limit marks flash.
TEST_F(PanelHTest, ScaleLayoutIsWhatThePaintDrew) {
  Make();
  ShowForm();
  meter->SetValue(7);  // the pointer between two ticks
  for (const bool log : {false, true}) {
    meter->SetNonLinear(log);
    const TScaleLayout& layout = meter->ScaleLayout();
    int majors = 0, labels = 0;
    for (const TScaleLayout::TItem& item : layout.Items) {
      if (item.IsLabel) {
        ++labels;
        continue;
      }
      const TScaleLine& l = item.Line;
      if (l.Width == 2) ++majors;
      EXPECT_EQ(Pixel(l.From.X, (l.From.Y + l.To.Y) / 2), meter->ColScala()) << l.From.X;
    }
    // A logarithmic scale has a major tick per decade, after the repair of the range.
    const int decades =
        static_cast<int>(std::lround(std::log10(meter->ValueEnd() / meter->ValueStart())));
    EXPECT_EQ(majors, (log ? decades : meter->ScalaPart()) + 1);
    EXPECT_EQ(labels, majors);
    EXPECT_EQ(layout.Ends.StartLabelRect, meter->LimitMarks().StartLabelRect);
    EXPECT_EQ(layout.Ends.EndLabelRect, meter->LimitMarks().EndLabelRect);
  }
}

TEST_F(PanelHTest, PointerAtTheRangeEndsAndPinnedOutside) {
  Make();
  ShowForm();
  const TRect s = meter->ScaleRect();
  const int y = s.Bottom - 2;  // just above the pointer's base
  const struct {
    double value;
    int x;
  } cases[] = {
      {0, s.Left}, {50, s.Right}, {25, (s.Left + s.Right) / 2}, {-10, s.Left}, {80, s.Right}};
  for (const auto& c : cases) {
    meter->SetValue(c.value);
    EXPECT_EQ(meter->PointerPos(), c.x) << c.value;
    EXPECT_EQ(Pixel(c.x, y), meter->ColPointer()) << c.value;
  }
  EXPECT_TRUE(meter->OverRange());
  EXPECT_TRUE(meter->LimitMarks().EndVisible());
}

TEST_F(PanelHTest, RangeAndLimitSetters) {
  Make();
  using Set = void (*)(TMeterPanelH&, double);
  using Get = double (*)(const TMeterPanelH&);
  const Set start = [](TMeterPanelH& m, double v) { m.SetValueStart(v); };
  const Set end = [](TMeterPanelH& m, double v) { m.SetValueEnd(v); };
  const Set lower = [](TMeterPanelH& m, double v) { m.SetLowerLimit(v); };
  const Set upper = [](TMeterPanelH& m, double v) { m.SetUpperLimit(v); };
  const Get get_start = [](const TMeterPanelH& m) { return m.ValueStart(); };
  const Get get_end = [](const TMeterPanelH& m) { return m.ValueEnd(); };
  const Get get_lower = [](const TMeterPanelH& m) { return m.LowerLimit(); };
  const Get get_upper = [](const TMeterPanelH& m) { return m.UpperLimit(); };
  const struct {
    Set set;
    Get get;
    double v, expected;
  } cases[] = {
      {start, get_start, 60, 49},
      {start, get_start, 5, 5},
      {end, get_end, 3, 6},
      {end, get_end, 5000, 1000},
      {start, get_start, -5000, -1000},
      {lower, get_lower, 2000, -1000},
      {upper, get_upper, -2000, 1000},
      {upper, get_upper, 100, 100},
  };
  for (const auto& c : cases) {
    c.set(*meter, c.v);
    EXPECT_EQ(c.get(*meter), c.expected) << c.v;
  }
  // An end change resets the limits to 20 % and 80 % of the range.
  meter->SetValueStart(0);
  EXPECT_EQ(meter->LowerLimit(), 200);
  meter->SetValueEnd(50);
  EXPECT_EQ(meter->UpperLimit(), 40);
  meter->SetDamping(20);
  EXPECT_EQ(meter->Damping(), 10);
  meter->SetCaption(std::string(40, 'x'));
  EXPECT_EQ(meter->Caption().size(), 32u);
}

TEST_F(PanelHTest, LimitEventsOncePerCrossing) {
  Make();
  ShowForm();
  std::vector<std::string> fired;
  meter->OnUpperLim = [&](TObject*) { fired.push_back("upper"); };
  meter->OnLowerLim = [&](TObject*) { fired.push_back("lower"); };
  meter->SetLowerLimit(10);
  for (double v : {30.0, 60.0, 55.0, 30.0, 45.0, 46.0, 5.0, 2.0}) meter->SetValue(v);
  EXPECT_EQ(fired, (std::vector<std::string>{"upper", "lower"}));  // 45 itself crosses nothing
}

TEST_F(PanelHTest, LogRepairInsidePaintRunsOnePaint) {
  {
    TFormLoader loader(form);
    meter = loader.Add<TMeterPanelH>("Panel");
    meter->SetBounds(10, 10, 250, 73);
    meter->OnRepaint = [this](TObject*) { ++paints; };
    meter->SetValueStart(0);
    meter->SetValueEnd(50);
    meter->SetNonLinear(true);  // only stored while reading
  }
  ShowForm();
  EXPECT_EQ(paints, 1);
  EXPECT_DOUBLE_EQ(meter->ValueStart(), 0.001);
  EXPECT_DOUBLE_EQ(meter->ValueEnd(), 10);
  meter->SetValue(10);
  EXPECT_EQ(meter->PointerPos(), meter->ScaleRect().Right);
}

TEST_F(PanelHTest, PeakPointerDrag) {
  Make();
  ShowForm();
  meter->SetPeakMode(ppDrag);
  meter->SetDampPeak(1);
  meter->SetValue(40);
  EXPECT_EQ(meter->PeakValue(), 40);
  meter->SetValue(20);
  EXPECT_EQ(meter->PeakValue(), 30);
  EXPECT_EQ(meter->PeakPos(), meter->ValueToPixel(30));
}

TEST_F(PanelHTest, TinyControlsPaintSafely) {
  for (int size : {0, 1, 5, 20}) {
    Make(size, size);
    ShowForm();
    meter->SetValue(25);
    delete meter;
  }
}

}  // namespace
