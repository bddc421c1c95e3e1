// A paint only draws: an instrument read from a form with a range of no width, an inverted range
// or a logarithmic range with ends at or below zero has that range made usable once loading ends,
// and its paints (the first one, and one after a resize) leave every property as they found it.

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrect/instrect.h"
#include "library/instruments/instrund/instrund.h"
#include "library/instruments/potis/potis.h"
#include "platform/forms/testing/formtest.h"

namespace {

std::string Values(std::initializer_list<double> V) {
  std::ostringstream s;
  s.precision(17);
  for (double v : V) s << v << ' ';
  return s.str();
}

// What a form can store: the range ends as read, and whether the scale is logarithmic.
struct TStoredRange {
  double Start, End;
  bool Log;
};

const TStoredRange kRanges[] = {
    {5, 5, false},      // no width
    {20, 10, false},    // inverted
    {0, 0.005, false},  // narrower than a hundredth
    {-5, -5, true},     // logarithmic, nothing above zero
    {10, 10, true},     // logarithmic, no decade
};

class PaintPropertiesTest : public FormTest {
 protected:
  PaintPropertiesTest() {
    TickServiceStartup();
    form->SetClientWidth(420);
    form->SetClientHeight(420);
  }
  ~PaintPropertiesTest() override { TickServiceShutdown(); }

