#include "platform/forms/stdctrls/dialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "platform/base/paths.h"
#include "platform/base/strings.h"
#include "platform/forms/clipboard.h"
#include "platform/forms/stdctrls/extctrls.h"
#include "platform/forms/stdctrls/filectrl.h"
#include "platform/forms/testing/formtest.h"

namespace fs = std::filesystem;

namespace {

// A folder of its own for each test, removed afterwards.
class TempDir {
 public:
  TempDir() {
    FPath = fs::temp_directory_path() /
            ("orvane-dialogs-" + std::to_string(getpid()) + "-" + std::to_string(counter_++));
    fs::create_directories(FPath);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(FPath, ec);
  }
  std::string operator/(const std::string& name) const { return (FPath / name).string(); }
  std::string str() const { return FPath.string(); }
  void Touch(const std::string& name) const { std::ofstream(FPath / name) << "x"; }

 private:
  static inline int counter_ = 0;
  fs::path FPath;
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

TEST_F(DialogsTest, FileNamesAreTheFileSystemsBytesAndShowAsText) {
  dir.Touch("Grün.wvr");
  TOpenDialog open(form);
  open.SetInitialDir(dir.str());
  open.SetOptions(TOpenOptions{ofFileMustExist});
  dialogs.Answer(mrOk, "日本語.wvr");
  dialogs.Answer(mrOk);  // "File not found"
  dialogs.Answer(mrOk, "Grün.wvr");
  EXPECT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName(), dir / "Grün.wvr");
  ASSERT_EQ(dialogs.Asked().size(), 3u);
  EXPECT_EQ(dialogs.Asked()[1].Text.find(PathToText(dir / "日本語.wvr") + "\rFile not found"), 0u);
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

TEST_F(FileControlsTest, ListsShowNamesAsTextAndGiveBackTheStoredBytes) {
  for (const char* name : {"Süd.wav", "日本語.wav", "\xFF.wav"}) dir.Touch(name);
  fs::create_directories(dir / "Töne");
  auto* dirs = new TDirectoryListBox(form);
  dirs->SetParent(form);
  auto* files = new TFileListBox(form);
  files->SetParent(form);
  files->SetMask("*.wav");
  dirs->SetFileList(files);
  dirs->SetDirectory(dir.str());
  std::map<std::string, std::string> shown;
  for (int i = 0; i < files->Items()->Count(); ++i) {
    files->SetItemIndex(i);
    shown[files->Items()->Strings(i)] = files->FileName();
  }
  EXPECT_EQ(shown, (std::map<std::string, std::string>{{"S\xFC"
                                                        "d.wav",
                                                        dir / "Süd.wav"},
                                                       {"???.wav", dir / "日本語.wav"},
                                                       {"?.wav", dir / "\xFF.wav"}}));
  // A mask is text; '?' is one character of a name, however many bytes it has.
  for (const char* name : {"Grün.wav", "ü.wav", "ab.wav"}) dir.Touch(name);
  files->SetMask("Gr\xFC*.wav; ?.wav");
  std::vector<std::string> matched;
  for (int i = 0; i < files->Items()->Count(); ++i) matched.push_back(files->Items()->Strings(i));
  std::sort(matched.begin(), matched.end());
  // "?.wav" is the name whose one byte is no UTF-8.
  EXPECT_EQ(matched, (std::vector<std::string>{"?.wav", "Gr\xFCn.wav", "\xFC.wav"}));
  const int last = dirs->Items()->Count() - 1;
  EXPECT_EQ(Trim(dirs->Items()->Strings(last)), "T\xF6ne");
  EXPECT_EQ(dirs->GetItemPath(last), dir / "Töne");
}

}  // namespace
