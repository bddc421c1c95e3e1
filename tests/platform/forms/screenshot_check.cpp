// Shows a real window with a custom control on an X server and checks that what the server
// shows is exactly the control's screen image. Run through tests/x_session.sh; exit code 0 = match.

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdio>

#include "platform/forms/forms.h"
#include "platform/forms/testing/dialogscript.h"
#include "platform/forms/testing/qtwindows.h"

namespace {

class Pattern : public TCustomControl {
 public:
  using TCustomControl::Canvas;
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(clNavy);
    c->FillRect(ClientRect());
    c->Pen()->SetColor(clYellow);
    c->Brush()->SetColor(clRed);
    c->Ellipse(5, 5, Width() - 5, Height() - 5);
    c->MoveTo(0, 0);
    c->LineTo(Width(), Height());
  }
};

bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 10000) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  return true;
}

}  // namespace

int main() {
  Application->Initialize();
  if (QGuiApplication::platformName() != "xcb") {
    std::fprintf(stderr, "needs an X server (platform is %s)\n",
                 qPrintable(QGuiApplication::platformName()));
    return 2;
  }
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(40, 30, 200, 150);
  auto* control = new Pattern(&form);
  control->SetParent(&form);
  control->SetBounds(20, 10, 120, 90);
  form.Show();
  QWindow* window = qtwindows::WidgetOf(&form)->windowHandle();
  if (!WaitFor([&] { return window->isExposed(); })) {
    std::fprintf(stderr, "window never shown\n");
    return 1;
  }
  PumpMessages();
  // Drawing outside Paint must show as well.
  control->Canvas()->Brush()->SetColor(clLime);
  control->Canvas()->FillRect(Rect(0, 0, 15, 15));
  TPoint origin = control->ClientOrigin();
  QImage shot;
  bool same = false;
  // The server shows the window after a few round trips; compare until it matches or time is up.
  WaitFor([&] {
    PumpMessages();
    shot = QGuiApplication::primaryScreen()
               ->grabWindow(0, origin.X, origin.Y, control->Width(), control->Height())
               .toImage()
               .convertToFormat(QImage::Format_RGB32);
    same = shot.width() == control->Width() && shot.height() == control->Height();
    for (int y = 0; same && y < shot.height(); ++y) {
      for (int x = 0; same && x < shot.width(); ++x) {
        QRgb p = shot.pixel(x, y);
        TColor c = control->Canvas()->Pixels(x, y);
        same = TColor(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16) == c;
      }
    }
    return same;
  });
  if (!same) {
    std::fprintf(stderr, "screenshot differs from the control's image\n");
    return 1;
  }
  std::printf("screenshot matches the control's image\n");
  return 0;
}
