#include "platform/devices/sysinfo.h"

#include <sched.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <thread>

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

// The processor numbers in this thread's affinity mask.
std::vector<int> AllowedProcessors() {
  cpu_set_t set;
  CPU_ZERO(&set);
  std::vector<int> cpus;
  if (sched_getaffinity(0, sizeof set, &set) != 0) return cpus;
  for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
    if (CPU_ISSET(cpu, &set)) cpus.push_back(cpu);
  }
  return cpus;
}

TEST(SystemInformation, ProcessorCountIsWhatTheProgramMayRunOn) {
  const std::vector<int> allowed = AllowedProcessors();
  ASSERT_FALSE(allowed.empty());
  // Narrowed the way a CPU set or taskset narrows a program; a gap in the mask included.
  std::vector<std::vector<int>> cases = {{allowed.front()}, allowed};
  if (allowed.size() > 2) cases.push_back({allowed.front(), allowed.back()});
  for (const std::vector<int>& narrowed : cases) {
    uint32_t counted = 0;
    std::string nproc;
    // A thread of its own, so the narrowing ends with it; nproc started there inherits it.
    std::thread([&] {
      cpu_set_t set;
      CPU_ZERO(&set);
      for (int cpu : narrowed) CPU_SET(cpu, &set);
      if (sched_setaffinity(0, sizeof set, &set) != 0) return;
      counted = GetSystemInfo().dwNumberOfProcessors;
      nproc = RunCommand("nproc");
    }).join();
    EXPECT_EQ(counted, narrowed.size()) << narrowed.size() << " processors allowed";
    EXPECT_EQ(nproc, std::to_string(narrowed.size()) + "\n");
  }
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
  // Mount points of our own, so the letters do not hang on this machine's folders; the device
  // names are ones no kernel lists, so no removable flag of a real disk is read.
  for (const char* dir : {"/usr", "/ram", "/home", "/cd", "/opt", "/local bin"}) {
    std::filesystem::create_directory(FRoot + dir);
  }
  WriteFile(FRoot + "/hostname", "a file mounted alone");
  // '@' stands for our folder.
  std::string table =
      "sysfs /sys sysfs rw 0 0\n"
      "proc /proc proc rw 0 0\n"
      "/dev/orvane-b1 @/usr ext4 rw 0 0\n"
      "/dev/orvane-a / ext4 rw 0 0\n"
      "tmpfs @/ram tmpfs rw 0 0\n"
      "tmpfs /run tmpfs rw 0 0\n"
      "server:/export @/home nfs4 rw 0 0\n"
      "/dev/orvane-sr0 @/cd iso9660 ro 0 0\n"
      "/dev/orvane-a @/hostname ext4 rw 0 0\n"
      "/dev/orvane-c @/usr ext4 rw 0 0\n"
      "overlay @/opt overlay rw 0 0\n"
      "/dev/orvane-d @/no/such/dir ext4 rw 0 0\n"
      "/dev/orvane-e @/local\\040bin ext4 rw 0 0\n";
  for (size_t at; (at = table.find('@')) != std::string::npos;) table.replace(at, 1, FRoot);
  const std::string r = FRoot;
  const std::vector<TDriveEntry> d = DrivesOfMountTable(table);
  const struct {
    char letter;
    uint32_t type;
    std::string dir;
  } want[] = {
      {'C', DRIVE_FIXED, "/"},
      {'D', DRIVE_FIXED, r + "/usr"},
      {'E', DRIVE_RAMDISK, r + "/ram"},  // a RAM file system under /tmp
      {'F', DRIVE_REMOTE, r + "/home"},
      {'G', DRIVE_CDROM, r + "/cd"},
      {'H', DRIVE_FIXED, r + "/local bin"},
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
    const std::string dir = FRoot + "/m" + std::to_string(i);
    std::filesystem::create_directory(dir);
    many += "server:/x " + dir + " nfs rw 0 0\n";
  }
  const std::vector<TDriveEntry> all = DrivesOfMountTable(many);
  ASSERT_EQ(all.size(), 24u);
  EXPECT_EQ(all.back().Letter, 'Z');
  EXPECT_EQ(all.back().MountPoint, FRoot + "/m22");
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
