#pragma once
// What the print tests share: a loaded main window over a temporary home with a fixed clock and
// scripted message boxes, a PDF "printer" in a temporary folder with known margins, and readers of
// the PDF it writes (text through pdftotext, pages through pdfinfo, the page as pixels through
// pdftoppm, all from poppler-utils).

#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/events_file.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "platform/date_format.h"
#include "platform/paths.h"
#include "printing/frm_print_options.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_home.h"

namespace orlevant::testing {

inline constexpr double kTestMarginPoints = 36;  // half an inch on every side: 720 twips

class PrintFixture {
 public:
  PrintFixture() : clock_({DateSerial(2026, 5, 12), 12, 0, 0}) {
    SetAppClock(&clock_);
    app_.month.FormatDateText = [](const DateTime& when, std::string_view pattern) {
      return FormatDate(when, pattern, EnglishLocaleNames());
    };
    pdf_ = QString::fromStdString((home_.Root() / "out.pdf").string());
  }
  ~PrintFixture() {
    window_.reset();
    SetAppClock(nullptr);
  }
  PrintFixture(const PrintFixture&) = delete;
  PrintFixture& operator=(const PrintFixture&) = delete;

  // Event lines written to the events file before the window loads.
  void WriteEvents(const std::vector<std::string>& lines) {
    std::ofstream out(EventFilePath(DefaultAllUsersPath()), std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
  }
  void Set(const char* key, const std::string& value) { QVERIFY(app_.store.Write(key, value)); }

  frmMain& Load() {
    Set("FirstUse", "1");
    window_ = std::make_unique<frmMain>(app_);
    window_->Form_Load();
    window_->TimerDate().stop();
    return *window_;
  }

  // A PDF file at PdfPath(): A4 with half-inch margins.
  std::unique_ptr<QPrinter> TestPrinter() const { return PdfPrinterAt(pdf_); }
  static std::unique_ptr<QPrinter> PdfPrinterAt(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(kTestMarginPoints, kTestMarginPoints, kTestMarginPoints, kTestMarginPoints),
                            QPageLayout::Point);
    return printer;
  }
  PrinterSource TestSource() const {
    return PrinterSource{[this] { return TestPrinter(); }};
  }

  std::unique_ptr<frmPrintOptions> OpenDialog(PrinterSource source) {
    auto dialog = std::make_unique<frmPrintOptions>(*window_, std::move(source));
    dialog->Form_Load();
    return dialog;
  }
  std::unique_ptr<frmPrintOptions> OpenDialog() { return OpenDialog(TestSource()); }

  const QString& PdfPath() const { return pdf_; }
  AppContext& App() { return app_; }
  frmMain& Window() { return *window_; }
  TempHome& Home() { return home_; }
  ScriptedMessageBoxes& Boxes() { return boxes_; }

 private:
  TempHome home_;
  FixedClock clock_;
  ScriptedMessageBoxes boxes_;
  AppContext app_;
  std::unique_ptr<frmMain> window_;
  QString pdf_;
};

inline QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(program);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of pages first .. last, one text line per printed line, blanks trimmed, empty lines dropped.
inline QStringList PdfLines(const QString& pdf, int first = 1, int last = 1) {
  const QString text = Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"),
                                                         QString::number(first), QStringLiteral("-l"),
                                                         QString::number(last), pdf, QStringLiteral("-")});
  QStringList lines;
  for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\\n\\f]")))) {
    const QString trimmed = line.trimmed();
    if (!trimmed.isEmpty()) lines << trimmed;
  }
  return lines;
}

inline int PdfPages(const QString& pdf) {
  const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
  const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The first page at 72 dots per inch: one pixel per point.
inline QImage PdfFirstPage(const QString& pdf, const QString& prefix) {
  Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"),
                                   QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                   QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
  return QImage(prefix + QStringLiteral(".png"));
}

// The smallest rectangle holding every pixel that is not near white, within rows [top, bottom).
inline QRect InkBounds(const QImage& page, int top, int bottom) {
  QRect bounds;
  for (int y = std::max(0, top); y < std::min(bottom, page.height()); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      if (c.red() < 235 || c.green() < 235 || c.blue() < 235) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

}  // namespace orlevant::testing
