// The curve program's main form: files, bitmap export, printing, the point spins, the pop-up
// hint and the buttons, driven through the form's own controls.

#include "programs/curves/curvmain.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "library/foundation/frame.h"
#include "platform/base/sysutils.h"
#include "platform/forms/stdctrls/printers.h"
#include "platform/forms/testing/formtest.h"
#include "programs/curves/curvinfo.h"

using Curvinfo::AboutBox;
using Curvinfo::TAboutBox;

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class CurvFormTest : public FormTest {
 protected:
  CurvFormTest() {
    FrameClickRule = TFrameClickRule::ClickAtToggle;
    AboutBox = new TAboutBox(nullptr);
    AboutBox->OnShow = [this](TObject*) {
      ++about_shown;
      AboutBox->SetModalResult(mrOk);
    };
    curvForm = new TcurvForm(nullptr);
    curvForm->Show();
    Pump();
    curve = curvForm->CurveSynth;
    dir = fs::temp_directory_path() /
          ("orvane-wavorine-" + std::to_string(getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~CurvFormTest() override {
    delete curvForm;
    delete AboutBox;
    AboutBox = nullptr;
    FrameClickRule = TFrameClickRule::ClickAtRelease;
    fs::remove_all(dir);
  }

  // Clicks a button of the panel (speed buttons have no window: through the panel).
  void ClickButton(TControl* b) { Click(b, b->Width() / 2, b->Height() / 2); }

  // Answers the save dialog with a new file (and its create prompt) and clicks Save.
  void SaveAs(const fs::path& file) {
    dialogs.Answer(mrOk, file.string());
    dialogs.Answer(mrYes);  // "create it?"
    ClickButton(curvForm->SaveBtn);
  }
  void LoadFrom(const fs::path& file) {
    dialogs.Answer(mrOk, file.string());
    ClickButton(curvForm->LoadBtn);
  }

  TCurveSynth* curve = nullptr;
  fs::path dir;
  int about_shown = 0;
};

}  // namespace

TEST_F(CurvFormTest, SplashComesAfterTheFirstPaintAndCaptionNamesNoFile) {
  EXPECT_EQ(about_shown, 1);
  EXPECT_EQ(curvForm->Caption(), "Vantreo Orvane CurveSynth-Demo  [ ]");
  EXPECT_EQ(curve->UnitNameX(), "Hz");
  EXPECT_EQ(curve->LinEndX(), 200);
  EXPECT_EQ(curve->LogEndY(), 1000);
  TRect plot;
  curve->GetPlotRect(plot);
  EXPECT_EQ(curve->Left() + curve->Width(), curvForm->Panel1->Left());
}

TEST_F(CurvFormTest, BitmapExportWritesTheHardCopyWhateverTheCaseOfItsExtension) {
  const fs::path reference = dir / "reference.bmp";
  curve->HardCopy()->SaveToFile(reference);
  curve->SetHardCopy(nullptr);
  for (const char* name : {"plot.bmp", "PLOT2.BMP"}) {
    SaveAs(dir / name);
    ASSERT_TRUE(fs::exists(dir / name)) << name;
    const std::string command = "compare -metric AE '" + (dir / name).string() + "' '" +
                                reference.string() + "' null: 2>'" + (dir / "ae").string() + "'";
    std::system(command.c_str());
    EXPECT_EQ(ReadAll(dir / "ae"), "0") << name;
    EXPECT_EQ(curvForm->Caption(), "Vantreo Orvane CurveSynth-Demo  [ ]");
    EXPECT_EQ(curvForm->FileName(), "");
  }
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(CurvFormTest, SavedCurveFileLoadsBackEqual) {
  curve->SetChan2CurvPts(7);
  curve->SetChan2Point(7, 123.25, -4.5);
  SaveAs(dir / "two.wvr");
  EXPECT_EQ(curvForm->FileName(), (dir / "two.wvr").string());
  EXPECT_EQ(curvForm->Caption(), "Vantreo Orvane CurveSynth-Demo  [two.wvr]");

  curve->SetChan2CurvPts(9);
  curve->SetChan2Point(7, 0, 0);
  LoadFrom(dir / "two.wvr");
  EXPECT_EQ(curve->Chan2CurvPts(), 7);
  double x, y;
  curve->GetChan2Point(7, x, y);
  EXPECT_EQ(x, 123.25);
  EXPECT_EQ(y, -4.5);
  EXPECT_EQ(curvForm->PointSel[1]->PosString(), "7 pts");
}

TEST_F(CurvFormTest, PointSpinsShowWhatTheLoadedChannelsHave) {
  LoadFrom(std::string(CURVE_FILE_DATA) + "/handmade.wvr");
  EXPECT_EQ(curvForm->PointSel[1]->PosString(), "12 pts");
  EXPECT_EQ(curvForm->PointSel[3]->PosString(), "30 pts");
  EXPECT_EQ(curvForm->Caption(), "Vantreo Orvane CurveSynth-Demo  [handmade.wvr]");

  // Two points in channel 1: the spin shows them, and its next step up gives four.
  std::string file =
      "\x14"
      "CurveSynth|2|0|0|0@\x1a" +
      std::string(2 * 28, '\0');
  std::ofstream(dir / "two.wvr", std::ios::binary) << file;
  LoadFrom(dir / "two.wvr");
  EXPECT_EQ(curve->Chan1CurvPts(), 2);
  EXPECT_EQ(curvForm->PointSel[0]->PosString(), "2 pts");
  curvForm->PointSel[0]->StepPosition(true);
  curvForm->PointSelChanging(1);
  EXPECT_EQ(curve->Chan1CurvPts(), 4);
  EXPECT_EQ(curvForm->PointSel[0]->PosString(), "4 pts");
  EXPECT_EQ(curvForm->PointSel[0]->PosText()->Count(), 27);
}

TEST_F(CurvFormTest, FailedLoadAndSaveKeepCaptionAndFileName) {
  SaveAs(dir / "kept.wvr");
  const std::string caption = curvForm->Caption();
  std::ofstream(dir / "bad.wvr", std::ios::binary) << "\x05"
                                                      "Curve";
  dialogs.Answer(mrOk, (dir / "bad.wvr").string());
  dialogs.Answer(mrOk);  // the component's report
  ClickButton(curvForm->LoadBtn);
  EXPECT_EQ(dialogs.Asked().back().Text, "File  bad.wvr korrupt!");
  EXPECT_EQ(curvForm->Caption(), caption);
  EXPECT_EQ(curvForm->FileName(), (dir / "kept.wvr").string());

  // A folder that does not exist: the error is shown, nothing else changes.
  dialogs.Answer(mrOk, (dir / "gone" / "new.wvr").string());
  dialogs.Answer(mrYes);  // "create it?"
  dialogs.Answer(mrOk);   // the error
  ClickButton(curvForm->SaveBtn);
  EXPECT_NE(dialogs.Asked().back().Text.find("new.wvr"), std::string::npos);
  EXPECT_EQ(curvForm->Caption(), caption);
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

namespace {

// The bounding box of what is not white on the first page of a PDF, one pixel per printer dot.
TRect InkOfPdf(const fs::path& pdf, TSize& page) {
  const fs::path png = pdf.parent_path() / pdf.stem();
  const std::string command = "pdftoppm -r " + std::to_string(Printer()->XDpi()) +
                              " -png -singlefile '" + pdf.string() + "' '" + png.string() + "'";
  if (std::system(command.c_str()) != 0) return {};
  QImage image(QString::fromStdString(png.string() + ".png"));
  page = {image.width(), image.height()};
  TRect box{image.width(), image.height(), 0, 0};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) continue;
      box.Left = std::min(box.Left, x);
      box.Top = std::min(box.Top, y);
      box.Right = std::max(box.Right, x + 1);
      box.Bottom = std::max(box.Bottom, y + 1);
    }
  }
  return box;
}

}  // namespace

TEST_F(CurvFormTest, PrintsOneToOneAndPageFillingToPdf) {
  const struct {
    const char* what;
    bool full;
  } cases[] = {{"1:1", false}, {"full", true}};
  for (const auto& c : cases) {
    // The file chosen in the print dialog is the one written.
    const fs::path pdf = dir / (std::string(c.full ? "full" : "one") + ".pdf");
    dialogs.Clear();
    dialogs.Answer(mrOk, pdf.string());
    ClickButton(c.full ? curvForm->PrintFullBtn : curvForm->Print11Btn);
    ASSERT_TRUE(fs::exists(pdf)) << c.what;
    EXPECT_EQ(Printer()->OutputFileName(), pdf.string());
    EXPECT_EQ(dialogs.Beeps(), std::vector<unsigned>{0xFFFF});
    TSize page;
    const TRect ink = InkOfPdf(pdf, page);
    // The printer's canvas begins at the printable area's corner, inside the page's margins.
    const int mx = (page.cx - Printer()->PageWidth()) / 2;
    const int my = (page.cy - Printer()->PageHeight()) / 2;
    if (!c.full) {
      EXPECT_NEAR(ink.Left, mx + 100, 2);
      EXPECT_NEAR(ink.Top, my + 100, 2);
      EXPECT_NEAR(ink.Right, mx + curve->Width() + 110, 2);
      EXPECT_NEAR(ink.Bottom, my + curve->Height() + 110, 2);
    } else {
      EXPECT_GT(ink.Width(), page.cx * 9 / 10);
      EXPECT_GT(ink.Height(), page.cy * 9 / 10);
    }
  }
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(CurvFormTest, PopUpShowsChannel3ValueOnlyWithoutMouseFunction) {
  TRect plot;
  curve->GetPlotRect(plot);
  const TCurveChannel& ch3 = curve->Channels()[3];
  ASSERT_GT(ch3.ComputedCount, 10);
  const TPoint on = curve->ValueToPixel(ch3.Computed[10].X, ch3.Computed[10].Y);
  auto ask = [&](TPoint at, std::string& info) {
    bool show = false;
    curvForm->BitWinShow(curvForm->BitWin, at, info, show);
    return show;
  };
  std::string info;
  const TPoint at{plot.Left + on.X, plot.Top + 3};
  ASSERT_TRUE(ask(at, info));
  double x, y;
  curve->PixelToValue(at.X, at.Y, x, y);
  curve->GetChan3CurveY(x, y);
  EXPECT_EQ(info, "x: " + FloatToStrF(x, ffFixed, 4, 2) + "^My: " + FloatToStrF(y, ffFixed, 4, 2));

  EXPECT_FALSE(ask({plot.Left - 2, plot.Top + 3}, info));  // outside the plot
  for (TMouseFunc f : {TMouseFunc::mfMeas, TMouseFunc::mfDragPts}) {
    curve->SetMouseFunct(f);
    EXPECT_FALSE(ask(at, info));
  }
  curve->SetMouseFunct(TMouseFunc::none);
  curve->SetChan3CurvTyp(ipLinear);
  EXPECT_FALSE(ask(at, info));
}

TEST_F(CurvFormTest, PanelControlsDriveTheComponent) {
  ClickButton(curvForm->xBtn);
  EXPECT_TRUE(curve->NonLinearX());
  ClickButton(curvForm->xBtn);
  EXPECT_FALSE(curve->NonLinearX());

  ClickButton(curvForm->ChVisBtn[1]);
  EXPECT_FALSE(curve->Chan2Vis());
  ClickButton(curvForm->SuccBtn[3]);
  EXPECT_TRUE(curve->Chan4X_Succ());

  curvForm->MouseSel->StepPosition(true);
  curvForm->MouseSelChanged(curvForm->MouseSel);
  EXPECT_EQ(curve->MouseFunct(), TMouseFunc::mfDragPts);
  // The spins' steps as their arrows make them.
  curvForm->cTyp[0]->StepPosition(true);
  curvForm->cTypChanging(1);
  EXPECT_EQ(curve->Chan1CurvTyp(), ipBezier);
  curvForm->PointSel[2]->StepPosition(true);
  curvForm->PointSelChanging(3);
  EXPECT_EQ(curve->Chan3CurvPts(), 5);
}

TEST_F(CurvFormTest, CloseButtonClosesAfterItsPress) {
  const int shown = about_shown;
  TLedButton* close = curvForm->CloseBtn;
  // The press asks for the close; the form goes only after the press has been handled.
  Press(close, 10, 10);
  Release(close, 10, 10);
  Pump();
  EXPECT_FALSE(close->LedOn());
  EXPECT_FALSE(curvForm->Visible());
  EXPECT_EQ(about_shown, shown + 1);
}
