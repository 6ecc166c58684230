// The splash window, the tips dialog and the total-events warning (with the size it keeps).

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "core/message_box.h"
#include "core/settings.h"
#include "mainwindow/frm_splash.h"
#include "mainwindow/frm_tips.h"
#include "mainwindow/frm_total_events_msg.h"
#include "platform/settings_store.h"
#include "support/file_helpers.h"
#include "support/scoped_clock.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_home.h"

using namespace orlevant;

Q_DECLARE_METATYPE(orlevant::MsgAnswer)

namespace {

const std::string kCaution =
    "Caution: Selecting this option is permanent.\r\n\r\n"
    "You will never be reminded again about the Total Number of Events          \r\n"
    "in your file. If you have a large number of events Orlevant may be less          \r\n"
    "efficient since all events must be read and written when any editing          \r\n"
    "takes place. Please consider selecting the option to only show the          \r\n"
    "message when a multiple of 1000 is reached.          \r\n\r\n"
    "Would you like to leave this option selected?\r\n\r\n";

// A click on the box itself: a check box reaches across its row, far past its caption.
void ClickBox(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

// The version part of the title, "3.1" of "Orlevant 3.1".
QString VersionOfTitle() {
  const std::string& title = AppTitle();
  return QString::fromStdString(title.substr(title.find(' ') + 1));
}

}  // namespace

class TestSmallWindows : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TempHome> home_;
  std::unique_ptr<SettingsStore> store_;
  Settings settings_;

  std::string Stored(const char* key) const { return store_->Read(key, "none"); }

 private slots:
  void init() {
    home_ = std::make_unique<testing::TempHome>();
    store_ = std::make_unique<SettingsStore>();
    settings_ = Settings{};
  }
  void cleanup() {
    store_.reset();
    home_.reset();
  }

  // ---- splash ----

