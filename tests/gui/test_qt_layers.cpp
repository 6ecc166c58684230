// The Qt side of the platform layer: message boxes, twips, colours and the display of texts.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <optional>
#include <string>

#include "core/message_box.h"
#include "platform/qt/display_text.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_platform_choice.h"
#include "platform/qt/twips.h"

using namespace orlevant;

Q_DECLARE_METATYPE(orlevant::MsgButtons)
Q_DECLARE_METATYPE(orlevant::MsgAnswer)
Q_DECLARE_METATYPE(orlevant::MsgIcon)

namespace {

// Acts on the modal message box as soon as the event loop of its exec() runs, so no test waits
// for a person to answer.
void WhenBoxOpens(std::function<void(QMessageBox*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(0);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    timer->stop();
    timer->deleteLater();
    act(box);
  });
  timer->start();
}

}  // namespace

class TestQtLayers : public QObject {
  Q_OBJECT

 private slots:
  void boxButtons_data();
  void boxButtons();
  void boxIcons_data();
  void boxIcons();
  void boxShowsTitleAndTextAsGivenAsPlainText();
  void escapeAnswersNoOrCancel_data();
  void escapeAnswersNoOrCancel();
  void pressedButtonIsTheAnswer_data();
  void pressedButtonIsTheAnswer();
  void closingTheBoxAnswersLikeEscape();

  void twipsToPixels_data();
  void twipsToPixels();
  void twipGeometry();

  void displayText_data();
  void displayText();

  void platformUnderWaylandOrX11_data();
  void platformUnderWaylandOrX11();
};

void TestQtLayers::boxButtons_data() {
  QTest::addColumn<MsgButtons>("buttons");
  QTest::addColumn<int>("standard");
  QTest::addColumn<int>("defaultButton");
  QTest::addColumn<int>("escapeButton");
  QTest::newRow("OK") << MsgButtons::Ok << int(QMessageBox::Ok) << int(QMessageBox::Ok) << int(QMessageBox::Ok);
  QTest::newRow("OK Cancel") << MsgButtons::OkCancel << int(QMessageBox::Ok | QMessageBox::Cancel)
                             << int(QMessageBox::Ok) << int(QMessageBox::Cancel);
  QTest::newRow("Yes No") << MsgButtons::YesNo << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Yes)
                          << int(QMessageBox::No);
  QTest::newRow("Yes No Cancel") << MsgButtons::YesNoCancel
                                 << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                 << int(QMessageBox::Yes) << int(QMessageBox::Cancel);
}

void TestQtLayers::boxButtons() {
  QFETCH(MsgButtons, buttons);
  QFETCH(int, standard);
  QFETCH(int, defaultButton);
  QFETCH(int, escapeButton);
  const auto box = BuildMessageBox(MsgIcon::Question, buttons, "t", "x");
  QCOMPARE(int(box->standardButtons()), standard);
  QCOMPARE(int(box->standardButton(box->defaultButton())), defaultButton);
  QCOMPARE(int(box->standardButton(box->escapeButton())), escapeButton);
}

void TestQtLayers::boxIcons_data() {
  QTest::addColumn<MsgIcon>("icon");
  QTest::addColumn<int>("expected");
  QTest::newRow("none") << MsgIcon::None << int(QMessageBox::NoIcon);
  QTest::newRow("information") << MsgIcon::Information << int(QMessageBox::Information);
  QTest::newRow("question") << MsgIcon::Question << int(QMessageBox::Question);
  QTest::newRow("warning") << MsgIcon::Warning << int(QMessageBox::Warning);
  QTest::newRow("critical") << MsgIcon::Critical << int(QMessageBox::Critical);
}

void TestQtLayers::boxIcons() {
  QFETCH(MsgIcon, icon);
  QFETCH(int, expected);
  QCOMPARE(int(BuildMessageBox(icon, MsgButtons::Ok, "t", "x")->icon()), expected);
}

void TestQtLayers::boxShowsTitleAndTextAsGivenAsPlainText() {
  const std::string title = AppTitle() + " - <i>Topic</i>";
  const std::string text = "<b>Dentist</b> & \"lunch\"          \r\nsecond line\r\n\r\n";
  const auto box = BuildMessageBox(MsgIcon::Information, MsgButtons::Ok, title, text);
  QCOMPARE(box->windowTitle(), QString::fromStdString(title));
  QCOMPARE(box->textFormat(), Qt::PlainText);
  QCOMPARE(box->text(), QStringLiteral("<b>Dentist</b> & \"lunch\"          \nsecond line\n\n"));
}

