#include "platform/forms/stdctrls/dialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/forms/clipboard.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/filectrl.h"
#include "platform/forms/stdctrls/printers.h"
#include "platform/forms/testing/formtest.h"

namespace fs = std::filesystem;

namespace {

// A folder of its own for each test, removed afterwards.
class TempDir {
 public:
  TempDir() {
    path_ = fs::temp_directory_path() /
            ("orvane-dialogs-" + std::to_string(getpid()) + "-" + std::to_string(counter_++));
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  std::string str() const { return path_.string(); }
  void Touch(const std::string& name) const { std::ofstream(path_ / name) << "x"; }

 private:
  static inline int counter_ = 0;
  fs::path path_;
};

class DialogsTest : public FormTest {
 protected:
  TempDir dir;
};

TEST_F(DialogsTest, OpenDialogTakesTheAnswerWithFullPathAndDefaultExtension) {
  TOpenDialog open(form);
  open.SetTitle("Restore Buffer from file");
  open.SetInitialDir(dir.str());
  open.SetFilter("alle|*.*|logic|*.psr");
  open.SetDefaultExt("*.psr");
  struct Case {
    std::string answer;
    std::string file;
  };
  for (const Case& c : {Case{"data", dir / "data.psr"}, Case{"old.txt", dir / "old.txt"},
                        Case{dir / "sub/x.psr", dir / "sub/x.psr"}}) {
    dialogs.Answer(mrOk, c.answer, 2);
    EXPECT_TRUE(open.Execute()) << c.answer;
    EXPECT_EQ(open.FileName(), c.file);
  }
  EXPECT_EQ(open.FilterIndex(), 2);
  ASSERT_EQ(dialogs.Asked().size(), 3u);
  EXPECT_EQ(dialogs.Asked()[0].Kind, "TOpenDialog");
  EXPECT_EQ(dialogs.Asked()[0].Caption, "Restore Buffer from file");
  EXPECT_EQ(dialogs.Asked()[1].Text, dir / "data.psr");  // the last file is the starting value
  dialogs.Answer(mrCancel);
  EXPECT_FALSE(open.Execute());
  EXPECT_EQ(open.FileName(), dir / "sub/x.psr");
}

TEST_F(DialogsTest, FileChecksAskThroughMessageBoxesAndAskForTheFileAgain) {
  dir.Touch("curve.wvr");
  TOpenDialog open(form);
  open.SetInitialDir(dir.str());
  open.SetOptions(TOpenOptions{ofFileMustExist});
  dialogs.Answer(mrOk, "missing.wvr");
  dialogs.Answer(mrOk);  // "File not found"
  dialogs.Answer(mrOk, "curve.wvr");
  EXPECT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName(), dir / "curve.wvr");
  ASSERT_EQ(dialogs.Asked().size(), 3u);
  EXPECT_EQ(dialogs.Asked()[1].Kind, "MessageBox");

  TSaveDialog save(form);
  save.SetInitialDir(dir.str());
  save.SetOptions(TOpenOptions{ofOverwritePrompt, ofCreatePrompt});
  dialogs.Clear();
  dialogs.Answer(mrOk, "curve.wvr");
  dialogs.Answer(mrNo);  // do not replace it
  dialogs.Answer(mrOk, "new.wvr");
  dialogs.Answer(mrYes);  // create it
  EXPECT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName(), dir / "new.wvr");
  ASSERT_EQ(dialogs.Asked().size(), 4u);
  EXPECT_EQ(dialogs.Asked()[0].Kind, "TSaveDialog");
  EXPECT_EQ(dialogs.Asked()[1].Buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_NE(dialogs.Asked()[1].Text.find("already exists"), std::string::npos);
  EXPECT_NE(dialogs.Asked()[3].Text.find("does not exist"), std::string::npos);
}

TEST_F(DialogsTest, AnUnansweredDialogFailsTheTestAndCancels) {
  TSaveDialog save(form);
  bool result = true;
  EXPECT_NONFATAL_FAILURE(result = save.Execute(), "unanswered TSaveDialog");
  EXPECT_FALSE(result);
  TColorDialog color(form);
  EXPECT_NONFATAL_FAILURE(result = color.Execute(), "unanswered TColorDialog");
  EXPECT_FALSE(result);
}

TEST_F(DialogsTest, ColourFontAndPrintDialogsTakeTheirAnswers) {
  TColorDialog color(form);
  color.SetColor(clBlue);
  dialogs.Answer(mrOk, "", clLime);
  EXPECT_TRUE(color.Execute());
  EXPECT_EQ(color.Color(), clLime);
  dialogs.Answer(mrCancel, "", clRed);
  EXPECT_FALSE(color.Execute());
  EXPECT_EQ(color.Color(), clLime);
  EXPECT_EQ(dialogs.Asked()[1].Text, "$0000FF00");

  TFontDialog font(form);
  font.Font()->SetName("Arial");
  dialogs.Answer(mrOk, "Courier New", 14);
  EXPECT_TRUE(font.Execute());
  EXPECT_EQ(font.Font()->Name(), "Courier New");
  EXPECT_EQ(font.Font()->Size(), 14);
  EXPECT_EQ(dialogs.Asked()[2].Text, "Arial");

  TPrintDialog print(form);
  TPrinterSetupDialog setup(form);
  dialogs.Answer(mrOk);
  dialogs.Answer(mrCancel);
  EXPECT_TRUE(print.Execute());
  EXPECT_FALSE(setup.Execute());
  EXPECT_EQ(dialogs.Asked()[4].Kind, "TPrinterSetupDialog");
}

// --- Printer ---

class PrinterTest : public FormTest {
 protected:
  PrinterTest() { setenv("ORVANE_PRINT_PDF", pdf.c_str(), 1); }
  ~PrinterTest() override { unsetenv("ORVANE_PRINT_PDF"); }

