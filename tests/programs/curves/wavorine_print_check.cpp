// Prints from Wavorine through the real print dialog on an X server with a window manager, with
// no printer and a home of its own whose documents folder does not exist yet: the dialog offers
// a new file there named after the program, Enter prints into it, and a second print is offered
// and written as a second file beside the first, which stays as it was.
// Run through tests/x_session.sh --openbox; exit code 0 = all held, 2 = no X server.

#include <stdlib.h>

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "library/controls/sysctrl/sysinfo.h"
#include "library/foundation/frame.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/forms.h"
#include "programs/curves/curvinfo.h"
#include "programs/curves/curvmain.h"
#include "tests/programs/xdriver.h"

using Curvinfo::AboutBox;
namespace fs = std::filesystem;

namespace {

bool PrintDialogActive() {
  const QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr && modal->inherits("QPrintDialog") && modal->isActiveWindow();
}

// A whole PDF file (it ends with its end-of-file mark).
bool Printed(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  const std::string data = s.str();
  return data.rfind("%PDF-", 0) == 0 && data.find("%%EOF", data.size() - 8) != std::string::npos;
}

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// What the screen shows while a step waits in vain.
std::string Seen(const fs::path& documents) {
  const QWidget* modal = QApplication::activeModalWidget();
  std::string seen = modal != nullptr ? modal->metaObject()->className() : "no modal window";
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(documents, ec)) {
    seen += ", " + entry.path().filename().string();
  }
  return seen;
}

}  // namespace

int main() {
  // A home of its own and no printer, whatever the machine has.
  char folder[] = "/tmp/orvane-print-XXXXXX";
  if (mkdtemp(folder) == nullptr) {
    std::perror("temporary folder");
    return 1;
  }
  const fs::path home = folder;
  setenv("HOME", folder, 1);
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("ORVANE_PRINT_PDF");
  setenv("CUPS_SERVER", (home / "no-cups.sock").c_str(), 1);

  FrameClickRule = TFrameClickRule::ClickAtToggle;
  Application->Initialize();
  if (!OnXServer()) return 2;
  // New files are named after the program.
  const std::string program =
      QCoreApplication::applicationFilePath().section('/', -1).toStdString();
  const fs::path first = home / "Documents" / (program + "-1.pdf");
  const fs::path second = home / "Documents" / (program + "-2.pdf");
  InitOrvaneUnit();
  SysCtrlInit();
  Application->SetTitle("Wavorine Demo");
  Application->CreateForm(curvForm);
  Application->CreateForm(AboutBox);

  std::string first_print;
  std::vector<XStep> steps = {
      {"the splash after the first paint", [] { return AboutBox->Visible() && AboutBox->Active(); },
       [] { ClickAt(AboutBox->OKButton); }},
      {"the main form active", [] { return !AboutBox->Visible() && curvForm->Active(); },
       [] { ClickAt(curvForm->PrintFullBtn); }},
      {"the print dialog", PrintDialogActive, [] { Xdotool("key Return"); }},
      {"the first print", [&] { return !PrintDialogActive() && Printed(first); },
       [&] {
         first_print = Read(first);
         ClickAt(curvForm->Print11Btn);
       }},
      {"the print dialog again", PrintDialogActive, [] { Xdotool("key Return"); }},
      {"the second print", [&] { return !PrintDialogActive() && Printed(second); },
       [&] {
         if (Read(first) != first_print) Fail("the second print changed the first");
         ClickAt(curvForm->CloseBtn);
       }},
      {"the about box on exit", [] { return AboutBox->Visible(); },
       [] { ClickAt(AboutBox->OKButton); }},
  };
  const std::vector<std::string> failures =
      RunXSteps(steps, [&] { return Seen(home / "Documents"); });
  ExitOrvaneUnit();
  std::error_code ec;
  fs::remove_all(home, ec);
  for (const std::string& f : failures) Fail(f);
  if (g_failures == 0) std::printf("two prints through the real dialog, two new files\n");
  return g_failures == 0 ? 0 : 1;
}
