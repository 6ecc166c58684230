#include "mainwindow/main_menus.h"

#include <QWidget>

#include "mainwindow/menu_icons.h"

namespace orlevant {

namespace {

// The six pop-ups are only containers: they are opened as context menus and never shown as items.
constexpr std::string_view kContainerCaption = "PopUp";

}  // namespace

MainMenus::MainMenus(QWidget* window) : window_(window), imlMenu_(BuildMenuImageList()) {
  // Day menu.
  mnuPopUpPrefs_ = NewPopUp("mnuPopUpPrefs");
  mnuEdit_ = NewItem(mnuPopUpPrefs_, "mnuEdit");
  mnuClearAll_ = NewItem(mnuPopUpPrefs_, "mnuClearAll");
  mnuQuickReminder_ = NewSubmenu(mnuPopUpPrefs_, "mnuQuickReminder");
  mnuQuickReminderOn_ = NewItem(mnuQuickReminder_, "mnuQuickReminderOn");
  mnuQuickReminderOff_ = NewItem(mnuQuickReminder_, "mnuQuickReminderOff");
  mnuQuickReminderOn_->setCheckable(true);
  mnuQuickReminderOff_->setCheckable(true);
  mnuQuickReminderOn_->setChecked(true);
  mnuSep1_ = NewSeparator(mnuQuickReminder_, "mnuSep1");
  mnuQuickReminderDays_ = NewSubmenu(mnuQuickReminder_, "mnuQuickReminderDays");
  for (int i = 1; i <= 3; ++i) {
    mnuQRDays_[static_cast<std::size_t>(i - 1)] =
        NewItem(mnuQuickReminderDays_, ("mnuQRDays_" + std::to_string(i)).c_str());
  }
  mnuQuickReminderHours_ = NewSubmenu(mnuQuickReminder_, "mnuQuickReminderHours");
  for (int i = 1; i <= 3; ++i) {
    mnuQRHours_[static_cast<std::size_t>(i - 1)] =
        NewItem(mnuQuickReminderHours_, ("mnuQRHours_" + std::to_string(i)).c_str());
  }
  mnuQuickReminderMinutes_ = NewSubmenu(mnuQuickReminder_, "mnuQuickReminderMinutes");
  for (int i = 1; i <= 3; ++i) {
    mnuQRMins_[static_cast<std::size_t>(i - 1)] =
        NewItem(mnuQuickReminderMinutes_, ("mnuQRMins_" + std::to_string(i)).c_str());
  }
  mnuSep2_ = NewSeparator(mnuPopUpPrefs_, "mnuSep2");
  mnuReminders_ = NewItem(mnuPopUpPrefs_, "mnuReminders", "F3");
  mnuPreferences_ = NewItem(mnuPopUpPrefs_, "mnuPreferences", "F1");
  mnuPrint_ = NewItem(mnuPopUpPrefs_, "mnuPrint", "F5");
  mnuTips_ = NewItem(mnuPopUpPrefs_, "mnuTips", "F2");
  mnuSep3_ = NewSeparator(mnuPopUpPrefs_, "mnuSep3");
  mnuExit_ = NewItem(mnuPopUpPrefs_, "mnuExit", "F4");

  // Compact title menu.
  mnuPopUpExpand_ = NewPopUp("mnuPopUpExpand");
  mnuExpand_ = NewItem(mnuPopUpExpand_, "mnuExpand", "F9");
  mnuExpandToTray_ = NewItem(mnuPopUpExpand_, "mnuExpandToTray", "Ctrl+Z");
  mnuSepExit1_ = NewSeparator(mnuPopUpExpand_, "mnuSepExit1");
  mnuExpandExit_ = NewItem(mnuPopUpExpand_, "mnuExpandExit");

  // Year menu.
  mnuPopUpYear_ = NewPopUp("mnuPopUpYear");
  mnuYear1_ = NewItem(mnuPopUpYear_, "mnuYear1");
  mnuYear2_ = NewItem(mnuPopUpYear_, "mnuYear2");
  mnuSep4_ = NewSeparator(mnuPopUpYear_, "mnuSep4");
  mnuCurrentYear_ = NewItem(mnuPopUpYear_, "mnuCurrentYear", "F11");
  mnuSep5_ = NewSeparator(mnuPopUpYear_, "mnuSep5");
  mnuYear3_ = NewItem(mnuPopUpYear_, "mnuYear3");
  mnuYear4_ = NewItem(mnuPopUpYear_, "mnuYear4");

  // Weekday heading menu.
  mnuPopUpWeekDay_ = NewPopUp("mnuPopUpWeekDay");
  mnuWeekDay_ = NewItem(mnuPopUpWeekDay_, "mnuWeekDay");
  mnuSep6_ = NewSeparator(mnuPopUpWeekDay_, "mnuSep6");
  mnuSmall_ = NewItem(mnuPopUpWeekDay_, "mnuSmall", "F6");
  mnuMedium_ = NewItem(mnuPopUpWeekDay_, "mnuMedium", "F7");
  mnuLarge_ = NewItem(mnuPopUpWeekDay_, "mnuLarge", "F8");
  for (QAction* size : {mnuSmall_, mnuMedium_, mnuLarge_}) size->setCheckable(true);

  // Months menu.
  mnuPopUpMonths_ = NewPopUp("mnuPopUpMonths");
  for (int i = 1; i <= 12; ++i) {
    mnuMonths_[static_cast<std::size_t>(i - 1)] = NewItem(mnuPopUpMonths_, ("mnuMonths_" + std::to_string(i)).c_str());
  }

  // Tray menu.
  mnuPopUpTray_ = NewPopUp("mnuPopUpTray");
  mnuShow_ = NewItem(mnuPopUpTray_, "mnuShow");
  mnuToTray_ = NewItem(mnuPopUpTray_, "mnuToTray");
  mnuSepExit2_ = NewSeparator(mnuPopUpTray_, "mnuSepExit2");
  mnuQuit_ = NewItem(mnuPopUpTray_, "mnuQuit");

  SetDesignCaptions();
}

QMenu* MainMenus::NewPopUp(const char* name) {
  auto* menu = new QMenu(window_);
  menu->setObjectName(QString::fromLatin1(name));
  menu->setTitle(QString::fromUtf8(kContainerCaption.data(), static_cast<qsizetype>(kContainerCaption.size())));
  return menu;
}

QMenu* MainMenus::NewSubmenu(QMenu* parent, const char* name) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  parent->addMenu(menu);
  return menu;
}

