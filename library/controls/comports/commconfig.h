#pragma once
// The port configuration dialog: baud rate, data bits, parity, stop bits and software handshake
// of one serial port, edited in a modal dialog. Answered through the dialog hook when one is set
// (request kind "TCommConfigDialog", the settings as text both ways, see CommSettingsText).

#include <cstdint>
#include <string>

#include "platform/devices/serial.h"
#include "platform/forms/messages.h"

// The baud rates the port component takes.
constexpr int kMinBaudRate = 75;
constexpr int kMaxBaudRate = 115000;
inline bool BaudRateTaken(int32_t Rate) { return Rate >= kMinBaudRate && Rate <= kMaxBaudRate; }

// True when the user confirmed the dialog; Dcb then holds the new settings, else it is unchanged.
bool CommConfigDialog(const std::string& Name, HWND Parent, DCB& Dcb);

// The settings in the usual short form: "9600,8,N,2,X" (baud, data bits, parity N/O/E/M/S,
// stop bits 1/1.5/2, then X with software handshake or - without).
std::string CommSettingsText(const DCB& Dcb);
// Reads that form into Dcb; false (Dcb unchanged) when the text does not fit it or the rate lies
// outside the rates the component takes.
bool ParseCommSettings(const std::string& Text, DCB& Dcb);