  void splashIsShownHeldAndClosed() {
    testing::ScopedClock clock({DateSerial(2031, 5, 1), 9, 0, 0});
    int holds = 0;
    ShowSplash([&](frmSplash& splash) {
      ++holds;
      QVERIFY(splash.isVisible());
      QCOMPARE(splash.lblversion->text(), "Version " + VersionOfTitle());
      QVERIFY2(splash.lblNotice->text().endsWith(QStringLiteral("2031")), qPrintable(splash.lblNotice->text()));
      for (const QLabel* layer : splash.lblProductName) {
        QCOMPARE(layer->text(), QString::fromStdString(ProductTitle()));
        QCOMPARE(layer->font().families().value(0), QStringLiteral("Times New Roman"));
      }
      QCOMPARE(splash.Image1->pixmap().size(), QSize(600, 400));
      // A hold of nothing leaves it shown; the caller closes it.
      HoldSplash(splash, std::chrono::milliseconds(0));
      QVERIFY(splash.isVisible());
    });
    QCOMPARE(holds, 1);
    for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!qobject_cast<frmSplash*>(w));
  }

  void splashCloses_data() {
    QTest::addColumn<int>("key");  // 0: a click on the picture
    QTest::addColumn<bool>("closes");
    QTest::newRow("letter") << int(Qt::Key_A) << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << false;
    QTest::newRow("click on the picture") << 0 << true;
  }
  void splashCloses() {
    QFETCH(int, key);
    QFETCH(bool, closes);
    frmSplash splash;
    splash.show();
    if (key == 0) {
      QTest::mouseClick(splash.Image1, Qt::LeftButton, {}, QPoint(300, 200));
    } else {
      QTest::keyClick(&splash, Qt::Key(key));
    }
    QCOMPARE(splash.isVisible(), !closes);
  }

  // ---- tips ----

  void tipsFirstOpeningShowsTipZero() {
    frmTips tips(settings_, *store_);
    QCOMPARE(tips.windowTitle(), QString::fromStdString(AppTitle() + " - Tips  "));
    QCOMPARE(tips.lstCategory->count(), frmTips::kTipCount);
    QCOMPARE(tips.lstCategory->item(0)->text(), QStringLiteral("Entering Events"));
    QCOMPARE(tips.lstCategory->item(13)->text(), QStringLiteral("Minimizing to System Tray"));
    QCOMPARE(tips.TipIndex(), 0);
    QCOMPARE(tips.lstCategory->currentRow(), 0);
    QCOMPARE(tips.lblTips->textFormat(), Qt::PlainText);
    QCOMPARE(tips.lblTips->text(), QString::fromStdString(frmTips::TipTexts()[0]).replace("\r\n", "\n"));
    QVERIFY(tips.chkShowTips->isChecked());
    QVERIFY(!tips.chkRemember->isChecked());
  }

  void tipsRememberTheLastTip_data() {
    QTest::addColumn<bool>("remember");
    QTest::addColumn<QString>("closeBy");
    QTest::newRow("remembered, Exit") << true << "exit";
    QTest::newRow("remembered, Escape") << true << "escape";
    QTest::newRow("remembered, window closed") << true << "close";
    QTest::newRow("not remembered, Exit") << false << "exit";
    QTest::newRow("remembered, dialog destroyed while open") << true << "destroy";
  }
  void tipsRememberTheLastTip() {
    QFETCH(bool, remember);
    QFETCH(QString, closeBy);
    {
      auto tips = std::make_unique<frmTips>(settings_, *store_);
      tips->show();
      tips->chkRemember->setChecked(remember);
      tips->lstCategory->setCurrentRow(9);
      if (closeBy == "exit") {
        QTest::mouseClick(tips->cmdExit, Qt::LeftButton);
      } else if (closeBy == "escape") {
        QTest::keyClick(tips.get(), Qt::Key_Escape);
      } else if (closeBy == "close") {
        tips->close();
      }
      QCOMPARE(tips->isVisible(), closeBy == "destroy");
    }
    QCOMPARE(Stored("Oldx"), std::string("9"));
    QCOMPARE(Stored("RememberTips"), std::string(remember ? "1" : "0"));
    QCOMPARE(Stored("ShowTips"), std::string("1"));

    frmTips again(settings_, *store_);
    QCOMPARE(again.chkRemember->isChecked(), remember);
    QCOMPARE(again.lstCategory->currentRow(), remember ? 9 : 0);
    QCOMPARE(again.lblTips->text(),
             QString::fromStdString(frmTips::TipTexts()[remember ? 9 : 0]).replace("\r\n", "\n"));
    QCOMPARE(Stored("Oldx"), std::string("9"));  // not remembered, the last tip is still on record
  }

  void tipsOpenAtZeroForAStoredIndexOutOfRange_data() {
    QTest::addColumn<QString>("oldx");
    QTest::addColumn<int>("row");
    QTest::newRow("13, the last") << "13" << 13;
    QTest::newRow("14, one past") << "14" << 0;
    QTest::newRow("-1") << "-1" << 0;
    QTest::newRow("not a number") << "nine" << 0;
  }
  void tipsOpenAtZeroForAStoredIndexOutOfRange() {
    QFETCH(QString, oldx);
    QFETCH(int, row);
    QVERIFY(store_->Write("RememberTips", "1"));
    QVERIFY(store_->Write("Oldx", oldx.toStdString()));
    frmTips tips(settings_, *store_);
    tips.show();
    QCOMPARE(tips.TipIndex(), row);
    QCOMPARE(tips.lstCategory->currentRow(), row);
    QVERIFY(!tips.lblTips->text().isEmpty());
    tips.close();
    QCOMPARE(Stored("Oldx"), std::to_string(row));
  }

  void tipsIconSwitchesAtOnce() {
    settings_.ShowTips = 1;
    frmTips tips(settings_, *store_);
    tips.show();
    ClickBox(tips.chkShowTips);
    // The mirror changes at once, so the title drops its icon at its next refresh.
    QCOMPARE(settings_.ShowTips, 0);
    QCOMPARE(Stored("ShowTips"), std::string("none"));
    tips.close();
    QCOMPARE(Stored("ShowTips"), std::string("0"));
    frmTips again(settings_, *store_);
    QVERIFY(!again.chkShowTips->isChecked());
  }

  void tipsTextsBreakLinesWithCrLf() {
    const auto& texts = frmTips::TipTexts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const std::string& t = texts[i];
      QVERIFY2(!t.empty() && !t.ends_with("\r\n"), qPrintable(QString::number(i)));
      for (std::size_t at = t.find('\n'); at != std::string::npos; at = t.find('\n', at + 1))
        QVERIFY2(at > 0 && t[at - 1] == '\r', qPrintable(QString::number(i)));
    }
    // The function-key tip lists its fourteen lines one below another.
    QCOMPARE(QString::fromStdString(texts[12]).count(QStringLiteral("\r\n")), 13);
  }

  // ---- total-events warning ----

  void warningTexts_data() {
    QTest::addColumn<int>("events");
    QTest::addColumn<QString>("second");
    QTest::newRow("31999") << 31999
                           << "The upper limit is 32000 events, but if you no longer need old events, removing them "
                              "from your file may help Orlevant run more efficiently.";
    QTest::newRow("32000") << 32000
                           << "The upper limit is 32000 events. You must remove some events from your file before "
                              "adding any more since Orlevant will not read any events past this limit.";
  }
  void warningTexts() {
    QFETCH(int, events);
    QFETCH(QString, second);
    frmTotalEventsMsg warning(events, *store_);
    QCOMPARE(warning.windowTitle(), QString::fromStdString(AppTitle() + " - Total Events"));
    QCOMPARE(warning.lblMsg[0]->text(),
             QStringLiteral("Please consider deleting some old events.\nYou currently have %1 events in your file.")
                 .arg(events));
    QCOMPARE(warning.lblMsg[1]->text(), second);
    QCOMPARE(warning.lblMsg[2]->text(),
             QStringLiteral("You can do this manually by removing events individually or go to the Preferences Dialog "
                            "and choose Maintenance then click on Delete Events Before Current Year."));
    for (const QLabel* label : warning.lblMsg) QCOMPARE(label->textFormat(), Qt::PlainText);
  }

  void warningOpensWithStoredValuesAndWritesNothing() {
    QVERIFY(store_->Write("ShowTotalEventsMessage", "1"));
    QVERIFY(store_->Write("NeverShowTotalEventsMessage", "1"));
    const std::string before = testing::Slurp(store_->FilePath());
    testing::ScriptedMessageBoxes boxes;
    {
      frmTotalEventsMsg warning(2500, *store_);
      QTimer::singleShot(0, &warning, [&] {
        QVERIFY(warning.isModal() && warning.isVisible());
        QVERIFY(warning.chkShowTotalEventsMsg->isChecked());
        QVERIFY(warning.chkNeverShowTotalEventsMsg->isChecked());
        QTest::mouseClick(warning.cmdOK, Qt::LeftButton);
      });
      QCOMPARE(warning.exec(), int(QDialog::Accepted));
    }
    QVERIFY(boxes.shown.empty());
    QCOMPARE(testing::Slurp(store_->FilePath()), before);
  }

  void warningLimitsOnlyBoxStoresAtOnceAndKeepsTheFocusOff() {
    testing::ScriptedMessageBoxes boxes;
    frmTotalEventsMsg warning(1500, *store_);
    warning.show();
    QCOMPARE(warning.focusWidget(), warning.cmdTakeFocus);
    ClickBox(warning.chkShowTotalEventsMsg);
    QCOMPARE(Stored("ShowTotalEventsMessage"), std::string("1"));
    QCOMPARE(warning.focusWidget(), warning.cmdTakeFocus);
    ClickBox(warning.chkShowTotalEventsMsg);
    QCOMPARE(Stored("ShowTotalEventsMessage"), std::string("0"));
    QVERIFY(boxes.shown.empty());
    QCOMPARE(Stored("NeverShowTotalEventsMessage"), std::string("none"));
    // The focus taker lies under OK, out of sight.
    QCOMPARE(warning.cmdTakeFocus->geometry(), warning.cmdOK->geometry());
    QCOMPARE(warning.cmdOK->parentWidget()->childAt(warning.cmdOK->geometry().center()),
             static_cast<QWidget*>(warning.cmdOK));
  }

  void warningNeverBoxAsksBeforeChecking_data() {
    QTest::addColumn<QString>("storedBefore");
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<bool>("checked");
    QTest::newRow("checking, No") << "0" << MsgAnswer::No << false;
    QTest::newRow("checking, Yes") << "0" << MsgAnswer::Yes << true;
    QTest::newRow("unchecking asks nothing") << "1" << MsgAnswer::Yes << false;
  }
  void warningNeverBoxAsksBeforeChecking() {
    QFETCH(QString, storedBefore);
    QFETCH(MsgAnswer, answer);
    QFETCH(bool, checked);
    QVERIFY(store_->Write("NeverShowTotalEventsMessage", storedBefore.toStdString()));
    testing::ScriptedMessageBoxes boxes;
    const bool asks = storedBefore == "0";
    if (asks) boxes.Answer(answer);
    frmTotalEventsMsg warning(3000, *store_);
    warning.show();
    ClickBox(warning.chkNeverShowTotalEventsMsg);
    QCOMPARE(boxes.shown.size(), asks ? std::size_t{1} : std::size_t{0});
    if (asks) {
      QCOMPARE(boxes.shown[0].icon, MsgIcon::Warning);
      QCOMPARE(boxes.shown[0].buttons, MsgButtons::YesNo);
      QCOMPARE(boxes.shown[0].title, std::string("Total Events Caution"));
      QCOMPARE(boxes.shown[0].text, kCaution);
    }
    QCOMPARE(warning.chkNeverShowTotalEventsMsg->isChecked(), checked);
    QCOMPARE(Stored("NeverShowTotalEventsMessage"), std::string(checked ? "1" : "0"));
    QCOMPARE(Stored("ShowTotalEventsMessage"), std::string("none"));
  }

  // The warning keeps the size its paragraphs need, whatever is asked of it.
  void warningKeepsItsSize_data() {
    QTest::addColumn<int>("events");
    QTest::addColumn<QSize>("asked");
    QTest::newRow("may help, made small") << 2000 << QSize(200, 120);
    QTest::newRow("must remove, made small") << 32000 << QSize(150, 300);
    QTest::newRow("made large") << 1000 << QSize(1600, 1000);
  }
  void warningKeepsItsSize() {
    QFETCH(int, events);
    QFETCH(QSize, asked);
    frmTotalEventsMsg warning(events, *store_);
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

QTEST_MAIN(TestSmallWindows)
#include "test_small_windows.moc"
