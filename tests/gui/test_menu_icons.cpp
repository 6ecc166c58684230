// The 31 menu pictures are drawn when first shown, once for each size and look, and never at start.

#include <QIcon>
#include <QtTest>

#include "mainwindow/menu_icons.h"

using namespace orlevant;

class TestMenuIcons : public QObject {
  Q_OBJECT

 private slots:
  void drawnWhenFirstShownThenKept_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("mode");
    QTest::newRow("16, normal") << 16 << int(QIcon::Normal);
    QTest::newRow("24, normal") << 24 << int(QIcon::Normal);
    QTest::newRow("16, greyed") << 16 << int(QIcon::Disabled);
    QTest::newRow("32, highlighted") << 32 << int(QIcon::Active);
  }
  void drawnWhenFirstShownThenKept() {
    QFETCH(int, size);
    QFETCH(int, mode);
    const int atStart = MenuIconsDrawn();
    const MenuImageList images = BuildMenuImageList();
    QCOMPARE(images.Count(), std::size_t{31});
    QCOMPARE(MenuIconsDrawn(), atStart);  // building the list draws nothing

    for (int round = 0; round < 3; ++round) {
      for (const std::string& key : images.Keys()) {
        const QIcon icon = images.Image(key);  // a copy shares what the list's icon has drawn
        const QPixmap shown = icon.pixmap(QSize(size, size), QIcon::Mode(mode));
        QCOMPARE(shown.size(), QSize(size, size));
        if (mode == QIcon::Normal) QCOMPARE(shown.toImage(), DrawMenuIcon(key, size).toImage());
      }
      // Each picture was drawn once, in the first round; the comparisons above draw one more each.
      const int compared = mode == QIcon::Normal ? 31 * (round + 1) : 0;
      QCOMPARE(MenuIconsDrawn() - atStart, 31 + compared);
    }
  }
};

QTEST_MAIN(TestMenuIcons)
#include "test_menu_icons.moc"
