#pragma once
// TSysInfo: system facts as display texts (version, processor, memory, drives, the current
// drive's sizes), gathered when Evaluate or CheckDrive is written; and the unit's start-up, which
// reads the processor type and the registered owner and organisation once for every TSysInfo.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/base/stringlist.h"
#include "platform/devices/registry.h"
#include "platform/forms/component.h"

// Set by SysCtrlInit, read by every TSysInfo.
extern uint16_t ProcessorType;
extern std::string RegisteredOwner;
extern std::string RegisteredOrganization;

// The unit's start-up: ReadCpuType, then ReadRegisteredNames.
void SysCtrlInit();
void ReadCpuType();
void ReadRegisteredNames();
// A string value under HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion; empty when
// the key or the value is missing.
std::string ReadCurrentVersionValue(const std::string& Name);
// Reads the value Path names below an open key ("sub\key\value", or just "value").
std::string ReadRegString(HKEY Key, const std::string& Path);
// Splits "a\b\name" into the key path "a\b\" (with its last '\') and the value name "name".
void SplitRegPath(std::string& Path, std::string& ValueName);

class TSysInfo : public TComponent {
 public:
  explicit TSysInfo(TComponent* AOwner);

  // Writes of the text and list properties are ignored: they only show what was gathered.
  const std::string& NameUser() const { return RegisteredOwner; }
  void SetNameUser(const std::string&) {}
  const std::string& NameComp() const { return RegisteredOrganization; }
  void SetNameComp(const std::string&) {}
  const std::string& VersWin() const { return FVersWin; }
  void SetVersWin(const std::string&) {}
  const std::string& CPUtyp() const { return FCPUtyp; }
  void SetCPUtyp(const std::string&) {}
  const std::string& SysMem() const { return FSysMem; }
  void SetSysMem(const std::string&) {}
  const std::string& SysMemUsed() const { return FSysMemUsed; }
  void SetSysMemUsed(const std::string&) {}
  const std::string& SysMemFree() const { return FSysMemFree; }
  void SetSysMemFree(const std::string&) {}
  const std::string& DiskSize() const { return FDiskSize; }
  void SetDiskSize(const std::string&) {}
  const std::string& DiskSpace() const { return FDiskSpace; }
  void SetDiskSpace(const std::string&) {}

  // Reads False; writing any value fills VersWin, CPUtyp, the memory texts and the drive list.
  bool Evaluate() const { return false; }
  void SetEvaluate(bool);
  // Reads False; writing any value fills DiskSpace and DiskSize for the current drive.
  bool CheckDrive() const { return false; }
  void SetCheckDrive(bool);

  // Entries "letter|type" (C|3) for the drives A..Z of types removable to RAM disk.
  TStringList* DriveList() const { return FDriveList.get(); }
  void SetDriveList(const TStringList*) {}
  int DriveCount() const { return FDriveCount; }
  void SetDriveCount(int) {}

 protected:
  void ScanDrives();

 private:
  std::string FVersWin, FCPUtyp, FSysMem, FSysMemUsed, FSysMemFree, FDiskSpace, FDiskSize;
  std::unique_ptr<TStringList> FDriveList;
  int FDriveCount = 0;
};
