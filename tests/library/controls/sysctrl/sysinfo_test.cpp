#include "library/controls/sysctrl/sysinfo.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <cstdlib>
#include <string>

#include "platform/base/sysutils.h"
#include "platform/devices/sysinfo.h"

namespace {

// The number in front of a "KB" or "MB" text.
int64_t Number(const std::string& text, const char* unit) {
  EXPECT_GE(text.size(), 3u) << text;
  EXPECT_EQ(text.substr(text.size() - 2), unit) << text;
  return std::strtoll(text.c_str(), nullptr, 10);
}

TEST(SysInfo, TextsAgreeWithTheSystemServices) {
  SysCtrlInit();
  TSysInfo info(nullptr);
  EXPECT_EQ(info.VersWin(), "");
  EXPECT_EQ(info.DriveCount(), 0);
  info.SetEvaluate(false);  // any value evaluates
  EXPECT_FALSE(info.Evaluate());

  utsname u;
  ASSERT_EQ(uname(&u), 0);
  const std::string release = u.release;
  const std::string version = info.VersWin();
  ASSERT_NE(version.find('.'), std::string::npos);
  EXPECT_EQ(release.substr(0, version.size() + 1), version + ".") << release;

  const MEMORYSTATUS memory = GlobalMemoryStatus();
  EXPECT_EQ(Number(info.SysMem(), "KB"), static_cast<int64_t>(memory.dwTotalPhys / 1000));
  EXPECT_NEAR(Number(info.SysMemFree(), "KB"), static_cast<double>(memory.dwAvailPhys / 1000),
              memory.dwTotalPhys / 1000 / 10.0);  // memory moves between the two looks
  const std::string used = info.SysMemUsed();
  ASSERT_FALSE(used.empty());
  EXPECT_EQ(used.back(), '%');
  EXPECT_NEAR(std::atoi(used.c_str()), memory.dwMemoryLoad, 10);

  int count = 0;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const uint32_t type = GetDriveType(std::string(1, letter) + ":\\");
    if (type < DRIVE_REMOVABLE || type > DRIVE_RAMDISK) continue;
    ASSERT_LT(count, info.DriveList()->Count());
    EXPECT_EQ(info.DriveList()->Strings(count), std::string(1, letter) + "|" + IntToStr(type));
    ++count;
  }
  EXPECT_EQ(info.DriveList()->Count(), count);
  EXPECT_EQ(info.DriveCount(), count);
  EXPECT_EQ(info.DriveList()->Strings(0), "C|3");  // the root file system

  EXPECT_EQ(info.DiskSize(), "");
  info.SetCheckDrive(true);
  EXPECT_FALSE(info.CheckDrive());
  EXPECT_EQ(Number(info.DiskSize(), "MB"), ::DiskSize(0) / 1000000);
  EXPECT_NEAR(Number(info.DiskSpace(), "MB"), static_cast<double>(DiskFree(0) / 1000000),
              ::DiskSize(0) / 1000000 / 20.0 + 1);

  EXPECT_EQ(info.NameUser(), ReadCurrentVersionValue("RegisteredOwner"));
  EXPECT_EQ(info.NameComp(), ReadCurrentVersionValue("RegisteredOrganization"));
  EXPECT_FALSE(info.NameUser().empty());  // at least the login name
}

TEST(SysInfo, WritesToTheTextsAreIgnoredAndScanningReplacesTheList) {
  TSysInfo info(nullptr);
  info.SetVersWin("9.9");
  info.SetSysMem("1KB");
  info.SetDriveCount(40);
  info.SetNameUser("someone");
  EXPECT_EQ(info.VersWin(), "");
  EXPECT_EQ(info.SysMem(), "");
  EXPECT_EQ(info.DriveCount(), 0);
  EXPECT_EQ(info.NameUser(), RegisteredOwner);
  info.DriveList()->Add("Q|2");
  info.SetEvaluate(true);
  EXPECT_EQ(info.DriveList()->IndexOf("Q|2"), -1);
  EXPECT_EQ(info.DriveCount(), info.DriveList()->Count());
}

TEST(SysInfo, ProcessorTypeNamesKnownTypesAndKeepsTheTextOtherwise) {
  const uint16_t saved = ProcessorType;
  TSysInfo info(nullptr);
  ProcessorType = 0;
  info.SetEvaluate(true);
  EXPECT_EQ(info.CPUtyp(), "");
  for (uint16_t type : {386, 486, 586, 686}) {
    ProcessorType = type;
    info.SetEvaluate(true);
    EXPECT_EQ(info.CPUtyp(), IntToStr(type));
  }
  ProcessorType = 8664;
  info.SetEvaluate(true);
  EXPECT_EQ(info.CPUtyp(), "686");
  ProcessorType = saved;
}

TEST(SysInfo, RegistryPathsSplitAtTheLastBackslash) {
  const struct {
    const char* path;
    const char* key;
    const char* value;
  } cases[] = {
      {"RegisteredOwner", "", "RegisteredOwner"},
      {"Sub\\Key\\Name", "Sub\\Key\\", "Name"},
      {"Key\\", "Key\\", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    std::string path = c.path, value;
    SplitRegPath(path, value);
    EXPECT_EQ(path, c.key) << c.path;
    EXPECT_EQ(value, c.value) << c.path;
  }
  EXPECT_EQ(ReadCurrentVersionValue("NoSuchValue"), "");
  EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, "No\\Such\\Key\\Value"), "");
}

}  // namespace
