#pragma once
// The printer: a document of pages drawn on a canvas at the printer's own resolution, sent to a
// CUPS queue or written as a PDF file.
//
// Where the document goes is decided at BeginDoc: the printer or file chosen in the last print
// dialog, else the file named by the environment variable ORVANE_PRINT_PDF (for scripted runs),
// else the printer chosen earlier or the desktop's default printer, else a new file
// "<documents folder>/<program>-<n>.pdf" that replaces no earlier print. Nothing is sent
// before EndDoc; a failure there (a full disk, a folder that cannot be written, a queue that
// refuses the job) throws EPrinter with the system's reason and leaves any earlier file whole.
// The canvas's pixels are the printer's dots (a queue's own resolution, at least 300 per inch for
// a PDF) and cover the printable area. Nothing here shows a dialog or waits for the printer.

#include <memory>
#include <string>

#include "platform/base/exceptions.h"
#include "platform/graphics/canvas.h"

class TCustomForm;

enum TPrinterOrientation { poPortrait, poLandscape };

// A print job could not be started or sent, or was misused (BeginDoc while printing, ...).
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

  // Starts a document with an empty first page; EPrinter when already printing.
  void BeginDoc();
  // Ends the document and sends it; EPrinter when it cannot be sent (the document is over
  // either way).
  void EndDoc();
  // Ends the page and starts an empty one.
  void NewPage();
  // Drops the document; nothing is sent.
  void Abort();
  bool Printing() const;
  bool Aborted() const { return FAborted; }
  // 1 for the first page of the document.
  int PageNumber() const { return FPageNumber; }

  // Draws on the current page while printing (a page of no pixels otherwise); its ClipRect is
  // the whole printable area, in the printer's dots.
  // The page's size and resolution are those of the document's output from BeginDoc on; before,
  // of the output as last seen (at creation, after a dialog or an orientation change).
  TCanvas* Canvas() const;
  int PageWidth() const;
  int PageHeight() const;
  // Dots per inch of the canvas, across and down.
  int XDpi() const;
  int YDpi() const { return XDpi(); }

  // Not while printing (EPrinter).
  TPrinterOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TPrinterOrientation Value);
  // The document's name in the print queue and in the PDF.
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }
  // The PDF file of the last document: while printing the file it goes to (empty for a new file
  // not yet made), after EndDoc the file written; empty when it went to a printer.
  const std::string& OutputFileName() const { return FOutputFileName; }

 private:
  friend struct TPrinterAccess;
  struct State;
  // The page's size and resolution for the output BeginDoc would choose now, or the one chosen.
  void ClearPage();
  void SendPage();
  void Finish();

  std::unique_ptr<State> FState;
  TPrinterOrientation FOrientation = poPortrait;
  std::string FTitle;
  std::string FOutputFileName;
  bool FAborted = false;
  int FPageNumber = 0;
};

// The process's printer (made on first use).
TPrinter* Printer();
