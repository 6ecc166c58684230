// The print job: what lands on the page of a PDF "printer" (the picture where computed, the list in
// day order, over two pages when long, none where the position excludes it), a Large window fitted
// to the page, the job's name, and the PDF file (never through whatever stands at its name) and
// messages where there is no printer or it refuses.

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <QFile>

#include <cstdio>
#include <fstream>
#include <optional>
#include <stdexcept>

#include "core/message_box.h"
#include "printing/print_job.h"
#include "test_print_fixture.h"

using namespace orlevant;
using orlevant::testing::Choose;
using orlevant::testing::InkBounds;
using orlevant::testing::PdfFirstPage;
using orlevant::testing::PdfLines;
using orlevant::testing::PdfPages;
using orlevant::testing::PdfTitle;
using orlevant::testing::PrintFixture;

namespace {

std::string Line(int day, int month, const std::string& text, const char* reminder = "000000") {
  char head[16];
  std::snprintf(head, sizeof head, "%02d/%02d/2026", day, month);
  return std::string(head) + reminder + "=" + text;
}

// Twips on the page to points on the sheet, the half-inch margin added.
double SheetPoints(int twips) { return orlevant::testing::kTestMarginPoints + twips / 20.0; }

void ExpectNear(double actual, double expected, const char* what) {
  QVERIFY2(std::abs(actual - expected) <= 2.0,
           qPrintable(QStringLiteral("%1: %2, expected %3").arg(QLatin1String(what)).arg(actual).arg(expected)));
}

using DayEvents = std::vector<std::string>;

constexpr int kNoOverride = -1;

// The shape of the program's override cursor at each moment a window is drawn (the job's picture
// is drawn that way) and each moment a message box comes up, answered by the boxes under it.
class CursorWatch final : public QObject, public MessageBoxes {
 public:
  CursorWatch(QWidget& window, MessageBoxes& under) : under_(under) {
    window.installEventFilter(this);
    SetAppMessageBoxes(this);
  }
  ~CursorWatch() override { SetAppMessageBoxes(&under_); }

  static int Now() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : kNoOverride;
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) whileDrawn.push_back(Now());
    return false;
  }
  MsgAnswer Show(MsgIcon icon, MsgButtons buttons, const std::string& title, const std::string& text) override {
    atBoxes.push_back(Now());
    return under_.Show(icon, buttons, title, text);
  }

  std::vector<int> whileDrawn;
  std::vector<int> atBoxes;

 private:
  MessageBoxes& under_;
};

}  // namespace

Q_DECLARE_METATYPE(DayEvents)

