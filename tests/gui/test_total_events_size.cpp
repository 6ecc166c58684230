// The total-events warning keeps the size its paragraphs need, whatever is asked of it.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "mainwindow/frm_total_events_msg.h"
#include "platform/settings_store.h"
#include "support/temp_home.h"

using namespace orlevant;

class TestTotalEventsSize : public QObject {
  Q_OBJECT

 private slots:
  void keepsItsSize_data() {
    QTest::addColumn<int>("events");
    QTest::addColumn<QSize>("asked");
    QTest::newRow("may help, made small") << 2000 << QSize(200, 120);
    QTest::newRow("must remove, made small") << 32000 << QSize(150, 300);
    QTest::newRow("made narrow and tall") << 5000 << QSize(120, 900);
    QTest::newRow("made large") << 1000 << QSize(1600, 1000);
  }
  void keepsItsSize() {
    QFETCH(int, events);
    QFETCH(QSize, asked);
    testing::TempHome home;
    SettingsStore store;
    frmTotalEventsMsg warning(events, store);
    warning.show();
    const QSize shown = warning.size();
    QCOMPARE(warning.minimumSize(), shown);
    QCOMPARE(warning.maximumSize(), shown);
    warning.resize(asked);
    QCOMPARE(warning.size(), shown);

    // Nothing overlaps, and every paragraph has the height its text needs at its width.
    QList<QWidget*> parts;
    for (QLabel* label : warning.lblMsg) {
      QVERIFY(label->height() >= label->heightForWidth(label->width()));
      parts << label;
    }
    parts << warning.chkShowTotalEventsMsg << warning.chkNeverShowTotalEventsMsg << warning.cmdOK;
    const auto at = [&](QWidget* w) { return w->geometry().translated(w->parentWidget()->mapTo(&warning, QPoint())); };
    for (int i = 0; i < parts.size(); ++i) {
      QVERIFY(warning.rect().contains(at(parts[i])));
      for (int j = i + 1; j < parts.size(); ++j)
        QVERIFY2(!at(parts[i]).intersects(at(parts[j])),
                 qPrintable(parts[i]->objectName() + " / " + parts[j]->objectName()));
    }
  }
};

QTEST_MAIN(TestTotalEventsSize)
#include "test_total_events_size.moc"
