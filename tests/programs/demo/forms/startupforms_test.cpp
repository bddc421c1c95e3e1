// The two demo forms made at start-up: hidden, owned by the application, and freed with their
// tick records before the service stops.

#include "programs/demo/forms/startupforms.h"

#include "platform/forms/application.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class StartupFormsTest : public DemoTest {};

TEST_F(StartupFormsTest, HiddenOwnedAndFreedWithTheirTickRecords) {
  const int records = TickRecords();
  CreateStartupDemoForms();
  ASSERT_NE(CtrlTimDemo, nullptr);
  ASSERT_NE(BoxLineDemo, nullptr);
  for (TForm* startup : {static_cast<TForm*>(CtrlTimDemo), static_cast<TForm*>(BoxLineDemo)}) {
    EXPECT_FALSE(startup->Visible());
    EXPECT_EQ(startup->Owner(), Application);
  }
  EXPECT_GT(TickRecords(), records);
  {
    // The button makes its own form; the start-up one stays as it was.
    auto demo = OpenDemoForm("CtrlTimBtn");
    EXPECT_NE(demo.get(), CtrlTimDemo);
    EXPECT_FALSE(CtrlTimDemo->Visible());
  }
  Ticks(40);
  FreeStartupDemoForms();
  EXPECT_EQ(CtrlTimDemo, nullptr);
  EXPECT_EQ(BoxLineDemo, nullptr);
  EXPECT_EQ(TickRecords(), records);
}

}  // namespace
