#pragma once
// The pictures of the demo's main-form buttons and its icon, drawn with our canvas. The bottom-left
// pixel of a glyph has the transparent colour, as speed buttons take it.

#include <string>

class TBitmap;

constexpr int kGlyphSize = 24;
constexpr int kIconSize = 32;

// Draws the glyph of the main-form button Name; false for a name without a glyph.
bool DrawGlyph(const std::string& Name, TBitmap* Bitmap);
// Draws the program icon.
void DrawIcon(TBitmap* Bitmap);
