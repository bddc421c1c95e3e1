#include "programs/demo/assets/glyphs.h"

#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace {

// The transparent colour around every glyph.
constexpr TColor kKey = 0x008080;
constexpr TColor kBlack = 0x000000, kWhite = 0xFFFFFF, kGrey = 0x808080, kSilver = 0xC0C0C0;
constexpr TColor kRed = 0x0000FF, kGreen = 0x00C000, kLime = 0x00FF00, kBlue = 0xFF0000;
constexpr TColor kNavy = 0x800000, kYellow = 0x00FFFF, kMaroon = 0x000080, kAqua = 0xFFFF00;
constexpr TColor kDark = 0x404040;

struct Pen {
  TCanvas* c;
  void Line(int X1, int Y1, int X2, int Y2, TColor Color, int Width = 1) {
    c->Pen()->SetColor(Color);
    c->Pen()->SetWidth(Width);
    c->MoveTo(X1, Y1);
    c->LineTo(X2, Y2);
    c->Pen()->SetWidth(1);
  }
  void Box(int L, int T, int R, int B, TColor Fill, TColor Frame = kBlack) {
    c->Pen()->SetColor(Frame);
    c->Brush()->SetColor(Fill);
    c->Rectangle(L, T, R, B);
  }
  void Fill(int L, int T, int R, int B, TColor Fill) {
    c->Brush()->SetColor(Fill);
    c->FillRect(Rect(L, T, R, B));
  }
  void Circle(int L, int T, int R, int B, TColor Fill, TColor Frame = kBlack) {
    c->Pen()->SetColor(Frame);
    c->Brush()->SetColor(Fill);
    c->Ellipse(L, T, R, B);
  }
  // A raised (or sunken) 3D frame.
  void Bevel(int L, int T, int R, int B, bool Raised) {
    Line(L, B - 1, L, T, Raised ? kWhite : kGrey);
    Line(L, T, R - 1, T, Raised ? kWhite : kGrey);
    Line(R - 1, T, R - 1, B - 1, Raised ? kGrey : kWhite);
    Line(R - 1, B - 1, L - 1, B - 1, Raised ? kGrey : kWhite);
  }
  // A needle from (cx, cy) at angle degrees (0 = right, counter-clockwise), length len.
  void Needle(int Cx, int Cy, double Degrees, double Len, TColor Color, int Width = 1) {
    const double a = Degrees * std::numbers::pi / 180;
    Line(Cx, Cy, Cx + int(std::lround(Len * std::cos(a))), Cy - int(std::lround(Len * std::sin(a))),
         Color, Width);
  }
  // An arc of the circle around (cx, cy) from degrees a0 counter-clockwise to a1.
  void ArcDeg(int Cx, int Cy, int R, double A0, double A1, TColor Color) {
    auto px = [&](double d) {
      return Cx + int(std::lround(100 * std::cos(d * std::numbers::pi / 180)));
    };
    auto py = [&](double d) {
      return Cy - int(std::lround(100 * std::sin(d * std::numbers::pi / 180)));
    };
    c->Pen()->SetColor(Color);
    c->Arc(Cx - R, Cy - R, Cx + R + 1, Cy + R + 1, px(A0), py(A0), px(A1), py(A1));
  }
  void Poly(std::vector<TPoint> Points, TColor Fill, TColor Frame = kBlack) {
    c->Pen()->SetColor(Frame);
    c->Brush()->SetColor(Fill);
    c->Polygon(Points);
  }
  void Text(int X, int Y, const std::string& Text, TColor Color, int Height, bool Bold = false,
            int Orientation = 0) {
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetName("Arial");
    c->Font()->SetHeight(-Height);
    c->Font()->SetColor(Color);
    c->Font()->SetStyle(Bold ? TFontStyles{fsBold} : TFontStyles{});
    c->Font()->SetOrientation(Orientation);
    c->TextOut(X, Y, Text);
    c->Font()->SetOrientation(0);
    c->Brush()->SetStyle(bsSolid);
  }
  // One seven-segment digit of the segments "abcdefg" that are lit, in a w x h cell.
  void Segments(int X, int Y, int W, int H, const std::string& Lit, TColor On) {
    const int m = H / 2;
    auto seg = [&](char s, int x1, int y1, int x2, int y2) {
      if (Lit.find(s) != std::string::npos) Line(x1, y1, x2, y2, On, 2);
    };
    seg('a', X + 1, Y, X + W - 1, Y);
    seg('b', X + W, Y + 1, X + W, Y + m - 1);
    seg('c', X + W, Y + m + 1, X + W, Y + H - 1);
    seg('d', X + 1, Y + H, X + W - 1, Y + H);
    seg('e', X, Y + m + 1, X, Y + H - 1);
    seg('f', X, Y + 1, X, Y + m - 1);
    seg('g', X + 1, Y + m, X + W - 1, Y + m);
  }
  void ArrowLeft(int X, int Y, int S, TColor Fill) {
    Poly({{X, Y}, {X + S, Y - S}, {X + S, Y + S}}, Fill);
  }
  void ArrowRight(int X, int Y, int S, TColor Fill) {
    Poly({{X, Y}, {X - S, Y - S}, {X - S, Y + S}}, Fill);
  }
  void ArrowUp(int X, int Y, int S, TColor Fill) {
    Poly({{X, Y}, {X - S, Y + S}, {X + S, Y + S}}, Fill);
  }
  void ArrowDown(int X, int Y, int S, TColor Fill) {
    Poly({{X, Y}, {X - S, Y - S}, {X + S, Y - S}}, Fill);
  }
};

