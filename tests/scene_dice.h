#pragma once
// What the pixel-fingerprint tests share: a small deterministic generator, so that scenes never
// depend on the library's random numbers, and a hash of the pixels (and changed areas) a scene
// leaves, compared with the value recorded from known-good output.

#include <cstdint>

namespace scene {

class Dice {
 public:
  explicit Dice(uint32_t seed) : FState(seed * 2654435761u + 1) {}
  uint32_t Next() {
    FState ^= FState << 13;
    FState ^= FState >> 17;
    FState ^= FState << 5;
    return FState;
  }
  int In(int lo, int hi) {
    return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1));
  }
  bool OneIn(int n) { return In(1, n) == 1; }
  double Value(double lo, double hi) { return lo + (hi - lo) * In(0, 1000) / 1000.0; }

 private:
  uint32_t FState;
};

// FNV-1a over the bytes of each value added.
class Fingerprint {
 public:
  void Add(uint32_t v) {
    for (int i = 0; i < 4; ++i) {
      FHash ^= (v >> (8 * i)) & 0xFF;
      FHash *= 0x100000001b3ULL;
    }
  }
  uint64_t Value() const { return FHash; }

 private:
  uint64_t FHash = 0xcbf29ce484222325ULL;
};

}  // namespace scene
