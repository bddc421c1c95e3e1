#include "library/controls/orvanemisc/alphabar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/testing/formtest.h"

namespace {

class AlphaBarTest : public FormTest {
 protected:
  TAlphaBar* Make(std::vector<std::string> lines) {
    auto* bar = new TAlphaBar(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 300, 120);
    bar->SetButtonXSpacing(1);
    bar->SetButtonYSpacing(1);
    TStringList list;
    for (const std::string& l : lines) list.Add(l);
    bar->SetAlphaButtons(&list);
    bar->OnValueChange = [this, bar](TObject*) { seen += bar->ActiveButton(); };
    return bar;
  }
  void ClickButton(TAlphaBar* bar, char c) {
    TSpeedButton* b = bar->FindButton(c);
    ASSERT_NE(b, nullptr) << c;
    Click(b, 5, 5);
  }
  std::string seen;
};

TEST_F(AlphaBarTest, LayoutOfTheDemoKeyboard) {
  TAlphaBar* bar = Make({"1234567890", " qwertzuiop", "asdfghjkl", " yxcvbnm +-*/"});
  struct Case {
    char c;
    int x, y;
  };
  for (Case k : {Case{'1', 2, 2}, Case{'q', 11, 21}, Case{'a', 2, 40}, Case{'m', 125, 59},
                 Case{'+', 153, 59}, Case{'/', 210, 59}}) {
    TSpeedButton* b = bar->FindButton(k.c);
    ASSERT_NE(b, nullptr) << k.c;
    EXPECT_EQ(b->Left(), k.x) << k.c;
    EXPECT_EQ(b->Top(), k.y) << k.c;
    EXPECT_EQ(b->Width(), 18);
    EXPECT_EQ(b->Caption(), std::string(1, k.c));
  }
  EXPECT_EQ(bar->ControlCount(), 10 + 10 + 9 + 11);
}

TEST_F(AlphaBarTest, BlankAndEmptyLinesAdvanceTheRows) {
  TAlphaBar* bar = Make({"a", " ", "b", "", "c"});
  EXPECT_EQ(bar->FindButton('b')->Top(), 2 + 19 + 1);
  EXPECT_EQ(bar->FindButton('c')->Top(), 2 + 19 + 1 + 19 + 9 + 1);
}

TEST_F(AlphaBarTest, AClickGivesTheLetter) {
  TAlphaBar* bar = Make({"abc"});
  ShowForm();
  ClickButton(bar, 'b');
  ClickButton(bar, 'c');
  EXPECT_EQ(seen, "bc");
  EXPECT_EQ(bar->ActiveButton(), 'c');
  EXPECT_FALSE(bar->FindButton('b')->Down());
  EXPECT_FALSE(bar->FindButton('c')->Down());
}

TEST_F(AlphaBarTest, LatchingButtons) {
  TAlphaBar* bar = Make({"abc"});
  bar->SetRastButtons(true);
  ShowForm();
  ClickButton(bar, 'a');
  ClickButton(bar, 'b');
  EXPECT_FALSE(bar->FindButton('a')->Down());
  EXPECT_TRUE(bar->FindButton('b')->Down());
  ClickButton(bar, 'b');  // stays down without AllowAllUp
  EXPECT_TRUE(bar->FindButton('b')->Down());
  EXPECT_EQ(seen, "abb");
  bar->SetAllowAllUp(true);
  ClickButton(bar, 'b');
  EXPECT_FALSE(bar->FindButton('b')->Down());
  EXPECT_EQ(bar->ActiveButton(), 0);
}

TEST_F(AlphaBarTest, ActiveButtonSetter) {
  TAlphaBar* bar = Make({"abc", "c"});
  bar->SetRastButtons(true);
  bar->SetActiveButton('c');  // two 'c' buttons: the later one
  EXPECT_TRUE(bar->FindButton('c')->Down());
  EXPECT_EQ(bar->FindButton('c')->Top(), 21);
  bar->SetActiveButton('z');  // no such button: stored, nothing pressed
  EXPECT_EQ(bar->ActiveButton(), 'z');
  EXPECT_TRUE(bar->FindButton('c')->Down());
  bar->SetActiveButton('a');
  bar->SetActiveButton(0);  // a latched button comes up even without AllowAllUp
  EXPECT_FALSE(bar->FindButton('a')->Down());
  EXPECT_EQ(bar->ActiveButton(), 0);
  EXPECT_EQ(seen, std::string("cza") + '\0');
}

TEST_F(AlphaBarTest, RebuildFromTheValueHandlerIsSafe) {
  TAlphaBar* bar = Make({"ab"});
  ShowForm();
  bar->OnValueChange = [bar](TObject*) {
    if (bar->ActiveButton() == 'a') bar->SetButtonWidth(20);  // frees the clicked button
  };
  ClickButton(bar, 'a');
  Pump();
  EXPECT_EQ(bar->FindButton('a')->Width(), 20);
  EXPECT_EQ(bar->ControlCount(), 2);
  ClickButton(bar, 'b');
  EXPECT_EQ(bar->ActiveButton(), 'b');
}

TEST_F(AlphaBarTest, OtherChildrenAreFreedByARebuild) {
  TAlphaBar* bar = Make({"ab"});
  auto* stranger = new TSpeedButton(form);
  stranger->SetParent(bar);
  EXPECT_EQ(bar->ControlCount(), 3);
  bar->SetBlankXSize(5);
  EXPECT_EQ(bar->ControlCount(), 2);
}

TEST_F(AlphaBarTest, ALoadedBarBuildsOnce) {
  TFormLoader loader(form);
  auto* bar = loader.Add<TAlphaBar>("AlphaBar1");
  TStringList list;
  list.Add("xy");
  bar->SetAlphaButtons(&list);
  bar->SetButtonWidth(30);
  EXPECT_EQ(bar->ControlCount(), 0);
  loader.Finish();
  ASSERT_EQ(bar->ControlCount(), 2);
  EXPECT_EQ(bar->FindButton('y')->Left(), 2 + 30 - 1);
}

}  // namespace
