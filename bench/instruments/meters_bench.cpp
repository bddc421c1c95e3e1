// Cost of the instruments' two drawing paths at the sizes and in the configurations the component
// demo shows them (readouts and LEDs as there): one value update of a damped meter (setter,
// damping step, composition, and the event-loop pass that hands the changed pixels to the window
// and lets it show them) and a full Paint. Each is reported as a multiple of copying the
// control's pixels once (x_memcpy: time per iteration / one memcpy of width * height * 4 bytes,
// measured in this run).
//
// An update is also set against its floor: the bare event-loop pass that hands the same
// rectangle as the update's own changed area to the window, from a control of the same size
// whose pixels there did not change. above_floor_x_memcpy is what the instrument adds to that,
// in pixel copies ((update - floor) / memcpy). Update and floor are timed in alternating batches,
// so load elsewhere on the machine hits both alike, and the difference is the median of the
// differences of neighbouring batches. A control so small that one copy of its pixels takes
// less than 0.2 us cannot be resolved in such copies: it reports its update, floor and the
// difference in microseconds instead (update_us, floor_us, above_floor_us).
//
// A meter is added with one RegisterMeter call: its class, the demo's size and how to set up a
// damped pointer.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/instrect/instrect.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/forms/forms.h"
#include "platform/graphics/bitmap.h"

namespace {

// Seconds one memcpy of Bytes takes, the median of several timed batches.
double MemcpySeconds(size_t Bytes) {
  std::vector<char> from(Bytes, 1), to(Bytes);
  std::vector<double> batches;
  constexpr int kRounds = 200;
  for (int b = 0; b < 7; ++b) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
      std::memcpy(to.data(), from.data(), Bytes);
      benchmark::DoNotOptimize(to.data());
      benchmark::ClobberMemory();
    }
    batches.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kRounds);
  }
  std::sort(batches.begin(), batches.end());
  return batches[batches.size() / 2];
}

// A pixel copy shorter than this cannot measure what an update adds to its floor.
constexpr double kSmallestCopy = 0.2e-6;

// Runs Body once per benchmark iteration and reports its time as a multiple of one pixel copy.
template <class F>
void RunAgainstCopy(benchmark::State& State, int Width, int Height, F&& Body) {
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : State) Body();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (State.iterations() == 0) return;
  State.counters["x_memcpy"] =
      seconds / State.iterations() / MemcpySeconds(size_t(Width) * Height * 4);
}

// Seconds per call of Body, timed over Rounds calls.
template <class F>
double BatchSeconds(int Rounds, F& Body) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < Rounds; ++i) Body();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / Rounds;
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

// The floor of an update: a control that only hands a rectangle of its unchanged pixels to the
// window, as an update hands over the area it changed.
class TFloorControl : public TCustomControl {
 public:
  explicit TFloorControl(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() + csOpaque);
  }
  void HandOver(const TRect& Area) {
    TCanvas& c = *Canvas();
    if (c.OnPixelsChanged) c.OnPixelsChanged(&c, Area);
  }

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clGray);
    Canvas()->FillRect(ClientRect());
  }
};

// A shown form holding one control of class T at Width x Height and, below it, its floor control
// of the same size.
template <class T>
struct Stage {
  Stage(int Width, int Height) {
    Application->Initialize();
    TickServiceStartup();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, Width + 20, 2 * Height + 30);
    control = new T(form);
    control->SetParent(form);
    control->SetBounds(10, 10, Width, Height);
    floor = new TFloorControl(form);
    floor->SetParent(form);
    floor->SetBounds(10, Height + 20, Width, Height);
    form->Show();
    Application->ProcessMessages();
    control->Update();
    floor->Update();
    // Every area the control hands to the window, in its own pixels.
    TCanvas& c = *control->Canvas();
    c.OnPixelsChanged = [this, inner = c.OnPixelsChanged](TCanvas* Canvas, const TRect& Area) {
      TRect own = Area;
      OffsetRect(own, -Canvas->Origin().X, -Canvas->Origin().Y);
      if (IsRectEmpty(changed))
        changed = own;
      else
        UnionRect(changed, changed, own);
      if (inner) inner(Canvas, Area);
    };
  }
  ~Stage() {
    delete form;
    Application->ProcessMessages();
    TickServiceShutdown();
  }
  TForm* form = nullptr;
  T* control = nullptr;
  TFloorControl* floor = nullptr;
  TRect changed{};  // the union of the areas handed over since it was last cleared
};

