// The system information demo: the drive lines and the panels filled when the form shows.

#include "programs/demo/forms/fsysinf.h"

#include "platform/base/sysutils.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

TEST(DriveEntryText, NamesTheTypeBehindTheLetter) {
  const struct {
    const char* entry;
    const char* text;
  } cases[] = {
      {"C|3", "C: Fixed"},
      {"a|2", "A: Floppy"},
      {"F|4", "F: Network"},
      {"D|5", "D: CDROM"},
      {"R|6", "R: RAMDisk"},
      {"C|131", "C: Fixed"},
      {"C|7", "C: "},
      {"C|1", "C: "},
      {"C|-3", "C: "},
      {"C", "C: "},
      {"", ": "},
  };
  for (const auto& c : cases) EXPECT_EQ(DriveEntryText(c.entry), c.text) << c.entry;
}

class SysInfoDemoTest : public DemoTest {};

TEST_F(SysInfoDemoTest, ShowingTheFormFillsThePanelsFromTheComponent) {
  auto demo = OpenDemoForm("SysInfBtn");
  auto* f = static_cast<TSysInfoDemo*>(demo.get());
  TSysInfo* s = f->SysInfo;
  EXPECT_EQ(f->VersWin->Caption(), s->VersWin());
  EXPECT_FALSE(f->VersWin->Caption().empty());
  EXPECT_EQ(f->NameUser->Caption(), s->NameUser());
  EXPECT_EQ(f->NameComp->Caption(), s->NameComp());
  EXPECT_EQ(f->CpuTyp->Caption(), s->CPUtyp() + "  ");
  EXPECT_EQ(f->SysMem->Caption(), s->SysMem());
  EXPECT_EQ(f->MemUsed->Caption(), s->SysMemUsed());
  EXPECT_EQ(f->MemFree->Caption(), s->SysMemFree());
  EXPECT_EQ(f->DiskSpace->Caption(), s->DiskSpace());
  EXPECT_EQ(f->DiskSize->Caption(), s->DiskSize());
  EXPECT_NE(f->DiskSize->Caption().find("MB"), std::string::npos);
  EXPECT_EQ(f->DriveCount->Caption(), IntToStr(s->DriveCount()));
  ASSERT_EQ(f->DriveList->Items()->Count(), s->DriveList()->Count());
  ASSERT_GT(s->DriveCount(), 0);  // the root file system is a drive
  for (int i = 0; i < s->DriveCount(); ++i) {
    EXPECT_EQ(f->DriveList->Items()->Strings(i), DriveEntryText(s->DriveList()->Strings(i)));
  }
}

}  // namespace
