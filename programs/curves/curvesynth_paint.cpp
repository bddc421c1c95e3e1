// TCurveSynth: painting.

#include "programs/curves/curvesynth.h"

void TCurveSynth::ForcePaint() { Repaint(); }

void TCurveSynth::Paint() {
  TRahmen::Paint();
  if (!FPainted) UpdateRanges();
  FLayout = LayoutCurve(InnerRect, Height());
  FPlotBitmap->SetSize(std::max(FLayout.Plot.Width(), 1), std::max(FLayout.Plot.Height(), 1));
  MakeAxes();
  FPainted = true;
}

void TCurveSynth::RedrawPlot() {}
void TCurveSynth::DrawCaption() {}
void TCurveSynth::DrawScales() {}
void TCurveSynth::DrawReadouts() {}
void TCurveSynth::DrawPointer() {}
void TCurveSynth::DrawMarker() {}
void TCurveSynth::SetMouseFunct(TMouseFunc Value) { FMouseFunct = Value; }
bool TCurveSynth::GetChan3CurveY(double, double&) const { return false; }
void TCurveSynth::MouseDown(TMouseButton, TShiftState, int, int) {}
void TCurveSynth::MouseMove(TShiftState, int, int) {}
void TCurveSynth::MouseUp(TMouseButton, TShiftState, int, int) {}
void TCurveSynth::WndProc(TMessage& Message) { TRahmen::WndProc(Message); }
void TCurveSynth::ReleaseMouse() {}
