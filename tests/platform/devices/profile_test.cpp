#include "platform/devices/profile.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/devices/config.h"
#include "tests/platform/devices/devices_fixture.h"

namespace {

class Profile : public DevicesTest {
 protected:
  std::string Path(const std::string& name) const { return FRoot + "/" + name; }
};

TEST_F(Profile, BareNamesLiveInTheConfigurationFolder) {
  EXPECT_EQ(ConfigDirectory(), ConfigDir());
  EXPECT_EQ(ProfilePath("Orvane.ini"), ConfigDir() + "/Orvane.ini");
  EXPECT_EQ(ProfilePath("/x/y.ini"), "/x/y.ini");
  EXPECT_EQ(ProfilePath("sub\\y.ini"), "sub/y.ini");
  ASSERT_TRUE(ProfileWrite("S", "k", "v", "bare.ini"));
  EXPECT_EQ(ReadFile(ConfigDir() + "/bare.ini"), "[S]\r\nk=v\r\n");
}

TEST_F(Profile, ReadsHandWrittenFilesWithTheProfileRules) {
  const std::string file = Path("hand.ini");
  WriteFile(file,
            "orphan=before any section\n"
            "; a comment\n"
            "# another comment\n"
            "[ Alpha ]\n"
            "  Key One  =  spaced value  \r\n"
            "k=1\n"
            "empty=\n"
            "dq=\"  quoted  \"\n"
            "sq='single'\n"
            "half=\"open\n"
            "mixed=\"a'\n"
            "bare line\n"
            "k=second k is ignored\n"
            "eq=a=b\n"
            "tab\t=\tx\t\n"
            "\xE4rger=umlaut\n"
            "\n"
            "[alpha]\n"
            "later=the first section wins\n"
            "[B]\n"
            "x=y");
  const struct {
    const char *section, *key, *want;
  } cases[] = {
      {"Alpha", "Key One", "spaced value"},
      {"ALPHA", "key one", "spaced value"},
      {" alpha ", " KEY ONE ", "spaced value"},
      {"Alpha", "k", "1"},
      {"Alpha", "K", "1"},
      {"Alpha", "empty", ""},
      {"Alpha", "dq", "  quoted  "},
      {"Alpha", "sq", "single"},
      {"Alpha", "half", "\"open"},
      {"Alpha", "mixed", "\"a'"},
      {"Alpha", "bare line", ""},
      {"Alpha", "eq", "a=b"},
      {"Alpha", "tab", "x"},
      {"Alpha", "\xC4RGER", "umlaut"},
      {"Alpha", "later", "<default>"},
      {"Alpha", "orphan", "<default>"},
      {"Alpha", "; a comment", "<default>"},
      {"B", "x", "y"},
      {"C", "x", "<default>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProfileRead(c.section, c.key, "<default>", file), c.want)
        << c.section << "/" << c.key;
  }
  EXPECT_EQ(ProfileRead("Alpha", "missing", "def  ", file), "def");
  EXPECT_EQ(ProfileRead("Alpha", "k", "def", Path("missing.ini")), "def");
}

TEST_F(Profile, WritesChangeOnlyTheirLine) {
  const std::string file = Path("w.ini");
  WriteFile(file,
            "; header comment\n"
            "[A]\n"
            "a=1\n"
            "; inside A\n"
            "b = 2\n"
            "\n"
            "[B]\n"
            "c=3\n");
  ASSERT_TRUE(ProfileWrite("a", "B", "two", file));       // in place, new spelling of the key
  ASSERT_TRUE(ProfileWrite("A", "new", "n", file));       // after the last entry of A
  ASSERT_TRUE(ProfileWrite("C", "", "empty key", file));  // a new section at the end
  ASSERT_TRUE(ProfileWrite("B", "d", "", file));          // an empty value is written
  EXPECT_EQ(ReadFile(file),
            "; header comment\n[A]\na=1\n; inside A\nB=two\nnew=n\r\n\n"
            "[B]\nc=3\nd=\r\n[C]\r\n=empty key\r\n");
  EXPECT_EQ(ProfileRead("C", "", "x", file), "empty key");

  ASSERT_TRUE(ProfileEraseEntry("A", "A", file));
  ASSERT_TRUE(ProfileEraseSection("b", file));
  ASSERT_TRUE(ProfileEraseEntry("A", "nothing", file));
  ASSERT_TRUE(ProfileEraseSection("nothing", file));
  EXPECT_EQ(ReadFile(file),
            "; header comment\n[A]\n; inside A\nB=two\nnew=n\r\n\n"
            "[C]\r\n=empty key\r\n");
  ASSERT_TRUE(ProfileEraseSection("C", file));
  ASSERT_TRUE(ProfileEraseSection("A", file));
  EXPECT_EQ(ReadFile(file), "; header comment\n");
}

// Files with other line ends, read and changed step by step; after each step the whole file is
// what it must be: lines end at CRLF, LF or a lone CR, every line a change does not touch keeps
// its bytes and its end, new lines end in CRLF, and a new section gets no blank line before it.
TEST_F(Profile, LineEndsOfEveryKindAreReadAndKeptThroughChanges) {
  enum class Op { kRead, kWrite, kEraseEntry, kEraseSection };
  struct Step {
    Op op;
    const char *section, *key;
    const char* value;  // written, or the read's result
    const char* file;   // the whole file afterwards; nullptr: unchanged
  };
  const struct {
    const char* name;
    const char* before;
    std::vector<Step> steps;
  } files[] = {
      {"lone CRs",
       "[section1]\rname1=val1\rname2=\"val2\"\r\r[section2]\rk2=v2\r",
       {
           {Op::kRead, "section1", "name1", "val1", nullptr},
           {Op::kRead, "section1", "name2", "val2", nullptr},
           {Op::kRead, "section2", "k2", "v2", nullptr},
           {Op::kWrite, "section1", "name1", "new",
            "[section1]\rname1=new\rname2=\"val2\"\r\r[section2]\rk2=v2\r"},
           {Op::kWrite, "section1", "name3", "x",
            "[section1]\rname1=new\rname2=\"val2\"\rname3=x\r\n\r[section2]\rk2=v2\r"},
           {Op::kWrite, "SECTION2", "k2", "w",
            "[section1]\rname1=new\rname2=\"val2\"\rname3=x\r\n\r[section2]\rk2=w\r"},
           {Op::kWrite, "section3", "a", "b",
            "[section1]\rname1=new\rname2=\"val2\"\rname3=x\r\n\r[section2]\rk2=w\r"
            "[section3]\r\na=b\r\n"},
           {Op::kEraseEntry, "section1", "name1", nullptr,
            "[section1]\rname2=\"val2\"\rname3=x\r\n\r[section2]\rk2=w\r[section3]\r\na=b\r\n"},
           {Op::kEraseSection, "section1", nullptr, nullptr,
            "[section2]\rk2=w\r[section3]\r\na=b\r\n"},
           {Op::kEraseSection, "section3", nullptr, nullptr, "[section2]\rk2=w\r"},
           {Op::kRead, "section2", "k2", "w", nullptr},
       }},
      {"mixed ends, none after the last line",
       "; top\r\n[A]\nk=1\r\n\r[B]\rb=2",
       {
           {Op::kRead, "A", "k", "1", nullptr},
           {Op::kRead, "B", "b", "2", nullptr},
           {Op::kWrite, "B", "c", "3", "; top\r\n[A]\nk=1\r\n\r[B]\rb=2\r\nc=3\r\n"},
           {Op::kWrite, "A", "j", "0", "; top\r\n[A]\nk=1\r\nj=0\r\n\r[B]\rb=2\r\nc=3\r\n"},
           {Op::kEraseSection, "A", nullptr, nullptr, "; top\r\n[B]\rb=2\r\nc=3\r\n"},
           {Op::kEraseEntry, "B", "b", nullptr, "; top\r\n[B]\rc=3\r\n"},
       }},
      {"a stray CR before CRLF",
       "[S]\r\nk=True\r\r\nx=1\r\r\n",
       {
           {Op::kRead, "S", "k", "True", nullptr},
           {Op::kRead, "S", "x", "1", nullptr},
           {Op::kWrite, "S", "k", "False", "[S]\r\nk=False\r\r\nx=1\r\r\n"},
           {Op::kWrite, "T", "n", "1", "[S]\r\nk=False\r\r\nx=1\r\r\n[T]\r\nn=1\r\n"},
           {Op::kEraseEntry, "S", "k", nullptr, "[S]\r\nx=1\r\r\n[T]\r\nn=1\r\n"},
       }},
      {"an empty file",
       "",
       {
           {Op::kWrite, "App1", "key1", "string1", "[App1]\r\nkey1=string1\r\n"},
           {Op::kWrite, "App2", "key4", "string4",
            "[App1]\r\nkey1=string1\r\n[App2]\r\nkey4=string4\r\n"},
           {Op::kEraseSection, "App1", nullptr, nullptr, "[App2]\r\nkey4=string4\r\n"},
       }},
  };
  const std::string file = Path("ends.ini");
  for (const auto& f : files) {
    WriteFile(file, f.before);
    std::string want = f.before;
    for (size_t i = 0; i < f.steps.size(); ++i) {
      const Step& s = f.steps[i];
      SCOPED_TRACE(std::string(f.name) + ", step " + std::to_string(i + 1));
      switch (s.op) {
        case Op::kRead:
          EXPECT_EQ(ProfileRead(s.section, s.key, "<default>", file), s.value);
          break;
        case Op::kWrite:
          EXPECT_TRUE(ProfileWrite(s.section, s.key, s.value, file));
          break;
        case Op::kEraseEntry:
          EXPECT_TRUE(ProfileEraseEntry(s.section, s.key, file));
          break;
        case Op::kEraseSection:
          EXPECT_TRUE(ProfileEraseSection(s.section, file));
          break;
      }
      if (s.file) want = s.file;
      EXPECT_EQ(ReadFile(file), want);
    }
  }
}

TEST_F(Profile, TextsThatWouldNotReadBackAreRefusedAndNothingIsWritten) {
  const std::string file = Path("checked.ini");
  const std::string before = "[S]\r\nk=v\r\n";
  const struct {
    const char *section, *key, *value;
  } refused[] = {
      {"S", "k", "v\r\n[Evil]\r\nx=1"},  // the value would add a section
      {"S", "k", "v\nx=1"},
      {"S", "k", "v\r"},
      {"S", "[x", "v"},  // the line would read as a section header
      {"S", "  [x", "v"},
      {"S", ";x", "v"},  // ... or as a comment
      {"S", "#x", "v"},
      {"S", "a=b", "v"},  // the key would end at the first '='
      {"S", "a\nb", "v"},
      {"T]x", "k", "v"},  // the header would end at the first ']'
      {"T\r\n[U", "k", "v"},
  };
  for (const auto& c : refused) {
    WriteFile(file, before);
    EXPECT_FALSE(ProfileWrite(c.section, c.key, c.value, file)) << c.section << "/" << c.key;
    EXPECT_EQ(ReadFile(file), before) << c.section << "/" << c.key;
  }
  // Look-alikes that read back as written are taken.
  const struct {
    const char *section, *key, *value;
  } taken[] = {
      {"S", "x[", "v"}, {"S", "n", "[Evil]"}, {"S", "n", "a=b;c#d"},
      {"[T", "k", "v"}, {"S", "", "v"},
  };
  for (const auto& c : taken) {
    WriteFile(file, before);
    ASSERT_TRUE(ProfileWrite(c.section, c.key, c.value, file)) << c.section << "/" << c.key;
    EXPECT_EQ(ProfileRead(c.section, c.key, "missing", file), c.value) << c.section << "/" << c.key;
    EXPECT_EQ(ProfileRead("S", "k", "missing", file), "v");
  }
}

TEST_F(Profile, ErasingInAMissingFileCreatesNothing) {
  EXPECT_TRUE(ProfileEraseEntry("A", "a", Path("none.ini")));
  EXPECT_TRUE(ProfileEraseSection("A", Path("none.ini")));
  EXPECT_FALSE(std::filesystem::exists(Path("none.ini")));
}

TEST_F(Profile, UnwritablePlacesReportFailureAndKeepTheFile) {
  WriteFile(Path("plain"), "not a directory");
  mkdir(Path("dir.ini").c_str(), 0777);
  mkfifo(Path("fifo.ini").c_str(), 0600);  // nobody writes into it: a read would wait for ever
  const std::string targets[] = {Path("missing/x.ini"), Path("plain/x.ini"), Path("dir.ini"),
                                 Path("fifo.ini")};
  for (const std::string& t : targets) {
    EXPECT_FALSE(ProfileWrite("S", "k", "v", t)) << t;
    EXPECT_EQ(ProfileRead("S", "k", "def", t), "def") << t;
  }
  EXPECT_FALSE(ProfileEraseSection("S", Path("dir.ini")));
  EXPECT_FALSE(ProfileEraseEntry("S", "k", Path("fifo.ini")));
  EXPECT_EQ(ReadFile(Path("plain")), "not a directory");
  // No temporary files are left behind.
  for (const auto& e : std::filesystem::recursive_directory_iterator(FRoot)) {
    EXPECT_NE(e.path().extension(), ".tmp") << e.path();
  }
}

TEST_F(Profile, KeepsTheModeOfAnExistingFile) {
  const std::string file = Path("mode.ini");
  WriteFile(file, "[S]\nk=v\n");
  chmod(file.c_str(), 0640);
  ASSERT_TRUE(ProfileWrite("S", "k", "w", file));
  struct stat st {};
  ASSERT_EQ(stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// Two processes write 200 entries each into one file at the same time while a third reads it:
// every entry is there at the end, and no read ever finds the file without its first entry.
TEST_F(Profile, WritersInSeveralProcessesLoseNothing) {
  const std::string file = Path("shared.ini");
  ASSERT_TRUE(ProfileWrite("Keep", "marker", "yes", file));
  constexpr int kWriters = 2, kEntries = 200;
  auto key = [](int writer, int i) {
    return "w" + std::to_string(writer) + "k" + std::to_string(i);
  };
  auto section = [](int i) { return i % 2 ? "Odd" : "Even"; };
  int start[2];
  ASSERT_EQ(pipe(start), 0);
  std::vector<pid_t> writers;
  for (int w = 0; w < kWriters; ++w) {
    const pid_t pid = fork();
    if (pid == 0) {
      close(start[1]);
      char c;
      (void)!read(start[0], &c, 1);  // returns once the parent closes its end
      bool ok = true;
      for (int i = 0; i < kEntries; ++i) {
        ok = ProfileWrite(section(i), key(w, i), std::to_string(i), file) && ok;
      }
      _exit(ok ? 0 : 1);
    }
    ASSERT_GT(pid, 0);
    writers.push_back(pid);
  }
  close(start[0]);
  close(start[1]);  // both start now
  int reads = 0, missed = 0;
  for (pid_t& pid : writers) {
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
      ++reads;
      if (ProfileRead("Keep", "marker", "", file) != "yes") ++missed;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a write failed";
  }
  EXPECT_EQ(missed, 0) << "of " << reads << " reads";
  int found = 0;
  for (int w = 0; w < kWriters; ++w) {
    for (int i = 0; i < kEntries; ++i) {
      found += ProfileRead(section(i), key(w, i), "", file) == std::to_string(i);
    }
  }
  EXPECT_EQ(found, kWriters * kEntries);
}

// --- Interchange with Python's configparser -------------------------------------------------

std::string Python() {
  for (const char* p : {"/usr/bin/python3", "/usr/local/bin/python3"}) {
    if (access(p, X_OK) == 0) return p;
  }
  return "";
}

// Every section, key and value configparser sees in the file, one "section|key|value" line each.
std::string ConfigParserDump(const std::string& python, const std::string& file) {
  const std::string script =
      "import configparser,sys\n"
      "c=configparser.ConfigParser(interpolation=None,strict=False)\n"
      "c.optionxform=str\n"
      "c.read(sys.argv[1],encoding='latin-1')\n"
      "for s in c.sections():\n"
      "  for k,v in c.items(s,raw=True): print(s+'|'+k+'|'+v)\n";
  return RunCommand(python + " -c \"" + script + "\" '" + file + "'");
}

TEST_F(Profile, ConfigParserReadsWhatWeWrite) {
  const std::string python = Python();
  if (python.empty()) GTEST_SKIP() << "no python3";
  const std::string file = Path("ours.ini");
  WriteFile(file, "; written by hand first\n[Keep]\nold=1\n");
  const struct {
    const char *section, *key, *value;
  } entries[] = {
      {"Main", "Name", "Orvane demo"},
      {"Main", "x", "1"},
      {"Main", "Path", "C:\\data\\x.ini"},
      {"Main", "Percent", "100% sure"},
      {"Main", "Blank", ""},
      {"Second section", "Real", "3.25"},
      {"Second section", "Flag", "True"},
      {"S", "k", "v"},
  };
  for (const auto& e : entries) ASSERT_TRUE(ProfileWrite(e.section, e.key, e.value, file));
  ASSERT_TRUE(ProfileWrite("main", "x", "2", file));  // replaced in place
  EXPECT_EQ(ConfigParserDump(python, file),
            "Keep|old|1\n"
            "Main|Name|Orvane demo\nMain|x|2\nMain|Path|C:\\data\\x.ini\nMain|Percent|100% sure\n"
            "Main|Blank|\n"
            "Second section|Real|3.25\nSecond section|Flag|True\n"
            "S|k|v\n");
}

TEST_F(Profile, WeReadWhatConfigParserWrites) {
  const std::string python = Python();
  if (python.empty()) GTEST_SKIP() << "no python3";
  const std::string file = Path("theirs.ini");
  const std::string script =
      "import configparser,sys\n"
      "c=configparser.ConfigParser(interpolation=None)\n"
      "c.optionxform=str\n"
      "c['Window']={'Left':'10','Caption':'Demo  window','e':'','Q':'\\'x\\''}\n"
      "c['a']={'b':'c'}\n"
      "f=open(sys.argv[1],'w')\n"
      "f.write('# made by configparser\\n')\n"
      "c.write(f)\n";
  RunCommand(python + " -c \"" + script + "\" '" + file + "'");
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(ProfileRead("window", "left", "", file), "10");
  EXPECT_EQ(ProfileRead("Window", "Caption", "", file), "Demo  window");
  EXPECT_EQ(ProfileRead("Window", "e", "def", file), "");
  EXPECT_EQ(ProfileRead("Window", "Q", "", file), "x");
  EXPECT_EQ(ProfileRead("A", "B", "", file), "c");
  // And a write in between keeps the file readable for configparser.
  ASSERT_TRUE(ProfileWrite("a", "b", "d", file));
  EXPECT_EQ(ConfigParserDump(python, file),
            "Window|Left|10\nWindow|Caption|Demo  window\nWindow|e|\nWindow|Q|'x'\na|b|d\n");
}

}  // namespace
