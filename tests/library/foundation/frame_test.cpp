#include "library/foundation/frame.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/forms/testing/formtest.h"

namespace {

constexpr TColor kBg = clBlue;
constexpr TColor W = clWhite, G = clGray, S = clSilver, B = clBlack, X = kBg;

// Opens the protected parts the tests look at.
template <class Base>
class Probe : public Base {
 public:
  explicit Probe(TComponent* owner) : Base(owner) {}
  void Invalidate() override {
    ++invalidations;
    Base::Invalidate();
  }
  void SetPressEffect(bool v) { this->PressEffect = v; }
  void SetLoading(bool v) { this->SetLoadingState(v, v); }
  void SetStyle(TTastStyle s) { this->FButtonStyle = s; }
  void ForceDown(bool d) { this->FDown = d; }
  bool IsDown() const { return this->FDown; }
  TRect Inner() const { return this->InnerRect; }
  void PaintNow() { this->Paint(); }
  TBitmap* Frame() { return this->FrameBitmap.get(); }
  TBitmap* Work() { return this->WorkBitmap.get(); }
  int invalidations = 0;
};
using RahmenProbe = Probe<TRahmen>;
using BaseProbe = Probe<TOrvaneBase>;

class FrameTest : public FormTest {
 protected:
  template <class T>
  T* Make() {
    auto* c = new T(form);
    c->SetParent(form);
    c->SetBounds(20, 20, 200, 100);
    c->SetColBgnd(kBg);
    return c;
  }
  // Colours along the middle row from the left edge and from the right edge, and along the
  // middle column from the top edge and from the bottom edge.
  static std::string Edges(TCanvas& c, int n = 7) {
    std::string s;
    auto put = [&](TColor col) {
      s += col == W ? 'W' : col == G ? 'G' : col == S ? 'S' : col == B ? 'B' : col == X ? '.' : '?';
    };
    for (int i = 0; i < n; ++i) put(c.Pixels(i, 50));
    s += '|';
    for (int i = 0; i < n; ++i) put(c.Pixels(199 - i, 50));
    s += '|';
    for (int i = 0; i < n; ++i) put(c.Pixels(100, i));
    s += '|';
    for (int i = 0; i < n; ++i) put(c.Pixels(100, 99 - i));
    return s;
  }
  std::vector<std::string> events;
  void Record(TFrameControl* c) {
    c->OnDown = [this](TObject*) { events.push_back("down"); };
    c->OnUp = [this](TObject*) { events.push_back("up"); };
    c->OnClick = [this](TObject*) { events.push_back("click"); };
    c->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
      events.push_back("platform");
    };
  }
};

TEST_F(FrameTest, ConstructorDefaults) {
  auto* c = new RahmenProbe(form);
  EXPECT_EQ(c->Width(), 200);
  EXPECT_EQ(c->Height(), 100);
  EXPECT_EQ(c->Font()->Name(), "Arial");
  EXPECT_EQ(c->BevelIn(), bvNone);
  EXPECT_EQ(c->BevelOut(), bvRaised);
  EXPECT_EQ(c->BevWidth(), 2);
  EXPECT_EQ(c->BordWidth(), 2);
  EXPECT_EQ(c->ColBgnd(), clSilver);
  EXPECT_EQ(c->ColBack(), clSilver);
  EXPECT_EQ(c->ColBtnBord(), clBlack);
  EXPECT_EQ(c->ButtonStyle(), tsNone);
  EXPECT_TRUE(c->FontAutom());
  EXPECT_FALSE(c->Framed());
  EXPECT_FALSE(c->Status());
  EXPECT_TRUE(c->BordLeft() && c->BordTop() && c->BordRight() && c->BordBottom());
}

TEST_F(FrameTest, WidthsAreClampedAndOnlyChangesRepaint) {
  auto* c = Make<RahmenProbe>();
  c->invalidations = 0;
  c->SetBevWidth(9);
  EXPECT_EQ(c->BevWidth(), 5);
  c->SetBordWidth(-3);
  EXPECT_EQ(c->BordWidth(), 0);
  EXPECT_EQ(c->invalidations, 2);
  c->SetBevWidth(5);
  c->SetBordWidth(0);
  c->SetColBgnd(kBg);
  c->SetBordLeft(true);
  EXPECT_EQ(c->invalidations, 2);
  c->SetFontAutom(false);
  EXPECT_EQ(c->invalidations, 2);
  c->SetFontAutom(true);
  EXPECT_EQ(c->invalidations, 3);
}

