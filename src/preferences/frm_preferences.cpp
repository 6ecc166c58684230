#include "preferences/frm_preferences.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/message_box.h"
#include "core/preference_tables.h"
#include "mainwindow/app_context.h"
#include "platform/qt/fixed_dialog_frame.h"
#include "platform/run_at_logon.h"
#include "preferences/about_tab.h"
#include "preferences/colours_tab.h"
#include "preferences/format_tab.h"
#include "preferences/maintenance_tab.h"
#include "preferences/menu_style_tab.h"
#include "preferences/settings_tab.h"
#include "preferences/statistics_tab.h"

namespace orlevant {

const std::array<const char*, kPreferencesTabCount>& frmPreferences::TabDescriptions() {
  static const std::array<const char*, kPreferencesTabCount> kTexts = {
      "Visit the above WebSite to check for Updates or to learn more about the features of Orlevant.",
      "General:  How the Planner behaves on Startup.\r\n"
      "Position:  Where the Planner is located on the Desktop.\r\n"
      "Size:  Size of boxes used on the Planner.",
      "Date/Time:  Select how the Date and Time are displayed.\r\n"
      "Weekday:  Select length of Weekday Name, and First Day for the Week.",
      "Click the Preview Boxes to change the Colours.\r\n"
      "Left Click to Select the Font Colour.\r\n"
      "Right Click to Select the Background Colour.",
      "Select a Menu Style to activate the respective options then select the various options for that style. "
      "The Menu Styles are used on all Context Menus.",
      "Click an Event in the Events Overview list to see when it occurs. You may also Sort the List with "
      "Ascending or Descending Dates.",
      "These choices allow you to manage the Events Database. Use them cautiously since they cannot be reversed.",
  };
  return kTexts;
}

frmPreferences::frmPreferences(AppContext& app, PreferencesServices services, QWidget* parent)
    : QDialog(parent), app_(app), services_(std::move(services)) {
  setObjectName(QStringLiteral("frmPreferences"));
  setModal(true);
  SSTab_ = new QTabWidget(this);
  SSTab_->setObjectName(QStringLiteral("SSTab"));
  about_ = new AboutTab(services_, SSTab_);
  settings_ = new SettingsTab(SSTab_);
  format_ = new FormatTab(SSTab_);
  colours_ = new ColoursTab(services_, SSTab_);
  menuStyle_ = new MenuStyleTab(services_, SSTab_);
  statistics_ = new StatisticsTab(app_.events, SSTab_);
  maintenance_ = new MaintenanceTab(app_.events, services_, SSTab_);
  const char* captions[] = {"About", "Settings", "Format", "Colours", "Menu Style", "Statistics", "Maintenance"};
  const auto tabs = Tabs();
  for (int i = 0; i < kPreferencesTabCount; ++i) {
    SSTab_->addTab(tabs[static_cast<std::size_t>(i)], QString::fromLatin1(captions[i]));
    connect(tabs[static_cast<std::size_t>(i)], &PreferencesTab::Edited, this, &frmPreferences::MarkChanged);
  }
  connect(about_, &AboutTab::LinkFollowed, this, &frmPreferences::cmdOK_Click);
  connect(colours_, &ColoursTab::RestoreRequested, this, [this] { ApplySettings(); });
  connect(colours_, &ColoursTab::SchemeChosen, this, [this] {
    format_->ShowTitlePreview();
    format_->ShowWeekDayPreview();
  });
  connect(maintenance_, &MaintenanceTab::EventsReloaded, this, [this] {
    if (SSTab_->currentWidget() == statistics_) statistics_->Shown();
  });

  fraDescription_ = new QGroupBox(this);
  fraDescription_->setObjectName(QStringLiteral("fraDescription"));
  auto* description = new QVBoxLayout(fraDescription_);
  lblDescription_ = new QLabel(fraDescription_);
  lblDescription_->setObjectName(QStringLiteral("lblDescription"));
  lblDescription_->setTextFormat(Qt::PlainText);
  lblDescription_->setWordWrap(true);
  lblDescription_->setMinimumHeight(lblDescription_->fontMetrics().lineSpacing() * 3 + 4);
  description->addWidget(lblDescription_);

  buttons_ = new QDialogButtonBox(this);
  cmdOK_ = buttons_->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdApply_ = buttons_->addButton(QStringLiteral("Apply"), QDialogButtonBox::ApplyRole);
  cmdApply_->setObjectName(QStringLiteral("cmdApply"));
  cmdCancel_ = buttons_->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &frmPreferences::cmdOK_Click);
  connect(cmdApply_, &QPushButton::clicked, this, &frmPreferences::cmdApply_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmPreferences::cmdCancel_Click);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SSTab_, 1);
  layout->addWidget(fraDescription_);
  layout->addWidget(buttons_);
  UseFixedDialogFrame(*this);

  Form_Load();
  connect(SSTab_, &QTabWidget::currentChanged, this, &frmPreferences::SSTab_Click);
}

