// The month window as drawn: every size on a full-HD and a 4K screen, months of four, five and six
// rows. Borders are whole one-pixel lines, the last column and the last row keep theirs, nothing
// shows below the last row, the reminder marks stay inside their own boxes, and a box's text is
// cut at whole lines.

#include <QImage>
#include <QLabel>
#include <QtTest>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "mainwindow/day_text_label.h"
#include "mainwindow/main_menus.h"
#include "monthview/month_pixels.h"

using namespace orlevant;
using orlevant::testing::MainWindowFixture;

namespace {

struct SizeRow {
  int boxStyle;
  int screenWidth, screenHeight;  // pixels
  int year, month, firstDay;
  int rows;  // rows the month needs
};

// Every day of the month has an event with a reminder, and the 9th many lines of text.
std::vector<std::string> BusyMonth(int year, int month) {
  std::vector<std::string> lines;
  char date[16];
  for (int d = 1; d <= 31; ++d) {
    std::snprintf(date, sizeof date, "%02d/%02d/%04d", d % 100, month % 100, year % 10000);
    lines.push_back(std::string(date) + "010000=Event of day " + std::to_string(d));
  }
  std::snprintf(date, sizeof date, "09/%02d/%04d", month % 100, year % 10000);
  for (int k = 0; k < 60; ++k) lines.push_back(std::string(date) + "000000=Line " + std::to_string(k));
  return lines;
}

}  // namespace

Q_DECLARE_METATYPE(SizeRow)

