#include "printing/printer_source.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace orlevant {

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

QString NewPdfPath(const QString& folder, const QString& programName, const QString& monthText) {
  QString base = programName + QStringLiteral(" - ") + monthText;
  for (QChar& c : base) {
    if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control) c = QLatin1Char('-');
  }
  const QDir dir(folder);
  QString path = dir.filePath(base + QStringLiteral(".pdf"));
  for (int n = 2; QFileInfo::exists(path); ++n)
    path = dir.filePath(base + QStringLiteral(" (%1).pdf").arg(n));
  return path;
}

}  // namespace orlevant
