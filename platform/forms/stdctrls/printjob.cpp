#include "platform/forms/stdctrls/printjob.h"

#include <cups/cups.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/base/paths.h"
#include "platform/base/safefile.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/stdctrls/printers.h"

namespace print_internal {

namespace {

constexpr int kPdfDpi = 300;
// Pages beyond this would take hundreds of megabytes of memory each.
constexpr int kMostPdfDpi = 600;

[[noreturn]] void Fail(const std::string& What, int Error) {
  throw EPrinter("Printing failed: " + What + ": " + std::strerror(Error));
}

bool WriteAll(int Fd, const QByteArray& Data) {
  const char* p = Data.constData();
  qsizetype left = Data.size();
  while (left > 0) {
    const ssize_t n = write(Fd, p, size_t(left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    p += n;
    left -= n;
  }
  return true;
}

QString DocumentsFolder() {
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return dir.isEmpty() ? QDir::homePath() : dir;
}

// A name that is one file name: no folders, no control characters.
std::string FileNamePart(const std::string& Name) {
  std::string part = Name.empty() ? std::string("print") : Name;
  for (char& c : part) {
    if (c == '/' || static_cast<unsigned char>(c) < 32) c = '_';
  }
  return part;
}

std::string NewFilePath(const std::string& Name, int N) {
  return forms_internal::PathFromQt(DocumentsFolder()) + "/" + FileNamePart(Name) + "-" +
         std::to_string(N) + ".pdf";
}

// "<documents>/<name>-<n>.pdf" with the first n that names no file yet, made and written
// exclusively, so that no earlier print is ever replaced.
std::string WriteNewFile(const std::string& Name, const QByteArray& Pdf) {
  const QString folder = DocumentsFolder();
  errno = 0;
  if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
    Fail("cannot make the folder " + forms_internal::FromQt(folder), errno != 0 ? errno : ENOTDIR);
  }
  for (int n = 1;; ++n) {
    const std::string path = NewFilePath(Name, n);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      Fail("cannot make " + PathToText(path), errno);
    }
    bool ok = WriteAll(fd, Pdf) && fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (close(fd) != 0 && ok) {
      ok = false;
      error = errno;
    }
    if (!ok) {
      unlink(path.c_str());
      Fail("cannot write " + PathToText(path), error);
    }
    return path;
  }
}

std::string WriteChosenFile(const std::string& Path, const QByteArray& Pdf) {
  errno = 0;
  if (!SafeWriteFile(Path, Pdf.toStdString())) {
    Fail("cannot write " + PathToText(Path), errno != 0 ? errno : EACCES);
  }
  return Path;
}

void SendToQueue(const std::string& Queue, const std::string& Title, const QByteArray& Pdf,
                 int Copies, bool Collate) {
  const char* tmpdir = std::getenv("TMPDIR");
  std::string file =
      std::string(tmpdir != nullptr && *tmpdir != '\0' ? tmpdir : "/tmp") + "/orvane-print-XXXXXX";
  const int fd = mkostemp(file.data(), O_CLOEXEC);
  if (fd < 0) Fail("cannot make a spool file", errno);
  const bool written = WriteAll(fd, Pdf);
  const int error = errno;
  close(fd);
  if (!written) {
    unlink(file.c_str());
    Fail("cannot write the spool file " + PathToText(file), error);
  }
  cups_option_t* options = nullptr;
  int count = cupsAddOption("copies", std::to_string(std::max(Copies, 1)).c_str(), 0, &options);
  if (Copies > 1) {
    count = cupsAddOption(
        "multiple-document-handling",
        Collate ? "separate-documents-collated-copies" : "separate-documents-uncollated-copies",
        count, &options);
  }
  // A queue's instance ("queue/instance") prints on the queue itself.
  const std::string name = Queue.substr(0, Queue.find('/'));
  const int job =
      cupsPrintFile2(CUPS_HTTP_DEFAULT, name.c_str(), file.c_str(), Title.c_str(), count, options);
  cupsFreeOptions(count, options);
  unlink(file.c_str());
  if (job == 0) {
    throw EPrinter("Printing on " + Queue + " failed: " + cupsLastErrorString());
  }
}

}  // namespace

int PdfResolution(const QPageLayout& Layout) {
  int longest = 0, shortest = 0;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QSize size = screen->geometry().size() * screen->devicePixelRatio();
    longest = std::max(longest, std::max(size.width(), size.height()));
    shortest = std::max(shortest, std::min(size.width(), size.height()));
  }
  int dpi = kPdfDpi;
  for (; dpi < kMostPdfDpi; dpi += kPdfDpi) {
    const QRect area = Layout.paintRectPixels(dpi);
    if (std::max(area.width(), area.height()) >= longest &&
        std::min(area.width(), area.height()) >= shortest) {
      break;
    }
  }
  return dpi;
}

std::string DefaultQueue() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  return info.isNull() ? std::string() : info.printerName().toStdString();
}

bool QueueExists(const std::string& Queue) {
  return !Queue.empty() && !QPrinterInfo::printerInfo(QString::fromStdString(Queue)).isNull();
}

TQueuePage QueuePage(const std::string& Queue, QPageLayout::Orientation Orientation) {
  QPrinter probe(QPrinter::HighResolution);
  probe.setPrinterName(QString::fromStdString(Queue));
  TQueuePage page;
  page.Layout = probe.pageLayout();
  page.Layout.setOrientation(Orientation);
  // Qt's printer reports a resolution of its own; the queue's is among its attributes.
  const std::string name = Queue.substr(0, Queue.find('/'));
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
  cups_dinfo_t* info = dest != nullptr ? cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest) : nullptr;
  ipp_attribute_t* resolution =
      info != nullptr ? cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution")
                      : nullptr;
  if (resolution != nullptr) {
    int ydpi = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    int dpi = ippGetResolution(resolution, 0, &ydpi, &units);
    if (units == IPP_RES_PER_CM) dpi = (dpi * 254 + 50) / 100;
    if (dpi >= 72) page.Dpi = dpi;
  }
  cupsFreeDestInfo(info);
  if (dest != nullptr) cupsFreeDests(1, dest);
  return page;
}

std::string FreeFileName(const std::string& Name) {
  for (int n = 1;; ++n) {
    const std::string path = NewFilePath(Name, n);
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return path;
  }
}

std::string Deliver(const TPrintTarget& Target, const std::string& Name, const std::string& Title,
                    const QByteArray& Pdf, int Copies, bool Collate) {
  if (!Target.Queue.empty()) {
    SendToQueue(Target.Queue, Title, Pdf, Copies, Collate);
    return std::string();
  }
  if (!Target.File.empty()) return WriteChosenFile(Target.File, Pdf);
  return WriteNewFile(Name, Pdf);
}

}  // namespace print_internal
