// The curve component at 800 x 600: a full paint and one drag step (mouse move, point setter,
// plot redraw, copy to the control's image), each beside a plain pixel copy of the plot measured
// in the same run (x_plotcopy: time per iteration / one copy of the plot bitmap onto the control)
// and as a share of a 16 ms frame (frame_share).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "library/foundation/tickservice.h"
#include "platform/forms/forms.h"
#include "programs/curves/curvesynth.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr double kFrameSeconds = 0.016;

struct Stage {
  Stage() {
    Application->Initialize();
    TickServiceStartup();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, kWidth + 20, kHeight + 20);
    curve = new TCurveSynth(form);
    curve->SetParent(form);
    curve->SetBounds(10, 10, kWidth, kHeight);
    for (int c = 1; c <= 4; ++c) curve->SetChanCurvPts(c, 30);
    form->Show();
    Application->ProcessMessages();
    curve->Update();
    curve->GetPlotRect(plot);
  }
  ~Stage() {
    delete form;
    Application->ProcessMessages();
    TickServiceShutdown();
  }
  // One copy of the plot's pixels onto the control, as every redraw ends.
  void CopyPlot() const {
    const TBitmap* b = curve->PlotBitmap();
    curve->Canvas()->CopyRect(plot, b->Canvas(), Rect(0, 0, b->Width(), b->Height()));
  }
  TForm* form = nullptr;
  TCurveSynth* curve = nullptr;
  TRect plot;
};

// Seconds of one plot copy, the median of several timed batches.
double PlotCopySeconds(const Stage& stage) {
  std::vector<double> batches;
  constexpr int kRounds = 100;
  for (int b = 0; b < 7; ++b) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) stage.CopyPlot();
    batches.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kRounds);
  }
  std::sort(batches.begin(), batches.end());
  return batches[batches.size() / 2];
}

template <class F>
void Run(benchmark::State& state, const Stage& stage, F&& body) {
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) body();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (state.iterations() == 0) return;
  const double each = seconds / state.iterations();
  state.counters["x_plotcopy"] = each / PlotCopySeconds(stage);
  state.counters["frame_share"] = each / kFrameSeconds;
}

void BM_PlotCopy(benchmark::State& state) {
  Stage stage;
  Run(state, stage, [&] { stage.CopyPlot(); });
}
BENCHMARK(BM_PlotCopy)->UseRealTime();

void BM_FullPaint(benchmark::State& state) {
  Stage stage;
  Run(state, stage, [&] {
    stage.curve->Invalidate();
    stage.curve->Update();
  });
}
BENCHMARK(BM_FullPaint)->UseRealTime();

void BM_DragStep(benchmark::State& state) {
  Stage stage;
  TCurveSynth& curve = *stage.curve;
  curve.SetMouseFunct(TMouseFunc::mfDragPts);
  double x, y;
  curve.GetChan3Point(2, x, y);
  const TPoint p = curve.ValueToPixel(x, y);
  const int px = p.X + stage.plot.Left, py = p.Y + stage.plot.Top;
  curve.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLong(px, py));
  bool away = false;
  Run(state, stage, [&] {
    away = !away;
    curve.Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLong(px + (away ? 5 : 0), py + (away ? 3 : 0)));
  });
  if (curve.DraggedChannel() != 3) state.SkipWithError("no point was dragged");
  curve.Perform(WM_LBUTTONUP, 0, MakeLong(px, py));
}
BENCHMARK(BM_DragStep)->UseRealTime();

}  // namespace
