// What a control draws again after its paint (a setter, a click) looks as the paint drew it: the
// routine sets the font, pen and brush it draws with instead of finding them on the canvas.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "library/controls/tasten/bevel3d.h"
#include "library/controls/tasten/boxline.h"
#include "library/controls/tasten/ledbutton.h"
#include "library/controls/tasten/ledcheck.h"
#include "library/controls/tasten/spin.h"
#include "tasten_fixture.h"

namespace {

class RedrawTest : public TastenTest {
 public:
  using FormTest::Click;
  using FormTest::Pause;
  using TastenTest::Make;

 protected:
  using Made = std::pair<TCustomControl*, std::function<void()>>;
  static std::vector<TColor> Pixels(TCustomControl* c) {
    std::vector<TColor> all;
    for (int y = 0; y < c->Height(); ++y) {
      for (int x = 0; x < c->Width(); ++x) all.push_back(c->Canvas()->Pixels(x, y));
    }
    return all;
  }
};

TEST_F(RedrawTest, PartsDrawnAgainLookAsPainted) {
  const struct {
    const char* name;
    // Makes the control; returns it and what draws its part again and leaves it as it was.
    std::function<Made(RedrawTest&)> make;
  } cases[] = {
      {"box line, a box switched on and off",
       [](RedrawTest& t) -> Made {
         auto* l = t.Make<TBoxLine>(10, 10, 85, 160);
         return {l, [l] {
                   l->Box(2)->SetStatus(true);
                   l->Box(2)->SetStatus(false);
                 }};
       }},
      {"LED button, the caption on the LED",
       [](RedrawTest& t) -> Made {
         auto* b = t.Make<TLedButton>(10, 10, 60, 40);
         b->SetCaptType(ctLed);
         b->SetCaption("On");
         return {b, [b] {
                   b->SetLedOn(true);
                   b->SetLedOn(false);
                 }};
       }},
      {"LED button, the caption field",
       [](RedrawTest& t) -> Made {
         auto* b = t.Make<TLedButton>(10, 10, 60, 60);
         b->SetCaption("Go");
         return {b, [&t, b] {
                   // A toggle: pressed and released twice.
                   t.Click(b, 30, 50);
                   t.Pause();
                   t.Click(b, 30, 50);
                 }};
       }},
      {"plate, the caption",
       [](RedrawTest& t) -> Made {
         auto* p = t.Make<TBevel3D>(10, 10, 120, 50);
         p->SetCaptEnable(true);
         p->SetCaption("Plate");
         return {p, [&t, p] { t.Click(p, 60, 25); }};
       }},
      {"LED check box, the caption",
       [](RedrawTest& t) -> Made {
         auto* c = t.Make<TLedCheck>(10, 10, 120, 30);
         c->SetCaption("Check");
         return {c, [c] {
                   c->SetChecked(true);
                   c->SetChecked(false);
                 }};
       }},
      {"text spin, the field",
       [](RedrawTest& t) -> Made {
         auto* s = t.Make<TTextSpin>(10, 10, 100, 30);
         return {s, [s] {
                   s->SetPosition(1);
                   s->SetPosition(0);
                 }};
       }},
      {"serie spin, the field",
       [](RedrawTest& t) -> Made {
         auto* s = t.Make<TSerieSpin>(10, 10, 25, 46);
         return {s, [s] {
                   s->SetPosition(1);
                   s->SetPosition(0);
                 }};
       }},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    const auto [c, redraw] = k.make(*this);
    ShowForm();
    c->Update();
    const std::vector<TColor> painted = Pixels(c);
    Pause();
    redraw();
    Pump();
    EXPECT_TRUE(Pixels(c) == painted);
    delete c;
  }
}

}  // namespace
