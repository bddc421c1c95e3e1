#pragma once
// A tick-service record held by a component: registered when the component is built, removed
// when it goes. The callback runs on the GUI thread from the tick service.

#include <cstdint>
#include <functional>

enum class TTickKind {
  // Fires once per 7-tick blink cycle in its own phase slot, from registration on; the callback
  // reads BlinkPhase. Every blinking element uses one, so all of them change together.
  Blink,
  // Inactive until Start; then fires every interval until Stop.
  Interval,
};

class TTickRecord {
 public:
  TTickRecord(TTickKind Kind, std::function<void()> Callback);
  ~TTickRecord();
  TTickRecord(const TTickRecord&) = delete;
  TTickRecord& operator=(const TTickRecord&) = delete;

  // (Re)starts an interval record: the first firing after Ms (in ticks of 55.5 ms, at least one);
  // 0 keeps the record as it is.
  void Start(uint16_t Ms);
  void Stop();
  // -1 when the service could not register it (then it never fires).
  int32_t Id() const { return FId; }

 private:
  int32_t FId = -1;
};
