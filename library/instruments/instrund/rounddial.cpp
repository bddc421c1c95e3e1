// The dial pieces the round meters share, laid out and drawn by Paint into the static image,
// and the paint sequence round the meter's own layout and DrawDialFace.

#include <algorithm>
#include <cstdlib>

#include "library/foundation/digits.h"
#include "library/foundation/helpers.h"
#include "library/foundation/scaledraw.h"
#include "library/foundation/squaredial.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas_state.h"

void TRoundMeter::Paint() {
  TOrvaneBase::Paint();
  FPainted = true;
  DrawDial();
  DrawLed(0);
  DrawLed(1);
  if (OnRepaint) OnRepaint(this);
}

void TRoundMeter::DrawDial() {
  TCanvas& c = *FrameBitmap->Canvas();
  FUpdateArea.Reset();
  FDrawn = Layout();
  if (FDrawn.Valid) {
    FLedCentre[0] = FDrawn.LedCentre[0];
    FLedCentre[1] = FDrawn.LedCentre[1];
    FLedRadius = FDrawn.LedRadius;
  }
  {
    // The dial is drawn in the control's font; what the face changes, the face clip of the
    // meters whose pivot lies outside the face among it, holds for the dial alone.
    const TCanvasSaver keep(c);
    c.SetFont(Font());
    DrawDialFace(c);
  }
  FMarks.Reset();
  if (FDrawn.Valid) {
    UpdatePointer(true);
  } else {
    // Too small for a dial: show the frame alone.
    const TRect client = ClientRect();
    Canvas()->CopyRect(client, &c, client);
  }
}

void TRoundMeter::LayOutBorderedFace(TDialLayout& L) const {
  const int m = std::min(Width(), Height());
  const int g = m / 40;
  L.Overhang = m / 5;
  TRect inner = FrameInnerRect();
  L.Face = LayOutFace(inner, BorderSides(*this), g, L.Overhang);
  L.Map.PixOrigin = inner.TopLeft();
  L.Map.PixExtent = {inner.Width(), inner.Height()};
}

int TRoundMeter::LedRadiusIn(int Socket) const { return LedRadiusInSocket(Socket, FLedEnable); }

void TRoundMeter::SetPointerShapes(TDialLayout& L, const TPoint (&Pointer)[3],
                                   const TPoint (&Peak)[3], double Turn) {
  const TPointTurn to_start(L.Pivot, Turn);
  TurnCorners(Pointer, L.PointerBase, to_start);
  TurnCorners(Peak, L.PeakBase, to_start);
}

void TRoundMeter::DrawBorderedFace(TCanvas& c, bool RoundCorners) {
  const TCanvasSaver keep(c, cpPen | cpBrush);
  const TRect& face = FDrawn.Face;
  const int corner = FDrawn.Overhang / 2;
  PrepareFacePen(c);
  if (RoundCorners) {
    c.RoundRect(face.Left, face.Top, face.Right, face.Bottom, corner, corner);
  } else {
    c.Rectangle(face);
  }
}

void TRoundMeter::PrepareFacePen(TCanvas& c) { SetFacePen(c, FColShape, ColBack()); }

void TRoundMeter::DrawBandRing(TCanvas& c, const TRect& box, const TRect& inner, bool FullCircle) {
  const TCanvasSaver keep(c, cpPen | cpBrush);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(2);
  const TDialLayout& l = FDrawn;
  const double sweep = l.Direction * FSweep;
  c.Pen()->SetStyle(psClear);
  c.Brush()->SetStyle(bsSolid);
  const TColor colours[3] = {FColMin, FColMid, FColMax};
  for (int b = 0; b < 3; ++b) {
    // Bands of no width are left out (form data can hold inverted bounds too).
    if (!(FBands.To(b) > FBands.From(b))) continue;
    c.Brush()->SetColor(colours[b]);
    DrawDialBand(c, box, l.Pivot, l.R0, FScale.Angle(FBands.From(b), sweep) + l.AngleOffset,
                 FScale.Angle(FBands.To(b), sweep) + l.AngleOffset);
  }
  // The face colour over the inside leaves the bands as a ring.
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetColor(ColBack());
  c.Brush()->SetColor(ColBack());
  if (FullCircle) {
    c.Ellipse(inner);
  } else {
    DrawDialBand(c, inner, l.Pivot, l.R0, l.AngleOffset, sweep + l.AngleOffset);
  }
}

