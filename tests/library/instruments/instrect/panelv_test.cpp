#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/foundation/ledcolors.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/forms/testing/formtest.h"

namespace {

class PanelVTest : public FormTest {
 protected:
  PanelVTest() { TickServiceStartup(); }
  ~PanelVTest() override { TickServiceShutdown(); }

  TMeterPanelV* Make(int w = 80, int h = 360) {
    meter = new TMeterPanelV(form);
    meter->SetParent(form);
    meter->SetBounds(10, 10, w, h);
    meter->OnRepaint = [this](TObject*) { ++paints; };
    return meter;
  }
  TColor Pixel(int x, int y) { return meter->Canvas()->Pixels(x, y); }

  // Lit LEDs of the column, counted as runs of full zone colour down its middle (the LEDs are
  // separated by their grey outlines).
  int LitLeds() {
    const TRect& b = meter->BarRect();
    const int x = (b.Left + b.Right) / 2;
    int runs = 0;
    bool in_run = false;
    for (int y = b.Top; y <= b.Bottom; ++y) {
      const TColor c = Pixel(x, y);
      const bool lit = c == meter->ColMin() || c == meter->ColMid() || c == meter->ColMax();
      if (lit && !in_run) ++runs;
      in_run = lit;
    }
    return runs;
  }

