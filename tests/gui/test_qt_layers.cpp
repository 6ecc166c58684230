// The Qt side of the platform layer: message boxes, twips, colours and the display of texts.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <optional>
#include <string>

#include "core/message_box.h"
#include "platform/qt/display_text.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_platform_choice.h"
#include "platform/qt/twips.h"
#include "when_box_opens.h"

using namespace orlevant;
using orlevant::testing::WhenBoxOpens;

namespace {

// What the box is given and how it shows; `act` is what the person does: press Escape, close the
// window, or press a standard button.
constexpr int kEscape = -1, kClose = -2;
struct BoxRow {
  MsgButtons buttons;
  MsgIcon icon;
  int standard, defaultButton, shownIcon, act;
  MsgAnswer answer;
};

// A null name is a variable that is not set; an empty platform is left alone.
struct PlatformRow {
  const char *chosen, *session, *waylandDisplay, *display, *platform;
};

}  // namespace

Q_DECLARE_METATYPE(BoxRow)
Q_DECLARE_METATYPE(PlatformRow)

class TestQtLayers : public QObject {
  Q_OBJECT

 private slots:
  void messageBoxes_data() {
    using B = QMessageBox;
    const int ok = B::Ok, okCancel = B::Ok | B::Cancel, yesNo = B::Yes | B::No, yesNoCancel = yesNo | B::Cancel;
    QTest::addColumn<BoxRow>("row");
    QTest::newRow("OK, Escape") << BoxRow{MsgButtons::Ok, MsgIcon::None, ok, B::Ok, B::NoIcon, kEscape, MsgAnswer::Ok};
    QTest::newRow("OK Cancel, Escape") << BoxRow{
        MsgButtons::OkCancel, MsgIcon::Information, okCancel, B::Ok, B::Information, kEscape, MsgAnswer::Cancel};
    QTest::newRow("Yes No, Escape") << BoxRow{MsgButtons::YesNo, MsgIcon::Question, yesNo,        B::Yes,
                                              B::Question,       kEscape,           MsgAnswer::No};
    QTest::newRow("Yes No Cancel, Escape") << BoxRow{
        MsgButtons::YesNoCancel, MsgIcon::Warning, yesNoCancel, B::Yes, B::Warning, kEscape, MsgAnswer::Cancel};
    QTest::newRow("Yes No, closed") << BoxRow{MsgButtons::YesNo, MsgIcon::Critical, yesNo, B::Yes, B::Critical, kClose,
                                              MsgAnswer::No};
    QTest::newRow("OK of OK Cancel") << BoxRow{MsgButtons::OkCancel, MsgIcon::None, okCancel, B::Ok, B::NoIcon, B::Ok,
                                               MsgAnswer::Ok};
    QTest::newRow("Yes of Yes No") << BoxRow{MsgButtons::YesNo, MsgIcon::None, yesNo,         B::Yes,
                                             B::NoIcon,         B::Yes,        MsgAnswer::Yes};
    QTest::newRow("No of three") << BoxRow{
        MsgButtons::YesNoCancel, MsgIcon::None, yesNoCancel, B::Yes, B::NoIcon, B::No, MsgAnswer::No};
  }
  void messageBoxes() {
    QFETCH(BoxRow, row);
    const auto built = BuildMessageBox(row.icon, row.buttons, "t", "x");
    QCOMPARE(int(built->standardButtons()), row.standard);
    QCOMPARE(int(built->standardButton(built->defaultButton())), row.defaultButton);
    QCOMPARE(int(built->icon()), row.shownIcon);

    QtMessageBoxes boxes;
    QString seenTitle;
    WhenBoxOpens([&](QMessageBox* box) {
      seenTitle = box->windowTitle();
      if (row.act == kEscape) {
        QTest::keyClick(box, Qt::Key_Escape);
      } else if (row.act == kClose) {
        box->close();
      } else {
        box->button(QMessageBox::StandardButton(row.act))->click();
      }
    });
    QCOMPARE(boxes.Show(row.icon, row.buttons, "Asked", "text"), row.answer);
    QCOMPARE(seenTitle, QStringLiteral("Asked"));
  }

