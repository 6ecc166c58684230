// In every menu look, and whatever colours were chosen, the highlighted item clearly differs from
// the items beside it.

#include <QImage>
#include <QMenu>
#include <QWidget>
#include <QtTest>

#include <cmath>
#include <filesystem>
#include <memory>

#include "core/ini_file.h"
#include "core/settings.h"
#include "mainwindow/main_menus.h"
#include "platform/qt/menu_styler.h"
#include "support/temp_home.h"

using namespace orlevant;

namespace {

struct LookRow {
  int menuStyle;
  int gradientBar;
  std::uint32_t first, second, third;  // the look's colours, &H00BBGGRR; 0: as a new user has them
};

QColor Mean(const QImage& image, const QRect& r) {
  double red = 0, green = 0, blue = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      red += c.red(), green += c.green(), blue += c.blue();
    }
  const double n = double(r.width()) * r.height();
  return QColor(int(red / n), int(green / n), int(blue / n));
}

double Distance(const QColor& a, const QColor& b) {
  return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

}  // namespace

Q_DECLARE_METATYPE(LookRow)

class TestMenuHighlight : public QObject {
  Q_OBJECT

 private slots:
  void highlightStandsOut_data() {
    QTest::addColumn<LookRow>("row");
    QTest::newRow("gradient, new user") << LookRow{0, 1, 0, 0, 0};
    QTest::newRow("gradient bar near the face") << LookRow{0, 1, 0xF0F0F0, 0xFAFAFA, 0};
    QTest::newRow("plain bar of the face colour") << LookRow{0, 0, 0xF5F5F5, 0xF5F5F5, 0};
    QTest::newRow("flat, new user") << LookRow{2, 1, 0, 0, 0};
    QTest::newRow("flat, bar as the text area") << LookRow{2, 1, 0xFFFFFF, 0x202020, 0x202020};
    QTest::newRow("flat, dark") << LookRow{2, 1, 0x101010, 0x000000, 0x000000};
    QTest::newRow("raised, new user") << LookRow{4, 1, 0, 0, 0};
    QTest::newRow("raised, all one colour") << LookRow{4, 1, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0};
    QTest::newRow("raised, dark") << LookRow{4, 1, 0x202020, 0x101010, 0x303030};
    QTest::newRow("the desktop's own look") << LookRow{1, 1, 0, 0, 0};
  }
  void highlightStandsOut() {
    QFETCH(LookRow, row);
    testing::TempHome home;
    Settings s;
    s.MenuStyle = row.menuStyle;
    s.GradientBar = row.gradientBar;
    if (row.first || row.second || row.third) {
      s.GradientLeftColour = row.first, s.GradientRightColour = row.second;
      s.XPLeftBackColour = row.first, s.XPRightBackColour = row.second, s.XPBarColour = row.third;
      s.TopColour = row.first, s.MiddleColour = row.second, s.BottomColour = row.third;
    }
    QWidget window;
    MainMenus menus(&window);
    MenuStyler styler;
    menus.SubClassMenuXP(styler, home.Config() / "Tamsel" / "frmMain");
    WriteMenuIni(s, [&] { styler.ReloadMenuSettings(&window); });

    QMenu* menu = menus.mnuPopUpPrefs();
    menu->popup(QPoint(10, 10));
    menu->setActiveAction(menus.mnuClearAll());
    const QImage image = menu->grab().toImage();
    menu->hide();
    const QColor selected = Mean(image, menu->actionGeometry(menus.mnuClearAll()));
    const QColor above = Mean(image, menu->actionGeometry(menus.mnuEdit()));
    QVERIFY2(Distance(selected, above) >= 60,
             qPrintable(selected.name() + " against " + above.name()));
  }
};

QTEST_MAIN(TestMenuHighlight)
#include "test_menu_highlight.moc"
