// The logic display's costly paths, each reported beside a baseline measured in the same run:
// - the pattern search over 64000 samples that finds nothing, and loading a 64000-byte data
//   file, as multiples of one memchr over the 64000-byte buffer (x_memchr);
// - a full redraw with the whole buffer shown, and one single-sample scroll step, on a
//   1280 x 800 display, as multiples of one copy of the display area's pixels (x_copy), and of
//   the time a user may wait for them (5 ms for the worst redraw, 1 ms for a step: x_5ms,
//   x_1ms). Each includes the event pass that hands the pixels to the window. The program runs
//   with the allocator as any program has it: nothing here keeps freed memory warm.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "platform/forms/forms.h"
#include "programs/logic/logic.h"

namespace {

const int kSetPlatform = setenv("QT_QPA_PLATFORM", "offscreen", 0);
constexpr int kBufferBytes = 64000;

// Median seconds of one call of Body over several timed batches.
double MedianSeconds(const std::function<void()>& Body, int Rounds) {
  std::vector<double> batches;
  for (int b = 0; b < 7; ++b) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < Rounds; ++i) Body();
    batches.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / Rounds);
  }
  std::sort(batches.begin(), batches.end());
  return batches[batches.size() / 2];
}

double MemchrSeconds() {
  std::vector<unsigned char> buffer(kBufferBytes, 1);
  return MedianSeconds(
      [&] {
        benchmark::DoNotOptimize(std::memchr(buffer.data(), 0, buffer.size()));
        benchmark::ClobberMemory();
      },
      2000);
}

double CopySeconds(const TRect& Area) {
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
double RunAgainst(benchmark::State& State, const char* Counter, double Baseline,
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
  TForm* form = nullptr;
  TLogic* logic = nullptr;
};

void BM_Memchr(benchmark::State& state) {
  std::vector<unsigned char> buffer(kBufferBytes, 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::memchr(buffer.data(), 0, buffer.size()));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memchr)->UseRealTime();

void BM_PatternSearchNoMatch(benchmark::State& state) {
  Stage stage(400, 300, TLogSize::Size8);
  for (int32_t i = 0; i < stage.logic->BufferCount(); ++i) stage.logic->WriteSample(i, 0x55);
  stage.logic->SetMatchValue("11111111");
  const double baseline = MemchrSeconds();
  RunAgainst(state, "x_memchr", baseline,
             [&] { benchmark::DoNotOptimize(stage.logic->NextMatch()); });
}
BENCHMARK(BM_PatternSearchNoMatch)->UseRealTime();

void BM_LoadFile(benchmark::State& state) {
  Stage stage(400, 300, TLogSize::Size8);
  const std::string file =
      (std::filesystem::temp_directory_path() / ("logicbench-" + std::to_string(getpid()) + ".psr"))
          .string();
  stage.logic->SaveToFile(file);
  const double baseline = MemchrSeconds();
  RunAgainst(state, "x_memchr", baseline,
             [&] { benchmark::DoNotOptimize(stage.logic->LoadFromFile(file)); });
  std::filesystem::remove(file);
}
BENCHMARK(BM_LoadFile)->UseRealTime();

// The whole buffer on a 1280 x 800 display: every channel of the sample size shown.
void BM_FullRedraw(benchmark::State& state) {
  const auto size = static_cast<TLogSize>(state.range(0));
  Stage stage(1280, 800, size);
  TLogic& l = *stage.logic;
  l.SetChanFirst(0);
  l.SetChanLast(l.HighestChannel());
  l.SetDispStartPos(0);
  l.SetDispEndPos(l.BufferCount() - 1);
  const double baseline = CopySeconds(l.GetDisplayRect());
  const double seconds = RunAgainst(state, "x_copy", baseline, [&] {
    l.RefreshDisplay();
    Application->ProcessMessages();
  });
  state.counters["x_5ms"] = seconds / 5e-3;
  state.SetLabel(std::to_string(l.BufferCount()) + " x " + std::to_string(l.HighestChannel() + 1));
}
BENCHMARK(BM_FullRedraw)->Arg(0)->Arg(1)->Arg(2)->UseRealTime();

// One single-sample step of a 200-sample view of 16 channels, alternating back and forth.
void BM_ScrollStep(benchmark::State& state) {
  Stage stage(1280, 800, TLogSize::Size16);
  TLogic& l = *stage.logic;
  l.SetChanFirst(0);
  l.SetChanLast(15);
  l.SetDispEndPos(1200);
  l.SetDispStartPos(1000);
  const double baseline = CopySeconds(l.GetDisplayRect());
  bool forward = false;
  const double seconds = RunAgainst(state, "x_copy", baseline, [&] {
    forward = !forward;
    if (forward)
      l.StepForward();
    else
      l.StepBack();
    Application->ProcessMessages();
  });
  state.counters["x_1ms"] = seconds / 1e-3;
}
BENCHMARK(BM_ScrollStep)->UseRealTime();

}  // namespace
