#pragma once
// The timing every logic benchmark takes its baselines with, free of the library's headers so
// that the X server's side (xserver.cpp) can use it beside Xlib's.

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace logic_bench {

// Median seconds of one call of Body over several timed batches.
inline double MedianSeconds(const std::function<void()>& Body, int Rounds) {
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

}  // namespace logic_bench
