#include <algorithm>

#include "programs/logic/logic.h"

void TLogic::DrawFooter() {}
void TLogic::DrawNameColumn() {}
void TLogic::DrawDiagram() {}
void TLogic::DrawTextView() {}
void TLogic::DrawStatus() {}
void TLogic::DrawBufferBar() {}
void TLogic::UpdatePointer() { FPointerPos = std::clamp(FPointerPos, FDispStartPos, FDispEndPos); }
void TLogic::UpdateMarker() { FMarkerPos = std::clamp(FMarkerPos, 0, FBufferCount - 1); }
void TLogic::SetPointerEnable(bool Value) { FPointerEnable = Value; }
void TLogic::SetMarkerEnable(bool Value) { FMarkerEnable = Value; }
TBitmap* TLogic::PrintDisp() { return nullptr; }
TBitmap* TLogic::PrintAll() { return nullptr; }
void TLogic::ReleasePrint() { FPrint.reset(); }
void TLogic::StepBack() {}
void TLogic::StepForward() {}
void TLogic::PageBack() {}
void TLogic::PageForward() {}
void TLogic::RepeatTick() {}
void TLogic::MouseDown(TMouseButton, TShiftState, int, int) {}
void TLogic::MouseMove(TShiftState, int, int) {}
void TLogic::MouseUp(TMouseButton, TShiftState, int, int) {}
