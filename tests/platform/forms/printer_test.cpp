// The printer on PDF files: pages at the printer's resolution, the file the user chose or a new
// one per document, and failures that say why and lose nothing.

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "platform/forms/stdctrls/dialogs.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/printers.h"
#include "platform/forms/testing/formtest.h"
#include "platform/forms/testing/printout.h"

namespace fs = std::filesystem;

namespace {

// An environment variable set for the test's time.
class EnvVar {
 public:
  EnvVar(const char* name, const std::string& value) : FName(name) {
    if (const char* old = std::getenv(name)) FOld = old;
    setenv(name, value.c_str(), 1);
  }
  ~EnvVar() {
    if (FOld) {
      setenv(FName, FOld->c_str(), 1);
    } else {
      unsetenv(FName);
    }
  }

 private:
  const char* FName;
  std::optional<std::string> FOld;
};

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The bounding box of the pixels of one colour.
QRect Find(const QImage& image, QRgb color) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// A home of the test's own, so that new files land in its documents folder, and no printers.
class PrinterTest : public FormTest {
 protected:
  PrinterTest()
      : FDir(fs::temp_directory_path() /
             ("orvane-printer-" + std::to_string(getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name())),
        FHome("HOME", (FDir / "home").string()),
        FConfig("XDG_CONFIG_HOME", (FDir / "config").string()),
        FNoPrinters("CUPS_SERVER", (FDir / "no-cups.sock").string()) {
    unsetenv("ORVANE_PRINT_PDF");
    cupsSetServer(nullptr);  // reads CUPS_SERVER again
    fs::create_directories(FDir / "home");
    Printer()->SetTitle("");
  }
  ~PrinterTest() override {
    cupsSetServer(nullptr);
    std::error_code ec;
    fs::remove_all(FDir, ec);
  }
  fs::path Documents() const { return FDir / "home" / "Documents"; }
  // A document of one page with a green square at its top left.
  static void PrintSquare() {
    TPrinter* p = Printer();
    p->BeginDoc();
    p->Canvas()->Brush()->SetColor(clGreen);
    p->Canvas()->FillRect(Rect(0, 0, 50, 50));
    p->EndDoc();
  }
  void ChooseInDialog(const std::string& choice, int copies = 0) {
    TPrintDialog dialog(form);
    dialogs.Answer(mrOk, choice, copies);
    ASSERT_TRUE(dialog.Execute());
  }

  fs::path FDir;
  // Without printers, whatever the machine has.
  EnvVar FHome, FConfig, FNoPrinters;
};

TEST_F(PrinterTest, AFormPrintsAtItsScreenSizeInThePrintersDots) {
  form->SetColor(clSilver);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(20, 30, 100, 40);
  panel->SetColor(clRed);
  auto* shape = new TShape(form);
  shape->SetParent(form);
  shape->SetBounds(150, 30, 50, 50);
  shape->Brush()->SetColor(clBlue);
  ShowForm();
  const std::string pdf = (FDir / "form.pdf").string();
  EnvVar out("ORVANE_PRINT_PDF", pdf);
  form->Print();
  EXPECT_EQ(Printer()->OutputFileName(), pdf);
  const int dpi = Printer()->XDpi();
  EXPECT_GE(dpi, 300);
  const std::vector<QImage> pages = printout::RenderPages(pdf, dpi);
  ASSERT_EQ(pages.size(), 1u);
  for (int ppi : printout::ImagePpi(pdf)) EXPECT_GE(ppi, 300);
  // The panel's face (inside its one-pixel bevel) and the shape keep their size and distance
  // on paper: a screen pixel is dpi / 96 dots.
  const double scale = dpi / 96.0;
  const QRect red = Find(pages[0], qRgb(255, 0, 0));
  const QRect blue = Find(pages[0], qRgb(0, 0, 255));
  EXPECT_NEAR(red.width(), 98 * scale, 2);
  EXPECT_NEAR(red.height(), 38 * scale, 2);
  EXPECT_NEAR(blue.left() - red.left(), 130 * scale, 2);
  EXPECT_NEAR(blue.top() - red.top(), 0, 2);
  // Around them the form's face.
  const QRgb face = pages[0].pixel(red.left() - int(5 * scale), red.top());
  EXPECT_EQ(face & 0xFFFFFF, qRgb(0xC0, 0xC0, 0xC0) & 0xFFFFFF);
}

TEST_F(PrinterTest, DocumentsPagesOrientationAndAbort) {
  const std::string pdf = (FDir / "doc.pdf").string();
  EnvVar out("ORVANE_PRINT_PDF", pdf);
  TPrinter* p = Printer();
  const int portrait_width = p->PageWidth();
  EXPECT_GT(p->PageHeight(), portrait_width);
  // The printable area of A4 in dots.
  EXPECT_NEAR(portrait_width, 190 / 25.4 * p->XDpi(), 2);
  p->SetOrientation(poLandscape);
  EXPECT_GT(p->PageWidth(), p->PageHeight());
  p->SetTitle("HardCopy");
  p->BeginDoc();
  EXPECT_TRUE(p->Printing());
  EXPECT_THROW(p->BeginDoc(), EPrinter);
  EXPECT_THROW(p->SetOrientation(poPortrait), EPrinter);
  const TRect clip = p->Canvas()->ClipRect();
  EXPECT_EQ(clip.Right, p->PageWidth());
  EXPECT_EQ(clip.Bottom, p->PageHeight());
  p->Canvas()->Brush()->SetColor(clGreen);
  p->Canvas()->FillRect(Rect(0, 0, 50, 50));
  p->NewPage();
  EXPECT_EQ(p->PageNumber(), 2);
  EXPECT_EQ(p->Canvas()->Pixels(10, 10), clWhite);  // a fresh page
  p->EndDoc();
  EXPECT_FALSE(p->Printing());
  p->SetOrientation(poPortrait);
  EXPECT_EQ(p->PageWidth(), portrait_width);
  const std::vector<QImage> pages = printout::RenderPages(pdf, p->XDpi());
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_GT(pages[0].width(), pages[0].height());
  // One dot of the canvas is one dot of the page (pdftoppm draws every picture one dot wider
  // and higher).
  const QRect green = Find(pages[0], qRgb(0, 0x80, 0));
  EXPECT_NEAR(green.width(), 50, 1);
  EXPECT_NEAR(green.height(), 50, 1);
  EXPECT_TRUE(Find(pages[1], qRgb(0, 0x80, 0)).isEmpty());

  // An aborted document sends nothing: the earlier one stays as it was.
  const std::string before = Read(pdf);
  p->BeginDoc();
  p->Canvas()->FillRect(Rect(0, 0, 10, 10));
  p->Abort();
  EXPECT_TRUE(p->Aborted());
  EXPECT_EQ(Read(pdf), before);
  EXPECT_THROW(p->EndDoc(), EPrinter);
  p->SetTitle("");
}

TEST_F(PrinterTest, TheDialogsFileIsWrittenAndEveryOtherDocumentGetsANewFile) {
  // Without a printer and a choice: a new file in the documents folder for each document.
  PrintSquare();
  const std::string first = Printer()->OutputFileName();
  PrintSquare();
  const std::string second = Printer()->OutputFileName();
  EXPECT_EQ(fs::path(first).parent_path(), Documents());
  EXPECT_NE(first, second);
  EXPECT_TRUE(fs::exists(first));
  EXPECT_TRUE(fs::exists(second));

  // The dialog offers the next new name; the file chosen there is the one written, with the
  // copies asked for (collated: the whole document again).
  TPrintDialog dialog(form);
  dialogs.Answer(mrOk, (FDir / "chosen.pdf").string(), 2);
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(fs::path(dialogs.Asked().back().Text).parent_path(), Documents());
  EXPECT_FALSE(fs::exists(dialogs.Asked().back().Text));
  PrintSquare();
  EXPECT_EQ(Printer()->OutputFileName(), (FDir / "chosen.pdf").string());
  const std::vector<QImage> pages =
      printout::RenderPages(Printer()->OutputFileName(), Printer()->XDpi());
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(Find(pages[1], qRgb(0, 0x80, 0)), Find(pages[0], qRgb(0, 0x80, 0)));
  ChooseInDialog("", 1);

  // The choice served one document; the next one is new again, the others untouched.
  PrintSquare();
  EXPECT_EQ(fs::path(Printer()->OutputFileName()).parent_path(), Documents());
  EXPECT_EQ(std::distance(fs::directory_iterator(Documents()), fs::directory_iterator()), 3);
  EXPECT_EQ(Read(first).substr(0, 5), "%PDF-");
}

// Writes that fail as on a full disk: the process may write no file longer than Bytes.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &FOld);
    FSignal = signal(SIGXFSZ, SIG_IGN);
    rlimit now = FOld;
    now.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &now);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &FOld);
    signal(SIGXFSZ, FSignal);
  }

 private:
  rlimit FOld{};
  sighandler_t FSignal;
};

