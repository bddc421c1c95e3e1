// The demo's main form: from its making to its first painted screen, and one update of its
// memory readout; each beside the same for an empty form of the same size.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "library/foundation/tickservice.h"
#include "platform/forms/forms.h"
#include "programs/demo/mainform.h"
#include "programs/demo/startup.h"

namespace {

const int kSetPlatform = setenv("QT_QPA_PLATFORM", "offscreen", 0);

void Start() {
  static const bool started = [] {
    Application->Initialize();
    StartDemoUnits();
    return true;
  }();
  (void)started;
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

}  // namespace
