// The 3D lines of the bevels show from the first paint on, whatever pen the control's frame or an
// earlier drawing step left on the canvas.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "library/controls/tasten/spin.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/potis/potis.h"
#include "platform/forms/testing/formtest.h"

namespace {

struct TExpected {
  TPoint At;
  TColor Colour;
};
using TExpectations = std::vector<TExpected>;

class BevelLinesTest : public FormTest {
 public:
  BevelLinesTest() { TickServiceStartup(); }
  ~BevelLinesTest() override {
    delete form;  // the controls go before the service they are registered with
    form = nullptr;
    TickServiceShutdown();
  }

  template <class T>
  T* Make(int w, int h) {
    auto* c = new T(form);
    c->SetParent(form);
    c->SetBounds(10, 10, w, h);
    return c;
  }

  // The middles of a bevel ring's sides: upper on the left and top, lower on the right and
  // bottom.
  static TExpectations Ring(const TRect& R, TColor Upper, TColor Lower) {
    const int x = (R.Left + R.Right) / 2, y = (R.Top + R.Bottom) / 2;
    return {{{R.Left, y}, Upper},
            {{x, R.Top}, Upper},
            {{R.Right - 1, y}, Lower},
            {{x, R.Bottom - 1}, Lower}};
  }

  // A spin at the end of its list with the limiter on: a press on the up button is refused, so
  // press and release only draw the button's edges, sunken and then raised as after the paint.
  // The edges are the pixels that differ between the two, but for those under the (black) arrow,
  // which the paint draws after the edges.
  TExpectations PressedAndReleased(TControl* C, TPoint Up) {
    const Shot painted = ScreenShot(C);
    Press(C, Up.X, Up.Y);
    const Shot pressed = ScreenShot(C);
    Release(C, Up.X, Up.Y);
    const Shot released = ScreenShot(C);
    TExpectations edges;
    for (int y = 0; y < C->Height(); ++y) {
      for (int x = 0; x < C->Width(); ++x) {
        const TColor raised = released.Pixel(x, y);
        if (pressed.Pixel(x, y) != raised && painted.Pixel(x, y) != clBlack) {
          edges.push_back({{x, y}, raised});
        }
      }
    }
    EXPECT_GT(edges.size(), 10u);
    return edges;
  }
  static TControl* AtTheEnd(TCustomSpin* S) {
    S->SetLimiter(true);
    S->SetPosition(S->PosText()->Count() - 1);
    return S;
  }
};

TEST_F(BevelLinesTest, DrawnByTheFirstPaint) {
  form->SetBounds(100, 100, 400, 400);
  const struct {
    const char* name;
    std::function<TControl*(BevelLinesTest&)> make;
    // After the first paint: where the bevel's lines show.
    std::function<TExpectations(BevelLinesTest&, TControl*)> where;
  } cases[] = {
      {"slide potentiometer, raised caption",
       [](BevelLinesTest& t) -> TControl* {
         auto* p = t.Make<TPotiSlide>(60, 300);
         p->SetCaptEnable(true);
         p->SetCaptBevel(bvRaised);
         return p;
       },
       [](BevelLinesTest&, TControl* c) {
         TRect r = static_cast<TPotiSlide*>(c)->CaptionRect();
         InflateRect(r, 1, 1);
         return Ring(r, clWhite, clGray);
       }},
      {"slide switch, lowered caption",
       [](BevelLinesTest& t) -> TControl* {
         auto* s = t.Make<TSelectorSlide>(58, 98);
         s->SetCaptEnable(true);
         s->SetCaptBevel(bvLowered);
         return s;
       },
       [](BevelLinesTest&, TControl* c) {
         TRect r = static_cast<TSelectorSlide*>(c)->CaptionRect();
         InflateRect(r, 1, 1);
         return Ring(r, clGray, clWhite);
       }},
      // The trench's top and bottom lines: the button sits at the left end, clear of the middle.
      {"slider, lowered trench",
       [](BevelLinesTest& t) -> TControl* { return t.Make<TSlider>(150, 20); },
       [](BevelLinesTest&, TControl* c) {
         const TExpectations e = Ring(static_cast<TSlider*>(c)->TrenchRect(), clGray, clWhite);
         return TExpectations{e[1], e[3]};
       }},
      {"slider, raised trench",
       [](BevelLinesTest& t) -> TControl* {
         auto* s = t.Make<TSlider>(150, 20);
         s->SetTrenchStyle(bvRaised);
         return s;
       },
       [](BevelLinesTest&, TControl* c) {
         const TExpectations e = Ring(static_cast<TSlider*>(c)->TrenchRect(), clWhite, clGray);
         return TExpectations{e[1], e[3]};
       }},
      {"text spin, button edges",
       [](BevelLinesTest& t) -> TControl* { return AtTheEnd(t.Make<TTextSpin>(100, 30)); },
       [](BevelLinesTest& t, TControl* c) {
         return t.PressedAndReleased(c, {88, 8});
       }},
      {"serie spin, button edges",
       [](BevelLinesTest& t) -> TControl* { return AtTheEnd(t.Make<TSerieSpin>(25, 46)); },
       [](BevelLinesTest& t, TControl* c) {
         return t.PressedAndReleased(c, {12, 6});
       }},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    TControl* c = k.make(*this);
    ShowForm();
    const Shot painted = ScreenShot(c);
    int wrong = 0;
    for (const TExpected& e : k.where(*this, c)) {
      const TColor shown = painted.Pixel(e.At.X, e.At.Y);
      if (shown != e.Colour && ++wrong <= 3) {
        ADD_FAILURE() << "at (" << e.At.X << ", " << e.At.Y << "): " << std::hex << shown
                      << " instead of " << e.Colour;
      }
    }
    EXPECT_EQ(wrong, 0);
    delete c;
  }
}

}  // namespace
