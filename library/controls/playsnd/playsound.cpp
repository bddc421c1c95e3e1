#include "library/controls/playsnd/playsound.h"

#include <algorithm>

#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "platform/base/numbers.h"
#include "platform/devices/sound.h"

namespace {

TSoundFunction& SoundFunction() {
  static TSoundFunction function = SndPlaySound;
  return function;
}

}  // namespace

TSoundFunction SetSoundFunction(TSoundFunction Function) {
  TSoundFunction previous = SoundFunction();
  SoundFunction() = Function ? std::move(Function) : TSoundFunction(SndPlaySound);
  return previous;
}

TPlaySound::TPlaySound(TComponent* AOwner) : TComponent(AOwner) {
  FTimerId = TimerRegister([this](TObject*) { ReplayTick(); });
}

TPlaySound::~TPlaySound() {
  TimerRemove(FTimerId);
  if (FPlayState == psContinous) Play(nullptr, SND_ASYNC);
}

void TPlaySound::Play(const char* Name, uint32_t Flags) {
  // The result is not examined: a sound that cannot play is silence, not an error.
  SoundFunction()(Name ? Name : "", Flags);
}

void TPlaySound::SetRepDelay(double Value) {
  if (Value == 0) {
    FRepDelay = 0;
    TimerStop(FTimerId);
    return;
  }
  if (!(Value >= 0.3)) Value = 0.3;  // NaN too
  if (Value > 120) Value = 120;
  FRepDelay = Value;
}

void TPlaySound::SetPlayState(tPlayState Value) {
  if (!StoreChanged(FPlayState, Value)) return;
  FPlayName = FWaveFile;
  switch (Value) {
    case psStartWait:
      TimerStop(FTimerId);
      Play(FPlayName.c_str(), SND_SYNC);
      FPlayState = psStopped;
      break;
    case psStartExit:
      TimerStop(FTimerId);
      Play(FPlayName.c_str(), SND_ASYNC);
      FPlayState = psStopped;
      break;
    case psContinous:
      if (FRepDelay == 0) {
        TimerStop(FTimerId);
        Play(FPlayName.c_str(), SND_ASYNC | SND_LOOP);
      } else {
        Play(FPlayName.c_str(), SND_ASYNC);
        ArmReplay();
      }
      break;
    case psStopped:
      TimerStop(FTimerId);
      Play(nullptr, SND_ASYNC);
      break;
  }
}

// Arms the record for one full delay, split into equal parts that each fit the tick service.
void TPlaySound::ArmReplay() {
  const int64_t ms = std::max<int64_t>(Round(FRepDelay * 1000), 1);
  const int64_t parts = (ms + 65534) / 65535;
  FPartMs = static_cast<uint16_t>(ms / parts);
  FPartsLeft = static_cast<uint32_t>(parts - 1);
  TimerSetInterval(FTimerId, FPartMs);
}

void TPlaySound::ReplayTick() {
  if (FPartsLeft > 0) {
    --FPartsLeft;
    TimerSetInterval(FTimerId, FPartMs);
    return;
  }
  Play(FPlayName.c_str(), SND_ASYNC);
  if (FPlayState == psContinous) {
    ArmReplay();
  } else {
    TimerStop(FTimerId);
  }
}
