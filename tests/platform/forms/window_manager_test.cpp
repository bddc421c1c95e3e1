// Forms on a real X server with a window manager (openbox): maximising and restoring, the
// frame hints of each border style, dialogs over a form that stays on top, and Alt with a
// caption's accelerator pressed on the real keyboard (xdotool). Run through tests/x_session.sh
// --openbox.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/stdctrls/buttons.h"
#include "platform/forms/stdctrls/dialogs.h"
#include "platform/forms/stdctrls/stdctrls.h"
#include "platform/forms/testing/qtwindows.h"
#include "tests/platform/forms/xwindows.h"

namespace {

unsigned long XWindowOf(const QWidget* widget) { return widget->winId(); }
unsigned long XWindowOf(const TCustomForm* form) { return XWindowOf(qtwindows::WidgetOf(form)); }

// Runs the event loop until ready() holds; false after 10 s.
bool WaitFor(const std::function<bool()>& ready) {
  QElapsedTimer clock;
  clock.start();
  while (!ready()) {
    if (clock.elapsed() > 10000) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    Application->ProcessMessages();
  }
  return true;
}

class WindowManagerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Application->Initialize(); }
  void TearDown() override {
    for (TForm* f : FForms) delete f;
    Application->ProcessMessages();
  }
  TForm* NewForm(int width, int height) {
    auto* f = new TForm(nullptr);
    f->SetBounds(0, 0, width, height);
    f->SetPosition(poScreenCenter);
    FForms.push_back(f);
    return f;
  }
  static QRect Area() { return QGuiApplication::primaryScreen()->availableGeometry(); }
  // The form's client area on the screen, and with the frame the window manager gives it.
  static QRect Client(const TCustomForm* f) {
    const QWidget* w = qtwindows::WidgetOf(f);
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
  }
  static QRect Frame(const TCustomForm* f) {
    std::vector<unsigned long> e = XProperty(XWindowOf(f), "_NET_FRAME_EXTENTS");
    e.resize(4);
    return Client(f).adjusted(-int(e[0]), -int(e[2]), int(e[1]), int(e[3]));
  }
  static std::string Where(const TCustomForm* f) {
    const QRect r = Frame(f);
    return std::string(XMaximised(XWindowOf(f)) ? "maximised" : "not maximised") + ", form " +
           std::to_string(f->Width()) + "x" + std::to_string(f->Height()) + ", frame " +
           std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
  }
  // Maximised: the window with its frame fills the free area of the screen and stays inside.
  static bool FillsTheScreen(const TCustomForm* f) {
    const QRect frame = Frame(f);
    return XMaximised(XWindowOf(f)) && Area().contains(frame) &&
           frame.width() >= Area().width() - 2 && frame.height() >= Area().height() - 2 &&
           f->Width() == Client(f).width() && f->Height() == Client(f).height();
  }
  // Restored: the design size, the window in the middle of the screen (give or take its frame).
  static bool AtCentre(const TCustomForm* f, int width, int height) {
    const QPoint off = Frame(f).center() - Area().center();
    return !XMaximised(XWindowOf(f)) && f->Width() == width && f->Height() == height &&
           Client(f).width() == width && std::abs(off.x()) <= 2 && std::abs(off.y()) <= 12;
  }

 private:
  std::vector<TForm*> FForms;
};

TEST_F(WindowManagerTest, MaximisedFormFillsTheScreenAndIsRestoredToItsCentredDesignSize) {
  TForm* f = NewForm(400, 300);
  f->SetWindowState(wsMaximized);
  f->Show();
  ASSERT_TRUE(WaitFor([&] { return FillsTheScreen(f); })) << Where(f);
  EXPECT_EQ(f->WindowState(), wsMaximized);
  EXPECT_GE(f->Width(), Area().width() - 2);

  f->SetWindowState(wsNormal);
  ASSERT_TRUE(WaitFor([&] { return AtCentre(f, 400, 300); })) << Where(f);
  EXPECT_EQ(f->WindowState(), wsNormal);

  f->SetWindowState(wsMaximized);
  EXPECT_TRUE(WaitFor([&] { return FillsTheScreen(f); })) << Where(f);
}

