// The splash window, the tips dialog and the total-events warning.

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <memory>
#include <sstream>

#include "core/clock.h"
#include "core/message_box.h"
#include "core/settings.h"
#include "mainwindow/frm_splash.h"
#include "mainwindow/frm_tips.h"
#include "mainwindow/frm_total_events_msg.h"
#include "platform/settings_store.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_home.h"

using namespace orlevant;

Q_DECLARE_METATYPE(orlevant::MsgAnswer)

namespace {

const QString kTip0 = QStringLiteral(
    "Double Click on any Active Day to enter events for that specific day.\n\n"
    "You could also Right Click the Active Day and choose 'Edit' from the Context Menu.\n\n"
    "See 'Edit Dialog' for further details.");

const QString kTip9 = QStringLiteral(
    "Right Click on any Weekday and choose...\n\n"
    "Small Planner: Shows a very small Planner with only the Dates visible.\n\n"
    "Medium Planner: Shows a Planner about half the screen size and will have your events visible in each Date.\n\n"
    "Large Planner: Shows the largest Planner with the greatest amount of space to view your events.");

const std::string kCaution =
    "Caution: Selecting this option is permanent.\r\n\r\n"
    "You will never be reminded again about the Total Number of Events          \r\n"
    "in your file. If you have a large number of events Orlevant may be less          \r\n"
    "efficient since all events must be read and written when any editing          \r\n"
    "takes place. Please consider selecting the option to only show the          \r\n"
    "message when a multiple of 1000 is reached.          \r\n\r\n"
    "Would you like to leave this option selected?\r\n\r\n";

std::string FileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

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

 private slots:
  void init() {
    home_ = std::make_unique<testing::TempHome>();
    store_ = std::make_unique<SettingsStore>();
    settings_ = Settings{};
  }
  void cleanup() {
    SetAppClock(nullptr);
    store_.reset();
    home_.reset();
  }

  // ---- splash ----
  void splashIsShownHeldAndClosed();
  void splashCloses_data();
  void splashCloses();
  void splashHoldOfNothingLeavesItShown();

  // ---- tips ----
  void tipsFirstOpeningShowsTipZero();
  void tipsRememberTheLastTip_data();
  void tipsRememberTheLastTip();
  void tipsOpenAtZeroForAStoredIndexOutOfRange_data();
  void tipsOpenAtZeroForAStoredIndexOutOfRange();
  void tipsIconSwitchesAtOnce();
  void tipsTextsBreakLinesWithCrLf();
  void tipsModalOpeningDoesNotBlock();

  // ---- total-events warning ----
  void warningTexts_data();
  void warningTexts();
  void warningOpensWithStoredValuesAndWritesNothing();
  void warningLimitsOnlyBoxStoresAtOnce();
  void warningNeverBoxAsksFirst_data();
  void warningNeverBoxAsksFirst();
  void warningUncheckingNeverAsksNothing();
  void warningKeepsTheFocusOffTheBoxes();
  void warningOkCloses();

 private:
  std::unique_ptr<testing::TempHome> home_;
  std::unique_ptr<SettingsStore> store_;
  Settings settings_;
};

// ---- splash ----

void TestSmallWindows::splashIsShownHeldAndClosed() {
  FixedClock clock({DateSerial(2031, 5, 1), 9, 0, 0});
  SetAppClock(&clock);
  int holds = 0;
  bool shown = false;
  QString version, notice, name;
  QSize picture;
  ShowSplash([&](frmSplash& splash) {
    ++holds;
    shown = splash.isVisible();
    version = splash.lblversion->text();
    notice = splash.lblNotice->text();
    for (const QLabel* layer : splash.lblProductName) {
      QCOMPARE(layer->text(), splash.lblProductName.back()->text());
      QCOMPARE(layer->font().families().value(0), QStringLiteral("Times New Roman"));
    }
    name = splash.lblProductName.back()->text();
    picture = splash.Image1->pixmap().size();
  });
  QCOMPARE(holds, 1);
  QVERIFY(shown);
  QCOMPARE(version, "Version " + VersionOfTitle());
  QVERIFY2(notice.endsWith(QStringLiteral("2031")), qPrintable(notice));
  QCOMPARE(name, QString::fromStdString(ProductTitle()));
  QCOMPARE(picture, QSize(600, 400));
  for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!qobject_cast<frmSplash*>(w));
}

void TestSmallWindows::splashCloses_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<bool>("closes");
  QTest::newRow("letter") << int(Qt::Key_A) << true;
  QTest::newRow("space") << int(Qt::Key_Space) << true;
  QTest::newRow("Enter") << int(Qt::Key_Return) << true;
  QTest::newRow("shift alone") << int(Qt::Key_Shift) << false;
  QTest::newRow("F1") << int(Qt::Key_F1) << false;
  QTest::newRow("click on the picture") << 0 << true;
}

