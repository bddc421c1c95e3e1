#include "platform/forms/controls.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/forms/systimer.h"
#include "platform/forms/testing/formtest.h"

namespace {

std::vector<std::string>* journal = nullptr;

void Note(const std::string& s) {
  if (journal != nullptr) journal->push_back(s);
}

std::string ShiftText(TShiftState s) {
  std::string out;
  if (s.Contains(ssLeft)) out += "L";
  if (s.Contains(ssRight)) out += "R";
  if (s.Contains(ssDouble)) out += "D";
  if (s.Contains(ssShift)) out += "S";
  return out;
}

// A windowed control that fills itself with one colour and records what reaches it.
class Probe : public TCustomControl {
 public:
  Probe(TComponent* owner, TColor fill) : TCustomControl(owner), FFill(fill) {}
  int paints = 0;
  std::vector<TMessage> user;
  using TCustomControl::Canvas;

  void WndProc(TMessage& m) override {
    if (m.Msg >= WM_USER && m.Msg < WM_USER + 100) {
      user.push_back(m);
      m.Result = 7;
      return;
    }
    if (m.Msg == CM_BUTTONPRESSED) Note(Name() + ":pressed");
    if (m.Msg == WM_SIZE)
      Note(Name() + ":size " + std::to_string(LoWord(m.LParam)) + "x" +
           std::to_string(HiWord(m.LParam)));
    TCustomControl::WndProc(m);
  }

 protected:
  void Paint() override {
    ++paints;
    Canvas()->Brush()->SetColor(FFill);
    Canvas()->FillRect(ClientRect());
  }
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    Note(Name() + ":down " + std::to_string(int(b)) + " " + ShiftText(s) + " " + std::to_string(x) +
         "," + std::to_string(y));
  }
  void MouseMove(TShiftState s, int x, int y) override {
    if (s.Contains(ssLeft)) Note(Name() + ":move " + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
    Note(Name() + ":up " + std::to_string(int(b)) + " " + ShiftText(s) + " " + std::to_string(x) +
         "," + std::to_string(y));
  }
  void DblClick() override { Note(Name() + ":dblclick"); }
  void Click() override { Note(Name() + ":click"); }
  void DoEnter() override { Note(Name() + ":enter"); }
  void DoExit() override {
    Note(Name() + ":exit");
    if (on_exit) on_exit();
  }
  void KeyDown(uint16_t& key, TShiftState s) override {
    Note(Name() + ":keydown " + std::to_string(key) + " " + ShiftText(s));
  }
  void KeyPress(char& key) override { Note(Name() + ":char " + std::to_string(int(key))); }
  void KeyUp(uint16_t& key, TShiftState) override {
    Note(Name() + ":keyup " + std::to_string(key));
  }

 public:
  std::function<void()> on_exit;

 private:
  TColor FFill;
};

class Shape : public TGraphicControl {
 public:
  Shape(TComponent* owner, TColor fill) : TGraphicControl(owner), FFill(fill) {}
  using TGraphicControl::Canvas;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(FFill);
    Canvas()->FillRect(ClientRect());
  }
  void MouseDown(TMouseButton, TShiftState, int x, int y) override {
    Note(Name() + ":down " + std::to_string(x) + "," + std::to_string(y));
  }

 private:
  TColor FFill;
};

class ControlsTest : public FormTest {
 protected:
  ControlsTest() { journal = &events; }
  ~ControlsTest() override { journal = nullptr; }

  template <class T>
  T* Put(TWinControl* parent, const std::string& name, TRect r, TColor fill) {
    T* c = new T(form, fill);
    c->SetName(name);
    c->SetParent(parent);
    c->SetBoundsRect(r);
    return c;
  }

  void Show() {
    ShowForm();
    events.clear();
  }

  std::vector<std::string> events;
};

TEST_F(ControlsTest, CanvasDrawingOutsidePaintIsOnTheScreenAtOnce) {
  auto* p = Put<Probe>(form, "p", Bounds(10, 10, 40, 30), clRed);
  p->Canvas()->Pixels(0, 0);  // before the window exists: nothing to draw on, no harm
  p->Canvas()->Brush()->SetColor(clBlue);
  p->Canvas()->FillRect(Rect(0, 0, 5, 5));
  Show();
  EXPECT_EQ(ScreenPixel(p, 2, 2), clRed);
  p->Canvas()->Brush()->SetColor(clBlue);
  p->Canvas()->FillRect(Rect(0, 0, 5, 5));
  EXPECT_EQ(p->Canvas()->Pixels(2, 2), clBlue);
  EXPECT_EQ(ScreenPixel(p, 2, 2), clBlue);
  EXPECT_EQ(ScreenPixel(p, 6, 6), clRed);
}

