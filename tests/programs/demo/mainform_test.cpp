// The main form: buttons, status panel, memory readout, language switch, shading, splash, exit.

#include "programs/demo/mainform.h"

#include "library/controls/playsnd/playsound.h"
#include "library/foundation/tickservice.h"
#include "platform/base/sysutils.h"
#include "programs/demo/aboutbox.h"
#include "programs/demo/forms/registry.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class MainFormTest : public DemoTest {
 protected:
  MainFormTest() {
    FPreviousSound = SetSoundFunction([this](const std::string& name, uint32_t) {
      events.push_back("sound " + name);
      return true;
    });
    AboutBox = new TAboutBox(nullptr);
    // The user dismisses the about box as soon as it shows.
    AboutBox->OnShow = [this](TObject*) {
      events.push_back(std::string("about, background ") +
                       (main->BackGround->Visible() ? "shown" : "hidden"));
      AboutBox->SetModalResult(mrOk);
    };
    main = new TMainForm(nullptr);
  }
  ~MainFormTest() override {
    delete main;
    delete AboutBox;
    AboutBox = nullptr;
    SetSoundFunction(FPreviousSound);
  }

  void ShowMain() {
    main->SetBounds(0, 0, 663, 453);
    main->Show();
    Pump();
  }

  TMainForm* main = nullptr;
  std::vector<std::string> events;

 private:
  TSoundFunction FPreviousSound;
};

TEST_F(MainFormTest, StartsWithSoundThenSplashOnceAfterTheFirstPaint) {
  main->SetBounds(0, 0, 663, 453);
  main->Show();
  main->Update();  // the first paint: it only posts the splash
  EXPECT_EQ(events, std::vector<std::string>{"sound rooster.Wav"});
  Pump();
  EXPECT_EQ(events, (std::vector<std::string>{"sound rooster.Wav", "about, background shown"}));
  main->Invalidate();
  Pump();
  EXPECT_EQ(events.size(), 2u);  // later paints show no splash
  EXPECT_EQ(main->BackGround->Align(), alClient);
  // The background lies under every other child, the windowless eyes included.
  EXPECT_EQ(main->Controls(0), main->BackGround);
}

TEST_F(MainFormTest, ExitPlaysTheSoundHidesTheBackgroundThenShowsTheAboutBox) {
  ShowMain();
  events.clear();
  Click(main->Button("ExitBtn"), 15, 15);
  Pump();
  EXPECT_EQ(events, (std::vector<std::string>{"sound dog1.Wav", "about, background hidden"}));
  EXPECT_FALSE(main->Visible());
}

TEST_F(MainFormTest, ButtonsOfFormsNotBuiltAreDisabled) {
  ASSERT_EQ(main->SpeedButtons.size(), 44u);
  for (TSpeedButton* b : main->SpeedButtons) {
    const bool always =
        b->Name() == "AboutBtn" || b->Name() == "ShadeBtn" || b->Name() == "ExitBtn";
    EXPECT_EQ(b->Enabled(), always || DemoFactory(b->Name()) != nullptr) << b->Name();
  }
  // Two rows of 22 buttons, 30 pixels each.
  EXPECT_EQ(main->Button("Bevel3DBtn")->BoundsRect(), Bounds(1, 4, 30, 30));
  EXPECT_EQ(main->Button("Meter360Btn")->BoundsRect(), Bounds(1 + 19 * 30, 4, 30, 30));
  EXPECT_EQ(main->Button("TextScrollBtn")->BoundsRect(), Bounds(1 + 20 * 30, 4, 30, 30));
  EXPECT_EQ(main->Button("KeyBrdBtn")->BoundsRect(), Bounds(1 + 2 * 30, 36, 30, 30));
  EXPECT_EQ(main->Button("ExitBtn")->BoundsRect(), Bounds(1 + 21 * 30, 36, 30, 30));
}

