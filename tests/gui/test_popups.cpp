// The two hover pop-ups as the mouse brings them: what they say, where they stand, when they
// close, and that the reminder pop-up lists the box's own events.

#include <QToolTip>
#include <QtTest>

#include "gui/main_window_fixture.h"
#include "mainwindow/day_text_label.h"
#include "mainwindow/frm_message.h"
#include "mainwindow/frm_reminder_pop.h"
#include "monthview/day_popups.h"
#include "platform/qt/twips.h"

using namespace orlevant;
using orlevant::testing::At;
using orlevant::testing::MainWindowFixture;

namespace {

// May 2026, today the 12th.
const std::vector<std::string> kMay = {
    "10/05/2026000000=Two days back",
    "13/05/2026000000=Tomorrow",
    "12/05/2026000000=Dentist",
    "12/05/2026010000=Pick up~the car",
    "14/05/2026000200=Dentist",  // same text as the 12th's, another day, with a reminder
    "20/05/2026000010=<b>not bold</b>",
};

// The text of `label` stands wholly inside it and the label inside its window's one-pixel frame.
// A top-aligned label indents its text from the top as well as from the left.
bool TextFitsFromTop(const QLabel& label) {
  const QRect room(0, 0, label.width() - label.indent(), 100000);
  const int flags = Qt::AlignLeft | Qt::AlignTop | (label.wordWrap() ? Qt::TextWordWrap : 0);
  const QRect needed = label.fontMetrics().boundingRect(room, flags, label.text());
  const int textEnd = label.y() + label.indent() + needed.height();  // the first row below the text
  return textEnd <= label.y() + label.height() && textEnd <= label.parentWidget()->height() - 1;
}

}  // namespace

class TestPopups : public QObject {
  Q_OBJECT

  std::unique_ptr<MainWindowFixture> f_;

  QWidget* EventLabel(frmMain& w, int box) {
    return f_->app.settings.BoxStyle == 0 ? static_cast<QWidget*>(w.lblDay(box)) : w.lblData(box);
  }
  // Moves over a box's events at (x, y) pixels.
  void Hover(frmMain& w, int day, QPoint at = QPoint(20, 20)) { MainWindowFixture::Move(EventLabel(w, f_->Box(day)), at); }

 private slots:
  void init() { f_ = std::make_unique<MainWindowFixture>(At(2026, 5, 12)); }
  void cleanup() { f_.reset(); }

