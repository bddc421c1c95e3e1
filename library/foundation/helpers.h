#pragma once
// Small stateless routines the library's components share: position-text items, wrapping and
// font fitting of captions, degree geometry and logarithmic-scale steps.
//
// Angles are in degrees on the screen (y grows downward), so a positive angle turns clockwise.
// The constants keep the few digits the components were tuned with (pi/180 as 0.01745329252,
// log10(e) as 0.4342944, ln 10 as 2.302585): Log10Safe(1000) is slightly below 3.

#include <cstdint>
#include <string>

#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"

class TCanvas;
class TFont;

// Position-text items: up to three fields separated by '|': text, an integer or a colour, a float.
// A missing field or one that does not convert reads as 0.
std::string PosItemText(const std::string& Item);
int32_t PosItemInteger(const std::string& Item);
TColor PosItemColor(const std::string& Item);
// The float field is read with the process-wide DecimalSeparator; the other of '.' and ',' is
// accepted once in its place.
double PosItemFloat(const std::string& Item);

// Removes leading and trailing blanks (spaces only) from Text and returns the result.
std::string TrimBlanks(std::string& Text);

// Breaks Text (at most 255 characters are used) into lines joined by #13 so that each fits Width
// in the canvas's font; '|' forces a break. Lines end after the last separator before the width
// is reached; a word wider than Width is cut. Returns the number of lines.
int WrapTextToWidth(TCanvas& Canvas, int Width, std::string& Text);

// Steps Canvas.Font.Size (within 1..kMaxFitFontSize) until Text just fits R; an empty Text gets
// size 10.
constexpr int kMaxFitFontSize = 1000;
void FitFontToRect(TCanvas& Canvas, const TRect& R, const std::string& Text);

// The maker mark (kMakerMark) in grey 9-pixel Arial: its width, and the mark drawn transparent
// with its top left at (X, Y). The canvas keeps its font and brush.
int MakerMarkWidth(TCanvas& Canvas);
void DrawMakerMark(TCanvas& Canvas, int X, int Y);

// The inset of a caption or edit field inside a frame's inner rectangle Inner on a control of
// Width x Height: Round(0.04 x the inner height) when the control is wider than high, else
// Round(0.04 x the inner width).
int FieldInset(const TRect& Inner, int Width, int Height);

// Geometry.
struct TFloatPoint {
  double X = 0;
  double Y = 0;
  bool operator==(const TFloatPoint&) const = default;
};

double SinDeg(double A);
// P turned about C by A degrees, rounded half to even; A = 0 returns P unchanged.
TPoint RotatePoint(TPoint C, TPoint P, double A);
// One turn about C by A degrees for several points: the sine and cosine are worked out once, and
// each point comes out exactly as RotatePoint(C, P, A) gives it.
class TPointTurn {
 public:
  TPointTurn(TPoint C, double A);
  TPoint operator()(TPoint P) const;

 private:
  TPoint FCentre;
  long double FSin = 0;
  long double FCos = 1;
  bool FNone;
};
TFloatPoint RotatePointF(TFloatPoint C, TFloatPoint P, double A);
// Direction of the vector (A, B) in [0, 360), from the A axis towards the B axis.
double VectorAngleDeg(double A, double B);
// True when P lies strictly within R of C.
bool PointInRadius(TPoint P, int R, TPoint C);
// The rectangle with the corners A and B, in any order.
TRect Box(TPoint A, TPoint B);
// V held to -2^30..2^30, so that sums and differences of two such values stay in range.
int ToInt(int64_t Value);

// Logarithmic scales.
// The power of ten at or below X, limited to 0.001 .. 100000.
double DecadeStep(double X);
// Decimal logarithm; 0 for X <= 0.
double Log10Safe(double X);
double PowerOfTen(double X);
// Decimals a scale label of X shows (0..3); every negative non-integral X gives 3.
int DecimalsFor(double X);
// The wider of the two values as scale labels, in the canvas's font.
int ScaleTextWidth(TCanvas& Canvas, double V1, double V2);
// Draws "10" at (X, Y) with the decimal exponent of Value raised and in a smaller font; the
// canvas font's size is set back afterwards.
void DrawPowerOfTen(int X, int Y, TCanvas& Canvas, double Value);
// The width DrawPowerOfTen takes for Value.
int PowerOfTenWidth(TCanvas& Canvas, double Value);
// Gives Font the height DrawPowerOfTen leaves it at: its size set back, which can move the height
// by a pixel.
void SetFontAfterPowerOfTen(TFont& Font);