TEST_F(PrinterTest, AFailedPrintSaysWhyAndLosesNothing) {
  const fs::path earlier = FDir / "earlier.pdf";
  std::ofstream(earlier) << "an earlier print";
  const fs::path not_a_folder = FDir / "plain";
  std::ofstream(not_a_folder) << "x";
  struct Case {
    const char* what;
    std::string file;
    std::string reason;
    bool full;
  };
  for (const Case& c :
       {Case{"a missing folder", (FDir / "no" / "x.pdf").string(), "No such file", false},
        Case{"a file for a folder", (not_a_folder / "x.pdf").string(), "Not a directory", false},
        Case{"a full disk", earlier.string(), "File too large", true}}) {
    SCOPED_TRACE(c.what);
    ChooseInDialog(c.file);
    std::string message;
    {
      std::optional<FileSizeLimit> limit;
      if (c.full) limit.emplace(100);
      try {
        PrintSquare();
      } catch (const EPrinter& e) {
        message = e.Message();
      }
    }
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    EXPECT_NE(message.find(c.file), std::string::npos) << message;
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_EQ(Read(earlier), "an earlier print");
    EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 3);
  }
  // And the documents folder cannot be made where a file stands in its place.
  fs::remove_all(Documents());
  std::ofstream(Documents()) << "x";
  EXPECT_THROW(PrintSquare(), EPrinter);
  fs::remove(Documents());
  PrintSquare();
  EXPECT_TRUE(fs::exists(Printer()->OutputFileName()));
}

}  // namespace
