// A value update redraws only what it changed; its pixels must still be those of a full Paint of
// the same state. Two twins of each instrument take the same values: one only through its update
// path, the other repainted in full after each value. Their images must agree after every step,
// so a partial redraw that leaves anything stale behind shows at once.
//
// Damping is 0 and the peak pointer holds the maximum, so the step a Paint runs itself moves
// nothing and the repainted twin shows the very state the updated one reached.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrect/instrect.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/forms/testing/formtest.h"

namespace {

struct Case {
  std::string name;
  int width, height;
  // Makes one configured instrument on the form.
  std::function<TCustomControl*(TForm*)> make;
  std::function<void(TCustomControl*, double)> set;
  std::vector<double> values;
};

template <class T>
Case Make(std::string Name, int W, int H, std::function<void(T&)> Setup,
          std::function<void(T&, double)> Set, std::vector<double> Values) {
  return Case{std::move(Name),
              W,
              H,
              [=](TForm* form) -> TCustomControl* {
                auto* c = new T(form);
                c->SetParent(form);
                c->SetBounds(0, 0, W, H);
                Setup(*c);
                return c;
              },
              [=](TCustomControl* c, double v) { Set(*static_cast<T*>(c), v); },
              std::move(Values)};
}

// Range -10..10 with the scale's ends overshot both ways, repeated values and small steps that
// may keep the pointer's pixels.
const std::vector<double> kSwing = {-11, 11, 0, 0.004, 3.3, 3.3, -5, 12, -20, 7.77, 9.9, -9.9, 2};

void RoundSetup(TRoundMeter& m) {
  m.SetValueStart(-10);
  m.SetValueEnd(10);
  m.SetPeakMode(ppPeak);
  m.SetLedOn1(true);
}

void SetRound(TRoundMeter& m, double v) { m.SetValue(v); }

std::vector<Case> Cases() {
  std::vector<Case> cases;
  cases.push_back(Make<TMeter120>("Meter120", 250, 113, RoundSetup, SetRound, kSwing));
  cases.push_back(Make<TMeter120>(
      "Meter120Left", 120, 250,
      [](TMeter120& m) {
        RoundSetup(m);
        m.SetOrientation(orLeft);
        m.SetShape(smtRectangle);
      },
      SetRound, kSwing));
  cases.push_back(Make<TMeter180>("Meter180", 250, 144, RoundSetup, SetRound, kSwing));
  cases.push_back(Make<TMeter180>(
      "Meter180Bottom", 250, 144,
      [](TMeter180& m) {
        RoundSetup(m);
        m.SetOrientation(orBottom);
        m.SetDispFixPnt(true);
      },
      SetRound, kSwing));
  cases.push_back(Make<TMeter270>("Meter270", 200, 200, RoundSetup, SetRound, kSwing));
  cases.push_back(Make<TMeter270>("Meter270Circle", 200, 200,
                                  [](TMeter270& m) {
                                    RoundSetup(m);
                                    m.SetShape(sstCircle);
                                    m.SetNonLinear(true);
                                  },
                                  SetRound, {0.5, 900, 0.01, 3, 30, 300, 0.0001, 5000, 42}));
  cases.push_back(Make<TMeter360>(
      "Meter360", 200, 200,
      [](TMeter360& m) {
        m.SetValueEnd1(100);
        m.SetValueStart2(0.001);
        m.SetValueEnd2(1000);
        m.SetNonLinear2(true);
        m.SetShape(sstRectangle);
        m.SetPeakMode(ppPeak);
        m.SetLedOn1(true);
        m.SetLedOn3(true);
      },
      [](TMeter360& m, double v) {
        m.SetValue1(v);
        m.SetValue2(v / 3);
      },
      {1, 1000, 50, 50.01, 99, 250, 0.0001, 7, 130}));
  const auto panel = [](TPanelMeter& m) {
    m.SetValueStart(-10);
    m.SetValueEnd(10);
    m.SetPeakMode(ppPeak);
    m.SetLedOn2(true);
  };
  cases.push_back(Make<TMeterPanelH>(
      "MeterPanelH", 250, 73, panel, [](TMeterPanelH& m, double v) { m.SetValue(v); }, kSwing));
  // The readout's cells are recomposed apart from the moving parts unless the two touch; the
  // LED column is tried with and without it.
  const struct {
    TMeterStyle style;
    bool readout;
  } panels_v[] = {{TMeterStyle::LedBar, false},
                  {TMeterStyle::LedBar, true},
                  {TMeterStyle::BarGraph, true},
                  {TMeterStyle::simpleMeter, true}};
  for (const auto& p : panels_v) {
    cases.push_back(Make<TMeterPanelV>(
        "MeterPanelV" + std::to_string(int(p.style)) + (p.readout ? "Readout" : ""), 80, 360,
        [=](TMeterPanelV& m) {
          panel(m);
          m.SetMeterStyle(p.style);
          m.SetValueMin(-4);
          m.SetValueMid(6);
          m.SetDispEnable(p.readout);
        },
        [](TMeterPanelV& m, double v) { m.SetValue(v); }, kSwing));
  }
  const auto gauge = [](TGaugeGp& g) {
    g.SetValueMin(-10);
    g.SetValueMax(10);
    g.SetSegmWidth(5);
    g.SetSegmGap(1);
  };
  const auto set_gauge = [](TGaugeGp& g, double v) { g.SetValue(v); };
  cases.push_back(Make<TGaugeGp>("Gauge", 100, 18, gauge, set_gauge, kSwing));
  cases.push_back(Make<TGaugeGp>(
      "GaugeVertical", 18, 100, [=](TGaugeGp& g) { gauge(g); }, set_gauge, kSwing));
  cases.push_back(Make<TGaugeGp>(
      "GaugeMeterMode", 100, 18,
      [=](TGaugeGp& g) {
        gauge(g);
        g.SetMeterMode(true);
        g.SetPntrPercent(10);
      },
      set_gauge, kSwing));
  cases.push_back(Make<TMagicEye>(
      "MagicEye", 150, 30, [](TMagicEye& e) { e.SetStartValue(-10); },
      [](TMagicEye& e, double v) { e.SetEndPos(v); }, kSwing));
  return cases;
}

class UpdatePixelsTest : public FormTest {
 protected:
  UpdatePixelsTest() { TickServiceStartup(); }
  ~UpdatePixelsTest() override { TickServiceShutdown(); }
};

// Number of pixels in which the two images differ, and the first of them in Where.
int Differences(TCustomControl* A, TCustomControl* B, std::string& Where) {
  int count = 0;
  for (int y = 0; y < A->Height(); ++y) {
    for (int x = 0; x < A->Width(); ++x) {
      if (A->Canvas()->Pixels(x, y) == B->Canvas()->Pixels(x, y)) continue;
      if (count++ == 0) Where = std::to_string(x) + ", " + std::to_string(y);
    }
  }
  return count;
}

TEST_F(UpdatePixelsTest, UpdatesDrawWhatAFullPaintDraws) {
  form->SetBounds(0, 0, 600, 500);
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    TCustomControl* updated = c.make(form);
    TCustomControl* painted = c.make(form);
    painted->SetLeft(c.width + 10);
    ShowForm();
    for (double v : c.values) {
      SCOPED_TRACE(v);
      c.set(updated, v);
      c.set(painted, v);
      painted->Repaint();
      std::string where;
      EXPECT_EQ(Differences(updated, painted, where), 0) << "first at " << where;
    }
    delete updated;
    delete painted;
  }
}

}  // namespace