void TestQtLayers::escapeAnswersNoOrCancel_data() {
  QTest::addColumn<MsgButtons>("buttons");
  QTest::addColumn<MsgAnswer>("answer");
  QTest::newRow("OK") << MsgButtons::Ok << MsgAnswer::Ok;
  QTest::newRow("OK Cancel") << MsgButtons::OkCancel << MsgAnswer::Cancel;
  QTest::newRow("Yes No") << MsgButtons::YesNo << MsgAnswer::No;
  QTest::newRow("Yes No Cancel") << MsgButtons::YesNoCancel << MsgAnswer::Cancel;
}

void TestQtLayers::escapeAnswersNoOrCancel() {
  QFETCH(MsgButtons, buttons);
  QFETCH(MsgAnswer, answer);
  QtMessageBoxes boxes;
  QString seenTitle;
  WhenBoxOpens([&](QMessageBox* box) {
    seenTitle = box->windowTitle();
    QTest::keyClick(box, Qt::Key_Escape);
  });
  QCOMPARE(boxes.Show(MsgIcon::Warning, buttons, "Escape", "text"), answer);
  QCOMPARE(seenTitle, QStringLiteral("Escape"));
}

void TestQtLayers::pressedButtonIsTheAnswer_data() {
  QTest::addColumn<MsgButtons>("buttons");
  QTest::addColumn<int>("press");
  QTest::addColumn<MsgAnswer>("answer");
  QTest::newRow("OK") << MsgButtons::Ok << int(QMessageBox::Ok) << MsgAnswer::Ok;
  QTest::newRow("OK of OK Cancel") << MsgButtons::OkCancel << int(QMessageBox::Ok) << MsgAnswer::Ok;
  QTest::newRow("Cancel") << MsgButtons::OkCancel << int(QMessageBox::Cancel) << MsgAnswer::Cancel;
  QTest::newRow("Yes") << MsgButtons::YesNo << int(QMessageBox::Yes) << MsgAnswer::Yes;
  QTest::newRow("No") << MsgButtons::YesNo << int(QMessageBox::No) << MsgAnswer::No;
  QTest::newRow("No of three") << MsgButtons::YesNoCancel << int(QMessageBox::No) << MsgAnswer::No;
  QTest::newRow("Yes of three") << MsgButtons::YesNoCancel << int(QMessageBox::Yes) << MsgAnswer::Yes;
}

void TestQtLayers::pressedButtonIsTheAnswer() {
  QFETCH(MsgButtons, buttons);
  QFETCH(int, press);
  QFETCH(MsgAnswer, answer);
  QtMessageBoxes boxes;
  WhenBoxOpens([press](QMessageBox* box) { box->button(QMessageBox::StandardButton(press))->click(); });
  QCOMPARE(boxes.Show(MsgIcon::Question, buttons, "Question", "text"), answer);
}

void TestQtLayers::closingTheBoxAnswersLikeEscape() {
  QtMessageBoxes boxes;
  WhenBoxOpens([](QMessageBox* box) { box->close(); });
  QCOMPARE(boxes.Show(MsgIcon::Question, MsgButtons::YesNo, "Close", "text"), MsgAnswer::No);
  WhenBoxOpens([](QMessageBox* box) { box->close(); });
  QCOMPARE(boxes.Show(MsgIcon::Question, MsgButtons::YesNoCancel, "Close", "text"), MsgAnswer::Cancel);
}

void TestQtLayers::twipsToPixels_data() {
  QTest::addColumn<int>("twips");
  QTest::addColumn<int>("pixels");
  QTest::newRow("zero") << 0 << 0;
  QTest::newRow("7 rounds down") << 7 << 0;
  QTest::newRow("8 rounds up") << 8 << 1;
  QTest::newRow("one pixel") << 15 << 1;
  QTest::newRow("22") << 22 << 1;
  QTest::newRow("23") << 23 << 2;
  QTest::newRow("an inch") << 1440 << 96;
  QTest::newRow("reminder mark") << 75 << 5;
  QTest::newRow("largest 16-bit") << 32767 << 2184;
  QTest::newRow("-7") << -7 << 0;
  QTest::newRow("-8") << -8 << -1;
  QTest::newRow("-1440") << -1440 << -96;
}

