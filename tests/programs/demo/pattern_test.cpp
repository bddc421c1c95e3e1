// The pieces every demo form is made of: the run, the selector tables, the readout, the event
// select, the beep and the colour button.

#include "platform/base/strings.h"
#include "platform/base/sysutils.h"
#include "platform/forms/stdctrls/stdctrls.h"
#include "programs/demo/demoform.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class PatternTest : public DemoTest {};

TEST_F(PatternTest, ReadoutTexts) {
  const struct {
    int32_t value;
    int digits;
    const char* text;
  } ints[] = {
      {31, 6, "$00001F"},       {0xFFFFFF, 6, "$FFFFFF"}, {0x1234567, 6, "$1234567"},
      {0x1234, 8, "$00001234"}, {-1, 6, "$FFFFFFFF"},     {-256, 8, "$FFFFFF00"},
  };
  for (const auto& c : ints) EXPECT_EQ(IntText(c.value, c.digits), c.text) << c.value;
  EXPECT_EQ(PositionText(-3), "-3");
  const struct {
    double value;
    const char* point;
    const char* comma;
  } floats[] = {
      {0.5, "0.5", "0,5"},
      {100, "100", "100"},
      {1e-6, "1E-6", "1E-6"},
      {-2.25, "-2.25", "-2,25"},
      {1.0 / 3, "0.333333333333333", "0,333333333333333"},
  };
  for (const auto& c : floats) {
    DecimalSeparator = '.';
    EXPECT_EQ(FloatText(c.value), c.point);
    DecimalSeparator = ',';
    EXPECT_EQ(FloatText(c.value), c.comma);
  }
}

TEST_F(PatternTest, ReadoutFillsLabelsAndShapeAndBeeps) {
  TReadout r{new TLabel(form), new TLabel(form), new TLabel(form), new TShape(form), 8};
  for (TControl* c : {static_cast<TControl*>(r.Position), static_cast<TControl*>(r.Int),
                      static_cast<TControl*>(r.Float), static_cast<TControl*>(r.Color)}) {
    c->SetParent(form);
  }
  r.Show(4, 0xABC, 2.5, clAqua);
  EXPECT_EQ(r.Position->Caption(), "4");
  EXPECT_EQ(r.Int->Caption(), "$00000ABC");
  EXPECT_EQ(r.Float->Caption(), "2.5");
  EXPECT_EQ(r.Color->Brush()->Color(), clAqua);
  EXPECT_EQ(dialogs.Beeps(), std::vector<unsigned>{0xFFFF});
  TReadout{}.Show(1, 1, 1, clRed);  // nothing to write: only the beep
  EXPECT_EQ(dialogs.Beeps().size(), 2u);
}

TEST_F(PatternTest, EventSelectRunsTheReadoutInOneOfTheTwoEvents) {
  auto* box = new TCheckBox(form);
  box->SetParent(form);
  int runs = 0;
  const TNotifyEvent changing = SelectedEvent(box, false, [&] { ++runs; });
  const TNotifyEvent changed = SelectedEvent(box, true, [&] { ++runs; });
  const struct {
    bool checked;
    bool changedEvent;
    bool runs;
  } cases[] = {
      {false, false, true}, {false, true, false}, {true, false, false}, {true, true, true}};
  for (const auto& c : cases) {
    box->SetChecked(c.checked);  // read at every call, not when the handler was made
    runs = 0;
    (c.changedEvent ? changed : changing)(nullptr);
    EXPECT_EQ(runs, c.runs ? 1 : 0) << c.checked << c.changedEvent;
  }
}

TEST_F(PatternTest, SelectorTablesGiveTheirValues) {
  auto* group = new TRadioGroup(form);
  group->SetParent(form);
  group->SetBounds(10, 10, 150, 120);
  TColor chosen = clNone;
  BindSelector<TColor>(group, kYellowColorItems, [&](const TColor& c) { chosen = c; });
  ASSERT_EQ(group->Items()->Count(), 4);
  EXPECT_EQ(group->Items()->Strings(3), "blau");
  const TColor expected[] = {0x000000, 0x00FFFF, 0x0000FF, 0xFFFF00};  // "blau" is aqua here
  for (int i = 0; i < 4; ++i) {
    group->SetItemIndex(i);
    EXPECT_EQ(chosen, expected[i]) << i;
  }
  EXPECT_EQ(kGreyColorItems.Values[3], TColor(0xFF0000));  // and blue in the others
  TLedSetting led{};
  EXPECT_TRUE(kLedItems.ValueAt(2, led));
  EXPECT_EQ(led, (TLedSetting{false, true}));
  EXPECT_FALSE(kLedItems.ValueAt(-1, led));
  EXPECT_FALSE(kLedItems.ValueAt(3, led));
  TTastStyle style{};
  EXPECT_TRUE(kSwitchItems.ValueAt(1, style));
  EXPECT_EQ(style, tsPushPull);
}

TEST_F(PatternTest, ColourButtonAppliesOnlyAnOkAnswer) {
  TColor applied = clNone;
  dialogs.Answer(mrOk, "", 0x123456);
  EXPECT_TRUE(ChooseColor(clRed, [&](TColor c) { applied = c; }));
  EXPECT_EQ(applied, TColor(0x123456));
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_EQ(dialogs.Asked()[0].Kind, "TColorDialog");
  EXPECT_EQ(dialogs.Asked()[0].Text, "$000000FF");  // starts at the current colour
  dialogs.Answer(mrCancel);
  EXPECT_FALSE(ChooseColor(clRed, [&](TColor c) { applied = c; }));
  EXPECT_EQ(applied, TColor(0x123456));
}

// A demo form made for the test: the frame of one index entry and its closing button.
bool g_testFormAlive = false;

class TTestDemo : public TDemoForm {
 public:
  explicit TTestDemo(TComponent* AOwner) : TDemoForm(AOwner, "TLedTastDemo") {
    TFormLoader loader(this);
    Closer = AddCloser(loader, 10, 10);
    loader.Finish();
    g_testFormAlive = true;
    OnShow = [this](TObject*) { Closer->Click(); };  // the user closes it at once
  }
  ~TTestDemo() override { g_testFormAlive = false; }
  TButton* Closer;
};

TEST_F(PatternTest, RunShowsTheFormModallyAndFreesIt) {
  EXPECT_EQ(RunDemoForm(NewDemoForm<TTestDemo>), mrCancel);  // the closer's modal result
  EXPECT_FALSE(g_testFormAlive);
  TTestDemo demo(nullptr);
  const TDemoFormInfo& info = demo.Info();
  EXPECT_TRUE(DemoFormFaults(demo, info).empty());
  EXPECT_EQ(demo.Caption(), "Led-Tasten Demo");
  EXPECT_EQ(demo.Closer->Caption(), "&Schließen"_ansi);
  EXPECT_EQ(demo.Position(), poScreenCenter);
  EXPECT_EQ(demo.Font()->Height(), -13);
}

}  // namespace
