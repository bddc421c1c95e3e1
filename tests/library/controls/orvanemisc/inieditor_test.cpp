#include "library/controls/orvanemisc/inieditor.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "platform/base/sysutils.h"
#include "platform/devices/config.h"
#include "platform/forms/application.h"
#include "tests/platform/devices/devices_fixture.h"

namespace {

// Reads an INI file with Python's configparser (or writes one with it) and exchanges the entries
// as hex-coded Windows-1252 bytes, one "section key value" line per entry.
const char* const kPythonHelper = R"(
import configparser, sys
def parser():
    cp = configparser.ConfigParser(interpolation=None, delimiters=('=',), allow_no_value=True,
                                   comment_prefixes=(';', '#'), empty_lines_in_values=False)
    cp.optionxform = str
    return cp
def enc(t):
    return t.encode('cp1252').hex() or '-'
def dec(h):
    return '' if h == '-' else bytes.fromhex(h).decode('cp1252')
cp = parser()
if sys.argv[1] == 'dump':
    cp.read(sys.argv[2], encoding='cp1252')
    for s in cp.sections():
        for k, v in cp[s].items():
            print(enc(s), enc(k), enc(v or ''))
else:
    for line in open(sys.argv[3]):
        s, k, v = (dec(x) for x in line.split())
        if not cp.has_section(s):
            cp.add_section(s)
        cp[s][k] = v
    with open(sys.argv[2], 'w', encoding='cp1252') as f:
        cp.write(f)
)";

using Entries = std::map<std::pair<std::string, std::string>, std::string>;

std::string Hex(const std::string& text) {
  if (text.empty()) return "-";
  std::string out;
  char buf[3];
  for (unsigned char c : text) {
    std::snprintf(buf, sizeof buf, "%02x", c);
    out += buf;
  }
  return out;
}

std::string Unhex(const std::string& hex) {
  std::string out;
  if (hex == "-") return out;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return out;
}

class IniEditorTest : public DevicesTest {
 protected:
  void SetUp() override {
    DevicesTest::SetUp();
    FIni.SetFileName(FRoot + "/test.ini");
  }

  std::string Path(const std::string& name) const { return FRoot + "/" + name; }

  // Runs the Python helper; false when no interpreter is there.
  bool Python(const std::string& args, std::string* out) {
    if (access("/usr/bin/python3", X_OK) != 0) return false;
    WriteFile(Path("helper.py"), kPythonHelper);
    out->clear();
    FILE* p = popen(
        ("LC_ALL=C /usr/bin/python3 '" + Path("helper.py") + "' " + args + " 2>&1").c_str(), "r");
    if (!p) return false;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out->append(buf, n);
    return pclose(p) == 0;
  }

  bool PythonRead(const std::string& file, Entries* entries) {
    std::string out;
    if (!Python("dump '" + file + "'", &out)) {
      ADD_FAILURE() << out;
      return false;
    }
    std::istringstream lines(out);
    std::string s, k, v;
    while (lines >> s >> k >> v) (*entries)[{Unhex(s), Unhex(k)}] = Unhex(v);
    return true;
  }

  TIniEditor FIni{nullptr};
};