using Drawer = std::function<void(Pen&)>;

// A round dial of the given sweep (degrees, symmetric about the top) with a needle.
void Dial(Pen& P, double Sweep, double Needle) {
  const double start = 90 + Sweep / 2;
  const double end = 90 - Sweep / 2;
  if (Sweep >= 360) {
    P.Circle(1, 1, 23, 23, kWhite);
  } else {
    P.Box(1, 3, 23, 22, kWhite);
  }
  const int cx = 12, cy = Sweep <= 180 ? 19 : 12;
  const int r = Sweep <= 180 ? 14 : 9;
  for (int i = 0; i <= 6; ++i) {
    const double a = start - (start - end) * i / 6;
    const double rad = a * std::numbers::pi / 180;
    P.Line(cx + int(std::lround(r * std::cos(rad))), cy - int(std::lround(r * std::sin(rad))),
           cx + int(std::lround((r - 3) * std::cos(rad))),
           cy - int(std::lround((r - 3) * std::sin(rad))), kBlack);
  }
  P.Needle(cx, cy, Needle, r - 1, kRed);
  P.Circle(cx - 2, cy - 2, cx + 3, cy + 3, kBlack);
}

const std::map<std::string, Drawer>& Drawers() {
  static const std::map<std::string, Drawer> kDrawers = {
      {"Bevel3DBtn",
       [](Pen& p) {
         p.Fill(1, 4, 23, 20, kSilver);
         p.Bevel(1, 4, 23, 20, true);
         p.Bevel(4, 7, 20, 17, false);
         p.Text(6, 6, "3D", kNavy, 10, true);
       }},
      {"LedCheckBtn",
       [](Pen& p) {
         p.Circle(2, 7, 12, 17, kRed);
         p.Line(4, 9, 6, 9, kWhite);
         p.Box(14, 7, 23, 16, kWhite);
         p.Line(15, 11, 17, 14, kBlack, 2);
         p.Line(17, 14, 22, 8, kBlack, 2);
       }},
      {"LedTastBtn",
       [](Pen& p) {
         p.Fill(1, 1, 23, 23, kSilver);
         p.Bevel(1, 1, 23, 23, true);
         p.Circle(4, 4, 12, 12, kLime);
         p.Box(14, 5, 21, 11, kRed);
         p.Text(5, 13, "ON", kBlack, 8, true);
       }},
      {"SchiebeSchBtn",
       [](Pen& p) {
         p.Fill(2, 8, 22, 16, kDark);
         p.Bevel(2, 8, 22, 16, false);
         p.Fill(12, 5, 21, 19, kSilver);
         p.Bevel(12, 5, 21, 19, true);
         p.Line(16, 7, 16, 17, kGrey);
       }},
      {"TasterBtn",
       [](Pen& p) {
         p.Fill(2, 2, 22, 22, kYellow);
         p.Bevel(2, 2, 22, 22, true);
         p.Line(6, 8, 18, 8, kMaroon, 2);
         p.Line(6, 12, 18, 12, kMaroon, 2);
         p.Line(6, 16, 14, 16, kMaroon, 2);
       }},
      {"TextSpinBtn",
       [](Pen& p) {
         p.Box(1, 6, 16, 18, kWhite);
         p.Text(2, 6, "Ab", kBlack, 10);
         p.Fill(16, 6, 23, 18, kSilver);
         p.ArrowUp(19, 7, 3, kBlack);
         p.ArrowDown(19, 17, 3, kBlack);
       }},
      {"SliderBtn",
       [](Pen& p) {
         p.Fill(10, 1, 14, 23, kDark);
         p.Fill(5, 12, 19, 18, kSilver);
         p.Bevel(5, 12, 19, 18, true);
         p.Line(6, 15, 18, 15, kRed);
       }},
      {"SchaltLinBtn",
       [](Pen& p) {
         for (int x = 3; x <= 21; x += 3) p.Line(x, 4, x, 8, kBlack);
         p.Fill(2, 12, 22, 15, kDark);
         p.Fill(8, 9, 14, 20, kSilver);
         p.Bevel(8, 9, 14, 20, true);
         p.Line(11, 10, 11, 19, kBlack);
       }},
      {"Schalt270Btn",
       [](Pen& p) {
         for (int i = 0; i <= 5; ++i) p.Needle(12, 12, 225 - i * 54, 11, kBlack);
         p.Circle(4, 4, 21, 21, kSilver);
         p.Needle(12, 12, 135, 7, kBlack, 2);
       }},
      {"PotiLinBtn",
       [](Pen& p) {
         for (int y = 2; y <= 22; y += 4) p.Line(2, y, 6, y, kBlack);
         p.Fill(12, 1, 15, 23, kDark);
         p.Fill(8, 8, 20, 14, kSilver);
         p.Bevel(8, 8, 20, 14, true);
         p.Line(9, 11, 19, 11, kBlack);
       }},
      {"Poti270Btn",
       [](Pen& p) {
         p.ArcDeg(12, 12, 11, 315, 225, kBlue);
         p.Circle(3, 3, 22, 22, kDark);
         p.Circle(6, 6, 19, 19, kSilver);
         p.Needle(12, 12, 60, 6, kRed, 2);
       }},
      {"Spin7sBtn",
       [](Pen& p) {
         p.Fill(5, 1, 19, 23, kBlack);
         p.Segments(8, 4, 8, 16, "abc", kRed);
         p.Fill(1, 1, 5, 23, kSilver);
         p.Fill(19, 1, 23, 23, kSilver);
         p.Line(1, 12, 4, 12, kBlack);
         p.Line(20, 12, 23, 12, kBlack);
       }},
      {"Disp7sBtn",
       [](Pen& p) {
         p.Fill(0, 3, 24, 21, kBlack);
         p.Segments(2, 5, 7, 14, "abcdefg", kRed);
         p.Segments(13, 5, 7, 14, "bcfg", kRed);
       }},
      {"MagicEyeBtn",
       [](Pen& p) {
         p.Circle(1, 1, 23, 23, kDark);
         p.Circle(3, 3, 21, 21, kLime, kGreen);
         p.c->Pen()->SetColor(kGreen);
         p.c->Brush()->SetColor(kBlack);
         p.c->Pie(3, 3, 21, 21, 18, 0, 6, 0);
         p.Circle(9, 9, 15, 15, kGreen);
       }},
      {"MeterHBtn",
       [](Pen& p) {
         p.Box(0, 5, 24, 19, kWhite);
         for (int x = 3; x <= 21; x += 3) p.Line(x, 7, x, x % 6 == 3 ? 11 : 9, kBlack);
         p.Fill(2, 14, 15, 17, kGreen);
         p.Fill(15, 14, 22, 17, kRed);
         p.Line(14, 6, 14, 14, kRed);
       }},
      {"MeterVBtn",
       [](Pen& p) {
         p.Box(6, 0, 18, 24, kWhite);
         for (int i = 0; i < 7; ++i) p.Fill(9, 20 - i * 3, 15, 22 - i * 3, i < 5 ? kLime : kRed);
       }},
      {"Meter120Btn", [](Pen& p) { Dial(p, 120, 70); }},
      {"Meter180Btn", [](Pen& p) { Dial(p, 180, 45); }},
      {"Meter270Btn", [](Pen& p) { Dial(p, 270, 150); }},
      {"Meter360Btn", [](Pen& p) { Dial(p, 360, 30); }},
      {"TextScrollBtn",
       [](Pen& p) {
         p.Box(1, 1, 23, 23, kWhite);
         for (int y = 5; y <= 19; y += 3) p.Line(3, y, 16, y, y == 11 ? kBlue : kBlack);
         p.Fill(18, 2, 22, 22, kSilver);
         p.Fill(18, 8, 22, 13, kGrey);
       }},
      {"SerieSpinBtn",
       [](Pen& p) {
         for (int i = 0; i < 3; ++i) {
           p.Box(1 + i * 7, 4, 9 + i * 7, 20, kWhite);
           p.Text(2 + i * 7, 6, std::string(1, char('1' + i)), kBlack, 10, true);
         }
       }},
      {"RotLabelBtn",
       [](Pen& p) {
         p.Text(2, 18, "Abc", kGrey, 10, true, 450);
         p.Text(1, 17, "Abc", kNavy, 10, true, 450);
       }},
      {"IniFileBtn",
       [](Pen& p) {
         p.Poly({{3, 1}, {16, 1}, {21, 6}, {21, 23}, {3, 23}}, kWhite);
         p.Line(6, 6, 14, 6, kBlue);
         p.Line(6, 10, 18, 10, kBlack);
         p.Line(6, 13, 16, 13, kBlack);
         p.Line(6, 17, 14, 17, kBlue);
         p.Line(6, 20, 18, 20, kBlack);
       }},
      {"KeyBrdBtn",
       [](Pen& p) {
         p.Fill(0, 5, 24, 20, kDark);
         for (int r = 0; r < 3; ++r) {
           for (int k = 0; k < 5; ++k)
             p.Fill(2 + k * 4 + (r % 2), 7 + r * 4, 5 + k * 4 + (r % 2), 10 + r * 4, kWhite);
         }
       }},
      {"FiFoBtn",
       [](Pen& p) {
         p.Box(1, 7, 23, 17, kWhite);
         for (int x = 6; x < 23; x += 5) p.Line(x, 7, x, 17, kBlack);
         p.Fill(2, 8, 6, 16, kYellow);
         p.ArrowRight(23, 21, 3, kRed);
         p.Line(1, 21, 20, 21, kRed);
       }},
      {"NumEditBtn",
       [](Pen& p) {
         p.Box(0, 5, 24, 19, kWhite);
         p.Text(2, 5, "123", kBlack, 11, true);
       }},
      {"JoyStickBtn",
       [](Pen& p) {
         p.Circle(2, 14, 22, 23, kDark);
         p.Line(12, 18, 16, 5, kBlack, 3);
         p.Circle(12, 1, 20, 9, kRed);
       }},
      {"LeftRightBtn",
       [](Pen& p) {
         p.ArrowLeft(1, 12, 7, kNavy);
         p.ArrowRight(22, 12, 7, kNavy);
       }},
      {"UpDownBtn",
       [](Pen& p) {
         p.ArrowUp(12, 1, 7, kNavy);
         p.ArrowDown(12, 22, 7, kNavy);
       }},
      {"GaugeBtn",
       [](Pen& p) {
         p.Box(1, 6, 23, 18, kWhite);
         p.Fill(2, 7, 15, 17, kBlue);
         p.Text(7, 6, "%", kBlack, 10, true);
       }},
      {"GlyphBtn",
       [](Pen& p) {
         p.Fill(0, 4, 24, 20, kBlack);
         for (int x = 1; x < 24; x += 4) {
           p.Fill(x, 5, x + 2, 7, kWhite);
           p.Fill(x, 17, x + 2, 19, kWhite);
         }
         p.Fill(2, 8, 10, 16, kAqua);
         p.Fill(13, 8, 21, 16, kYellow);
       }},
      {"GameBtn",
       [](Pen& p) {
         p.c->Pen()->SetColor(kBlack);
         p.c->Brush()->SetColor(kDark);
         p.c->RoundRect(0, 6, 24, 19, 8, 8);
         p.Line(4, 12, 10, 12, kWhite, 2);
         p.Line(7, 9, 7, 16, kWhite, 2);
         p.Circle(14, 9, 18, 13, kRed);
         p.Circle(17, 12, 21, 16, kLime);
       }},
      {"ComPortBtn",
       [](Pen& p) {
         p.Poly({{1, 6}, {22, 6}, {19, 18}, {4, 18}}, kSilver);
         for (int i = 0; i < 5; ++i) p.Fill(4 + i * 4, 9, 6 + i * 4, 11, kBlack);
         for (int i = 0; i < 4; ++i) p.Fill(6 + i * 4, 13, 8 + i * 4, 15, kBlack);
       }},
      {"StrokeBtn",
       [](Pen& p) {
         p.Fill(1, 4, 23, 20, kNavy);
         p.Bevel(1, 4, 23, 20, true);
         p.Line(15, 7, 8, 7, kYellow);
         p.Line(8, 7, 8, 12, kYellow);
         p.Line(8, 12, 15, 12, kYellow);
         p.Line(15, 12, 15, 17, kYellow);
         p.Line(15, 17, 7, 17, kYellow);
       }},
      {"PlaySoundBtn",
       [](Pen& p) {
         p.Poly({{2, 9}, {6, 9}, {12, 3}, {12, 21}, {6, 15}, {2, 15}}, kDark);
         p.ArcDeg(12, 12, 5, 300, 60, kBlack);
         p.ArcDeg(12, 12, 8, 300, 60, kBlack);
         p.ArcDeg(12, 12, 11, 300, 60, kBlack);
       }},
      {"SmartTimeBtn",
       [](Pen& p) {
         p.Fill(10, 0, 14, 3, kDark);
         p.Circle(2, 3, 22, 23, kWhite);
         p.Needle(12, 13, 90, 7, kBlack, 2);
         p.Needle(12, 13, 0, 5, kRed, 2);
       }},
      {"RollFormBtn",
       [](Pen& p) {
         p.Box(1, 1, 23, 7, kNavy);
         p.Box(1, 9, 23, 15, kNavy);
         p.Box(1, 17, 23, 23, kSilver);
         p.ArrowDown(19, 5, 2, kWhite);
         p.ArrowDown(19, 13, 2, kWhite);
       }},
      {"SysInfBtn",
       [](Pen& p) {
         for (int i = 0; i < 5; ++i) {
           p.Line(5 + i * 3, 1, 5 + i * 3, 23, kSilver);
           p.Line(1, 5 + i * 3, 23, 5 + i * 3, kSilver);
         }
         p.Fill(4, 4, 20, 20, kDark);
         p.Text(5, 6, "i", kWhite, 11, true);
         p.Text(10, 6, "86", kWhite, 7);
       }},
      {"CtrlTimBtn",
       [](Pen& p) {
         p.Circle(1, 1, 23, 23, kMaroon);
         p.Circle(3, 3, 21, 21, kWhite);
         for (int i = 0; i < 12; ++i) p.Needle(12, 12, i * 30, 8, i % 3 == 0 ? kBlack : kSilver);
         p.Circle(5, 5, 19, 19, kWhite, kWhite);
         p.Needle(12, 12, 90, 6, kBlack, 2);
         p.Needle(12, 12, 330, 5, kBlack, 2);
       }},
      {"BoxLineBtn",
       [](Pen& p) {
         for (int i = 0; i < 4; ++i) {
           p.Box(i * 6, 5, i * 6 + 6, 19, kSilver);
           p.Circle(i * 6 + 1, 7, i * 6 + 5, 11, i % 2 == 0 ? kLime : kGrey);
         }
       }},
      {"AboutBtn",
       [](Pen& p) {
         p.Circle(1, 1, 23, 23, kBlue);
         p.Fill(10, 5, 14, 8, kWhite);
         p.Fill(10, 10, 14, 19, kWhite);
       }},
      {"ShadeBtn",
       [](Pen& p) {
         for (int x = 0; x < 22; ++x) p.Line(1 + x, 2, 1 + x, 22, RGB(0, 0, 255 - x * 10));
         p.c->Brush()->SetColor(kBlack);
         p.c->FrameRect(Rect(1, 2, 23, 22));
       }},
      {"ExitBtn",
       [](Pen& p) {
         p.Box(3, 1, 15, 23, kMaroon);
         p.Poly({{3, 1}, {11, 4}, {11, 23}, {3, 22}}, kSilver);
         p.Line(14, 12, 22, 12, kRed, 2);
         p.ArrowRight(23, 12, 4, kRed);
       }},
  };
  return kDrawers;
}

}  // namespace

