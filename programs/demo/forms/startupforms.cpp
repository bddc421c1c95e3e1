#include "programs/demo/forms/startupforms.h"

#include "platform/forms/application.h"

void CreateStartupDemoForms() {
  Application->CreateForm(CtrlTimDemo);
  Application->CreateForm(BoxLineDemo);
}

void FreeStartupDemoForms() {
  delete CtrlTimDemo;
  delete BoxLineDemo;
}
