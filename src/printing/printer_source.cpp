#include "printing/printer_source.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orlevant {

namespace {

// Far more copies of one month than anyone prints; past it something else is wrong.
constexpr int kMostNumberedNames = 10000;

// Whether the name still leads to the open file: what stands there may have been put in its place.
bool NameLeadsTo(const QByteArray& path, int fd) {
  struct stat atName {};
  struct stat opened {};
  return ::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &atName) == 0 && atName.st_dev == opened.st_dev &&
         atName.st_ino == opened.st_ino;
}

}  // namespace

PrinterSource SystemPrinterSource() { return {OpenSystemPrinter, ServerPrintSystem()}; }

std::unique_ptr<QPrinter> OpenSystemPrinter() {
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (names.isEmpty()) return nullptr;
    info = QPrinterInfo::printerInfo(names.first());
    if (info.isNull()) return nullptr;
  }
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::unique_ptr<QPrinter> OpenPdfPrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
  printer->setPageSize(QPageSize(us ? QPageSize::Letter : QPageSize::A4));
  return printer;
}

QString DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

QString PrintJobName(const QString& programName, const QString& monthText) {
  return programName + QStringLiteral(" - ") + monthText;
}

NewFile CreateNewPdf(const QString& folder, const QString& name) {
  QString base = name;
  for (QChar& c : base) {
    if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control) c = QLatin1Char('-');
  }
  const QDir dir(folder);
  NewFile made;
  for (int n = 1; n <= kMostNumberedNames; ++n) {
    made.path = dir.filePath(base + (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n)) + QStringLiteral(".pdf"));
    // O_EXCL refuses any entry at the name, a link that leads nowhere included, and never follows
    // one; so the file is ours and new from this moment.
    const QByteArray path = QFile::encodeName(made.path);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) {
      const int error = errno;
      made.error = QStringLiteral("The file \"%1\" could not be made: %2.").arg(made.path, qt_error_string(error));
      return made;
    }
    made.file = std::make_unique<QFile>();
    if (!made.file->open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
      if (NameLeadsTo(path, fd)) ::unlink(path.constData());
      ::close(fd);
      made.file.reset();
      made.error = QStringLiteral("The file \"%1\" could not be written.").arg(made.path);
    }
    return made;
  }
  made.error = QStringLiteral("There are too many files named \"%1\" in \"%2\" already.").arg(base, folder);
  made.path.clear();
  return made;
}

void DiscardNewFile(NewFile& made) {
  if (!made.file) return;
  const QByteArray path = QFile::encodeName(made.path);
  if (made.file->isOpen() && NameLeadsTo(path, made.file->handle())) ::unlink(path.constData());
  made.file.reset();
}

}  // namespace orlevant
