#pragma once
// The six context menus of the main window and their image list imlMenu.
//
// Every item carries a caption "text|#key" (see platform/qt/menu_styler.h); the menus are children
// of the window, so the menu styler attached to the window finds them. The keys shown at the right
// of some items (F1 .. F11, Ctrl+Z) are shown only: the window's own key handling acts on them.
// The window connects its handlers to the items through the accessors, named after the items.

#include <QAction>
#include <QMenu>

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/qt/menu_styler.h"

class QWidget;

namespace orlevant {

class MainMenus {
 public:
  // Builds the menus as children of `window`, with their design captions already written.
  explicit MainMenus(QWidget* window);
  MainMenus(const MainMenus&) = delete;
  MainMenus& operator=(const MainMenus&) = delete;

  // The hook-up the window's load runs first: every caption written in its design form, then the
  // styler attached to the window with the settings base name (the menu settings file without
  // ".ini") and imlMenu.
  void SubClassMenuXP(MenuStyler& MenuObject, const std::filesystem::path& settingsBaseName);

  // Writes every caption of every menu in its design form ("Edit...|#Edit", "Year1|#Year", "-").
  void SetDesignCaptions();
  // Writes one caption; captions changed while the program runs keep the "text|#key" form.
  void SetCaption(QAction* item, std::string_view caption);
  void SetCaption(QMenu* submenu, std::string_view caption) { SetCaption(submenu->menuAction(), caption); }

  // The reminders on/off state as the day menu shows it: "On" or "Off" checked, and the Quick
  // Reminder item's image "OnCheck" or "OffCheck".
  void ShowQuickReminderOnOff(bool on);

  const MenuImageList& imlMenu() const { return imlMenu_; }
  QWidget* Window() const { return window_; }
  // The six pop-ups and every submenu below them.
  std::vector<QMenu*> AllMenus() const;

  // Day menu.
  QMenu* mnuPopUpPrefs() const { return mnuPopUpPrefs_; }
  QAction* mnuEdit() const { return mnuEdit_; }
  QAction* mnuClearAll() const { return mnuClearAll_; }
  QMenu* mnuQuickReminder() const { return mnuQuickReminder_; }
  QAction* mnuQuickReminderOn() const { return mnuQuickReminderOn_; }
  QAction* mnuQuickReminderOff() const { return mnuQuickReminderOff_; }
  QAction* mnuSep1() const { return mnuSep1_; }
  QMenu* mnuQuickReminderDays() const { return mnuQuickReminderDays_; }
  QMenu* mnuQuickReminderHours() const { return mnuQuickReminderHours_; }
  QMenu* mnuQuickReminderMinutes() const { return mnuQuickReminderMinutes_; }
  // Elements 1, 2, 3 (days 1-3, hours 1-3, minutes 10-30); nullptr outside.
  QAction* mnuQRDays(int index) const { return Element(mnuQRDays_, index); }
  QAction* mnuQRHours(int index) const { return Element(mnuQRHours_, index); }
  QAction* mnuQRMins(int index) const { return Element(mnuQRMins_, index); }
  QAction* mnuSep2() const { return mnuSep2_; }
  QAction* mnuReminders() const { return mnuReminders_; }
  QAction* mnuPreferences() const { return mnuPreferences_; }
  QAction* mnuPrint() const { return mnuPrint_; }
  QAction* mnuTips() const { return mnuTips_; }
  QAction* mnuSep3() const { return mnuSep3_; }
  QAction* mnuExit() const { return mnuExit_; }

  // Compact title menu.
  QMenu* mnuPopUpExpand() const { return mnuPopUpExpand_; }
  QAction* mnuExpand() const { return mnuExpand_; }
  QAction* mnuExpandToTray() const { return mnuExpandToTray_; }
  QAction* mnuSepExit1() const { return mnuSepExit1_; }
  QAction* mnuExpandExit() const { return mnuExpandExit_; }

  // Year menu.
  QMenu* mnuPopUpYear() const { return mnuPopUpYear_; }
  QAction* mnuYear1() const { return mnuYear1_; }
  QAction* mnuYear2() const { return mnuYear2_; }
  QAction* mnuSep4() const { return mnuSep4_; }
  QAction* mnuCurrentYear() const { return mnuCurrentYear_; }
  QAction* mnuSep5() const { return mnuSep5_; }
  QAction* mnuYear3() const { return mnuYear3_; }
  QAction* mnuYear4() const { return mnuYear4_; }

