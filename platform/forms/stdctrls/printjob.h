#pragma once
// Where a printed document goes and how it gets there: a PDF file (the one the user chose, or a
// new one in the documents folder) or a CUPS queue. Included only by the printer and its dialogs.

#include <QByteArray>
#include <QPageLayout>
#include <string>

namespace print_internal {

// The output of one document. Both empty: a new file in the documents folder.
struct TPrintTarget {
  std::string Queue;  // a CUPS queue (the document goes there as a PDF job)
  std::string File;   // a file chosen by the user (file-system bytes), replaced when it exists
};

// Dots per inch of a PDF page: 300, or a multiple of it at which the largest screen fits the
// printable area, so that a snapshot of anything on the screen is never squeezed on the page.
int PdfResolution(const QPageLayout& Layout);
// The desktop's default queue; empty where there is none.
std::string DefaultQueue();
bool QueueExists(const std::string& Queue);

// A queue's page: its paper and printable area in the given orientation, and the dots per inch
// it prints at (its own default resolution, 300 when it names none).
struct TQueuePage {
  QPageLayout Layout;
  int Dpi = 300;
};
TQueuePage QueuePage(const std::string& Queue, QPageLayout::Orientation Orientation);

// The name a new file of the document would get now: the first free
// "<documents>/<name>-<n>.pdf".
std::string FreeFileName(const std::string& Name);

// Sends the finished PDF document. A file is written safely (an existing one is replaced only
// once the new one is complete); without a target a new "<documents>/<name>-<n>.pdf" is made,
// never replacing an earlier one. A queue gets the copies and collation. Returns the file
// written (empty for a queue); throws EPrinter with the system's reason when it fails.
std::string Deliver(const TPrintTarget& Target, const std::string& Name, const std::string& Title,
                    const QByteArray& Pdf, int Copies, bool Collate);

}  // namespace print_internal
