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

// The maker word in 9-pixel grey letters, transparent, with its top-left (or, with AlignRight,
// its top-right) at At. The canvas font and brush are left as they were.
void DrawMakerMark(TCanvas& C, TPoint At, bool AlignRight);
