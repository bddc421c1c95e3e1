// The printer on a real CUPS queue: a scheduler of the test's own with the cups-pdf back end,
// whose output the test reads back, and a queue that refuses jobs.

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/forms/stdctrls/dialogs.h"
#include "platform/forms/stdctrls/printers.h"
#include "platform/forms/testing/formtest.h"
#include "platform/forms/testing/printout.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kCupsd = "/usr/sbin/cupsd";
constexpr const char* kPdfBackend = "/usr/lib/cups/backend/cups-pdf";
constexpr const char* kPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// True once `done` holds, checked every 50 ms for at most `seconds`.
template <class Done>
bool WaitFor(Done done, int seconds) {
  const auto end = Clock::now() + std::chrono::seconds(seconds);
  while (!done()) {
    if (Clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

bool Accepts(const std::string& socketPath) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
  const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return ok;
}

// A CUPS scheduler in a folder of its own, on a local socket, with two cups-pdf queues: the
// default one, which writes its jobs into out/ (at 600 dots per inch, so that the printer's own
// resolution shows), and one that accepts no jobs. It needs root, as the back end does.
class CupsPrinterTest : public FormTest {
 protected:
  void SetUp() override {
    const bool ci = std::getenv("CI") != nullptr;
    std::string missing;
    if (geteuid() != 0) missing = "root";
    for (const char* file : {kCupsd, kPdfBackend, kPdfPpd}) {
      if (!fs::exists(file)) missing = file;
    }
    if (!missing.empty()) {
      if (ci) FAIL() << "CUPS printing cannot be tested without " << missing;
      GTEST_SKIP() << "no " << missing;
    }
    char base[] = "/tmp/orvane-cups-XXXXXX";
    ASSERT_NE(mkdtemp(base), nullptr);
    FDir = base;
    // The scheduler's filters run as another user and must reach the spool.
    fs::permissions(FDir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    for (const char* sub : {"ppd", "spool/tmp", "cache", "state", "log", "out"}) {
      fs::create_directories(FDir / sub);
    }
    FQueue = "orvane-test-" + std::to_string(getpid());
    FRefusing = FQueue + "-refusing";
    FSocket = (FDir / "cups.sock").string();
    std::ofstream(FDir / "cupsd.conf") << "Listen " << FSocket << "\n"
                                       << "LogLevel warn\nBrowsing No\nWebInterface No\n"
                                       << "<Location />\n  Order allow,deny\n  Allow all\n"
                                       << "</Location>\n";
    std::ofstream(FDir / "cups-files.conf")
        << "ServerRoot " << FDir.string() << "\nRequestRoot " << (FDir / "spool").string()
        << "\nTempDir " << (FDir / "spool/tmp").string() << "\nCacheDir "
        << (FDir / "cache").string() << "\nStateDir " << (FDir / "state").string()
        << "\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\nAccessLog "
        << (FDir / "log/access_log").string() << "\nErrorLog " << (FDir / "log/error_log").string()
        << "\nPageLog " << (FDir / "log/page_log").string() << "\n";
    std::ofstream(FDir / "printers.conf")
        << "<DefaultPrinter " << FQueue << ">\nDeviceURI cups-pdf:/" << FQueue
        << "\nState Idle\nAccepting Yes\nShared No\n</DefaultPrinter>\n"
        << "<Printer " << FRefusing << ">\nDeviceURI cups-pdf:/" << FRefusing
        << "\nState Idle\nAccepting No\nShared No\n</Printer>\n";
    std::string ppd = Read(kPdfPpd);
    const std::string from = "*DefaultResolution: 300dpi";
    ASSERT_NE(ppd.find(from), std::string::npos);
    ppd.replace(ppd.find(from), from.size(), "*DefaultResolution: 600dpi");
    for (const std::string& q : {FQueue, FRefusing}) {
      std::ofstream(FDir / "ppd" / (q + ".ppd")) << ppd;
    }
    // cups-pdf reads a queue's settings only from here.
    FBackendConf = "/etc/cups/cups-pdf-" + FQueue + ".conf";
    std::ofstream(FBackendConf) << "Out " << (FDir / "out").string() << "\n";

    const std::string conf = (FDir / "cupsd.conf").string();
    const std::string files = (FDir / "cups-files.conf").string();
    const char* argv[] = {kCupsd, "-f", "-c", conf.c_str(), "-s", files.c_str(), nullptr};
    ASSERT_EQ(posix_spawn(&FCupsd, kCupsd, nullptr, nullptr, const_cast<char**>(argv), environ), 0);
    ASSERT_TRUE(WaitFor([&] { return Accepts(FSocket); }, 20))
        << "the scheduler did not start: " << Read(FDir / "log/error_log");
    cupsSetServer(FSocket.c_str());
    setenv("CUPS_SERVER", FSocket.c_str(), 1);
    unsetenv("ORVANE_PRINT_PDF");
  }

  void TearDown() override {
    if (FCupsd > 0) {
      kill(FCupsd, SIGTERM);
      int status = 0;
      if (!WaitFor([&] { return waitpid(FCupsd, &status, WNOHANG) == FCupsd; }, 10)) {
        kill(FCupsd, SIGKILL);
        waitpid(FCupsd, &status, 0);
      }
    }
    cupsSetServer(nullptr);
    unsetenv("CUPS_SERVER");
    std::error_code ec;
    if (!FBackendConf.empty()) fs::remove(FBackendConf, ec);
    if (!FDir.empty()) fs::remove_all(FDir, ec);
  }

  // The job's PDF in out/, once complete.
  fs::path Output() {
    fs::path found;
    WaitFor(
        [&] {
          for (const auto& entry : fs::directory_iterator(FDir / "out")) {
            const std::string data = Read(entry.path());
            if (data.size() > 6 && data.find("%%EOF", data.size() - 8) != std::string::npos) {
              found = entry.path();
              return true;
            }
          }
          return false;
        },
        60);
    return found;
  }

  fs::path FDir;
  std::string FQueue, FRefusing, FSocket, FBackendConf;
  pid_t FCupsd = 0;
};

// The bounding box of the pixels near one colour (the way through PostScript may shift a colour
// by a step).
QRect Find(const QImage& image, QRgb color) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (std::abs(qRed(row[x]) - qRed(color)) < 8 &&
          std::abs(qGreen(row[x]) - qGreen(color)) < 8 &&
          std::abs(qBlue(row[x]) - qBlue(color)) < 8) {
        box |= QRect(x, y, 1, 1);
      }
    }
  }
  return box;
}

