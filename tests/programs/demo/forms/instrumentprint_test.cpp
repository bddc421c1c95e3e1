// The print button of every instrument form: without a printer the form goes into a PDF file,
// and its page shows the form's picture as large as on the screen, every pixel of it.

#include <unistd.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/base/numbers.h"
#include "platform/forms/stdctrls/printers.h"
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

  // The first page, one pixel per printer dot.
  QImage Page() {
    const std::string prefix = (dir / "page").string();
    const std::string command = "pdftoppm -r " + std::to_string(Printer()->XDpi()) +
                                " -singlefile -png '" + pdf + "' '" + prefix + "' 2>/dev/null";
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
    // As large as on the screen: a screen pixel is XDpi / 96 dots (pdftoppm draws a picture
    // one dot wider and higher).
    const int w = MulDiv(demo->ClientWidth(), Printer()->XDpi(), 96);
    const int h = MulDiv(demo->ClientHeight(), Printer()->YDpi(), 96);
    const QRect printed = Printed(page);
    EXPECT_NEAR(printed.width(), w, 1);
    EXPECT_NEAR(printed.height(), h, 1);
    // Every pixel of the form in the middle of the dots it became.
    const std::unique_ptr<TBitmap> picture = demo->GetFormImage();
    int alike = 0;
    for (int y = 0; y < picture->Height(); ++y) {
      for (int x = 0; x < picture->Width(); ++x) {
        const QRgb paper = page.pixel(printed.left() + (2 * x + 1) * w / (2 * picture->Width()),
                                      printed.top() + (2 * y + 1) * h / (2 * picture->Height()));
        alike += (paper & 0xFFFFFF) == (picture->ScanLine(y)[x] & 0xFFFFFF);
      }
    }
    const int all = picture->Width() * picture->Height();
    EXPECT_GT(alike, all * 99 / 100) << alike << " of " << all << " pixels";
  }
}

}  // namespace
