#pragma once
// The common dialogs: open and save, colour, font, print and printer setup. Execute shows the
// desktop's dialog modally (timers keep running) and returns true for OK.
//
// With a dialog hook set (tests), no dialog shows: the hook gets a request with Kind = the class
// name ("TOpenDialog", ...), Caption = Title and Text = the starting value, and answers with
// Result (mrOk = OK) and the chosen value:
//   open/save: Text = the file name as the file system's bytes (relative names are taken in
//              InitialDir), Value = the filter index when not 0;
//   colour:    Value = the colour (the request's Text is the current one as "$00BBGGRR");
//   font:      Text = the font's name (empty keeps it), Value = its size in points (0 keeps it);
//   print:     the request's Text is the queue or file the next document would go to; the
//              answer's Text chooses a queue, or a file when it holds a '/' (empty: no choice),
//              Value the number of copies (0 keeps it);
//   printer setup: Result only.
// The file dialogs' checks (file must exist, overwrite and create prompts) ask through message
// boxes, which the hook answers too; a refusal asks for the file again.

#include <memory>
#include <string>

#include "platform/base/set.h"
#include "platform/forms/component.h"
#include "platform/forms/dialoghook.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/font.h"

enum TOpenOption {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofShowHelp,
  ofNoValidate,
  ofAllowMultiSelect,
  ofExtensionDifferent,
  ofPathMustExist,
  ofFileMustExist,
  ofCreatePrompt,
  ofShareAware,
  ofNoReadOnlyReturn,
  ofNoTestFileCreate
};
using TOpenOptions = TSet<TOpenOption>;

class TCommonDialog : public TComponent {
 public:
  explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}
  virtual bool Execute() = 0;
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { FHelpContext = Value; }

 protected:
  // The hook's answer, or nothing to say that the real dialog is to be shown.
  bool Scripted(const std::string& Kind, const std::string& Caption, const std::string& Text,
                TDialogAnswer& Answer) const;
  // False where no dialog could be answered (a display without a user); the caller returns false.
  static bool CanShow(const char* Kind);

 private:
  int FHelpContext = 0;
};

class TOpenDialog : public TCommonDialog {
 public:
  explicit TOpenDialog(TComponent* AOwner);

  bool Execute() override;

  // The chosen file with its full path. FileName and InitialDir are file names, the file system's
  // bytes (platform/base/paths.h); Title and Filter are text.
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& Value) { FFileName = Value; }
  // "Description|pattern[;pattern]|Description|pattern..."
  const std::string& Filter() const { return FFilter; }
  void SetFilter(const std::string& Value) { FFilter = Value; }
  // 1 for the first filter; after Execute the one chosen.
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int Value) { FFilterIndex = Value; }
  // Added (after a '.') to a chosen name without extension; a leading "*." or "." is dropped.
  const std::string& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
  const std::string& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }
  TOpenOptions Options() const { return FOptions; }
  void SetOptions(TOpenOptions Value) { FOptions = Value; }

 protected:
  virtual bool Saving() const { return false; }
  virtual const char* KindName() const { return "TOpenDialog"; }

 private:
  // The file the user (or the hook) chose, full path and default extension applied; false for
  // cancel.
  bool Ask(std::string& File);
  // The option checks; false asks again.
  bool Acceptable(const std::string& File) const;

  std::string FFileName;
  std::string FFilter;
  int FFilterIndex = 1;
  std::string FDefaultExt;
  std::string FInitialDir;
  std::string FTitle;
  TOpenOptions FOptions{ofHideReadOnly};
};

class TSaveDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;

 protected:
  bool Saving() const override { return true; }
  const char* KindName() const override { return "TSaveDialog"; }
};

class TColorDialog : public TCommonDialog {
 public:
  using TCommonDialog::TCommonDialog;
  bool Execute() override;
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }

 private:
  TColor FColor = clBlack;
};

class TFontDialog : public TCommonDialog {
 public:
  explicit TFontDialog(TComponent* AOwner);
  ~TFontDialog() override;
  bool Execute() override;
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value) {
    if (Value != nullptr) FFont->Assign(*Value);
  }

 private:
  std::unique_ptr<TFont> FFont;
};

// Chooses the printer or output file, the copies and the orientation for Printer()'s next
// document; a file is offered under a name that no earlier print has.
class TPrintDialog : public TCommonDialog {
 public:
  using TCommonDialog::TCommonDialog;
  bool Execute() override;
};

// Sets up Printer()'s page (orientation, paper).
class TPrinterSetupDialog : public TCommonDialog {
 public:
  using TCommonDialog::TCommonDialog;
  bool Execute() override;
};
