#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "library/foundation/tickservice.h"
#include "platform/forms/stdctrls/printers.h"
#include "platform/forms/testing/formtest.h"
#include "platform/forms/testing/printout.h"
#include "programs/logic/loginfo.h"
#include "programs/logic/logini.h"
#include "programs/logic/logmain.h"
#include "programs/logic/scan.h"

namespace {

namespace fs = std::filesystem;

// The program's forms as its entry makes them, without the splash (no about box), the main
// form shown; files in a folder of the test's own.
class Pulsaric : public FormTest {
 protected:
  Pulsaric() {
    TickServiceStartup();
    FDir = fs::temp_directory_path() /
           ("orvane-pulsaric-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(FDir);
    fs::create_directories(FDir);
    // No printers, whatever the machine has (set before the printer asks CUPS for them).
    setenv("CUPS_SERVER", (FDir / "no-cups.sock").c_str(), 1);
    LogAna = new TLogAna(nullptr);
    LogAna->SetWindowState(wsNormal);
    LogAna->SetBounds(0, 0, 900, 600);
    ::Setup = new TSetup(nullptr, LogAna->Display);
    BufferFill = new TBufferFill(nullptr, LogAna->Display);
    LogAna->Show();
    Pump();
    display = LogAna->Display;
  }
  ~Pulsaric() override {
    delete BufferFill;
    delete ::Setup;
    delete LogAna;
    BufferFill = nullptr;
    ::Setup = nullptr;
    LogAna = nullptr;
    unsetenv("ORVANE_PRINT_PDF");
    unsetenv("CUPS_SERVER");
    setenv("HOME", FHome.c_str(), 1);
    fs::remove_all(FDir);
    TickServiceShutdown();
  }
  std::string File(const std::string& name, const std::string& bytes) const {
    const fs::path p = FDir / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // Clicks the colour grid's cell Index (16 cells in a row).
  void ChooseColour(int index) {
    const int w = ::Setup->ColorGrid->Width() / 16;
    Click(::Setup->ColorGrid, index * w + w / 2, ::Setup->ColorGrid->Height() / 2);
  }

  fs::path FDir;
  const std::string FHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "/";
  TLogic* display = nullptr;
};

struct Looks {
  TColor curve, display, text, pointer;
  std::string name0;
  tdispType typ;
  bool operator==(const Looks&) const = default;
};

Looks LooksOf(const TLogic& d) {
  return {d.ColCurve(),   d.ColDisplay(),           d.ColText(),
          d.ColPointer(), d.ChanNamen().Strings(0), d.DisplayTyp()};
}

TEST_F(Pulsaric, SetupPutsBackWhatItChangedUnlessClosedWithOK) {
  const Looks before = LooksOf(*display);
  enum class End { CancelButton, CloseBox, OK };
  for (End end : {End::CancelButton, End::CloseBox, End::OK}) {
    ::Setup->Show();
    Pump();
    ChooseColour(9);  // red, on the signal colour: at once
    EXPECT_EQ(display->ColCurve(), clRed);
    ::Setup->FarbWahl->SetItemIndex(6);
    ChooseColour(12);
    EXPECT_EQ(display->ColPointer(), clBlue);
    ::Setup->KanalEdit->SetText("CLK");
    Click(::Setup->NameStore, 5, 5);
    EXPECT_EQ(display->ChanNamen().Strings(0), "CLK");
    ::Setup->DispTyp->SetPosition(1);
    ::Setup->DispTypChange(::Setup->DispTyp);
    EXPECT_EQ(display->DisplayTyp(), dispOnly);
    switch (end) {
      case End::CancelButton:
        Click(::Setup->CancelBtn, 5, 5);
        break;
      case End::CloseBox:
        ::Setup->Close();
        break;
      case End::OK:
        Click(::Setup->StoreBtn, 5, 5);
        ::Setup->Close();  // what the OK button's modal result does
        break;
    }
    Pump();
    if (end == End::OK) {
      EXPECT_EQ(LooksOf(*display),
                (Looks{clRed, before.display, before.text, clBlue, "CLK", dispOnly}));
    } else {
      EXPECT_EQ(LooksOf(*display), before) << int(end);
    }
  }
}

TEST_F(Pulsaric, SetupShowsTheChannelsName) {
  display->SetChanName(3, "SDA");
  ::Setup->Show();
  Pump();
  ::Setup->KanalWahl->SetPosition(3);
  ::Setup->KanalWahlChange(::Setup->KanalWahl);
  EXPECT_EQ(::Setup->KanalEdit->Text(), "SDA");
  EXPECT_EQ(::Setup->KanalEdit->MaxLength(), 20);
  ::Setup->Close();
}

TEST_F(Pulsaric, FileBytesBecomeBigEndianSamples) {
  display->SetLogSize(TLogSize::Size16);
  for (int i = 0; i < display->BufferCount(); ++i) display->WriteSample(i, 0xEEEE);
  EXPECT_EQ(FillSamplesFromBytes(*display, std::string("\x01\x02\x03\x04\x05", 5)), 2);
  EXPECT_EQ(display->ReadSample(0), 0x0102u);
  EXPECT_EQ(display->ReadSample(1), 0x0304u);
  EXPECT_EQ(display->ReadSample(2), 0u);  // nothing old stays behind the file's end
  EXPECT_EQ(display->ReadSample(1999), 0u);

  display->SetLogSize(TLogSize::Size32);
  EXPECT_EQ(FillSamplesFromBytes(*display, std::string(4000, '\x11')), 1000);
  EXPECT_EQ(FillSamplesFromBytes(*display, std::string(8000, '\x22')), 1000);
  EXPECT_EQ(display->ReadSample(999), 0x22222222u);

  // Through the dialog: the caption names the file.
  dialogs.Answer(mrOk, File("raw.bin", "\xAB\xCD\xEF\x01"));
  BufferFill->FileLoadClick(nullptr);
  EXPECT_EQ(display->ReadSample(0), 0xABCDEF01u);
  EXPECT_EQ(LogAna->Caption(), "Vantreo Logic Analyzer Demo [raw.bin]");
}

TEST_F(Pulsaric, RandomSamplesReachEveryChannelOfThirtyTwoBits) {
  display->SetLogSize(TLogSize::Size32);
  for (int i = 0; i < display->BufferCount(); ++i) display->WriteSample(i, 0);
  BufferFill->RandomBtnClick(nullptr);
  uint32_t ever_high = 0, ever_low = 0;
  for (int i = 0; i < display->BufferCount(); ++i) {
    ever_high |= display->ReadSample(i);
    ever_low |= ~display->ReadSample(i);
  }
  EXPECT_EQ(ever_high, 0xFFFFFFFFu);
  EXPECT_EQ(ever_low, 0xFFFFFFFFu);
  EXPECT_EQ(LogAna->Caption(), std::string(kLogicCaption) + " [random]");
}

TEST_F(Pulsaric, SavingAsksBeforeOverwritingAndARefusedFileKeepsTheCaption) {
  const std::string file = File("old.psr", "old");
  dialogs.Answer(mrOk, file);
  dialogs.Answer(mrNo);
  BufferFill->SaveBtnClick(nullptr);
  EXPECT_EQ(Read(file), "old");
  dialogs.Answer(mrOk, file);
  dialogs.Answer(mrYes);
  BufferFill->SaveBtnClick(nullptr);
  EXPECT_EQ(Read(file).size(), 4271u);
  EXPECT_EQ(LogAna->Caption(), "Vantreo Logic Analyzer Demo [old.psr]");

  LogAna->SetCaption(kLogicCaption);
  dialogs.Answer(mrOk, File("bad.psr", "nonsense"));
  dialogs.Answer(mrOk);  // the message on the corrupt file
  BufferFill->RestoreBtnClick(nullptr);
  EXPECT_EQ(LogAna->Caption(), kLogicCaption);
  dialogs.Answer(mrOk, file);
  BufferFill->RestoreBtnClick(nullptr);
  EXPECT_EQ(LogAna->Caption(), "Vantreo Logic Analyzer Demo [old.psr]");
}

TEST_F(Pulsaric, ViewSwitchAndTimeBase) {
  LogAna->TextGraphBtnClick(nullptr);
  Pump();
  EXPECT_EQ(display->Modus(), TModus::TextDisp);
  LogAna->TextGraphBtnClick(nullptr);
  Pump();
  EXPECT_EQ(display->Modus(), TModus::Diagram);
  const double before = display->PointerTime();
  EXPECT_EQ(LogAna->TimeBase->PosString(), "10 usec");
  LogAna->TimeBase->SetPosition(3);
  LogAna->TimeBaseChange(LogAna->TimeBase);
  EXPECT_DOUBLE_EQ(display->PointerTime(), before * 100);
}

// The pixels of a PDF page rendered by pdftoppm (P6 PPM).
struct Page {
  int width = 0, height = 0;
  std::string rgb;
};

bool Render(const std::string& pdf, const std::string& prefix, Page& page) {
  const std::string command = "pdftoppm -r 48 -singlefile '" + pdf + "' '" + prefix + "'";
  if (std::system(command.c_str()) != 0) return false;
  std::ifstream in(prefix + ".ppm", std::ios::binary);
  std::string magic;
  int max = 0;
  in >> magic >> page.width >> page.height >> max;
  in.get();
  page.rgb.assign(size_t(page.width) * page.height * 3, '\0');
  in.read(page.rgb.data(), std::streamsize(page.rgb.size()));
  return magic == "P6" && bool(in);
}

TEST_F(Pulsaric, PrintingAsksFirstAndPrintsALandscapePage) {
  const std::string pdf = (FDir / "print.pdf").string();
  setenv("ORVANE_PRINT_PDF", pdf.c_str(), 1);
  dialogs.Answer(mrNo);
  LogAna->PrintBtnClick(nullptr);
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_EQ(dialogs.Asked()[0].Text, "HardCopy drucken ?");
  EXPECT_FALSE(fs::exists(pdf));
  EXPECT_EQ(Printer()->Orientation(), poPortrait);

  for (int i = 0; i < display->BufferCount(); ++i) display->WriteSample(i, (i / 3) & 1 ? ~0u : 0);
  dialogs.Answer(mrYes);
  LogAna->PrintBtnClick(nullptr);
  EXPECT_EQ(Printer()->Orientation(), poPortrait);
  ASSERT_TRUE(fs::exists(pdf));
  Page page;
  ASSERT_TRUE(Render(pdf, (FDir / "page").string(), page));
  EXPECT_GT(page.width, page.height);
  int aqua = 0;
  for (size_t i = 0; i + 2 < page.rgb.size(); i += 3)
    aqua += uint8_t(page.rgb[i]) < 60 && uint8_t(page.rgb[i + 1]) > 200 &&
            uint8_t(page.rgb[i + 2]) > 200;
  EXPECT_GT(aqua, 100) << "the traces on the page";

  // Without a printer and a file: a new file in the documents folder for every hard copy.
  unsetenv("ORVANE_PRINT_PDF");
  setenv("HOME", FDir.c_str(), 1);
  std::vector<std::string> files;
  for (int i = 0; i < 2; ++i) {
    dialogs.Answer(mrYes);
    LogAna->PrintBtnClick(nullptr);
    files.push_back(Printer()->OutputFileName());
    EXPECT_EQ(fs::path(files.back()).parent_path(), FDir / "Documents");
    EXPECT_TRUE(fs::exists(files.back()));
  }
  EXPECT_NE(files[0], files[1]);

  // A printer that cannot be had: the error reaches the user, the orientation is put back.
  setenv("ORVANE_PRINT_PDF", (FDir / "no" / "such" / "dir.pdf").c_str(), 1);
  dialogs.Answer(mrYes);
  EXPECT_THROW(LogAna->PrintBtnClick(nullptr), EPrinter);
  EXPECT_EQ(Printer()->Orientation(), poPortrait);
}

// The runs of pixels of one kind along one row: their middles.
std::vector<double> Runs(const std::function<bool(int)>& in, int width) {
  std::vector<double> middles;
  for (int x = 0; x < width;) {
    if (!in(x)) {
      ++x;
      continue;
    }
    const int start = x;
    while (x < width && in(x)) ++x;
    middles.push_back((start + x) / 2.0);
  }
  return middles;
}

// The curve's colour (aqua) on the display, and on a rendered page, where pdftoppm smooths a
// picture that it enlarges by less than four times: a line of one dot may share its colour
// with the next dot.
bool Aqua(QRgb p) { return (p & 0xFFFFFF) == 0x00FFFF; }
bool Aquaish(QRgb p) { return qGreen(p) > 0x50 && qBlue(p) > 0x50 && qRed(p) < qGreen(p) / 2; }

TEST_F(Pulsaric, HardCopyShowsEveryEdgeOfChannelZeroAtThePrintersResolution) {
  // A counter: channel 0 toggles with every sample. Without pointer and marker lines, which
  // would hide an edge each.
  for (int i = 0; i < display->BufferCount(); ++i) display->WriteSample(i, uint32_t(i));
  display->SetPointerEnable(false);
  display->SetMarkerEnable(false);
  const struct {
    const char* what;
    int select, zoom;
  } cases[] = {{"display 1:1", 0, 0},
               {"display on the page", 0, 1},
               {"all 1:1", 1, 0},
               {"all on the page", 1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ::Setup->PrSelect->SetItemIndex(c.select);
    ::Setup->PrZoom->SetItemIndex(c.zoom);
    const std::string pdf = (FDir / (std::string(c.what) + ".pdf")).string();
    setenv("ORVANE_PRINT_PDF", pdf.c_str(), 1);
    dialogs.Answer(mrYes);
    LogAna->PrintBtnClick(nullptr);
    const int dpi = Printer()->XDpi();
    const std::vector<QImage> pages = printout::RenderPages(pdf, dpi);
    ASSERT_EQ(pages.size(), 1u);
    const QImage& page = pages[0];
    ASSERT_GT(page.width(), page.height());
    for (int ppi : printout::ImagePpi(pdf)) EXPECT_GE(ppi, 300);

    // The snapshot that was printed, and where on the page it went: the target rectangle in
    // the printer's dots, from the corner of the printable area (the page's margins are even).
    TBitmap shot;
    const TBitmap* taken = c.select == 1 ? display->PrintAll() : display->PrintDisp();
    shot.SetSize(taken->Width(), taken->Height());
    shot.Canvas()->Draw(0, 0, taken);
    display->ReleasePrint();
    const int page_width = std::max(Printer()->PageWidth(), Printer()->PageHeight());
    const int page_height = std::min(Printer()->PageWidth(), Printer()->PageHeight());
    const int left = (page.width() - page_width) / 2, top = (page.height() - page_height) / 2;
    const TRect target = c.zoom == 1 ? Rect(0, 0, page_width, page_height)
                                     : Rect(100, 100, shot.Width() + 110, shot.Height() + 110);
    ASSERT_GE(target.Width(), shot.Width());
    ASSERT_GE(target.Height(), shot.Height());

    // Channel 0's edges cross the row of the snapshot with the most runs of the curve's colour.
    int row = 0;
    std::vector<double> edges;
    for (int y = 0; y < shot.Height(); ++y) {
      std::vector<double> runs =
          Runs([&](int x) { return Aqua(shot.ScanLine(y)[x]); }, shot.Width());
      if (runs.size() > edges.size()) {
        edges = std::move(runs);
        row = y;
      }
    }
    ASSERT_GE(edges.size(), 20u);
    // Each of them on paper, in the dots that its pixel column became.
    const double sx = double(target.Width()) / shot.Width();
    const double sy = double(target.Height()) / shot.Height();
    const int y = top + target.Top + int((row + 0.5) * sy);
    const auto* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    const std::vector<double> printed = Runs([&](int x) { return Aquaish(line[x]); }, page.width());
    ASSERT_EQ(printed.size(), edges.size());
    for (size_t i = 0; i < edges.size(); ++i) {
      EXPECT_NEAR(printed[i], left + target.Left + edges[i] * sx, sx + 1) << "edge " << i;
    }
  }
}

TEST_F(Pulsaric, AboutBoxShowsItsHelpOnRequest) {
  Loginfo::TAboutBox box(nullptr);
  box.Show();
  Pump();
  EXPECT_FALSE(box.HilfeText->Visible());
  Click(box.BitBtn1, 5, 5);
  EXPECT_TRUE(box.HilfeText->Visible());
  Click(box.OKButton, 5, 5);
  Pump();
  EXPECT_FALSE(box.HilfeText->Visible());
  EXPECT_FALSE(box.Visible());
}

}  // namespace
