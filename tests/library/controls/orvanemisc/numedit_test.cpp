#include "library/controls/orvanemisc/numedit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "platform/forms/testing/formtest.h"

namespace {

class NumEditTest : public FormTest {
 protected:
  NumEditTest() {
    TickServiceStartup();
    edit = new TNumEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 160, 30);
    edit->SetPrecision(4);
    edit->SetValueFloat(5);
    edit->OnChange = [this](TObject*) { notes.push_back("change"); };
    edit->OnExit = [this](TObject*) { notes.push_back("exit"); };
    next = new TNumEdit(form);
    next->SetParent(form);
    next->SetBounds(10, 50, 160, 30);
  }
  ~NumEditTest() override {
    EnglishTexts = false;
    TickServiceShutdown();
  }

  void Type(const std::string& text) {
    for (char ch : text) {
      const uint16_t vk = ch >= 'a' && ch <= 'z' ? uint16_t(ch - 32) : uint16_t(ch);
      KeyPress(vk, std::string(1, ch));
    }
  }
  void Enter() { KeyPress(VK_RETURN, "\r"); }
  // The screen pixel in the middle of the caret's cell when the caret is at Index.
  TPoint CellMiddle(int Index) {
    TCanvas& c = *edit->Canvas();
    const std::string& t = edit->EditText();
    const int right = edit->TextOriginX() + c.TextWidth(t.substr(0, Index));
    const int left = right - c.TextWidth(t.substr(Index - 1, 1));
    const TRect& f = edit->FieldRect();
    return {(left + right) / 2, f.Top + 2};
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const TDialogRequest& r : dialogs.Asked()) texts.push_back(r.Text);
    return texts;
  }

  TNumEdit* edit;
  TNumEdit* next;
  std::vector<std::string> notes;
};

TEST_F(NumEditTest, ValueIsFormattedRightAlignedInTheField) {
  struct Case {
    double value;
    int precision, digits;
    std::string text;
  };
  const Case cases[] = {
      {5, 4, 1, "   5.0"},       {3.14159, 7, 2, "      3.14"},
      {-2.5, 4, 0, "  -3"},  // halves away from zero
      {0.25, 3, 1, "  0.3"},     {1e-7, 2, -1, "1.0E-07"},
      {123456, 4, 1, "1.235E5"},  // more integer digits than the precision
  };
  edit->SetValueMin(-1e9);
  edit->SetValueMax(1e9);
  ShowForm();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    edit->SetPrecision(c.precision);
    edit->SetDigits(c.digits);
    edit->SetValueFloat(c.value);
    edit->Update();
    EXPECT_EQ(edit->EditText(), c.text);
    EXPECT_EQ(edit->ValueText(), c.text.substr(c.text.find_first_not_of(' ')));
  }
  edit->SetUnitText(" V");
  edit->Update();
  // The unit text ends at the field's right edge, right behind the value.
  EXPECT_EQ(edit->TextOriginX() + edit->Canvas()->TextWidth(edit->EditText() + " V"),
            edit->FieldRect().Right);
}

