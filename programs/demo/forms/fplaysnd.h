#pragma once
// The wave sound demo: sounds chosen from a folder (beside the program at first) or by one of
// eight buttons, played once or over and over with a chosen pause; a fanfare when the form
// opens and one when it closes.

#include <array>
#include <string>

#include "library/controls/playsnd/playsound.h"
#include "library/controls/tasten/spin.h"
#include "platform/forms/stdctrls/filectrl.h"
#include "programs/demo/demoform.h"

class TPlaySoundDemo : public TDemoForm {
 public:
  explicit TPlaySoundDemo(TComponent* AOwner);

  TPlaySound* PlaySound = nullptr;
  TDirectoryListBox* DirList = nullptr;
  TFileListBox* FileListBox = nullptr;
  TRadioGroup* PlayType = nullptr;  // "stop", "one time", "continuous"
  TTextSpin* DelaySelect = nullptr;
  // "START", "STOP", "Achtung", "Alarm", "Heiss", "Kalt", "Offen", "Füllen"
  std::array<TButton*, 8> SoundButtons{};
  TButton* CloseBtn = nullptr;

  // The sound the play-type group plays next: the last file chosen or button clicked.
  const std::string& NextWave() const { return FNextWave; }

 private:
  void PlayTypeClick();
  void SoundButtonClick(const char* WaveFile);

  std::string FNextWave;
};
