#include "programs/demo/forms/fplaysnd.h"

#include "platform/base/strings.h"
#include "programs/demo/assets.h"

namespace {

const tPlayState kPlayTypes[] = {psStopped, psStartExit, psContinous};

}  // namespace

TPlaySoundDemo::TPlaySoundDemo(TComponent* AOwner) : TDemoForm(AOwner, "TPlaySoundDemo") {
  TFormLoader loader(this);
  PlaySound = loader.AddComponent<TPlaySound>("PlaySound");
  PlaySound->SetWaveFile("rooster");
  PlaySound->SetPlayState(psStopped);
  PlaySound->SetRepDelay(2.0);

  // The folder list starts where the demo's own sounds are.
  FileListBox = loader.Add<TFileListBox>("FileListBox");
  FileListBox->SetBounds(8, 144, 160, 139);
  FileListBox->SetMask("*.wav");
  FileListBox->OnChange = [this](TObject*) { FNextWave = FileListBox->FileName(); };
  DirList = loader.Add<TDirectoryListBox>("DirList");
  DirList->SetBounds(8, 8, 160, 130);
  DirList->SetFileList(FileListBox);
  DirList->SetDirectory(ProgramDir());

  PlayType = loader.Add<TRadioGroup>("PlayType");
  PlayType->SetBounds(176, 8, 120, 84);
  PlayType->SetCaption("Play");
  PlayType->Items()->SetText("stop\none time\ncontinuous");
  PlayType->SetItemIndex(0);
  PlayType->OnClick = [this](TObject*) { PlayTypeClick(); };

  auto* delay_label = loader.Add<TLabel>("DelayLabel");
  delay_label->SetBounds(176, 98, 120, 16);
  delay_label->SetCaption("Delay");
  DelaySelect = loader.Add<TTextSpin>("DelaySelect");
  DelaySelect->SetBounds(176, 114, 120, 26);
  TStringList delays;
  for (const char* entry :
       {"0 sec     | 0 | 0.0", "0.3 sec  | 0 | 0.3", "0.6 sec   | 0 | 0.6", "1 sec      | 0 | 1",
        "2 sec      | 0 | 2", "5 sec      | 0 | 5", "10 sec    | 0 | 10", "20 sec    | 0 | 20",
        "50 sec     | 0 | 50", "100 sec   | 0 | 100"}) {
    delays.Add(entry);
  }
  DelaySelect->SetPosText(delays);
  DelaySelect->SetPosition(4);  // "2 sec"
  DelaySelect->onChanging = [this](TObject*) { PlaySound->SetRepDelay(DelaySelect->PosFloat()); };

  // What the demo is for, and what it needs.
  const std::string notes[] = {"Die Demo dient zur",   "Sprachausgabe und",
                               "zur Ausgabe von",      "Geräuschen."_ansi,
                               "Dafür wird eine"_ansi, "Soundkarte benötigt."_ansi};
  for (int i = 0; i < 6; ++i) {
    auto* note = loader.Add<TLabel>("Label" + std::to_string(i + 1));
    note->SetBounds(176, 150 + i * 17, 124, 16);
    note->SetCaption(notes[i]);
  }

  const struct {
    std::string Caption;
    const char* WaveFile;
  } kSounds[] = {{"START", "Start.Wav"}, {"STOP", "Stop.Wav"},        {"Achtung", "Achtng.Wav"},
                 {"Alarm", "Alarm.Wav"}, {"Heiss", "Heiss.Wav"},      {"Kalt", "Kalt.Wav"},
                 {"Offen", "Offen.Wav"}, {"Füllen"_ansi, "Fuell.Wav"}};
  for (int i = 0; i < 8; ++i) {
    TButton* button = loader.Add<TButton>("SoundBtn" + std::to_string(i + 1));
    button->SetBounds(308, 8 + i * 29, 111, 25);
    button->SetCaption(kSounds[i].Caption);
    const char* wave = kSounds[i].WaveFile;
    button->OnClick = [this, wave](TObject*) { SoundButtonClick(wave); };
    SoundButtons[size_t(i)] = button;
  }
  CloseBtn = AddCloser(loader, 308, 258, 111, 25);

  OnShow = [this](TObject*) {
    PlaySound->SetWaveFile("tataa.Wav");
    PlaySound->SetPlayState(psStartWait);
    PlaySound->SetWaveFile("Demo.Wav");
    PlaySound->SetPlayState(psStartExit);
  };
  OnClose = [this](TObject*, TCloseAction&) {
    PlaySound->SetWaveFile("Ende.Wav");
    PlaySound->SetPlayState(psStartWait);
  };
  loader.Finish();
}

void TPlaySoundDemo::PlayTypeClick() {
  const int item = PlayType->ItemIndex();
  if (item < 0 || item > 2) return;
  PlaySound->SetWaveFile(FNextWave);
  PlaySound->SetPlayState(kPlayTypes[item]);
  // "one time" is over as soon as it has started.
  if (PlaySound->PlayState() == psStopped) PlayType->SetItemIndex(0);
}

void TPlaySoundDemo::SoundButtonClick(const char* WaveFile) {
  FNextWave = WaveFile;
  PlaySound->SetWaveFile(FNextWave);
  PlaySound->SetPlayState(psStartExit);
  PlayType->SetItemIndex(0);
}
