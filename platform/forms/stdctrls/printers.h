#pragma once
// The printer: a document of pages drawn on a canvas, sent to the desktop's default printer, or
// written as a PDF file where there is none.
//
// Where the output goes is decided at BeginDoc: the file named by the environment variable
// ORVANE_PRINT_PDF when it is set (tests use it), else the default printer, else
// "<documents folder>/<Title>.pdf". Nothing here shows a dialog or waits for the printer.
// Pages are A4 at 96 pixels per inch (the screen's), so a form prints 1:1; the canvas covers the
// printable area.

#include <memory>
#include <string>

#include "platform/base/exceptions.h"
#include "platform/graphics/canvas.h"

class TCustomForm;

enum TPrinterOrientation { poPortrait, poLandscape };

// A print job could not be started or was misused (BeginDoc while printing, ...).
class EPrinter : public Exception {
 public:
  using Exception::Exception;
};

class TPrinter : public TObject {
 public:
  TPrinter();
  ~TPrinter() override;
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  // Starts a document with an empty first page; EPrinter when already printing or when the
  // output cannot be opened.
  void BeginDoc();
  // Sends the last page and ends the document.
  void EndDoc();
  // Sends the page and starts an empty one.
  void NewPage();
  // Drops the document (a PDF file is removed).
  void Abort();
  bool Printing() const;
  bool Aborted() const { return FAborted; }
  // 1 for the first page of the document.
  int PageNumber() const { return FPageNumber; }

  // Draws on the current page; its ClipRect is the whole printable area.
  TCanvas* Canvas() const;
  int PageWidth() const;
  int PageHeight() const;
  // Pixels per inch of the canvas, across and down.
  int XDpi() const { return 96; }
  int YDpi() const { return 96; }

  // Not while printing (EPrinter).
  TPrinterOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TPrinterOrientation Value);
  // The document's name in the print queue or the PDF.
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }
  // The PDF file of the last document begun; empty when it went to a printer.
  const std::string& OutputFileName() const { return FOutputFileName; }

 private:
  friend struct TPrinterAccess;
  struct State;
  void ClearPage();
  void SendPage();

  std::unique_ptr<State> FState;
  TPrinterOrientation FOrientation = poPortrait;
  std::string FTitle;
  std::string FOutputFileName;
  bool FAborted = false;
  int FPageNumber = 0;
};

// The process's printer (made on first use).
TPrinter* Printer();