bool DrawGlyph(const std::string& Name, TBitmap* Bitmap) {
  auto it = Drawers().find(Name);
  if (it == Drawers().end()) return false;
  Bitmap->SetSize(kGlyphSize, kGlyphSize);
  Pen p{Bitmap->Canvas()};
  p.Fill(0, 0, kGlyphSize, kGlyphSize, kKey);
  it->second(p);
  // The bottom-left pixel gives the transparent colour.
  p.c->SetPixels(0, kGlyphSize - 1, kKey);
  return true;
}

void DrawIcon(TBitmap* Bitmap) {
  Bitmap->SetSize(kIconSize, kIconSize);
  Pen p{Bitmap->Canvas()};
  p.Fill(0, 0, kIconSize, kIconSize, kSilver);
  p.Circle(1, 1, 31, 31, kWhite, kNavy);
  for (int i = 0; i <= 8; ++i) p.Needle(16, 19, 180 - i * 22.5, 14, kBlack);
  p.Circle(4, 7, 28, 31, kWhite, kWhite);
  p.ArcDeg(16, 19, 14, 0, 180, kNavy);
  p.Needle(16, 19, 55, 12, kRed, 2);
  p.Circle(13, 16, 20, 23, kNavy);
  p.Fill(6, 25, 26, 29, kNavy);
}