TEST_F(MainFormTest, LongHintOfTheButtonUnderTheMouseReachesTheStatusPanel) {
  ShowMain();
  EXPECT_EQ(main->StatusBar->Caption(), "StatusBar");
  const struct {
    const char* button;
    bool enabled;
    const char* status;
  } cases[] = {
      {"Bevel3DBtn", true, "Bevel, Text, Label und Schaltfunktionen"},
      {"GameBtn", false, "TGamePort: Gameport Controller und Interface"},  // still tells
      {"AboutBtn", true, "Orvane Info"},  // no separator: the one text serves as both
      {"ExitBtn", true, ""},
  };
  Move(main->StatusBar, 5, 5);  // into the window
  for (const auto& c : cases) {
    main->Button(c.button)->SetEnabled(c.enabled);
    Move(main->Button(c.button), 10, 10);
    Pump();
    EXPECT_EQ(main->StatusBar->Caption(), c.status) << c.button;
  }
  EXPECT_EQ(GetShortHint(main->Button("GameBtn")->Hint()), "TGamePort\rJoystick\rInterface");
}

TEST_F(MainFormTest, ShadeButtonStepsDirectionsThenColours) {
  ShowMain();
  const struct {
    TFillDirection direction;
    TColor colour;
  } steps[] = {
      {fdTopToBottom, 0xFF0000}, {fdRightToLeft, 0xFF0000}, {fdBottomToTop, 0xFF0000},
      {fdLeftToRight, 0x0000FF}, {fdTopToBottom, 0x0000FF}, {fdRightToLeft, 0x0000FF},
      {fdBottomToTop, 0x0000FF}, {fdLeftToRight, 0x00FF00},
  };
  EXPECT_EQ(main->BackGround->FillDirection(), fdLeftToRight);
  EXPECT_EQ(main->BackGround->BeginColor(), TColor(0xFF0000));
  int click = 0;
  for (const auto& s : steps) {
    Click(main->Button("ShadeBtn"), 15, 15);
    Pause();
    ++click;
    EXPECT_EQ(main->BackGround->FillDirection(), s.direction) << "click " << click;
    EXPECT_EQ(main->BackGround->BeginColor(), s.colour) << "click " << click;
  }
  // Green, and any colour not in the cycle, go back to blue.
  for (int i = 0; i < 4; ++i) main->ShadeBtnClick(nullptr);
  EXPECT_EQ(main->BackGround->BeginColor(), TColor(0xFF0000));
}

TEST_F(MainFormTest, LanguageSwitchSetsMessagesSeparatorAndDateFormat) {
  ShowMain();
  EXPECT_EQ(DecimalSeparator, '.');  // the library's start-up
  const struct {
    bool english;
    char separator;
    const char* date;
  } steps[] = {{true, '.', "mm/dd/yy"}, {false, ',', "dd.mm.yy"}, {true, '.', "mm/dd/yy"}};
  for (const auto& s : steps) {
    Click(main->LedCheck1, 10, 10);
    Pause();
    EXPECT_EQ(main->LedCheck1->Checked(), s.english);
    EXPECT_EQ(EnglishTexts, s.english);
    EXPECT_EQ(DecimalSeparator, s.separator);
    EXPECT_EQ(ShortDateFormat, s.date);
  }
}

TEST_F(MainFormTest, MemoryReadoutCopiesTheSystemValuesEverySecond) {
  ShowMain();
  EXPECT_EQ(main->MemTot->Caption(), "%");
  Ticks(18);  // 1000 ms
  EXPECT_NE(main->MemTot->Caption(), "%");
  EXPECT_EQ(main->MemTot->Caption(), main->SysInfo->SysMem());
  EXPECT_EQ(main->MemFree->Caption(), main->SysInfo->SysMemFree());
  EXPECT_EQ(main->MemUsed->Caption(), main->SysInfo->SysMemUsed());
}

TEST_F(MainFormTest, AboutButtonShowsTheBoxWhoseInfoButtonShowsTheHelpText) {
  ShowMain();
  events.clear();
  Click(main->Button("AboutBtn"), 15, 15);
  EXPECT_EQ(events, std::vector<std::string>{"about, background shown"});
  EXPECT_FALSE(AboutBox->Visible());
  AboutBox->OnShow = nullptr;
  AboutBox->Show();
  Pump();
  EXPECT_FALSE(AboutBox->HilfeText->Visible());
  Click(AboutBox->InfoBtn, 5, 5);
  EXPECT_TRUE(AboutBox->HilfeText->Visible());
  Click(AboutBox->OKButton, 5, 5);
  Pump();
  EXPECT_FALSE(AboutBox->HilfeText->Visible());
  EXPECT_FALSE(AboutBox->Visible());
}

}  // namespace
