// Starts Pulsaric as the program does, on a real X server, and works it with the real mouse and
// keyboard (xdotool): dismisses the splash, shows all channels with the first footer button,
// compares what the server shows of the display with the main form's image and counts the 32
// name rows on it, then ends the program with Enter (the default button) and the about box that
// closing shows.
// Run through tests/x_session.sh; exit code 0 = all held, 2 = no X server.
//   pulsaric_screen_check [screenshot.png]

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "library/foundation/frame.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/forms.h"
#include "programs/logic/loginfo.h"
#include "programs/logic/logini.h"
#include "programs/logic/logmain.h"
#include "programs/logic/scan.h"
#include "tests/programs/xdriver.h"

namespace {

// The logic display as the server shows it equals the form's image there. (The panel's
// buttons are drawn by the toolkit's style, whose edges differ in a pixel here and there between
// a window and an image.)
bool DisplayAsFormImage(const QImage& shot) {
  const std::unique_ptr<TBitmap> image = LogAna->GetFormImage();
  if (shot.width() != LogAna->ClientWidth() || shot.height() != LogAna->ClientHeight())
    return false;
  const TLogic* d = LogAna->Display;
  const TPoint o = d->ClientOrigin(), f = LogAna->ClientOrigin();
  for (int y = o.Y - f.Y; y < o.Y - f.Y + d->Height(); ++y) {
    for (int x = o.X - f.X; x < o.X - f.X + d->Width(); ++x) {
      if (At(shot, x, y) != image->Canvas()->Pixels(x, y)) return false;
    }
  }
  return true;
}

// The name rows: each row's black tick runs left from the display area, so the column two
// pixels left of it crosses one tick per row.
int NameRows(const QImage& shot) {
  const TLogic* d = LogAna->Display;
  const TPoint o = d->ClientOrigin(), f = LogAna->ClientOrigin();
  const TRect r = d->GetDisplayRect();
  const int x = o.X - f.X + r.Left - 2;
  int rows = 0;
  bool in_tick = false;
  for (int y = o.Y - f.Y + r.Top; y < o.Y - f.Y + r.Bottom; ++y) {
    const bool black = At(shot, x, y) == clBlack;
    rows += black && !in_tick;
    in_tick = black;
  }
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  Application->Initialize();
  if (!OnXServer()) return 2;
  InitOrvaneUnit();
  FrameClickRule = TFrameClickRule::ClickAtToggle;
  Application->SetTitle(kLogicCaption);
  Application->CreateForm(LogAna);
  Setup = new TSetup(Application, LogAna->Display);
  Application->CreateForm(Loginfo::AboutBox);
  BufferFill = new TBufferFill(Application, LogAna->Display);
  const std::string shot_file = argc > 1 ? argv[1] : "";

  QImage shot;
  std::vector<XStep> steps = {
      {"the splash after the first paint",
       [] { return Loginfo::AboutBox->Visible() && Loginfo::AboutBox->Active(); },
       [] { ClickAt(Loginfo::AboutBox->OKButton); }},
      {"the splash dismissed", [] { return !Loginfo::AboutBox->Visible(); },
       [] {
         Check(XPointerTo(1, 1), "pointer away");
         const TRect& b1 = LogAna->Display->Footer().Buttons[0];
         ClickAt(LogAna->Display, (b1.Left + b1.Right) / 2, (b1.Top + b1.Bottom) / 2);
       }},
      {"all 32 channels on the screen",
       [&] {
         // Enter goes to the window with the keyboard focus: wait until that is this form.
         if (LogAna->Display->ChanLast() != 31 || !LogAna->Active()) return false;
         Check(XPointerTo(1, 1), "pointer away");
         shot = GrabClient(LogAna);
         return DisplayAsFormImage(shot);
       },
       [&] {
         if (!shot_file.empty()) shot.save(QString::fromStdString(shot_file));
         const int rows = NameRows(shot);
         if (rows != 32) Fail("name rows on the screen: " + std::to_string(rows));
         Check(Xdotool("key Return"), "Enter");
       }},
      {"the about box on closing",
       [] { return Loginfo::AboutBox->Visible() && Loginfo::AboutBox->Active(); },
       [] { Check(Xdotool("key Return"), "Enter"); }},
  };
  const std::vector<std::string> failures = RunXSteps(steps);
  ExitOrvaneUnit();
  for (const std::string& f : failures) Fail(f);
  if (g_failures == 0) std::printf("Pulsaric ran on the X server as expected\n");
  return g_failures == 0 ? 0 : 1;
}