TEST_F(ControlsTest, InvalidateMergesIntoOnePaintAtTheNextPass) {
  auto* p = Put<Probe>(form, "p", Bounds(0, 0, 20, 20), clRed);
  Show();
  const int before = p->paints;
  p->Invalidate();
  p->Invalidate();
  p->Invalidate();
  EXPECT_EQ(p->paints, before);
  Pump();
  EXPECT_EQ(p->paints, before + 1);
  Pump();
  EXPECT_EQ(p->paints, before + 1);
}

TEST_F(ControlsTest, UpdatePaintsAPendingInvalidateNow) {
  auto* p = Put<Probe>(form, "p", Bounds(0, 0, 20, 20), clRed);
  Show();
  const int before = p->paints;
  p->Update();
  EXPECT_EQ(p->paints, before);  // nothing pending
  p->Invalidate();
  p->Update();
  EXPECT_EQ(p->paints, before + 1);
  Pump();
  EXPECT_EQ(p->paints, before + 1);
  p->Repaint();
  EXPECT_EQ(p->paints, before + 2);
}

TEST_F(ControlsTest, GraphicControlPaintsIntoItsParentUnderWindowedSiblings) {
  auto* shape = Put<Shape>(form, "shape", Bounds(10, 10, 50, 50), clLime);
  auto* win = Put<Probe>(form, "win", Bounds(30, 30, 50, 50), clBlue);
  Show();
  // The form's own image holds the shape everywhere, also under the windowed sibling.
  EXPECT_EQ(form->Canvas()->Pixels(15, 15), clLime);
  EXPECT_EQ(form->Canvas()->Pixels(40, 40), clLime);
  EXPECT_EQ(ScreenPixel(shape, 5, 5), clLime);
  EXPECT_EQ(ScreenPixel(shape, 30, 30), clBlue);
  EXPECT_EQ(ScreenPixel(win, 0, 0), clBlue);
  // Drawing on its canvas outside Paint lands in the parent's image, clipped to its bounds.
  shape->Canvas()->Brush()->SetColor(clRed);
  shape->Canvas()->FillRect(Rect(-5, -5, 100, 3));
  EXPECT_EQ(form->Canvas()->Pixels(12, 11), clRed);
  EXPECT_EQ(form->Canvas()->Pixels(9, 11), form->Canvas()->Pixels(9, 20));
  EXPECT_EQ(form->Canvas()->Pixels(61, 11), form->Canvas()->Pixels(9, 20));
}

TEST_F(ControlsTest, PerformOfWmUserReachesTheHandlerAtOnceWithoutAWindow) {
  auto* p = Put<Probe>(form, "p", Bounds(0, 0, 20, 20), clRed);
  EXPECT_FALSE(p->HandleAllocated());
  EXPECT_EQ(p->Perform(WM_USER, 3, 0x1FF), 7);
  ASSERT_EQ(p->user.size(), 1u);
  EXPECT_EQ(p->user[0].WParam, 3);
  EXPECT_EQ(p->user[0].LParam, 0x1FF);
  EXPECT_EQ(SendMessage(p->Handle(), WM_USER + 1, 4, 5), 7);
  EXPECT_EQ(p->user.size(), 2u);
  PostMessage(p->Handle(), WM_USER + 2, 0, 0);
  EXPECT_EQ(p->user.size(), 2u);
  Pump();
  EXPECT_EQ(p->user.size(), 3u);
}

TEST_F(ControlsTest, BroadcastReachesEveryChildInChildOrder) {
  auto* a = Put<Probe>(form, "a", Bounds(0, 0, 10, 10), clRed);
  auto* s = Put<Shape>(form, "s", Bounds(0, 0, 10, 10), clRed);
  auto* b = Put<Probe>(form, "b", Bounds(0, 0, 10, 10), clRed);
  // Windowless children come first in the child order.
  ASSERT_EQ(form->ControlCount(), 3);
  EXPECT_EQ(form->Controls(0), s);
  EXPECT_EQ(form->Controls(1), a);
  EXPECT_EQ(form->Controls(2), b);
  TMessage m{CM_BUTTONPRESSED, 1, 0, 0};
  form->Broadcast(m);
  EXPECT_EQ(events, (std::vector<std::string>{"a:pressed", "b:pressed"}));
  a->BringToFront();
  events.clear();
  form->Broadcast(m);
  EXPECT_EQ(events, (std::vector<std::string>{"b:pressed", "a:pressed"}));
}

