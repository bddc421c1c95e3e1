#include "library/controls/orvanemisc2/rollbar.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/forms/testing/formtest.h"

namespace {

class RollProbe : public TRollBar {
 public:
  using TRollBar::TRollBar;
  std::vector<int> heights;

 protected:
  void BoundsChanged(const TRect& OldBounds) override {
    if (OldBounds.Height() != Height()) heights.push_back(Height());
    TRollBar::BoundsChanged(OldBounds);
  }
};

class RollBarTest : public FormTest {
 protected:
  RollProbe* Make() {
    auto* bar = new RollProbe(form);
    bar->SetParent(form);
    bar->SetLeft(10);
    bar->SetTop(10);
    bar->OnUpDown = [this](TObject*) { ++updowns; };
    return bar;
  }
  int updowns = 0;
};

TEST_F(RollBarTest, RollsUpToTheCaptionBarAndDownToHeightMax) {
  RollProbe* bar = Make();
  ShowForm();
  EXPECT_EQ(bar->Height(), 145);
  EXPECT_EQ(bar->MinHeight(), 18 + 1 + 2);
  Click(bar->RollUpButton(), 5, 5);
  EXPECT_EQ(bar->Height(), 21);
  EXPECT_FALSE(bar->Down());
  EXPECT_TRUE(bar->RollDownButton()->Visible());
  EXPECT_FALSE(bar->RollUpButton()->Visible());
  Click(bar->RollDownButton(), 5, 5);
  EXPECT_EQ(bar->Height(), 145);
  EXPECT_TRUE(bar->Down());
  EXPECT_EQ(updowns, 2);
}

// A caption set after the painting is written in ColCaption, as the painting writes it.
TEST_F(RollBarTest, CaptionSetLaterTakesItsColour) {
  RollProbe* bar = Make();
  ShowForm();
  bar->SetCaption("WWWW");
  Pump();
  int ink = 0;
  for (int y = 0; y < bar->MinHeight(); ++y) {
    for (int x = 0; x < bar->Width(); ++x) ink += bar->Canvas()->Pixels(x, y) == bar->ColCaption();
  }
  EXPECT_GT(ink, 20);
}

TEST_F(RollBarTest, RollSpeedsStepThroughTheHeights) {
  RollProbe* bar = Make();
  bar->SetRollSpeed(trFast);
  ShowForm();
  bar->heights.clear();
  bar->RollUp();
  EXPECT_EQ(bar->heights, (std::vector<int>{95, 45, 0, 21}));
  bar->heights.clear();
  bar->RollDown();
  EXPECT_EQ(bar->heights, (std::vector<int>{54, 87, 120, 153, 145}));
}

TEST_F(RollBarTest, CaptionHeightIsClampedAndSetsTheFont) {
  RollProbe* bar = Make();
  bar->SetCapHeight(25);
  EXPECT_EQ(bar->CapHeight(), 20);
  EXPECT_TRUE(bar->CloseButton()->Font()->Style().Contains(fsBold));
  bar->SetCapHeight(5);
  EXPECT_EQ(bar->CapHeight(), 13);
  EXPECT_FALSE(bar->CloseButton()->Font()->Style().Contains(fsBold));
  EXPECT_EQ(bar->CloseButton()->Width(), 11);
}

TEST_F(RollBarTest, RollingUpBeforeTheFirstPaintingKeepsTheCaptionBar) {
  RollProbe* bar = Make();
  bar->RollUp();
  EXPECT_EQ(bar->Height(), 21);
  bar->SetDown(true);  // before the first painting only stored
  EXPECT_EQ(bar->Height(), 21);
  ShowForm();
  EXPECT_EQ(bar->Height(), 145);
}

TEST_F(RollBarTest, PaintingKeepsTheStackingOrder) {
  RollProbe* first = Make();
  RollProbe* second = Make();
  second->SetBounds(150, 60, 130, 150);
  ShowForm();
  EXPECT_EQ(form->Controls(form->ControlCount() - 1), second);
  first->Invalidate();
  Pump();
  EXPECT_EQ(form->Controls(form->ControlCount() - 1), second);
  Click(first->RollUpButton(), 5, 5);
  Click(first->RollDownButton(), 5, 5);  // a roll-down by the user brings it up
  EXPECT_EQ(form->Controls(form->ControlCount() - 1), first);
}

TEST_F(RollBarTest, CloseHidesAndResizingIsUndoneByPainting) {
  RollProbe* bar = Make();
  int closes = 0;
  bar->OnClose = [&](TObject*) { ++closes; };
  ShowForm();
  bar->SetHeight(100);
  Pump();
  EXPECT_EQ(bar->Height(), 145);
  Click(bar->CloseButton(), 5, 5);
  EXPECT_FALSE(bar->Visible());
  EXPECT_EQ(closes, 1);
}

TEST_F(RollBarTest, DraggedByTheCaptionWhenAllowed) {
  RollProbe* bar = Make();
  bar->SetCanMove(true);
  ShowForm();
  Press(bar, 60, 8);
  Move(bar, 70, 13);
  Release(bar, 60, 8);  // the same screen point: the panel has moved under it
  EXPECT_EQ(bar->Left(), 20);
  EXPECT_EQ(bar->Top(), 15);
}

}  // namespace
