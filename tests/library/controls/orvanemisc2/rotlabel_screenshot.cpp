// Shows a turned label over a gradient background in a real window on an X server and checks
// on the server's own picture that the background shows through the label around its text.
// Run through tests/x_session.sh; exit code 0 = as expected, 2 = no X server.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <functional>

#include "library/controls/orvanemisc2/background.h"
#include "library/controls/orvanemisc2/rotlabel.h"
#include "platform/forms/forms.h"
#include "platform/forms/testing/dialogscript.h"
#include "platform/forms/testing/qtwindows.h"

namespace {

bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 10000) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  return true;
}

TColor ToColor(QRgb p) { return TColor(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16); }

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
  form.SetBounds(40, 30, 240, 200);
  auto* bg = new TBackGround(&form);
  bg->SetParent(&form);
  bg->SetBounds(0, 0, 240, 200);
  bg->SetBeginColor(clBlue);
  bg->SetEndColor(clBlack);
  auto* label = new TRotLabel(&form);
  label->SetParent(&form);
  label->SetBounds(60, 40, 115, 115);
  label->SetCaption("Orvane");
  label->SetrlAngle(90);
  form.Show();
  QWindow* window = qtwindows::WidgetOf(&form)->windowHandle();
  if (!WaitFor([&] { return window->isExposed(); })) {
    std::fprintf(stderr, "window never shown\n");
    return 1;
  }
  const TPoint origin = form.ClientOrigin();
  // Inside the label but away from its text: the gradient of that row; on the text: red.
  const int lx = label->Left() + 5, ly = label->Top() + 5;
  const int tx = label->Left() + 57, ty = label->Top() + 57;
  bool ok = false;
  TColor seen = 0, expected = 0;
  int red = 0;
  WaitFor([&] {
    PumpMessages();
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, origin.X, origin.Y, form.Width(), form.Height())
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    if (shot.width() != form.Width() || shot.height() != form.Height()) return false;
    seen = ToColor(shot.pixel(lx, ly));
    expected = ToColor(shot.pixel(5, ly));  // the same band, left of the label
    red = 0;
    for (int y = ty - 30; y < ty + 30; ++y) {
      for (int x = tx - 15; x < tx + 15; ++x) red += ToColor(shot.pixel(x, y)) == clRed;
    }
    ok = seen == expected && expected != ToColor(shot.pixel(5, 5 + 150)) && red > 20;
    return ok;
  });
  if (!ok) {
    std::fprintf(stderr, "background under the label %06X, beside it %06X, text pixels %d\n",
                 unsigned(seen), unsigned(expected), red);
    return 1;
  }
  std::printf("the background shows through the turned label\n");
  return 0;
}
