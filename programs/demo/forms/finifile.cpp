#include "programs/demo/forms/finifile.h"

#include <filesystem>

#include "library/foundation/tickservice.h"
#include "platform/base/paths.h"
#include "platform/base/safefile.h"
#include "platform/base/strings.h"

namespace {

TEdit* AddField(TFormLoader& Loader, const std::string& Name, const std::string& Text,
                const TRect& Box) {
  auto* edit = Loader.Add<TEdit>(Name);
  edit->SetBoundsRect(Box);
  edit->SetText(Text);
  return edit;
}

TButton* AddButton(TFormLoader& Loader, const std::string& Name, const std::string& Caption,
                   int Left, int Top, std::function<void()> Action) {
  auto* button = Loader.Add<TButton>(Name);
  button->SetBounds(Left, Top, 95, 25);
  button->SetCaption(Caption);
  button->OnClick = [action = std::move(Action)](TObject*) { action(); };
  return button;
}

bool FileExists(const std::string& Path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(Path, ec);
}

// An empty file at Path; false when it cannot be made.
bool CreateEmptyFile(const std::string& Path) { return SafeWriteFile(Path, ""); }

}  // namespace

TIniFileDemo::TIniFileDemo(TComponent* AOwner) : TDemoForm(AOwner, "TIniFileDemo") {
  TFormLoader loader(this);
  IniEditor = loader.AddComponent<TIniEditor>("IniEditor");
  IniEditor->SetFileName("Orvane.ini");
  IniEditor->SetFileLocation(TFileLocation::ApplicationPath);

  IniFnameFld = AddField(loader, "IniFnameFld", "", Bounds(8, 10, 411, 24));
  IniFnameFld->SetReadOnly(true);
  SectionFld = AddField(loader, "SectionFld", "Section Field", Bounds(8, 50, 200, 24));
  EntryFld = AddField(loader, "EntryFld", "Entry Field", Bounds(8, 84, 200, 24));
  ValueFld = AddField(loader, "ValueFld", "Value Field", Bounds(8, 118, 200, 24));
  ValueFld->SetMaxLength(20);

  ReadBtn = AddButton(loader, "ReadBtn", "Read", 220, 50, [this] { ReadClick(); });
  WriteBtn = AddButton(loader, "WriteBtn", "Write", 220, 84, [this] { WriteClick(); });
  DelEntryBtn = AddButton(loader, "DelEntryBtn", "DelEntry", 220, 118, [this] { DelEntryClick(); });
  DelSectionBtn =
      AddButton(loader, "DelSectionBtn", "DelSection", 324, 50, [this] { DelSectionClick(); });
  NewBtn = AddButton(loader, "NewBtn", "&Neu", 324, 84, [this] { NewClick(); });
  CloseBtn = AddCloser(loader, 324, 190, 95, 27);
  loader.Finish();

  // Where the component reads and writes, which is beside the program unless that folder is
  // closed to us. A file that cannot be made there leaves the form usable all the same: the
  // component's writes then fail as quietly as they always do.
  FIniPath = IniEditor->FullFileName();
  IniFnameFld->SetText(PathToText(FIniPath));
  if (!FileExists(FIniPath)) CreateEmptyFile(FIniPath);
}

bool TIniFileDemo::Named(bool NeedKey) const {
  if (SectionFld->Text().empty() || (NeedKey && EntryFld->Text().empty())) {
    DemoBeep();
    return false;
  }
  return true;
}

void TIniFileDemo::NewClick() {
  const std::string shown = PathToText(FIniPath);
  if (FileExists(FIniPath)) {
    const std::string question = EnglishTexts ? "Delete " + shown + " and start an empty file?"
                                              : shown + " löschen und leer neu anlegen?"_ansi;
    if (MessageDlg(question, mtConfirmation, {mbYes, mbNo}, 0) != mrYes) return;
  }
  // The empty file takes the old one's place in one step, so a failure keeps the old one.
  if (!CreateEmptyFile(FIniPath)) {
    MessageDlg((EnglishTexts ? "Cannot create " : "Kann nicht angelegt werden: ") + shown, mtError,
               {mbOK}, 0);
  }
}

void TIniFileDemo::ReadClick() {
  ValueFld->SetText(IniEditor->ReadStr(SectionFld->Text(), EntryFld->Text(), "not found"));
}

void TIniFileDemo::WriteClick() {
  if (Named(true)) IniEditor->WriteStr(SectionFld->Text(), EntryFld->Text(), ValueFld->Text());
}

void TIniFileDemo::DelEntryClick() {
  if (Named(true)) IniEditor->EraseEntry(SectionFld->Text(), EntryFld->Text());
}

void TIniFileDemo::DelSectionClick() {
  if (Named(false)) IniEditor->EraseSection(SectionFld->Text());
}
