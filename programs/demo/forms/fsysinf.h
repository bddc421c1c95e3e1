#pragma once
// The system information demo: what a TSysInfo gathers, on value panels beside their captions,
// and its drive list as "letter: type" lines.

#include <string>

#include "library/controls/sysctrl/sysinfo.h"
#include "programs/demo/demoform.h"

// The line a drive-list entry ("C|3") shows: the letter in upper case, ": ", and the type's name
// ("C: Fixed"); a type the demo does not name leaves only "C: ". The type counts modulo 128.
std::string DriveEntryText(const std::string& Entry);

class TSysInfoDemo : public TDemoForm {
 public:
  explicit TSysInfoDemo(TComponent* AOwner);

  TSysInfo* SysInfo = nullptr;
  TListBox* DriveList = nullptr;
  TPanel* NameComp = nullptr;
  TPanel* NameUser = nullptr;
  TPanel* VersWin = nullptr;
  TPanel* CpuTyp = nullptr;
  TPanel* SysMem = nullptr;
  TPanel* MemUsed = nullptr;
  TPanel* MemFree = nullptr;
  TPanel* DiskSpace = nullptr;
  TPanel* DiskSize = nullptr;
  TPanel* DriveCount = nullptr;
  TButton* CloseBtn = nullptr;

 private:
  void FormShow();
};
