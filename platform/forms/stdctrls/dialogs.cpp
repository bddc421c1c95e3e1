#include "platform/forms/stdctrls/dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/base/numbers.h"
#include "platform/base/paths.h"
#include "platform/base/sysutils.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/stdctrls/wrapped.h"

namespace {

namespace fs = std::filesystem;

// "Text|*.a;*.b|..." as Qt's name filters "Text (*.a *.b)".
QStringList QtFilters(const std::string& Filter) {
  QStringList out;
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= Filter.size()) {
    const size_t bar = Filter.find('|', start);
    parts.push_back(
        Filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    std::string patterns = parts[i + 1];
    for (char& c : patterns) {
      if (c == ';') c = ' ';
    }
    out << forms_internal::ToQt(parts[i] + " (" + patterns + ")");
  }
  return out;
}

std::string CleanExtension(std::string Ext) {
  while (!Ext.empty() && (Ext[0] == '*' || Ext[0] == '.')) Ext.erase(0, 1);
  return Ext;
}

}  // namespace

// --- TCommonDialog ---

bool TCommonDialog::Scripted(const std::string& Kind, const std::string& Caption,
                             const std::string& Text, TDialogAnswer& Answer) const {
  if (!DialogHookSet()) return false;
  TDialogRequest request;
  request.Kind = Kind;
  request.Caption = Caption;
  request.Text = Text;
  Answer = AskDialogHook(request);
  return true;
}

bool TCommonDialog::CanShow(const char* Kind) {
  forms_internal::EnsureQtApplication();
  if (QGuiApplication::platformName() != "offscreen") return true;
  // Nobody could answer a dialog here; say so and cancel instead of hanging.
  std::fprintf(stderr, "unanswered %s\n", Kind);
  return false;
}

// --- TOpenDialog ---

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

bool TOpenDialog::Execute() {
  // A refused choice asks again; a script that keeps answering the same cannot loop for ever.
  for (int round = 0; round < 20; ++round) {
    std::string file;
    if (!Ask(file)) return false;
    if (Acceptable(file)) {
      FFileName = file;
      return true;
    }
  }
  return false;
}

