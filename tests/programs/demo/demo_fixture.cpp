#include "tests/programs/demo/demo_fixture.h"

#include <algorithm>

#include "library/controls/orvanemisc2/rollbar.h"
#include "library/foundation/segments.h"
#include "library/foundation/tickservice.h"
#include "platform/base/sysutils.h"
#include "programs/demo/forms/registry.h"
#include "programs/demo/magiceyestate.h"

DemoTest::DemoTest() {
  DecimalSeparator = '.';
  ShortDateFormat = "dd.mm.yy";
  EnglishTexts = false;
  BuildSegmentTables();
  TickServiceStartup();
  MagicEyeDemoInit();
}

DemoTest::~DemoTest() {
  delete form;  // the controls go before the service they are registered with
  form = nullptr;
  TickServiceShutdown();
  DecimalSeparator = '.';
  ShortDateFormat = "dd.mm.yy";
  EnglishTexts = false;
}

void DemoTest::Ticks(int n) {
  for (int i = 0; i < n; ++i) TickServiceCallback();
}

int DemoTest::TickRecords() {
  int n = 0;
  while (TimerListItem(n) != nullptr) ++n;
  return n;
}

std::unique_ptr<TForm> DemoTest::OpenDemoForm(const std::string& Button) {
  TDemoFactory factory = DemoFactory(Button);
  if (factory == nullptr) return nullptr;
  std::unique_ptr<TForm> demo(factory(nullptr));
  demo->Show();
  Pump();
  return demo;
}

namespace {

std::string Where(const TControl* c) { return c->Name().empty() ? "(unnamed)" : c->Name(); }

void CheckChildren(const TWinControl* parent, std::vector<std::string>& faults) {
  TRect client = parent->ClientRect();
  // What a roll-up panel holds lies under its caption bar while it is rolled up; it must fit the
  // panel rolled down.
  if (auto* bar = dynamic_cast<const TRollBar*>(parent)) {
    client.Bottom = std::max(client.Bottom, client.Top + bar->HeightMax());
  }
  std::vector<const TWinControl*> windowed;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    const TControl* c = parent->Controls(i);
    if (!c->Visible()) continue;
    const TRect r = c->BoundsRect();
    if (r.Left < client.Left || r.Top < client.Top || r.Right > client.Right ||
        r.Bottom > client.Bottom) {
      faults.push_back(Where(c) + " lies outside the client area of " + Where(parent));
    }
    if (auto* w = dynamic_cast<const TWinControl*>(c)) {
      for (const TWinControl* other : windowed) {
        const TRect o = other->BoundsRect();
        if (r.Left < o.Right && o.Left < r.Right && r.Top < o.Bottom && o.Top < r.Bottom) {
          faults.push_back(Where(c) + " overlaps " + Where(other));
        }
      }
      windowed.push_back(w);
      CheckChildren(w, faults);
    }
  }
}

}  // namespace

std::vector<std::string> DemoFormFaults(const TForm& Form, const TDemoFormInfo& Info) {
  std::vector<std::string> faults;
  if (Form.ClientWidth() != Info.ClientWidth || Form.ClientHeight() != Info.ClientHeight) {
    faults.push_back("client size " + std::to_string(Form.ClientWidth()) + " x " +
                     std::to_string(Form.ClientHeight()) + ", the index says " +
                     std::to_string(Info.ClientWidth) + " x " + std::to_string(Info.ClientHeight));
  }
  if (Form.Caption() != Info.Caption) faults.push_back("caption \"" + Form.Caption() + "\"");
  if (Form.BorderStyle() != bsDialog) faults.push_back("no dialog border");
  if ((Form.FormStyle() == fsStayOnTop) != Info.OnTop) faults.push_back("on-top flag");
  CheckChildren(&Form, faults);
  return faults;
}
