#include <gtest/gtest.h>

#include <QScrollBar>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/testing/formtest.h"
#include "platform/forms/testing/qtwindows.h"

namespace {

// A windowed control that fills its client area and records sizes, clicks and scroll messages.
class Framed : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::vector<std::string> log;
  bool follow_thumb = false;  // takes the dragged position as its own
  bool free_on_scroll = false;

  void WndProc(TMessage& m) override {
    if (m.Msg == WM_SIZE) {
      log.push_back("size " + std::to_string(LoWord(m.LParam)) + "x" +
                    std::to_string(HiWord(m.LParam)));
    }
    if (m.Msg == WM_VSCROLL || m.Msg == WM_HSCROLL) {
      const int bar = m.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ;
      const int code = LoWord(m.WParam);
      std::string entry = (bar == SB_VERT ? "v" : "h") + std::to_string(code);
      if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
        entry += " " + std::to_string(HiSmall(m.WParam));
        if (follow_thumb) SetScrollPos(bar, HiSmall(m.WParam));
      }
      log.push_back(entry);
      if (code == SB_LINEDOWN) SetScrollPos(bar, GetScrollPos(bar) + 1);
      if (free_on_scroll) delete this;
      return;
    }
    TCustomControl::WndProc(m);
  }
  QScrollBar* Bar(int bar) const { return qtwindows::ScrollBarOf(this, bar); }

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(ClientRect());
  }
  void MouseDown(TMouseButton, TShiftState, int x, int y) override {
    log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
  }
};

class WinFrameTest : public FormTest {
 protected:
  Framed* Make(int w, int h) {
    auto* c = new Framed(form);
    c->SetParent(form);
    c->SetBounds(10, 10, w, h);
    return c;
  }
  const int cx = GetSystemMetrics(SM_CXVSCROLL);
  const int cy = GetSystemMetrics(SM_CYHSCROLL);
};

std::string Size(int w, int h) { return "size " + std::to_string(w) + "x" + std::to_string(h); }

TEST_F(WinFrameTest, BorderAndBarsLieOutsideTheClientArea) {
  Framed* c = Make(100, 80);
  ShowForm();
  ASSERT_GT(cx, 0);
  ASSERT_GT(cy, 0);
  c->log.clear();
  c->SetWindowBorder(true);
  c->ShowScrollBar(SB_VERT, true);
  c->SetScrollRange(SB_HORZ, 0, 10);  // a range shows the bar
  EXPECT_TRUE(c->ScrollBarVisible(SB_HORZ));
  EXPECT_EQ(c->ClientRect(), Rect(0, 0, 98 - cx, 78 - cy));
  EXPECT_EQ(c->log,
            (std::vector<std::string>{Size(98, 78), Size(98 - cx, 78), Size(98 - cx, 78 - cy)}));
  Pump();
  // The image is the client area: inside the border, beside the bars.
  EXPECT_EQ(ScreenPixel(c, 0, 0), clRed);
  EXPECT_EQ(ScreenPixel(c, c->ClientWidth() - 1, c->ClientHeight() - 1), clRed);
  EXPECT_EQ(ScreenPixel(c, -1, -1), ColorToRGB(clWindowFrame));
  EXPECT_EQ(ScreenPixel(c, c->ClientWidth(), c->ClientHeight()), ColorToRGB(clBtnFace));
  c->log.clear();
  Click(c, 0, 0);
  Pause();
  Click(c, -1, 5);  // on the border: no client input
  EXPECT_EQ(c->log, (std::vector<std::string>{"down 0,0"}));

  c->log.clear();
  c->SetScrollRange(SB_HORZ, 3, 3);  // an empty range hides the bar again
  c->ShowScrollBar(SB_VERT, true);   // no change, no message
  EXPECT_FALSE(c->ScrollBarVisible(SB_HORZ));
  EXPECT_EQ(c->log, (std::vector<std::string>{Size(98 - cx, 78)}));
  EXPECT_EQ(c->GetScrollPos(SB_HORZ), 3);
  c->SetClientHeight(50);
  EXPECT_EQ(c->Height(), 52);
}

TEST_F(WinFrameTest, RangeAndPositionAreTheControlsAndShownByTheBar) {
  Framed* c = Make(120, 160);
  c->SetScrollRange(SB_VERT, 0, 50);  // kept before the window exists
  EXPECT_EQ(c->SetScrollPos(SB_VERT, 70), 0);
  EXPECT_EQ(c->GetScrollPos(SB_VERT), 50);
  EXPECT_EQ(c->ClientWidth(), 120 - cx);
  ShowForm();
  QScrollBar* bar = c->Bar(SB_VERT);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->maximum(), 50);
  EXPECT_EQ(bar->value(), 50);
  c->SetScrollRange(SB_VERT, 10, 20);
  EXPECT_EQ(bar->minimum(), 10);
  EXPECT_EQ(bar->value(), 20);
  EXPECT_EQ(c->SetScrollPos(SB_VERT, 15), 20);
  EXPECT_EQ(bar->value(), 15);
  c->ShowScrollBar(SB_VERT, false);
  EXPECT_FALSE(bar->isVisible());
  EXPECT_EQ(c->ClientWidth(), 120);
}

