#pragma once
// Shared pieces of the forms layer's Qt side; included only by the layer's own .cpp files.

#include <QCursor>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/forms/input.h"

class QKeyEvent;
class QWidget;

namespace forms_internal {

// The process's Qt application, made on first need (tests and programs never make their own).
void EnsureQtApplication();

// Text: Windows-1252 bytes <-> Unicode, at the edge to Qt.
QString ToQt(const std::string& Text);
std::string FromQt(const QString& Text);
// File names: the file system's bytes <-> Qt's names, without loss (platform/base/paths.h).
QString PathToQt(const std::string& Path);
std::string PathFromQt(const QString& Path);

// CR LF and lone CRs as LF, the line breaks of Qt's texts.
std::string LfLineBreaks(const std::string& Text);

// Number of posted messages not yet delivered (for the test pump).
int PendingPostedMessages();

// Other work waiting in the queue (pending paints), counted by whoever schedules it.
void AddPendingCounter(std::function<int()> Counter);
int PendingWork();

// Called with depth 0 when a dispatch from the window system ends (resets per-message state).
void AddDispatchEndHook(std::function<void()> Hook);
void RunDispatchEndHooks();

// Input state as processed so far (read by GetKeyState).
void NoteKey(uint16_t Vk, bool Down);
void NoteModifiers(Qt::KeyboardModifiers Modifiers);
void NoteButtons(Qt::MouseButtons Buttons);
void ForgetInputState();

// The layout-independent virtual key of a key event; 0 when it has none.
uint16_t VirtualKeyOf(const QKeyEvent& Event);
// The character a key event types, as one Windows-1252 byte (control characters included);
// -1 when it types none.
int CharOf(const QKeyEvent& Event);

QCursor QtCursor(TCursor Cursor);

// The window a dialog opens from (the modal one, else the active one), so that the window
// manager keeps the dialog above it; nullptr when none of ours is active.
QWidget* DialogParent();

// The scroll code (SB_LINEUP .. SB_BOTTOM) of a scroll bar's step action; -1 for any other action.
int ScrollCodeOfStep(int SliderAction);

}  // namespace forms_internal