void TRoundMeter::SetLabelFont(TCanvas& c, const TScaleGeometry& Geometry) const {
  if (FontAutom()) c.Font()->SetHeight(std::abs((3 * (Geometry.T2.Y - Geometry.T1.Y)) / 2));
}

void TRoundMeter::SetCaptionFont(TCanvas& c, const TScaleGeometry& Geometry) const {
  SetLabelFont(c, Geometry);
  if (FScale.NonLinear) SetFontAfterPowerOfTen(*c.Font());
}

void TRoundMeter::DrawScale(TCanvas& c, const TScaleGeometry& Geometry) {
  const TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  c.Brush()->SetStyle(bsClear);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetColor(FColScala);
  c.Pen()->SetWidth(2);
  SetLabelFont(c, Geometry);
  int label_width;
  if (FScale.NonLinear) {
    label_width = c.TextWidth("103");
  } else if (Geometry.WidthOnControl) {
    label_width = ScaleTextWidth(*Canvas(), FScale.Start, FScale.End);
  } else {
    label_width = ScaleTextWidth(c, FScale.Start, FScale.End);
  }
  ++label_width;
  const int th = std::abs(c.Font()->Height());
  const TPoint t2 = Geometry.T2;
  const TPoint l0 = Geometry.LabelsBelow ? TPoint{t2.X - label_width / 2, t2.Y + th / 2}
                                         : TPoint{t2.X - label_width / 2, t2.Y - (3 * th) / 2};
  TDialScaleLayout layout =
      DialScaleOnRay(FDrawn.Pivot, Geometry.T1, Geometry.T2, Geometry.LogMinor, l0, label_width, th,
                     Geometry.BaseTurn);
  layout.AngleOffset = FDrawn.AngleOffset;
  layout.SignedSweep = FDrawn.Direction * FSweep;
  if (FScale.NonLinear) {
    DrawLogDialScale(c, layout, FScale, FScale.Part(), &FMarks);
    return;
  }
  DrawLinearDialScale(c, layout, FScale, FScale.Part(),
                      DialMinorCount(FScale.Psub(), FScale.Part(), FAutoMinorBelow),
                      ScaleLabelDecimals(FScale.End - FScale.Start, 3, 5), th, &FMarks);
}

void TRoundMeter::DrawReadoutFrame(TCanvas& c) {
  if (!FDispEnable) return;
  const TCanvasSaver keep(c, cpPen | cpBrush);
  SetFacePen(c, FColDrand, FColDback);
  const TRect& frame = FDrawn.DispRect;
  c.Rectangle(frame);
  const int k = ((std::abs(frame.Height()) * 8) / 10) / 8;
  TRect cells = frame;
  InflateRect(cells, -k, -k);
  FReadout->Layout(cells, 4, FColDback);
}

void TRoundMeter::DrawHub(TCanvas& c) {
  const TCanvasSaver keep(c, cpPen | cpBrush);
  DrawDialHub(c, FDrawn.Pivot, FDrawn.HubRadius, FColShape, FColCircle);
}

void TRoundMeter::DrawLedSockets(TCanvas& c) {
  if (!FLedEnable) return;
  DrawLedSocket(c, FLedCentre[0], FLedRadius + 1);
  DrawLedSocket(c, FLedCentre[1], FLedRadius + 1);
  // A paint starts the blink phases at the switches.
  FLeds[0].ResetPhase();
  FLeds[1].ResetPhase();
}

void TRoundMeter::DrawMark(TCanvas& c, int X, int Y, bool RightAligned) {
  DrawMakerMark(c, RightAligned ? X - MakerMarkWidth(c) : X, Y);
}