TEST_F(FrameTest, FramePixels) {
  const struct {
    const char* name;
    std::function<void(RahmenProbe*)> setup;
    const char* edges;
  } cases[] = {
      {"default", [](RahmenProbe*) {}, "WWSS...|GGSS...|WWSS...|GGSS..."},
      {"no band", [](RahmenProbe* c) { c->SetBordWidth(0); }, "WW.....|GG.....|WW.....|GG....."},
      {"no rings no band",
       [](RahmenProbe* c) {
         c->SetBevelOut(bvNone);
         c->SetBordWidth(0);
       },
       ".......|.......|.......|......."},
      {"inner lowered", [](RahmenProbe* c) { c->SetBevelIn(bvLowered); },
       "WWSSGG.|GGSSWW.|WWSSGG.|GGSSWW."},
      {"outer lowered, width 1",
       [](RahmenProbe* c) {
         c->SetBevelOut(bvLowered);
         c->SetBevWidth(1);
       },
       "GSS....|WSS....|GSS....|WSS...."},
      {"left side off", [](RahmenProbe* c) { c->SetBordLeft(false); },
       ".......|GGSS...|WWSS...|GGSS..."},
      {"all sides off",
       [](RahmenProbe* c) {
         c->SetBordLeft(false);
         c->SetBordTop(false);
         c->SetBordRight(false);
         c->SetBordBottom(false);
         c->SetBevelIn(bvRaised);
       },
       ".......|.......|.......|......."},
      {"all sides off, framed",
       [](RahmenProbe* c) {
         c->SetBordLeft(false);
         c->SetBordTop(false);
         c->SetBordRight(false);
         c->SetBordBottom(false);
         c->SetFramed(true);
       },
       // The rings and the band pushed out over a switched-off side still cover the outline.
       "S......|S......|S......|S......"},
      {"push button outline", [](RahmenProbe* c) { c->SetButtonStyle(tsPush); },
       "BWWSS..|BGGSS..|BWWSS..|BGGSS.."},
      {"framed", [](RahmenProbe* c) { c->SetFramed(true); }, "BWWSS..|BGGSS..|BWWSS..|BGGSS.."},
      {"button without press effect",
       [](RahmenProbe* c) {
         c->SetButtonStyle(tsPushPull);
         c->SetPressEffect(false);
       },
       "WWSS...|GGSS...|WWSS...|GGSS..."},
      {"bevel width 0", [](RahmenProbe* c) { c->SetBevWidth(0); },
       "SS.....|SS.....|SS.....|SS....."},
  };
  ShowForm();
  for (const auto& tc : cases) {
    auto* c = Make<RahmenProbe>();
    tc.setup(c);
    Pump();
    EXPECT_EQ(Edges(*c->Canvas()), tc.edges) << tc.name;
    EXPECT_EQ(c->FrameInnerRect(), c->Inner()) << tc.name;
    delete c;
  }
}

TEST_F(FrameTest, InnerRectIsTheAreaInsideTheFrame) {
  auto* c = Make<RahmenProbe>();
  c->SetBevelIn(bvRaised);
  c->SetButtonStyle(tsPush);
  c->SetBordRight(false);
  // Known before any paint, from the size and the frame properties.
  EXPECT_EQ(c->FrameInnerRect(), Rect(7, 7, 199, 93));
  ShowForm();
  EXPECT_EQ(c->Inner(), Rect(7, 7, 199, 93));  // the outline stays on the right
}

TEST_F(FrameTest, PressedLook) {
  ShowForm();
  auto* c = Make<RahmenProbe>();
  c->SetButtonStyle(tsPush);
  Pump();
  c->SetStatus(true);  // not for a push button at run time
  EXPECT_FALSE(c->Status());
  EXPECT_EQ(Edges(*c->Canvas()), "BWWSS..|BGGSS..|BWWSS..|BGGSS..");

  c->SetButtonStyle(tsPushPull);
  Pump();
  c->SetStatus(true);
  EXPECT_TRUE(c->Status());
  EXPECT_EQ(Edges(*c->Canvas()), "BGGSS..|BWWSS..|BGGSS..|BWWSS..");
  c->SetStatus(false);
  EXPECT_EQ(Edges(*c->Canvas()), "BWWSS..|BGGSS..|BWWSS..|BGGSS..");

  // Only the inner ring, when there is no outer one.
  c->SetBevelOut(bvNone);
  c->SetBevelIn(bvLowered);
  Pump();
  c->DrawDown(true);
  EXPECT_EQ(Edges(*c->Canvas()), "BSSWW..|BSSGG..|BSSWW..|BSSGG..");

  // Without the press effect the released colours stay.
  c->SetPressEffect(false);
  c->Repaint();
  c->DrawDown(true);
  EXPECT_TRUE(c->Status());
  EXPECT_EQ(Edges(*c->Canvas()), "SSGG...|SSWW...|SSGG...|SSWW...");
}

TEST_F(FrameTest, StatusCanBeSetForAnyStyleWhileLoading) {
  auto* c = Make<RahmenProbe>();
  c->SetLoading(true);
  c->SetStatus(true);
  c->SetLoading(false);
  EXPECT_TRUE(c->Status());
  ShowForm();
  EXPECT_EQ(Edges(*c->Canvas()), "WWSS...|GGSS...|WWSS...|GGSS...");  // Paint shows it released
}

