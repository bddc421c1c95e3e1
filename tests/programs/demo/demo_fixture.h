#pragma once
// Tests of the demo program: the program's units started with a tick service that advances only
// through Ticks, and the checks every demo form must pass.
//
// A demo form's own tests derive from DemoTest and open the form as the main form would:
//   class BevelDemoTest : public DemoTest {};
//   TEST_F(BevelDemoTest, Something) {
//     auto demo = OpenDemoForm("Bevel3DBtn");     // made by the registered factory, shown
//     auto* f = static_cast<TBevelDemo*>(demo.get());
//     Click(f->SomeButton, 5, 5);  Ticks(10);  ...
//   }
// Every registered form is already opened, checked against the index and closed by the shared
// form checks (forms_test.cpp); nothing needs to be added there.

#include <memory>
#include <string>
#include <vector>

#include "platform/forms/testing/formtest.h"
#include "programs/demo/demoform.h"

class DemoTest : public FormTest {
 protected:
  DemoTest();
  ~DemoTest() override;

  void Ticks(int n);
  // The number of records in the tick service.
  static int TickRecords();
  // Makes the form of a main-form button through its registered factory, shows it (without a
  // modal loop) and pumps; nullptr when the form is not built.
  std::unique_ptr<TForm> OpenDemoForm(const std::string& Button);
};

// What the form's frame and layout break: the client size and frame against the index, controls
// outside their parent's client area, windowed siblings that overlap. Empty when nothing does.
std::vector<std::string> DemoFormFaults(const TForm& Form, const TDemoFormInfo& Info);