TEST_F(IniEditorTest, FullFileNameFollowsTheLocationRules) {
  const std::string exe = Application->ExeName();
  const std::string exe_dir = exe.substr(0, exe.rfind('/') + 1);
  const std::string win_dir = ConfigDirectory() + "/";
  const struct {
    TFileLocation location;
    const char* name;
    std::string full;
  } cases[] = {
      {TFileLocation::ApplicationPath, "Orvane.ini", exe_dir + "Orvane.ini"},
      {TFileLocation::ApplicationPath, "settings", exe_dir + "settings.INI"},
      {TFileLocation::ApplicationPath, "\\sub\\x.ini", exe_dir + "sub\\x.ini"},
      {TFileLocation::ApplicationPath, "C:\\data\\x.ini", "C:\\data\\x.ini"},
      {TFileLocation::WindowsPath, "C:\\data\\x.ini", "C:\\data\\x.ini"},
      {TFileLocation::WindowsPath, "/abs/x.ini", "/abs/x.ini"},
      {TFileLocation::WindowsPath, "x", win_dir + "x.INI"},
      {TFileLocation::WindowsPath, "a.b", win_dir + "a.b"},
      {TFileLocation::PathInFileName, "plain", "plain.INI"},
      {TFileLocation::PathInFileName, "x", "x.INI"},
      {TFileLocation::PathInFileName, ":", ":.INI"},
  };
  for (const auto& c : cases) {
    TIniEditor ini(nullptr);
    ini.SetFileName(c.name);
    ini.SetFileLocation(c.location);
    EXPECT_EQ(ini.FullFileName(), c.full) << c.name;
  }
  // Made in code, without a location assigned: the name as it stands.
  TIniEditor fresh(nullptr);
  fresh.SetFileName("y");
  EXPECT_EQ(fresh.FullFileName(), "y.INI");
  // Only a dot in the file's own name keeps ".INI" away, not one in a folder's name.
  const struct {
    std::string name, full;
  } folders[] = {
      {FRoot + "/folder.d/plain", FRoot + "/folder.d/plain.INI"},
      {"C:\\x.y\\plain", "C:\\x.y\\plain.INI"},
      {FRoot + "/folder.d/.hidden", FRoot + "/folder.d/.hidden"},
      {FRoot + "/folder.d/a.ini", FRoot + "/folder.d/a.ini"},
  };
  for (const auto& f : folders) {
    fresh.SetFileName(f.name);
    EXPECT_EQ(fresh.FullFileName(), f.full);
  }
  // The configuration folder itself lies below a folder with a dot in its name.
  TIniEditor config(nullptr);
  config.SetFileName("settings");
  setenv("XDG_CONFIG_HOME", (FRoot + "/.config").c_str(), 1);
  config.SetFileLocation(TFileLocation::WindowsPath);
  EXPECT_EQ(config.FullFileName(), FRoot + "/.config/orvane/settings.INI");
}

TEST_F(IniEditorTest, AnUnwritableProgramDirectoryGivesWayToTheWindowsDirectory) {
  EXPECT_EQ(ApplicationIniDirectory(FRoot + "/prog"), FRoot + "/");
  EXPECT_EQ(ApplicationIniDirectory("/proc/1/prog"), ConfigDirectory() + "/");
  EXPECT_EQ(ApplicationIniDirectory("prog"), "");
}

TEST_F(IniEditorTest, OneCharacterNamesWork) {
  TIniEditor ini(nullptr);
  ini.SetFileLocation(TFileLocation::WindowsPath);
  ini.SetFileName("x");
  ini.WriteStr("S", "k", "v");
  EXPECT_EQ(ini.ReadStr("S", "k", "none"), "v");
  EXPECT_EQ(ReadFile(ConfigDirectory() + "/x.INI"), "[S]\r\nk=v\r\n");
}

TEST_F(IniEditorTest, TypedValuesRoundTrip) {
  FIni.WriteBool("T", "b", true);
  FIni.WriteChar("T", "c", 'Q');
  FIni.WriteInt("T", "i", -123456);
  FIni.WriteReal("T", "r", 0.1);
  EXPECT_TRUE(FIni.ReadBool("T", "b", false));
  EXPECT_EQ(FIni.ReadChar("T", "c", 'x'), 'Q');
  EXPECT_EQ(FIni.ReadInt("T", "i", 0), -123456);
  EXPECT_EQ(FIni.ReadReal("T", "r", 0), 0.1);
  EXPECT_EQ(ReadFile(Path("test.ini")), "[T]\r\nb=True\r\nc=Q\r\ni=-123456\r\nr=0.1\r\n");
  // Missing entries give the defaults.
  EXPECT_FALSE(FIni.ReadBool("T", "none", false));
  EXPECT_TRUE(FIni.ReadBool("T", "none", true));
  EXPECT_EQ(FIni.ReadChar("T", "none", 'd'), 'd');
  EXPECT_EQ(FIni.ReadChar("T", "none", '\0'), '\0');
  EXPECT_EQ(FIni.ReadInt("T", "none", 77), 77);
  EXPECT_EQ(FIni.ReadReal("T", "none", 2.5), 2.5);
  EXPECT_EQ(FIni.ReadStr("none", "none", "  dflt"), "  dflt");
}

TEST_F(IniEditorTest, TextsAreReadAsTheTypedReadsDefine) {
  const struct {
    const char* text;
    bool boolean;
    int32_t integer;  // default 99
  } cases[] = {
      {"yes", true, 99},         {"Yes", true, 99},
      {"true", true, 99},        {"1", true, 1},
      {"on", false, 99},         {"-1", false, -1},
      {"2", false, 2},           {"12.9", false, 12},
      {"-3.7", false, -3},       {"$1F", false, 31},
      {"abc", false, 99},        {"2147483647", false, 2147483647},
      {"2147483648", false, 99}, {"1099511627776", false, 99},
      {"1e3", false, 1000},
  };
  for (const auto& c : cases) {
    FIni.WriteStr("S", "k", c.text);
    EXPECT_EQ(FIni.ReadBool("S", "k", false), c.boolean) << c.text;
    EXPECT_EQ(FIni.ReadInt("S", "k", 99), c.integer) << c.text;
  }
  FIni.WriteStr("S", "k", "1.5");
  DecimalSeparator = ',';
  EXPECT_EQ(FIni.ReadReal("S", "k", -4.0), -4.0);
  FIni.WriteReal("S", "k", 2.25);
  EXPECT_EQ(FIni.ReadStr("S", "k", ""), "2,25");
  EXPECT_EQ(FIni.ReadReal("S", "k", 0), 2.25);
  DecimalSeparator = '.';
}

