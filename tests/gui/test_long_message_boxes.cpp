// A message box whose text would not fit on the screen shows the text in a scrollable, read-only
// area and stays on the screen; its title, icon, buttons and answers are those of any box, and a
// short text looks as ever. However long the text, the box shows what a person can read of it.

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <optional>
#include <string>

#include "core/message_box.h"
#include "platform/qt/display_text.h"
#include "platform/qt/qt_message_boxes.h"
#include "when_box_opens.h"

using namespace orlevant;

namespace {

// A greeting with a busy day's events: `lines` lines of `width` characters.
std::string Text(int lines, int width) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += std::to_string(i) + ". " + std::string(width, 'e') + "          \r\n";
  return text + "\r\n";
}

struct LongRow {
  int lines, width;
  QRect screen;  // empty: the screen the box comes up on
  bool scrolls;
};

}  // namespace

Q_DECLARE_METATYPE(LongRow)

class TestLongMessageBoxes : public QObject {
  Q_OBJECT

 private slots:
  void fitsTheScreen_data() {
    QTest::addColumn<LongRow>("row");
    QTest::newRow("a busy day") << LongRow{400, 30, {}, true};
    QTest::newRow("a busy day, small screen") << LongRow{60, 30, QRect(0, 0, 640, 480), true};
    QTest::newRow("short, small screen") << LongRow{4, 20, QRect(0, 0, 640, 480), false};
    QTest::newRow("one endless line, small screen") << LongRow{1, 3000, QRect(0, 0, 640, 480), true};
    QTest::newRow("a pasted word of a megabyte: its start and end") << LongRow{1, 1 << 20, {}, true};
    QTest::newRow("a large screen holds more") << LongRow{60, 30, QRect(0, 0, 3840, 2160), false};
  }
  void fitsTheScreen() {
    QFETCH(LongRow, row);
    const std::string text = Text(row.lines, row.width);
    const std::optional<QRect> area = row.screen.isEmpty() ? std::nullopt : std::optional<QRect>(row.screen);
    const auto box = BuildMessageBox(MsgIcon::Information, MsgButtons::YesNo, "Orlevant 3.1 - Today's Event", text,
                                     nullptr, area);
    // Title, icon, buttons and the text as given stay as for any box.
    QCOMPARE(box->windowTitle(), QStringLiteral("Orlevant 3.1 - Today's Event"));
    QCOMPARE(box->icon(), QMessageBox::Information);
    QCOMPARE(int(box->standardButtons()), int(QMessageBox::Yes | QMessageBox::No));
    QCOMPARE(box->text(), DisplayPart(text));

    auto* scroller = box->findChild<QPlainTextEdit*>();
    QCOMPARE(scroller != nullptr, row.scrolls);
    box->show();
    const QRect screen = area.value_or(box->screen()->availableGeometry());
    if (row.scrolls) {
      QVERIFY(scroller->isReadOnly());
      QCOMPARE(scroller->toPlainText(), DisplayPart(text));
      QVERIFY(scroller->isVisible());
      QVERIFY(scroller->height() <= screen.height() * 2 / 3 && scroller->width() <= screen.width() * 2 / 3);
      QVERIFY(!box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->isVisible());
    }
    // The whole box, and so its buttons, lies within the screen.
    QVERIFY2(box->height() <= screen.height() && box->width() <= screen.width(),
             qPrintable(QStringLiteral("%1 x %2").arg(box->width()).arg(box->height())));
    box->hide();
  }

  // A short text in a box with a longer title: the box is wide enough for its title, so the window
  // manager need not cut it; on a narrow screen it still stays within two thirds of it.
  void wideEnoughForItsTitle_data() {
    QTest::addColumn<QRect>("screen");
    QTest::newRow("its own screen") << QRect();
    QTest::newRow("a narrow screen") << QRect(0, 0, 300, 480);
  }
  void wideEnoughForItsTitle() {
    QFETCH(QRect, screen);
    const std::string title = "Orlevant 3.1 - Today's Event";
    const std::optional<QRect> area = screen.isEmpty() ? std::nullopt : std::optional<QRect>(screen);
    const auto box = BuildMessageBox(MsgIcon::Information, MsgButtons::Ok, title, "Rent\r\n\r\n", nullptr, area);
    box->show();
    QFont bold = box->font();
    bold.setBold(true);
    const int titleWidth = QFontMetrics(bold).horizontalAdvance(QString::fromStdString(title));
    if (area) {
      QVERIFY2(box->width() <= area->width(), qPrintable(QString::number(box->width())));
    } else {
      QVERIFY2(box->width() > titleWidth + 100, qPrintable(QStringLiteral("%1 / %2").arg(box->width()).arg(titleWidth)));
    }
    box->hide();
  }

  // A line of a box's text breaks only where the text breaks it, up to a box of two thirds of the
  // screen; a line longer than that wraps within it.
  void wideEnoughForItsLines_data() {
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<bool>("fits");
    QTest::newRow("the conflicting-events warning") << 1920 << true;
    QTest::newRow("the same on a small screen") << 640 << false;
  }
  void wideEnoughForItsLines() {
    QFETCH(int, screenWidth);
    QFETCH(bool, fits);
    const QString line =
        "Orlevant cannot display both at the same time. To edit a conflicting event it must be displayed. To";
    const std::string text = line.toStdString() + kWidenLine + "\r\n" +
                             "display and edit the non-visible event it must be swapped with the visible event." +
                             kWidenLine + "\r\n\r\n";
    const auto box = BuildMessageBox(MsgIcon::Warning, MsgButtons::Ok, "Conflicting Events", text, nullptr,
                                     QRect(0, 0, screenWidth, screenWidth * 9 / 16));
    box->show();
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QVERIFY(label && label->isVisible());
    const int lineWidth = label->fontMetrics().horizontalAdvance(line);
    QVERIFY2((label->width() >= lineWidth) == fits,
             qPrintable(QStringLiteral("%1 for a line of %2").arg(label->width()).arg(lineWidth)));
    const int widest = screenWidth * 2 / 3;
    QVERIFY2(box->width() <= widest && (fits || box->width() >= widest - 20),
             qPrintable(QString::number(box->width())));
    box->hide();
  }

  // The answers of a box with a long text are those of any box.
  void answersStayTheSame_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << int(MsgAnswer::Yes);
    QTest::newRow("No") << int(QMessageBox::No) << int(MsgAnswer::No);
    QTest::newRow("Escape") << -1 << int(MsgAnswer::No);
  }
  void answersStayTheSame() {
    QFETCH(int, button);
    QFETCH(int, answer);
    QtMessageBoxes boxes;
    bool scrolled = false;
    testing::WhenBoxOpens([&](QMessageBox* box) {
      scrolled = box->findChild<QPlainTextEdit*>() != nullptr;
      if (button < 0) {
        QTest::keyClick(box, Qt::Key_Escape);
      } else {
        box->button(QMessageBox::StandardButton(button))->click();
      }
    });
    QCOMPARE(int(boxes.Show(MsgIcon::Question, MsgButtons::YesNo, "t", Text(500, 40))), answer);
    QVERIFY(scrolled);
  }
};

QTEST_MAIN(TestLongMessageBoxes)
#include "test_long_message_boxes.moc"
