#pragma once
// The shared tick service: one 55 ms system timer drives every periodic job of the library
// (blinking, auto-repeat, damping, animation, polling). Each job is a timer record identified by
// an Id; an Id of -1 (or any unknown Id) makes every operation do nothing.

#include <cstdint>
#include <functional>
#include <memory>

class TObject;

// A record's callback. The service always passes nullptr as Sender.
using TTickProc = std::function<void(TObject* Sender)>;

// One registration. Allocated and owned by the service; components only hold the Id.
struct TimerRecord {
  bool Busy = false;    // the callback is running (possibly in an outer tick)
  bool Active = false;  // takes part in the ticks
  int32_t Id = 0;
  uint16_t Reload = 0;     // interval in ticks; the phase slot 0..6 for a synchronised record
  uint16_t Countdown = 0;  // ticks left until the next firing (unused when synchronised)
  TTickProc Callback;
  bool Synchronised = false;  // fires once per blink cycle in slot Reload
};

// The shared blink phase; flips every 7 ticks. Every blinking element reads it so that all of
// them blink in step.
extern bool BlinkPhase;

// Language of the library's two-language messages: English while True, German while False.
extern bool EnglishTexts;

// Registers an inactive record (interval 1000 ticks) and returns its Id, or -1 when no record
// could be allocated. The record does nothing until TimerSetInterval starts it.
int32_t TimerRegister(TTickProc Callback);

// Registers an active record that fires once per 7-tick blink cycle in the next free phase slot
// (slots are given out round-robin). Returns its Id or -1.
int32_t TimerRegisterSync(TTickProc Callback);

// Starts or restarts a record: the interval becomes Round(Ms / 55.5) ticks, at least 1, and the
// first firing comes after one full interval. An interval of 0 changes nothing.
void TimerSetInterval(int32_t Id, uint16_t Ms);

// Deactivates a record; it stays registered.
void TimerStop(int32_t Id);

// Unregisters and frees a record. Safe from inside any tick callback, its own included.
void TimerRemove(int32_t Id);

// Index in the service's list of the record with this Id, -1 when there is none.
int32_t FindTimerIndex(int32_t Id);

// The Id the next registration gets: 1 + the highest Id in use, 0 when none is in use.
int32_t NextTimerId();

// A record with every field zero.
std::unique_ptr<TimerRecord> NewTimerRecord();

// Read-only view of the service's list, in registration order: the record at Index (as given by
// FindTimerIndex), nullptr outside the list or after the unit's exit.
const TimerRecord* TimerListItem(int32_t Index);

// Position in the current half blink cycle, 0..6.
int32_t TickCounter();

// Does nothing; drawing tick callbacks end with it.
void TickHook();

// One tick: advances the tick counter and the blink phase and fires the due records. Called by
// the system timer; tests call it directly to advance time.
void TickServiceCallback();

// Starts an empty service (part of the unit's start-up): tick counter 0, BlinkPhase False.
void TickServiceStartup();

// Frees every record; the tick operations do nothing afterwards (until the next start-up).
void TickServiceShutdown();

// Start-up of the unit: decimal separator '.', short date format "dd.mm.yy", segment tables,
// an empty record list and the 55 ms system timer. Throws EOutOfResources when no timer can be
// had. Calling it again after ExitOrvaneUnit starts a fresh service.
void InitOrvaneUnit();

// Exit of the unit: stops the system timer, then TickServiceShutdown.
void ExitOrvaneUnit();