// A field whose cells and unit are wider than it at the fitted height: the font also fits the
// width, so the first digit stands whole inside the field, and a blank sets the unit apart.
TEST_F(NumEditTest, WideEntryAndUnitFitTheField) {
  edit->SetBounds(10, 10, 200, 40);
  edit->SetDigits(6);
  edit->SetPrecision(2);
  edit->SetUnitText("bar");
  edit->SetLedEnable(true);
  edit->SetLedOn(true);
  edit->SetValueMax(1000);
  ShowForm();
  edit->SetFocus();
  Type("47.5");
  Enter();
  ASSERT_EQ(edit->ValueFloat(), 47.5);
  const std::string text = edit->EditText();
  ASSERT_EQ(text.find_first_not_of(' '), 0u);  // the value fills every cell
  TCanvas& c = *edit->Canvas();
  const TRect& f = edit->FieldRect();
  const auto ink_in_column = [&](int x) {
    for (int y = f.Top; y < f.Bottom; ++y) {
      if (c.Pixels(x, y) == clBlack) return true;
    }
    return false;
  };
  int first_ink = f.Right;
  for (int x = f.Left; x < f.Right && first_ink == f.Right; ++x) {
    if (ink_in_column(x)) first_ink = x;
  }
  EXPECT_GT(first_ink, f.Left) << "the first digit is cut at the field's edge";
  EXPECT_GE(edit->TextOriginX(), f.Left);
  // A blank's width without ink between the last digit and the unit.
  const int digits_end = edit->TextOriginX() + c.TextWidth(text);
  EXPECT_EQ(digits_end + c.TextWidth(" bar"), f.Right);
  for (int x = digits_end + 1; x < digits_end + c.TextWidth(" ") - 1; ++x) {
    EXPECT_FALSE(ink_in_column(x)) << x;
  }
}

TEST_F(NumEditTest, KeysOverwriteUnderTheCaretAndOthersBeep) {
  ShowForm();
  edit->SetFocus();
  EXPECT_EQ(edit->CaretIndex(), 1);
  Type("12");
  EXPECT_EQ(edit->EditText(), "12    ");
  EXPECT_EQ(edit->CaretIndex(), 3);
  Type("/");
  EXPECT_EQ(dialogs.Beeps().size(), 1u);
  EXPECT_EQ(edit->EditText(), "12    ");
  KeyPress(VK_BACK, "\b");
  KeyPress(VK_BACK, "\b");
  KeyPress(VK_BACK, "\b");  // not below the first character
  EXPECT_EQ(edit->CaretIndex(), 1);
  EXPECT_EQ(edit->EditText(), "12    ");  // nothing deleted
  Type(" ");
  EXPECT_EQ(edit->CaretIndex(), 2);
  Type("e3-.,9876");  // every number character; the last cell keeps being overwritten
  EXPECT_EQ(edit->EditText(), "1e3-.6");
  EXPECT_EQ(edit->CaretIndex(), 6);
  EXPECT_EQ(dialogs.Beeps().size(), 2u);  // ',' is no separator here
}

TEST_F(NumEditTest, EnterChecksTheEntryInBothLanguages) {
  struct Case {
    bool english;
    std::string entry;
    bool error_show;
    std::vector<std::string> messages;
    double value;
    int beeps;
    int changes;
  };
  const Case cases[] = {
      {false, "12", true, {"Wert zu gross"}, 5, 1, 0},
      {true, "12", true, {"value too large"}, 5, 1, 0},
      {false, "-1", true, {"Wert zu klein"}, 5, 1, 0},
      {true, "-1", true, {"value too small"}, 5, 1, 0},
      {false, "1-2", true, {"Illegaler Wert"}, 5, 1, 0},
      {true, "1-2", true, {"illegal value"}, 5, 1, 0},
      {false, "1-2", false, {}, 5, 1, 0},
      {false, "12", false, {}, 10, 0, 1},  // clamped to the range
      {false, "7", true, {}, 7, 0, 1},
      {false, "5.0", true, {}, 5, 0, 1},  // unchanged: still reported
  };
  ShowForm();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry + (c.english ? " en" : " de"));
    EnglishTexts = c.english;
    edit->SetErrorShow(c.error_show);
    edit->SetValueFloat(5);
    next->SetFocus();
    edit->SetFocus();
    dialogs.Clear();
    notes.clear();
    for (size_t i = 0; i < c.messages.size(); ++i) dialogs.Answer(mrOk);
    Type(c.entry);
    Enter();
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_EQ(int(dialogs.Beeps().size()), c.beeps);
    EXPECT_EQ(edit->ValueFloat(), c.value);
    EXPECT_EQ(int(std::count(notes.begin(), notes.end(), "change")), c.changes);
    EXPECT_EQ(edit->ValueText(), edit->EditText().substr(edit->EditText().find_first_not_of(' ')));
  }
}

