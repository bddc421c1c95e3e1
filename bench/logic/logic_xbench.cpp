// The logic display's worst full redraw and its scroll step through a real X server: each pass
// ends only once the server has drawn the pixels the event pass handed it (a round trip on the
// connection the window's pixels went through). The same measures as in logic_bench.cpp, against
// the time a user may wait (x_5ms, x_1ms) and one copy of the display area's pixels (x_copy); the
// step also beside what the server alone costs to take a whole picture of the display's size
// through shared memory into a window (put_x_1ms), the floor of any step that repaints it all.
// Runs on the display DISPLAY names (scripts/bench-table.py starts one with tests/x_session.sh).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "logic_stage.h"
#include "xserver.h"

namespace {

using logic_bench::CopySeconds;
using logic_bench::RunAgainst;
using logic_bench::Stage;

constexpr int kWidth = 1280, kHeight = 800;

// Lets the form's window come up and take its first picture.
void Settle() {
  for (int i = 0; i < 20; ++i) {
    Application->ProcessMessages();
    AwaitServer();
  }
}

void BM_FullRedrawThroughX(benchmark::State& state) {
  Stage stage(kWidth, kHeight, static_cast<TLogSize>(state.range(0)));
  TLogic& l = *stage.logic;
  stage.ShowWholeBuffer();
  Settle();
  const double baseline = CopySeconds(l.GetDisplayRect());
  const double seconds = RunAgainst(state, "x_copy", baseline, [&] {
    l.RefreshDisplay();
    Application->ProcessMessages();
    AwaitServer();
  });
  state.counters["x_5ms"] = seconds / 5e-3;
  state.SetLabel(std::to_string(l.BufferCount()) + " x " + std::to_string(l.HighestChannel() + 1));
}
BENCHMARK(BM_FullRedrawThroughX)->Arg(0)->Arg(1)->Arg(2)->UseRealTime();

void BM_ScrollStepThroughX(benchmark::State& state) {
  Stage stage(kWidth, kHeight, TLogSize::Size16);
  stage.ShowStepView();
  Settle();
  const double baseline = CopySeconds(stage.logic->GetDisplayRect());
  const double seconds = RunAgainst(state, "x_copy", baseline, [&] {
    stage.Step();
    Application->ProcessMessages();
    AwaitServer();
  });
  state.counters["x_1ms"] = seconds / 1e-3;
  const TRect area = stage.logic->GetDisplayRect();
  state.counters["put_x_1ms"] = SharedPutSeconds(area.Width(), area.Height()) / 1e-3;
}
BENCHMARK(BM_ScrollStepThroughX)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') {
    std::fprintf(stderr, "%s needs an X display (tests/x_session.sh starts one)\n", argv[0]);
    return 2;
  }
  // The pixels have to go through the X server, whatever the environment asks for.
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
