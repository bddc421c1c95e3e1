#pragma once
// System facts in the shapes of the Windows information functions: version, processor, memory,
// drives and their sizes. Drives are letters given to the mounted file systems (see
// DrivesOfMountTable); the current drive is the file system of the current directory.

#include <cstdint>
#include <string>
#include <vector>

// The kernel release's first two numbers: low byte the major, next byte the minor version
// (each at most 255).
uint32_t GetVersion();

struct SYSTEM_INFO {
  uint32_t dwNumberOfProcessors = 0;  // processors this thread may run on (affinity)
  uint32_t dwProcessorType = 0;       // 386, 486, 586 or 686 on x86 by CPU family; 0 elsewhere
  uint16_t wProcessorLevel = 0;       // the CPU family (x86), else 0
};
SYSTEM_INFO GetSystemInfo();

struct MEMORYSTATUS {
  uint32_t dwMemoryLoad = 0;  // percent of physical memory in use, 0..100
  uint64_t dwTotalPhys = 0;   // bytes
  uint64_t dwAvailPhys = 0;   // bytes available for new work without swapping
};
// All zero when /proc/meminfo cannot be read.
MEMORYSTATUS GlobalMemoryStatus();

constexpr uint32_t DRIVE_UNKNOWN = 0, DRIVE_NO_ROOT_DIR = 1, DRIVE_REMOVABLE = 2, DRIVE_FIXED = 3,
                   DRIVE_REMOTE = 4, DRIVE_CDROM = 5, DRIVE_RAMDISK = 6;

struct TDriveEntry {
  char Letter;
  uint32_t Type;
  std::string MountPoint;
};

// Letters for the lines of a mount table (the format of /proc/self/mounts): C is the root file
// system; D onwards go to the other mounted directories in table order, up to Z: network file
// systems are remote, CD and DVD file systems CD-ROMs, RAM file systems mounted under /tmp, /mnt
// or /media RAM disks, other block devices removable (under /media or /run/media, or flagged
// removable by the kernel) or fixed. Kernel, device and runtime file systems get no letter, nor
// do mounts of single files.
std::vector<TDriveEntry> DrivesOfMountTable(const std::string& MountTable);

// The drive type of a root path such as "C:\" (also "c:" or "C:/"), for the machine's mount
// table; DRIVE_NO_ROOT_DIR for letters without a drive and paths that name no drive.
uint32_t GetDriveType(const std::string& RootPath);

// Free bytes (for the user) and total bytes of a drive: 0 the current drive, 1 A, 2 B, 3 C, ...;
// -1 when the drive does not exist or cannot be asked.
int64_t DiskFree(uint8_t Drive);
int64_t DiskSize(uint8_t Drive);