TEST_F(NumEditTest, RightButtonConfirmsLikeEnter) {
  ShowForm();
  edit->SetFocus();
  Type("8");
  Click(edit, 20, 15, mbRight);
  EXPECT_EQ(edit->ValueFloat(), 8);
  EXPECT_EQ(notes, std::vector<std::string>{"change"});
}

TEST_F(NumEditTest, LeavingWithABadEntryWarnsOnceAndKeepsTheFocus) {
  edit->SetErrorShow(true);
  ShowForm();
  edit->SetFocus();
  Type("12");
  dialogs.Answer(mrOk);
  KeyPress(VK_TAB);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Wert zu gross"});
  EXPECT_EQ(dialogs.Beeps().size(), 1u);
  EXPECT_TRUE(edit->Focused());
  EXPECT_TRUE(notes.empty());  // no OnExit while the focus stays
  EXPECT_EQ(edit->ValueFloat(), 5);

  // Corrected, the entry is taken on leaving.
  dialogs.Clear();
  KeyPress(VK_BACK, "\b");
  KeyPress(VK_BACK, "\b");
  Type("09");  // nothing is deleted: the entry is overwritten
  KeyPress(VK_TAB);
  EXPECT_TRUE(next->Focused());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(edit->ValueFloat(), 9);
  EXPECT_EQ(notes, (std::vector<std::string>{"change", "exit"}));
}

TEST_F(NumEditTest, LeavingWithErrorExitRestoresTheOldValue) {
  edit->SetErrorExit(true);
  ShowForm();
  edit->SetFocus();
  Type("99");
  KeyPress(VK_TAB);
  EXPECT_TRUE(next->Focused());
  EXPECT_TRUE(dialogs.Beeps().empty());
  EXPECT_EQ(edit->EditText(), "   5.0");
  EXPECT_EQ(notes, std::vector<std::string>{"exit"});
  // An unchanged entry leaves without OnChange.
  notes.clear();
  edit->SetFocus();
  KeyPress(VK_TAB);
  EXPECT_EQ(notes, std::vector<std::string>{"exit"});
}

TEST_F(NumEditTest, RangeBoundsKeepTheirOrderAndTheValue) {
  edit->SetValueMax(3);
  EXPECT_EQ(edit->ValueFloat(), 3);
  EXPECT_EQ(edit->ValueInt(), 3);
  edit->SetValueMin(20);
  EXPECT_EQ(edit->ValueMin(), 3);
  edit->SetValueMin(0.4);
  edit->SetValueMax(10);
  edit->SetValueInt(0);  // the smallest integer in 0.4..10
  EXPECT_EQ(edit->ValueInt(), 1);
  EXPECT_EQ(edit->ValueFloat(), 1);
  edit->SetValueMax(0.8);
  edit->SetValueInt(0);  // no integer in 0.4..0.8: the bound as it is
  EXPECT_EQ(edit->ValueFloat(), 0.4);
  EXPECT_EQ(edit->ValueInt(), 0);
  edit->SetValueMax(1e12);
  edit->SetValueFloat(1e11);
  EXPECT_EQ(edit->ValueInt(), 2147483647);
}

TEST_F(NumEditTest, NumbersThatAreNotFiniteAreIgnored) {
  edit->SetValueMin(-10);
  edit->SetValueMax(10);
  edit->SetValueFloat(5);
  for (double v :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity()}) {
    edit->SetValueMin(v);
    edit->SetValueMax(v);
    edit->SetValueFloat(v);
  }
  EXPECT_EQ(edit->ValueMin(), -10);
  EXPECT_EQ(edit->ValueMax(), 10);
  EXPECT_EQ(edit->ValueFloat(), 5);
}

