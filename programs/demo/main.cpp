// orvanedemo: the component demo.

#include "platform/forms/forms.h"
#include "programs/demo/aboutbox.h"
#include "programs/demo/mainform.h"
#include "programs/demo/startup.h"

int main() {
  Application->Initialize();
  StartDemoUnits();
  Application->SetTitle("Orvane Demo");
  Application->CreateForm(MainForm);
  Application->CreateForm(AboutBox);
  // Demo forms exist only while shown: each button makes its form, runs it and frees it. None is
  // made in advance, so no hidden form holds tick records or outlives its use.
  Application->Run();
  StopDemoUnits();
  return 0;
}
