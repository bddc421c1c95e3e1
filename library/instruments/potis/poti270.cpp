#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/graphics/canvas.h"

TPoti270::TPoti270(TComponent* AOwner) : TRotaryInput(AOwner, [this](TObject*) { DragTick(); }) {
  Font()->SetColor(clBlack);
  SetCaption("Volt");
  FDrag.GetValue = [this] { return FValue; };
  FDrag.SetValue = [this](double V) { SetValue(V); };
}

void TPoti270::SetValue(double Value) {
  if (StoreValue(FValue, Value, Reading(), FScale)) DrawPointer();
}

void TPoti270::SetValueStart(double Value) {
  if (FScale.SetStart(Value, Reading())) Invalidate();
}

void TPoti270::SetValueEnd(double Value) {
  if (FScale.SetEnd(Value, Reading())) Invalidate();
}

void TPoti270::SetScalaPart(int Value) {
  if (FScale.SetPart(Value)) Invalidate();
}

void TPoti270::Loaded() {
  TRotaryInput::Loaded();
  FScale.Repair();
}

int TPoti270::DrawScale(TCanvas& C) {
  return DrawRotaryScale(C, FPlane, FScale, FScale.Part(), FColScala, FontAutom());
}

double TPoti270::PointerAngle() const { return ArcPointerAngle(FScale, FValue); }

void TPoti270::PressArc(double U) { PressArcValue(FDrag, FScale, U); }

void TPoti270::DragArc(double LastAngle, double Angle) {
  DragArcValue(FDrag, FScale, FValue, LastAngle, Angle);
}

void TPoti270::DragTick() {
  if (FPainted) FDrag.Tick(FScale.Start, FScale.End);
}
