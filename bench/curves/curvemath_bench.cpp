// Recomputing the curves of all four channels with 30 control points each, as after a change
// that marks every channel.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "programs/curves/curvemath.h"

namespace {

using Channel = std::array<TCurvePoint, 100>;

std::array<Channel, 4> MakeChannels() {
  std::array<Channel, 4> ch{};
  for (int c = 0; c < 4; ++c) {
    for (int i = 0; i < 30; ++i) {
      ch[c][i].X = i * 200.0 / 29;
      ch[c][i].Y = 40 * std::sin(0.3 * i + c) + 10 * c;
    }
  }
  return ch;
}

void BM_FourChannelSpline(benchmark::State& state) {
  const auto channels = MakeChannels();
  Channel out{};
  for (auto _ : state) {
    for (const auto& points : channels) {
      SplineCurve(points, 1, 30, 64, out);
      benchmark::DoNotOptimize(out);
    }
  }
}
BENCHMARK(BM_FourChannelSpline);

void BM_FourChannelBezier(benchmark::State& state) {
  const auto channels = MakeChannels();
  Channel out{};
  for (auto _ : state) {
    for (const auto& points : channels) {
      BezierCurve(points, 30, 40, out);
      benchmark::DoNotOptimize(out);
    }
  }
}
BENCHMARK(BM_FourChannelBezier);

}  // namespace
