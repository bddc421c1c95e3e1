#pragma once
// A form with a fresh tick service; time advances only through Ticks.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/foundation/frame.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/testing/formtest.h"

class TastenTest : public FormTest {
 protected:
  TastenTest() { TickServiceStartup(); }
  ~TastenTest() override {
    delete form;  // the controls go before the service they are registered with
    form = nullptr;
    TickServiceShutdown();
  }

  template <class T>
  T* Make(int x, int y, int w, int h, TWinControl* parent = nullptr) {
    auto* c = new T(form);
    c->SetParent(parent != nullptr ? parent : form);
    c->SetBounds(x, y, w, h);
    return c;
  }

  void Ticks(int n) {
    for (int i = 0; i < n; ++i) TickServiceCallback();
  }
  // Ticks on through the next flip of the blink phase to the last tick of that half cycle: every
  // blink record (one per phase slot 0..6) has then fired in the phase that BlinkPhase holds.
  void ToEndOfHalfCycle() {
    do {
      TickServiceCallback();
    } while (TickCounter() != 0);
    while (TickCounter() != 6) TickServiceCallback();
  }

  // Records the frame events of c under its name.
  void Record(TFrameControl* c, const std::string& name) {
    c->OnDown = [this, name](TObject*) { events.push_back(name + " down"); };
    c->OnUp = [this, name](TObject*) { events.push_back(name + " up"); };
    c->OnClick = [this, name](TObject*) { events.push_back(name + " click"); };
  }

  // Pixels of colour inside r on c's screen.
  static int Count(TCanvas& c, const TRect& r, TColor colour) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) n += c.Pixels(x, y) == colour;
    }
    return n;
  }

  std::vector<std::string> events;
};
