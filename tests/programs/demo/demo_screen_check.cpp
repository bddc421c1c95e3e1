// Starts the demo as the program does, on a real X server, and works it with the real mouse
// (xdotool): dismisses the splash, compares what the server shows with the main form's image and
// looks at every button's glyph, opens and closes the about box with its button, opens every
// demo form with its button and compares it with its image before closing it (a second form
// that a demo form opens with a button likewise), and ends the program through its exit button. Run
// through tests/x_session.sh; exit code 0 = all held, 2 = no X server.
//   demo_screen_check [screenshot.png [folder for a grab of every demo form]]

#include <QApplication>
#include <QCursor>
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

#include "platform/forms/forms.h"
#include "platform/forms/testing/qtwindows.h"
#include "programs/demo/aboutbox.h"
#include "programs/demo/demoindex.h"
#include "programs/demo/forms/registry.h"
#include "programs/demo/mainform.h"
#include "programs/demo/startup.h"
#include "tests/programs/xdriver.h"

namespace {

// Why the last wait did not end yet; told when a wait fails.
std::string g_waiting;

// Moves the pointer off the forms.
void MouseAway() {
  if (!XPointerTo(1, 1)) Fail("xdotool cannot move the mouse");
}

bool SameAsFormImage(const QImage& shot, const TForm* f) {
  const std::unique_ptr<TBitmap> image = f->GetFormImage();
  if (shot.width() != f->ClientWidth() || shot.height() != f->ClientHeight()) {
    g_waiting = "the grab of " + f->Name() + " has another size than its client area";
    return false;
  }
  int differ = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      if (At(shot, x, y) == image->Canvas()->Pixels(x, y)) continue;
      if (differ++ == 0) {
        char where[128];
        std::snprintf(where, sizeof where, " first at %d,%d: screen %06X, image %06X", x, y,
                      static_cast<unsigned>(At(shot, x, y)),
                      static_cast<unsigned>(image->Canvas()->Pixels(x, y)));
        g_waiting = f->Name() + " on the screen differs from its image," + where;
      }
    }
  }
  if (differ > 0) g_waiting += " (" + std::to_string(differ) + " pixels)";
  return differ == 0;
}

// A glyph cell is blank when its middle shows nothing but the button face.
bool GlyphCellBlank(const QImage& shot, const TSpeedButton* b) {
  const TPoint o = b->ClientOrigin();
  const TPoint f = MainForm->ClientOrigin();
  const int left = o.X - f.X + 4, top = o.Y - f.Y + 4;
  const TColor face = At(shot, left - 2, top - 2);
  for (int y = top; y < top + b->Height() - 8; ++y) {
    for (int x = left; x < left + b->Width() - 8; ++x) {
      if (At(shot, x, y) != face) return false;
    }
  }
  return true;
}

// The form of the modal window on screen, if it is one of ours.
TForm* ModalForm() {
  return dynamic_cast<TForm*>(qtwindows::ControlOf(QApplication::activeModalWidget()));
}

// Demo forms that open a second form with one of their buttons: the demo form's class, that
// button, the second form's caption and the button that ends it.
struct TSecondForm {
  const char* Demo;
  const char* Opener;
  const char* Caption;
  const char* Closer;
};
const TSecondForm kSecondForms[] = {{"TComPortDemo", "HelpBtn", "ComPort Info", "BitBtn1"}};

// The control of that name on the form; the run fails at once if there is none.
const TControl* ControlOf(const TForm* Form, const char* Name) {
  const auto* control = dynamic_cast<const TControl*>(Form->FindComponent(Name));
  if (control == nullptr) {
    Fail(std::string("no control ") + Name + " on " + Form->Name());
    std::exit(1);
  }
  return control;
}

}  // namespace

