#pragma once
// What the print tests share: a loaded main window over the main window fixture's temporary home,
// fixed clock and scripted message boxes, a PDF "printer" in a temporary folder with known
// margins, and readers of the PDF it writes (text through pdftotext, pages and title through
// pdfinfo, the page as pixels through pdftoppm, all from poppler-utils).

#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QString>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "printing/frm_print_options.h"

namespace orlevant::testing {

inline constexpr double kTestMarginPoints = 36;  // half an inch on every side: 720 twips

class PrintFixture {
 public:
  PrintFixture() : pdf_(QString::fromStdString((main_.home->Root() / "out.pdf").string())) {}

  // Event lines written to the events file before the window loads.
  void WriteEvents(const std::vector<std::string>& lines) { testing::WriteEvents(lines); }
  void Set(const char* key, const std::string& value) { QVERIFY(main_.app.store.Write(key, value)); }

  frmMain& Load() {
    Set("FirstUse", "1");
    main_.window = std::make_unique<frmMain>(main_.app);
    main_.window->Form_Load();
    main_.window->TimerDate().stop();
    return *main_.window;
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
  std::unique_ptr<frmPrintOptions> OpenDialog(PrinterSource source) {
    auto dialog = std::make_unique<frmPrintOptions>(*main_.window, std::move(source));
    dialog->Form_Load();
    return dialog;
  }
  std::unique_ptr<frmPrintOptions> OpenDialog() {
    return OpenDialog(PrinterSource{[this] { return TestPrinter(); }});
  }

  const QString& PdfPath() const { return pdf_; }
  AppContext& App() { return main_.app; }
  TempHome& Home() { return *main_.home; }
  ScriptedMessageBoxes& Boxes() { return main_.boxes; }

 private:
  MainWindowFixture main_;
  QString pdf_;
};

// A click on an option's button, as the user makes it.
inline void Choose(QRadioButton* option) { QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2)); }

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

inline QString PdfTitle(const QString& pdf) {
  const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
  const QRegularExpression title(QStringLiteral("^Title:\\s+(.*)$"), QRegularExpression::MultilineOption);
  const auto match = title.match(info);
  return match.hasMatch() ? match.captured(1).trimmed() : QString();
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
