#include "platform/devices/sysinfo.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <set>
#include <sstream>

namespace {

std::string ReadText(const std::string& Path) {
  std::ifstream in(Path);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

bool StartsWith(const std::string& S, const std::string& Prefix) {
  return S.compare(0, Prefix.size(), Prefix) == 0;
}

// Mount-table fields escape blanks and backslashes as octal (\040).
std::string Unescape(const std::string& S) {
  std::string out;
  for (size_t i = 0; i < S.size(); ++i) {
    if (S[i] == '\\' && i + 3 < S.size() && S[i + 1] >= '0' && S[i + 1] <= '3' && S[i + 2] >= '0' &&
        S[i + 2] <= '7' && S[i + 3] >= '0' && S[i + 3] <= '7') {
      out += static_cast<char>((S[i + 1] - '0') * 64 + (S[i + 2] - '0') * 8 + (S[i + 3] - '0'));
      i += 3;
    } else {
      out += S[i];
    }
  }
  return out;
}

bool Under(const std::string& Path, const std::string& Dir) {
  return Path == Dir || StartsWith(Path, Dir + "/");
}

bool KernelFlagsRemovable(const std::string& Source) {
  // /dev/sdb1 -> /sys/class/block/sdb1/../removable (the whole disk carries the flag).
  const std::string name = Source.substr(Source.rfind('/') + 1);
  for (const std::string& p :
       {"/sys/class/block/" + name + "/removable", "/sys/class/block/" + name + "/../removable"}) {
    const std::string flag = ReadText(p);
    if (!flag.empty()) return flag[0] == '1';
  }
  return false;
}

// The drive type of one mount, or DRIVE_UNKNOWN for mounts that get no letter.
uint32_t Classify(const std::string& Source, const std::string& Dir, const std::string& Type) {
  static const std::set<std::string> kRemote = {"nfs",   "nfs4",  "cifs",       "smb3",
                                                "smbfs", "sshfs", "fuse.sshfs", "afs"};
  for (const char* system : {"/proc", "/sys", "/dev", "/run"}) {
    if (Under(Dir, system) && !Under(Dir, "/run/media")) return DRIVE_UNKNOWN;
  }
  struct stat st {};
  if (stat(Dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return DRIVE_UNKNOWN;
  if (kRemote.count(Type)) return DRIVE_REMOTE;
  if (Type == "iso9660" || Type == "udf") return DRIVE_CDROM;
  if (Type == "tmpfs" || Type == "ramfs") {
    return Under(Dir, "/tmp") || Under(Dir, "/mnt") || Under(Dir, "/media") ? DRIVE_RAMDISK
                                                                            : DRIVE_UNKNOWN;
  }
  if (!StartsWith(Source, "/dev/")) return DRIVE_UNKNOWN;
  if (Under(Dir, "/media") || Under(Dir, "/run/media") || KernelFlagsRemovable(Source)) {
    return DRIVE_REMOVABLE;
  }
  return DRIVE_FIXED;
}

// The drive of a letter in the machine's mount table.
const TDriveEntry* FindDrive(const std::vector<TDriveEntry>& Drives, char Letter) {
  for (const TDriveEntry& d : Drives) {
    if (d.Letter == Letter) return &d;
  }
  return nullptr;
}

// The machine's drives, worked out again only when the kernel says the mount table changed: a
// scan of all letters asks for every letter's drive, once a second in the demo's readout.
std::vector<TDriveEntry> MachineDrives() {
  static std::mutex lock;
  static int watch = -1;
  static bool known = false;
  static std::vector<TDriveEntry> drives;
  const std::lock_guard<std::mutex> hold(lock);
  if (watch < 0) watch = open("/proc/self/mounts", O_RDONLY | O_CLOEXEC);
  bool changed = !known || watch < 0;
  if (!changed) {
    pollfd p{watch, POLLPRI, 0};
    changed = poll(&p, 1, 0) != 0;  // a change (or an error) is told as POLLPRI | POLLERR
  }
  if (changed) {
    drives = DrivesOfMountTable(ReadText("/proc/self/mounts"));
    known = true;
    // Reading the table to its end through the watching descriptor clears the change.
    if (watch >= 0) {
      char buffer[4096];
      lseek(watch, 0, SEEK_SET);
      while (read(watch, buffer, sizeof buffer) > 0) {
      }
    }
  }
  return drives;
}

bool DiskBytes(uint8_t Drive, int64_t* FreeBytes, int64_t* TotalBytes) {
  std::string path = ".";
  if (Drive != 0) {
    if (Drive > 26) return false;
    const std::vector<TDriveEntry> drives = MachineDrives();
    const TDriveEntry* d = FindDrive(drives, static_cast<char>('A' + Drive - 1));
    if (!d) return false;
    path = d->MountPoint;
  }
  struct statvfs s {};
  if (statvfs(path.c_str(), &s) != 0) return false;
  *FreeBytes = static_cast<int64_t>(s.f_bavail) * static_cast<int64_t>(s.f_frsize);
  *TotalBytes = static_cast<int64_t>(s.f_blocks) * static_cast<int64_t>(s.f_frsize);
  return true;
}

// The processors this thread may run on (its affinity mask, as nproc counts them): on a CPU set
// of a larger machine that is fewer than are online. The mask grows until it holds every
// processor number the kernel knows.
uint32_t UsableProcessors() {
  for (size_t count = 1024; count <= (size_t{1} << 20); count *= 2) {
    cpu_set_t* set = CPU_ALLOC(count);
    if (!set) break;
    const size_t bytes = CPU_ALLOC_SIZE(count);
    const int got = sched_getaffinity(0, bytes, set);
    const int usable = got == 0 ? CPU_COUNT_S(bytes, set) : 0;
    CPU_FREE(set);
    if (got == 0) return usable > 0 ? static_cast<uint32_t>(usable) : 1;
    if (errno != EINVAL) break;
  }
  const long online = sysconf(_SC_NPROCESSORS_ONLN);
  return online > 0 ? static_cast<uint32_t>(online) : 1;
}

// "MemTotal:  16318412 kB" -> bytes; 0 when missing.
uint64_t MemInfoBytes(const std::string& Text, const std::string& Key) {
  std::istringstream in(Text);
  std::string line;
  while (std::getline(in, line)) {
    if (StartsWith(line, Key + ":")) {
      return std::strtoull(line.c_str() + Key.size() + 1, nullptr, 10) * 1024;
    }
  }
  return 0;
}

}  // namespace

uint32_t GetVersion() {
  utsname u{};
  if (uname(&u) != 0) return 0;
  char* end = nullptr;
  unsigned long major = std::strtoul(u.release, &end, 10);
  unsigned long minor = *end == '.' ? std::strtoul(end + 1, nullptr, 10) : 0;
  if (major > 255) major = 255;
  if (minor > 255) minor = 255;
  return static_cast<uint32_t>(major | minor << 8);
}

SYSTEM_INFO GetSystemInfo() {
  SYSTEM_INFO info;
  info.dwNumberOfProcessors = UsableProcessors();
  std::istringstream cpu(ReadText("/proc/cpuinfo"));
  std::string line;
  while (std::getline(cpu, line)) {
    if (!StartsWith(line, "cpu family")) continue;
    const size_t colon = line.find(':');
    if (colon == std::string::npos) break;
    const long family = std::strtol(line.c_str() + colon + 1, nullptr, 10);
    if (family < 3 || family > 0xFFFF) break;
    info.wProcessorLevel = static_cast<uint16_t>(family);
    info.dwProcessorType = family >= 6 ? 686 : static_cast<uint32_t>(family * 100 + 86);
    break;
  }
  return info;
}

MEMORYSTATUS GlobalMemoryStatus() {
  MEMORYSTATUS m;
  const std::string text = ReadText("/proc/meminfo");
  m.dwTotalPhys = MemInfoBytes(text, "MemTotal");
  m.dwAvailPhys = MemInfoBytes(text, "MemAvailable");
  if (m.dwAvailPhys == 0) m.dwAvailPhys = MemInfoBytes(text, "MemFree");  // very old kernels
  if (m.dwAvailPhys > m.dwTotalPhys) m.dwAvailPhys = m.dwTotalPhys;
  if (m.dwTotalPhys > 0) {
    const uint64_t used = m.dwTotalPhys - m.dwAvailPhys;
    m.dwMemoryLoad = static_cast<uint32_t>((used * 100 + m.dwTotalPhys / 2) / m.dwTotalPhys);
  }
  return m;
}

std::vector<TDriveEntry> DrivesOfMountTable(const std::string& MountTable) {
  std::vector<TDriveEntry> drives;
  std::set<std::string> seen;
  std::istringstream in(MountTable);
  std::string line;
  bool have_root = false;
  std::vector<TDriveEntry> others;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string source, dir, type;
    if (!(fields >> source >> dir >> type)) continue;
    source = Unescape(source);
    dir = Unescape(dir);
    if (!seen.insert(dir).second) continue;
    if (dir == "/") {
      have_root = true;
      continue;
    }
    const uint32_t t = Classify(source, dir, type);
    if (t != DRIVE_UNKNOWN) others.push_back({0, t, dir});
  }
  // C stays the root's letter even when the table lacks it.
  char letter = 'D';
  if (have_root) drives.push_back({'C', DRIVE_FIXED, "/"});
  for (TDriveEntry& d : others) {
    if (letter > 'Z') break;
    d.Letter = letter++;
    drives.push_back(d);
  }
  return drives;
}

uint32_t GetDriveType(const std::string& RootPath) {
  if (RootPath.size() < 2 || RootPath[1] != ':' || RootPath.size() > 3) return DRIVE_NO_ROOT_DIR;
  if (RootPath.size() == 3 && RootPath[2] != '\\' && RootPath[2] != '/') return DRIVE_NO_ROOT_DIR;
  const char letter = static_cast<char>(RootPath[0] & ~0x20);
  if (letter < 'A' || letter > 'Z') return DRIVE_NO_ROOT_DIR;
  const std::vector<TDriveEntry> drives = MachineDrives();
  const TDriveEntry* d = FindDrive(drives, letter);
  return d ? d->Type : DRIVE_NO_ROOT_DIR;
}

int64_t DiskFree(uint8_t Drive) {
  int64_t f, t;
  return DiskBytes(Drive, &f, &t) ? f : -1;
}

int64_t DiskSize(uint8_t Drive) {
  int64_t f, t;
  return DiskBytes(Drive, &f, &t) ? t : -1;
}
