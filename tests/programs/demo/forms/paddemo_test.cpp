// The three direction-pad forms: their modes, repeat speed, size bar and the status readout of
// the pad's down and up events.

#include "programs/demo/forms/paddemo.h"

#include <functional>

#include "programs/demo/forms/fjoystck.h"
#include "programs/demo/forms/flftrght.h"
#include "programs/demo/forms/fupdown.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

// What a test needs of one pad form.
struct PadForm {
  TDirectionPad* pad;
  TScrollBar* sizeBar;
  const TPadInputs* in;
};

struct PadCase {
  const char* button;
  std::function<PadForm(TForm*)> parts;
  TPoint first;  // a direction button: its centre in the pad
  char firstLetter;
  uint16_t firstBit;
  TPoint second;  // another direction button
  char secondLetter;
  uint16_t secondBit;
  int size;      // a size bar position
  TPoint sized;  // the pad's width and height then
};

void PrintTo(const PadCase& c, std::ostream* os) { *os << c.button; }

const PadCase kPads[] = {
    {"JoyStickBtn",
     [](TForm* f) {
       auto* d = static_cast<TJoyStickDemo*>(f);
       return PadForm{d->JoyStick, d->HeightBar, &d->Inputs};
     },
     {154, 94},
     'F',
     32,
     {94, 34},
     'B',
     2,
     100,
     {100, 100}},
    {"LeftRightBtn",
     [](TForm* f) {
       auto* d = static_cast<TLeftRightDemo*>(f);
       return PadForm{d->LeftRightBtn, d->SizeBar, &d->Inputs};
     },
     {82, 30},
     'R',
     2,
     {30, 30},
     'L',
     1,
     40,
     {72, 40}},
    {"UpDownBtn",
     [](TForm* f) {
       auto* d = static_cast<TUpDownDemo*>(f);
       return PadForm{d->UpDownBtn, d->SizeBar, &d->Inputs};
     },
     {30, 82},
     'D',
     2,
     {30, 30},
     'U',
     1,
     40,
     {40, 72}},
};

class PadDemoTest : public DemoTest, public ::testing::WithParamInterface<PadCase> {
 protected:
  void SetUp() override {
    demo = OpenDemoForm(GetParam().button);
    ASSERT_NE(demo, nullptr);
    p = GetParam().parts(demo.get());
  }
  void ClickOn(TControl* c) {
    Click(c, c->Width() / 2, c->Height() / 2);
    Pause();
  }
  std::string Status() const { return p.in->StatusChar->Text() + " " + p.in->StatusWord->Text(); }
  static std::string Status(char letter, uint16_t bits) {
    return std::string(1, letter) + " " + PadStatusWord(bits);
  }
  std::unique_ptr<TForm> demo;
  PadForm p{};
};

TEST_P(PadDemoTest, StartsSpringingBackWithoutRepeat) {
  EXPECT_TRUE(p.pad->AllowAllUp());
  EXPECT_FALSE(p.pad->LockMode());
  EXPECT_EQ(p.pad->RepSpeed(), 0);
  EXPECT_FALSE(p.in->Rast->Checked());
  EXPECT_FALSE(p.in->Lock->Checked());
  EXPECT_EQ(Status(), " ");
}

TEST_P(PadDemoTest, ModesAndRepeatSpeedReachThePad) {
  ClickOn(p.in->Rast);
  EXPECT_FALSE(p.pad->AllowAllUp());
  ClickOn(p.in->Lock);
  EXPECT_TRUE(p.pad->LockMode());
  ClickOn(p.in->Rast);
  EXPECT_TRUE(p.pad->AllowAllUp());
  ClickOn(p.in->Lock);
  EXPECT_FALSE(p.pad->LockMode());

  TTextSpin* spin = p.in->RepeatSpeed;
  for (int want : {1000, 500, 333, 250, 200}) {
    spin->StepPosition(true);
    spin->onChanging(spin);
    EXPECT_EQ(p.pad->RepSpeed(), want);
  }
  for (int i = 0; i < 5; ++i) {
    spin->StepPosition(false);
    spin->onChanging(spin);
  }
  EXPECT_EQ(p.pad->RepSpeed(), 0);  // the first entry switches the repeat off
}

TEST_P(PadDemoTest, DownAndUpShowTheLetterAndTheStatusWordWithABeep) {
  const PadCase& c = GetParam();
  const TPoint a = c.first, b = c.second;
  // Springing back: down while held, up again on release.
  Press(p.pad, a.X, a.Y);
  EXPECT_EQ(Status(), Status(c.firstLetter, c.firstBit));
  EXPECT_EQ(dialogs.Beeps().size(), 1u);
  Release(p.pad, a.X, a.Y);
  EXPECT_EQ(Status(), Status(char(std::tolower(c.firstLetter)), 0));
  EXPECT_EQ(dialogs.Beeps().size(), 2u);
  Pause();

  // "rast": the button stays down; the next one releases it first.
  ClickOn(p.in->Rast);
  Click(p.pad, a.X, a.Y);
  Pause();
  EXPECT_EQ(Status(), Status(c.firstLetter, c.firstBit));
  Click(p.pad, b.X, b.Y);
  Pause();
  EXPECT_EQ(Status(), Status(c.secondLetter, c.secondBit));
  EXPECT_EQ(p.pad->ButtonStatus(), c.secondBit);

  // "lock": no other button while one is down; clicking the down one releases it.
  ClickOn(p.in->Lock);
  Click(p.pad, a.X, a.Y);
  Pause();
  EXPECT_EQ(p.pad->ButtonStatus(), c.secondBit);
  Click(p.pad, b.X, b.Y);
  Pause();
  EXPECT_EQ(Status(), Status(char(std::tolower(c.secondLetter)), 0));
  EXPECT_EQ(dialogs.Beeps().size(), 6u);
}

TEST_P(PadDemoTest, SizeBarSizesThePadInItsProportions) {
  p.sizeBar->SetPosition(GetParam().size);
  Pump();
  EXPECT_EQ(p.pad->Width(), GetParam().sized.X);
  EXPECT_EQ(p.pad->Height(), GetParam().sized.Y);
  for (const std::string& fault : DemoFormFaults(*demo, *FindDemoForm(GetParam().button))) {
    ADD_FAILURE() << fault;
  }
  p.sizeBar->SetPosition(p.sizeBar->Max());  // the largest pad still leaves its neighbours free
  Pump();
  for (const std::string& fault : DemoFormFaults(*demo, *FindDemoForm(GetParam().button))) {
    ADD_FAILURE() << fault;
  }
}

INSTANTIATE_TEST_SUITE_P(Pads, PadDemoTest, ::testing::ValuesIn(kPads),
                         [](const auto& info) { return std::string(info.param.button); });

}  // namespace