int main(int argc, char** argv) {
  Application->Initialize();
  if (!OnXServer()) return 2;
  StartDemoUnits();
  Application->SetTitle("Orvane Demo");
  Application->CreateForm(MainForm);
  Application->CreateForm(AboutBox);
  const std::string shot_file = argc > 1 ? argv[1] : "";
  static std::string form_shots;
  form_shots = argc > 2 ? argv[2] : "";

  QImage shot;
  std::vector<XStep> steps = {
      // A click reaches the box only once the server has mapped it: it is then the active window.
      {"the splash after the first paint", [] { return AboutBox->Visible() && AboutBox->Active(); },
       [] { ClickAt(AboutBox->OKButton); }},
      {"the splash dismissed",
       [&] {
         if (AboutBox->Visible()) {
           g_waiting = "the box is still shown";
           return false;
         }
         MouseAway();
         shot = GrabClient(MainForm);
         return SameAsFormImage(shot, MainForm);
       },
       [&] {
         if (!shot_file.empty()) shot.save(QString::fromStdString(shot_file));
         for (const TSpeedButton* b : MainForm->SpeedButtons) {
           if (GlyphCellBlank(shot, b)) Fail("blank glyph on " + b->Name());
         }
         ClickAt(MainForm->Button("AboutBtn"));
       }},
      {"the about box from its button", [] { return AboutBox->Visible() && AboutBox->Active(); },
       [] { ClickAt(AboutBox->OKButton); }},
      {"the about box closed", [] { return !AboutBox->Visible(); }, [] {}},
  };
  // Every demo form: opened by its button, shown as its image says, closed.
  for (const TDemoFormInfo& info : DemoForms()) {
    if (DemoFactory(info.Button) == nullptr) {
      Fail(std::string("no demo form behind ") + info.Button);
      continue;
    }
    const std::string name = info.ClassName;
    steps.push_back({"the main form for " + name, [] { return ModalForm() == nullptr; },
                     [&info] {
                       ClickAt(MainForm->Button(info.Button));
                       MouseAway();
                     }});
    steps.push_back({"the screen showing " + name,
                     [&info] {
                       TForm* f = ModalForm();
                       if (f == nullptr || f->Caption() != info.Caption) return false;
                       // A form that animates: what its last ticks drew reaches the screen
                       // before the grab, so grab and image show one state.
                       Application->ProcessMessages();
                       const QImage grab = GrabClient(f);
                       if (!form_shots.empty()) {
                         grab.save(
                             QString::fromStdString(form_shots + "/" + info.ClassName + ".png"));
                       }
                       return SameAsFormImage(grab, f);
                     },
                     [] { ModalForm()->Close(); }});
    for (const TSecondForm& second : kSecondForms) {
      if (name != second.Demo) continue;
      // Before it closes, the demo form opens its second form with a real click.
      steps.back().act = [&second] {
        ClickAt(ControlOf(ModalForm(), second.Opener));
        MouseAway();
      };
      steps.push_back({std::string("the screen showing ") + second.Caption,
                       [&second] {
                         TForm* f = ModalForm();
                         if (f == nullptr || f->Caption() != second.Caption) return false;
                         return SameAsFormImage(GrabClient(f), f);
                       },
                       [&second] { ClickAt(ControlOf(ModalForm(), second.Closer)); }});
      steps.push_back({"back on " + name,
                       [&info] {
                         TForm* f = ModalForm();
                         return f != nullptr && f->Caption() == info.Caption;
                       },
                       [] { ModalForm()->Close(); }});
    }
  }
  steps.push_back({"the demo forms closed", [] { return ModalForm() == nullptr; },
                   [] { ClickAt(MainForm->Button("ExitBtn")); }});
  steps.push_back({"the about box on exit",
                   [] { return AboutBox->Visible() && AboutBox->Active(); },
                   [] { ClickAt(AboutBox->OKButton); }});
  const std::vector<std::string> failures = RunXSteps(steps, [] { return g_waiting; });
  StopDemoUnits();
  for (const std::string& f : failures) Fail(f);
  if (g_failures == 0) std::printf("the demo ran on the X server as expected\n");
  return g_failures == 0 ? 0 : 1;
}