TEST_F(WinFrameTest, BarActionsArriveAsScrollCodes) {
  Framed* c = Make(120, 160);
  c->SetScrollRange(SB_VERT, 0, 100);
  c->SetScrollRange(SB_HORZ, 0, 100);
  c->SetScrollPos(SB_VERT, 40);
  ShowForm();
  const struct {
    QAbstractSlider::SliderAction action;
    std::string message;
  } cases[] = {
      {QAbstractSlider::SliderSingleStepSub, "v0"}, {QAbstractSlider::SliderSingleStepAdd, "v1"},
      {QAbstractSlider::SliderPageStepSub, "v2"},   {QAbstractSlider::SliderPageStepAdd, "v3"},
      {QAbstractSlider::SliderToMinimum, "v6"},     {QAbstractSlider::SliderToMaximum, "v7"},
  };
  for (const auto& k : cases) {
    c->log.clear();
    const int before = c->GetScrollPos(SB_VERT);
    c->Bar(SB_VERT)->triggerAction(k.action);
    EXPECT_EQ(c->log, (std::vector<std::string>{k.message}));
    // The bar moves only as far as the control moved the position.
    EXPECT_EQ(c->Bar(SB_VERT)->value(), c->GetScrollPos(SB_VERT));
    EXPECT_EQ(c->GetScrollPos(SB_VERT), before + (k.message == "v1" ? 1 : 0));
  }
  c->log.clear();
  c->Bar(SB_HORZ)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(c->log, (std::vector<std::string>{"h1"}));
}

TEST_F(WinFrameTest, MouseOnArrowTrackAndThumb) {
  Framed* c = Make(120, 200);
  c->SetScrollRange(SB_VERT, 0, 100);
  c->SetScrollRange(SB_HORZ, 0, 100);
  ShowForm();
  const int x = c->ClientWidth() + cx / 2;
  const int h = c->ClientHeight();
  c->log.clear();
  Click(c, x, h - 2);  // the arrow at the bottom
  Pause();
  EXPECT_EQ(c->log, (std::vector<std::string>{"v1", "v8"}));
  EXPECT_EQ(c->Bar(SB_VERT)->value(), 1);
  c->log.clear();
  Click(c, x, h * 3 / 4);  // the track below the thumb
  Pause();
  EXPECT_EQ(c->log, (std::vector<std::string>{"v3", "v8"}));
  c->log.clear();
  Click(c, c->ClientWidth() - 2, h + cy / 2);  // the right arrow of the horizontal bar
  Pause();
  EXPECT_EQ(c->log, (std::vector<std::string>{"h1", "h8"}));

  // A drag reports where the thumb is; the bar then shows the control's position.
  c->SetScrollPos(SB_VERT, 0);
  const int thumb = cx + 3;  // just below the upper arrow
  c->log.clear();
  Press(c, x, thumb);
  Move(c, x, thumb + 40);
  const int dragged = c->Bar(SB_VERT)->sliderPosition();
  ASSERT_GT(dragged, 0);
  EXPECT_EQ(c->log, (std::vector<std::string>{"v5 " + std::to_string(dragged)}));
  Release(c, x, thumb + 40);
  Pause();
  EXPECT_EQ(c->log, (std::vector<std::string>{"v5 " + std::to_string(dragged),
                                              "v4 " + std::to_string(dragged), "v8"}));
  EXPECT_EQ(c->GetScrollPos(SB_VERT), 0);
  EXPECT_EQ(c->Bar(SB_VERT)->value(), 0);
  c->follow_thumb = true;
  Press(c, x, thumb);
  Move(c, x, thumb + 40);
  Release(c, x, thumb + 40);
  EXPECT_EQ(c->GetScrollPos(SB_VERT), dragged);
  EXPECT_EQ(c->Bar(SB_VERT)->value(), dragged);
}

TEST_F(WinFrameTest, AHandlerMayFreeTheControlDuringABarAction) {
  Framed* c = Make(120, 160);
  c->SetScrollRange(SB_VERT, 0, 100);
  ShowForm();
  c->free_on_scroll = true;
  c->Bar(SB_VERT)->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(form->ControlCount(), 0);
  Pump();
}

}  // namespace