// Update: the value alternates between Low and High, so every update moves the pointer. Each
// update runs the event-loop pass that brings its pixels to the window.
template <class T>
void RegisterMeter(const std::string& Name, int Width, int Height,
                   std::function<void(T&)> MakeDamped, std::function<void(T&, double)> SetValue,
                   double Low, double High) {
  benchmark::RegisterBenchmark((Name + "/update").c_str(), [=](benchmark::State& state) {
    Stage<T> stage(Width, Height);
    MakeDamped(*stage.control);
    Application->ProcessMessages();
    // Each update's area is kept, and the floor hands the same areas over in the same order.
    bool high = false;
    std::vector<TRect> areas;
    auto update = [&] {
      high = !high;
      stage.changed = TRect{};
      SetValue(*stage.control, high ? High : Low);
      Application->ProcessMessages();
      areas.push_back(stage.changed);
    };
    size_t next = 0;
    auto floor = [&] {
      stage.floor->HandOver(areas[next++ % areas.size()]);
      Application->ProcessMessages();
    };
    RunAgainstCopy(state, Width, Height, update);
    // Alternating batches of both. What the update adds is the median of each batch's
    // difference to the floor batch beside it: for a small control the floor is nearly all of the
    // update, and differences of separately taken medians swing with the load by more than the
    // control's own cost.
    constexpr int kBatches = 21, kRounds = 100;
    std::vector<double> updates, floors, above;
    for (int b = 0; b < kBatches; ++b) {
      areas.clear();
      next = 0;
      updates.push_back(BatchSeconds(kRounds, update));
      floors.push_back(BatchSeconds(kRounds, floor));
      above.push_back(updates.back() - floors.back());
    }
    const double copy = MemcpySeconds(size_t(Width) * Height * 4);
    state.counters["x_memcpy"] = Median(updates) / copy;
    state.counters["floor_x_memcpy"] = Median(floors) / copy;
    if (copy < kSmallestCopy) {
      state.counters["update_us"] = Median(updates) * 1e6;
      state.counters["floor_us"] = Median(floors) * 1e6;
      state.counters["above_floor_us"] = Median(above) * 1e6;
    } else {
      state.counters["above_floor_x_memcpy"] = Median(above) / copy;
    }
  })->UseRealTime();
  benchmark::RegisterBenchmark((Name + "/paint").c_str(), [=](benchmark::State& state) {
    Stage<T> stage(Width, Height);
    MakeDamped(*stage.control);
    RunAgainstCopy(state, Width, Height, [&] {
      stage.control->Invalidate();
      stage.control->Update();
    });
  })->UseRealTime();
}

void BM_Memcpy(benchmark::State& state) {
  const size_t bytes = size_t(state.range(0)) * state.range(1) * 4;
  std::vector<char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memcpy)->Args({250, 113})->UseRealTime();

const bool kRegistered = [] {
  // The demo shows the 120-degree meter at 250 x 113 facing up, with a damped second meter.
  RegisterMeter<TMeter120>(
      "Meter120", 250, 113,
      [](TMeter120& m) {
        m.SetValueStart(-10);
        m.SetValueEnd(10);
        m.SetDamping(10);
        m.SetDampPeak(50);
        m.SetPeakMode(ppDrag);
      },
      [](TMeter120& m, double v) { m.SetValue(v); }, -11, 11);
  // The 180 and 270-degree meters as the demo's damped second meters.
  const auto damped_round = [](TRoundMeter& m) {
    m.SetValueStart(-10);
    m.SetValueEnd(10);
    m.SetDamping(10);
    m.SetDampPeak(50);
    m.SetPeakMode(ppDrag);
  };
  RegisterMeter<TMeter180>(
      "Meter180", 250, 144, [=](TMeter180& m) { damped_round(m); },
      [](TMeter180& m, double v) { m.SetValue(v); }, -11, 11);
  RegisterMeter<TMeter270>(
      "Meter270", 200, 200, [=](TMeter270& m) { damped_round(m); },
      [](TMeter270& m, double v) { m.SetValue(v); }, -11, 11);
  // The horizontal panel meter as the demo's damped second meter, swung between -10 and 60,
  // with its two LEDs on as the demo's first meter has them.
  RegisterMeter<TMeterPanelH>(
      "MeterPanelH", 250, 73,
      [](TMeterPanelH& m) {
        m.SetDamping(10);
        m.SetDampPeak(200);
        m.SetPeakMode(ppDrag);
      },
      [](TMeterPanelH& m, double v) { m.SetValue(v); }, -10, 60);
  // The vertical panel meter as the demo's damped second meter: an LED column over -50..50,
  // swung between -60 and 60, at the default size, with the readout on as the demo's first
  // meter has it.
  RegisterMeter<TMeterPanelV>(
      "MeterPanelV", 80, 360,
      [](TMeterPanelV& m) {
        m.SetValueStart(-50);
        m.SetValueEnd(50);
        m.SetValueMin(-10);
        m.SetValueMid(40);
        m.SetDamping(10);
        m.SetDampPeak(50);
        m.SetPeakMode(ppDrag);
        m.SetDispEnable(true);
      },
      [](TMeterPanelV& m, double v) { m.SetValue(v); }, -60, 60);
  // The two-scale meter as the demo's damped second meter: a logarithmic inner scale, both
  // pointers damped, at the default size.
  RegisterMeter<TMeter360>(
      "Meter360", 200, 200,
      [](TMeter360& m) {
        m.SetValueEnd1(100);
        m.SetValueStart2(0.001);
        m.SetValueEnd2(1000);
        m.SetNonLinear2(true);
        m.SetShape(sstRectangle);
        m.SetDamping1(50);
        m.SetDamping2(50);
        m.SetDampPeak(100);
        m.SetPeakMode(ppDrag);
      },
      [](TMeter360& m, double v) {
        m.SetValue1(v);
        m.SetValue2(v);
      },
      1, 1000);
  // The gauge demo's big gauge: segments of 5 pixels with a gap of 1, at the default size.
  RegisterMeter<TGaugeGp>(
      "GaugeGp", 100, 18,
      [](TGaugeGp& g) {
        g.SetValueMin(-10);
        g.SetValueMax(100);
        g.SetSegmWidth(5);
        g.SetSegmGap(1);
        g.SetDamping(10);
      },
      [](TGaugeGp& g, double v) { g.SetValue(v); }, -10, 100);
  // The level indicator at its default size; an update moves the band's end.
  RegisterMeter<TMagicEye>(
      "MagicEye", 150, 30, [](TMagicEye&) {}, [](TMagicEye& e, double v) { e.SetEndPos(v); }, 3, 7);
  return true;
}();

}  // namespace
