#include "platform/devices/sysinfo.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

#include "platform/devices/profile.h"
#include "platform/devices/registry.h"
#include "tests/platform/devices/devices_fixture.h"

namespace {

// The numbers of the command's last output line.
std::vector<int64_t> LastLineNumbers(const std::string& output) {
  std::istringstream in(output);
  std::string line, last;
  while (std::getline(in, line)) {
    if (!line.empty()) last = line;
  }
  std::vector<int64_t> out;
  std::istringstream fields(last);
  std::string f;
  while (fields >> f) {
    char* end = nullptr;
    const long long v = std::strtoll(f.c_str(), &end, 10);
    if (end && *end == 0) out.push_back(v);
  }
  return out;
}

TEST(SystemInformation, VersionAgreesWithUname) {
  const std::string release = RunCommand("uname -r");
  ASSERT_FALSE(release.empty());
  const uint32_t v = GetVersion();
  const std::string want = std::to_string(v & 0xFF) + "." + std::to_string((v >> 8) & 0xFF) + ".";
  EXPECT_EQ(release.compare(0, want.size(), want), 0) << release << " vs " << want;
}

TEST(SystemInformation, ProcessorAgreesWithTheSystem) {
  const SYSTEM_INFO info = GetSystemInfo();
  EXPECT_EQ(std::to_string(info.dwNumberOfProcessors) + "\n", RunCommand("nproc"));
  const std::string machine = RunCommand("uname -m");
  if (machine == "x86_64\n" || machine.find("86") != std::string::npos) {
    const std::string family = RunCommand("grep -m1 '^cpu family' /proc/cpuinfo | cut -d: -f2");
    const int f = std::atoi(family.c_str());
    EXPECT_EQ(info.wProcessorLevel, f);
    EXPECT_EQ(info.dwProcessorType, f >= 6 ? 686u : f * 100u + 86u);
  } else {
    EXPECT_EQ(info.dwProcessorType, 0u);
  }
}

TEST(SystemInformation, MemoryAgreesWithFree) {
  const MEMORYSTATUS m = GlobalMemoryStatus();
  const std::string out = RunCommand("free -b | grep '^Mem:'");
  std::istringstream in(out);
  std::string label;
  int64_t total = 0, used = 0, freeb = 0, shared = 0, cache = 0, available = 0;
  in >> label >> total >> used >> freeb >> shared >> cache >> available;
  ASSERT_GT(total, 0) << out;
  EXPECT_EQ(m.dwTotalPhys, static_cast<uint64_t>(total));
  const int64_t diff = static_cast<int64_t>(m.dwAvailPhys) - available;
  EXPECT_LT(std::llabs(diff), total / 20) << "available memory moved too much";
  EXPECT_LE(m.dwMemoryLoad, 100u);
  const int64_t load = (total - available) * 100 / total;
  EXPECT_LE(std::llabs(static_cast<int64_t>(m.dwMemoryLoad) - load), 6);
}

TEST(SystemInformation, CurrentDriveAgreesWithDf) {
  const std::vector<int64_t> df = LastLineNumbers(RunCommand("df -B1 --output=size,avail ."));
  ASSERT_EQ(df.size(), 2u);
  EXPECT_EQ(DiskSize(0), df[0]);
  EXPECT_LT(std::llabs(DiskFree(0) - df[1]), int64_t{256} << 20) << "free space moved too much";
  // C is the root file system.
  const std::vector<int64_t> root = LastLineNumbers(RunCommand("df -B1 --output=size /"));
  ASSERT_EQ(root.size(), 1u);
  EXPECT_EQ(DiskSize(3), root[0]);
  EXPECT_EQ(GetDriveType("C:\\"), DRIVE_FIXED);
  EXPECT_EQ(GetDriveType("c:"), DRIVE_FIXED);
  for (const char* none : {"A:\\", "B:\\", "", "C", "C:\\x", "1:\\"}) {
    EXPECT_EQ(GetDriveType(none), DRIVE_NO_ROOT_DIR) << none;
  }
  EXPECT_EQ(DiskFree(1), -1);  // no A
  EXPECT_EQ(DiskSize(27), -1);
}

class Drives : public DevicesTest {};

TEST_F(Drives, MountTablesGiveDriveLetters) {
  const std::string table =
      "sysfs /sys sysfs rw 0 0\n"
      "proc /proc proc rw 0 0\n"
      "/dev/vdb1 /usr ext4 rw 0 0\n"
      "/dev/vda / ext4 rw 0 0\n"
      "tmpfs /tmp tmpfs rw 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "server:/export /home nfs4 rw 0 0\n"
      "/dev/sr0 /var iso9660 ro 0 0\n"
      "/dev/vda /etc/hostname ext4 rw 0 0\n"
      "/dev/vdc /usr ext4 rw 0 0\n"
      "overlay /opt overlay rw 0 0\n"
      "/dev/vdd /no/such/dir ext4 rw 0 0\n"
      "/dev/vde /usr/local\\040bin ext4 rw 0 0\n";
  const std::vector<TDriveEntry> d = DrivesOfMountTable(table);
  const struct {
    char letter;
    uint32_t type;
    const char* dir;
  } want[] = {
      {'C', DRIVE_FIXED, "/"},      {'D', DRIVE_FIXED, "/usr"}, {'E', DRIVE_RAMDISK, "/tmp"},
      {'F', DRIVE_REMOTE, "/home"}, {'G', DRIVE_CDROM, "/var"},
  };
  ASSERT_EQ(d.size(), std::size(want));
  for (size_t i = 0; i < d.size(); ++i) {
    EXPECT_EQ(d[i].Letter, want[i].letter);
    EXPECT_EQ(d[i].Type, want[i].type) << d[i].MountPoint;
    EXPECT_EQ(d[i].MountPoint, want[i].dir);
  }
  // More mounts than letters: the list ends at Z.
  std::string many = "/dev/vda / ext4 rw 0 0\n";
  for (int i = 0; i < 30; ++i) {
    const std::string dir = root_ + "/m" + std::to_string(i);
    std::filesystem::create_directory(dir);
    many += "server:/x " + dir + " nfs rw 0 0\n";
  }
  const std::vector<TDriveEntry> all = DrivesOfMountTable(many);
  ASSERT_EQ(all.size(), 24u);
  EXPECT_EQ(all.back().Letter, 'Z');
  EXPECT_EQ(all.back().MountPoint, root_ + "/m22");
}

class Registry : public DevicesTest {};

TEST_F(Registry, OwnerAndOrganisation) {
  ASSERT_TRUE(ProfileWrite("Registration", "Organization", "Orvane Test Works", "system.ini"));
  HKEY key = 0;
  ASSERT_EQ(RegOpenKey(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", &key),
            ERROR_SUCCESS);
  {
    TRegistry reg;
    reg.SetRootKey(key);
    ASSERT_TRUE(reg.OpenKey("", true));
    std::string gecos = RunCommand("getent passwd $(id -u) | cut -d: -f5 | cut -d, -f1");
    if (!gecos.empty() && gecos.back() == '\n') gecos.pop_back();
    if (gecos.empty()) gecos = RunCommand("id -un").substr(0, RunCommand("id -un").size() - 1);
    EXPECT_EQ(reg.ReadString("RegisteredOwner"), gecos);
    EXPECT_EQ(reg.ReadString("registeredorganization"), "Orvane Test Works");
    EXPECT_EQ(reg.ReadString("ProductName"), "");
    EXPECT_FALSE(reg.OpenKey("Missing\\Sub", true));
    EXPECT_EQ(reg.ReadString("RegisteredOwner"), "");
  }
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);

  HKEY other = 0;
  EXPECT_EQ(RegOpenKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\microsoft", &other), ERROR_SUCCESS);
  TRegistry reg;
  reg.SetRootKey(other);
  EXPECT_TRUE(reg.OpenKey("Windows\\CurrentVersion\\", false));
  EXPECT_EQ(reg.ReadString("RegisteredOrganization"), "Orvane Test Works");
  reg.CloseKey();
  EXPECT_EQ(RegCloseKey(other), ERROR_SUCCESS);
  EXPECT_EQ(RegOpenKey(HKEY_LOCAL_MACHINE, "Software\\Other", &other), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegOpenKey(12345, "", &other), ERROR_INVALID_HANDLE);
}

}  // namespace