TEST_F(ControlsTest, DoubleClickSequence) {
  auto* p = Put<Probe>(form, "p", Bounds(10, 10, 40, 40), clRed);
  Show();
  DoubleClick(p, 5, 6);
  EXPECT_EQ(events, (std::vector<std::string>{"p:down 0 L 5,6", "p:click", "p:up 0  5,6",
                                              "p:dblclick", "p:down 0 LD 5,6", "p:up 0  5,6"}));
  events.clear();
  DoubleClick(p, 5, 6, mbRight);
  EXPECT_EQ(events, (std::vector<std::string>{"p:down 1 R 5,6", "p:up 1  5,6", "p:down 1 RD 5,6",
                                              "p:up 1  5,6"}));
  events.clear();
  Click(p, 5, 6);
  Pause();
  Click(p, 5, 6);
  EXPECT_EQ(events.size(), 6u);
  EXPECT_EQ(events[3], "p:down 0 L 5,6");  // slow second click: a plain press
}

TEST_F(ControlsTest, CaptureDeliversMovesAndTheReleaseOutside) {
  auto* p = Put<Probe>(form, "p", Bounds(10, 10, 40, 40), clRed);
  auto* other = Put<Probe>(form, "other", Bounds(100, 10, 40, 40), clBlue);
  Show();
  Press(p, 5, 5);
  Move(other, 5, 5);
  Move(p, -8, 100);
  Release(other, 1, 1);
  EXPECT_EQ(events, (std::vector<std::string>{"p:down 0 L 5,5", "p:move 95,5", "p:move -8,100",
                                              "p:move 91,1", "p:up 0  91,1"}));
  EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(ControlsTest, DisabledControlsGetNoMouse) {
  auto* p = Put<Probe>(form, "p", Bounds(10, 10, 40, 40), clRed);
  auto* shape = Put<Shape>(form, "shape", Bounds(100, 10, 40, 40), clRed);
  Show();
  form->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int x, int y) {
    Note("form:down " + std::to_string(x) + "," + std::to_string(y));
  };
  p->SetEnabled(false);
  Click(p, 5, 5);
  shape->SetEnabled(false);
  Click(shape, 5, 5);  // the form below it gets the press instead
  shape->SetEnabled(true);
  Click(shape, 5, 5);
  EXPECT_EQ(events, (std::vector<std::string>{"form:down 105,15", "shape:down 5,5"}));
  events.clear();
  p->SetEnabled(true);
  form->SetEnabled(false);  // a parent's state blocks the child, its own flag stays
  Click(p, 5, 5);
  EXPECT_TRUE(p->Enabled());
  EXPECT_TRUE(events.empty());
}

TEST_F(ControlsTest, ExitOnlyWhenTheFocusMovesInsideTheForm) {
  auto* a = Put<Probe>(form, "a", Bounds(0, 0, 10, 10), clRed);
  auto* b = Put<Probe>(form, "b", Bounds(20, 0, 10, 10), clRed);
  Show();
  a->SetFocus();
  EXPECT_EQ(form->ActiveControl(), a);
  TForm other(nullptr);
  other.Show();
  Activate(&other);
  Activate(form);
  EXPECT_EQ(events, (std::vector<std::string>{"a:enter"}));
  b->SetFocus();
  EXPECT_EQ(events, (std::vector<std::string>{"a:enter", "a:exit", "b:enter"}));
  // An exit handler that takes the focus back keeps it, without another exit or enter.
  events.clear();
  b->on_exit = [b] { b->SetFocus(); };
  a->SetFocus();
  EXPECT_EQ(events, (std::vector<std::string>{"b:exit"}));
  EXPECT_EQ(form->ActiveControl(), b);
}

TEST_F(ControlsTest, KeysReachTheFocusedControlWithLayoutFreeCodes) {
  auto* a = Put<Probe>(form, "a", Bounds(0, 0, 10, 10), clRed);
  auto* b = Put<Probe>(form, "b", Bounds(20, 0, 10, 10), clRed);
  a->SetTabStop(true);
  b->SetTabStop(true);
  Show();
  a->SetFocus();
  events.clear();
  KeyPress('A', "a");
  KeyPress('3', "#", {ssShift});  // Shift+3 on a US keyboard
  KeyPress(VK_TAB, "\t");         // moves the focus, never typed
  EXPECT_EQ(events, (std::vector<std::string>{"a:keydown 65 ", "a:char 97", "a:keyup 65",
                                              "a:keydown 51 S", "a:char 35", "a:keyup 51", "a:exit",
                                              "b:enter", "b:keyup 9"}));
}

TEST_F(ControlsTest, SizeMessageIsSynchronousAndMayNest) {
  class MinHeight : public Probe {
   public:
    using Probe::Probe;
    void WndProc(TMessage& m) override {
      Probe::WndProc(m);
      if (m.Msg == WM_SIZE && HiWord(m.LParam) < 20) SetHeight(20);
    }
  };
  auto* p = new MinHeight(form, clRed);
  p->SetName("p");
  p->SetParent(form);
  p->SetBounds(0, 0, 30, 30);
  EXPECT_TRUE(events.empty());  // no window yet: no size message
  ShowForm();
  EXPECT_EQ(events, (std::vector<std::string>{"p:size 30x30"}));
  events.clear();
  p->SetHeight(5);
  EXPECT_EQ(events, (std::vector<std::string>{"p:size 30x5", "p:size 30x20"}));
  EXPECT_EQ(p->Height(), 20);
}