TEST_F(WindowManagerTest, FormFollowsTheWindowManagersMaximiseAndRestore) {
  TForm* f = NewForm(300, 200);
  f->Show();
  ASSERT_TRUE(WaitFor([&] { return f->Active() && AtCentre(f, 300, 200); }));

  XAskToMaximise(XWindowOf(f), true);
  ASSERT_TRUE(WaitFor([&] { return FillsTheScreen(f) && f->Width() >= Area().width() - 2; }))
      << Where(f);
  EXPECT_EQ(f->WindowState(), wsMaximized);

  XAskToMaximise(XWindowOf(f), false);
  ASSERT_TRUE(WaitFor([&] { return AtCentre(f, 300, 200); })) << Where(f);
  EXPECT_EQ(f->WindowState(), wsNormal);
}

// The Motif hints: which functions the window offers and which parts its frame has.
constexpr unsigned long kMove = 4, kResize = 2, kClose = 32, kMin = 8, kMax = 16;
constexpr unsigned long kBorder = 2, kTitle = 8, kResizeH = 4, kMenu = 16, kMinBox = 32,
                        kMaxBox = 64;

TEST_F(WindowManagerTest, FrameHintsFollowBorderStyleAndIcons) {
  const TBorderIcons all{biSystemMenu, biMinimize, biMaximize};
  const struct {
    const char* what;
    TFormBorderStyle style;
    TBorderIcons icons;
    unsigned long functions, decorations;
  } cases[] = {
      {"dialog without icons", bsDialog, {}, kMove, kBorder | kTitle},
      {"dialog: only the close box", bsDialog, all, kMove | kClose, kBorder | kTitle | kMenu},
      {"sizeable with all icons", bsSizeable, all, kMove | kResize | kClose | kMin | kMax,
       kBorder | kTitle | kResizeH | kMenu | kMinBox | kMaxBox},
      {"single without maximise", bsSingle, TBorderIcons{biSystemMenu, biMinimize},
       kMove | kClose | kMin, kBorder | kTitle | kMenu | kMinBox},
      {"no boxes without the system menu", bsSizeable, TBorderIcons{biMinimize, biMaximize},
       kMove | kResize, kBorder | kTitle | kResizeH},
      {"tool window: only the close box", bsToolWindow, all, kMove | kClose,
       kBorder | kTitle | kMenu},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TForm* f = NewForm(200, 120);
    f->SetBorderStyle(c.style);
    f->SetBorderIcons(c.icons);
    f->Show();
    ASSERT_TRUE(WaitFor([&] { return f->Showing(); }));
    const std::vector<unsigned long> hints = XProperty(XWindowOf(f), "_MOTIF_WM_HINTS");
    ASSERT_GE(hints.size(), 3u);
    EXPECT_EQ(hints[0], 3u);  // functions and decorations both given
    EXPECT_EQ(hints[1], c.functions);
    EXPECT_EQ(hints[2], c.decorations);
    f->Hide();
  }
}

TEST_F(WindowManagerTest, DialogsOpenedFromAFormThatStaysOnTopComeAboveIt) {
  TForm* top = NewForm(360, 260);
  top->SetBorderStyle(bsDialog);
  top->SetFormStyle(fsStayOnTop);
  TForm* modal = NewForm(200, 150);
  modal->SetBorderStyle(bsDialog);
  top->Show();
  ASSERT_TRUE(WaitFor([&] { return top->Active(); }));

  // Each opener runs a modal dialog; while it is up, the dialog's place in the stacking order is
  // noted and the dialog closed.
  const struct {
    const char* what;
    std::function<void()> open;
    std::function<void()> close;
  } cases[] = {
      {"message box", [] { MessageDlg("Above?", mtInformation, {mbOK}, 0); },
       [] { QApplication::activeModalWidget()->close(); }},
      {"printer set-up",
       [] {
         TPrinterSetupDialog setup(nullptr);
         setup.Execute();
       },
       [] { QApplication::activeModalWidget()->close(); }},
      {"modal form", [&] { modal->ShowModal(); }, [&] { modal->Close(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    int dialog_at = -1, top_at = -1;
    QElapsedTimer clock;
    clock.start();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr || dialog == qtwindows::WidgetOf(top)) return;
      dialog_at = XStackingIndex(XWindowOf(dialog));
      top_at = XStackingIndex(XWindowOf(top));
      // Until the window manager has stacked it and given it the focus, as a user would find it
      // before closing it, for at most 5 s (a dialog closed before it had the focus can leave
      // the manager with no window to give the focus back to).
      const bool settled =
          dialog_at >= 0 && dialog_at > top_at && QApplication::activeWindow() == dialog->window();
      if (!settled && clock.elapsed() < 5000) return;
      watch.stop();
      c.close();
    });
    // Opened as by a click on the form: while it is the active window.
    ASSERT_TRUE(WaitFor([&] { return top->Active(); }));
    watch.start(20);
    c.open();
    EXPECT_GT(dialog_at, top_at);
  }
}

