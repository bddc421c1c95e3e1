#pragma once
// The Qt side shared by the standard controls that wrap a Qt widget; included only by their .cpp
// files.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

class QPrinter;

#include <QStringList>

#include "platform/base/stringlist.h"
#include "platform/forms/controls.h"

namespace forms_internal {

QColor QtColor(TColor Color);
QFont QtFont(const TFont& Font);

// Routes a wrapped widget's input as the window system would: keys through the application's
// message hooks, the form's navigation and the control's key handlers (a key they use up never
// reaches the widget), mouse presses through the message hooks, focus changes to the form, the
// hovered control's hint to the application and its short hint as a tooltip.
void WatchInput(QWidget* Widget, TWinControl* Control);

// The lines as Qt text.
QStringList QtLines(const TStringList& Lines);

// Ends WatchInput.
void Unwatch(QWidget* Widget);

// Gives the widget the control's font and, where the widget has a background of its own
// (QPalette::NoRole: none), its colour.
void ApplyLook(QWidget* Widget, const TControl* Control, QPalette::ColorRole Background);

// The printer's Qt side, for the print and page setup dialogs; tell the printer when they
// changed the page.
QPrinter& QtPrinter();
void PrinterPageChanged();
// A print dialog's choice for the next document: a queue, or else a file (empty: a new file).
void PrinterChosen(const std::string& Queue, const std::string& File);
// What the next document would go to without a choice: a queue, or the file it would make.
std::string PlannedPrinterOutput();

}  // namespace forms_internal
