// The text view: one row per sample with its number, hexadecimal, binary and character text.
#include <algorithm>
#include <array>

#include "platform/base/sysutils.h"
#include "programs/logic/logic.h"
#include "programs/logic/logicdraw.h"

namespace {

// Eight binary digits per group, groups apart by one blank.
std::string Grouped(const std::string& Bits) {
  std::string out;
  for (size_t i = 0; i < Bits.size(); i += 8) {
    if (i > 0) out += ' ';
    out += Bits.substr(i, 8);
  }
  return out;
}

}  // namespace

void TLogic::TextRowTexts(int32_t Sample, std::string& A, std::string& B, std::string& C) const {
  const uint32_t v = ReadSample(Sample);
  int bytes = 4;
  std::string hex, bin;
  switch (FLogSize) {
    case TLogSize::Size8:
      bytes = 1;
      hex = IntToHex(v, 2);
      bin = ByteToBin(uint8_t(v));
      break;
    case TLogSize::Size16:
      bytes = 2;
      hex = IntToHex(v, 4);
      bin = WordToBin(uint16_t(v));
      break;
    case TLogSize::Size32:
      hex = IntToHex(v, 8);
      bin = LongToBin(v);
      break;
  }
  A = " " + IntToHex(Sample, 4) + ": " + " hex: " + hex;
  B = "  bin: " + Grouped(bin);
  C = "  '";
  for (int k = bytes - 1; k >= 0; --k) C += char((v >> (8 * k)) & 0xFF);
  C += "'";
}

void TLogic::DrawTextView() {
  TCanvas& c = *Canvas();
  const TRect& d = FLayout.Disp;
  c.Brush()->SetColor(FColTextDisp);
  c.Brush()->SetStyle(bsSolid);
  c.FillRect(d);
  const int32_t last = std::min(FDispStartPos + FRows, FBufferCount - 1);
  for (int32_t j = FDispStartPos; j <= last; ++j) DrawTextRow(j, false);
  c.Brush()->SetStyle(bsSolid);
  c.Font()->SetName("Arial");
}

void TLogic::DrawTextRow(int32_t Sample, bool Opaque) {
  if (Sample < FDispStartPos || Sample > FDispEndPos || Sample >= FBufferCount) return;
  TCanvas& c = *Canvas();
  const TRect& d = FLayout.Disp;
  const int y = d.Top + kRowHeight * (Sample - FDispStartPos);
  c.Font()->SetName("Courier New");
  c.Font()->SetSize(10);
  c.Font()->SetStyle({});
  c.Font()->SetColor(FColText);
  TColor back = FColTextDisp;
  if (Sample == FPointerPos && FPointerEnable)
    back = FColPointer;
  else if (Sample == FMarkerPos && FMarkerEnable)
    back = FColMarker;
  std::string a, b, t;
  TextRowTexts(Sample, a, b, t);
  c.SelectClipRect(d);
  const auto trigger = [&] {
    if (Sample != FTriggerPos) return;
    c.Pen()->SetColor(FColTrigger);
    c.Pen()->SetMode(pmCopy);
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetWidth(1);
    c.Brush()->SetColor(FColTrigger);
    c.Brush()->SetStyle(bsSolid);
    const std::array<TPoint, 3> corners{Point(d.Left, y), Point(d.Left, y + 14),
                                        Point(d.Left + 9, y + 6)};
    c.Polygon(corners);
  };
  // Transparent texts go over the triangle; opaque ones would hide it, so it comes after them.
  if (!Opaque) trigger();
  c.Brush()->SetColor(back);
  c.Brush()->SetStyle(Opaque ? bsSolid : bsClear);
  const int wa = c.TextWidth(a), wb = c.TextWidth(b);
  c.TextOut(d.Left, y, a);
  c.TextOut(d.Left + wa, y, b);
  if (wa + wb + c.TextWidth("        ") <= FLayout.DispWidth) c.TextOut(d.Left + wa + wb, y, t);
  if (Opaque) trigger();
  c.RemoveClip();
}