void TestSmallWindows::splashCloses() {
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

void TestSmallWindows::splashHoldOfNothingLeavesItShown() {
  frmSplash splash;
  splash.show();
  HoldSplash(splash, std::chrono::milliseconds(0));
  QVERIFY(splash.isVisible());
}

// ---- tips ----

void TestSmallWindows::tipsFirstOpeningShowsTipZero() {
  frmTips tips(settings_, *store_);
  QCOMPARE(tips.windowTitle(), QString::fromStdString(AppTitle() + " - Tips  "));
  QCOMPARE(tips.Frame1->title(), QStringLiteral("Tips On Using Orlevant"));
  QCOMPARE(tips.chkShowTips->text(), QStringLiteral("Show Tips Icon on Planner"));
  QCOMPARE(tips.chkRemember->text(), QStringLiteral("Remember Last Tip Used"));
  QCOMPARE(tips.cmdExit->text(), QStringLiteral("Exit"));
  const QStringList titles = {"Entering Events",
                              "Edit Dialog",
                              "Right Clicking Active Day",
                              "Preferences Dialog Box",
                              "Setting Reminders",
                              "Compact or Expand Part 1",
                              "Compact or Expand Part 2",
                              "Advancing by Months",
                              "Advancing by Years",
                              "Changing Planner Size",
                              "Changing Colours",
                              "Changing the Week Start Day",
                              "Function Keys",
                              "Minimizing to System Tray"};
  QCOMPARE(tips.lstCategory->count(), titles.size());
  for (int i = 0; i < titles.size(); ++i) QCOMPARE(tips.lstCategory->item(i)->text(), titles[i]);
  QCOMPARE(tips.TipIndex(), 0);
  QCOMPARE(tips.lstCategory->currentRow(), 0);
  QCOMPARE(tips.lblTips->textFormat(), Qt::PlainText);
  QCOMPARE(tips.lblTips->text(), kTip0);
  QVERIFY(tips.chkShowTips->isChecked());
  QVERIFY(!tips.chkRemember->isChecked());
}

void TestSmallWindows::tipsRememberTheLastTip_data() {
  QTest::addColumn<bool>("remember");
  QTest::addColumn<QString>("closeBy");
  QTest::newRow("remembered, Exit") << true << "exit";
  QTest::newRow("remembered, Escape") << true << "escape";
  QTest::newRow("remembered, window closed") << true << "close";
  QTest::newRow("not remembered, Exit") << false << "exit";
  QTest::newRow("not remembered, Escape") << false << "escape";
  QTest::newRow("remembered, dialog destroyed while open") << true << "destroy";
}

void TestSmallWindows::tipsRememberTheLastTip() {
  QFETCH(bool, remember);
  QFETCH(QString, closeBy);
  {
    auto tips = std::make_unique<frmTips>(settings_, *store_);
    tips->show();
    tips->chkRemember->setChecked(remember);
    tips->lstCategory->setCurrentRow(9);
    QCOMPARE(tips->lblTips->text(), kTip9);
    if (closeBy == "exit") {
      QTest::mouseClick(tips->cmdExit, Qt::LeftButton);
    } else if (closeBy == "escape") {
      QTest::keyClick(tips.get(), Qt::Key_Escape);
    } else if (closeBy == "close") {
      tips->close();
    }
    QCOMPARE(tips->isVisible(), closeBy == "destroy");
  }
  QCOMPARE(store_->Read("Oldx", "none"), std::string("9"));
  QCOMPARE(store_->Read("RememberTips", "none"), std::string(remember ? "1" : "0"));
  QCOMPARE(store_->Read("ShowTips", "none"), std::string("1"));

  frmTips again(settings_, *store_);
  QCOMPARE(again.chkRemember->isChecked(), remember);
  QCOMPARE(again.lstCategory->currentRow(), remember ? 9 : 0);
  QCOMPARE(again.lblTips->text(), remember ? kTip9 : kTip0);
  // Not remembered, the last tip is still on record.
  QCOMPARE(store_->Read("Oldx", "none"), std::string("9"));
}

void TestSmallWindows::tipsOpenAtZeroForAStoredIndexOutOfRange_data() {
  QTest::addColumn<QString>("oldx");
  QTest::addColumn<int>("row");
  QTest::newRow("13, the last") << "13" << 13;
  QTest::newRow("14, one past") << "14" << 0;
  QTest::newRow("-1") << "-1" << 0;
  QTest::newRow("99") << "99" << 0;
  QTest::newRow("not a number") << "nine" << 0;
  QTest::newRow("empty") << "" << 0;
}

void TestSmallWindows::tipsOpenAtZeroForAStoredIndexOutOfRange() {
  QFETCH(QString, oldx);
  QFETCH(int, row);
  QVERIFY(store_->Write("RememberTips", "1"));
  QVERIFY(store_->Write("Oldx", oldx.toStdString()));
  frmTips tips(settings_, *store_);
  tips.show();
  QCOMPARE(tips.TipIndex(), row);
  QCOMPARE(tips.lstCategory->currentRow(), row);
  QCOMPARE(tips.lblTips->text().isEmpty(), false);
  tips.close();
  QCOMPARE(store_->Read("Oldx", "none"), std::to_string(row));
}

void TestSmallWindows::tipsIconSwitchesAtOnce() {
  settings_.ShowTips = 1;
  frmTips tips(settings_, *store_);
  tips.show();
  ClickBox(tips.chkShowTips);
  // The mirror changes at once, so the title drops its icon at its next refresh.
  QCOMPARE(settings_.ShowTips, 0);
  QCOMPARE(store_->Read("ShowTips", "unset"), std::string("unset"));
  tips.close();
  QCOMPARE(store_->Read("ShowTips", "unset"), std::string("0"));

  frmTips again(settings_, *store_);
  QVERIFY(!again.chkShowTips->isChecked());
}

void TestSmallWindows::tipsTextsBreakLinesWithCrLf() {
  const auto& texts = frmTips::TipTexts();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string& t = texts[i];
    QVERIFY2(!t.empty(), qPrintable(QString::number(i)));
    QVERIFY2(t.substr(t.size() - 2) != "\r\n", qPrintable(QString::number(i)));
    for (std::size_t at = t.find('\n'); at != std::string::npos; at = t.find('\n', at + 1)) {
      QVERIFY2(at > 0 && t[at - 1] == '\r', qPrintable(QString::number(i)));
    }
  }
  // The function-key tip lists its fourteen lines one below another.
  QCOMPARE(QString::fromStdString(texts[12]).count(QStringLiteral("\r\n")), 13);
}

