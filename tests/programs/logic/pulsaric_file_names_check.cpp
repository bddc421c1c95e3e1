// Saves and restores a logic data file named "日本語.psr" through Pulsaric's real file dialogs on
// an X server with a window manager, the name typed with the real keyboard (xdotool), and finds
// that exact UTF-8 name on disk and the name, as Windows-1252 text, in the caption (its letters,
// which that code page lacks, shown as '?').
// Run through tests/x_session.sh --openbox; exit code 0 = all held, 2 = no X server.

#include <stdlib.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
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
#include "tests/programs/xfiledialog.h"

using Loginfo::AboutBox;

int main() {
  Application->Initialize();
  if (!OnXServer()) return 2;
  const std::string name = "日本語.psr";  // UTF-8, as on disk
  const std::string dir = FolderToNameIn(name);
  if (dir.empty()) return 1;
  InitOrvaneUnit();
  FrameClickRule = TFrameClickRule::ClickAtToggle;
  Application->SetTitle(kLogicCaption);
  Application->CreateForm(LogAna);
  Setup = new TSetup(Application, LogAna->Display);
  Application->CreateForm(AboutBox);
  BufferFill = new TBufferFill(Application, LogAna->Display);

  const std::string caption = std::string(kLogicCaption) + " [???.psr]";
  const uint32_t sample = 0x12345678;
  bool answered = false;
  const auto typed = [&] {
    const QLineEdit* field = ActiveFileNameField();
    return field != nullptr && field->text() == QString::fromUtf8(name);
  };
  std::vector<XStep> steps = {
      {"the splash after the first paint", [] { return AboutBox->Visible() && AboutBox->Active(); },
       [] { ClickAt(AboutBox->OKButton); }},
      {"the main form active", [] { return !AboutBox->Visible() && LogAna->Active(); },
       [&] {
         LogAna->Display->WriteSample(0, sample);
         ClickAt(LogAna->ScanBtn);
       }},
      {"the data dialog", [] { return BufferFill->Visible() && BufferFill->Active(); },
       [] { ClickAt(BufferFill->SaveBtn); }},
      {"the save dialog", [] { return ActiveFileNameField() != nullptr; },
       [&] { Check(XType(name), "typing"); }},
      {"the name typed into the save dialog", typed, [] { Check(Xdotool("key Return"), "Enter"); }},
      {"the file saved",
       [&] {
         // The save dialog may ask first whether to create the file: yes, once.
         if (MessageBoxActive() && !answered) {
           answered = true;
           Check(Xdotool("key Return"), "Enter");
         }
         return !FileDialogShown() && LogAna->Caption() == caption && LogAna->Active();
       },
       [&] {
         if (NamesIn(dir) != std::set<std::string>{name}) Fail("the folder does not hold the file");
         LogAna->Display->WriteSample(0, 0);
         LogAna->SetCaption("before restoring");
         ClickAt(LogAna->ScanBtn);
       }},
      {"the data dialog again", [] { return BufferFill->Visible() && BufferFill->Active(); },
       [] { ClickAt(BufferFill->RestoreBtn); }},
      {"the open dialog", [] { return ActiveFileNameField() != nullptr; },
       [&] { Check(XType(name), "typing"); }},
      {"the name typed into the open dialog", typed, [] { Check(Xdotool("key Return"), "Enter"); }},
      {"the file restored",
       [&] {
         return !FileDialogShown() && LogAna->Display->ReadSample(0) == sample && LogAna->Active();
       },
       [&] {
         if (LogAna->Caption() != caption) Fail("caption after restoring: " + LogAna->Caption());
         ClickAt(LogAna->CloseBtn);
       }},
      {"the about box on closing", [] { return AboutBox->Visible() && AboutBox->Active(); },
       [] { Check(Xdotool("key Return"), "Enter"); }},
  };
  const std::vector<std::string> failures =
      RunXSteps(steps, [] { return FileDialogSeen(LogAna->Caption()); });
  ExitOrvaneUnit();
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  for (const std::string& f : failures) Fail(f);
  if (g_failures == 0)
    std::printf("%s saved and restored through the real dialogs\n", name.c_str());
  return g_failures == 0 ? 0 : 1;
}
