// The preferences dialog over a loaded month window: what it stores, when, and what it leaves alone.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/events_file.h"
#include "core/events_maintenance.h"
#include "core/preference_tables.h"
#include "core/settings.h"
#include "mainwindow/app_context.h"
#include "mainwindow/frm_main.h"
#include "platform/ini_document.h"
#include "platform/paths.h"
#include "platform/qt/twips.h"
#include "preferences/about_tab.h"
#include "preferences/colour_box.h"
#include "preferences/colours_tab.h"
#include "preferences/format_tab.h"
#include "preferences/frm_preferences.h"
#include "preferences/maintenance_tab.h"
#include "preferences/menu_style_tab.h"
#include "preferences/open_preferences.h"
#include "preferences/settings_tab.h"
#include "preferences/statistics_tab.h"
#include "main_window_fixture.h"
#include "support/file_helpers.h"
#include "support/unreadable_after_save.h"

using namespace orlevant;
using orlevant::testing::MainWindowFixture;
namespace fs = std::filesystem;

using Entries = std::vector<IniDocument::Entry>;

class TestPreferences : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowFixture> f_;
  std::unique_ptr<frmPreferences> dialog_;

  int redraws_ = 0;
  QStringList runCalls_;
  bool runEntryWorks_ = true;  // what the log-on entry's add and remove answer
  QList<bool> eventsChanged_;
  std::vector<std::uint32_t> colourAnswers_;  // given in order by the colour dialog; empty: cancel
  QList<QUrl> opened_;

  Entries StoredEntries() const {
    auto doc = IniDocument::Load(f_->app.store.FilePath());
    if (!doc) return {};
    return doc->SectionEntries("Settings").value_or(Entries{});
  }
  Entries StoredWithoutLastTab() const {
    Entries entries;
    for (const auto& e : StoredEntries())
      if (e.first != "LastTab") entries.push_back(e);
    return entries;
  }
  QString Stored(const char* key) const { return QString::fromStdString(f_->app.store.Read(key, "(missing)")); }
  QString MonthText(int day) const { return f_->window->lblData(f_->Box(day))->text(); }

  frmPreferences& Open() {
    PreferencesServices services;
    services.settingsChanged = [this] { ++redraws_; f_->window->SettingsChanged(); };
    services.eventsChanged = [this](bool removed) { eventsChanged_ << removed; f_->window->EventsChanged(removed); };
    services.addRunAtLogon = [this](std::string_view) { runCalls_ << "add"; return runEntryWorks_; };
    services.removeRunAtLogon = [this] { runCalls_ << "remove"; return runEntryWorks_; };
    services.chooseColour = [this](std::uint32_t, QWidget*) -> std::optional<std::uint32_t> {
      if (colourAnswers_.empty()) return std::nullopt;
      const std::uint32_t c = colourAnswers_.front();
      colourAnswers_.erase(colourAnswers_.begin());
      return c;
    };
    services.openUrl = [this](const QUrl& url) { opened_ << url; return true; };
    dialog_ = std::make_unique<frmPreferences>(f_->app, services, f_->window.get());
    return *dialog_;
  }

 private slots:
  void init() {
    f_ = std::make_unique<MainWindowFixture>(DateTime{DateSerial(2026, 6, 15), 9, 30, 0});
    fs::create_directories(fs::path(EventFilePath(DefaultAllUsersPath())).parent_path());
    f_->Load({"14/03/2026000000=Dentist", "14/03/2025000000=Last year", "04/07/9999000000=Party",
              "16/06/2026000000=Tomorrow"});
    redraws_ = 0;
    runCalls_.clear();
    runEntryWorks_ = true;
    eventsChanged_.clear();
    colourAnswers_.clear();
    opened_.clear();
  }
  void cleanup() {
    dialog_.reset();
    f_.reset();
  }

  // ------------------------------------------------------------------ load, OK, Cancel

  // OK with nothing changed, or Cancel after edits: only the last tab is stored, nothing redrawn;
  // the dialog opens on that tab next time.
  void closingWithoutApplyWritesOnlyLastTab_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK untouched") << true;
    QTest::newRow("Cancel after edits") << false;
  }
  void closingWithoutApplyWritesOnlyLastTab() {
    QFETCH(bool, ok);
    const Entries before = StoredEntries();
    const Settings settingsBefore = f_->app.settings;
    frmPreferences& d = Open();
    QVERIFY(!d.cmdApply()->isEnabled());
    QVERIFY(!d.SettingsChanged());
    d.SSTab()->setCurrentIndex(4);
    if (ok) {
      d.cmdOK()->click();
    } else {
      d.General()->optPosition(4)->click();
      d.Format()->optWeekDay(2)->click();
      d.MenuStyle()->optMenuStyle(2)->click();
      d.cmdCancel()->click();
    }
    QCOMPARE(d.result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(redraws_, 0);
    QVERIFY(runCalls_.isEmpty());
    QVERIFY(StoredWithoutLastTab() == before);
    QCOMPARE(Stored("LastTab"), QStringLiteral("4"));
    QCOMPARE(f_->app.settings.Position, settingsBefore.Position);
    QCOMPARE(f_->app.settings.WeekDayLength, settingsBefore.WeekDayLength);
    QCOMPARE(f_->app.settings.MenuStyle, settingsBefore.MenuStyle);
    dialog_.reset();
    frmPreferences& again = Open();
    QCOMPARE(again.SSTab()->currentIndex(), 4);
    QCOMPARE(again.lblDescription()->text().toStdString(), std::string(frmPreferences::TabDescriptions()[4]));
  }

  void applyWithOneColourWritesTheFiftyNineKeysInOrder() {
    frmPreferences& d = Open();
    fs::remove(f_->app.store.FilePath());
    colourAnswers_ = {0x0000FF};
    d.Colours()->PreviewBox_MouseUp(ColoursTab::PreviewBox::Date, 0, Qt::RightButton);
    QVERIFY(d.cmdApply()->isEnabled());
    d.cmdApply()->click();
    // Every key of the table, in its order (the table's own order is checked against a list of its own).
    std::vector<std::string> keys, expected;
    for (const auto& e : StoredEntries()) keys.push_back(e.first);
    for (const auto& e : PreferenceValues(f_->app.settings)) expected.push_back(e.first);
    QVERIFY(keys == expected);
    QCOMPARE(Stored("BackGroundDate"), QStringLiteral("255"));
    QCOMPARE(f_->app.settings.BackGroundDate, 0x0000FFu);
    QCOMPARE(f_->window->lblDate()->palette().color(QPalette::Window), QColor(255, 0, 0));
    // "dTheme" and "DTheme" are one value.
    QCOMPARE(QString::fromStdString(f_->app.store.Read("DTheme", "")), QString::number(f_->app.settings.DTheme));
    QCOMPARE(LoadSettings(f_->app.store).DTheme, f_->app.settings.DTheme);
    QCOMPARE(redraws_, 1);
    QVERIFY(runCalls_.isEmpty());
    QVERIFY(!d.cmdApply()->isEnabled());
  }

  // The log-on entry changes only when the box ends changed. One that cannot change is reported and
  // the setting keeps what is true of the entry; with the box still changed, the next Apply tries
  // again. Otherwise a second Apply touches nothing more.
  void theRunValueFollowsTheLogOnEntry_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("works");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("words");  // of the message; empty: none
    QTest::addColumn<QStringList>("callsAfterRetry");
    QTest::addColumn<QString>("storedAfterRetry");
    const QStringList none, add{"add"}, remove{"remove"};
    QTest::newRow("checked and unchecked again") << 1 << 2 << true << none << "1" << "" << none << "1";
    QTest::newRow("unchecked") << 1 << 1 << true << remove << "0" << "" << remove << "0";
    QTest::newRow("unchecked, checked, unchecked") << 1 << 3 << true << remove << "0" << "" << remove << "0";
    QTest::newRow("add fails") << 0 << 1 << false << add << "0" << "could not be written" << add + add << "1";
    QTest::newRow("remove fails") << 1 << 1 << false << remove << "1" << "could not be removed" << remove + remove
                                  << "0";
  }
  void theRunValueFollowsTheLogOnEntry() {
    QFETCH(int, before);
    QFETCH(int, clicks);
    QFETCH(bool, works);
    QFETCH(QStringList, calls);
    QFETCH(QString, stored);
    QFETCH(QString, words);
    QFETCH(QStringList, callsAfterRetry);
    QFETCH(QString, storedAfterRetry);
    f_->app.settings.RunStartup = before;
    runEntryWorks_ = works;
    frmPreferences& d = Open();
    for (int i = 0; i < clicks; ++i) d.General()->chkRunStartup()->click();
    d.General()->chkShowSplash()->click();  // something else changed, so Apply writes
    QVERIFY(d.ApplySettings());
    QCOMPARE(runCalls_, calls);
    QCOMPARE(Stored("RunStartup"), stored);
    QCOMPARE(f_->app.settings.RunStartup, stored.toInt());
    QCOMPARE(f_->boxes.shown.size(), std::size_t(words.isEmpty() ? 0 : 1));
    if (!words.isEmpty()) QVERIFY(QString::fromStdString(f_->boxes.shown[0].text).contains(words));
    runEntryWorks_ = true;
    d.General()->chkShowSplash()->click();
    QVERIFY(d.ApplySettings());
    QCOMPARE(runCalls_, callsAfterRetry);
    QCOMPARE(Stored("RunStartup"), storedAfterRetry);
  }

  void cancelAfterApplyKeepsWhatApplyWrote() {
    frmPreferences& d = Open();
    d.General()->optBoxStyle(2)->click();
    d.cmdApply()->click();
    d.General()->optBoxStyle(0)->click();
    d.Format()->cboFirstDay()->setCurrentIndex(1);
    d.cmdCancel()->click();
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(Stored("BoxStyle"), QStringLiteral("2"));
    QCOMPARE(f_->app.settings.BoxStyle, 2);
    QCOMPARE(f_->app.settings.FirstDay, 1);
    QCOMPARE(Stored("FirstDay"), QStringLiteral("1"));
  }

  // Cancel (and so Escape and the close button) fills the month behind again.
  void cancelFillsTheMonthAgain() {
    const std::unique_ptr<frmPreferences> d = MakePreferences(*f_->window);
    d->show();
    d->General()->optPosition(4)->click();
    // A line the month has not been filled with yet.
    AppendEvent(f_->app.events, "20/06/2026000000=Added behind");
    QVERIFY(!MonthText(20).contains(QStringLiteral("Added behind")));
    d->cmdCancel()->click();
    QVERIFY(MonthText(20).contains(QStringLiteral("Added behind")));
  }

  void aFailedWriteIsShownAndNothingIsCommitted() {
    frmPreferences& d = Open();
    d.General()->optBoxStyle(2)->click();
    // The settings folder is a regular file: the store cannot be written.
    const fs::path folder = f_->app.store.FilePath().parent_path();
    fs::remove_all(folder);
    orlevant::testing::Put(folder, "not a folder");
    f_->boxes.shown.clear();
    QVERIFY(!d.ApplySettings());
    QCOMPARE(f_->boxes.shown.size(), size_t(1));
    QVERIFY(f_->boxes.shown[0].text.find("could not be saved") != std::string::npos);
    QCOMPARE(f_->app.settings.BoxStyle, 1);
    QCOMPARE(redraws_, 0);
    QVERIFY(d.cmdApply()->isEnabled());
    // OK keeps the dialog open when its apply fails.
    d.cmdOK()->click();
    QCOMPARE(d.result(), 0);
  }

  void aStoredFormatOrSchemeOutsideTheListsIsKept() {
    f_->app.settings.DateFormat = "d.m.yyyy";
    f_->app.settings.TimeFormat = "";
    f_->app.settings.Scheme = "Purple";
    frmPreferences& d = Open();
    QCOMPARE(d.Format()->cboDateFormat()->currentText(), QStringLiteral("d.m.yyyy"));
    QCOMPARE(d.Colours()->cboScheme()->currentText(), QStringLiteral("Purple"));
    d.General()->chkShowTips()->click();
    QVERIFY(d.ApplySettings());
    QCOMPARE(Stored("DateFormat"), QStringLiteral("d.m.yyyy"));
    QCOMPARE(Stored("TimeFormat"), QStringLiteral("h:mm AM/PM"));  // never stored empty
    QCOMPARE(Stored("Scheme"), QStringLiteral("Purple"));
  }

  // ------------------------------------------------------------------ previews

  // The logic tables hold every case; the window keeps one of each preview for its wiring.
  void thePreviewsFollowTheChoices() {
    frmPreferences& d = Open();
    d.Format()->cboFirstDay()->setCurrentIndex(6);
    d.Format()->optWeekDay(1)->click();
    QStringList shown;
    for (int i = 0; i < 7; ++i) shown << d.Format()->lblWeekDay(i)->text();
    QCOMPARE(shown, (QStringList{"Sat", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri"}));
    d.Format()->cboTimeFormat()->setCurrentIndex(0);
    d.Format()->cboDateFormat()->setCurrentIndex(7);
    if (!d.Format()->chkTime()->isChecked()) d.Format()->chkTime()->click();
    QCOMPARE(d.Format()->lblTitle()->text(), QStringLiteral("9:30 AM - 15/06/2026"));
    d.Format()->chkTime()->click();
    QVERIFY(!d.Format()->cboTimeFormat()->isEnabled());
    QCOMPARE(d.Format()->lblTitle()->text(), QStringLiteral("15/06/2026"));
    d.General()->optBoxStyle(0)->click();
    d.General()->optPosition(1)->click();
    QCOMPARE(d.General()->Preview().Left, 1800);
    QCOMPARE(d.General()->Preview().Top, 684);
    QVERIFY(d.General()->lblBox(27)->geometry().bottom() > d.General()->lblTop()->geometry().bottom());
  }

  // Each position chosen moves the miniature planner and its title strip to the corner the position
  // gives at the stored Medium size (twips; the miniature draws 10 twips to a pixel).
  void choosingAPositionRedrawsThePreview_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QPoint>("corner");
    QTest::addColumn<QRect>("title");  // pixels
    QTest::newRow("Manual") << QList<int>{0} << QPoint(72, 240) << QRect(7, 24, 94, 7);
    QTest::newRow("Top Right") << QList<int>{4} << QPoint(3024, 228) << QRect(302, 23, 94, 7);
    QTest::newRow("Top Right, then Centre Screen again")
        << QList<int>{4, 1} << QPoint(1548, 540) << QRect(155, 54, 94, 7);
  }
  void choosingAPositionRedrawsThePreview() {
    QFETCH(QList<int>, clicks);
    QFETCH(QPoint, corner);
    QFETCH(QRect, title);
    frmPreferences& d = Open();
    SettingsTab* g = d.General();
    QCOMPARE(g->Preview().Left, 1548);  // the stored Centre Screen
    for (int position : clicks) g->optPosition(position)->click();
    QCOMPARE(g->WorkPosition(), clicks.back());
    QCOMPARE(QPoint(g->Preview().Left, g->Preview().Top), corner);
    QCOMPARE(g->lblTop()->geometry(), title);
  }

  // A scheme chosen draws the title and weekday previews again: the title at the present moment.
  void choosingASchemeRedrawsTheFormatPreviews() {
    frmPreferences& d = Open();
    FormatTab* format = d.Format();
    format->cboTimeFormat()->setCurrentIndex(0);
    format->cboDateFormat()->setCurrentIndex(7);
    if (!format->chkTime()->isChecked()) format->chkTime()->click();
    QCOMPARE(format->lblTitle()->text(), QStringLiteral("9:30 AM - 15/06/2026"));
    f_->SetNow(DateTime{DateSerial(2026, 6, 15), 9, 47, 0});
    for (int i = 0; i < 7; ++i) format->lblWeekDay(i)->clear();
    d.Colours()->chkUseScheme()->click();
    d.Colours()->cboScheme()->setCurrentText(QStringLiteral("Red"));
    QCOMPARE(format->lblTitle()->text(), QStringLiteral("9:47 AM - 15/06/2026"));
    QStringList shown;
    for (int i = 0; i < 7; ++i) shown << format->lblWeekDay(i)->text();
    QCOMPARE(shown, (QStringList{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}));
    // The previews keep the committed colours until an apply.
    QCOMPARE(format->lblTitle()->palette().color(QPalette::Window), QColor(0xAC, 0xAC, 0xAC));
  }

  // ------------------------------------------------------------------ colours

  void theSchemeLocksTheBoxesAndSetsItsColours() {
    frmPreferences& d = Open();
    ColoursTab* c = d.Colours();
    c->chkUseScheme()->click();
    QVERIFY(c->SchemeLock());
    c->cboScheme()->setCurrentText(QStringLiteral("Green"));
    QCOMPARE(c->WorkColours()[kBackDate], 0x9D00u);
    f_->boxes.shown.clear();
    colourAnswers_ = {0x123456};
    c->PreviewBox_MouseUp(ColoursTab::PreviewBox::Week, 3, Qt::LeftButton);
    QCOMPARE(f_->boxes.shown.size(), size_t(1));
    QCOMPARE(f_->boxes.shown[0].text, ColoursTab::SchemeLockMessage());
    QCOMPARE(colourAnswers_.size(), size_t(1));  // the colour dialog never opened
    // Unchecked, the scheme's colours stay as the user's own.
    c->chkUseScheme()->click();
    QVERIFY(!c->SchemeLock());
    QCOMPARE(c->WorkColours()[kBackDate], 0x9D00u);
    QVERIFY(d.ApplySettings());
    QCOMPARE(Stored("BackGroundDate"), QString::number(0x9D00));
    QCOMPARE(Stored("UseScheme"), QStringLiteral("0"));
  }

  // The committed colour picked again, or a cancelled pick, changes nothing; blank boxes refuse a
  // text colour but take a background.
  void colourPicksChangeOnlyWhatTheyShould() {
    frmPreferences& d = Open();
    ColoursTab* c = d.Colours();
    colourAnswers_ = {f_->app.settings.BackGroundToday};
    c->PreviewBox_MouseUp(ColoursTab::PreviewBox::Day, 4, Qt::RightButton);
    QVERIFY(!d.cmdApply()->isEnabled());
    colourAnswers_ = {};
    c->PreviewBox_MouseUp(ColoursTab::PreviewBox::Day, 4, Qt::LeftButton);
    QVERIFY(!d.cmdApply()->isEnabled());
    f_->boxes.shown.clear();
    c->PreviewBox_MouseUp(ColoursTab::PreviewBox::Data, 3, Qt::LeftButton);
    QCOMPARE(f_->boxes.shown.size(), size_t(1));
    QCOMPARE(f_->boxes.shown[0].text, ColoursTab::BlankRefusalMessage());
    QVERIFY(!d.SettingsChanged());
    colourAnswers_ = {0x00FF00};
    c->PreviewBox_MouseUp(ColoursTab::PreviewBox::Data, 5, Qt::RightButton);
    QCOMPARE(c->WorkColours()[kBackData], 0x00FF00u);
    for (int i : {1, 3, 5, 6}) QCOMPARE(c->lblData(i)->BackColour(), 0x00FF00u);
    QCOMPARE(c->lblData(2)->BackColour(), f_->app.settings.BackGroundEntry);
    QVERIFY(d.SettingsChanged());
  }

  void restoreColoursAsksAndAppliesAtOnce_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("Cancel") << false;
    QTest::newRow("OK") << true;
  }
  void restoreColoursAsksAndAppliesAtOnce() {
    QFETCH(bool, ok);
    f_->app.settings.BackGroundToday = 0x00FF00;
    f_->app.settings.TransparentWeek = 1;
    f_->app.settings.UseScheme = 1;
    f_->app.settings.Scheme = "Red";
    frmPreferences& d = Open();
    f_->boxes.Answer(ok ? MsgAnswer::Ok : MsgAnswer::Cancel);
    d.Colours()->cmdRestoreColours()->click();
    if (!ok) {
      QCOMPARE(redraws_, 0);
      QCOMPARE(Stored("BackGroundToday"), QStringLiteral("(missing)"));
      QVERIFY(d.Colours()->chkUseScheme()->isChecked());
      return;
    }
    QCOMPARE(redraws_, 1);
    QCOMPARE(Stored("BackGroundToday"), QStringLiteral("14145535"));
    QCOMPARE(Stored("TransparentWeek"), QStringLiteral("0"));
    QCOMPARE(Stored("UseScheme"), QStringLiteral("0"));
    QCOMPARE(Stored("Scheme"), QStringLiteral("Blue"));
    QVERIFY(!d.Colours()->chkTransWeek()->isChecked());
    QVERIFY(!d.Colours()->SchemeLock());
    QVERIFY(!d.cmdApply()->isEnabled());
  }

  // ------------------------------------------------------------------ menu style

  void menuPresetsStoreTheirColoursAndKeepTheUserColours() {
    f_->app.settings.XPLeftBackColourUser = 0x112233;
    frmPreferences& d = Open();
    MenuStyleTab* m = d.MenuStyle();
    m->optMenuStyle(2)->click();
    QVERIFY(m->fraOfficeXP()->isEnabled());
    QVERIFY(!m->fra3D()->isEnabled());
    QVERIFY(!m->fraOffice2000()->isEnabled());
    m->optXPTheme(1)->click();
    QVERIFY(!m->lblXPLeftBackColour()->isEnabled());
    QVERIFY(d.ApplySettings());
    QCOMPARE(Stored("XPLeftBackColour"), QStringLiteral("15262949"));
    QCOMPARE(Stored("XPLeftBackColourUser"), QString::number(0x112233));
    QCOMPARE(Stored("MenuStyle"), QStringLiteral("2"));
    QCOMPARE(f_->window->MenuObject().Look().MenuStyle, 2);
  }

  void theUserThreeDColourGoesToBothValues() {
    frmPreferences& d = Open();
    MenuStyleTab* m = d.MenuStyle();
    m->optMenuStyle(4)->click();
    m->opt3DTheme(5)->click();
    QVERIFY(m->lbl3DTopColour()->isEnabled());
    colourAnswers_ = {0x0000FF};
    QTest::mouseClick(m->lbl3DTopColour(), Qt::LeftButton);
    QCOMPARE(m->lbl3DTopColour()->BackColour(), 0x0000FFu);
    QVERIFY(d.ApplySettings());
    QCOMPARE(Stored("TopColour"), QStringLiteral("255"));
    QCOMPARE(Stored("TopColourUser"), QStringLiteral("255"));
  }

  void matchingTheUserColoursMarksTheDialogChanged() {
    f_->app.settings.TopColourUser = 0x0000FF;
    f_->app.settings.BottomColourUser = 0x00FF00;
    frmPreferences& d = Open();
    QVERIFY(!d.cmdApply()->isEnabled());
    d.MenuStyle()->cmdCoordinateColours()->click();
    QVERIFY(d.cmdApply()->isEnabled());
    d.cmdOK()->click();
    QCOMPARE(Stored("XPLeftBackColourUser"), QString::number(0x0000FF));
    QCOMPARE(Stored("XPBarColourUser"), QString::number(0x00FF00));
    QCOMPARE(Stored("GradientLeftColour"), QString::number(0x00FF00));
  }

  // ------------------------------------------------------------------ statistics and maintenance

  void statisticsCountAndAnswer() {
    frmPreferences& d = Open();
    d.SSTab()->setCurrentIndex(5);
    StatisticsTab* s = d.Statistics();
    QCOMPARE(s->Counter("lblTotal")->text(), QStringLiteral("4"));
    QCOMPARE(s->Counter("lblTodayOnly")->text(), QStringLiteral("3"));
    QCOMPARE(s->lblMonthTotal(7)->text(), QStringLiteral("1"));
    // Descending by description: the yearly event first.
    QListView* list = s->lvwEvents();
    QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("Yearly/07/04 - Party"));
    list->setCurrentIndex(list->model()->index(1, 0));  // "Tomorrow"
    QCOMPARE(s->txtOccurrence()->text(), QStringLiteral("1 more day!"));
    // The other direction clears the answer; the chosen event stays chosen.
    s->cboSort()->setCurrentIndex(0);
    QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("2025/03/14 - Last year"));
    QCOMPARE(s->txtOccurrence()->text(), QString());
    QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("2026/06/16 - Tomorrow"));
    QCOMPARE(list->selectionModel()->selectedIndexes(), QModelIndexList{list->currentIndex()});
    // Keys on the list answer for the event they leave chosen: Space for the one it is on.
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_Space, "1 more day!"}, {Qt::Key_Up, "93 days ago!"}, {Qt::Key_Down, "1 more day!"}};
    for (const auto& [key, answer] : keys) {
      s->txtOccurrence()->clear();
      QTest::keyClick(list, key);
      QCOMPARE(s->txtOccurrence()->text(), QString(answer));
    }
  }

  void purgeAllAsksThenEmptiesAndRedraws_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("Cancel") << false;
    QTest::newRow("OK") << true;
  }
  void purgeAllAsksThenEmptiesAndRedraws() {
    QFETCH(bool, ok);
    const std::string before = orlevant::testing::Slurp(f_->app.events.Path);
    frmPreferences& d = Open();
    f_->boxes.Answer(ok ? MsgAnswer::Ok : MsgAnswer::Cancel);
    d.Maintenance()->cmdPurgeAll()->click();
    QCOMPARE(f_->boxes.shown[0].title, AppTitle() + " - Delete All Events");
    QCOMPARE(f_->boxes.shown[0].text, MaintenanceTab::PurgeAllQuestion());
    if (!ok) {
      QCOMPARE(orlevant::testing::Slurp(f_->app.events.Path), before);
      QVERIFY(eventsChanged_.isEmpty());
      return;
    }
    QCOMPARE(f_->app.events.EventCount, 0);
    QCOMPARE(orlevant::testing::Slurp(f_->app.events.Path), std::string());
    QCOMPARE(eventsChanged_, QList<bool>{true});
    QVERIFY(f_->boxes.shown.back().text.starts_with("Successfull Purge of Database File!"));
    QVERIFY(f_->window->lblData(0)->text().indexOf(QStringLiteral("Tomorrow")) < 0);
  }

  void backupPurgeYearsRestore() {
    frmPreferences& d = Open();
    MaintenanceTab* m = d.Maintenance();
    QCOMPARE(m->cmdPurgeYears()->text(), QStringLiteral("Delete Events Before 2026"));
    QCOMPARE(m->lblDBasePath()->text().toStdString(), f_->app.events.Path);
    m->cmdRestore()->click();
    QCOMPARE(f_->boxes.shown.back().title, AppTitle() + " - No Backup File");
    m->cmdBackup()->click();
    QVERIFY(f_->boxes.shown.back().text.starts_with("Successfull Backup of Database File!"));
    const std::string saved = orlevant::testing::Slurp(f_->app.events.Path);
    m->cmdPurgeYears()->click();
    QCOMPARE(f_->app.events.EventCount, 3);
    QVERIFY(f_->boxes.shown.back().text.starts_with("Successfull Purge of Previous Years!"));
    m->cmdPurgeYears()->click();
    QVERIFY(f_->boxes.shown.back().text.starts_with("There are no events in Previous Years."));
    m->cmdRestore()->click();
    QVERIFY(f_->boxes.shown.back().text.starts_with("Successfull Restore of Backup Database File!"));
    QCOMPARE(orlevant::testing::Slurp(f_->app.events.Path), saved);
    QCOMPARE(f_->app.events.EventCount, 4);
    QCOMPARE(eventsChanged_, (QList<bool>{true, true}));
  }

  void aFailedBackupIsShown() {
    frmPreferences& d = Open();
    fs::create_directories(BackupFilePath(f_->app.events.Path));
    d.Maintenance()->cmdBackup()->click();
    QCOMPARE(f_->boxes.shown.back().icon, MsgIcon::Critical);
  }

  // A backup with not one event is refused with its path named; the month and the reminders stay
  // as they were. (Which backups are refused, and that the file stays, the maintenance tests hold.)
  void aBackupWithoutEventsIsRefused() {
    const std::string backup = BackupFilePath(f_->app.events.Path);
    orlevant::testing::Put(backup, "\x01\x02 Dentist at ten\r\n");
    frmPreferences& d = Open();
    d.Maintenance()->cmdRestore()->click();
    QCOMPARE(f_->boxes.shown.size(), size_t(1));
    const auto& box = f_->boxes.shown[0];
    QCOMPARE(box.icon, MsgIcon::Critical);
    QCOMPARE(box.title, AppTitle() + " - Damaged Backup File");
    const std::string ten(10, ' ');
    QCOMPARE(box.text, "The Backup Database File" + ten + "\r\n" + backup + ten +
                           "\r\nholds not one event: it is damaged, or it is no backup of your events." + ten +
                           "\r\n\r\nIt was not restored; your events have not been changed.\r\n\r\n");
    QVERIFY(eventsChanged_.isEmpty());
    QVERIFY(MonthText(16).contains(QStringLiteral("Tomorrow")));
  }

  // The deletion reached the file but the file could not be read back: the user learns both, and
  // the month shows the table as saved.
  void aPurgeSavedButNotReadBackShowsTheTableAsSaved_data() {
    QTest::addColumn<bool>("all");
    QTest::addColumn<QString>("topic");
    QTest::newRow("Delete ALL Events") << true << "Delete All Events";
    QTest::newRow("Delete Events Before") << false << "Delete Events Before 2026";
  }
  void aPurgeSavedButNotReadBackShowsTheTableAsSaved() {
    QFETCH(bool, all);
    QFETCH(QString, topic);
    frmPreferences& d = Open();
    if (all) f_->boxes.Answer(MsgAnswer::Ok);
    {
      orlevant::testing::UnreadableAfterSave unreadable(f_->app.events.Path);
      (all ? d.Maintenance()->cmdPurgeAll() : d.Maintenance()->cmdPurgeYears())->click();
    }
    const auto& box = f_->boxes.shown.back();
    QCOMPARE(box.icon, MsgIcon::Warning);
    QCOMPARE(box.title, AppTitle() + " - " + topic.toStdString());
    QVERIFY2(box.text.starts_with("The deletion was saved, but the events file could not be read back:") &&
                 box.text.find("Could not read the events file " + f_->app.events.Path) != std::string::npos,
             box.text.c_str());
    QCOMPARE(eventsChanged_, QList<bool>{true});
    QCOMPARE(MonthText(16).contains(QStringLiteral("Tomorrow")), !all);
  }

  // ------------------------------------------------------------------ about

  void theAboutLinksOpenOurAddressesAndClose_data() {
    QTest::addColumn<bool>("mail");
    QTest::addColumn<QString>("url");
    QTest::newRow("mail") << true << "mailto:support@orlevant.example";
    QTest::newRow("web") << false << "https://www.orlevant.example/";
  }
  void theAboutLinksOpenOurAddressesAndClose() {
    QFETCH(bool, mail);
    QFETCH(QString, url);
    frmPreferences& d = Open();
    d.General()->chkShowTips()->click();
    QTest::mouseClick(mail ? d.About()->lblEmail() : d.About()->lblWebSite(), Qt::LeftButton);
    QCOMPARE(opened_.size(), 1);
    QCOMPARE(opened_[0].toString(), url);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(Stored("ShowTips"), QStringLiteral("0"));  // closed as OK does: the edit was applied
  }

  // ------------------------------------------------------------------ the window behind

  void applyRedrawsACollapsedWindowAsItsTitleStrip() {
    f_->window->ToggleExpand();
    QVERIFY(f_->window->CompactMode());
    const int stripHeight = f_->window->height();
    frmPreferences& d = Open();
    d.General()->optBoxStyle(2)->click();
    QVERIFY(d.ApplySettings());
    QVERIFY(f_->window->CompactMode());
    QCOMPARE(f_->window->height(), stripHeight);
    QCOMPARE(f_->window->width(), TwipsToPixels(f_->app.month.lblDate.Geometry.Width));
    f_->window->ToggleExpand();
    QCOMPARE(f_->window->width(), TwipsToPixels(f_->app.month.ExpandedWidth));
    QVERIFY(f_->app.month.mnuLarge);
  }
};

QTEST_MAIN(TestPreferences)
#include "test_preferences.moc"
