#pragma once
// The INI file demo: entries of "Orvane.ini" read, written and erased through a TIniEditor. The
// file lies beside the program, or where the component puts it when that folder cannot be
// written; the form shows the path it uses.

#include <string>

#include "library/controls/orvanemisc/inieditor.h"
#include "programs/demo/demoform.h"

class TIniFileDemo : public TDemoForm {
 public:
  explicit TIniFileDemo(TComponent* AOwner);

  // The INI file's full path, taken when the form is created.
  const std::string& IniPath() const { return FIniPath; }

  TIniEditor* IniEditor = nullptr;
  TEdit* IniFnameFld = nullptr;
  TEdit* SectionFld = nullptr;
  TEdit* EntryFld = nullptr;
  TEdit* ValueFld = nullptr;
  TButton* NewBtn = nullptr;
  TButton* ReadBtn = nullptr;
  TButton* WriteBtn = nullptr;
  TButton* DelEntryBtn = nullptr;
  TButton* DelSectionBtn = nullptr;
  TButton* CloseBtn = nullptr;

 private:
  void NewClick();
  void ReadClick();
  void WriteClick();
  void DelEntryClick();
  void DelSectionClick();
  // False, with a beep, when the section (and, with NeedKey, the key) is empty: the component
  // would take an empty key as the whole section.
  bool Named(bool NeedKey) const;

  std::string FIniPath;
};
