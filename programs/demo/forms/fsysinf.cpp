#include "programs/demo/forms/fsysinf.h"

#include "library/foundation/helpers.h"
#include "platform/base/strings.h"
#include "platform/base/sysutils.h"

namespace {

constexpr int kRowHeight = 19;
constexpr int kRowStep = 21;

TPanel* AddCaption(TFormLoader& Loader, const std::string& Name, const std::string& Caption,
                   int Left, int Top) {
  auto* panel = Loader.Add<TPanel>(Name);
  panel->SetBounds(Left, Top, 72, kRowHeight);
  panel->SetCaption(Caption);
  return panel;
}

TPanel* AddValue(TFormLoader& Loader, const std::string& Name, int Left, int Top, int Width,
                 TAlignment Alignment) {
  auto* panel = Loader.Add<TPanel>(Name);
  panel->SetBounds(Left, Top, Width, kRowHeight);
  panel->SetBevelOuter(bvLowered);
  panel->SetBorderStyle(bsSingle);
  panel->SetAlignment(Alignment);
  return panel;
}

}  // namespace

std::string DriveEntryText(const std::string& Entry) {
  static const char* const kTypes[] = {"Floppy", "Fixed", "Network", "CDROM", "RAMDisk"};
  const int32_t type = PosItemInteger(Entry) % 128;
  std::string text = UpperCase(PosItemText(Entry)) + ": ";
  if (type >= 2 && type <= 6) text += kTypes[type - 2];
  return text;
}

TSysInfoDemo::TSysInfoDemo(TComponent* AOwner) : TDemoForm(AOwner, "TSysInfoDemo") {
  TFormLoader loader(this);
  SysInfo = loader.AddComponent<TSysInfo>("SysInfo");
  SysInfo->SetEvaluate(false);
  SysInfo->SetCheckDrive(false);

  // One row per fact: its caption on the left, its value on a sunken panel beside it.
  const struct {
    const char* CaptionName;
    const char* Caption;
    TPanel** Value;
    const char* ValueName;
    TAlignment Alignment;
  } kRows[] = {
      {"CompanyLabel", "  Company", &NameComp, "NameComp", taLeftJustify},
      {"UserLabel", "  User", &NameUser, "NameUser", taLeftJustify},
      {"VersionLabel", "  WIN vers", &VersWin, "VersWin", taLeftJustify},
      {"CpuLabel", "  CPU", &CpuTyp, "CpuTyp", taLeftJustify},
      {"MemTotalLabel", "Mem total", &SysMem, "SysMem", taLeftJustify},
      {"MemUsedLabel", "Mem used", &MemUsed, "MemUsed", taLeftJustify},
      {"MemFreeLabel", "Mem free", &MemFree, "MemFree", taLeftJustify},
      {"FreeDiskLabel", "Free Disk", &DiskSpace, "DiskSpace", taRightJustify},
      {"DiskSizeLabel", "Disk Size", &DiskSize, "DiskSize", taRightJustify},
  };
  int top = 6;
  for (const auto& row : kRows) {
    AddCaption(loader, row.CaptionName, row.Caption, 8, top);
    *row.Value = AddValue(loader, row.ValueName, 84, top, 139, row.Alignment);
    top += kRowStep;
  }
  // The drives: their count under the caption, their list beside both.
  top += 4;
  AddCaption(loader, "DrivesLabel", "Drives", 8, top);
  DriveCount = AddValue(loader, "DriveCount", 8, top + kRowStep, 72, taRightJustify);
  DriveList = loader.Add<TListBox>("DriveList");
  DriveList->SetBounds(84, top, 139, 284 - 8 - top);
  CloseBtn = AddCloser(loader, 8, 284 - 8 - 25, 72, 25);
  OnShow = [this](TObject*) { FormShow(); };
  loader.Finish();
}

void TSysInfoDemo::FormShow() {
  SysInfo->SetCheckDrive(true);
  SysInfo->SetEvaluate(true);
  DriveList->Items()->Clear();
  const TStringList& drives = *SysInfo->DriveList();
  for (int i = 0; i < drives.Count(); ++i)
    DriveList->Items()->Add(DriveEntryText(drives.Strings(i)));
  NameUser->SetCaption(SysInfo->NameUser());
  NameComp->SetCaption(SysInfo->NameComp());
  VersWin->SetCaption(SysInfo->VersWin());
  CpuTyp->SetCaption(SysInfo->CPUtyp() + "  ");
  SysMem->SetCaption(SysInfo->SysMem());
  MemUsed->SetCaption(SysInfo->SysMemUsed());
  MemFree->SetCaption(SysInfo->SysMemFree());
  DiskSpace->SetCaption(SysInfo->DiskSpace());
  DiskSize->SetCaption(SysInfo->DiskSize());
  DriveCount->SetCaption(IntToStr(SysInfo->DriveCount()));
}
