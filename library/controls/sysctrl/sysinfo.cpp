#include "library/controls/sysctrl/sysinfo.h"

#include "platform/base/sysutils.h"
#include "platform/devices/sysinfo.h"

uint16_t ProcessorType = 0;
std::string RegisteredOwner;
std::string RegisteredOrganization;

void SysCtrlInit() {
  ReadCpuType();
  ReadRegisteredNames();
}

void ReadCpuType() { ProcessorType = static_cast<uint16_t>(GetSystemInfo().dwProcessorType); }

void ReadRegisteredNames() {
  RegisteredOwner = ReadCurrentVersionValue("RegisteredOwner");
  RegisteredOrganization = ReadCurrentVersionValue("RegisteredOrganization");
}

std::string ReadCurrentVersionValue(const std::string& Name) {
  HKEY key = 0;
  if (RegOpenKey(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", &key) !=
      ERROR_SUCCESS) {
    return "";
  }
  std::string result = ReadRegString(key, Name);
  RegCloseKey(key);
  return result;
}

std::string ReadRegString(HKEY Key, const std::string& Path) {
  TRegistry registry;
  registry.SetRootKey(Key);
  std::string key_path = Path, value_name;
  SplitRegPath(key_path, value_name);
  if (!registry.OpenKey(key_path, true)) return "";
  return registry.ReadString(value_name);
}

void SplitRegPath(std::string& Path, std::string& ValueName) {
  const size_t slash = Path.rfind('\\');
  const size_t cut = slash == std::string::npos ? 0 : slash + 1;
  ValueName = Path.substr(cut);
  Path.erase(cut);
}

TSysInfo::TSysInfo(TComponent* AOwner)
    : TComponent(AOwner), FDriveList(std::make_unique<TStringList>()) {}

void TSysInfo::SetEvaluate(bool) {
  const uint32_t version = GetVersion();
  FVersWin = IntToStr(version & 0xFF) + "." + IntToStr((version >> 8) & 0xFF);
  switch (ProcessorType) {
    case 386:
    case 486:
    case 586:
    case 686:
      FCPUtyp = IntToStr(ProcessorType);
      break;
    default:
      break;  // an unknown type keeps the text it had
  }
  const MEMORYSTATUS memory = GlobalMemoryStatus();
  FSysMem = IntToStr(static_cast<int64_t>(memory.dwTotalPhys / 1000)) + "KB";
  FSysMemUsed = IntToStr(memory.dwMemoryLoad) + "%";
  FSysMemFree = IntToStr(static_cast<int64_t>(memory.dwAvailPhys / 1000)) + "KB";
  ScanDrives();
}

void TSysInfo::SetCheckDrive(bool) {
  FDiskSpace = IntToStr(DiskFree(0) / 1000000) + "MB";
  FDiskSize = IntToStr(::DiskSize(0) / 1000000) + "MB";
}

void TSysInfo::ScanDrives() {
  FDriveList->Clear();
  FDriveCount = 0;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const uint32_t type = GetDriveType(std::string(1, letter) + ":\\");
    if (type < DRIVE_REMOVABLE || type > DRIVE_RAMDISK) continue;
    FDriveList->Add(std::string(1, letter) + "|" + IntToStr(type));
    ++FDriveCount;
  }
}