TEST_F(IniEditorTest, EmptyValuesEraseAndInitWritesTheEmptyEntry) {
  FIni.WriteStr("A", "one", "1");
  FIni.WriteStr("A", "two", "2");
  FIni.WriteStr("B", "three", "3");
  FIni.WriteStr("A", "one", "");  // erases, writes nothing empty
  EXPECT_EQ(ReadFile(Path("test.ini")), "[A]\r\ntwo=2\r\n[B]\r\nthree=3\r\n");
  FIni.InitEntry("A", "blank");
  EXPECT_EQ(ReadFile(Path("test.ini")), "[A]\r\ntwo=2\r\nblank=\r\n[B]\r\nthree=3\r\n");
  EXPECT_EQ(FIni.ReadStr("A", "blank", "dflt"), "");
  FIni.EraseEntry("A", "");  // an empty key takes the whole section
  EXPECT_EQ(ReadFile(Path("test.ini")), "[B]\r\nthree=3\r\n");
  FIni.InitSection("C");
  FIni.WriteStr("C", "k", "v");
  FIni.InitSection("C");  // keeps what is there
  EXPECT_EQ(FIni.ReadStr("C", "k", ""), "v");
  FIni.EraseSection("B");
  EXPECT_EQ(ReadFile(Path("test.ini")), "[C]\r\n@=~\r\nk=v\r\n");
  // Without section, key or file name nothing is read or written.
  FIni.WriteStr("", "k", "v");
  FIni.InitEntry("C", "");
  EXPECT_EQ(FIni.ReadStr("C", "", "d"), "d");
  EXPECT_EQ(FIni.ReadStr("", "k", "d"), "d");
  TIniEditor nameless(nullptr);
  nameless.SetFileLocation(TFileLocation::WindowsPath);
  nameless.WriteStr("C", "k", "v");
  EXPECT_EQ(nameless.ReadStr("C", "k", "d"), "d");
  EXPECT_EQ(ReadFile(Path("test.ini")), "[C]\r\n@=~\r\nk=v\r\n");
  EXPECT_FALSE(std::filesystem::exists(ConfigDirectory() + "/.INI"));
}

TEST_F(IniEditorTest, TextsAreCutTo255Characters) {
  const std::string long_section(300, 'S'), long_key(300, 'K'), long_value(300, 'v');
  FIni.WriteStr(long_section, long_key, long_value);
  EXPECT_EQ(ReadFile(Path("test.ini")), "[" + long_section.substr(0, 255) + "]\r\n" +
                                            long_key.substr(0, 255) + "=" +
                                            long_value.substr(0, 255) + "\r\n");
  EXPECT_EQ(FIni.ReadStr(long_section, long_key, ""), long_value.substr(0, 255));
  EXPECT_EQ(FIni.ReadStr("S", "missing", long_value), long_value.substr(0, 255));
  // A longer value written by someone else is read cut as well.
  WriteFile(Path("test.ini"), "[X]\r\nk=" + std::string(400, 'w') + "\r\n");
  EXPECT_EQ(FIni.ReadStr("X", "k", ""), std::string(255, 'w'));
}

