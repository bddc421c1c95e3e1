// Curve files: every input is either taken whole or refused with the channels untouched, and
// what is taken is written back to the same points.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "programs/curves/curvefile.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

bool SamePoints(const TCurveChannels& a, const TCurveChannels& b) {
  for (int c = 1; c <= kCurveChannels; ++c) {
    if (a[c].Count != b[c].Count) return false;
    for (int i = 1; i <= kMaxCurvePoints; ++i) {
      double ax, ay, bx, by;
      a.GetPoint(c, i, ax, ay);
      b.GetPoint(c, i, bx, by);
      if (std::memcmp(&ax, &bx, sizeof ax) != 0 || std::memcmp(&ay, &by, sizeof ay) != 0) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TCurveFileContent content;
  if (!ReadCurveFile(bytes, content)) return 0;

  for (int c = 0; c < kCurveChannels; ++c) {
    Check(content.Counts[c] <= kMaxCurvePoints);
    Check(content.Points[c].size() == size_t(content.Counts[c] > 0 ? content.Counts[c] : 0));
    for (const TCurvePoint& p : content.Points[c]) Check(std::isfinite(p.X) && std::isfinite(p.Y));
  }

  // Applied once raw and once with every ascending switch on; the raw one writes back to itself.
  TCurveChannels raw;
  ApplyCurveFile(content, raw, 100.0 / 30);
  TCurveChannels ascending;
  for (int c = 1; c <= kCurveChannels; ++c) ascending[c].XSucc = true;
  ApplyCurveFile(content, ascending, 100.0 / 30);

  TCurveFileContent again;
  Check(ReadCurveFile(WriteCurveFile(raw), again));
  TCurveChannels reloaded;
  ApplyCurveFile(again, reloaded, 100.0 / 30);
  Check(SamePoints(raw, reloaded));
  return 0;
}
