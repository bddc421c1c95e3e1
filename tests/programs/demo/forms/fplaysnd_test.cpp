// The wave sound demo: what it plays when it opens and closes, the sound buttons and the
// play-type group, the repeat delay, files from the folder lists, and the same flows through the
// real sound service (which has no audio device on a test machine).

#include "programs/demo/forms/fplaysnd.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "library/foundation/tickservice.h"
#include "platform/base/strings.h"
#include "platform/base/sysutils.h"
#include "platform/devices/sound.h"
#include "programs/demo/assets.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

struct Call {
  std::string name;
  uint32_t flags;
  bool operator==(const Call&) const = default;
};

void PrintTo(const Call& c, std::ostream* os) { *os << "{" << c.name << ", " << c.flags << "}"; }

const Call kStop{"", SND_ASYNC};

class PlaySoundDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    previous = SetSoundFunction([this](const std::string& name, uint32_t flags) {
      calls.push_back({name, flags});
      return true;
    });
    demo = OpenDemoForm("PlaySoundBtn");
    f = static_cast<TPlaySoundDemo*>(demo.get());
  }
  void TearDown() override {
    demo.reset();
    SetSoundFunction(previous);
  }
  TButton* Button(const std::string& caption) {
    for (TButton* b : f->SoundButtons) {
      if (b->Caption() == caption) return b;
    }
    ADD_FAILURE() << "no button " << caption;
    return f->SoundButtons[0];
  }
  void ChooseDelay(int position) {
    while (f->DelaySelect->Position() != position) {
      ASSERT_TRUE(f->DelaySelect->StepPosition(f->DelaySelect->Position() < position));
      f->DelaySelect->onChanging(f->DelaySelect);
    }
  }
  // Ticks until the next sound call; the number of ticks it took (0 when none came in limit).
  int TicksToNextCall(int limit) {
    const size_t before = calls.size();
    for (int t = 1; t <= limit; ++t) {
      TickServiceCallback();
      if (calls.size() > before) return t;
    }
    return 0;
  }

  std::vector<Call> calls;
  TSoundFunction previous;
  std::unique_ptr<TForm> demo;
  TPlaySoundDemo* f = nullptr;
};

TEST_F(PlaySoundDemoTest, OpeningAndClosingPlayTheirFanfares) {
  EXPECT_EQ(calls, (std::vector<Call>{{"tataa.Wav", SND_SYNC}, {"Demo.Wav", SND_ASYNC}}));
  calls.clear();
  f->Close();
  EXPECT_EQ(calls, (std::vector<Call>{{"Ende.Wav", SND_SYNC}}));
}

TEST_F(PlaySoundDemoTest, ButtonsAndPlayTypesPlayTheRememberedSound) {
  calls.clear();
  Click(Button("Alarm"), 10, 10);
  f->PlayType->SetItemIndex(1);  // "one time"
  EXPECT_EQ(calls, (std::vector<Call>{{"Alarm.Wav", SND_ASYNC}, {"Alarm.Wav", SND_ASYNC}}));
  EXPECT_EQ(f->PlayType->ItemIndex(), 0);  // back on "stop"
  EXPECT_EQ(f->PlaySound->PlayState(), psStopped);

  // "continuous" stays, and repeats every 2 s until "stop".
  calls.clear();
  Pause();
  Click(Button("Füllen"_ansi), 10, 10);
  f->PlayType->SetItemIndex(2);
  EXPECT_EQ(f->PlayType->ItemIndex(), 2);
  EXPECT_EQ(f->PlaySound->PlayState(), psContinous);
  EXPECT_NEAR(TicksToNextCall(100) * 55.5, 2000, 56);
  f->PlayType->SetItemIndex(0);
  EXPECT_EQ(
      calls,
      (std::vector<Call>{
          {"Fuell.Wav", SND_ASYNC}, {"Fuell.Wav", SND_ASYNC}, {"Fuell.Wav", SND_ASYNC}, kStop}));
  EXPECT_EQ(TicksToNextCall(100), 0);

  // A button while repeating ends the repeats and plays its own sound once.
  f->PlayType->SetItemIndex(2);
  calls.clear();
  Pause();
  Click(Button("Kalt"), 10, 10);
  EXPECT_EQ(f->PlayType->ItemIndex(), 0);
  EXPECT_EQ(calls, (std::vector<Call>{{"Kalt.Wav", SND_ASYNC}}));
  EXPECT_EQ(TicksToNextCall(100), 0);
}