  void eventPopupSaysWhenTheDayIs_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("future");
    QTest::addColumn<bool>("ball");
    QTest::newRow("two days back") << 10 << "Sun. - May. 10, 2026" << "Two days back"
                                   << "Occurred 2 days in the past." << false;
    QTest::newRow("today") << 12 << "Tue. - May. 12, 2026" << ".Pick up\nthe car\nDentist" << "Occurs Today!" << true;
    QTest::newRow("markup stays text") << 20 << "Wed. - May. 20, 2026" << ".<b>not bold</b>"
                                       << "Occurs 8 days in the future." << true;
  }
  void eventPopupSaysWhenTheDayIs() {
    QFETCH(int, day);
    QFETCH(QString, date);
    QFETCH(QString, message);
    QFETCH(QString, future);
    QFETCH(bool, ball);
    frmMain& w = f_->Load(kMay);
    Hover(w, day);
    frmMessage* popup = w.EventPopup();
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(popup->lblTitle->text(), QStringLiteral("Event Information..."));
    QCOMPARE(popup->lblDate->text(), date);
    QCOMPARE(popup->lblMessage->text(), message);
    QCOMPARE(popup->lblFuture->text(), future);
    QCOMPARE(popup->imgBall->isVisibleTo(popup), ball);
    QCOMPARE(popup->lblMessage->textFormat(), Qt::PlainText);  // the events' own text, never markup
    // The one-line texts fit the window, whatever the desktop's font.
    for (QLabel* label : {popup->lblTitle, popup->lblDate, popup->lblFuture}) {
      const int right = label->x() + label->indent() + label->fontMetrics().horizontalAdvance(label->text());
      QVERIFY2(right <= popup->width(), qPrintable(label->text()));
    }
    QVERIFY(popup->imgBall->x() > popup->lblTitle->indent() + popup->lblTitle->fontMetrics().horizontalAdvance(
                                                                    popup->lblTitle->text()));
    // ... and from top to bottom: no line is cut by the label's end or the window's frame.
    for (QLabel* label : {popup->lblTitle, popup->lblDate, popup->lblMessage, popup->lblFuture})
      QVERIFY2(TextFitsFromTop(*label), qPrintable(label->text()));
    // Moving on within the box keeps the one window; the next box refills it.
    Hover(w, day, QPoint(25, 25));
    QCOMPARE(w.EventPopup(), popup);
    Hover(w, 13);
    QCOMPARE(w.EventPopup(), popup);
    QVERIFY(popup->lblMessage->text() != message);
  }

  // A word of 5000 letters: the pop-up's last line ends in an ellipsis, and every letter stands
  // inside the window's one-pixel frame.
  void eventPopupMarksACut() {
    frmMain& w = f_->Load({"12/05/2026000000=Pneumono" + std::string(4992, 'x')});
    Hover(w, 12);
    frmMessage* popup = w.EventPopup();
    QVERIFY(popup && popup->isVisible());
    auto* message = qobject_cast<DayTextLabel*>(popup->lblMessage);
    QVERIFY(message);
    const std::vector<FittingText::Line> shown = message->ShownLines();
    QVERIFY(shown.size() > 1);
    QVERIFY(shown.back().text.endsWith(QChar(0x2026)));
    for (const FittingText::Line& line : shown) {
      const int right = message->x() + message->indent() + message->fontMetrics().horizontalAdvance(line.text);
      QVERIFY2(right < popup->width() - 1, qPrintable(QStringLiteral("%1: %2").arg(right).arg(line.text)));
    }
  }

  // The pointer must keep 30 (Small) or 100 (Medium, Large) twips from the box's edges: 2 or 7
  // whole pixels.
  void eventPopupMargins_data() {
    QTest::addColumn<int>("boxStyle");
    QTest::addColumn<int>("inner");  // pixels from the edge that are far enough
    QTest::newRow("small") << 0 << 2;
    QTest::newRow("medium") << 1 << 7;
    QTest::newRow("large") << 2 << 7;
  }
  void eventPopupMargins() {
    QFETCH(int, boxStyle);
    QFETCH(int, inner);
    f_->Set("BoxStyle", std::to_string(boxStyle));
    frmMain& w = f_->Load(kMay);
    const MonthView& m = f_->Month();
    const int width = m.lblData[0].Geometry.Width, height = m.lblData[0].Geometry.Height;
    const int margin = boxStyle == 0 ? 30 : 100;
    // The last whole pixel whose twips stay within the far margin.
    const int right = (width - margin) / 15, bottom = (height - margin) / 15;
    const struct { QPoint at; bool shown; } rows[] = {
        {{inner, inner}, true},       {{inner - 1, inner}, false}, {{inner, inner - 1}, false},
        {{right, bottom}, true},      {{right + 1, bottom}, false}, {{right, bottom + 1}, false},
        {{right / 2, bottom / 2}, true},
    };
    for (const auto& r : rows) {
      Hover(w, 12, r.at);
      QVERIFY2(bool(w.EventPopup()) == r.shown, qPrintable(QString("%1,%2").arg(r.at.x()).arg(r.at.y())));
    }
    // A day without events shows none and closes the one that was open.
    Hover(w, 12, QPoint(right / 2, bottom / 2));
    QVERIFY(w.EventPopup());
    Hover(w, 15, QPoint(right / 2, bottom / 2));
    QVERIFY(!w.EventPopup());
  }

  void eventPopupOnlyWhenWanted() {
    f_->Set("ShowMessage", "0");
    frmMain& w = f_->Load(kMay);
    Hover(w, 12);
    QVERIFY(!w.EventPopup());
    // The reminder pop-up does not depend on it.
    MainWindowFixture::Move(w.imgRemind(f_->Box(12)), QPoint(2, 2));
    QVERIFY(w.ReminderPopup());
  }

  // Beside the main window where there is room, left of it at the screen's right edge, and moved
  // onto the screen when neither side has room.
  void eventPopupPlace_data() {
    QTest::addColumn<QString>("position");  // the main window's place setting
    QTest::addColumn<QString>("boxStyle");
    QTest::addColumn<QString>("side");
    QTest::newRow("top left: right of it") << "3" << "1" << "right";
    QTest::newRow("top right: left of it") << "4" << "1" << "left";
    QTest::newRow("as wide as the screen: at its left edge") << "1" << "2" << "screen";
  }
  void eventPopupPlace() {
    QFETCH(QString, position);
    QFETCH(QString, boxStyle);
    QFETCH(QString, side);
    f_->Set("Position", position.toStdString());
    f_->Set("BoxStyle", boxStyle.toStdString());
    frmMain& w = f_->Load(kMay);
    const QRect screen = w.screen()->geometry();
    Hover(w, 12);
    frmMessage* popup = w.EventPopup();
    QVERIFY(popup);
    if (side == "right") QCOMPARE(popup->x(), w.x() + w.width());
    if (side == "left") QCOMPARE(popup->x(), w.x() - popup->width());
    if (side == "screen") {
      QVERIFY(w.x() + w.width() + popup->width() > screen.right() && w.x() - popup->width() < 0);
      QCOMPARE(popup->x(), screen.left());
    }
    QVERIFY(qAbs(popup->geometry().center().y() - w.geometry().center().y()) <= 1);
    QVERIFY(screen.contains(popup->geometry()));
  }

  void reminderPopupListsTheBoxsOwnEvents() {
    frmMain& w = f_->Load(kMay);
    const int box = f_->Box(12);
    // It shows while the pointer is 5..55 twips into the icon: pixels 1 and 3 are 15 and 45.
    MainWindowFixture::Move(w.imgRemind(box), QPoint(1, 3));
    frmReminderPop* popup = w.ReminderPopup();
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(popup->lblTitle->text(), QStringLiteral("Reminder Information..."));
    QCOMPARE(popup->lblDate->text(), QStringLiteral("Tue. - May. 12, 2026"));
    // The two-line event is listed; the 12th's "Dentist" has no reminder, and the reminder of the
    // 14th's "Dentist" is not this day's.
    QCOMPARE(popup->lblMessage->text(), QStringLiteral("Pick up\nthe car\n     Every: 1 Day  \n"));
    QCOMPARE(popup->width(), (40 * 85 + 7) / 15);
    // Beside the box's day number, at the box's top.
    const MonthView& m = f_->Month();
    QCOMPARE(popup->pos(), w.pos() + QPoint((m.lblDay[box].Geometry.Left + m.lblDay[0].Geometry.Width + 7) / 15,
                                             (m.lblDay[box].Geometry.Top + 7) / 15));
  }

  void reminderPopupGrowsForLongTextsAndManyEvents() {
    std::vector<std::string> lines;
    const std::string longText(70, 'w');
    lines.push_back("12/05/2026010000=" + longText);
    for (int i = 0; i < 15; ++i) lines.push_back("13/05/2026000100=Event " + std::to_string(i));
    frmMain& w = f_->Load(lines);
    w.ShowReminderInfo(f_->Box(12), 30, 30);
    QCOMPARE(w.ReminderPopup()->width(), (70 * 85 + 7) / 15);
    QCOMPARE(w.ReminderPopup()->lblMessage->width(), (70 * 85 + 7) / 15);
    w.CloseHoverPopups();
    w.ShowReminderInfo(f_->Box(13), 30, 30);
    frmReminderPop* popup = w.ReminderPopup();
    // All fifteen, not ten; the window is tall enough to show them.
    for (int i = 0; i < 15; ++i) QVERIFY(popup->lblMessage->text().contains(QString("Event %1\n").arg(i)));
    QVERIFY(popup->HeightTwips() > kReminderPopupHeight);
    QVERIFY(TextFitsFromTop(*popup->lblMessage));
  }

  // A day with more events than the screen can hold: both pop-ups and the tooltip stay as tall as
  // the screen at most, the pop-ups keep their date and last line on it, and all show the newest
  // events, cut at whole lines.
  void popupsOfABusyDayFitTheScreen() {
    std::vector<std::string> lines;
    for (int i = 0; i < 400; ++i) lines.push_back("12/05/2026000100=Event " + std::to_string(i));
    f_->Set("ShowToolTips", "1");
    frmMain& w = f_->Load(lines);
    const int screenHeight = w.screen()->geometry().height();
    // So does the box's tooltip.
    const QString tip = w.lblData(f_->Box(12))->toolTip();
    QVERIFY(tip.contains(QStringLiteral(".Event 399<br>")));
    QVERIFY2(tip.count(QStringLiteral("<br>")) < screenHeight / QFontMetrics(QToolTip::font()).lineSpacing(),
             qPrintable(QString::number(tip.count(QStringLiteral("<br>")))));
    QCOMPARE(w.lblDay(f_->Box(12))->toolTip(), tip);
    Hover(w, 12);
    w.ShowReminderInfo(f_->Box(12), 30, 30);
    const frmMessage* event = w.EventPopup();
    const frmReminderPop* reminder = w.ReminderPopup();
    QVERIFY(event && reminder);
    for (const QWidget* popup : {static_cast<const QWidget*>(event), static_cast<const QWidget*>(reminder)}) {
      QVERIFY2(popup->y() >= 0 && popup->y() + popup->height() <= screenHeight,
               qPrintable(QString("%1+%2").arg(popup->y()).arg(popup->height())));
    }
    QVERIFY(event->height() > TwipsToPixels(kEventPopupHeight));
    QVERIFY(event->lblFuture->geometry().bottom() < event->height());
    QCOMPARE(event->lblFuture->text(), QStringLiteral("Occurs Today!"));
    QVERIFY(event->lblMessage->text().startsWith(QStringLiteral(".Event 399\n")));
    QVERIFY(reminder->lblMessage->text().startsWith(QStringLiteral("Event 399\n")));
    for (const QLabel* message : {event->lblMessage, reminder->lblMessage}) {
      QVERIFY2(message->text().count(QLatin1Char('\n')) < 399, qPrintable(QString::number(message->text().size())));
      QVERIFY(message->geometry().bottom() < message->parentWidget()->height());
    }
  }

  // Every move away from the pop-ups' own spots closes both (in the Medium size the day number too).
  void movesCloseThePopups_data() {
    QTest::addColumn<QString>("over");
    for (const char* over : {"lblDate", "lblNextMonth", "lblWeek", "frmMain", "disabled", "lblDay", "lblData",
                             "imgRemind", "icon's edge", "key"})
      QTest::newRow(over) << QString(over);
  }
  void movesCloseThePopups() {
    QFETCH(QString, over);
    frmMain& w = f_->Load(kMay);
    const int box = f_->Box(12);
    f_->OpenBothPopups(12);
    if (over == "lblDate") MainWindowFixture::Move(w.lblDate(), QPoint(40, 5));
    if (over == "lblNextMonth") MainWindowFixture::Move(w.lblNextMonth(), QPoint(5, 5));
    if (over == "lblWeek") MainWindowFixture::Move(w.lblWeek(2), QPoint(5, 5));
    if (over == "frmMain") MainWindowFixture::Move(&w, QPoint(1, w.height() - 1));
    if (over == "disabled") MainWindowFixture::Move(w.lblData(41), QPoint(20, 20));
    if (over == "lblDay") MainWindowFixture::Move(w.lblDay(box), QPoint(5, 5));
    if (over == "lblData") MainWindowFixture::Move(w.lblData(f_->Box(15)), QPoint(20, 20));
    if (over == "imgRemind") MainWindowFixture::Move(w.imgRemind(box), QPoint(4, 4));
    if (over == "icon's edge") MainWindowFixture::Move(w.imgRemind(box), QPoint(0, 1));
    if (over == "key") QTest::keyRelease(&w, Qt::Key_Shift);
    QVERIFY(!w.EventPopup());
    QVERIFY(!w.ReminderPopup());
  }

  void eachPopupLeavesTheOthersBox() {
    frmMain& w = f_->Load(kMay);
    const int box = f_->Box(12);
    MainWindowFixture::Move(w.lblData(box), QPoint(20, 20));
    QVERIFY(w.EventPopup() && !w.ReminderPopup());
    MainWindowFixture::Move(w.imgRemind(box), QPoint(2, 2));
    QVERIFY(!w.EventPopup() && w.ReminderPopup());
    MainWindowFixture::Move(w.lblData(box), QPoint(20, 20));
    QVERIFY(w.EventPopup() && !w.ReminderPopup());
    // The reminder pop-up lies over the next box: the pointer moving on over it reaches that box,
    // whose events close it; beyond the window it stays.
    w.CloseHoverPopups();
    MainWindowFixture::Move(w.imgRemind(box), QPoint(2, 2));
    frmReminderPop* popup = w.ReminderPopup();
    QVERIFY(popup);
    const QPoint beyond = w.mapToGlobal(QPoint(w.width() + 5, 40));
    MainWindowFixture::Move(popup, popup->mapFromGlobal(beyond));
    QCOMPARE(w.ReminderPopup(), popup);
    const QPoint overNextBox = w.lblData(box + 1)->mapToGlobal(QPoint(20, 20));
    QVERIFY(popup->geometry().contains(overNextBox));
    MainWindowFixture::Move(popup, popup->mapFromGlobal(overNextBox));
    QVERIFY(!w.ReminderPopup());
    // The ball is red while reminders are off, as they were when the pop-up was made.
    QCOMPARE(w.EventPopup()->BallPicture(), f_->app.settings.Reminders == 1 ? 1 : 2);
    w.mnuQuickReminderOff_Click();
    w.CloseHoverPopups();
    MainWindowFixture::Move(w.lblData(box), QPoint(20, 20));
    QCOMPARE(w.EventPopup()->BallPicture(), 2);
    w.mnuQuickReminderOn_Click();
    QCOMPARE(w.EventPopup()->BallPicture(), 2);
  }
};

QTEST_MAIN(TestPopups)
#include "test_popups.moc"
