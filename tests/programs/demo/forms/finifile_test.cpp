// The INI file demo: where its file lies, the buttons, the guards against erasing by mistake,
// and files exchanged with Python's configparser.
//
// The form's file lies beside the test program for every test process, so the tests that touch
// it take a lock on it in turn. (The shared form checks open this form too, which only makes the
// file when it is missing; no step here depends on its being missing for longer than a moment.)

#include "programs/demo/forms/finifile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/forms/application.h"
#include "tests/programs/demo/demo_fixture.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Hex(const std::string& text) {
  std::string out;
  char buf[3];
  for (unsigned char c : text) {
    std::snprintf(buf, sizeof buf, "%02x", c);
    out += buf;
  }
  return out;
}

// Runs a Python program with the arguments; its standard output, or nullopt when it fails.
std::optional<std::string> Python(const std::string& program, const std::string& args) {
  const std::string script = std::filesystem::temp_directory_path() /
                             ("orvane-inidemo-" + std::to_string(getpid()) + ".py");
  std::ofstream(script) << program;
  FILE* p = popen(("LC_ALL=C /usr/bin/python3 '" + script + "' " + args + " 2>&1").c_str(), "r");
  std::string out;
  char buf[4096];
  size_t n;
  while (p != nullptr && (n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  const bool ok = p != nullptr && pclose(p) == 0;
  std::filesystem::remove(script);
  if (!ok) {
    ADD_FAILURE() << out;
    return std::nullopt;
  }
  return out;
}

// One entry as configparser reads it: the value's Windows-1252 bytes in hex, or "missing".
const char* const kPythonGet = R"(
import configparser, sys
cp = configparser.ConfigParser(interpolation=None, delimiters=('=',))
cp.read(sys.argv[1], encoding='cp1252')
s, k = (bytes.fromhex(a).decode('cp1252') for a in sys.argv[2:4])
print(cp[s][k].encode('cp1252').hex() if cp.has_option(s, k) else 'missing', end='')
)";

// A file as configparser writes it, with its spaces around '='.
const char* const kPythonWrite = R"(
import configparser, sys
cp = configparser.ConfigParser(interpolation=None)
cp.optionxform = str
cp['Anlage'] = {'Name': 'Pumpe 3', 'Druck': '2.5 bar', 'Leer': ''}
cp['Grenzen'] = {'oben': '80 %', 'Text': 'hei\xdf'}
with open(sys.argv[1], 'w', encoding='cp1252') as f:
    cp.write(f)
)";

class IniFileDemoTest : public DemoTest {
 protected:
  IniFileDemoTest() {
    const std::string exe = Application->ExeName();
    FLock = open((exe.substr(0, exe.rfind('/') + 1) + "Orvane.ini.testlock").c_str(),
                 O_RDWR | O_CREAT, 0644);
    if (FLock >= 0) flock(FLock, LOCK_EX);
  }
  ~IniFileDemoTest() override {
    demo.reset();
    if (FLock >= 0) close(FLock);
  }
  void Open() {
    demo = OpenDemoForm("IniFileBtn");
    f = static_cast<TIniFileDemo*>(demo.get());
  }
  void Enter(const std::string& section, const std::string& key, const std::string& value = "") {
    f->SectionFld->SetText(section);
    f->EntryFld->SetText(key);
    f->ValueFld->SetText(value);
  }
  void Press(TButton* button) {
    Click(button, 10, 10);
    Pause();
  }
  std::string Read(const std::string& section, const std::string& key) {
    Enter(section, key, "?");
    Press(f->ReadBtn);
    return f->ValueFld->Text();
  }

  std::unique_ptr<TForm> demo;
  TIniFileDemo* f = nullptr;

 private:
  int FLock = -1;
};

TEST_F(IniFileDemoTest, TheFileLiesWhereTheComponentWritesAndIsMadeWhenMissing) {
  const std::string exe = Application->ExeName();
  const std::string path = ApplicationIniDirectory(exe) + "Orvane.ini";
  std::filesystem::remove(path);
  Open();
  EXPECT_EQ(f->IniPath(), path);
  EXPECT_EQ(f->IniPath(), f->IniEditor->FullFileName());
  EXPECT_EQ(f->IniFnameFld->Text(), path);
  EXPECT_TRUE(f->IniFnameFld->ReadOnly());
  EXPECT_TRUE(std::filesystem::is_regular_file(path));
  EXPECT_EQ(ReadAll(path), "");
  // An existing file is left as it is.
  Enter("Demo", "Key", "kept");
  Press(f->WriteBtn);
  demo.reset();
  Open();
  EXPECT_EQ(Read("Demo", "Key"), "kept");
}