  // The PDF's pages as images at 96 pixels per inch (pdftoppm), or none without pdftoppm.
  std::vector<QImage> Pages() {
    std::vector<QImage> pages;
    const std::string prefix = dir / "page";
    const std::string command =
        "LC_ALL=C pdftoppm -r 96 -png '" + pdf + "' '" + prefix + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) return pages;
    for (int n = 1; n < 10; ++n) {
      QImage page(QString::fromStdString(prefix + "-" + std::to_string(n) + ".png"));
      if (page.isNull()) break;
      pages.push_back(page.convertToFormat(QImage::Format_RGB32));
    }
    return pages;
  }

  TempDir dir;
  std::string pdf = dir / "out.pdf";
};

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

TEST_F(PrinterTest, PrintingAFormWritesItsPictureIntoThePdf) {
  if (std::system("command -v pdftoppm >/dev/null 2>&1") != 0) GTEST_SKIP() << "no pdftoppm";
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
  form->Print();
  EXPECT_EQ(Printer()->OutputFileName(), pdf);
  const std::vector<QImage> pages = Pages();
  ASSERT_EQ(pages.size(), 1u);
  // The panel's face (inside its one-pixel bevel) and the shape keep size and distance 1:1.
  const QRect red = Find(pages[0], qRgb(255, 0, 0));
  const QRect blue = Find(pages[0], qRgb(0, 0, 255));
  EXPECT_NEAR(red.width(), 98, 1);
  EXPECT_NEAR(red.height(), 38, 1);
  EXPECT_NEAR(blue.left() - red.left(), 130, 2);
  EXPECT_NEAR(blue.top() - red.top(), 0, 2);
  // Around them the form's face.
  const QRgb face = pages[0].pixel(red.left() - 5, red.top());
  EXPECT_EQ(face & 0xFFFFFF, qRgb(0xC0, 0xC0, 0xC0) & 0xFFFFFF);
}

TEST_F(PrinterTest, DocumentsPagesOrientationAndAbort) {
  TPrinter* p = Printer();
  const int portrait_width = p->PageWidth();
  EXPECT_GT(p->PageHeight(), portrait_width);
  p->SetOrientation(poLandscape);
  EXPECT_GT(p->PageWidth(), p->PageHeight());
  p->SetTitle("HardCopy");
  p->BeginDoc();
  EXPECT_TRUE(p->Printing());
  EXPECT_THROW(p->BeginDoc(), EPrinter);
  EXPECT_THROW(p->SetOrientation(poPortrait), EPrinter);
  const TRect clip = p->Canvas()->ClipRect();
  EXPECT_EQ(clip.Right, p->PageWidth());
  p->Canvas()->Brush()->SetColor(clGreen);
  p->Canvas()->FillRect(Rect(0, 0, 50, 50));
  p->NewPage();
  EXPECT_EQ(p->PageNumber(), 2);
  EXPECT_EQ(p->Canvas()->Pixels(10, 10), clWhite);  // a fresh page
  p->EndDoc();
  EXPECT_FALSE(p->Printing());
  p->SetOrientation(poPortrait);
  EXPECT_EQ(p->PageWidth(), portrait_width);
  if (std::system("command -v pdftoppm >/dev/null 2>&1") == 0) {
    const std::vector<QImage> pages = Pages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_GT(pages[0].width(), pages[0].height());
    EXPECT_EQ(Find(pages[0], qRgb(0, 0x80, 0)).width(), 50);
  }
  p->BeginDoc();
  p->Abort();
  EXPECT_TRUE(p->Aborted());
  EXPECT_FALSE(fs::exists(pdf));
  EXPECT_THROW(p->EndDoc(), EPrinter);
}

