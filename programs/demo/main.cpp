// orvanedemo: the component demo.

#include "platform/forms/forms.h"
#include "programs/demo/aboutbox.h"
#include "programs/demo/forms/startupforms.h"
#include "programs/demo/mainform.h"
#include "programs/demo/startup.h"

int main() {
  Application->Initialize();
  StartDemoUnits();
  Application->SetTitle("Orvane Demo");
  Application->CreateForm(MainForm);
  Application->CreateForm(AboutBox);
  // Each button makes its own demo form, runs it and frees it; these two are made once more in
  // advance and never shown, and go before the units stop, with their tick records.
  CreateStartupDemoForms();
  Application->Run();
  FreeStartupDemoForms();
  StopDemoUnits();
  return 0;
}
