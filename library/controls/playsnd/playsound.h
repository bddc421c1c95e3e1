#pragma once
// TPlaySound: plays a wave file once (waiting for its end or not), in a loop, or again and again
// with a pause between starts timed by the tick service. Everything is driven by PlayState.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/forms/component.h"

enum tPlayState : uint8_t { psStopped, psStartWait, psStartExit, psContinous };

// The sound function the component plays through (the platform's SndPlaySound unless replaced;
// tests put a recorder in its place). Returns the previous one.
using TSoundFunction = std::function<bool(const std::string& Name, uint32_t Flags)>;
TSoundFunction SetSoundFunction(TSoundFunction Function);

class TPlaySound : public TComponent {
 public:
  explicit TPlaySound(TComponent* AOwner);
  // Removes the replay record; a loop or repetition this component runs is stopped with it,
  // a single sound plays to its end.
  ~TPlaySound() override;

  // Taken over when PlayState changes; the repetitions keep the name taken then.
  const std::string& WaveFile() const { return FWaveFile; }
  void SetWaveFile(const std::string& Value) { FWaveFile = Value; }
  // psStartWait and psStartExit play once and fall back to psStopped; psContinous lasts until
  // psStopped is set. Acts only on a change.
  tPlayState PlayState() const { return FPlayState; }
  void SetPlayState(tPlayState Value);
  // Seconds from one start to the next in psContinous; 0 plays in a loop instead. Other values
  // are clamped to 0.3..120. A new delay applies from the next repetition on.
  double RepDelay() const { return FRepDelay; }
  void SetRepDelay(double Value);

 private:
  void ReplayTick();
  void ArmReplay();
  void Play(const char* Name, uint32_t Flags);

  int32_t FTimerId = -1;
  tPlayState FPlayState = psStopped;
  std::string FWaveFile;
  double FRepDelay = 2.0;
  std::string FPlayName;  // the name taken at the last change of PlayState
  // The tick service counts at most 65535 ms per arming: longer delays run in parts.
  uint32_t FPartsLeft = 0;
  uint16_t FPartMs = 0;
};
