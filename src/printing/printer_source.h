#pragma once
// Where a print job goes: the system's default printer, or, on a machine without a printer, a PDF
// file in the user's documents folder. Tests hand in a printer of their own (a PDF file in a
// temporary folder, or one that cannot be written) so no job ever reaches a real printer.

#include <QString>

#include <functional>
#include <memory>

class QPrinter;

namespace orlevant {

struct PrinterSource {
  // The printer to print on, or nullptr when the machine has none. Empty: the system's default
  // printer (or its first printer when none is marked the default).
  std::function<std::unique_ptr<QPrinter>()> openPrinter;
};

// The system's default printer at its full resolution; nullptr when there is no printer.
std::unique_ptr<QPrinter> OpenSystemPrinter();

// A printer that writes PDF files, on the paper of the user's locale (Letter in the United States,
// A4 elsewhere). The file is named at print time.
std::unique_ptr<QPrinter> OpenPdfPrinter();

// The XDG documents folder when it exists, else the home folder.
QString DocumentsFolder();

// "<folder>/<program> - <month>.pdf", or with " (2)", " (3)" ... before ".pdf" when a file of that
// name is there already, so an earlier print is never overwritten. Characters that cannot stand in
// a file name are replaced by "-".
QString NewPdfPath(const QString& folder, const QString& programName, const QString& monthText);

}  // namespace orlevant
