#pragma once
// A form with one logic display on a fresh tick service; time advances only through Ticks.

#include <gtest/gtest.h>

#include "library/foundation/tickservice.h"
#include "platform/forms/testing/formtest.h"
#include "programs/logic/logic.h"

class LogicTest : public FormTest {
 protected:
  LogicTest() { TickServiceStartup(); }
  ~LogicTest() override {
    delete form;  // the display goes before the service it is registered with
    form = nullptr;
    TickServiceShutdown();
  }

  // A display of w x h at (0, 0) on a form big enough for it; shown (and so painted) unless
  // asked not to.
  TLogic* MakeLogic(int w = 400, int h = 300, bool show = true) {
    form->SetBounds(0, 0, w + 20, h + 20);
    logic = new TLogic(form);
    logic->SetParent(form);
    logic->SetBounds(0, 0, w, h);
    if (show) ShowForm();
    return logic;
  }

  void Ticks(int n) {
    for (int i = 0; i < n; ++i) TickServiceCallback();
  }

  static int Count(TCanvas& c, const TRect& r, TColor colour) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) n += c.Pixels(x, y) == colour;
    }
    return n;
  }

  TLogic* logic = nullptr;
};
