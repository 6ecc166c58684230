#pragma once
// The printed month: the main window's picture placed on the page as the print options say, and
// the shown month's events list under it (or above it, when the picture stands at the bottom),
// going on over further pages when it is long. It goes to a printer, or into a new PDF file.

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "monthview/print_layout.h"
#include "printing/print_system.h"

class QFontMetricsF;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace orlevant {

struct PrintChoice {
  int position = 0;  // as the dialog's option buttons: 0 Centre .. 4 Bottom Right
  int centring = 0;  // 0 Horizontal, 1 Vertical, 2 Both
  bool withList = true;
};

// One job: what it prints and the name it goes by.
struct MonthPrint {
  QString name;  // PrintJobName
  QPixmap picture;
  std::vector<std::string> listLines;
  PrintChoice choice;
};

struct PrintResult {
  bool ok = false;
  QString error;  // why the job failed, in words for the user
  int pages = 0;
  PicturePlacement placed;  // where the picture went, and the list's top
  QString pdfPath;          // the file PrintToNewPdf wrote
};

// The window as it draws itself now, at its own size: no copy of the screen, so windows in front
// of it, a compositor or a desktop that forbids screen copies never spoil the picture.
QPixmap CaptureWindow(QWidget& source);

// The printable area of the page in twips, for the orientation in force.
QSize PrintableTwips(const QPagedPaintDevice& page);

// Prints one job on a printer whose orientation, resolution and copies are already set, under the
// job's name. A printer or file that refuses the job gives ok = false with the reason, and so does
// a print server (when one is given) that did not take it; nothing waits for the user.
PrintResult PrintOnPrinter(QPrinter& printer, const std::optional<PrintSystem>& server, const MonthPrint& job);

// Prints one job into a new PDF file in `folder` named after the job (CreateNewPdf), on the page
// and at the resolution of `settings`. On success pdfPath names the file; on failure no file of
// the job is left behind.
PrintResult PrintToNewPdf(const QString& folder, const QPrinter& settings, const MonthPrint& job);

// Breaks text into lines no wider than width (in the metrics' units), at blanks where it can and
// inside a word only where a word alone is too wide.
QStringList WrapToWidth(const QString& text, const QFontMetricsF& metrics, double width);

}  // namespace orlevant