frmPreferences::~frmPreferences() = default;

std::array<PreferencesTab*, kPreferencesTabCount> frmPreferences::Tabs() const {
  return {about_, settings_, format_, colours_, menuStyle_, statistics_, maintenance_};
}

void frmPreferences::Form_Load() {
  loading_ = true;
  setWindowTitle(QString::fromStdString(AppTitle() + " - Preferences  "));
  const Settings& s = app_.settings;
  // The pages in the order their values depend on each other: the menu look before the colours
  // that share the colour dialog, the previews last.
  settings_->Load(s);
  menuStyle_->Load(s);
  maintenance_->Load(s);
  format_->Load(s);
  colours_->Load(s);
  about_->Load(s);
  statistics_->Load(s);
  const int lastTab = s.LastTab >= 0 && s.LastTab < kPreferencesTabCount ? s.LastTab : 0;
  SSTab_->setCurrentIndex(lastTab);
  SSTab_Click(lastTab);
  loading_ = false;
  SettingsChanged_ = false;
  SetApplyState();
}

void frmPreferences::MarkChanged() {
  SettingsChanged_ = true;
  SetApplyState();
}

void frmPreferences::SetApplyState() { cmdApply_->setEnabled(SettingsChanged_); }

void frmPreferences::SSTab_Click(int tab) {
  if (tab < 0 || tab >= kPreferencesTabCount) return;
  lblDescription_->setText(QString::fromLatin1(TabDescriptions()[static_cast<std::size_t>(tab)])
                               .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  Tabs()[static_cast<std::size_t>(tab)]->Shown();
}

bool frmPreferences::ApplySettings() {
  Settings next = app_.settings;
  for (PreferencesTab* tab : Tabs()) tab->Apply(next);
  const std::string title = AppTitle() + " - Preferences";
  const std::string widen(kWidenLine);
  if (const auto problem = PreferenceValuesProblem(next)) {
    AppMessageBoxes().Show(MsgIcon::Critical, MsgButtons::Ok, title, *problem + widen + "\r\n\r\n");
    return false;
  }
  // One rewrite of the store: every value is kept, or none, and the program goes on with what
  // is stored.
  if (!app_.store.Write(PreferenceValues(next))) {
    AppMessageBoxes().Show(MsgIcon::Critical, MsgButtons::Ok, title,
                           "The settings could not be saved to " + app_.store.FilePath().string() + "." + widen +
                               "\r\n\r\nNothing was changed.\r\n\r\n");
    return false;
  }
  // Only when the box ended where it did not start does the log-on entry change.
  if (next.RunStartup != app_.settings.RunStartup) {
    const bool add = next.RunStartup == 1;
    const bool done = add ? (services_.addRunAtLogon ? services_.addRunAtLogon(next.InstallPath)
                                                     : AddRunAtLogon(next.InstallPath))
                          : (services_.removeRunAtLogon ? services_.removeRunAtLogon() : RemoveRunAtLogon());
    if (!done) {
      // The entry is as it was: the setting goes on saying so, the box shows the truth the next
      // time the dialog opens, and an Apply with the box still changed tries again.
      next.RunStartup = app_.settings.RunStartup;
      (void)SaveSetting(app_.store, "RunStartup", next.RunStartup);
      AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::Ok, title,
                             "The entry that starts " + ProductTitle() +
                                 (add ? " when you log on could not be written:" : " when you log on could not be removed:") +
                                 widen + "\r\n" + RunAtLogonEntryPath().string() + widen + "\r\n\r\n");
    }
  }
  app_.settings = next;
  // The main window is rebuilt behind the dialog, which stays open.
  if (services_.settingsChanged) services_.settingsChanged();
  for (PreferencesTab* tab : Tabs()) tab->Committed(app_.settings);
  SettingsChanged_ = false;
  SetApplyState();
  cmdCancel_->setFocus();
  return true;
}

void frmPreferences::cmdOK_Click() {
  if (SettingsChanged_ && !ApplySettings()) return;
  accept();
}

void frmPreferences::cmdCancel_Click() { reject(); }

void frmPreferences::reject() {
  QDialog::reject();
  if (services_.refillMonth) services_.refillMonth();
}

void frmPreferences::done(int result) {
  if (!unloaded_) {
    unloaded_ = true;
    app_.settings.LastTab = SSTab_->currentIndex();
    (void)SaveSetting(app_.store, "LastTab", app_.settings.LastTab);
  }
  QDialog::done(result);
}

}  // namespace orlevant
