// Every built demo form against the index: frame, layout, and nothing left behind when it closes.

#include <set>

#include "programs/demo/demoindex.h"
#include "programs/demo/forms/registry.h"
#include "programs/demo/mainbuttons.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

class DemoFormsTest : public DemoTest {};

TEST_F(DemoFormsTest, IndexNamesEveryDemoButtonOnce) {
  std::set<std::string> buttons;
  for (const TMainButton& b : MainButtons()) buttons.insert(b.Name);
  std::set<std::string> seen;
  for (const TDemoFormInfo& f : DemoForms()) {
    EXPECT_TRUE(buttons.count(f.Button)) << f.Button << " is no main-form button";
    EXPECT_TRUE(seen.insert(f.Button).second) << f.Button << " twice";
  }
  EXPECT_EQ(seen.size(), 41u);
  EXPECT_EQ(buttons.size(), 44u);  // the 41 and About, Shade, Exit
}

TEST_F(DemoFormsTest, EveryBuiltFormFitsItsIndexAndLeavesNothingBehind) {
  for (const TDemoFormInfo& info : DemoForms()) {
    if (DemoFactory(info.Button) == nullptr) continue;
    SCOPED_TRACE(info.ClassName);
    const int records = TickRecords();
    {
      std::unique_ptr<TForm> demo = OpenDemoForm(info.Button);
      for (const std::string& fault : DemoFormFaults(*demo, info)) ADD_FAILURE() << fault;
      Ticks(40);
      Pump();
    }
    Pump();
    EXPECT_EQ(TickRecords(), records) << "tick records left behind";
  }
}

}  // namespace