class TestPrintJob : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<PrintFixture> f_;

  QImage FirstPage() {
    return PdfFirstPage(f_->PdfPath(), QString::fromStdString((f_->Home().Root() / "page").string()));
  }

 private slots:
  void init() { f_ = std::make_unique<PrintFixture>(); }
  void cleanup() { f_.reset(); }

  // The picture at the computed place and size; the list of the shown month (its lines are the events
  // list test's) under the picture or above one at the bottom. Vertical prints the picture alone,
  // though the box stays checked; so does an unchecked box.
  void pictureAndListWhereComputed_data() {
    QTest::addColumn<DayEvents>("events");
    QTest::addColumn<QList<int>>("choice");  // position, centring, list box checked
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QPoint>("picture");  // twips on the page; the picture is 7560 x 5970
    const DayEvents dentist{Line(12, 5, "Dentist")};
    QTest::newRow("list under the picture")
        << DayEvents{Line(20, 5, "Concert"), Line(3, 5, "Meeting"), Line(20, 5, "Dentist", "010000")}
        << QList<int>{0, 0, 1}
        << QStringList{"Events List:", "Sun - May. 3 - Meeting", "Wed - May. 20 - .Dentist - Concert"}
        << QPoint(1438, 0);
    QTest::newRow("list above a picture at the bottom")
        << DayEvents{Line(4, 5, "Early"), Line(28, 5, "Late")} << QList<int>{4, 0, 1}
        << QStringList{"Events List:", "Mon - May. 4 - Early", "Thu - May. 28 - Late"} << QPoint(2876, 9406);
    QTest::newRow("no events this month: the heading alone")
        << DayEvents{Line(2, 6, "Next month"), Line(30, 4, "Last month")} << QList<int>{0, 0, 1}
        << QStringList{"Events List:"} << QPoint(1438, 0);
    QTest::newRow("vertical") << dentist << QList<int>{0, 1, 1} << QStringList{} << QPoint(0, 4703);
    QTest::newRow("box unchecked") << dentist << QList<int>{0, 0, 0} << QStringList{} << QPoint(1438, 0);
  }
  void pictureAndListWhereComputed() {
    QFETCH(DayEvents, events);
    QFETCH(QList<int>, choice);
    QFETCH(QStringList, printed);
    QFETCH(QPoint, picture);
    f_->WriteEvents(events);
    QCOMPARE(f_->Load().size(), QSize(504, 398));
    auto d = f_->OpenDialog();
    const bool checked = choice[2];
    if (!checked) d->chkEvents->click();
    Choose(choice[0] ? d->optPosition[std::size_t(choice[0])] : d->optCentre[std::size_t(choice[1])]);
    QCOMPARE(d->chkEvents->isChecked(), checked);
    d->cmdPrint->click();
    QVERIFY(f_->Boxes().shown.empty());

    QCOMPARE(PdfPages(f_->PdfPath()), 1);
    QCOMPARE(PdfLines(f_->PdfPath()), printed);
    // The ink of the band the picture should fill, the list's lines kept out of it.
    const int top = static_cast<int>(SheetPoints(picture.y())) - 4;
    const QRect ink = InkBounds(FirstPage(), top, static_cast<int>(SheetPoints(picture.y() + 5970)) + 4);
    ExpectNear(ink.left(), SheetPoints(picture.x()), "left");
    ExpectNear(ink.top(), SheetPoints(picture.y()), "top");
    ExpectNear(ink.width(), 7560 / 20.0, "width");
    ExpectNear(ink.height(), 5970 / 20.0, "height");
  }

  // Landscape leaves room for a few lines under the picture; the rest follow on page 2, in order.
  void aLongListContinuesOnPageTwo() {
    std::vector<std::string> lines;
    QStringList expected{"Events List:"};
    const char* weekdays[] = {"Fri", "Sat", "Sun", "Mon", "Tue", "Wed", "Thu"};
    for (int day = 1; day <= 31; ++day) {
      lines.push_back(Line(day, 5, "Event " + std::to_string(day)));
      expected << QStringLiteral("%1 - May. %2 - Event %2").arg(QLatin1String(weekdays[(day - 1) % 7])).arg(day);
    }
    f_->WriteEvents(lines);
    f_->Load();
    auto d = f_->OpenDialog();
    Choose(d->optPrintMode[1]);
    d->cmdPrint->click();
    QCOMPARE(PdfPages(f_->PdfPath()), 2);
    const QStringList first = PdfLines(f_->PdfPath(), 1, 1);
    const QStringList second = PdfLines(f_->PdfPath(), 2, 2);
    QVERIFY2(first.size() > 5 && second.size() > 5, qPrintable(QString::number(first.size())));
    QCOMPARE(first + second, expected);
  }

  // A word wider than the line is broken between characters, each piece within the width, whatever
  // the word is made of.
  void wideWordsAreBrokenBetweenCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("one long word") << QString(1200, QLatin1Char('x'));
    QString plane;  // mathematical letters, two UTF-16 units each
    for (int i = 0; i < 400; ++i) plane += QString::fromUcs4(U"\U0001D400\U0001D41A");
    QTest::newRow("letters outside the basic plane") << plane;
    QTest::newRow("words, then a long one") << QStringLiteral("a few words first ") + QString(700, QLatin1Char('y')) +
                                                    QStringLiteral(" and after");
  }
  void wideWordsAreBrokenBetweenCharacters() {
    QFETCH(QString, text);
    QFont font;
    font.setPointSize(12);
    const QFontMetricsF metrics(font);
    const double width = 300;
    const QStringList pieces = WrapToWidth(text, metrics, width);
    QVERIFY(pieces.size() >= 3);
    for (const QString& piece : pieces) {
      QVERIFY(!piece.isEmpty());
      QVERIFY2(metrics.horizontalAdvance(piece) <= width, qPrintable(piece));
      QVERIFY2(!piece.back().isHighSurrogate() && !piece.front().isLowSurrogate(), "a character was cut in two");
    }
    QCOMPARE(pieces.join(QString()).remove(QLatin1Char(' ')), QString(text).remove(QLatin1Char(' ')));
  }

  // A line wider than the page is broken, not cut off.
  void aLongDayIsBrokenOverLines() {
    std::string text;
    for (int i = 0; i < 40; ++i) text += "word" + std::to_string(i) + " ";
    f_->WriteEvents({Line(7, 5, text)});
    f_->Load();
    auto d = f_->OpenDialog();
    d->cmdPrint->click();
    const QStringList printed = PdfLines(f_->PdfPath());
    QVERIFY2(printed.size() >= 3, qPrintable(printed.join('|')));
    QVERIFY(printed[1].startsWith(QStringLiteral("Thu - May. 7 - word0 ")));
    QVERIFY(printed.last().endsWith(QStringLiteral("word39")));
    QCOMPARE(printed.mid(1).join(' ').simplified(), QString::fromStdString("Thu - May. 7 - " + text).simplified());
  }

  // The Large calendar of a 1920 x 1080 screen is wider than the page: it is scaled down whole, and
  // the window goes to the screen's left edge, where it stays.
  void aLargeWindowIsScaledToFit() {
    f_->Set("BoxStyle", "2");
    frmMain& w = f_->Load();
    f_->App().month.ScreenWidth = 1920 * 15;
    f_->App().month.ScreenHeight = 1080 * 15;
    w.SettingsChanged();
    const QSize window = w.size();
    QVERIFY2(window.width() * 15 > 15400, qPrintable(QString::number(window.width())));
    w.move(300, 40);
    auto d = f_->OpenDialog();
    QVERIFY(d->optPrintMode[1]->isChecked());
    d->cmdPrint->click();
    QCOMPARE(w.x(), 0);
    QCOMPARE(w.y(), 40);
    QCOMPARE(f_->App().month.WindowLeft, 0);

    const QImage page = FirstPage();
    const double scale = (15400 - 24) / (window.width() * 15.0);
    const double height = window.height() * 15 * scale;
    const QRect picture = InkBounds(page, 0, static_cast<int>(SheetPoints(static_cast<int>(height))) + 2);
    ExpectNear(picture.left(), SheetPoints(0), "left");
    ExpectNear(picture.width(), (15400 - 24) / 20.0, "width");
    ExpectNear(picture.height(), height / 20.0, "height");
    QVERIFY(picture.right() <= SheetPoints(15400) + 1);
  }

  // No printer: a PDF named after the program and the month in the documents folder (the home
  // folder without one), never over an earlier one, and the user is told where it is.
  void withoutAPrinterThePdfGoesToTheDocumentsFolder_data() {
    QTest::addColumn<bool>("documentsFolder");
    QTest::newRow("documents folder") << true;
    QTest::newRow("home folder") << false;
  }
  void withoutAPrinterThePdfGoesToTheDocumentsFolder() {
    QFETCH(bool, documentsFolder);
    f_->WriteEvents({Line(12, 5, "Dentist")});
    f_->Load();
    const auto folder = documentsFolder ? f_->Home().Root() / "Documents" : f_->Home().Root();
    if (documentsFolder) std::filesystem::create_directories(folder);
    auto d = f_->OpenDialog(PrinterSource{[] { return std::unique_ptr<QPrinter>(); }});
    QVERIFY(d->PrintsToPdfFile());
    d->cmdPrint->click();
    d->cmdPrint->click();

    const auto first = folder / "Orlevant - May 2026.pdf";
    const auto second = folder / "Orlevant - May 2026 (2).pdf";
    QVERIFY(std::filesystem::exists(first));
    QVERIFY(std::filesystem::exists(second));
    QCOMPARE(d->LastPdfPath(), QString::fromStdString(second.string()));
    QCOMPARE(PdfLines(QString::fromStdString(first.string())), (QStringList{"Events List:", "Tue - May. 12 - Dentist"}));
    QCOMPARE(PdfTitle(QString::fromStdString(first.string())), QStringLiteral("Orlevant - May 2026"));
    QCOMPARE(int(f_->Boxes().shown.size()), 2);
    const auto& box = f_->Boxes().shown[0];
    QCOMPARE(box.icon, MsgIcon::Information);
    QCOMPARE(box.title, AppTitle() + " - Print");
    QVERIFY2(box.text.find(first.string()) != std::string::npos, box.text.c_str());
  }

  // A link at the PDF's name, even one that leads nowhere, takes the name: the month goes to the
  // next free name, and nothing is made where a link leads.
  void aPdfIsNeverWrittenThroughALink_data() {
    QTest::addColumn<int>("links");  // at the first names, each to a file that is not there
    QTest::newRow("a link to nowhere") << 1;
    QTest::newRow("links at the first two names") << 2;
  }
  void aPdfIsNeverWrittenThroughALink() {
    namespace fs = std::filesystem;
    QFETCH(int, links);
    f_->WriteEvents({Line(12, 5, "Dentist")});
    f_->Load();
    const fs::path documents = f_->Home().Root() / "Documents";
    const fs::path elsewhere = f_->Home().Root() / "elsewhere";
    fs::create_directories(documents);
    fs::create_directories(elsewhere);
    const auto named = [&](int n) {
      return documents / ("Orlevant - May 2026" + (n == 1 ? std::string() : " (" + std::to_string(n) + ")") + ".pdf");
    };
    for (int n = 1; n <= links; ++n) fs::create_symlink(elsewhere / (std::to_string(n) + ".pdf"), named(n));
    auto d = f_->OpenDialog(PrinterSource{[] { return std::unique_ptr<QPrinter>(); }});
    d->cmdPrint->click();

    const fs::path pdf = named(links + 1);
    QCOMPARE(d->LastPdfPath(), QString::fromStdString(pdf.string()));
    QVERIFY(fs::is_regular_file(fs::symlink_status(pdf)));
    QCOMPARE(PdfLines(QString::fromStdString(pdf.string())), (QStringList{"Events List:", "Tue - May. 12 - Dentist"}));
    QVERIFY2(fs::is_empty(elsewhere), "a file was made where a link led");
  }

  // The file is written, and a failed one removed, through what was made, never by its name again:
  // a link put at the name afterwards is neither written through nor removed.
  void aNewPdfIsWrittenAndDiscardedThroughItsHandle() {
    namespace fs = std::filesystem;
    const fs::path folder = f_->Home().Root();
    NewFile made = CreateNewPdf(QString::fromStdString(folder.string()), QStringLiteral("Month"));
    QVERIFY2(made.file, qPrintable(made.error));
    const fs::path at = made.path.toStdString();
    fs::rename(at, folder / "moved.pdf");
    fs::create_symlink(folder / "target", at);
    QCOMPARE(made.file->write("written"), qint64(7));
    QVERIFY(made.file->flush());
    DiscardNewFile(made);
    QVERIFY(!fs::exists(fs::symlink_status(folder / "target")));
    QVERIFY(fs::is_symlink(at));
    QCOMPARE(fs::file_size(folder / "moved.pdf"), std::uintmax_t(7));
  }

  // The job goes by the month's name, as the printing system lists it.
  void theJobIsNamedAfterTheMonth() {
    f_->Load();
    auto d = f_->OpenDialog();
    d->cmdPrint->click();
    QCOMPARE(d->Printer().docName(), QStringLiteral("Orlevant - May 2026"));
  }

  // A long job holds the window: the wait cursor stands over the program while it is made, and the
  // ordinary one is back before any message and however the job ended.
  void theWaitCursorStandsWhileTheJobIsMade_data() {
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<int>("boxes");
    QTest::newRow("printed") << QStringLiteral("printed") << 0;
    QTest::newRow("refused by the print server") << QStringLiteral("refused") << 1;
    QTest::newRow("the printer fails") << QStringLiteral("printer fails") << 1;
    QTest::newRow("no printer: saved as a PDF") << QStringLiteral("pdf") << 1;
    QTest::newRow("no printer: the PDF cannot be written") << QStringLiteral("pdf fails") << 1;
    QTest::newRow("an exception") << QStringLiteral("throws") << 0;
  }
  void theWaitCursorStandsWhileTheJobIsMade() {
    QFETCH(QString, outcome);
    QFETCH(int, boxes);
    f_->WriteEvents({Line(12, 5, "Dentist")});
    frmMain& w = f_->Load();
    const PrintSystem server{[outcome]() -> PrintSystemReply {
                               if (outcome == QLatin1String("throws")) throw std::runtime_error("the server went away");
                               return {outcome != QLatin1String("refused"), QStringLiteral("Refused")};
                             },
                             [](const QString&) { return PrinterLookup{true, QueueState{false, QStringLiteral("Paused")}}; }};
    PrinterSource source{[this] { return f_->TestPrinter(); }, server};
    if (outcome.startsWith(QLatin1String("pdf"))) source = PrinterSource{[] { return std::unique_ptr<QPrinter>(); }};
    if (outcome == QLatin1String("printer fails")) {
      const auto blocker = f_->Home().Root() / "not-a-folder";
      std::ofstream(blocker) << "x";
      const QString path = QString::fromStdString((blocker / "out.pdf").string());
      source.openPrinter = [path] { return PrintFixture::PdfPrinterAt(path); };
    }
    auto d = f_->OpenDialog(source);
    CursorWatch watch(w, f_->Boxes());
    bool thrown = false;
    {
      std::optional<orlevant::testing::FileSizeLimit> full;
      if (outcome == QLatin1String("pdf fails")) full.emplace(64);
      try {
        d->cmdPrint_Click();
      } catch (const std::runtime_error&) {
        thrown = true;
      }
    }
    QCOMPARE(thrown, outcome == QLatin1String("throws"));
    QVERIFY(!watch.whileDrawn.empty());
    for (const int shape : watch.whileDrawn) QCOMPARE(shape, int(Qt::WaitCursor));
    QCOMPARE(CursorWatch::Now(), kNoOverride);
    QCOMPARE(watch.atBoxes, std::vector<int>(std::size_t(boxes), kNoOverride));
    QCOMPARE(int(f_->Boxes().shown.size()), boxes);
  }

  // A printer that cannot take the job: the user is told why, and the dialog can try again.
  void aRefusedJobIsReported() {
    f_->Load();
    const auto blocker = f_->Home().Root() / "not-a-folder";
    std::ofstream(blocker) << "x";
    const QString path = QString::fromStdString((blocker / "out.pdf").string());
    auto d = f_->OpenDialog(PrinterSource{[path] { return PrintFixture::PdfPrinterAt(path); }});
    d->cmdPrint->click();
    QCOMPARE(int(f_->Boxes().shown.size()), 1);
    const auto& box = f_->Boxes().shown[0];
    QCOMPARE(box.icon, MsgIcon::Warning);
    QCOMPARE(box.title, AppTitle() + " - Print");
    QVERIFY2(box.text.find("could not be printed") != std::string::npos, box.text.c_str());
    QVERIFY2(box.text.find(path.toStdString()) != std::string::npos, box.text.c_str());
    QVERIFY(d->LastPdfPath().isEmpty());
    d->cmdPrint->click();
    QCOMPARE(int(f_->Boxes().shown.size()), 2);
  }
};

QTEST_MAIN(TestPrintJob)
#include "test_print_job.moc"
