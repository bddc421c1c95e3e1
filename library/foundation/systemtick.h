#pragma once
// The platform timer under the tick service (internal to the unit).

// Asks the platform for the periodic 55 ms timer that calls TickServiceCallback. False when
// none could be had.
bool StartSystemTickTimer();

// Stops the timer when it runs.
void StopSystemTickTimer();