TEST_F(NumEditTest, StoredRangeLoadsAsStored) {
  TFormLoader loader(form);
  auto* a = loader.Add<TNumEdit>("A");
  a->SetValueFloat(50);
  a->SetValueMin(20);
  a->SetValueMax(100);
  auto* b = loader.Add<TNumEdit>("B");
  b->SetValueFloat(150);
  b->SetValueMin(20);
  b->SetValueMax(100);
  loader.Finish();
  EXPECT_EQ(a->ValueMin(), 20);
  EXPECT_EQ(a->ValueMax(), 100);
  EXPECT_EQ(a->ValueFloat(), 50);
  EXPECT_EQ(b->ValueFloat(), 100);
  EXPECT_EQ(b->ValueInt(), 100);
}

TEST_F(NumEditTest, CaretInvertsItsCellOnAnyColours) {
  struct Case {
    bool invert;
    TColor field;
  };
  for (const Case& c : {Case{false, clWhite}, Case{true, clBlack}}) {
    SCOPED_TRACE(c.invert);
    edit->SetDispInvert(c.invert);
    next->SetFocus();
    ShowForm();
    const TPoint p = CellMiddle(1);  // a blank cell
    EXPECT_EQ(edit->Canvas()->Pixels(p.X, p.Y), c.field);
    edit->SetFocus();
    EXPECT_EQ(edit->Canvas()->Pixels(p.X, p.Y), TColor(c.field ^ 0xFFFFFF));
  }
}

TEST_F(NumEditTest, ClickPutsTheCaretOnTheCharacter) {
  ShowForm();
  edit->SetFocus();
  const TPoint p = CellMiddle(5);  // the '.'
  Click(edit, p.X, p.Y);
  EXPECT_EQ(edit->CaretIndex(), 5);
  Pause();
  Click(edit, edit->FieldRect().Right - 1, p.Y);  // over the unit text: the last cell
  EXPECT_EQ(edit->CaretIndex(), 6);
}

TEST_F(NumEditTest, LedLightsInItsColourBlackOnWhite) {
  edit->SetLedEnable(true);
  edit->SetLedCol(clBlack);
  ShowForm();
  const TRect& r = edit->LedRect();
  const TPoint m{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  EXPECT_EQ(edit->Canvas()->Pixels(m.X, m.Y), clWhite);
  edit->SetLedOn(true);
  EXPECT_EQ(edit->Canvas()->Pixels(m.X, m.Y), clBlack);
  edit->SetLedCol(clRed);
  EXPECT_EQ(edit->Canvas()->Pixels(m.X, m.Y), clRed);
  edit->SetLedOn(false);
  EXPECT_EQ(edit->Canvas()->Pixels(m.X, m.Y), TColor(0x000060));
}

TEST_F(NumEditTest, FieldWithoutCellsTakesNoCharacters) {
  edit->SetPrecision(0);
  edit->SetDigits(0);
  ShowForm();
  edit->SetFocus();
  Type("12");
  EXPECT_EQ(edit->EditText(), "");
  EXPECT_EQ(edit->CaretIndex(), 1);
}

TEST_F(NumEditTest, ReadOnlyFieldIgnoresInputAndFiresNoExit) {
  edit->SetReadOnly(true);
  ShowForm();
  EXPECT_FALSE(edit->TabStop());
  Click(edit, 20, 15);
  EXPECT_FALSE(edit->Focused());
  edit->SetValueFloat(7);
  EXPECT_EQ(edit->EditText(), "   7.0");
  edit->SetTabStop(true);
  edit->SetFocus();
  Type("3");
  EXPECT_EQ(edit->EditText(), "   7.0");
  KeyPress(VK_TAB);
  EXPECT_TRUE(notes.empty());
}

TEST_F(NumEditTest, ControlTooSmallForItsFrameStillPaints) {
  edit->SetBounds(10, 10, 8, 6);  // no room inside the frame: the font cannot fit
  edit->SetLedEnable(true);
  ShowForm();
  EXPECT_EQ(edit->Canvas()->Font()->Size(), 1);
  edit->SetFocus();
  Type("1");
  EXPECT_EQ(edit->EditText().substr(0, 1), "1");
}

}  // namespace