class TestMonthPainter : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowFixture> f_;

  // The window of the row's size, on the 9th of the row's month, with every day of it busy; its
  // layout redone for the row's screen.
  frmMain& Load(const SizeRow& row) {
    f_->Set("BoxStyle", std::to_string(row.boxStyle));
    f_->Set("FirstDay", std::to_string(row.firstDay));
    f_->Set("Reminders", "1");
    f_->Set("Position", "3");
    f_->SetNow(testing::At(row.year, row.month, 9));
    frmMain& w = f_->Load(BusyMonth(row.year, row.month));
    // The screen the layout sizes the Large calendar by.
    f_->Month().ScreenWidth = PixelsToTwips(row.screenWidth);
    f_->Month().ScreenHeight = PixelsToTwips(row.screenHeight);
    w.SettingsChanged();
    return w;
  }

 private slots:
  void init() { f_ = std::make_unique<MainWindowFixture>(); }
  void cleanup() { f_.reset(); }

  void gridLinesAndMarks_data() {
    QTest::addColumn<SizeRow>("row");
    const char* size[] = {"small", "medium", "large"};
    // May 2026 from Sunday needs six rows, February from Monday five, from Sunday four.
    const struct { const char* name; int month, firstDay, rows; } months[] = {
        {"six rows", 5, 1, 6}, {"five rows", 2, 2, 5}, {"four rows", 2, 1, 4}};
    for (const auto& [w, h] : {std::pair{1920, 1080}, {3840, 2160}})
      for (int style = 0; style <= 2; ++style)
        for (const auto& m : months)
          QTest::newRow(QStringLiteral("%1, %2x%3, %4").arg(size[style]).arg(w).arg(h).arg(m.name).toLatin1())
              << SizeRow{style, w, h, 2026, m.month, m.firstDay, m.rows};
  }
  // Every label stands where the month's pixel layout puts it (whose borders, edges and marks the
  // logic tests check for these sizes and rows).
  void gridLinesAndMarks() {
    QFETCH(SizeRow, row);
    frmMain& w = Load(row);
    const QSize size = w.size();
    const int last = row.rows * 7 - 1;
    const MonthPixels px = LayOutMonthPixels(f_->Month());
    QCOMPARE(px.shownRows, row.rows);
    QCOMPARE(QSize(px.windowWidth, px.windowHeight), size);
    const auto rect = [](const PixelRect& r) { return QRect(r.x, r.y, r.width, r.height); };
    for (std::size_t i = 0; i < kDayBoxCount; ++i) {
      QCOMPARE(w.lblData(int(i))->geometry(), rect(px.boxes[i]));
      QCOMPARE(w.lblDay(int(i))->geometry(), rect(px.days[i]));
      QCOMPARE(w.imgRemind(int(i))->geometry(), rect(px.icons[i]));
    }
    for (std::size_t c = 0; c < kWeekdayCount; ++c) QCOMPARE(w.lblWeek(int(c))->geometry(), rect(px.headings[c]));

    // They are drawn there: the right and bottom border in the border's colour.
    const QImage image = w.grab().toImage();
    const QLabel* corner = w.lblData(last);
    const QColor border = corner->palette().color(corner->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                                  QPalette::WindowText);
    const QColor inside = image.pixelColor(corner->geometry().center());
    QVERIFY(border != inside);
    QCOMPARE(image.pixelColor(size.width() - 1, corner->geometry().center().y()), border);
    QCOMPARE(image.pixelColor(corner->geometry().center().x(), size.height() - 1), border);
  }

  // A busy day shows the lines that fit and no part of the next.
  void eventTextIsCutAtWholeLines_data() {
    QTest::addColumn<int>("boxStyle");
    QTest::newRow("medium") << 1;
    QTest::newRow("large") << 2;
  }
  void eventTextIsCutAtWholeLines() {
    QFETCH(int, boxStyle);
    frmMain& w = Load(SizeRow{boxStyle, 1920, 1080, 2026, 5, 1, 6});
    QLabel* label = w.lblData(f_->Box(9));
    const QImage image = label->grab().toImage();
    const QColor back = label->palette().color(QPalette::Window);
    const QFontMetrics metrics(label->font());
    // The text area: inside the frame, after the label's indent on the left and top.
    const QRect area = label->contentsRect().adjusted(label->indent(), label->indent(), 0, 0);
    const int wholeLines = area.height() / metrics.height();
    QVERIFY(wholeLines >= 2);
    QVERIFY2(area.height() % metrics.height() != 0, "the box should leave room for part of a line");
    int lowestInk = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (image.pixelColor(x, y) != back) lowestInk = y;
    QVERIFY(lowestInk > area.top() + metrics.height());  // the events are drawn
    QVERIFY2(lowestInk < area.top() + wholeLines * metrics.height(),
             qPrintable(QStringLiteral("ink at row %1 of %2").arg(lowestInk).arg(area.bottom())));
    // The label is given the first lines of the day, enough for its box and not the whole day.
    QVERIFY(label->text().contains(QStringLiteral("Line 59")));  // the newest line comes first
    QVERIFY(!label->text().contains(QStringLiteral("Line 0\n")) && !label->text().endsWith(QStringLiteral("Line 0")));
    QVERIFY(label->text().count(QLatin1Char('\n')) >= wholeLines);

    // The Large calendar's box is given more of them.
    if (boxStyle == 1) {
      const qsizetype medium = label->text().size();
      const int mediumHeight = label->height();
      w.Menus().mnuLarge()->trigger();
      QVERIFY(label->height() > mediumHeight);
      QVERIFY(label->text().size() > medium);
    }
  }

  // A day's number carries its box's tooltip, escaped, and follows it when the day's events change;
  // a day without events and a window without tooltips carry none.
  void dayNumberCarriesItsBoxsToolTip_data() {
    QTest::addColumn<QString>("showToolTips");
    QTest::newRow("tooltips on") << "1";
    QTest::newRow("tooltips off") << "0";
  }
  void dayNumberCarriesItsBoxsToolTip() {
    QFETCH(QString, showToolTips);
    const bool shown = showToolTips == QLatin1String("1");
    f_->Set("ShowToolTips", showToolTips.toStdString());
    frmMain& w = f_->Load({"12/05/2026000000=<b>Dentist</b> & \"Ann\"~at ten", "20/05/2026000000=Call Ann"});
    auto check = [&](int day, const QString& text) {
      const QString tip = w.lblData(f_->Box(day))->toolTip();
      QCOMPARE(w.lblDay(f_->Box(day))->toolTip(), tip);
      if (shown && !text.isEmpty())
        QVERIFY2(tip.contains(text), qPrintable(tip));
      else
        QVERIFY2(tip.isEmpty(), qPrintable(tip));
    };
    check(12, QStringLiteral("&lt;b&gt;Dentist&lt;/b&gt; &amp; &quot;Ann&quot;<br>at ten</p>"));
    check(20, QStringLiteral("Call Ann"));
    check(13, {});

    // The 12th's event moves to the 13th; the 20th keeps its own.
    f_->app.events.EventRecords.Set(1, "13/05/2026000000=Dentist moved");
    w.EventsChanged(false);
    check(12, {});
    check(13, QStringLiteral("Dentist moved"));
    check(20, QStringLiteral("Call Ann"));
  }

  // The lines of a text that fit a box: whole, in order, wrapped at words, long words broken.
  void fittingText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("linesHigh");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("cut");  // more text follows the lines shown, which end in an ellipsis
    QTest::newRow("blank first line, then what fits") << "\nA\nB\nC" << 200 << 2.6 << QStringList{"", "A"} << true;
    QTest::newRow("exactly three") << "one\ntwo\nthree\nfour" << 200 << 3.0 << QStringList{"one", "two", "three"}
                                   << true;
    QTest::newRow("less than a line: nothing to mark") << "one" << 200 << 0.9 << QStringList{} << false;
    QTest::newRow("all fit") << "one\ntwo" << 200 << 5.5 << QStringList{"one", "two"} << false;
    QTest::newRow("only blank lines left") << "one\n \n" << 200 << 1.2 << QStringList{"one"} << false;
    QTest::newRow("a long word breaks anywhere") << QString(40, QLatin1Char('m')) << 60 << 9.0 << QStringList{}
                                                 << false;
    QTest::newRow("a long word cut") << QString(400, QLatin1Char('m')) << 60 << 3.0 << QStringList{} << true;
  }
  void fittingText() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(double, linesHigh);
    QFETCH(QStringList, lines);
    QFETCH(bool, cut);
    QFont font;
    font.setPixelSize(11);
    const int height = static_cast<int>(std::ceil(linesHigh * QFontMetricsF(font).height()));
    const FittingText fitting(text, font, width, height);
    const std::vector<FittingText::Line> marked = fitting.Lines(true);
    QCOMPARE(!marked.empty() && marked.back().text.endsWith(QChar(0x2026)), cut);
    const std::vector<FittingText::Line> shown = fitting.Lines();
    qreal bottom = 0;
    QString joined;
    for (const FittingText::Line& line : shown) {
      QCOMPARE(line.top, bottom);  // one under the other, from the top
      bottom += line.height;
      joined += line.text;
    }
    QVERIFY(bottom <= height);
    if (text.contains(QLatin1Char('\n')) || text.size() < 10) {
      QStringList texts;
      for (const FittingText::Line& line : shown) texts << line.text.trimmed();
      QCOMPARE(texts, lines);
    } else {
      // A word wider than the box is broken over lines, none wider than the box.
      QVERIFY(shown.size() >= 2);
      QCOMPARE(joined, cut ? text.left(joined.size()) : text);
      const QFontMetrics metrics(font);
      for (const FittingText::Line& line : shown) QVERIFY(metrics.horizontalAdvance(line.text) <= width);
    }
  }

  // A short event laid out once is reused for every box that shows it, at the width it was laid
  // out for and wherever it stands in the box.
  void fittingTextReusesEventsOnlyAtTheirWidth() {
    QFont font;
    font.setPixelSize(11);
    const int lineHeight = static_cast<int>(std::ceil(QFontMetricsF(font).height()));
    const QString event = QStringLiteral("Water plants with Anna");
    const auto texts = [](const FittingText& f) {
      QStringList lines;
      for (const FittingText::Line& line : f.Lines()) lines << line.text.trimmed();
      return lines;
    };
    const FittingText wide(event, font, 400, 10 * lineHeight);
    const FittingText narrow(event, font, 40, 10 * lineHeight);
    QCOMPARE(texts(wide), QStringList{event});
    QVERIFY(texts(narrow).size() >= 3);
    QCOMPARE(texts(FittingText(event, font, 400, 10 * lineHeight)), QStringList{event});
    // Further down another box, after two lines of its own.
    const FittingText lower(QStringLiteral("One\nTwo\n") + event, font, 40, 10 * lineHeight);
    const std::vector<FittingText::Line> lines = lower.Lines();
    QCOMPARE(int(lines.size()), 2 + int(narrow.Lines().size()));
    QCOMPARE(lines[2].top, lines[0].height + lines[1].height);
  }

  // However much text a day holds, only what a box can show is laid out.
  void onlyWhatFitsIsLaidOut_data() {
    QTest::addColumn<QString>("text");
    const QString lines = QStringLiteral("\n.An event of the day\n").repeated(20000);
    QTest::newRow("twenty thousand events") << lines;
    QTest::newRow("one endless line") << QString(400000, QLatin1Char('x'));
    QTest::newRow("endless words") << QStringLiteral("word ").repeated(80000);
  }
  void onlyWhatFitsIsLaidOut() {
    QFETCH(QString, text);
    QFont font;
    font.setPixelSize(11);
    const int width = 150, height = 120;
    const FittingText fitting(text, font, width, height);
    const int maxLines = height / QFontMetrics(font).height() + 1;
    QVERIFY(!fitting.Lines().empty());
    QVERIFY2(fitting.CharactersLaidOut() <= maxLines * (width + 2),
             qPrintable(QString::number(fitting.CharactersLaidOut())));
  }
};

QTEST_MAIN(TestMonthPainter)
#include "test_month_painter.moc"
