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

int main() {
  FrameClickRule = TFrameClickRule::ClickAtToggle;
  Application->Initialize();
  if (!OnXServer()) return 2;
  const std::string name = "Süd.wvr";  // UTF-8, as on disk
  const std::string dir = FolderToNameIn(name);
  if (dir.empty()) return 1;
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
  const std::vector<std::string> failures =
      RunXSteps(steps, [] { return FileDialogSeen(curvForm->Caption()); });
  ExitOrvaneUnit();
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  for (const std::string& f : failures) Fail(f);
  if (g_failures == 0) std::printf("Süd.wvr saved and loaded through the real dialogs\n");
  return g_failures == 0 ? 0 : 1;
}
