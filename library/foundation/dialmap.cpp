#include "library/foundation/dialmap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

int Scale(int64_t Units, int Pixels, int Extent, int Origin) {
  const int64_t p = Units * Pixels / Extent + Origin;
  return static_cast<int>(std::clamp<int64_t>(p, INT32_MIN, INT32_MAX));
}

}  // namespace

bool TDialMapping::Valid() const {
  return VirtExtent.cx != 0 && VirtExtent.cy != 0 && PixExtent.cx > 0 && PixExtent.cy > 0;
}

TPoint TDialMapping::MapPoint(int X, int Y) const {
  if (!Valid()) return PixOrigin;
  return {Scale(int64_t{X} - VirtOrigin.X, PixExtent.cx, VirtExtent.cx, PixOrigin.X),
          Scale(int64_t{Y} - VirtOrigin.Y, PixExtent.cy, VirtExtent.cy, PixOrigin.Y)};
}

TPoint TDialMapping::MapDistance(int X, int Y) const {
  if (!Valid()) return PixOrigin;
  return {Scale(std::llabs(int64_t{X} - VirtOrigin.X), PixExtent.cx, VirtExtent.cx, PixOrigin.X),
          Scale(std::llabs(int64_t{Y} - VirtOrigin.Y), PixExtent.cy, VirtExtent.cy, PixOrigin.Y)};
}
