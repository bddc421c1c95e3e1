#pragma once
// The logical plane of the round meters: dial units with the pointer's pivot at (0, 0), fitted to
// the face at every paint by an integer mapping, so a dial scales with its control.

#include "platform/graphics/geometry.h"

struct TDialMapping {
  TPoint PixOrigin;   // pixel of VirtOrigin
  TSize PixExtent;    // pixels covered by VirtExtent
  TPoint VirtOrigin;  // dial point at PixOrigin
  TSize VirtExtent;   // dial units over PixExtent; a negative component mirrors that axis

  bool operator==(const TDialMapping&) const = default;

  // False while an extent is zero (a control too small for its face): nothing may be laid out.
  bool Valid() const;

  // Dial point to pixel: (x - VirtOrigin.x) * PixExtent.cx div VirtExtent.cx + PixOrigin.x, and
  // the same for y; products in 64 bits, divisions truncating. PixOrigin while not Valid.
  TPoint MapPoint(int X, int Y) const;

  // The variant that measures distances from VirtOrigin (both axes counted as positive), used
  // by the dials laid out in a square round their pivot.
  TPoint MapDistance(int X, int Y) const;
};