void TestSmallWindows::tipsModalOpeningDoesNotBlock() {
  frmTips tips(settings_, *store_);
  QTimer::singleShot(0, &tips, [&] {
    QVERIFY(tips.isModal() && tips.isVisible());
    tips.lstCategory->setCurrentRow(4);
    tips.cmdExit->click();
  });
  QCOMPARE(tips.exec(), int(QDialog::Accepted));
  QCOMPARE(store_->Read("Oldx", "none"), std::string("4"));
}

// ---- total-events warning ----

void TestSmallWindows::warningTexts_data() {
  QTest::addColumn<int>("events");
  QTest::addColumn<QString>("first");
  QTest::addColumn<QString>("second");
  const QString mayHelp = QStringLiteral(
      "The upper limit is 32000 events, but if you no longer need old events, removing them from your file may "
      "help Orlevant run more efficiently.");
  const QString mustRemove = QStringLiteral(
      "The upper limit is 32000 events. You must remove some events from your file before adding any more since "
      "Orlevant will not read any events past this limit.");
  QTest::newRow("1500") << 1500
                        << "Please consider deleting some old events.\nYou currently have 1500 events in your file."
                        << mayHelp;
  QTest::newRow("31999") << 31999
                         << "Please consider deleting some old events.\nYou currently have 31999 events in your file."
                         << mayHelp;
  QTest::newRow("32000") << 32000
                         << "Please consider deleting some old events.\nYou currently have 32000 events in your file."
                         << mustRemove;
}

void TestSmallWindows::warningTexts() {
  QFETCH(int, events);
  QFETCH(QString, first);
  QFETCH(QString, second);
  frmTotalEventsMsg warning(events, *store_);
  QCOMPARE(warning.windowTitle(), QString::fromStdString(AppTitle() + " - Total Events"));
  QCOMPARE(warning.lblMsg[0]->text(), first);
  QCOMPARE(warning.lblMsg[1]->text(), second);
  QCOMPARE(warning.lblMsg[2]->text(),
           QStringLiteral("You can do this manually by removing events individually or go to the Preferences Dialog "
                          "and choose Maintenance then click on Delete Events Before Current Year."));
  QCOMPARE(warning.lblMsg[3]->text(),
           QStringLiteral("This message appears when your Total Events is 1000 or more. It will also show at "
                          "multiples of 1000 Total Events."));
  for (const QLabel* label : warning.lblMsg) QCOMPARE(label->textFormat(), Qt::PlainText);
  QCOMPARE(warning.chkShowTotalEventsMsg->text(),
           QStringLiteral("Do Not Show This Message Until the Next Limit is Reached"));
  QCOMPARE(warning.chkNeverShowTotalEventsMsg->text(), QStringLiteral("Never Show This Message Again"));
  QCOMPARE(warning.cmdOK->text(), QStringLiteral("OK"));
}

