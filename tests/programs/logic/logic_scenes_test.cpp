// The diagram's pixels after full redraws and long runs of single-sample steps both ways, at the
// three sample sizes and zoomed views whose steps are whole, fractional and wide, pinned by
// fingerprints of known-good output: a change to the redraw or the scroll step that moves a
// single pixel shows up. When output changes on purpose, check the pictures by eye and record
// the new fingerprints.

#include <algorithm>
#include <cstdint>
#include <random>

#include "tests/programs/logic/logic_fixture.h"

namespace {

class LogicScenes : public LogicTest {
 protected:
  // FNV-1a over the display area's pixels, folded into Hash.
  void Fold(uint64_t& Hash) {
    const TRect d = logic->Layout().Disp;
    TCanvas& c = *logic->Canvas();
    const TSurface& s = c.Surface();
    const TPoint o = c.Origin();
    for (int y = d.Top + o.Y; y < d.Bottom + o.Y; ++y) {
      for (int x = d.Left + o.X; x < d.Right + o.X; ++x)
        Hash = (Hash ^ s.Bits[size_t(y) * size_t(s.Stride) + size_t(x)]) * 0x100000001b3ULL;
    }
  }
};

TEST_F(LogicScenes, RedrawsAndStepsMatchTheirFingerprints) {
  struct View {
    int32_t start, end;
  };
  const View views[] = {{1000, 1200}, {5000, 5333}, {0, 90}};
  // Per sample size: the whole buffer, then each view with its steps.
  const uint64_t expected[3][4] = {
      {0xaca03b2f2e6f1a75, 0x8eab46ac6d2c2280, 0x87e92b0a26500cce, 0xe84e953f7c7ec0ab},
      {0x6a4bfbfd55b5a185, 0x0bc21d7d7275d4c5, 0x3ea4a15daf69d023, 0x460e12dbaa55ad61},
      {0x788b984b592dc1b8, 0x0bc21d7d7275d4c5, 0x3cb717ab872d5023, 0x460e12dbaa55ad61},
  };
  for (int size = 0; size < 3; ++size) {
    delete form;
    form = new TForm(nullptr);
    MakeLogic(700, 420);
    logic->SetBufferSize(64000);
    logic->SetLogSize(static_cast<TLogSize>(size));
    std::mt19937 rng(3);
    for (int32_t i = 0; i < logic->BufferCount(); ++i)
      logic->WriteSample(i, rng() & (rng() & 1 ? 0xFFFFFFFFu : 0x0F0F0F0Fu));
    logic->SetTriggerPos(logic->BufferCount() / 3);
    logic->SetColGrid(0x00FF00);
    logic->SetChanFirst(0);
    logic->SetChanLast(logic->HighestChannel());
    logic->SetDispStartPos(0);
    logic->SetDispEndPos(logic->BufferCount() - 1);
    logic->RefreshDisplay();
    Pump();
    uint64_t whole = 0xcbf29ce484222325ULL;
    Fold(whole);
    EXPECT_EQ(whole, expected[size][0]) << "size " << size << ": 0x" << std::hex << whole;
    for (int v = 0; v < 3; ++v) {
      logic->SetChanFirst(2);
      logic->SetChanLast(std::min(13, logic->HighestChannel()));
      logic->SetDispEndPos(views[v].end);
      logic->SetDispStartPos(views[v].start);
      logic->SetPointerPos(views[v].start + 20);
      logic->SetMarkerPos(views[v].start + 40);
      logic->RefreshDisplay();
      Pump();
      uint64_t hash = 0xcbf29ce484222325ULL;
      Fold(hash);
      for (int i = 0; i < 90; ++i) {
        (i / 30) % 2 ? logic->StepBack() : logic->StepForward();
        Pump();
        Fold(hash);
      }
      logic->RefreshDisplay();
      Pump();
      Fold(hash);
      EXPECT_EQ(hash, expected[size][v + 1])
          << "size " << size << " view " << v << ": 0x" << std::hex << hash;
    }
  }
}

}  // namespace
