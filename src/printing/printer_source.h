#pragma once
// Where a print job goes: the system's default printer, or, on a machine without a printer, a new
// PDF file in the user's documents folder. Tests hand in a printer of their own (a PDF file in a
// temporary folder, or one that cannot be written) and, where they need one, a print server of
// their own, so no job ever reaches a real printer.

#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "printing/print_system.h"

class QFile;
class QPrinter;

namespace orlevant {

struct PrinterSource {
  // The printer to print on, or nullptr when the machine has none (or none was given).
  std::function<std::unique_ptr<QPrinter>()> openPrinter;
  // Asked after each job on that printer whether it took the job; nothing: not asked.
  std::optional<PrintSystem> printSystem = std::nullopt;
};

// The system's default printer, checked with the system's print server.
PrinterSource SystemPrinterSource();

// The system's default printer at its full resolution; nullptr when there is no printer.
std::unique_ptr<QPrinter> OpenSystemPrinter();

// A printer that writes PDF files, on the paper of the user's locale (Letter in the United States,
// A4 elsewhere). Its file is made at print time by CreateNewPdf.
std::unique_ptr<QPrinter> OpenPdfPrinter();

// The XDG documents folder when it exists, else the home folder.
QString DocumentsFolder();

// A print job's name, as the print queue lists it and as the PDF file written in its place is
// named: "<program> - <month>".
QString PrintJobName(const QString& programName, const QString& monthText);

struct NewFile {
  QString path;
  std::unique_ptr<QFile> file;  // open for writing; nullptr when no file could be made
  QString error;                // why not, for the user
};

// Makes "<folder>/<name>.pdf" new and opens it, or with " (2)", " (3)" ... before ".pdf" when
// anything at all stands at that name (a file, a folder, a link, even one that leads nowhere), so
// an earlier print is never overwritten and nothing is made through a link. The name is taken and
// the file opened in one step, and the job writes through the handle, never by the name again.
// Characters that cannot stand in a file name are replaced by "-".
NewFile CreateNewPdf(const QString& folder, const QString& name);

// Removes a file CreateNewPdf made, when its name still leads to it, and closes it.
void DiscardNewFile(NewFile& made);

}  // namespace orlevant
