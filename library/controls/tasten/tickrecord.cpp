#include "library/controls/tasten/tickrecord.h"

#include <utility>

#include "library/foundation/tickservice.h"

TTickRecord::TTickRecord(TTickKind Kind, std::function<void()> Callback) {
  TTickProc proc = [cb = std::move(Callback)](TObject*) { cb(); };
  FId = Kind == TTickKind::Blink ? TimerRegisterSync(std::move(proc))
                                 : TimerRegister(std::move(proc));
}

TTickRecord::~TTickRecord() { TimerRemove(FId); }

void TTickRecord::Start(uint16_t Ms) { TimerSetInterval(FId, Ms); }

void TTickRecord::Stop() { TimerStop(FId); }
