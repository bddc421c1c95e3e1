// Starts Wavorine as its entry does, on a real X server, and works it with the real mouse
// (xdotool): dismisses the splash, compares what the server shows with the main form's image and
// finds the four channel colours in the plot, drags channel 1's point 2 and sees its values and
// the curve's pixels move, then ends the program with its close button.
// Run through tests/x_session.sh; exit code 0 = all held, 2 = no X server.
//   wavorine_screen_check [before.png [after.png]]

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

#include "library/controls/sysctrl/sysinfo.h"
#include "library/foundation/frame.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/forms.h"
#include "programs/curves/curvinfo.h"

using Curvinfo::AboutBox;
using Curvinfo::TAboutBox;
#include "programs/curves/curvmain.h"
#include "tests/programs/xdriver.h"

namespace {

bool SameAsFormImage(const QImage& shot, const TForm* f) {
  const std::unique_ptr<TBitmap> image = f->GetFormImage();
  if (shot.width() != f->ClientWidth() || shot.height() != f->ClientHeight()) return false;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      if (At(shot, x, y) != image->Canvas()->Pixels(x, y)) return false;
    }
  }
  return true;
}

// The plot's rectangle in the form's client pixels.
TRect PlotOnForm() {
  TRect plot;
  curvForm->CurveSynth->GetPlotRect(plot);
  const TPoint o = curvForm->CurveSynth->ClientOrigin();
  const TPoint f = curvForm->ClientOrigin();
  OffsetRect(plot, o.X - f.X, o.Y - f.Y);
  return plot;
}

int CountColour(const QImage& shot, const TRect& r, TColor colour) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) n += At(shot, x, y) == colour;
  }
  return n;
}

// Channel 1's point 2 on the screen.
TPoint PointOnScreen() {
  TCurveSynth* c = curvForm->CurveSynth;
  double x, y;
  c->GetChan1Point(2, x, y);
  const TPoint p = c->ValueToPixel(x, y);
  TRect plot;
  c->GetPlotRect(plot);
  return c->ClientToScreen({p.X + plot.Left, p.Y + plot.Top});
}

}  // namespace

int main(int argc, char** argv) {
  FrameClickRule = TFrameClickRule::ClickAtToggle;
  Application->Initialize();
  if (!OnXServer()) return 2;
  InitOrvaneUnit();
  SysCtrlInit();
  Application->SetTitle("Wavorine Demo");
  Application->CreateForm(curvForm);
  Application->CreateForm(AboutBox);
  const std::string before_file = argc > 1 ? argv[1] : "";
  const std::string after_file = argc > 2 ? argv[2] : "";

  QImage shot;
  TPoint start, target;
  double x0 = 0, y0 = 0;
  int red_before = 0;
  std::vector<XStep> steps = {
      {"the splash after the first paint", [] { return AboutBox->Visible() && AboutBox->Active(); },
       [] { ClickAt(AboutBox->OKButton); }},
      {
          "the splash dismissed",
          [&] {
            if (AboutBox->Visible()) return false;
            Check(XPointerTo(1, 1), "pointer away");
            shot = GrabClient(curvForm);
            return SameAsFormImage(shot, curvForm);
          },
          [&] {
            if (!before_file.empty()) shot.save(QString::fromStdString(before_file));
            const TRect plot = PlotOnForm();
            for (TColor c : {clRed, clBlue, clFuchsia, clGreen}) {
              if (CountColour(shot, plot, c) < 20)
                Fail("too little of a channel colour in the plot");
            }
            // Dragging needs the mouse function "move"; the drag itself is the real mouse.
            curvForm->MouseSel->SetPosition(1);
            curvForm->MouseSelChanged(curvForm->MouseSel);
            curvForm->CurveSynth->GetChan1Point(2, x0, y0);
            start = PointOnScreen();
            target = {start.X + 40, start.Y - 60};
            red_before = CountColour(shot,
                                     Rect(target.X - curvForm->ClientOrigin().X - 3,
                                          target.Y - curvForm->ClientOrigin().Y - 3,
                                          target.X - curvForm->ClientOrigin().X + 3,
                                          target.Y - curvForm->ClientOrigin().Y + 3),
                                     clRed);
            Check(XPointerTo(start.X, start.Y) && Xdotool("mousedown 1"), "press");
            for (int i = 1; i <= 4; ++i) {
              Check(XPointerTo(start.X + 10 * i, start.Y - 15 * i), "drag");
            }
            Check(Xdotool("mouseup 1"), "release");
          },
      },
      {"the point dragged",
       [&] {
         double x, y;
         curvForm->CurveSynth->GetChan1Point(2, x, y);
         if (x == x0 && y == y0) return false;
         shot = GrabClient(curvForm);
         return SameAsFormImage(shot, curvForm);
       },
       [&] {
         if (!after_file.empty()) shot.save(QString::fromStdString(after_file));
         double x, y;
         curvForm->CurveSynth->GetChan1Point(2, x, y);
         if (!(x > x0 && y > y0)) Fail("the point did not move right and up");
         const TPoint now = PointOnScreen();
         if (std::abs(now.X - target.X) > 1 || std::abs(now.Y - target.Y) > 1) {
           Fail("the point is not where the mouse let it go");
         }
         const TPoint o = curvForm->ClientOrigin();
         const int red_after = CountColour(
             shot,
             Rect(target.X - o.X - 3, target.Y - o.Y - 3, target.X - o.X + 3, target.Y - o.Y + 3),
             clRed);
         if (red_after <= red_before + 4) Fail("no red square where the point went");
         ClickAt(curvForm->CloseBtn);
       }},
      {"the about box on exit", [] { return AboutBox->Visible(); },
       [] { ClickAt(AboutBox->OKButton); }},
  };
  const std::vector<std::string> failures = RunXSteps(steps);
  ExitOrvaneUnit();
  for (const std::string& f : failures) Fail(f);
  if (g_failures == 0) std::printf("Wavorine ran on the X server as expected\n");
  return g_failures == 0 ? 0 : 1;
}
