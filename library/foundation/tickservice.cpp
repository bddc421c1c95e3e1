#include "library/foundation/tickservice.h"

#include <new>
#include <utility>
#include <vector>

#include "platform/base/numbers.h"

bool BlinkPhase = false;
bool EnglishTexts = false;

namespace {

constexpr int32_t kBlinkSlots = 7;
constexpr uint16_t kRegisteredTicks = 1000;

// A list entry. A record removed while a tick pass runs stays allocated (its callback may be the
// one running) and is only marked; the outermost pass frees it when it ends.
struct Entry {
  std::unique_ptr<TimerRecord> Record;
  bool Removed = false;
};

struct TickService {
  bool Running = false;
  std::vector<Entry> TimerList;
  int32_t TickCounter = 0;
  int32_t NextSyncSlot = 0;
  int PassDepth = 0;  // ticks in progress, nested ones included
  bool HasRemoved = false;
};

// Never destroyed: components freed during the program's own shutdown still call the tick
// operations, which must then find a stopped service rather than a destroyed one.
TickService& Service() {
  static TickService* service = new TickService;
  return *service;
}

TimerRecord* FindRecord(int32_t Id) {
  int32_t index = FindTimerIndex(Id);
  return index < 0 ? nullptr : Service().TimerList[index].Record.get();
}

void FreeRemoved() {
  TickService& s = Service();
  if (!s.HasRemoved || s.PassDepth > 0) return;
  std::erase_if(s.TimerList, [](const Entry& e) { return e.Removed; });
  s.HasRemoved = false;
}

// Runs a record's callback. However the call ends (a callback may throw; the platform reports the
// error and carries on), the record is no longer busy afterwards and an interval record counts a
// full interval again. The reload is read after the call, so a callback that retimed its record
// takes effect at once.
void FireRecord(TimerRecord& rec) {
  struct CallEnd {
    TimerRecord& r;
    ~CallEnd() {
      if (!r.Synchronised) r.Countdown = r.Reload;
      r.Busy = false;
    }
  } call_end{rec};
  rec.Busy = true;
  rec.Callback(nullptr);
}

// A tick pass; records removed while it runs are freed when the outermost one ends, also when a
// callback throws out of it.
struct PassScope {
  PassScope() { ++Service().PassDepth; }
  ~PassScope() {
    --Service().PassDepth;
    FreeRemoved();
  }
  PassScope(const PassScope&) = delete;
  PassScope& operator=(const PassScope&) = delete;
};

}  // namespace

std::unique_ptr<TimerRecord> NewTimerRecord() { return std::make_unique<TimerRecord>(); }

int32_t TimerRegister(TTickProc Callback) {
  TickService& s = Service();
  if (!s.Running) return -1;
  try {
    std::unique_ptr<TimerRecord> rec = NewTimerRecord();
    rec->Id = NextTimerId();
    rec->Reload = kRegisteredTicks;
    rec->Countdown = kRegisteredTicks;
    rec->Callback = std::move(Callback);
    int32_t id = rec->Id;
    s.TimerList.push_back(Entry{std::move(rec)});
    return id;
  } catch (const std::bad_alloc&) {
    return -1;
  }
}

int32_t TimerRegisterSync(TTickProc Callback) {
  int32_t id = TimerRegister(std::move(Callback));
  TimerRecord* rec = FindRecord(id);
  if (!rec) return id;
  TickService& s = Service();
  rec->Synchronised = true;
  rec->Active = true;
  rec->Reload = static_cast<uint16_t>(s.NextSyncSlot);
  s.NextSyncSlot = (s.NextSyncSlot + 1) % kBlinkSlots;
  return id;
}

void TimerSetInterval(int32_t Id, uint16_t Ms) {
  if (Ms == 0) return;
  TimerRecord* rec = FindRecord(Id);
  if (!rec) return;
  int64_t ticks = Round(static_cast<long double>(Ms) * 0.018018018018018018L);
  if (ticks == 0) ticks = 1;
  rec->Reload = static_cast<uint16_t>(ticks);
  rec->Countdown = static_cast<uint16_t>(ticks);
  rec->Active = true;
}

void TimerStop(int32_t Id) {
  if (TimerRecord* rec = FindRecord(Id)) rec->Active = false;
}

void TimerRemove(int32_t Id) {
  int32_t index = FindTimerIndex(Id);
  if (index < 0) return;
  TickService& s = Service();
  Entry& e = s.TimerList[index];
  e.Removed = true;
  e.Record->Active = false;
  s.HasRemoved = true;
  FreeRemoved();
}

int32_t FindTimerIndex(int32_t Id) {
  TickService& s = Service();
  if (!s.Running) return -1;
  for (size_t i = 0; i < s.TimerList.size(); ++i) {
    const Entry& e = s.TimerList[i];
    if (!e.Removed && e.Record->Id == Id) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t NextTimerId() {
  TickService& s = Service();
  bool any = false;
  int32_t highest = 0;
  for (const Entry& e : s.TimerList) {
    if (e.Removed) continue;
    if (!any || e.Record->Id > highest) highest = e.Record->Id;
    any = true;
  }
  return any ? highest + 1 : 0;
}

const TimerRecord* TimerListItem(int32_t Index) {
  TickService& s = Service();
  if (!s.Running || Index < 0 || static_cast<size_t>(Index) >= s.TimerList.size()) return nullptr;
  const Entry& e = s.TimerList[Index];
  return e.Removed ? nullptr : e.Record.get();
}

int32_t TickCounter() { return Service().TickCounter; }

void TickHook() {}

void TickServiceCallback() {
  TickService& s = Service();
  if (!s.Running) return;
  if (++s.TickCounter >= kBlinkSlots) {
    s.TickCounter = 0;
    BlinkPhase = !BlinkPhase;
  }
  // Records registered by a callback of this pass join at the next tick. The list only grows at
  // its end while a pass runs, so the indices below stay valid.
  const size_t count = s.TimerList.size();
  PassScope pass;
  for (size_t i = 0; i < count && s.Running; ++i) {
    TimerRecord& rec = *s.TimerList[i].Record;
    if (s.TimerList[i].Removed || !rec.Callback || !rec.Active) continue;
    if (rec.Synchronised) {
      if (rec.Reload != s.TickCounter || rec.Busy) continue;
      FireRecord(rec);
      continue;
    }
    if (rec.Countdown > 1) {
      --rec.Countdown;
      continue;
    }
    if (rec.Busy) {
      rec.Countdown = 1;  // still running in an outer tick: try again at the next one
      continue;
    }
    FireRecord(rec);
  }
}

void TickServiceStartup() {
  TickService& s = Service();
  FreeRemoved();
  s.Running = true;
  s.TickCounter = 0;
  s.NextSyncSlot = 0;
  BlinkPhase = false;
}

void TickServiceShutdown() {
  TickService& s = Service();
  if (!s.Running) return;
  s.Running = false;
  for (Entry& e : s.TimerList) e.Removed = true;
  s.HasRemoved = true;
  FreeRemoved();
}