  TMeterPanelV* meter = nullptr;
  int paints = 0;
};

TEST_F(PanelVTest, LayoutOfTheDefaultSize) {
  Make();
  ShowForm();
  // d = 25: the readout frame is d - a = 21 high; b = c = 20: LEDs of radius 6 at 70 % and 30 %
  // of the width.
  EXPECT_EQ(meter->ReadoutRect().Bottom - meter->ReadoutRect().Top, 21);
  EXPECT_EQ(meter->LedCentre(0).X, 56);
  EXPECT_EQ(meter->LedCentre(1).X, 24);
  EXPECT_EQ(meter->LedCentre(0).Y, meter->LedCentre(1).Y);
  const TPoint led1 = meter->LedCentre(0);
  EXPECT_EQ(Pixel(led1.X, led1.Y), LedColour(meter->ColLed1(), false));
  meter->SetLedOn1(true);
  EXPECT_EQ(Pixel(led1.X, led1.Y), meter->ColLed1());
  EXPECT_EQ(Pixel(led1.X + 4, led1.Y), meter->ColLed1());
  EXPECT_NE(Pixel(led1.X + 7, led1.Y), meter->ColLed1());
  EXPECT_EQ(meter->ReadoutCells(), 4);
  EXPECT_EQ(meter->ReadoutShows(), "0.000");
  // Without readout and LEDs the scale grows by their room at both ends.
  const TRect strip = meter->ScaleStrip();
  meter->SetDispEnable(false);
  meter->SetLedEnable(false);
  EXPECT_EQ(meter->ScaleStrip().Top, strip.Top - 25);
  EXPECT_EQ(meter->ScaleStrip().Bottom, strip.Bottom + 20);
}

TEST_F(PanelVTest, ReadoutTexts) {
  const struct {
    double start, end, shown;
    bool fix;
    const char* text;
  } cases[] = {
      {0, 50, 3.5, false, "3.500"},
      {0, 50, 12.25, false, "12.25"},
      {0, 50, 123.4, false, "123.4"},
      {0, 50, 3.5, true, " 3.50"},
      {0, 5, 3.5, true, "3.500"},
      {0, 50, 1234, false, "1234"},
      {0, 2000, 12.5, false, "12.500"},
      {0, 2000, 12.5, true, " 12.50"},
      {-1000, 0, -5, false, "-5.000"},
      {0, 50, -3.5, false, "-3.500"},
      // Digits before the point that the cells cannot hold: dashes instead of a wrong number.
      {0, 50, -1234, false, "----"},
      {0, 50, 123456, false, "----"},
      {0, 2000, 123456, false, "-----"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TMeterPanelV::ReadoutText(c.shown, c.start, c.end, c.fix), c.text)
        << c.shown << " on " << c.start << ".." << c.end;
  }
}

TEST_F(PanelVTest, ReadoutFollowsTheShownValue) {
  Make();
  ShowForm();
  meter->SetValue(12.25);
  EXPECT_EQ(meter->ReadoutShows(), "12.25");
  meter->SetValueEnd(2000);
  EXPECT_EQ(meter->ReadoutCells(), 5);
  EXPECT_EQ(meter->ReadoutShows(), "12.250");
  // A changed text redraws even when the pointer keeps its row.
  meter->SetValue(12.26);
  EXPECT_EQ(meter->PointerPos(), meter->ValueToPixel(12.25));
  EXPECT_EQ(meter->ReadoutShows(), "12.260");
}

TEST_F(PanelVTest, RangeZoneAndLedCountSetters) {
  Make(80, 200);
  using Set = void (*)(TMeterPanelV&, double);
  using Get = double (*)(const TMeterPanelV&);
  const Set start = [](TMeterPanelV& m, double v) { m.SetValueStart(v); };
  const Set end = [](TMeterPanelV& m, double v) { m.SetValueEnd(v); };
  const Set vmin = [](TMeterPanelV& m, double v) { m.SetValueMin(v); };
  const Set vmid = [](TMeterPanelV& m, double v) { m.SetValueMid(v); };
  const Get get_start = [](const TMeterPanelV& m) { return m.ValueStart(); };
  const Get get_end = [](const TMeterPanelV& m) { return m.ValueEnd(); };
  const Get get_min = [](const TMeterPanelV& m) { return m.ValueMin(); };
  const Get get_mid = [](const TMeterPanelV& m) { return m.ValueMid(); };
  const Get get_lower = [](const TMeterPanelV& m) { return m.LowerLimit(); };
  const Get get_upper = [](const TMeterPanelV& m) { return m.UpperLimit(); };
  const struct {
    Set set;
    double v;
    Get get;
    double expected;
  } cases[] = {
      {start, -10000, get_start, -9999},
      {end, 20000, get_end, 9999},
      {start, 20000, get_start, 9998},
      {start, 0, get_start, 0},
      {end, 100, get_end, 100},
      // Either end resets the zones to 20 % and 80 %; the end sets UpperLimit to ValueMid ...
      {end, 100, get_min, 20},
      {end, 100, get_mid, 80},
      {end, 100, get_upper, 80},
      // ... and the start sets LowerLimit to ValueMin.
      {start, -100, get_min, -60},
      {start, -100, get_lower, -60},
      {vmin, 90, get_min, 60},      // not above ValueMid
      {vmin, -200, get_min, -100},  // not below ValueStart
      {vmid, -200, get_mid, -100},  // not below ValueMin
      {vmid, 500, get_mid, 100},    // not above ValueEnd
  };
  for (const auto& c : cases) {
    c.set(*meter, c.v);
    EXPECT_EQ(c.get(*meter), c.expected) << c.v;
  }
  // The LED count changes only in the LED column style, within 2 .. a tenth of the height.
  meter->SetMeterStyle(TMeterStyle::BarGraph);
  meter->SetLedZahl(30);
  EXPECT_EQ(meter->LedZahl(), 20);
  meter->SetMeterStyle(TMeterStyle::LedBar);
  meter->SetLedZahl(1);
  EXPECT_EQ(meter->LedZahl(), 2);
  meter->SetLedZahl(30);
  EXPECT_EQ(meter->LedZahl(), 20);
  meter->SetDamping(20);
  EXPECT_EQ(meter->Damping(), 10);
}

TEST_F(PanelVTest, PointerAtTheRangeEndsAndPinnedOutside) {
  for (TMeterStyle style : {TMeterStyle::simpleMeter, TMeterStyle::LedBar}) {
    Make();
    meter->SetMeterStyle(style);
    ShowForm();
    const TRect s = meter->ScaleStrip();
    const int x = s.Left + 1;
    const struct {
      double value;
      int y;
    } cases[] = {
        {0, s.Bottom}, {50, s.Top}, {25, (s.Top + s.Bottom) / 2}, {-10, s.Bottom}, {80, s.Top}};
    for (const auto& c : cases) {
      meter->SetValue(c.value);
      EXPECT_EQ(meter->PointerPos(), c.y) << c.value;
      EXPECT_EQ(Pixel(x, c.y), meter->ColPointer()) << c.value;
    }
    EXPECT_TRUE(meter->OverRange());
    EXPECT_TRUE(meter->LimitMarks().EndVisible());
    delete meter;
  }
}

TEST_F(PanelVTest, LedColumnLightsUpToThePointerAndKeepsThePeak) {
  Make();
  ShowForm();
  const struct {
    double value;
    int lit;
  } cases[] = {{0, 0}, {50, 20}, {23.75, 10}, {26.25, 11}, {-5, 0}, {60, 20}};
  for (const auto& c : cases) {
    meter->SetValue(c.value);
    EXPECT_EQ(LitLeds(), c.lit) << c.value;
  }
  // An unlit LED shows its zone colour through the mask.
  meter->SetValue(0);
  const TRect& b = meter->BarRect();
  EXPECT_EQ(Pixel((b.Left + b.Right) / 2, b.Bottom - 3), TColor(0x00FFFF & 0x02606060));
  // The peak keeps the top LED lit and draws no triangle.
  meter->SetPeakMode(ppPeak);
  meter->SetValue(50);
  meter->SetValue(0);
  EXPECT_EQ(LitLeds(), 1);
  EXPECT_NE(Pixel(meter->FaceRect().Right - 3, meter->ScaleStrip().Top), meter->ColPeakPtr());
}

TEST_F(PanelVTest, ZoneBarInsideItsFrame) {
  Make();
  meter->SetMeterStyle(TMeterStyle::BarGraph);
  ShowForm();
  meter->SetValue(25);
  const TRect& b = meter->BarRect();
  const int x = (b.Left + b.Right) / 2;
  const int y = meter->PointerPos();
  const TColor dim_mid = TColor(0x00FF00 & 0x02606060);
  EXPECT_EQ(Pixel(x, y), meter->ColMid());
  EXPECT_EQ(Pixel(x, y - 1), dim_mid);
  EXPECT_EQ(Pixel(x, b.Bottom - 1), meter->ColMin());
  EXPECT_EQ(Pixel(x, b.Top), TColor(0x0000FF & 0x02606060));
  // The frame's right and bottom lines stay.
  EXPECT_EQ(Pixel(b.Right, y), meter->ColScala());
  EXPECT_EQ(Pixel(x, b.Bottom), meter->ColScala());
  // No pointer in this style; the peak pointer sits at the face's right edge.
  EXPECT_NE(Pixel(meter->ScaleStrip().Left + 1, y), meter->ColPointer());
  meter->SetPeakMode(ppPeak);
  meter->SetValue(40);
  meter->SetValue(10);
  EXPECT_EQ(meter->PeakPos(), meter->ValueToPixel(40));
  EXPECT_EQ(Pixel(meter->FaceRect().Right - 3, meter->PeakPos()), meter->ColPeakPtr());
}

TEST_F(PanelVTest, ResetPeak) {
  Make();
  meter->SetMeterStyle(TMeterStyle::simpleMeter);
  ShowForm();
  meter->SetPeakMode(ppPeak);
  meter->SetValue(40);
  meter->SetValue(10);
  EXPECT_EQ(meter->PeakValue(), 40);
  // Back to the start; the forced update lifts it onto the pointer.
  meter->ResetPeak();
  EXPECT_EQ(meter->PeakValue(), 10);
  EXPECT_EQ(meter->PeakPos(), meter->ValueToPixel(10));
}

TEST_F(PanelVTest, LimitEventsBeforeThePeakStep) {
  Make();
  ShowForm();
  meter->SetPeakMode(ppPeak);
  std::vector<double> peaks_seen;
  meter->OnUpperLim = [&](TObject*) { peaks_seen.push_back(meter->PeakValue()); };
  for (double v : {30.0, 60.0, 55.0, 30.0, 46.0}) meter->SetValue(v);
  // Fired twice; the handler still sees the peak of the step before (held at the scale end).
  EXPECT_EQ(peaks_seen, (std::vector<double>{30, 50}));
}

TEST_F(PanelVTest, LogRepairInsidePaintRunsOnePaint) {
  int upper = 0;
  {
    TFormLoader loader(form);
    meter = loader.Add<TMeterPanelV>("Panel");
    meter->SetBounds(10, 10, 80, 360);
    meter->OnRepaint = [this](TObject*) { ++paints; };
    meter->OnUpperLim = [&](TObject*) { ++upper; };
    meter->SetValueStart(0.5);
    meter->SetValueEnd(50);
    meter->SetValue(20);
    meter->SetNonLinear(true);  // only stored while reading
  }
  ShowForm();
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(upper, 1);  // 0 -> 20 crosses the repaired upper limit once
  EXPECT_DOUBLE_EQ(meter->ValueStart(), 0.1);
  EXPECT_DOUBLE_EQ(meter->ValueEnd(), 10);
  EXPECT_DOUBLE_EQ(meter->ValueMid(), 0.1 + 0.8 * 9.9);
  meter->SetValue(10);
  EXPECT_EQ(meter->PointerPos(), meter->ScaleStrip().Top);
  meter->SetValue(0.1);
  EXPECT_EQ(meter->PointerPos(), meter->ScaleStrip().Bottom);
}

TEST_F(PanelVTest, TinyControlsPaintSafely) {
  for (int size : {0, 1, 5, 12, 30}) {
    Make(size, size);
    ShowForm();
    meter->SetValue(25);
    EXPECT_GE(meter->LedZahl(), 1);
    delete meter;
  }
}

}  // namespace
