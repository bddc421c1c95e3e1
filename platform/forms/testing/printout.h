#pragma once
// Test support: a printed PDF looked at as paper. Pages are rendered by pdftoppm at the
// printer's resolution, so that one pixel of the picture is one dot of the printer.

#include <QImage>
#include <string>
#include <vector>

namespace printout {

// The PDF's pages at `dpi` dots per inch; none when pdftoppm fails.
std::vector<QImage> RenderPages(const std::string& Pdf, int Dpi);
// Every image in the PDF with the lower of its horizontal and vertical pixels per inch, as
// pdfimages -list reports them; none when pdfimages fails.
std::vector<int> ImagePpi(const std::string& Pdf);

}  // namespace printout
