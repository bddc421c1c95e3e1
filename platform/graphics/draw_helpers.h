#pragma once
// The class library's drawing helpers on top of TCanvas.

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };

// Draws `width` one-pixel rings inside r: top and left lines in top_color, right and bottom lines
// in bottom_color (so the top-right and bottom-left corners take bottom_color), and shrinks r by
// `width` on every side. The lines are solid and copied whatever the canvas's pen; the pen is
// left as it was.
void Frame3D(TCanvas* Canvas, TRect& R, TColor TopColor, TColor BottomColor, int Width);

// The standard push-button face, raised or pressed, in the button-face system colours. Returns
// the face's inner rectangle: (Left + 1, Top + 1, Right - 2, Bottom - 2), moved by (1, 1) when
// pressed.
TRect DrawButtonFace(TCanvas* Canvas, const TRect& Client, int BevelWidth, TButtonStyle Style,
                     bool IsRounded, bool IsDown, bool IsFocused);

// The embossed look of a disabled glyph: a bitmap of the glyph's size in clBtnFace where every
// black glyph pixel casts clBtnHighlight one pixel down-right and is itself clBtnShadow.
void CreateDisabledGlyph(const TBitmap* Glyph, TBitmap* Result);