void TestSmallWindows::warningOpensWithStoredValuesAndWritesNothing() {
  QVERIFY(store_->Write("ShowTotalEventsMessage", "1"));
  QVERIFY(store_->Write("NeverShowTotalEventsMessage", "1"));
  const std::string before = FileText(store_->FilePath());
  testing::ScriptedMessageBoxes boxes;
  {
    frmTotalEventsMsg warning(2500, *store_);
    warning.show();
    QVERIFY(warning.chkShowTotalEventsMsg->isChecked());
    QVERIFY(warning.chkNeverShowTotalEventsMsg->isChecked());
    QTest::mouseClick(warning.cmdOK, Qt::LeftButton);
  }
  QVERIFY(boxes.shown.empty());
  QCOMPARE(FileText(store_->FilePath()), before);
}

void TestSmallWindows::warningLimitsOnlyBoxStoresAtOnce() {
  testing::ScriptedMessageBoxes boxes;
  frmTotalEventsMsg warning(1500, *store_);
  warning.show();
  ClickBox(warning.chkShowTotalEventsMsg);
  QCOMPARE(store_->Read("ShowTotalEventsMessage", "none"), std::string("1"));
  ClickBox(warning.chkShowTotalEventsMsg);
  QCOMPARE(store_->Read("ShowTotalEventsMessage", "none"), std::string("0"));
  QVERIFY(boxes.shown.empty());
  QCOMPARE(store_->Read("NeverShowTotalEventsMessage", "none"), std::string("none"));
}

void TestSmallWindows::warningNeverBoxAsksFirst_data() {
  QTest::addColumn<MsgAnswer>("answer");
  QTest::addColumn<bool>("checked");
  QTest::addColumn<QString>("stored");
  QTest::newRow("No") << MsgAnswer::No << false << "0";
  QTest::newRow("Yes") << MsgAnswer::Yes << true << "1";
}

void TestSmallWindows::warningNeverBoxAsksFirst() {
  QFETCH(MsgAnswer, answer);
  QFETCH(bool, checked);
  QFETCH(QString, stored);
  testing::ScriptedMessageBoxes boxes;
  boxes.Answer(answer);
  frmTotalEventsMsg warning(3000, *store_);
  warning.show();
  ClickBox(warning.chkNeverShowTotalEventsMsg);
  QCOMPARE(boxes.shown.size(), std::size_t{1});
  QCOMPARE(boxes.shown[0].icon, MsgIcon::Warning);
  QCOMPARE(boxes.shown[0].buttons, MsgButtons::YesNo);
  QCOMPARE(boxes.shown[0].title, std::string("Total Events Caution"));
  QCOMPARE(boxes.shown[0].text, kCaution);
  QCOMPARE(warning.chkNeverShowTotalEventsMsg->isChecked(), checked);
  QCOMPARE(QString::fromStdString(store_->Read("NeverShowTotalEventsMessage", "none")), stored);
  QCOMPARE(store_->Read("ShowTotalEventsMessage", "none"), std::string("none"));
}

void TestSmallWindows::warningUncheckingNeverAsksNothing() {
  QVERIFY(store_->Write("NeverShowTotalEventsMessage", "1"));
  testing::ScriptedMessageBoxes boxes;
  frmTotalEventsMsg warning(32000, *store_);
  warning.show();
  ClickBox(warning.chkNeverShowTotalEventsMsg);
  QVERIFY(!warning.chkNeverShowTotalEventsMsg->isChecked());
  QVERIFY(boxes.shown.empty());
  QCOMPARE(store_->Read("NeverShowTotalEventsMessage", "none"), std::string("0"));
}

void TestSmallWindows::warningKeepsTheFocusOffTheBoxes() {
  testing::ScriptedMessageBoxes boxes;
  frmTotalEventsMsg warning(1200, *store_);
  warning.show();
  QCOMPARE(warning.focusWidget(), warning.cmdTakeFocus);
  ClickBox(warning.chkShowTotalEventsMsg);
  QCOMPARE(warning.focusWidget(), warning.cmdTakeFocus);
  // It lies under OK, out of sight.
  QCOMPARE(warning.cmdTakeFocus->geometry(), warning.cmdOK->geometry());
  QWidget* cell = warning.cmdOK->parentWidget();
  QCOMPARE(cell->childAt(warning.cmdOK->geometry().center()), static_cast<QWidget*>(warning.cmdOK));
}

void TestSmallWindows::warningOkCloses() {
  frmTotalEventsMsg warning(4000, *store_);
  QTimer::singleShot(0, &warning, [&] {
    QVERIFY(warning.isModal() && warning.isVisible());
    warning.cmdOK->click();
  });
  QCOMPARE(warning.exec(), int(QDialog::Accepted));
  QCOMPARE(store_->Read("ShowTotalEventsMessage", "none"), std::string("none"));
}

QTEST_MAIN(TestSmallWindows)
#include "test_small_windows.moc"