// Alt with the caption's accelerator, typed on the X server's keyboard, presses the control:
// buttons of both kinds and speed buttons click, a check box toggles, a radio button is checked,
// a label gives the focus to its control; a disabled button and a doubled '&' do nothing.
TEST_F(WindowManagerTest, AltWithACaptionsAcceleratorPressesTheControl) {
  TForm* f = NewForm(420, 140);
  std::map<const TControl*, int> clicks;
  const auto place = [&](TControl* c, const char* caption, int left, int top, int width) {
    c->SetParent(f);
    c->SetBounds(left, top, width, 26);
    c->SetCaption(caption);
    c->OnClick = [&clicks, c](TObject*) { ++clicks[c]; };
  };
  auto* button = new TButton(f);
  place(button, "&Graph/Text", 8, 8, 96);
  auto* bitbtn = new TBitBtn(f);
  place(bitbtn, "Set&Up", 108, 8, 96);
  auto* speed = new TSpeedButton(f);
  place(speed, "&Scan", 208, 8, 60);
  auto* check = new TCheckBox(f);
  place(check, "&Ende", 272, 8, 80);
  auto* radio = new TRadioButton(f);
  place(radio, "&Radio", 8, 40, 96);
  auto* disabled = new TButton(f);
  place(disabled, "&Disabled", 108, 40, 96);
  disabled->SetEnabled(false);
  auto* doubled = new TButton(f);
  place(doubled, "Tom&&Jerry", 208, 40, 96);
  auto* label = new TLabel(f);
  place(label, "&Name", 8, 80, 50);
  auto* edit = new TEdit(f);
  edit->SetParent(f);
  edit->SetBounds(70, 76, 120, 24);
  label->SetFocusControl(edit);
  f->Show();
  ASSERT_TRUE(WaitFor([&] { return f->Active(); }));

  const struct {
    const char* keys;
    std::function<bool()> done;
  } cases[] = {
      {"alt+g", [&] { return clicks[button] == 1; }},
      {"alt+u", [&] { return clicks[bitbtn] == 1; }},
      {"alt+S", [&] { return clicks[speed] == 1; }},
      {"alt+e", [&] { return check->Checked() && clicks[check] == 1; }},
      {"alt+n", [&] { return edit->Focused(); }},
      // From here the focus is in the edit field, a widget of Qt's.
      {"alt+e", [&] { return !check->Checked() && clicks[check] == 2; }},
      {"alt+g", [&] { return clicks[button] == 2; }},
      // Nothing to wait for: the keys after them show that they have gone through.
      {"alt+d", {}},
      {"alt+j", {}},
      {"alt+r", [&] { return radio->Checked() && radio->Focused(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    ASSERT_EQ(std::system((std::string("xdotool key ") + c.keys).c_str()), 0);
    if (c.done) {
      EXPECT_TRUE(WaitFor(c.done));
    }
  }
  // Each control was pressed only as often as its accelerator was typed.
  EXPECT_EQ(clicks[button], 2);
  EXPECT_EQ(clicks[bitbtn], 1);
  EXPECT_EQ(clicks[speed], 1);
  EXPECT_EQ(clicks[disabled], 0);
  EXPECT_EQ(clicks[doubled], 0);
}

}  // namespace