TEST_F(IniEditorTest, PythonReadsWhatTheComponentWrites) {
  FIni.WriteStr("Main", "Name", "Orvane demo");
  FIni.WriteStr("Main", "Spaced", "  padded value  ");
  FIni.WriteStr("Main", "Quoted", "\"in quotes\"");
  FIni.WriteStr("Main", "Special", "a=b;c #d %e");
  FIni.WriteStr("Main", "Umlaut",
                "Gr\xFC\xDF"
                "e");
  FIni.InitEntry("Main", "Blank");
  FIni.WriteBool("Types", "Flag", false);
  FIni.WriteInt("Types", "Count", 42);
  FIni.WriteReal("Types", "Ratio", -1.5e-5);
  FIni.WriteChar("Types", "Letter", 'z');
  FIni.WriteStr("Types", "Long", std::string(300, 'L'));
  FIni.WriteStr("Gone", "x", "1");
  FIni.EraseSection("Gone");
  FIni.WriteStr("Main", "Name", "renamed");  // replaced in place
  Entries got;
  if (access("/usr/bin/python3", X_OK) != 0) GTEST_SKIP() << "no /usr/bin/python3";
  ASSERT_TRUE(PythonRead(Path("test.ini"), &got));
  const Entries want = {
      {{"Main", "Name"}, "renamed"},
      {{"Main", "Spaced"}, "padded value"},
      {{"Main", "Quoted"}, "\"in quotes\""},
      {{"Main", "Special"}, "a=b;c #d %e"},
      {{"Main", "Umlaut"},
       "Gr\xFC\xDF"
       "e"},
      {{"Main", "Blank"}, ""},
      {{"Types", "Flag"}, "False"},
      {{"Types", "Count"}, "42"},
      {{"Types", "Ratio"}, "-1.5E-5"},
      {{"Types", "Letter"}, "z"},
      {{"Types", "Long"}, std::string(255, 'L')},
  };
  EXPECT_EQ(got, want);
}

TEST_F(IniEditorTest, TheComponentReadsWhatPythonWrites) {
  if (access("/usr/bin/python3", X_OK) != 0) GTEST_SKIP() << "no /usr/bin/python3";
  const Entries entries = {
      {{"Alpha", "one"}, "1"},    {{"Alpha", "Mixed Case Key"}, "x y z"}, {{"Alpha", "empty"}, ""},
      {{"Beta", "real"}, "3.25"}, {{"Beta", "text"}, "caf\xE9"},          {{"Beta", "flag"}, "yes"},
  };
  std::string listing;
  for (const auto& [sk, v] : entries)
    listing += Hex(sk.first) + " " + Hex(sk.second) + " " + Hex(v) + "\n";
  WriteFile(Path("listing.txt"), listing);
  std::string out;
  ASSERT_TRUE(Python("write '" + Path("test.ini") + "' '" + Path("listing.txt") + "'", &out))
      << out;
  for (const auto& [sk, v] : entries) {
    EXPECT_EQ(FIni.ReadStr(sk.first, sk.second, "missing"), v) << sk.second;
  }
  EXPECT_EQ(FIni.ReadStr("alpha", "MIXED CASE KEY", ""), "x y z");
  EXPECT_EQ(FIni.ReadReal("Beta", "real", 0), 3.25);
  EXPECT_TRUE(FIni.ReadBool("Beta", "flag", false));
  // Writing through the component keeps Python's other entries readable to Python.
  FIni.WriteInt("Alpha", "one", 2);
  Entries again;
  ASSERT_TRUE(PythonRead(Path("test.ini"), &again));
  Entries want = entries;
  want[{"Alpha", "one"}] = "2";
  EXPECT_EQ(again, want);
}

// A file written by hand, with comments, odd spacing, quotes and blank values: both readers
// agree, except that the profile rules take one pair of enclosing quotes off.
TEST_F(IniEditorTest, HandWrittenFilesReadAlikeInBothReaders) {
  if (access("/usr/bin/python3", X_OK) != 0) GTEST_SKIP() << "no /usr/bin/python3";
  WriteFile(Path("test.ini"),
            "; leading comment\r\n"
            "[Odd]\r\n"
            "# another comment\n"
            "key1=value\r\n"
            "key2   =   spaced out   \r\n"
            "key3=\r\n"
            "key4 = \"double quoted\"\r\n"
            "key5 = 'single'\r\n"
            "key6 = \"unbalanced\r\n"
            "key7 = a = b\r\n"
            "\r\n"
            "[Second]\n"
            "k=v ; not a comment\n");
  Entries py;
  ASSERT_TRUE(PythonRead(Path("test.ini"), &py));
  ASSERT_EQ(py.size(), 8u);
  for (const auto& [sk, v] : py) {
    std::string want = v;
    if (want.size() >= 2 && (want[0] == '"' || want[0] == '\'') && want.back() == want[0]) {
      want = want.substr(1, want.size() - 2);
    }
    EXPECT_EQ(FIni.ReadStr(sk.first, sk.second, "missing"), want) << sk.second;
  }
  EXPECT_EQ(FIni.ReadStr("Odd", "key4", ""), "double quoted");
  EXPECT_EQ(FIni.ReadStr("Odd", "key6", ""), "\"unbalanced");
  EXPECT_EQ(FIni.ReadStr("Second", "k", ""), "v ; not a comment");
}

}  // namespace
