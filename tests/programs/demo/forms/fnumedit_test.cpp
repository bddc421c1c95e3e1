// The numeric entry demo: an accepted entry shows as integer and float, the potentiometer drives
// the instrument through the chosen event, and the entry's hint names its range.

#include "programs/demo/forms/fnumedit.h"

#include "platform/base/sysutils.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class NumEditDemoTest : public DemoTest {
 protected:
  void SetUp() override {
    demo = OpenDemoForm("NumEditBtn");
    f = static_cast<TNumEditDemo*>(demo.get());
  }
  // Keys go to the window of `form`: the demo form's, while they are typed.
  void Keys(const std::string& text, uint16_t last) {
    TForm* own = form;
    form = f;
    for (char ch : text) KeyPress(uint16_t(ch), std::string(1, ch));
    if (last != 0) KeyPress(last, last == VK_RETURN ? "\r" : "\t");
    form = own;
  }
  std::unique_ptr<TForm> demo;
  TNumEditDemo* f = nullptr;
};

TEST_F(NumEditDemoTest, AnAcceptedEntryShowsAsIntegerAndFloat) {
  const struct {
    const char* typed;
    uint16_t key;  // Enter or Tab
    int32_t shownInt;
    double shownFloat;
  } cases[] = {
      {"12.5", VK_RETURN, 12, 12.5},     {"13.5", VK_TAB, 14, 13.5},
      {"-99.5", VK_RETURN, -100, -99.5}, {"999.9", VK_TAB, 1000, 999.9},
      {"-100", VK_RETURN, -100, -100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    f->SetActiveControl(f->CloseBtn);  // so that the click starts a fresh entry
    Click(f->NumEdit1, 20, 10);
    Pause();
    Keys(c.typed, c.key);
    EXPECT_EQ(f->NumEdit2->ValueInt(), c.shownInt);
    EXPECT_DOUBLE_EQ(f->NumEdit3->ValueFloat(), c.shownFloat);
    EXPECT_EQ(f->NumEdit3->ValueText(), FloatToStrF(c.shownFloat, ffFixed, 7, 1));
  }
  // Out of range: refused with its message, the views keep the last accepted value.
  f->SetActiveControl(f->CloseBtn);
  Click(f->NumEdit1, 20, 10);
  Pause();
  dialogs.Answer(mrOk);
  Keys("2000", VK_RETURN);
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_EQ(dialogs.Asked()[0].Text, "Wert zu gross");
  EXPECT_EQ(f->NumEdit2->ValueInt(), -100);
  EXPECT_DOUBLE_EQ(f->NumEdit3->ValueFloat(), -100);
}

TEST_F(NumEditDemoTest, ThePotentiometerDrivesTheInstrumentThroughTheChosenEvent) {
  const struct {
    bool onChanged;
    bool fireChanged;
    double value;
    double shown;
  } cases[] = {
      {false, false, 7.5, 7.5},   // changing event while unchecked
      {false, true, 2.5, 0},      // the changed event does nothing then
      {true, true, 4.25, 4.25},   // checked: the changed event
      {true, false, 6, 0},        // and the changing event does nothing
      {false, false, 10, 9.999},  // the instrument ends at 9.999
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    f->NumEdit4->SetValueFloat(0);
    f->EventSel->SetChecked(c.onChanged);
    f->Poti2701->SetValue(c.value);
    TNotifyEvent& event = c.fireChanged ? f->Poti2701->onChanged : f->Poti2701->onChanging;
    event(f->Poti2701);
    EXPECT_DOUBLE_EQ(f->NumEdit4->ValueFloat(), c.shown);
  }
}

TEST_F(NumEditDemoTest, TheEntrysHintNamesItsRange) {
  EXPECT_DOUBLE_EQ(f->NumEdit1->ValueMin(), -100);
  EXPECT_DOUBLE_EQ(f->NumEdit1->ValueMax(), 999.9);
  const std::string range = "von " + FloatToStr(f->NumEdit1->ValueMin()) + " bis " +
                            FloatToStr(f->NumEdit1->ValueMax()) + ".";
  EXPECT_NE(f->NumEdit1->Hint().find(range), std::string::npos) << f->NumEdit1->Hint();
}

TEST_F(NumEditDemoTest, AClickOnTheFormsFreeAreaFocusesExit) {
  Click(f->NumEdit1, 20, 10);
  ASSERT_EQ(f->ActiveControl(), f->NumEdit1);
  Pause();
  Click(f, 470, 100);
  EXPECT_EQ(f->ActiveControl(), f->CloseBtn);
}

}  // namespace
