#include <gtest/gtest.h>

#include "library/foundation/segments.h"
#include "library/foundation/tickservice.h"
#include "platform/base/sysutils.h"

namespace {

TEST(OrvaneUnit, StartUpSetsFormatsTablesAndAServiceThatExitStops) {
  DecimalSeparator = ',';
  ShortDateFormat = "yyyy-mm-dd";
  InitOrvaneUnit();
  EXPECT_EQ(DecimalSeparator, '.');
  EXPECT_EQ(ShortDateFormat, "dd.mm.yy");
  EXPECT_EQ(FloatToStrF(2.5, ffFixed, 4, 1), "2.5");
  EXPECT_EQ(SegmentTables[0][6][5], (TPoint{3, 49}));
  EXPECT_EQ(SegmentTables[1][9][1], (TPoint{80, 40}));
  EXPECT_FALSE(BlinkPhase);
  EXPECT_FALSE(EnglishTexts);
  int32_t id = TimerRegister([](TObject*) {});
  EXPECT_EQ(id, 0);
  ExitOrvaneUnit();
  // Components destroyed after the exit still stop and remove their records.
  TimerStop(id);
  TimerRemove(id);
  TimerSetInterval(id, 100);
  EXPECT_EQ(TimerRegister([](TObject*) {}), -1);
  ExitOrvaneUnit();
  // A second start-up gives a fresh service.
  InitOrvaneUnit();
  EXPECT_EQ(TimerRegister([](TObject*) {}), 0);
  ExitOrvaneUnit();
}

}  // namespace
