// Saves and loads a curve file named "Süd.wvr" through Wavorine's real file dialogs on an X
// server with a window manager, the name typed with the real keyboard (xdotool), and finds that
// exact UTF-8 name on disk and the name, as text, in the caption.
// Run through tests/x_session.sh --openbox; exit code 0 = all held, 2 = no X server.

#include <stdlib.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "library/controls/sysctrl/sysinfo.h"
#include "library/foundation/frame.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/forms.h"
#include "programs/curves/curvinfo.h"
#include "programs/curves/curvmain.h"
#include "tests/programs/xdriver.h"
#include "tests/programs/xfiledialog.h"

using Curvinfo::AboutBox;

namespace {

int g_failures = 0;

void Fail(const std::string& what) {
  std::fprintf(stderr, "FAIL: %s\n", what.c_str());
  ++g_failures;
}

void Check(bool done, const std::string& what) {
  if (!done) Fail("xdotool: " + what);
}

void ClickAt(const TControl* c) {
  const TPoint p = c->ClientOrigin();
  Check(XClickAt(p.X + c->Width() / 2, p.Y + c->Height() / 2), "click");
}

// What the screen shows while a step waits in vain.
std::string Seen() {
  QWidget* modal = QApplication::activeModalWidget();
  std::string seen = modal != nullptr ? modal->metaObject()->className() : "no modal window";
  if (const QLineEdit* field = ActiveFileNameField()) {
    seen += ", name field \"" + field->text().toStdString() + "\"";
  }
  return seen + ", caption \"" + curvForm->Caption() + "\"";
}

}  // namespace

int main() {
  FrameClickRule = TFrameClickRule::ClickAtToggle;
  Application->Initialize();
  if (QGuiApplication::platformName() != "xcb") {
    std::fprintf(stderr, "needs an X server (platform is %s)\n",
                 qPrintable(QGuiApplication::platformName()));
    return 2;
  }
  // A folder of its own, where the dialogs start.
  char folder[] = "/tmp/orvane-names-XXXXXX";
  if (mkdtemp(folder) == nullptr || chdir(folder) != 0) {
    std::perror("temporary folder");
    return 1;
  }
  const std::string dir = folder;
  const std::string name = "Süd.wvr";  // UTF-8, as on disk
  if (!XGiveKeysTo(name)) {
    std::fprintf(stderr, "no keys for the name\n");
    return 1;
  }
  InitOrvaneUnit();
  SysCtrlInit();
  Application->SetTitle("Wavorine Demo");
  Application->CreateForm(curvForm);
  Application->CreateForm(AboutBox);

  const std::string caption =
      "Vantreo Orvane CurveSynth-Demo  [S\xFC"
      "d.wvr]";  // Windows-1252
  const auto typed = [&] {
    const QLineEdit* field = ActiveFileNameField();
    return field != nullptr && field->text() == QString::fromUtf8(name);
  };
  std::vector<XStep> steps = {
      {"the splash after the first paint", [] { return AboutBox->Visible() && AboutBox->Active(); },
       [] { ClickAt(AboutBox->OKButton); }},
      {"the main form active", [] { return !AboutBox->Visible() && curvForm->Active(); },
       [] {
         curvForm->CurveSynth->SetChanCurvPts(2, 12);
         ClickAt(curvForm->SaveBtn);
       }},
      {"the save dialog", [] { return ActiveFileNameField() != nullptr; },
       [&] { Check(XType(name), "typing"); }},
      {"the name typed into the save dialog", typed, [] { Check(Xdotool("key Return"), "Enter"); }},
      {"the question whether to create the file", MessageBoxActive,
       [] { Check(Xdotool("key Return"), "Enter"); }},
      {"the file saved", [&] { return !FileDialogShown() && curvForm->Caption() == caption; },
       [&] {
         if (NamesIn(dir) != std::set<std::string>{name}) Fail("the folder does not hold Süd.wvr");
         curvForm->CurveSynth->SetChanCurvPts(2, 4);
         curvForm->SetCaption("before loading");
         ClickAt(curvForm->LoadBtn);
       }},
      {"the open dialog", [] { return ActiveFileNameField() != nullptr; },
       [&] { Check(XType(name), "typing"); }},
      {"the name typed into the open dialog", typed, [] { Check(Xdotool("key Return"), "Enter"); }},
      {"the file loaded",
       [&] { return !FileDialogShown() && curvForm->CurveSynth->ChanCurvPts(2) == 12; },
       [&] {
         if (curvForm->Caption() != caption) Fail("caption after loading: " + curvForm->Caption());
         if (curvForm->FileName() != dir + "/" + name) Fail("file name " + curvForm->FileName());
         ClickAt(curvForm->CloseBtn);
       }},
      {"the about box on exit", [] { return AboutBox->Visible() && AboutBox->Active(); },
       [] { ClickAt(AboutBox->OKButton); }},
  };
  const std::vector<std::string> failures = RunXSteps(steps, Seen);
  ExitOrvaneUnit();
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  for (const std::string& f : failures) Fail(f);
  if (g_failures == 0) std::printf("Süd.wvr saved and loaded through the real dialogs\n");
  return g_failures == 0 ? 0 : 1;
}
