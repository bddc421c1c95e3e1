// orvanedemo: the component demo.

#include "platform/forms/forms.h"
#include "programs/demo/aboutbox.h"
#include "programs/demo/mainform.h"
#include "programs/demo/startup.h"

int main() {
  StartDemoUnits();
  Application->Initialize();
  Application->SetTitle("Orvane Demo");
  Application->CreateForm(MainForm);
  Application->CreateForm(AboutBox);
  Application->Run();
  StopDemoUnits();
  return 0;
}