QAction* MainMenus::NewItem(QMenu* menu, const char* name, std::string_view shownShortcut) {
  QAction* item = menu->addAction(QString());
  item->setObjectName(QString::fromLatin1(name));
  if (!shownShortcut.empty()) SetShownShortcut(*item, shownShortcut);
  return item;
}

QAction* MainMenus::NewSeparator(QMenu* menu, const char* name) {
  QAction* item = menu->addSeparator();
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

std::vector<MainMenus::DesignItem> MainMenus::DesignCaptions() const {
  std::vector<DesignItem> items = {
      {mnuEdit_, "Edit...|#Edit"},
      {mnuClearAll_, "Clear All|#ClearAll"},
      {mnuQuickReminder_->menuAction(), "Quick Reminder|#OnCheck"},
      {mnuQuickReminderOn_, "On|#On"},
      {mnuQuickReminderOff_, "Off|#Off"},
      {mnuSep1_, "-"},
      {mnuQuickReminderDays_->menuAction(), "Days Before|#Days"},
      {mnuQRDays_[0], "1|#One"},
      {mnuQRDays_[1], "2|#Two"},
      {mnuQRDays_[2], "3|#Three"},
      {mnuQuickReminderHours_->menuAction(), "Hours|#Hours"},
      {mnuQRHours_[0], "1|#One"},
      {mnuQRHours_[1], "2|#Two"},
      {mnuQRHours_[2], "3|#Three"},
      {mnuQuickReminderMinutes_->menuAction(), "Minutes|#Mins"},
      {mnuQRMins_[0], "10|#Ten"},
      {mnuQRMins_[1], "20|#Twenty"},
      {mnuQRMins_[2], "30|#Thirty"},
      {mnuSep2_, "-"},
      {mnuReminders_, "Reminders...|#Reminder"},
      {mnuPreferences_, "Preferences...|#Prefs"},
      {mnuPrint_, "Print...|#Print"},
      {mnuTips_, "Tips...|#Tips"},
      {mnuSep3_, "-"},
      {mnuExit_, "Exit|#Exit"},
      {mnuExpand_, "Expand|#Expand"},
      {mnuExpandToTray_, "To Tray|#ToTray"},
      {mnuSepExit1_, "-"},
      {mnuExpandExit_, "Exit|#Exit"},
      {mnuYear1_, "Year1|#Year"},
      {mnuYear2_, "Year2|#Year"},
      {mnuSep4_, "-"},
      {mnuCurrentYear_, "Today!|#Today"},
      {mnuSep5_, "-"},
      {mnuYear3_, "Year3|#Year"},
      {mnuYear4_, "Year4|#Year"},
      {mnuWeekDay_, "Set as Week Start Day|#FirstDay"},
      {mnuSep6_, "-"},
      {mnuSmall_, "Small Calendar|#Small"},
      {mnuMedium_, "Medium Calendar|#Medium"},
      {mnuLarge_, "Large Calendar|#Large"},
  };
  static constexpr std::array<std::string_view, 12> kMonths = {
      "January|#Month", "February|#Month", "March|#Month",     "April|#Month",   "May|#Month",      "June|#Month",
      "July|#Month",    "August|#Month",   "September|#Month", "October|#Month", "November|#Month", "December|#Month"};
  for (std::size_t i = 0; i < kMonths.size(); ++i) items.push_back({mnuMonths_[i], kMonths[i]});
  items.push_back({mnuShow_, "To Desktop|#ToDesktop"});
  items.push_back({mnuToTray_, "To Tray|#ToTray"});
  items.push_back({mnuSepExit2_, "-"});
  items.push_back({mnuQuit_, "Exit|#Exit"});
  return items;
}

void MainMenus::SetDesignCaptions() {
  for (QMenu* popUp : {mnuPopUpPrefs_, mnuPopUpExpand_, mnuPopUpYear_, mnuPopUpWeekDay_, mnuPopUpMonths_,
                       mnuPopUpTray_}) {
    SetCaption(popUp->menuAction(), kContainerCaption);
  }
  for (const DesignItem& d : DesignCaptions()) SetCaption(d.item, d.caption);
}

void MainMenus::SetCaption(QAction* item, std::string_view caption) {
  if (item) ApplyMenuCaption(*item, caption, imlMenu_);
}

void MainMenus::SubClassMenuXP(MenuStyler& MenuObject, const std::filesystem::path& settingsBaseName) {
  SetDesignCaptions();
  MenuObject.AttachMenus(window_, settingsBaseName, &imlMenu_);
}

void MainMenus::ShowQuickReminderOnOff(bool on) {
  mnuQuickReminderOn_->setChecked(on);
  mnuQuickReminderOff_->setChecked(!on);
  SetCaption(mnuQuickReminder_, on ? "Quick Reminder|#OnCheck" : "Quick Reminder|#OffCheck");
}

std::vector<QMenu*> MainMenus::AllMenus() const {
  return {mnuPopUpPrefs_,         mnuQuickReminder_, mnuQuickReminderDays_, mnuQuickReminderHours_,
          mnuQuickReminderMinutes_, mnuPopUpExpand_,  mnuPopUpYear_,         mnuPopUpWeekDay_,
          mnuPopUpMonths_,        mnuPopUpTray_};
}

}  // namespace orlevant