// --- Clipboard ---

TEST(ClipboardTest, PlainTextInAndOutAsWindows1252) {
  TClipboard* c = Clipboard();
  c->SetTextBuf(
      "Gr\xFC\xDF"
      "e \x80");
  EXPECT_TRUE(c->HasFormat(CF_TEXT));
  EXPECT_EQ(c->AsText(),
            "Gr\xFC\xDF"
            "e \x80");
  char small[4];
  EXPECT_EQ(c->GetTextBuf(small, sizeof small), 3);
  EXPECT_EQ(std::string(small), "Gr\xFC");
  c->SetAsText("one\r\ntwo");
  EXPECT_EQ(GetClipboardText(), "one\r\ntwo");
  c->Clear();
  EXPECT_FALSE(c->HasFormat(CF_TEXT));
  EXPECT_EQ(c->AsText(), "");
}

}  // namespace

namespace {

class FileControlsTest : public FormTest {
 protected:
  TempDir dir;
};

TEST_F(FileControlsTest, FileListShowsTheWaveFilesOfTheLinkedFolder) {
  dir.Touch("rooster.Wav");
  dir.Touch("dog1.wav");
  dir.Touch("notes.txt");
  dir.Touch("b.WAV");
  fs::create_directories(dir / "sounds");
  std::ofstream(dir / "sounds/bell.wav") << "x";
  auto* dirs = new TDirectoryListBox(form);
  dirs->SetParent(form);
  auto* files = new TFileListBox(form);
  files->SetParent(form);
  files->SetMask("*.wav");
  std::vector<std::string> changes;
  files->OnChange = [&](TObject*) { changes.push_back(files->FileName()); };
  dirs->SetFileList(files);
  dirs->SetDirectory(dir.str());
  EXPECT_EQ(files->Directory(), dir.str());
  ASSERT_EQ(files->Items()->Count(), 3);
  EXPECT_EQ(files->Items()->Strings(0), "b.WAV");
  EXPECT_EQ(files->Items()->Strings(1), "dog1.wav");
  EXPECT_EQ(files->Items()->Strings(2), "rooster.Wav");
  EXPECT_EQ(files->FileName(), "");
  files->SetItemIndex(1);
  EXPECT_EQ(files->FileName(), dir / "dog1.wav");
  // The directory list: the folders down to the open one, then its subfolder.
  const int last = dirs->Items()->Count() - 1;
  EXPECT_EQ(dirs->GetItemPath(last), dir / "sounds");
  EXPECT_EQ(dirs->GetItemPath(dirs->ItemIndex()), dir.str());
  EXPECT_EQ(dirs->GetItemPath(0), "/");
  ShowForm();
  dirs->SetItemIndex(last);
  dirs->SetFocus();
  KeyPress(VK_RETURN, "\r");  // opens the chosen line's folder
  EXPECT_EQ(dirs->Directory(), dir / "sounds");
  EXPECT_EQ(files->Directory(), dir / "sounds");
  ASSERT_EQ(files->Items()->Count(), 1);
  files->SetFileName(dir / "rooster.Wav");  // another folder: the list follows
  EXPECT_EQ(files->FileName(), dir / "rooster.Wav");
  EXPECT_EQ(changes, (std::vector<std::string>{dir / "dog1.wav", "", dir / "rooster.Wav"}));
  dirs->SetDirectory(dir / "missing");  // refused
  EXPECT_EQ(dirs->Directory(), dir / "sounds");
  delete files;  // the directory list forgets it
  dirs->SetDirectory(dir.str());
  EXPECT_EQ(dirs->FileList(), nullptr);
}

}  // namespace