TEST_F(PlaySoundDemoTest, TheDelaySpinSetsTheRepeatDelay) {
  const struct {
    int position;
    double delay;
  } cases[] = {{9, 100}, {0, 0}, {1, 0.3}, {5, 5}, {4, 2}};
  for (const auto& c : cases) {
    ChooseDelay(c.position);
    EXPECT_EQ(f->PlaySound->RepDelay(), c.delay) << f->DelaySelect->PosString();
  }
  // The German number format of the language switch reads the same delays.
  DecimalSeparator = ',';
  ChooseDelay(2);
  EXPECT_EQ(f->PlaySound->RepDelay(), 0.6);
  DecimalSeparator = '.';
  // "100 sec" repeats after 100 s, beyond what the tick service counts in one go.
  ChooseDelay(9);
  EXPECT_EQ(f->DelaySelect->PosString(), "100 sec");
  Click(Button("Offen"), 10, 10);
  f->PlayType->SetItemIndex(2);
  EXPECT_NEAR(TicksToNextCall(3000) * 55.5, 100000, 111);
  EXPECT_NEAR(TicksToNextCall(3000) * 55.5, 100000, 111);
  EXPECT_EQ(calls.back(), (Call{"Offen.Wav", SND_ASYNC}));
}

TEST_F(PlaySoundDemoTest, TheFolderListsStartAtTheDemosSounds) {
  EXPECT_EQ(f->DirList->Directory(), ProgramDir());
  EXPECT_EQ(f->FileListBox->Directory(), ProgramDir());
  std::vector<std::string> listed;
  for (int i = 0; i < f->FileListBox->Items()->Count(); ++i) {
    listed.push_back(LowerCase(f->FileListBox->Items()->Strings(i)));
  }
  for (const char* name : {"tataa", "demo", "ende", "start", "stop", "achtng", "alarm", "heiss",
                           "kalt", "offen", "fuell"}) {
    EXPECT_NE(std::find(listed.begin(), listed.end(), name + std::string(".wav")), listed.end())
        << name;
  }
}

TEST_F(PlaySoundDemoTest, AChosenFilePlaysByItsFullPathHoweverLong) {
  char templ[] = "/tmp/orvane-playsnd-XXXXXX";
  ASSERT_NE(mkdtemp(templ), nullptr);
  const std::string dir =
      std::string(templ) + "/a folder whose name alone is longer than sixty-four characters";
  std::filesystem::create_directories(dir);
  const std::string file = dir + "/Glocke mit langem Namen.WAV";
  std::ofstream(file) << "RIFF";
  f->DirList->SetDirectory(dir);
  ASSERT_EQ(f->FileListBox->Items()->Count(), 1);
  f->FileListBox->SetItemIndex(0);
  EXPECT_EQ(f->NextWave(), file);
  calls.clear();
  f->PlayType->SetItemIndex(1);
  EXPECT_EQ(calls, (std::vector<Call>{{file, SND_ASYNC}}));
  std::filesystem::remove_all(templ);
}

// Through the sound service itself: every name the form plays is one of the demo's files, and
// opening, playing and closing all return, whether a sound can be heard or not.
class PlaySoundServiceTest : public DemoTest {};

TEST_F(PlaySoundServiceTest, EveryFlowOpensPlaysAndCloses) {
  std::vector<std::string> names;
  const TSoundFunction previous = SetSoundFunction([&](const std::string& name, uint32_t flags) {
    if (!name.empty()) names.push_back(name);
    return SndPlaySound(name, flags);
  });
  {
    auto demo = OpenDemoForm("PlaySoundBtn");
    auto* f = static_cast<TPlaySoundDemo*>(demo.get());
    ASSERT_TRUE(f->Visible());
    for (TButton* b : f->SoundButtons) {
      Click(b, 10, 10);
      Pause();
    }
    f->PlayType->SetItemIndex(1);
    EXPECT_EQ(f->PlayType->ItemIndex(), 0);
    f->PlayType->SetItemIndex(2);
    Ticks(80);
    f->PlayType->SetItemIndex(0);
    EXPECT_EQ(f->PlaySound->PlayState(), psStopped);
    f->Close();
    EXPECT_FALSE(f->Visible());
  }
  SetSoundFunction(previous);
  ASSERT_GE(names.size(), 12u);
  for (const std::string& name : names) {
    EXPECT_FALSE(FindSoundFile(name).empty()) << name << " is not beside the program";
  }
}

}  // namespace
