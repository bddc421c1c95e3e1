// The panel meters lay out their face, LEDs, readout and scale from their size, properties and
// font metrics, without painting: a meter that was never painted reports the parts a paint of
// the same meter draws.

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <sstream>
#include <string>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/forms/testing/formtest.h"

namespace {

std::string Text(const TRect& R) {
  std::ostringstream s;
  s << "(" << R.Left << "," << R.Top << "," << R.Right << "," << R.Bottom << ")";
  return s.str();
}

// Everything the common part holds, as text, so that a difference shows where it lies.
std::string Text(const TPanelMeter::TLayout& L) {
  std::ostringstream s;
  s << "face " << Text(L.Face) << " leds " << L.LedCentre[0].X << "," << L.LedCentre[0].Y << " "
    << L.LedCentre[1].X << "," << L.LedCentre[1].Y << " r" << L.LedRadius << " axis "
    << L.Geometry.Origin << " " << L.Geometry.Base << " " << L.Geometry.TickEnd << " "
    << L.Geometry.LabelWidth << " " << L.Geometry.Start << "+" << L.Geometry.Length << "\n";
  for (const TScaleLayout::TItem& i : L.Scale.Items) {
    if (i.IsLabel) {
      s << "label " << i.Label.At.X << "," << i.Label.At.Y << " '" << i.Label.Text << "' "
        << i.Label.PowerOfTen << " " << i.Label.Value << "\n";
    } else {
      s << "line " << i.Line.From.X << "," << i.Line.From.Y << " " << i.Line.To.X << ","
        << i.Line.To.Y << " w" << i.Line.Width << "\n";
    }
  }
  s << "ends " << Text(L.Scale.Ends.StartLabelRect) << " " << Text(L.Scale.Ends.EndLabelRect);
  return s.str();
}

std::string Text(const TMeterPanelH::TLayout& L) {
  return Text(static_cast<const TPanelMeter::TLayout&>(L)) + "\nscale " + Text(L.ScaleRect) +
         " baseline " + std::to_string(L.Baseline);
}

std::string Text(const TMeterPanelV::TLayout& L) {
  return Text(static_cast<const TPanelMeter::TLayout&>(L)) + "\nstrip " + Text(L.Strip) + " bar " +
         Text(L.Bar) + " readout " + Text(L.Readout) + " cells " + Text(L.ReadoutCells) + " name " +
         Text(L.NameBand) + " unit " + Text(L.UnitBand) + " zones " + std::to_string(L.YMin) + " " +
         std::to_string(L.YMid);
}

// A named setup applied to a meter of type T.
template <class T>
struct TSetupCase {
  const char* name;
  std::function<void(T&)> setup;
};

class PanelLayoutTest : public FormTest {
 protected:
  PanelLayoutTest() { TickServiceStartup(); }
  ~PanelLayoutTest() override { TickServiceShutdown(); }

  // A meter on the form, painted once it is shown, or one that never gets a window.
  template <class T>
  T* Make(bool OnForm, int W, int H) {
    auto* m = new T(form);
    if (OnForm) m->SetParent(form);
    m->SetBounds(10, 10, W, H);
    return m;
  }

  // Each case set up alike on a meter that is painted and on one that never gets a window: both
  // report the layout the paint drew; More checks what the meter records besides.
  template <class T, class F>
  void ExpectLayoutsOfPaint(int W, int H, std::span<const TSetupCase<T>> Cases, F More) {
    for (const TSetupCase<T>& c : Cases) {
      SCOPED_TRACE(c.name);
      auto* painted = Make<T>(true, W, H);
      auto* bare = Make<T>(false, W, H);
      c.setup(*painted);
      c.setup(*bare);
      Pump();
      ASSERT_TRUE(painted->Painted());
      EXPECT_EQ(Text(bare->Layout()), Text(painted->PaintedLayout()));
      EXPECT_EQ(Text(painted->Layout()), Text(painted->PaintedLayout()));
      More(*painted, *bare);
      delete painted;
      delete bare;
    }
  }
};

TEST_F(PanelLayoutTest, NeverPaintedMetersReportWhatAPaintDraws) {
  ShowForm();
  const TSetupCase<TMeterPanelH> wide[] = {
      {"default", [](TMeterPanelH&) {}},
      {"logarithmic, no LEDs",
       [](TMeterPanelH& m) {
         m.SetValueEnd(1000);
         m.SetValueStart(1);
         m.SetNonLinear(true);
         m.SetLedEnable(false);
       }},
      {"open sides, large font",
       [](TMeterPanelH& m) {
         m.SetBordLeft(false);
         m.SetBordTop(false);
         m.Font()->SetSize(12);
         m.SetScalaPsub(3);
       }},
  };
  ExpectLayoutsOfPaint<TMeterPanelH>(300, 90, wide, [](TMeterPanelH& Painted, TMeterPanelH& Bare) {
    // The limit marks flash over the end labels the paint recorded.
    EXPECT_EQ(Bare.Layout().Scale.Ends.EndLabelRect, Painted.LimitMarks().EndLabelRect);
  });
  const TSetupCase<TMeterPanelV> tall[] = {
      {"LED column", [](TMeterPanelV&) {}},
      {"zone bar, five cells",
       [](TMeterPanelV& m) {
         m.SetMeterStyle(TMeterStyle::BarGraph);
         m.SetValueEnd(2000);
         m.SetValueMid(1500);
       }},
      {"pointer only, no readout, no LEDs",
       [](TMeterPanelV& m) {
         m.SetMeterStyle(TMeterStyle::simpleMeter);
         m.SetDispEnable(false);
         m.SetLedEnable(false);
       }},
      {"logarithmic",
       [](TMeterPanelV& m) {
         m.SetValueEnd(100);
         m.SetValueStart(0.1);
         m.SetNonLinear(true);
       }},
  };
  ExpectLayoutsOfPaint<TMeterPanelV>(90, 280, tall, [](TMeterPanelV& Painted, TMeterPanelV& Bare) {
    EXPECT_EQ(Bare.ReadoutRect(), Painted.PaintedLayout().Readout);
  });
}

// A resize shows in the layout at once; the paint that follows draws that layout.
TEST_F(PanelLayoutTest, ResizeShowsInTheLayoutBeforeTheRepaint) {
  auto* meter = Make<TMeterPanelV>(true, 80, 360);
  ShowForm();
  const std::string before = Text(meter->PaintedLayout());
  meter->SetBounds(10, 10, 100, 250);
  auto* fresh = Make<TMeterPanelV>(false, 100, 250);
  EXPECT_EQ(Text(meter->Layout()), Text(fresh->Layout()));
  EXPECT_NE(Text(meter->Layout()), before);
  Pump();
  EXPECT_EQ(Text(meter->PaintedLayout()), Text(fresh->Layout()));
  delete fresh;
}

}  // namespace
