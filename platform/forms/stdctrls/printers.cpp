#include "platform/forms/stdctrls/printers.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/base/numbers.h"
#include "platform/forms/forms.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/stdctrls/printjob.h"
#include "platform/forms/stdctrls/wrapped.h"
#include "platform/forms/window.h"
#include "platform/graphics/bitmap.h"

namespace {

using print_internal::TPrintTarget;

constexpr int kScreenDpi = 96;

// The name new files of documents start with: the program's file name.
std::string NewFileName() {
  return forms_internal::PathFromQt(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

}  // namespace

struct TPrinter::State {
  // The settings the print and page setup dialogs edit.
  QPrinter printer{QPrinter::HighResolution};
  // The last print dialog's choice: a file serves the next document only, a queue stays.
  bool fileChosen = false;
  std::string chosenFile;
  std::string chosenQueue;

  // The document: made as a PDF in memory, sent at the end.
  TPrintTarget target;
  QByteArray pdf;
  std::unique_ptr<QBuffer> buffer;
  std::unique_ptr<QPdfWriter> writer;
  std::unique_ptr<QPainter> painter;
  int copies = 1;
  bool collate = true;
  // The pages sent, kept for copies made here: where on the paper and what.
  std::vector<std::pair<QPoint, QImage>> pages;

  // The page: the printable area in dots, its corner on the paper, what was drawn on it.
  TBitmap page;
  QSize size;
  QPoint corner;
  int dpi = 300;
  QPageLayout layout;
  TRect inked;
  bool printing = false;

  TPrintTarget Planned() const {
    TPrintTarget t;
    if (fileChosen) {
      t.File = chosenFile;
      return t;
    }
    if (const char* env = std::getenv("ORVANE_PRINT_PDF"); env != nullptr && *env != '\0') {
      t.File = env;
      return t;
    }
    // A queue chosen earlier that is gone leaves the choice to the desktop again.
    t.Queue =
        print_internal::QueueExists(chosenQueue) ? chosenQueue : print_internal::DefaultQueue();
    return t;
  }
};

TPrinter::TPrinter() {
  forms_internal::EnsureQtApplication();
  FState = std::make_unique<State>();
  QPrinter& p = FState->printer;
  p.setPageSize(QPageSize(QPageSize::A4));
  p.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  FState->page.Canvas()->OnPixelsChanged = [this](TCanvas*, const TRect& area) {
    UnionRect(FState->inked, FState->inked, area);
  };
  ClearPage();
}

TPrinter::~TPrinter() {
  if (FState->printing) Abort();
}

bool TPrinter::Printing() const { return FState->printing; }

TCanvas* TPrinter::Canvas() const { return FState->page.Canvas(); }

int TPrinter::PageWidth() const { return FState->size.width(); }

int TPrinter::PageHeight() const { return FState->size.height(); }

int TPrinter::XDpi() const { return FState->dpi; }

void TPrinter::SetOrientation(TPrinterOrientation Value) {
  if (FState->printing) throw EPrinter("Printing in progress");
  FOrientation = Value;
  FState->printer.setPageOrientation(Value == poLandscape ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
  ClearPage();
}

void TPrinter::ClearPage() {
  State& s = *FState;
  if (!s.printing) {
    const TPrintTarget t = s.Planned();
    const auto orientation =
        FOrientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!t.Queue.empty()) {
      const print_internal::TQueuePage q = print_internal::QueuePage(t.Queue, orientation);
      s.layout = q.Layout;
      s.dpi = q.Dpi;
    } else {
      s.layout = s.printer.pageLayout();
      s.layout.setOrientation(orientation);
      s.dpi = print_internal::PdfResolution(s.layout);
    }
  }
  // A printer finer than a page in memory can hold draws at a whole fraction of its resolution.
  const int device = s.dpi;
  QRect area = s.layout.paintRectPixels(s.dpi);
  for (int k = 2; qint64(area.width()) * area.height() > TBitmap::kMaxPixels; ++k) {
    s.dpi = device / k;
    area = s.layout.paintRectPixels(s.dpi);
  }
  s.corner = area.topLeft();
  s.size = QSize(std::max(area.width(), 1), std::max(area.height(), 1));
  // The page's pixels (tens of megabytes) are held only while printing.
  TCanvas* canvas = s.page.Canvas();
  canvas->Brush()->SetColor(clWhite);
  s.page.SetSize(s.printing ? s.size.width() : 0, s.printing ? s.size.height() : 0);
  canvas->FillRect(Rect(0, 0, s.page.Width(), s.page.Height()));
  canvas->RemoveClip();
  s.inked = TRect();
}

void TPrinter::BeginDoc() {
  State& s = *FState;
  if (s.printing) throw EPrinter("Printing in progress");
  ClearPage();
  s.target = s.Planned();
  s.fileChosen = false;
  FOutputFileName = s.target.Queue.empty() ? s.target.File : std::string();
  s.copies = std::max(s.printer.copyCount(), 1);
  s.collate = s.printer.collateCopies();
  s.pages.clear();
  s.pdf.clear();
  s.buffer = std::make_unique<QBuffer>(&s.pdf);
  s.buffer->open(QIODevice::WriteOnly);
  s.writer = std::make_unique<QPdfWriter>(s.buffer.get());
  s.writer->setTitle(forms_internal::ToQt(FTitle));
  s.writer->setCreator(QCoreApplication::applicationName());
  s.writer->setResolution(s.dpi);
  // The whole paper; the page is placed on its printable area in whole dots, so that every dot
  // of the canvas is one dot of the printer.
  s.writer->setPageLayout(QPageLayout(s.layout.pageSize(), s.layout.orientation(), QMarginsF()));
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(s.writer.get())) {
    s.writer.reset();
    s.buffer.reset();
    throw EPrinter("Printing failed: the document cannot be begun");
  }
  // The page keeps its exact pixels (no lossy compression, no smoothing).
  painter->setRenderHint(QPainter::LosslessImageRendering);
  painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
  s.painter = std::move(painter);
  s.printing = true;
  ClearPage();
  FAborted = false;
  FPageNumber = 1;
}

void TPrinter::SendPage() {
  State& s = *FState;
  QPoint at;
  QImage part;
  if (!IsRectEmpty(s.inked)) {
    const TSurface f = s.page.Surface();
    const QImage view(reinterpret_cast<const uchar*>(f.Bits), f.Width, f.Height, f.Stride * 4,
                      QImage::Format_RGB32);
    part = view.copy(s.inked.Left, s.inked.Top, s.inked.Width(), s.inked.Height());
    at = s.corner + QPoint(s.inked.Left, s.inked.Top);
    s.painter->drawImage(at, part);
  }
  // A queue makes its copies itself; a file gets them as pages.
  if (s.copies == 1 || !s.target.Queue.empty()) return;
  if (s.collate) {
    s.pages.emplace_back(at, std::move(part));
    return;
  }
  for (int i = 1; i < s.copies; ++i) {
    s.writer->newPage();
    if (!part.isNull()) s.painter->drawImage(at, part);
  }
}

void TPrinter::NewPage() {
  if (!FState->printing) throw EPrinter("Printer is not currently printing");
  SendPage();
  FState->writer->newPage();
  ++FPageNumber;
  ClearPage();
}

void TPrinter::Finish() {
  State& s = *FState;
  if (s.painter->isActive()) s.painter->end();
  s.painter.reset();
  s.writer.reset();
  s.buffer.reset();
  s.pages.clear();
  s.printing = false;
}

void TPrinter::EndDoc() {
  State& s = *FState;
  if (!s.printing) throw EPrinter("Printer is not currently printing");
  SendPage();
  for (int i = 1; i < s.copies && !s.pages.empty(); ++i) {
    for (const auto& [at, part] : s.pages) {
      s.writer->newPage();
      if (!part.isNull()) s.painter->drawImage(at, part);
    }
  }
  Finish();
  const QByteArray pdf = std::move(s.pdf);
  s.pdf = QByteArray();
  ClearPage();
  FOutputFileName =
      print_internal::Deliver(s.target, NewFileName(), forms_internal::ToQt(FTitle).toStdString(),
                              pdf, s.copies, s.collate);
}

void TPrinter::Abort() {
  if (!FState->printing) return;
  Finish();
  FState->pdf = QByteArray();
  FAborted = true;
  ClearPage();
}

struct TPrinterAccess {
  static QPrinter& Of(TPrinter& P) { return P.FState->printer; }
  // A print or page setup dialog may have changed the page.
  static void PageChanged(TPrinter& P) {
    const auto o = P.FState->printer.pageLayout().orientation();
    P.FOrientation = o == QPageLayout::Landscape ? poLandscape : poPortrait;
    P.ClearPage();
  }
  static void Chosen(TPrinter& P, const std::string& Queue, const std::string& File) {
    TPrinter::State& s = *P.FState;
    s.fileChosen = Queue.empty();
    s.chosenFile = File;
    s.chosenQueue = Queue;
    PageChanged(P);
  }
  static std::string Planned(TPrinter& P) {
    const TPrintTarget t = P.FState->Planned();
    if (!t.Queue.empty() || !t.File.empty()) return t.Queue + t.File;
    try {
      return print_internal::FreeFileName(NewFileName());
    } catch (const EPrinter&) {
      return std::string();  // the folder cannot be made: printing will say so
    }
  }
};

TPrinter* Printer() {
  static auto* printer = new TPrinter;
  return printer;
}

namespace forms_internal {

QPrinter& QtPrinter() { return TPrinterAccess::Of(*Printer()); }

void PrinterPageChanged() { TPrinterAccess::PageChanged(*Printer()); }

void PrinterChosen(const std::string& Queue, const std::string& File) {
  TPrinterAccess::Chosen(*Printer(), Queue, File);
}

std::string PlannedPrinterOutput() { return TPrinterAccess::Planned(*Printer()); }

void PrintForm(TCustomForm& Form) {
  std::unique_ptr<TBitmap> image = Form.GetFormImage();
  TPrinter* printer = Printer();
  printer->BeginDoc();
  // As large as on the screen at the top left; smaller, in proportion, where the page is too
  // small.
  int w = MulDiv(image->Width(), printer->XDpi(), kScreenDpi);
  int h = MulDiv(image->Height(), printer->YDpi(), kScreenDpi);
  if (w > printer->PageWidth() || h > printer->PageHeight()) {
    const double scale = std::min(double(printer->PageWidth()) / std::max(w, 1),
                                  double(printer->PageHeight()) / std::max(h, 1));
    w = std::max(1, int(Trunc(w * scale)));
    h = std::max(1, int(Trunc(h * scale)));
  }
  printer->Canvas()->StretchDraw(Rect(0, 0, w, h), image.get());
  printer->EndDoc();
}

}  // namespace forms_internal
