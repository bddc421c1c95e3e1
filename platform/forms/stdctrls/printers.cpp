#include "platform/forms/stdctrls/printers.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cstdlib>

#include "platform/base/numbers.h"
#include "platform/forms/forms.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/stdctrls/wrapped.h"
#include "platform/forms/window.h"
#include "platform/graphics/bitmap.h"

namespace {

constexpr int kDpi = 96;

// The PDF file for a document without printer: "<documents>/<title>.pdf".
QString DefaultPdfPath(const std::string& title) {
  QString name = forms_internal::ToQt(title.empty() ? std::string("print") : title);
  for (QChar& c : name) {
    if (c == '/' || c == '\\' || c == ':' || c.unicode() < 32) c = '_';
  }
  QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (dir.isEmpty()) dir = QDir::homePath();
  QDir().mkpath(dir);
  return dir + "/" + name + ".pdf";
}

}  // namespace

struct TPrinter::State {
  QPrinter printer{QPrinter::HighResolution};
  std::unique_ptr<QPainter> painter;
  TBitmap page;
  bool printing = false;
};

TPrinter::TPrinter() {
  forms_internal::EnsureQtApplication();
  FState = std::make_unique<State>();
  QPrinter& p = FState->printer;
  p.setResolution(kDpi);
  p.setPageSize(QPageSize(QPageSize::A4));
  p.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  ClearPage();
}

TPrinter::~TPrinter() {
  if (FState->printing) Abort();
}

bool TPrinter::Printing() const { return FState->printing; }

TCanvas* TPrinter::Canvas() const { return FState->page.Canvas(); }

int TPrinter::PageWidth() const { return FState->page.Width(); }

int TPrinter::PageHeight() const { return FState->page.Height(); }

void TPrinter::SetOrientation(TPrinterOrientation Value) {
  if (FState->printing) throw EPrinter("Printing in progress");
  FOrientation = Value;
  FState->printer.setPageOrientation(Value == poLandscape ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
  ClearPage();
}

void TPrinter::ClearPage() {
  const QRect area = FState->printer.pageLayout().paintRectPixels(kDpi);
  TBitmap& page = FState->page;
  page.Canvas()->Brush()->SetColor(clWhite);
  page.SetSize(std::max(area.width(), 1), std::max(area.height(), 1));
  page.Canvas()->FillRect(Rect(0, 0, page.Width(), page.Height()));
  page.Canvas()->RemoveClip();
}

void TPrinter::BeginDoc() {
  if (FState->printing) throw EPrinter("Printing in progress");
  QPrinter& p = FState->printer;
  p.setDocName(forms_internal::ToQt(FTitle));
  const char* env = std::getenv("ORVANE_PRINT_PDF");
  FOutputFileName.clear();
  if (env != nullptr && *env != '\0') {
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(QString::fromLocal8Bit(env));
  } else if (p.outputFormat() == QPrinter::NativeFormat &&
             !QPrinterInfo::defaultPrinter().isNull()) {
    // Keeps the printer chosen in a print dialog.
  } else {
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(DefaultPdfPath(FTitle));
  }
  if (p.outputFormat() == QPrinter::PdfFormat) {
    FOutputFileName = forms_internal::FromQt(p.outputFileName());
  }
  p.setResolution(kDpi);
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(&p)) {
    throw EPrinter("Printing failed: the output cannot be opened" +
                   (FOutputFileName.empty() ? std::string() : " (" + FOutputFileName + ")"));
  }
  // The page keeps its exact pixels (no lossy compression in a PDF).
  painter->setRenderHint(QPainter::LosslessImageRendering);
  FState->painter = std::move(painter);
  FState->printing = true;
  FAborted = false;
  FPageNumber = 1;
  ClearPage();
}

void TPrinter::SendPage() {
  const TSurface s = FState->page.Surface();
  const QImage view(reinterpret_cast<const uchar*>(s.Bits), s.Width, s.Height, s.Stride * 4,
                    QImage::Format_RGB32);
  FState->painter->drawImage(QPoint(0, 0), view);
}

void TPrinter::NewPage() {
  if (!FState->printing) throw EPrinter("Printer is not currently printing");
  SendPage();
  FState->printer.newPage();
  ++FPageNumber;
  ClearPage();
}

void TPrinter::EndDoc() {
  if (!FState->printing) throw EPrinter("Printer is not currently printing");
  SendPage();
  FState->painter->end();
  FState->painter.reset();
  FState->printing = false;
  ClearPage();
}

void TPrinter::Abort() {
  if (!FState->printing) return;
  FState->printer.abort();
  if (FState->painter->isActive()) FState->painter->end();
  FState->painter.reset();
  FState->printing = false;
  FAborted = true;
  if (!FOutputFileName.empty()) QFile::remove(forms_internal::ToQt(FOutputFileName));
  ClearPage();
}

struct TPrinterAccess {
  static QPrinter& Of(TPrinter& p) { return p.FState->printer; }
  // A print or page setup dialog may have changed the page.
  static void PageChanged(TPrinter& p) {
    const auto o = p.FState->printer.pageLayout().orientation();
    p.FOrientation = o == QPageLayout::Landscape ? poLandscape : poPortrait;
    p.ClearPage();
  }
};

TPrinter* Printer() {
  static auto* printer = new TPrinter;
  return printer;
}

namespace forms_internal {

QPrinter& QtPrinter() { return TPrinterAccess::Of(*Printer()); }

void PrinterPageChanged() { TPrinterAccess::PageChanged(*Printer()); }

void PrintForm(TCustomForm& form) {
  std::unique_ptr<TBitmap> image = form.GetFormImage();
  TPrinter* printer = Printer();
  printer->BeginDoc();
  // 1:1 at the top left; smaller, in proportion, where the page is too small.
  int w = image->Width();
  int h = image->Height();
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
