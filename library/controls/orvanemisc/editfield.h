#pragma once
// Pieces the one-line edit fields share (internal to the unit): where the field lies in the
// frame, its one-pixel 3D frame, and the caret, an inverted character cell.

#include "library/foundation/frame.h"
#include "platform/graphics/canvas.h"

// The frame's inner rectangle shrunk by 4 % of its height (of its width when the control is not
// wider than high); a silver field fills the whole inner area.
TRect EditFieldRect(const TRect& Inner, int Width, int Height, TColor ColTxtBack);

// A one-pixel 3D frame just inside R, which then shrinks by 1. Its colours darken on a white
// field.
void DrawEditFieldBevel(TCanvas& C, TRect& R, TPanelBevel Bevel, TColor ColTxtBack);

// Inverts every pixel of R, whatever its colours (drawing it twice restores it).
void InvertCell(TCanvas& C, const TRect& R);
