#pragma once
// What the logic display's benchmarks share: timing against a baseline and a shown form holding
// one display with random samples.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include "library/foundation/tickservice.h"
#include "median.h"
#include "platform/forms/forms.h"
#include "programs/logic/logic.h"

namespace logic_bench {

constexpr int kBufferBytes = 64000;

// One copy of the pixels of Area.
inline double CopySeconds(const TRect& Area) {
  const size_t bytes = size_t(Area.Width()) * Area.Height() * 4;
  std::vector<char> from(bytes, 1), to(bytes);
  return MedianSeconds(
      [&] {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
      },
      200);
}

// Runs Body once per iteration and reports its time as a multiple of Baseline seconds; returns
// the seconds per iteration.
inline double RunAgainst(benchmark::State& State, const char* Counter, double Baseline,
                         const std::function<void()>& Body) {
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : State) Body();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (State.iterations() == 0) return 0;
  State.counters[Counter] = seconds / State.iterations() / Baseline;
  return seconds / State.iterations();
}

// A shown form holding one logic display of Width x Height with random samples.
struct Stage {
  Stage(int Width, int Height, TLogSize Size) {
    Application->Initialize();
    TickServiceStartup();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, Width + 20, Height + 20);
    logic = new TLogic(form);
    logic->SetParent(form);
    logic->SetBounds(0, 0, Width, Height);
    logic->SetBufferSize(kBufferBytes);
    logic->SetLogSize(Size);
    std::mt19937 rng(7);
    for (int32_t i = 0; i < logic->BufferCount(); ++i) logic->WriteSample(i, rng());
    form->Show();
    Application->ProcessMessages();
    logic->Update();
  }
  ~Stage() {
    delete form;
    Application->ProcessMessages();
    TickServiceShutdown();
  }
  // Every channel of the sample size shown, with the whole buffer.
  void ShowWholeBuffer() {
    logic->SetChanFirst(0);
    logic->SetChanLast(logic->HighestChannel());
    logic->SetDispStartPos(0);
    logic->SetDispEndPos(logic->BufferCount() - 1);
  }
  // A 200-sample view of 16 channels, to step through.
  void ShowStepView() {
    logic->SetChanFirst(0);
    logic->SetChanLast(15);
    logic->SetDispEndPos(1200);
    logic->SetDispStartPos(1000);
  }
  // One single-sample step, alternating back and forth.
  void Step() {
    forward = !forward;
    if (forward)
      logic->StepForward();
    else
      logic->StepBack();
  }
  TForm* form = nullptr;
  TLogic* logic = nullptr;
  bool forward = false;
};

}  // namespace logic_bench
