// The box line demo: boxes and LED check boxes in step both ways, the byte of the two digits.

#include "programs/demo/forms/fboxline.h"

#include <string>

#include "tests/programs/demo/demo_fixture.h"

namespace {

class BoxLineDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    demo = OpenDemoForm("BoxLineBtn");
    f = static_cast<TBoxLineDemo*>(demo.get());
  }
  void ClickOn(TControl* c) {
    Click(c, c->Width() / 2, c->Height() / 2);
    Pause();
  }
  void ClickBox(int Box) {
    // Boxes of 18 with gaps of 4 from the top; the box column starts 22 from the left.
    Click(f->BoxLine1, 22 + 9, 2 + Box * 22 + 9);
    Pause();
  }
  void StepDigit(TSpin7Seg* Digit, bool Up) {
    const TRect r = Up ? Digit->UpperRect() : Digit->LowerRect();
    Click(Digit, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    Pause();
  }
  // Status of the eight boxes and of the eight status check boxes, box 0 first.
  std::string Boxes() const {
    std::string s;
    for (int i = 0; i < 8; ++i) s += f->BoxLine1->Box(i)->Status() ? '1' : '0';
    return s;
  }
  std::string Checks() const {
    std::string s;
    for (const TLedCheck* c : f->StatusCheck) s += c->Checked() ? '1' : '0';
    return s;
  }
  std::unique_ptr<TForm> demo;
  TBoxLineDemo* f = nullptr;
};

TEST_F(BoxLineDemoTest, BoxesAndStatusChecksStayInStep) {
  enum Kind { kBox, kStatus, kEnable };
  const struct {
    Kind kind;
    int index;
    const char* after;  // boxes and status checks alike
  } steps[] = {
      {kStatus, 2, "00100000"}, {kBox, 5, "00100100"},
      {kBox, 2, "00000100"},    {kStatus, 5, "00000000"},
      {kEnable, 3, "00000000"}, {kBox, 3, "00000000"},  // disabled: the click fires nothing
      {kStatus, 3, "00010000"},  // the status check still drives a disabled box
      {kBox, 3, "00010000"},     // and the box stays as it is
      {kEnable, 3, "00010000"}, {kBox, 3, "00000000"},
  };
  for (const auto& s : steps) {
    const std::string what = (s.kind == kBox      ? "box "
                              : s.kind == kStatus ? "status "
                                                  : "enable ") +
                             std::to_string(s.index);
    if (s.kind == kBox) ClickBox(s.index);
    if (s.kind == kStatus) ClickOn(f->StatusCheck[size_t(s.index)]);
    if (s.kind == kEnable) ClickOn(f->EnableCheck[size_t(s.index)]);
    EXPECT_EQ(Boxes(), s.after) << what;
    EXPECT_EQ(Checks(), s.after) << what;
  }
}

TEST_F(BoxLineDemoTest, DigitsGiveTheByteWithCarryAndBorrow) {
  const struct {
    int high, low;
    bool up;  // the step of the low digit
    int highAfter;
    int byte;
  } cases[] = {
      {0xF, 0xF, true, 0x0, 0x00},  {0x0, 0x0, false, 0xF, 0xFF}, {0x3, 0xF, true, 0x4, 0x40},
      {0x3, 0x0, false, 0x2, 0x2F}, {0x3, 0x5, true, 0x3, 0x36},  {0x3, 0x5, false, 0x3, 0x34},
  };
  for (const auto& c : cases) {
    f->HighNibble->SetValueInt(c.high);
    f->LowNibble->SetValueInt(c.low);
    StepDigit(f->LowNibble, c.up);
    EXPECT_EQ(f->HighNibble->ValueInt(), c.highAfter) << c.high << " " << c.low << " " << c.up;
    EXPECT_EQ(f->BoxLine2->BoxStatByte(), c.byte) << c.high << " " << c.low << " " << c.up;
  }
  // The high digit wraps on its own without a carry of its own.
  f->HighNibble->SetValueInt(0xF);
  f->LowNibble->SetValueInt(0x2);
  StepDigit(f->HighNibble, true);
  EXPECT_EQ(f->BoxLine2->BoxStatByte(), 0x02);
}

TEST_F(BoxLineDemoTest, UprightByteLineKeepsClearOfTheOtherControls) {
  ClickOn(f->VertCheck);
  ASSERT_EQ(f->BoxLine2->Orientation(), orVertical);
  const TRect line = f->BoxLine2->BoundsRect();
  EXPECT_LE(line.Bottom, f->ClientHeight());
  for (int i = 0; i < f->ControlCount(); ++i) {
    const TControl* c = f->Controls(i);
    if (c == f->BoxLine2) continue;
    const TRect r = c->BoundsRect();
    const bool overlap =
        r.Left < line.Right && line.Left < r.Right && r.Top < line.Bottom && line.Top < r.Bottom;
    EXPECT_FALSE(overlap) << c->Name();
  }
  ClickOn(f->OrderCheck);
  EXPECT_TRUE(f->BoxLine2->OrderUp());
}

}  // namespace
