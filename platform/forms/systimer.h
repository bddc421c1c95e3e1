#pragma once
// The window system's timer with a callback and no window: a periodic call on the GUI thread from
// the event loop, in the main loop and in every nested loop (modal forms, message boxes,
// ProcessMessages). Late ticks are merged, never queued; a callback that runs a nested loop gets
// further ticks inside it.

#include <cstdint>
#include <functional>

using TTimerProc = std::function<void()>;

// Starts a timer; returns its identifier, 0 when no timer could be had.
uintptr_t SetTimer(unsigned Elapse, TTimerProc Callback);
// Stops it; no call follows, also none already due. False for an unknown identifier.
bool KillTimer(uintptr_t Id);
