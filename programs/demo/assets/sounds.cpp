#include "programs/demo/assets/sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>

namespace {

// One piece of a sound: a tone gliding from one frequency to another (0: silence), or noise.
struct Note {
  double from;  // Hz
  double to;    // Hz
  int ms;
  bool noise = false;
};

using Score = std::vector<Note>;

const std::map<std::string, Score>& Scores() {
  static const std::map<std::string, Score> kScores = {
      {"dog1.wav", {{0, 0, 30, true}, {520, 380, 140}, {0, 0, 90}, {560, 400, 160}}},
      {"rooster.wav",
       {{500, 900, 120}, {900, 900, 80}, {900, 1200, 200}, {1200, 1000, 300}, {1000, 600, 250}}},
      {"tataa.wav", {{523, 523, 150}, {0, 0, 40}, {784, 784, 450}}},
      {"Demo.wav", {{660, 660, 120}, {880, 880, 120}, {990, 990, 200}}},
      {"Ende.wav", {{880, 880, 150}, {660, 660, 150}, {440, 440, 300}}},
      {"Start.wav", {{440, 880, 250}, {880, 880, 100}}},
      {"Stop.wav", {{880, 440, 250}, {440, 440, 100}}},
      {"Achtng.wav", {{1000, 1000, 150}, {0, 0, 80}, {1000, 1000, 150}, {0, 0, 80}}},
      {"Alarm.wav", {{600, 1200, 300}, {1200, 600, 300}, {600, 1200, 300}}},
      {"Heiss.wav", {{0, 0, 400, true}, {1500, 1500, 150}}},
      {"Kalt.wav", {{300, 300, 200}, {250, 250, 300}}},
      {"Offen.wav", {{440, 660, 180}, {660, 660, 180}}},
      {"Fuell.wav", {{200, 800, 500}}},
  };
  return kScores;
}

}  // namespace

const std::vector<std::string>& SoundNames() {
  static const std::vector<std::string> kNames = [] {
    std::vector<std::string> n;
    for (const auto& [name, score] : Scores()) n.push_back(name);
    return n;
  }();
  return kNames;
}

std::vector<int16_t> SynthesiseSound(const std::string& Name) {
  auto it = Scores().find(Name);
  if (it == Scores().end()) return {};
  std::vector<int16_t> samples;
  double phase = 0;
  uint32_t noise = 12345;  // a fixed seed: the same file at every build
  for (const Note& note : it->second) {
    const int count = int(kSoundRate * note.ms / 1000);
    const int fade = std::min(count / 4, int(kSoundRate / 200));  // 5 ms, no clicks
    for (int i = 0; i < count; ++i) {
      const double t = double(i) / count;
      const double envelope =
          std::min({1.0, double(i) / std::max(fade, 1), double(count - i) / std::max(fade, 1)});
      double v = 0;
      if (note.noise) {
        noise = noise * 1103515245u + 12345u;
        v = double(int(noise >> 16 & 0x7FFF) - 0x4000) / 0x4000;
      } else if (note.from > 0) {
        phase += 2 * std::numbers::pi * (note.from + (note.to - note.from) * t) / kSoundRate;
        v = std::sin(phase);
      }
      samples.push_back(int16_t(std::lround(v * envelope * 12000)));
    }
  }
  return samples;
}