  void boxShowsTitleAndTextAsGivenAsPlainText() {
    const std::string title = AppTitle() + " - <i>Topic</i>";
    const std::string text = "<b>Dentist</b> & \"lunch\"          \r\nsecond line\r\n\r\n";
    const auto box = BuildMessageBox(MsgIcon::Information, MsgButtons::Ok, title, text);
    QCOMPARE(box->windowTitle(), QString::fromStdString(title));
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(box->text(), QStringLiteral("<b>Dentist</b> & \"lunch\"          \nsecond line\n\n"));
  }

  void twipsToPixels() {
    // 15 twips to a pixel, to the nearest pixel; whole pixels come back unchanged.
    const std::pair<int, int> rows[] = {{7, 0}, {8, 1}, {22, 1}, {23, 2}, {1440, 96}, {32767, 2184}, {-7, 0}, {-8, -1}};
    for (const auto& [twips, pixels] : rows) {
      QCOMPARE(TwipsToPixels(twips), pixels);
      QCOMPARE(TwipsToPixels(PixelsToTwips(pixels)), pixels);
    }
    // Position and size convert apart: a box 23 twips wide is 2 pixels wherever it stands.
    QCOMPARE(TwipsToPixels(QRect(8, 22, 23, 7)), QRect(1, 1, 2, 0));
    QCOMPARE(TwipsToPixels(QRect(7, 7, 23, 23)), QRect(0, 0, 2, 2));
    QCOMPARE(TwipsToPixels(QSize(3000, 1500)), QSize(200, 100));
    QCOMPARE(PixelsToTwips(QRect(2, 3, 4, 5)), QRect(30, 45, 60, 75));
    QCOMPARE(PixelsToTwips(QPoint(-2, 10)), QPoint(-30, 150));
  }

  void displayText() {
    const std::pair<const char*, QString> rows[] = {
        {"one\ntwo", "one\ntwo"},
        {"caf\xC3\xA9 <b>", QStringLiteral("caf\u00E9 <b>")},
        {"wide          \r\n", "wide          \n"},  // trailing blanks kept
        {"\r\n\r\nlast", "\n\nlast"},
        {"a\r\r\nb\n\rc\r", "a\n\nb\n\nc\n"},
        {"\xC3\xA9t\xC3\xA9\r\n\xD0\x96\r\nend", QStringLiteral("\u00E9t\u00E9\n\u0416\nend")},
    };
    for (const auto& [text, shown] : rows) QCOMPARE(DisplayText(text), shown);
  }

  void platformUnderWaylandOrX11_data() {
    QTest::addColumn<PlatformRow>("row");
    QTest::newRow("wayland with X11") << PlatformRow{nullptr, "wayland", "wayland-0", ":0", "xcb;wayland"};
    QTest::newRow("wayland display only") << PlatformRow{nullptr, nullptr, "wayland-0", ":1", "xcb;wayland"};
    QTest::newRow("wayland session only") << PlatformRow{nullptr, "wayland", nullptr, ":0", "xcb;wayland"};
    QTest::newRow("wayland without X11") << PlatformRow{nullptr, "wayland", "wayland-0", nullptr, ""};
    QTest::newRow("wayland, empty DISPLAY") << PlatformRow{nullptr, "wayland", "wayland-0", "", ""};
    QTest::newRow("X11 session") << PlatformRow{nullptr, "x11", nullptr, ":0", ""};
    QTest::newRow("the user's own choice") << PlatformRow{"wayland", "wayland", "wayland-0", ":0", ""};
  }
  void platformUnderWaylandOrX11() {
    QFETCH(PlatformRow, row);
    const std::optional<std::string> result =
        PreferredQtPlatform(row.chosen, row.session, row.waylandDisplay, row.display);
    QCOMPARE(result.value_or(""), std::string(row.platform));
    QCOMPARE(result.has_value(), *row.platform != '\0');
  }
};

QTEST_MAIN(TestQtLayers)
#include "test_qt_layers.moc"
