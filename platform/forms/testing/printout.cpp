#include "platform/forms/testing/printout.h"

#include <stdio.h>
#include <stdlib.h>

#include <QDir>
#include <QImageReader>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace printout {

namespace {

std::string Quoted(const std::string& S) {
  std::string q = "'";
  for (char c : S) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

std::vector<QImage> RenderPages(const std::string& Pdf, int Dpi) {
  std::vector<QImage> pages;
  char dir[] = "/tmp/orvane-printout-XXXXXX";
  if (mkdtemp(dir) == nullptr) return pages;
  const std::string prefix = std::string(dir) + "/page";
  const std::string command = "pdftoppm -r " + std::to_string(Dpi) + " -png " + Quoted(Pdf) + " " +
                              Quoted(prefix) + " 2>/dev/null";
  if (std::system(command.c_str()) == 0) {
    // A page at a printer's resolution is larger than Qt reads by default.
    QImageReader::setAllocationLimit(0);
    QDir folder(dir);
    const QStringList files = folder.entryList({"page-*.png"}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
      pages.push_back(QImage(folder.filePath(file)).convertToFormat(QImage::Format_RGB32));
    }
  }
  QDir(dir).removeRecursively();
  return pages;
}

std::vector<int> ImagePpi(const std::string& Pdf) {
  std::vector<int> ppi;
  FILE* out = popen(("pdfimages -list " + Quoted(Pdf) + " 2>/dev/null").c_str(), "r");
  if (out == nullptr) return ppi;
  std::string text;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, out)) > 0;) text.append(buffer, n);
  if (pclose(out) != 0) return ppi;
  // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
  std::istringstream lines(text);
  std::string line;
  for (int row = 0; std::getline(lines, line); ++row) {
    if (row < 2) continue;  // the heading and its rule
    std::istringstream fields(line);
    std::vector<std::string> f;
    for (std::string w; fields >> w;) f.push_back(w);
    if (f.size() < 14) continue;
    ppi.push_back(std::min(std::atoi(f[12].c_str()), std::atoi(f[13].c_str())));
  }
  return ppi;
}

}  // namespace printout
