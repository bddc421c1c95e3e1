// The logic display's costly paths, each reported beside a baseline measured in the same run:
// - the pattern search over 64000 samples that finds nothing, and loading a 64000-byte data
//   file, as multiples of one memchr over the 64000-byte buffer (x_memchr);
// - a full redraw with the whole buffer shown, and one single-sample scroll step, on a
//   1280 x 800 display, as multiples of one copy of the display area's pixels (x_copy), and of
//   the time a user may wait for them (5 ms for the worst redraw, 1 ms for a step: x_5ms,
//   x_1ms). Each includes the event pass that hands the pixels to the window, here an offscreen
//   one; logic_xbench.cpp measures the same through an X server. The program runs with the
//   allocator as any program has it: nothing here keeps freed memory warm.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "logic_stage.h"

namespace {

using logic_bench::CopySeconds;
using logic_bench::kBufferBytes;
using logic_bench::MedianSeconds;
using logic_bench::RunAgainst;
using logic_bench::Stage;

const int kSetPlatform = setenv("QT_QPA_PLATFORM", "offscreen", 0);

double MemchrSeconds() {
  std::vector<unsigned char> buffer(kBufferBytes, 1);
  return MedianSeconds(
      [&] {
        benchmark::DoNotOptimize(std::memchr(buffer.data(), 0, buffer.size()));
        benchmark::ClobberMemory();
      },
      2000);
}

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
  stage.ShowWholeBuffer();
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
  stage.ShowStepView();
  const double baseline = CopySeconds(stage.logic->GetDisplayRect());
  const double seconds = RunAgainst(state, "x_copy", baseline, [&] {
    stage.Step();
    Application->ProcessMessages();
  });
  state.counters["x_1ms"] = seconds / 1e-3;
}
BENCHMARK(BM_ScrollStep)->UseRealTime();

}  // namespace
