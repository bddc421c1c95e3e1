// The print button of every instrument form: without a printer the form goes into a PDF file,
// and its page shows the form's picture at its own size.

#include <unistd.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/programs/demo/demo_fixture.h"

namespace fs = std::filesystem;

namespace {

class InstrumentPrintTest : public DemoTest {
 protected:
  InstrumentPrintTest() {
    fs::create_directories(dir);
    setenv("ORVANE_PRINT_PDF", pdf.c_str(), 1);
  }
  ~InstrumentPrintTest() override {
    unsetenv("ORVANE_PRINT_PDF");
    fs::remove_all(dir);
  }

  // The first page at 96 pixels per inch, as pdftoppm draws it.
  QImage Page() {
    const std::string prefix = (dir / "page").string();
    const std::string command =
        "pdftoppm -r 96 -singlefile -png '" + pdf + "' '" + prefix + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) return QImage();
    return QImage(QString::fromStdString(prefix + ".png")).convertToFormat(QImage::Format_RGB32);
  }

  const fs::path dir = fs::temp_directory_path() / ("instrumentprint-" + std::to_string(getpid()));
  const std::string pdf = (dir / "form.pdf").string();
};

// The part of the page that is not white paper.
QRect Printed(const QImage& page) {
  QRect box;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if ((page.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

constexpr int kBlock = 8;

// The mean colour of block (BX, BY) of kBlock x kBlock pixels.
template <class Pixel>
QRgb Average(Pixel At, int BX, int BY) {
  int r = 0, g = 0, b = 0;
  for (int y = BY * kBlock; y < (BY + 1) * kBlock; ++y) {
    for (int x = BX * kBlock; x < (BX + 1) * kBlock; ++x) {
      const QRgb p = At(x, y);
      r += qRed(p);
      g += qGreen(p);
      b += qBlue(p);
    }
  }
  const int n = kBlock * kBlock;
  return qRgb(r / n, g / n, b / n);
}

bool Near(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) <= 12 && std::abs(qGreen(a) - qGreen(b)) <= 12 &&
         std::abs(qBlue(a) - qBlue(b)) <= 12;
}

TEST_F(InstrumentPrintTest, PrintWritesThePictureOfTheFormIntoAPdf) {
  if (std::system("command -v pdftoppm >/dev/null 2>&1") != 0) GTEST_SKIP() << "no pdftoppm";
  for (const char* button : {"MeterHBtn", "MeterVBtn", "Meter120Btn", "Meter180Btn", "Meter270Btn",
                             "Meter360Btn", "MagicEyeBtn", "GaugeBtn"}) {
    SCOPED_TRACE(button);
    fs::remove(pdf);
    std::unique_ptr<TForm> demo = OpenDemoForm(button);
    auto* print = dynamic_cast<TButton*>(demo->FindComponent("PrintBtn"));
    ASSERT_NE(print, nullptr);
    Click(print, 5, 5);
    ASSERT_TRUE(fs::exists(pdf));
    const QImage page = Page();
    ASSERT_FALSE(page.isNull());
    // The page may place the picture at a fraction of a pixel, which shows as one more row and
    // column; beyond that it is the form's picture.
    const QRect printed = Printed(page);
    EXPECT_NEAR(printed.width(), demo->ClientWidth(), 1);
    EXPECT_NEAR(printed.height(), demo->ClientHeight(), 1);
    // Block by block, as the page smooths the picture a little where it places it.
    const std::unique_ptr<TBitmap> picture = demo->GetFormImage();
    const int cols = picture->Width() / kBlock, rows = picture->Height() / kBlock;
    int alike = 0;
    for (int by = 0; by < rows; ++by) {
      for (int bx = 0; bx < cols; ++bx) {
        const QRgb form = Average([&](int x, int y) { return picture->ScanLine(y)[x]; }, bx, by);
        const QRgb paper =
            Average([&](int x, int y) { return page.pixel(printed.left() + x, printed.top() + y); },
                    bx, by);
        alike += Near(form, paper);
      }
    }
    EXPECT_GT(alike, cols * rows * 97 / 100) << alike << " of " << cols * rows << " blocks";
  }
}

}  // namespace
