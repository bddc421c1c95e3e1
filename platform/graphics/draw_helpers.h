#pragma once
// The class library's drawing helpers on top of TCanvas.

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };

// Draws `width` one-pixel rings inside r: top and left lines in topColor, right and bottom lines
// in bottomColor (so the top-right and bottom-left corners take bottomColor), and shrinks r by
// `width` on every side. Leaves the pen at width 1 in bottomColor.
void Frame3D(TCanvas* canvas, TRect& r, TColor topColor, TColor bottomColor, int width);

// The standard push-button face, raised or pressed, in the button-face system colours. Returns
// the face's inner rectangle: (Left + 1, Top + 1, Right - 2, Bottom - 2), moved by (1, 1) when
// pressed.
TRect DrawButtonFace(TCanvas* canvas, const TRect& client, int bevelWidth, TButtonStyle style,
                     bool isRounded, bool isDown, bool isFocused);

// The embossed look of a disabled glyph: a bitmap of the glyph's size in clBtnFace where every
// black glyph pixel casts clBtnHighlight one pixel down-right and is itself clBtnShadow.
void CreateDisabledGlyph(const TBitmap* glyph, TBitmap* result);
