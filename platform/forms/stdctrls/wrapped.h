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

QColor QtColor(TColor color);
QFont QtFont(const TFont& font);

// Routes a wrapped widget's input as the window system would: keys through the application's
// message hooks, the form's navigation and the control's key handlers (a key they use up never
// reaches the widget), mouse presses through the message hooks, focus changes to the form, the
// hovered control's hint to the application and its short hint as a tooltip.
void WatchInput(QWidget* widget, TWinControl* control);

// The lines as Qt text.
QStringList QtLines(const TStringList& lines);

// Ends WatchInput.
void Unwatch(QWidget* widget);

// Gives the widget the control's font and, where the widget has a background of its own
// (QPalette::NoRole: none), its colour.
void ApplyLook(QWidget* widget, const TControl* control, QPalette::ColorRole background);

// The printer's Qt side, for the print and page setup dialogs; tell the printer when they
// changed the page.
QPrinter& QtPrinter();
void PrinterPageChanged();
// A print dialog's choice for the next document: a queue, or else a file (empty: a new file).
void PrinterChosen(const std::string& queue, const std::string& file);
// What the next document would go to without a choice: a queue, or the file it would make.
std::string PlannedPrinterOutput();

}  // namespace forms_internal
