// The demo's main form: from its making to its first painted screen, one update of its memory
// readout, and what it costs while it sits idle on the screen (its memory readout every second,
// the eyes, the tick service); each beside the same for an empty form of the same size.

#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <cstdlib>
#include <memory>

#include "library/foundation/tickservice.h"
#include "platform/forms/forms.h"
#include "platform/forms/timer.h"
#include "programs/demo/mainform.h"
#include "programs/demo/startup.h"

namespace {

const int kSetPlatform = setenv("QT_QPA_PLATFORM", "offscreen", 0);

void Start() {
  static const bool kStarted = [] {
    Application->Initialize();
    StartDemoUnits();
    return true;
  }();
  (void)kStarted;
}

// Shows the form and runs its paints, the windowed children's included.
void ShowPainted(TForm* form) {
  form->SetBounds(0, 0, 663, 453);
  form->Show();
  Application->ProcessMessages();
  form->Update();
}

void BM_EmptyFormToFirstPaint(benchmark::State& state) {
  Start();
  for (auto _ : state) {
    auto form = std::make_unique<TForm>(nullptr);
    ShowPainted(form.get());
  }
}
BENCHMARK(BM_EmptyFormToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_MainFormToFirstPaint(benchmark::State& state) {
  Start();
  for (auto _ : state) {
    auto form = std::make_unique<TMainForm>(nullptr);
    ShowPainted(form.get());
  }
}
BENCHMARK(BM_MainFormToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_EmptyFormRepaint(benchmark::State& state) {
  Start();
  auto form = std::make_unique<TForm>(nullptr);
  ShowPainted(form.get());
  for (auto _ : state) {
    form->Invalidate();
    Application->ProcessMessages();
    form->Update();
  }
}
BENCHMARK(BM_EmptyFormRepaint)->Unit(benchmark::kMicrosecond);

void BM_MemoryReadoutUpdate(benchmark::State& state) {
  Start();
  auto form = std::make_unique<TMainForm>(nullptr);
  ShowPainted(form.get());
  for (auto _ : state) {
    form->SmartTimerTimerEvent(nullptr, false);
    Application->ProcessMessages();
    form->Update();
  }
}
BENCHMARK(BM_MemoryReadoutUpdate)->Unit(benchmark::kMicrosecond);

double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The share of one core the process takes while the form is shown and the event loop waits for
// what comes, over a fixed span (x_core: CPU seconds per second).
void MeasureIdle(benchmark::State& state, TForm* form) {
  ShowPainted(form);
  bool over = false;
  TTimer end(nullptr);
  end.OnTimer = [&over](TObject*) { over = true; };
  for (auto _ : state) {
    // The first second settles what showing the form started.
    for (const unsigned span : {1000u, 4000u}) {
      over = false;
      const double cpu = ProcessCpuSeconds();
      const auto wall = std::chrono::steady_clock::now();
      end.SetInterval(span);
      end.SetEnabled(true);
      while (!over) Application->HandleMessage();
      end.SetEnabled(false);
      state.counters["x_core"] =
          (ProcessCpuSeconds() - cpu) /
          std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();
    }
  }
}

void BM_EmptyFormIdle(benchmark::State& state) {
  Start();
  auto form = std::make_unique<TForm>(nullptr);
  MeasureIdle(state, form.get());
}
BENCHMARK(BM_EmptyFormIdle)->Iterations(1)->Unit(benchmark::kSecond);

void BM_MainFormIdle(benchmark::State& state) {
  Start();
  auto form = std::make_unique<TMainForm>(nullptr);
  MeasureIdle(state, form.get());
}
BENCHMARK(BM_MainFormIdle)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