TEST_F(CupsPrinterTest, TheDefaultQueuePrintsAtItsOwnResolutionAndTheJobComesOut) {
  TPrinter* p = Printer();
  p->SetTitle("CupsTest");
  p->BeginDoc();
  EXPECT_EQ(p->OutputFileName(), "");
  EXPECT_EQ(p->XDpi(), 600);
  // The printable part of the queue's paper (A4).
  EXPECT_LE(p->PageWidth(), 210 / 25.4 * 600);
  EXPECT_GE(p->PageWidth(), 190 / 25.4 * 600);
  p->Canvas()->Brush()->SetColor(clGreen);
  p->Canvas()->FillRect(Rect(600, 600, 900, 750));
  p->EndDoc();
  p->SetTitle("");
  EXPECT_EQ(p->OutputFileName(), "");

  const fs::path job = Output();
  ASSERT_FALSE(job.empty()) << "no output from the queue: " << Read(FDir / "log/error_log");
  const std::vector<QImage> pages = printout::RenderPages(job.string(), 600);
  ASSERT_EQ(pages.size(), 1u);
  // 300 x 150 dots of the printer are half an inch by a quarter, an inch from the corner of
  // the printable area.
  const int margin_x = (pages[0].width() - p->PageWidth()) / 2;
  const int margin_y = (pages[0].height() - p->PageHeight()) / 2;
  const QRect green = Find(pages[0], qRgb(0, 0x80, 0));
  EXPECT_NEAR(green.left(), margin_x + 600, 3);
  EXPECT_NEAR(green.top(), margin_y + 600, 3);
  EXPECT_NEAR(green.width(), 300, 3);
  EXPECT_NEAR(green.height(), 150, 3);
}

TEST_F(CupsPrinterTest, TheQueueChosenInTheDialogMakesTheCopies) {
  TPrintDialog dialog(form);
  dialogs.Answer(mrOk, FQueue, 2);
  ASSERT_TRUE(dialog.Execute());
  TPrinter* p = Printer();
  p->BeginDoc();
  p->Canvas()->Brush()->SetColor(clGreen);
  p->Canvas()->FillRect(Rect(600, 600, 900, 750));
  p->EndDoc();
  // Back to one copy for whatever prints next.
  dialogs.Answer(mrOk, "", 1);
  ASSERT_TRUE(dialog.Execute());

  const fs::path job = Output();
  ASSERT_FALSE(job.empty()) << "no output from the queue: " << Read(FDir / "log/error_log");
  const std::vector<QImage> pages = printout::RenderPages(job.string(), 75);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_FALSE(Find(pages[1], qRgb(0, 0x80, 0)).isEmpty());
}

TEST_F(CupsPrinterTest, AQueueThatRefusesTheJobSaysSo) {
  TPrintDialog dialog(form);
  dialogs.Answer(mrOk, FRefusing);
  ASSERT_TRUE(dialog.Execute());
  TPrinter* p = Printer();
  p->BeginDoc();
  p->Canvas()->FillRect(Rect(0, 0, 10, 10));
  try {
    p->EndDoc();
    ADD_FAILURE() << "the refused job was taken for printed";
  } catch (const EPrinter& e) {
    EXPECT_NE(e.Message().find(FRefusing), std::string::npos) << e.Message();
    EXPECT_NE(e.Message().find("not accepting"), std::string::npos) << e.Message();
  }
  EXPECT_FALSE(p->Printing());
  EXPECT_TRUE(fs::is_empty(FDir / "out"));
}

}  // namespace
