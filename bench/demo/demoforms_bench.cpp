// What a meter demo form left open costs: one tick of the shared tick service with the form's
// timer swinging its second meter (damping steps, the redraws they cause and the messages that
// carry them), averaged over the swings. Each form is reported beside one copy of its client
// area's pixels measured in the same run (x_copy: time per tick / one pixel copy).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "platform/forms/forms.h"
#include "programs/demo/forms/registry.h"
#include "programs/demo/startup.h"

namespace {

// Seconds one copy of Bytes takes, the median of several timed batches.
double CopySeconds(size_t Bytes) {
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

// The program's start-up, once per run (the other benchmarks of this program share it). Its
// system timer adds a tick every 55 ms of real time, a few in a whole run.
void StartUnits() {
  static const bool kStarted = [] {
    Application->Initialize();
    StartDemoUnits();
    return true;
  }();
  (void)kStarted;
}

void OpenFormTick(benchmark::State& State, const std::string& Button) {
  StartUnits();
  std::unique_ptr<TForm> form(DemoFactory(Button)(nullptr));
  form->Show();
  Application->ProcessMessages();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : State) {
    TickServiceCallback();
    Application->ProcessMessages();
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (State.iterations() > 0) {
    const double per_tick = seconds / State.iterations();
    State.counters["ms_per_tick"] = per_tick * 1000;
    State.counters["x_copy"] =
        per_tick / CopySeconds(size_t(form->ClientWidth()) * form->ClientHeight() * 4);
  }
  form.reset();
  Application->ProcessMessages();
}

const bool kRegistered = [] {
  for (const char* button :
       {"MeterHBtn", "MeterVBtn", "Meter120Btn", "Meter180Btn", "Meter270Btn", "Meter360Btn"}) {
    // Enough ticks per run to cover several swings of the slowest timer (180 ticks).
    benchmark::RegisterBenchmark((std::string("OpenForm/") + button + "/tick").c_str(),
                                 [button](benchmark::State& State) { OpenFormTick(State, button); })
        ->Iterations(2000)
        ->UseRealTime();
  }
  return true;
}();

}  // namespace
