#pragma once
// Drawing pieces the unit's displays share (internal to the unit).

#include "library/foundation/ledcolors.h"
#include "library/foundation/types.h"
#include "platform/graphics/canvas.h"

// An unlit LED or symbol, by the library's LED colour rule.
constexpr TColor DimColour(TColor C) { return LedDimmed(C); }

// The plate under the digits: white outline, filled with Back; a silver plate is not drawn (the
// frame's background shows instead). Corner is the corner ellipse of the rounded shape. The pen
// and brush are left as they were.
void DrawPlate(TCanvas& C, const TRect& R, TmShapeType Shape, int Corner, TColor Back);
