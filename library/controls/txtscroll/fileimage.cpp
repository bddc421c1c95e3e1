#include "library/controls/txtscroll/fileimage.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/base/exceptions.h"
#include "platform/base/paths.h"

namespace {

// A real-time signal, because it carries the descriptor whose lease is wanted back.
int NoticeSignal() { return SIGRTMIN + 4; }

// The images that still share the file's pages, found by their descriptor from the notice.
// Only the opening thread and its own notices use a slot, so a notice runs either wholly before
// or wholly after each change the thread makes.
struct Slot {
  std::atomic<int> Fd{-1};
  char* Data = nullptr;
  size_t Length = 0;
  std::atomic<bool> Shared{false};
};
constexpr int kSlots = 64;
Slot Slots[kSlots];

// The slot of fd, or a free one for -1.
Slot* SlotOf(int fd) {
  for (Slot& slot : Slots)
    if (slot.Fd.load() == fd) return &slot;
  return nullptr;
}

// Another process (or this one) wants to write or cut the file: its bytes become a private copy
// in the same place, and the lease goes, which lets the writer on. Should no copy be possible,
// the lease stays until the kernel takes it after its time-out.
void OnLeaseBreak(int, siginfo_t* info, void*) {
  const int saved_errno = errno;
  Slot* slot = info->si_fd >= 0 ? SlotOf(info->si_fd) : nullptr;
  if (slot && slot->Shared.load()) {
    void* copy =
        ::mmap(nullptr, slot->Length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (copy != MAP_FAILED) {
      std::memcpy(copy, slot->Data, slot->Length);
      if (::mremap(copy, slot->Length, slot->Length, MREMAP_MAYMOVE | MREMAP_FIXED, slot->Data) !=
          MAP_FAILED) {
        slot->Shared.store(false);
        ::fcntl(slot->Fd.load(), F_SETLEASE, F_UNLCK);
      } else {
        ::munmap(copy, slot->Length);
      }
    }
  }
  errno = saved_errno;
}

// True when the notice is ours; a signal that someone else handles already is left alone.
bool NoticeReady() {
  static const bool kReady = [] {
    struct sigaction old {};
    if (::sigaction(NoticeSignal(), nullptr, &old) != 0 || old.sa_handler != SIG_DFL) return false;
    struct sigaction act {};
    act.sa_sigaction = OnLeaseBreak;
    act.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&act.sa_mask);
    return ::sigaction(NoticeSignal(), &act, nullptr) == 0;
  }();
  return kReady;
}

size_t PageBytes(size_t size) {
  static const size_t kPage = size_t(::sysconf(_SC_PAGESIZE));
  return (size + kPage - 1) & ~(kPage - 1);
}

// The notice is held back while a mapping is being set up, so that it finds the slot complete.
class NoticeHeld {
 public:
  NoticeHeld() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, NoticeSignal());
    ::pthread_sigmask(SIG_BLOCK, &set, &FOld);
  }
  ~NoticeHeld() { ::pthread_sigmask(SIG_SETMASK, &FOld, nullptr); }
  NoticeHeld(const NoticeHeld&) = delete;
  NoticeHeld& operator=(const NoticeHeld&) = delete;

 private:
  sigset_t FOld;
};

// Takes a read lease on Fd, its notice to this thread. Fails when the file is open for writing
// anywhere, belongs to another user, or its file system has no leases.
bool TakeLease(int fd) {
  f_owner_ex owner{F_OWNER_TID, ::gettid()};
  return ::fcntl(fd, F_SETSIG, NoticeSignal()) == 0 && ::fcntl(fd, F_SETOWN_EX, &owner) == 0 &&
         ::fcntl(fd, F_SETLEASE, F_RDLCK) == 0;
}

}  // namespace

TFileImage::TFileImage(int Fd, const std::string& FileName) {
  if (NoticeReady()) {
    NoticeHeld held;
    const int fd = ::fcntl(Fd, F_DUPFD_CLOEXEC, 0);
    Slot* slot = SlotOf(-1);
    struct stat info {};
    // The size is taken under the lease: nobody can change it from then on without our leave.
    if (fd >= 0 && slot && TakeLease(fd) && ::fstat(fd, &info) == 0 && info.st_size > 0) {
      const size_t size = size_t(info.st_size), length = PageBytes(size);
      // Pages come in as the lines are looked for, many at a time; edits copy only the pages
      // they write.
      void* data = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE, fd, 0);
      if (data != MAP_FAILED) {
        FData = static_cast<char*>(data);
        FSize = size;
        FFd = fd;
        slot->Data = FData;
        slot->Length = length;
        slot->Shared.store(true);
        slot->Fd.store(fd);
        return;
      }
    }
    if (fd >= 0) ::close(fd);  // gives up a lease taken
  }
  // A copy of the bytes, read to the file's end whatever size it told; the room has one byte
  // more than the size, so that the end is seen without the room growing.
  struct stat info {};
  const size_t told = ::fstat(Fd, &info) == 0 ? size_t(info.st_size) : 0;
  FCopy.Resize(told + 1);
  size_t used = 0;
  for (;;) {
    if (used == FCopy.Size()) FCopy.Resize(std::max(2 * used, size_t(64) << 10));
    const ssize_t n = ::pread(Fd, FCopy.Data() + used, FCopy.Size() - used, off_t(used));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw EInOutError("Cannot read file " + PathToText(FileName), errno);
    if (n == 0) break;
    used += size_t(n);
  }
  FData = FCopy.Data();
  FSize = used;
}

TFileImage::~TFileImage() { Release(); }

TFileImage::TFileImage(TFileImage&& Other) noexcept
    : FData(std::exchange(Other.FData, nullptr)),
      FSize(std::exchange(Other.FSize, 0)),
      FFd(std::exchange(Other.FFd, -1)),
      FCopy(std::move(Other.FCopy)) {}

TFileImage& TFileImage::operator=(TFileImage&& Other) noexcept {
  if (this != &Other) {
    Release();
    FData = std::exchange(Other.FData, nullptr);
    FSize = std::exchange(Other.FSize, 0);
    FFd = std::exchange(Other.FFd, -1);
    FCopy = std::move(Other.FCopy);
  }
  return *this;
}

void TFileImage::Release() {
  if (FFd >= 0) {
    // The slot goes first: a notice from here on finds nothing, and closing ends the lease.
    if (Slot* slot = SlotOf(FFd)) slot->Fd.store(-1);
    ::close(FFd);
    ::munmap(FData, PageBytes(FSize));
  }
  FFd = -1;
  FData = nullptr;
  FSize = 0;
  FCopy = TLargeBlock();
}