void TestQtLayers::twipsToPixels() {
  QFETCH(int, twips);
  QFETCH(int, pixels);
  QCOMPARE(TwipsToPixels(twips), pixels);
  // Whole pixels come back unchanged.
  QCOMPARE(TwipsToPixels(PixelsToTwips(pixels)), pixels);
}

void TestQtLayers::twipGeometry() {
  // Position and size convert apart: a box 23 twips wide is 2 pixels wherever it stands.
  QCOMPARE(TwipsToPixels(QRect(8, 22, 23, 7)), QRect(1, 1, 2, 0));
  QCOMPARE(TwipsToPixels(QRect(7, 7, 23, 23)), QRect(0, 0, 2, 2));
  QCOMPARE(TwipsToPixels(QSize(3000, 1500)), QSize(200, 100));
  QCOMPARE(PixelsToTwips(QRect(2, 3, 4, 5)), QRect(30, 45, 60, 75));
  QCOMPARE(PixelsToTwips(QPoint(-2, 10)), QPoint(-30, 150));
}

void TestQtLayers::displayText_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<QString>("shown");
  QTest::newRow("CR LF") << QByteArray("one\r\ntwo") << QStringLiteral("one\ntwo");
  QTest::newRow("two CR LF") << QByteArray("one\r\n\r\ntwo") << QStringLiteral("one\n\ntwo");
  QTest::newRow("lone CR") << QByteArray("one\rtwo") << QStringLiteral("one\ntwo");
  QTest::newRow("LF") << QByteArray("one\ntwo") << QStringLiteral("one\ntwo");
  QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9 <b>") << QStringLiteral("caf\u00E9 <b>");
  QTest::newRow("trailing blanks kept") << QByteArray("wide          \r\n") << QStringLiteral("wide          \n");
}

void TestQtLayers::displayText() {
  QFETCH(QByteArray, text);
  QFETCH(QString, shown);
  QCOMPARE(DisplayText(std::string_view(text.constData(), static_cast<std::size_t>(text.size()))), shown);
}

void TestQtLayers::platformUnderWaylandOrX11_data() {
  // A null text is a variable that is not set.
  QTest::addColumn<QByteArray>("chosen");
  QTest::addColumn<QByteArray>("session");
  QTest::addColumn<QByteArray>("waylandDisplay");
  QTest::addColumn<QByteArray>("display");
  QTest::addColumn<QString>("platform");  // empty: left alone
  QTest::newRow("wayland with X11") << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0")
                                    << QByteArray(":0") << QStringLiteral("xcb;wayland");
  QTest::newRow("wayland display only, with X11")
      << QByteArray() << QByteArray() << QByteArray("wayland-0") << QByteArray(":1") << QStringLiteral("xcb;wayland");
  QTest::newRow("wayland session only, with X11")
      << QByteArray() << QByteArray("wayland") << QByteArray() << QByteArray(":0") << QStringLiteral("xcb;wayland");
  QTest::newRow("wayland without X11") << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0")
                                       << QByteArray() << QString();
  QTest::newRow("wayland, empty DISPLAY") << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0")
                                          << QByteArray("") << QString();
  QTest::newRow("X11 session") << QByteArray() << QByteArray("x11") << QByteArray() << QByteArray(":0") << QString();
  QTest::newRow("the user's own choice") << QByteArray("wayland") << QByteArray("wayland") << QByteArray("wayland-0")
                                         << QByteArray(":0") << QString();
}

void TestQtLayers::platformUnderWaylandOrX11() {
  QFETCH(QByteArray, chosen);
  QFETCH(QByteArray, session);
  QFETCH(QByteArray, waylandDisplay);
  QFETCH(QByteArray, display);
  QFETCH(QString, platform);
  const auto text = [](const QByteArray& b) { return b.isNull() ? nullptr : b.constData(); };
  const std::optional<std::string> result =
      PreferredQtPlatform(text(chosen), text(session), text(waylandDisplay), text(display));
  QCOMPARE(QString::fromStdString(result.value_or("")), platform);
  QCOMPARE(result.has_value(), !platform.isEmpty());
}

QTEST_MAIN(TestQtLayers)
#include "test_qt_layers.moc"