TEST_F(FrameTest, EventOrderForEachButtonStyle) {
  const struct {
    TTastStyle style;
    TMouseButton button;
    std::vector<std::string> first, second;
    bool down_between;
  } cases[] = {
      {tsPush, mbLeft, {"down", "up", "click"}, {"down", "up", "click"}, false},
      {tsPushPull, mbLeft, {"down", "click"}, {"up", "click"}, true},
      {tsPushPull, mbRight, {"down", "click"}, {"up", "click"}, true},
      {tsNone, mbRight, {"click"}, {"click"}, false},
  };
  ShowForm();
  for (const auto& tc : cases) {
    auto* c = Make<RahmenProbe>();
    c->SetButtonStyle(tc.style);
    Record(c);
    Pump();
    events.clear();
    Click(c, 50, 50, tc.button);
    EXPECT_EQ(events, tc.first) << tc.style;
    EXPECT_EQ(c->Status(), tc.down_between) << tc.style;
    events.clear();
    Click(c, 50, 50, tc.button);
    EXPECT_EQ(events, tc.second) << tc.style;
    EXPECT_FALSE(c->Status());
    delete c;
  }
}

// The curve and logic programs' rule: one OnClick per click, a toggle button's at the press.
TEST_F(FrameTest, ClickAtToggleRule) {
  struct RuleScope {
    RuleScope() { FrameClickRule = TFrameClickRule::ClickAtToggle; }
    ~RuleScope() { FrameClickRule = TFrameClickRule::ClickAtRelease; }
  } rule;
  const struct {
    TTastStyle style;
    std::vector<std::string> at_press, at_release;
  } cases[] = {
      {tsPush, {"down"}, {"up", "click"}},
      {tsPushPull, {"down", "click"}, {}},
      {tsNone, {}, {"click"}},
  };
  ShowForm();
  for (const auto& tc : cases) {
    auto* c = Make<RahmenProbe>();
    c->SetButtonStyle(tc.style);
    Record(c);
    Pump();
    events.clear();
    Pause();
    Press(c, 50, 50);
    EXPECT_EQ(events, tc.at_press) << tc.style;
    events.clear();
    Release(c, 50, 50);
    EXPECT_EQ(events, tc.at_release) << tc.style;
    delete c;
  }
  // A control without a style that was set down comes up at the release, without OnUp.
  auto* c = Make<RahmenProbe>();
  Record(c);
  Pump();
  c->DrawDown(true);
  events.clear();
  Click(c, 10, 10);
  EXPECT_FALSE(c->IsDown());
  EXPECT_EQ(events, (std::vector<std::string>{"click"}));
}

TEST_F(FrameTest, PushButtonIsDownWhileHeldAndReleasesOutside) {
  auto* c = Make<RahmenProbe>();
  c->SetButtonStyle(tsPush);
  Record(c);
  ShowForm();
  Pause();
  Press(c, 50, 50);
  EXPECT_TRUE(c->Status());
  EXPECT_EQ(Edges(*c->Canvas()), "BGGSS..|BWWSS..|BGGSS..|BWWSS..");
  Release(c, 300, 150);
  EXPECT_FALSE(c->Status());
  EXPECT_EQ(events, (std::vector<std::string>{"down", "up", "click"}));
}

TEST_F(FrameTest, WithoutStyleOnlyTheOffscreenBaseReleasesOnMouseUp) {
  auto* r = Make<RahmenProbe>();
  auto* b = Make<BaseProbe>();
  b->SetLeft(230);
  ShowForm();
  for (TFrameControl* c : {static_cast<TFrameControl*>(r), static_cast<TFrameControl*>(b)}) {
    Record(c);
    c->DrawDown(true);
  }
  Click(r, 10, 10);
  Click(b, 10, 10);
  EXPECT_TRUE(r->IsDown());
  EXPECT_FALSE(b->IsDown());
  EXPECT_EQ(events, (std::vector<std::string>{"click", "click"}));
  EXPECT_EQ(Edges(*b->Frame()->Canvas()), "WWSS...|GGSS...|WWSS...|GGSS...");
}

TEST_F(FrameTest, OffscreenBasePaintsIntoItsFrameBitmapOnly) {
  auto* b = Make<BaseProbe>();
  b->SetStyle(tsPushPull);
  b->SetBordBottom(false);
  b->SetColor(clYellow);
  ShowForm();
  ASSERT_EQ(b->Frame()->Width(), 200);
  ASSERT_EQ(b->Frame()->Height(), 100);
  EXPECT_EQ(b->Work()->Width(), 200);
  EXPECT_EQ(b->Work()->Height(), 100);
  EXPECT_EQ(Edges(*b->Frame()->Canvas()), "BWWSS..|BGGSS..|BWWSS..|S......");
  EXPECT_NE(b->Canvas()->Pixels(0, 50), clBlack);  // the screen is the descendants' business
  Click(b, 10, 10);
  EXPECT_TRUE(b->IsDown());
  EXPECT_EQ(Edges(*b->Frame()->Canvas()), "BGGSS..|BWWSS..|BGGSS..|W......");
  b->SetBounds(20, 20, 120, 60);
  Pump();
  EXPECT_EQ(b->Frame()->Width(), 120);
  EXPECT_EQ(b->Work()->Height(), 60);
  b->SetBounds(0, 0, 100000, 100000);  // beyond any bitmap: empty images, no failure
  b->PaintNow();
  EXPECT_TRUE(b->Frame()->Empty());
  EXPECT_TRUE(b->Work()->Empty());
}

}  // namespace