  // T is made by a form loader, given Range (and its value at the range's start) by Store, and
  // painted twice; Props reads every property that has a setter.
  template <class T>
  void ExpectPaintKeepsProperties(const std::function<void(T&, const TStoredRange&)>& Store,
                                  const std::function<std::string(const T&)>& Props) {
    ShowForm();
    for (const TStoredRange& r : kRanges) {
      if constexpr (
          !requires(T & t) { t.SetNonLinear(true); } &&
          !requires(T & t) { t.SetNonLinear1(true); }) {
        if (r.Log) continue;
      }
      SCOPED_TRACE(Values({r.Start, r.End, double(r.Log)}));
      T* c = nullptr;
      {
        TFormLoader loader(form);
        c = loader.Add<T>("Instrument");
        c->SetBounds(10, 10, 200, 200);
        Store(*c, r);
      }
      const std::string loaded = Props(*c);
      Pump();
      ASSERT_TRUE(c->Painted());
      EXPECT_EQ(Props(*c), loaded);
      c->SetBounds(10, 10, 260, 150);
      Pump();
      EXPECT_EQ(Props(*c), loaded);
      delete c;
    }
  }
};

// The round meters' range, value, bands, divisions and LEDs.
template <class T>
void StoreRound(T& c, const TStoredRange& r) {
  c.SetNonLinear(r.Log);
  c.SetValueStart(r.Start);
  c.SetValueEnd(r.End);
  c.SetValue(r.Start);
  c.SetLedOn1(true);
  c.SetLedBlink2(true);
}
template <class T>
std::string RoundProps(const T& c) {
  return Values({c.ValueStart(), c.ValueEnd(), double(c.NonLinear()), c.Value(),
                 double(c.ScalaPart()), double(c.ScalaPsub()), c.ValueMinA(), c.ValueMinE(),
                 c.ValueMidA(), c.ValueMidE(), c.ValueMaxA(), c.ValueMaxE(), double(c.LedOn1()),
                 double(c.LedOn2()), double(c.LedBlink1()), double(c.LedBlink2()),
                 double(c.ColLed1()), double(c.ColLed2()), double(c.LedEnable())});
}

TEST_F(PaintPropertiesTest, RoundMeters) {
  ExpectPaintKeepsProperties<TMeter120>(StoreRound<TMeter120>, RoundProps<TMeter120>);
  ExpectPaintKeepsProperties<TMeter180>(StoreRound<TMeter180>, RoundProps<TMeter180>);
  ExpectPaintKeepsProperties<TMeter270>(StoreRound<TMeter270>, RoundProps<TMeter270>);
}

TEST_F(PaintPropertiesTest, Meter360) {
  ExpectPaintKeepsProperties<TMeter360>(
      [](TMeter360& c, const TStoredRange& r) {
        c.SetNonLinear1(r.Log);
        c.SetNonLinear2(r.Log);
        c.SetValueStart1(r.Start);
        c.SetValueEnd1(r.End);
        c.SetValueStart2(r.Start);
        c.SetValueEnd2(r.End);
        c.SetValue1(r.Start);
        c.SetValue2(r.Start);
        c.SetLedOn1(true);
        c.SetLedBlink3(true);
      },
      [](const TMeter360& c) {
        return Values({c.ValueStart1(), c.ValueEnd1(), c.ValueStart2(), c.ValueEnd2(),
                       double(c.NonLinear1()), double(c.NonLinear2()), c.Value1(), c.Value2(),
                       double(c.ScalaPart1()), double(c.ScalaPart2()), double(c.LedOn1()),
                       double(c.LedOn2()), double(c.LedOn3()), double(c.LedBlink3()),
                       double(c.LedEnable1()), double(c.LedEnable2())});
      });
}

// The panel meters' range, value, limits, divisions and LEDs.
template <class T>
void StorePanel(T& c, const TStoredRange& r) {
  StoreRound(c, r);
  c.SetUpperLimit(r.End);
  c.SetLowerLimit(r.Start);
}
template <class T>
std::string PanelProps(const T& c) {
  return Values({c.ValueStart(), c.ValueEnd(), double(c.NonLinear()), c.Value(),
                 double(c.ScalaPart()), double(c.ScalaPsub()), c.UpperLimit(), c.LowerLimit(),
                 double(c.LedOn1()), double(c.LedOn2()), double(c.LedBlink2()),
                 double(c.LedEnable())});
}

TEST_F(PaintPropertiesTest, PanelMeters) {
  ExpectPaintKeepsProperties<TMeterPanelH>(StorePanel<TMeterPanelH>, PanelProps<TMeterPanelH>);
  ExpectPaintKeepsProperties<TMeterPanelV>(StorePanel<TMeterPanelV>, [](const TMeterPanelV& c) {
    return PanelProps(c) + Values({c.ValueMin(), c.ValueMid()});
  });
}

template <class T>
void StorePoti(T& c, const TStoredRange& r) {
  if constexpr (requires { c.SetNonLinear(true); }) c.SetNonLinear(r.Log);
  c.SetValueStart(r.Start);
  c.SetValueEnd(r.End);
  c.SetValue(r.Start);
}
template <class T>
std::string PotiProps(const T& c) {
  double log = 0;
  if constexpr (requires { c.NonLinear(); }) log = c.NonLinear();
  return Values({c.ValueStart(), c.ValueEnd(), log, c.Value(), double(c.ScalaPart())});
}

TEST_F(PaintPropertiesTest, Potentiometers) {
  ExpectPaintKeepsProperties<TPoti270>(StorePoti<TPoti270>, PotiProps<TPoti270>);
  ExpectPaintKeepsProperties<TPoti10T>(
      [](TPoti10T& c, const TStoredRange& r) {
        StorePoti(c, r);
        c.SetLedOn1(true);
        c.SetLedBlink2(true);
      },
      [](const TPoti10T& c) {
        return PotiProps(c) + Values({double(c.LedOn1()), double(c.LedBlink2())});
      });
  ExpectPaintKeepsProperties<TPotiSlide>(StorePoti<TPotiSlide>, PotiProps<TPotiSlide>);
  ExpectPaintKeepsProperties<TSlider>(
      [](TSlider& c, const TStoredRange& r) {
        c.SetValueMin(r.Start);
        c.SetValueMax(r.End);
        c.SetValue(r.Start);
      },
      [](const TSlider& c) {
        return Values(
            {c.ValueMin(), c.ValueMax(), c.Value(), double(c.Position()), double(c.ScalaPart())});
      });
}

}  // namespace