TEST_F(IniFileDemoTest, AFileThatCannotBeMadeDoesNotKeepTheFormFromOpening) {
  const std::string path = ApplicationIniDirectory(Application->ExeName()) + "Orvane.ini";
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);  // the name is taken by a folder
  Open();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->Visible());
  EXPECT_EQ(f->IniFnameFld->Text(), path);
  EXPECT_EQ(Read("Demo", "Key"), "not found");
  demo.reset();
  std::filesystem::remove(path);
}

TEST_F(IniFileDemoTest, ButtonsReadWriteAndErase) {
  Open();
  dialogs.Answer(mrYes);
  Press(f->NewBtn);
  Enter("Motor", "Drehzahl", "1450");
  Press(f->WriteBtn);
  Enter("Motor", "Strom", "3.2 A");
  Press(f->WriteBtn);
  Enter("Netz", "Spannung", "230");
  Press(f->WriteBtn);
  EXPECT_EQ(Read("Motor", "Drehzahl"), "1450");
  EXPECT_EQ(Read("motor", "STROM"), "3.2 A");
  EXPECT_EQ(Read("Motor", "Fehlt"), "not found");
  Enter("Motor", "Drehzahl");
  Press(f->DelEntryBtn);
  EXPECT_EQ(Read("Motor", "Drehzahl"), "not found");
  EXPECT_EQ(Read("Motor", "Strom"), "3.2 A");
  Enter("Motor", "");
  Press(f->DelSectionBtn);
  EXPECT_EQ(Read("Motor", "Strom"), "not found");
  EXPECT_EQ(Read("Netz", "Spannung"), "230");
  // The value field takes 20 characters.
  EXPECT_EQ(f->ValueFld->MaxLength(), 20);
}

TEST_F(IniFileDemoTest, NothingIsErasedByMistake) {
  Open();
  dialogs.Answer(mrYes);
  Press(f->NewBtn);
  Enter("Sensor", "Offset", "0.25");
  Press(f->WriteBtn);
  const std::string before = ReadAll(f->IniPath());
  // An empty key would stand for the whole section: refused with a beep.
  const struct {
    const char* what;
    TButton* button;
    const char* section;
    const char* key;
    const char* value;
  } refused[] = {
      {"write without a key", f->WriteBtn, "Sensor", "", ""},
      {"write a value without a key", f->WriteBtn, "Sensor", "", "1"},
      {"erase an entry without a key", f->DelEntryBtn, "Sensor", "", ""},
      {"write without a section", f->WriteBtn, "", "Offset", "1"},
      {"erase an entry without a section", f->DelEntryBtn, "", "Offset", ""},
      {"erase no section", f->DelSectionBtn, "", "", ""},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.what);
    dialogs.Clear();
    Enter(c.section, c.key, c.value);
    Press(c.button);
    EXPECT_EQ(dialogs.Beeps().size(), 1u);
    EXPECT_EQ(ReadAll(f->IniPath()), before);
  }
  // "Neu" asks first; No keeps the file.
  dialogs.Clear();
  dialogs.Answer(mrNo);
  Press(f->NewBtn);
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_NE(dialogs.Asked()[0].Text.find(f->IniPath()), std::string::npos);
  EXPECT_EQ(ReadAll(f->IniPath()), before);
  dialogs.Answer(mrYes);
  Press(f->NewBtn);
  EXPECT_EQ(ReadAll(f->IniPath()), "");
}

TEST_F(IniFileDemoTest, FilesPassBothWaysBetweenTheFormAndConfigparser) {
  if (access("/usr/bin/python3", X_OK) != 0) GTEST_SKIP() << "no /usr/bin/python3";
  Open();
  dialogs.Answer(mrYes);
  Press(f->NewBtn);
  // What the form writes, configparser reads.
  const struct {
    std::string section, key, value;
  } written[] = {
      {"Anlage", "Name", "Pumpe 3"},
      {"Anlage", "Druck", "2.5 bar"},
      {"Grenzen", "oben", "80 %; nicht mehr"},
      {"Grenzen", "Text",
       "Gr\xFC\xDF"
       "e"},
  };
  for (const auto& w : written) {
    Enter(w.section, w.key, w.value);
    Press(f->WriteBtn);
  }
  for (const auto& w : written) {
    const auto got =
        Python(kPythonGet, "'" + f->IniPath() + "' " + Hex(w.section) + " " + Hex(w.key));
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, Hex(w.value)) << w.key;
  }
  // A file written by configparser, the form reads.
  ASSERT_TRUE(Python(kPythonWrite, "'" + f->IniPath() + "'").has_value());
  const struct {
    const char* section;
    const char* key;
    std::string value;
  } read[] = {
      {"Anlage", "Name", "Pumpe 3"},  {"Anlage", "druck", "2.5 bar"},
      {"Anlage", "Leer", ""},         {"Grenzen", "oben", "80 %"},
      {"Grenzen", "Text", "hei\xDF"}, {"Grenzen", "unten", "not found"},
  };
  for (const auto& r : read) EXPECT_EQ(Read(r.section, r.key), r.value) << r.key;
}

}  // namespace