  // Weekday heading menu.
  QMenu* mnuPopUpWeekDay() const { return mnuPopUpWeekDay_; }
  QAction* mnuWeekDay() const { return mnuWeekDay_; }
  QAction* mnuSep6() const { return mnuSep6_; }
  QAction* mnuSmall() const { return mnuSmall_; }
  QAction* mnuMedium() const { return mnuMedium_; }
  QAction* mnuLarge() const { return mnuLarge_; }

  // Months menu; elements 1 (January) to 12 (December), nullptr outside.
  QMenu* mnuPopUpMonths() const { return mnuPopUpMonths_; }
  QAction* mnuMonths(int index) const { return Element(mnuMonths_, index); }

  // Tray menu.
  QMenu* mnuPopUpTray() const { return mnuPopUpTray_; }
  QAction* mnuShow() const { return mnuShow_; }
  QAction* mnuToTray() const { return mnuToTray_; }
  QAction* mnuSepExit2() const { return mnuSepExit2_; }
  QAction* mnuQuit() const { return mnuQuit_; }

 private:
  struct DesignItem {
    QAction* item;
    std::string_view caption;
  };

  template <std::size_t N>
  static QAction* Element(const std::array<QAction*, N>& items, int index) {
    return index >= 1 && static_cast<std::size_t>(index) <= N ? items[static_cast<std::size_t>(index) - 1] : nullptr;
  }

  QMenu* NewPopUp(const char* name);
  QMenu* NewSubmenu(QMenu* parent, const char* name);
  QAction* NewItem(QMenu* menu, const char* name, std::string_view shownShortcut = {});
  QAction* NewSeparator(QMenu* menu, const char* name);
  std::vector<DesignItem> DesignCaptions() const;

  QWidget* window_;
  MenuImageList imlMenu_;

  QMenu* mnuPopUpPrefs_ = nullptr;
  QAction* mnuEdit_ = nullptr;
  QAction* mnuClearAll_ = nullptr;
  QMenu* mnuQuickReminder_ = nullptr;
  QAction* mnuQuickReminderOn_ = nullptr;
  QAction* mnuQuickReminderOff_ = nullptr;
  QAction* mnuSep1_ = nullptr;
  QMenu* mnuQuickReminderDays_ = nullptr;
  std::array<QAction*, 3> mnuQRDays_{};
  QMenu* mnuQuickReminderHours_ = nullptr;
  std::array<QAction*, 3> mnuQRHours_{};
  QMenu* mnuQuickReminderMinutes_ = nullptr;
  std::array<QAction*, 3> mnuQRMins_{};
  QAction* mnuSep2_ = nullptr;
  QAction* mnuReminders_ = nullptr;
  QAction* mnuPreferences_ = nullptr;
  QAction* mnuPrint_ = nullptr;
  QAction* mnuTips_ = nullptr;
  QAction* mnuSep3_ = nullptr;
  QAction* mnuExit_ = nullptr;

  QMenu* mnuPopUpExpand_ = nullptr;
  QAction* mnuExpand_ = nullptr;
  QAction* mnuExpandToTray_ = nullptr;
  QAction* mnuSepExit1_ = nullptr;
  QAction* mnuExpandExit_ = nullptr;

  QMenu* mnuPopUpYear_ = nullptr;
  QAction* mnuYear1_ = nullptr;
  QAction* mnuYear2_ = nullptr;
  QAction* mnuSep4_ = nullptr;
  QAction* mnuCurrentYear_ = nullptr;
  QAction* mnuSep5_ = nullptr;
  QAction* mnuYear3_ = nullptr;
  QAction* mnuYear4_ = nullptr;

  QMenu* mnuPopUpWeekDay_ = nullptr;
  QAction* mnuWeekDay_ = nullptr;
  QAction* mnuSep6_ = nullptr;
  QAction* mnuSmall_ = nullptr;
  QAction* mnuMedium_ = nullptr;
  QAction* mnuLarge_ = nullptr;

  QMenu* mnuPopUpMonths_ = nullptr;
  std::array<QAction*, 12> mnuMonths_{};

  QMenu* mnuPopUpTray_ = nullptr;
  QAction* mnuShow_ = nullptr;
  QAction* mnuToTray_ = nullptr;
  QAction* mnuSepExit2_ = nullptr;
  QAction* mnuQuit_ = nullptr;
};

}  // namespace orlevant