bool TOpenDialog::Ask(std::string& File) {
  const std::string caption = !FTitle.empty() ? FTitle : Saving() ? "Save As" : "Open";
  std::string chosen;
  TDialogAnswer answer;
  if (Scripted(KindName(), caption, FFileName, answer)) {
    if (answer.Result != mrOk) return false;
    chosen = answer.Text;
    if (answer.Value > 0) FFilterIndex = int(answer.Value);
  } else {
    if (!CanShow(KindName())) return false;
    QFileDialog dialog(forms_internal::DialogParent(), forms_internal::ToQt(caption),
                       forms_internal::PathToQt(FInitialDir));
    dialog.setAcceptMode(Saving() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!Saving() && FOptions.Contains(ofFileMustExist) ? QFileDialog::ExistingFile
                                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);  // asked below, as everywhere
    const QStringList filters = QtFilters(FFilter);
    if (!filters.isEmpty()) {
      dialog.setNameFilters(filters);
      if (FFilterIndex >= 1 && FFilterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[FFilterIndex - 1]);
      }
    }
    if (!FFileName.empty()) dialog.selectFile(forms_internal::PathToQt(FFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    chosen = forms_internal::PathFromQt(dialog.selectedFiles().front());
    const int index = int(filters.indexOf(dialog.selectedNameFilter()));
    if (index >= 0) FFilterIndex = index + 1;
  }
  if (chosen.empty()) return false;
  fs::path path(chosen);
  if (path.is_relative()) {
    std::error_code ec;
    const fs::path base = !FInitialDir.empty() ? fs::path(FInitialDir) : fs::current_path(ec);
    path = base / path;
  }
  const std::string ext = TextToPath(CleanExtension(FDefaultExt));
  if (!ext.empty() && path.extension().empty()) path += "." + ext;
  File = path.lexically_normal().string();
  return true;
}

bool TOpenDialog::Acceptable(const std::string& File) const {
  const std::string caption = !FTitle.empty() ? FTitle : Saving() ? "Save As" : "Open";
  const std::string name = PathToText(File);
  std::error_code ec;
  const bool exists = fs::is_regular_file(File, ec);
  const fs::path dir = fs::path(File).parent_path();
  if (FOptions.Contains(ofPathMustExist) && !fs::is_directory(dir, ec)) {
    MessageBox(0, name + "\rPath does not exist.\rCheck the path and try again.", caption,
               MB_OK | MB_ICONWARNING);
    return false;
  }
  if (!Saving() && FOptions.Contains(ofFileMustExist) && !exists) {
    MessageBox(0, name + "\rFile not found.\rPlease verify the correct file name was given.",
               caption, MB_OK | MB_ICONWARNING);
    return false;
  }
  if (Saving() && FOptions.Contains(ofOverwritePrompt) && exists &&
      MessageBox(0, name + " already exists.\rDo you want to replace it?", caption,
                 MB_YESNO | MB_ICONWARNING) != IDYES) {
    return false;
  }
  if (FOptions.Contains(ofCreatePrompt) && !exists &&
      MessageBox(0, name + "\rThis file does not exist.\rDo you want to create it?", caption,
                 MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return false;
  }
  return true;
}

// --- TColorDialog ---

bool TColorDialog::Execute() {
  TDialogAnswer answer;
  if (Scripted("TColorDialog", "Color", "$" + IntToHex(FColor, 8), answer)) {
    if (answer.Result != mrOk) return false;
    FColor = TColor(answer.Value);
    return true;
  }
  if (!CanShow("TColorDialog")) return false;
  const QColor chosen =
      QColorDialog::getColor(forms_internal::QtColor(FColor), forms_internal::DialogParent());
  if (!chosen.isValid()) return false;
  FColor = TColor(chosen.red() | chosen.green() << 8 | chosen.blue() << 16);
  return true;
}

// --- TFontDialog ---

TFontDialog::TFontDialog(TComponent* AOwner)
    : TCommonDialog(AOwner), FFont(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

bool TFontDialog::Execute() {
  TDialogAnswer answer;
  if (Scripted("TFontDialog", "Font", FFont->Name(), answer)) {
    if (answer.Result != mrOk) return false;
    if (!answer.Text.empty()) FFont->SetName(answer.Text);
    if (answer.Value > 0) FFont->SetSize(int(std::min<int64_t>(answer.Value, 1638)));
    return true;
  }
  if (!CanShow("TFontDialog")) return false;
  bool ok = false;
  const QFont chosen =
      QFontDialog::getFont(&ok, forms_internal::QtFont(*FFont), forms_internal::DialogParent());
  if (!ok) return false;
  FFont->SetName(forms_internal::FromQt(chosen.family()));
  if (chosen.pointSize() > 0) {
    FFont->SetSize(chosen.pointSize());
  } else if (chosen.pixelSize() > 0) {
    FFont->SetHeight(-chosen.pixelSize());
  }
  TFontStyles style;
  if (chosen.bold()) style += fsBold;
  if (chosen.italic()) style += fsItalic;
  if (chosen.underline()) style += fsUnderline;
  if (chosen.strikeOut()) style += fsStrikeOut;
  FFont->SetStyle(style);
  return true;
}

// --- Printing dialogs ---

bool TPrintDialog::Execute() {
  QPrinter& printer = forms_internal::QtPrinter();
  const std::string planned = forms_internal::PlannedPrinterOutput();
  TDialogAnswer answer;
  if (Scripted("TPrintDialog", "Print", planned, answer)) {
    if (answer.Result != mrOk) return false;
    if (answer.Value > 0) printer.setCopyCount(int(std::min<int64_t>(answer.Value, 999)));
    if (answer.Text.find('/') != std::string::npos) {
      forms_internal::PrinterChosen("", answer.Text);
    } else if (!answer.Text.empty()) {
      forms_internal::PrinterChosen(answer.Text, "");
    }
    return true;
  }
  if (!CanShow("TPrintDialog")) return false;
  // A file is offered under a name no earlier print has, in a folder that exists (the dialog
  // refuses a file in a missing one).
  if (printer.outputFormat() == QPrinter::PdfFormat && planned.find('/') != std::string::npos) {
    const QString file = forms_internal::PathToQt(planned);
    QDir().mkpath(QFileInfo(file).absolutePath());
    printer.setOutputFileName(file);
  }
  QPrintDialog dialog(&printer, forms_internal::DialogParent());
  const bool ok = dialog.exec() == QDialog::Accepted;
  if (ok && printer.outputFormat() == QPrinter::PdfFormat) {
    forms_internal::PrinterChosen("", forms_internal::PathFromQt(printer.outputFileName()));
  } else if (ok) {
    forms_internal::PrinterChosen(printer.printerName().toStdString(), "");
  } else {
    forms_internal::PrinterPageChanged();
  }
  return ok;
}

bool TPrinterSetupDialog::Execute() {
  TDialogAnswer answer;
  if (Scripted("TPrinterSetupDialog", "Print Setup", "", answer)) return answer.Result == mrOk;
  if (!CanShow("TPrinterSetupDialog")) return false;
  QPageSetupDialog dialog(&forms_internal::QtPrinter(), forms_internal::DialogParent());
  const bool ok = dialog.exec() == QDialog::Accepted;
  forms_internal::PrinterPageChanged();
  return ok;
}