TEST_F(ControlsTest, TimerKeepsFiringWhileAModalFormRuns) {
  TForm dialog(nullptr);
  int ticks = 0;
  uintptr_t id = SetTimer(1, [&] {
    if (++ticks == 3) dialog.SetModalResult(mrOk);
  });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  KillTimer(id);
  EXPECT_GE(ticks, 3);
  EXPECT_FALSE(dialog.Visible());
}

TEST_F(ControlsTest, AModalFormOpenedByAPostedMessageEndsOnItsOwnResult) {
  // A modal loop inside a posted message's handler gets no further posted events, so the wake
  // that its result sends cannot arrive; the loop must not wait for some later event anyway.
  struct Opener : Probe {
    using Probe::Probe;
    TModalResult result = mrNone;
    std::chrono::steady_clock::duration took{};
    void WndProc(TMessage& m) override {
      if (m.Msg != WM_USER + 50) return Probe::WndProc(m);
      TForm dialog(nullptr);
      dialog.OnShow = [&dialog](TObject*) { dialog.SetModalResult(mrOk); };
      // The later event a waiting loop would need: without it, it would wait for good.
      const uintptr_t later = SetTimer(10000, [] {});
      const auto start = std::chrono::steady_clock::now();
      result = dialog.ShowModal();
      took = std::chrono::steady_clock::now() - start;
      KillTimer(later);
    }
  };
  auto* p = Put<Opener>(form, "p", Bounds(0, 0, 20, 20), clRed);
  PostMessage(p->Handle(), WM_USER + 50, 0, 0);
  Pump();
  EXPECT_EQ(p->result, mrOk);
  EXPECT_LT(p->took, std::chrono::seconds(5));
}

TEST_F(ControlsTest, ExceptionInAMouseHandlerIsShownAndInputGoesOn) {
  auto* p = Put<Probe>(form, "p", Bounds(10, 10, 40, 40), clRed);
  Show();
  p->OnClick = nullptr;
  form->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
    throw std::runtime_error("Wert zu gross");
  };
  dialogs.Answer(mrOk);
  Click(form, 200, 200);
  Click(p, 1, 1);
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_EQ(dialogs.Asked()[0].Text, "Wert zu gross");
  EXPECT_EQ(events.front(), "p:down 0 L 1,1");
}

class LoadProbe : public Probe {
 public:
  explicit LoadProbe(TComponent* owner) : Probe(owner, clRed) {}
  void Loaded() override {
    Note(Name() + std::string(ComponentState().Contains(csReading) ? ":reading" : "") + ":loaded");
    Probe::Loaded();
  }
  void SetValue(int) {
    Note(Name() + (ComponentState().Contains(csReading) ? ":stored" : ":set") +
         (Parent() != nullptr ? " on parent" : ""));
  }
};

TEST_F(ControlsTest, FormLoaderReadsThenCallsLoadedInCreationOrder) {
  TFormLoader loader(form);
  auto* a = loader.Add<LoadProbe>("a");
  a->SetValue(1);
  auto* b = loader.Add<LoadProbe>("b", a);
  b->SetValue(2);
  EXPECT_TRUE(a->ComponentState().Contains(csLoading));
  loader.Finish();
  b->SetValue(3);
  EXPECT_EQ(events, (std::vector<std::string>{"a:stored on parent", "b:stored on parent",
                                              "a:loaded", "b:loaded", "b:set on parent"}));
  EXPECT_EQ(b->Parent(), a);
  EXPECT_TRUE(a->ComponentState().Empty());
  EXPECT_TRUE(form->ComponentState().Empty());
}

TEST_F(ControlsTest, FormFreesItsControlsWithIt) {
  auto* panel = Put<Probe>(form, "panel", Bounds(0, 0, 100, 100), clRed);
  Put<Probe>(panel, "inner", Bounds(0, 0, 10, 10), clRed);
  Put<Shape>(form, "shape", Bounds(0, 0, 10, 10), clRed);
  Show();
  EXPECT_EQ(form->ComponentCount(), 3);
  delete form;
  form = nullptr;
  Pump();
}

TEST(Hints, ShortAndLongParts) {
  EXPECT_EQ(GetShortHint("Resolution|Timer Resolution"), "Resolution");
  EXPECT_EQ(GetLongHint("Resolution|Timer Resolution"), "Timer Resolution");
  EXPECT_EQ(GetShortHint("plain"), "plain");
  EXPECT_EQ(GetLongHint("plain"), "plain");
}

}  // namespace
