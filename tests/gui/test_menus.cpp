// The main window's six context menus, their image list and the menu styler's three looks.

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QStyle>
#include <QWidget>
#include <QtTest>

#include <memory>
#include <optional>
#include <set>

#include "core/ini_file.h"
#include "core/settings.h"
#include "mainwindow/main_menus.h"
#include "mainwindow/menu_icons.h"
#include "platform/ini_document.h"
#include "platform/qt/bgr_colour.h"
#include "platform/qt/menu_styler.h"
#include "support/temp_home.h"

using namespace orlevant;

namespace {

QImage Picture(const QIcon& icon) { return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32); }

bool SameImage(const QIcon& a, const QIcon& b) { return !a.isNull() && !b.isNull() && Picture(a) == Picture(b); }

bool Near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

QString Describe(QColor c) { return c.name(); }

// The items of a menu as "name" (or "-name" for a separator), top to bottom.
QStringList Layout(const QMenu* menu) {
  QStringList names;
  for (const QAction* item : menu->actions()) {
    names << (item->isSeparator() ? QLatin1Char('-') + item->objectName() : item->objectName());
  }
  return names;
}

// A window with its menus, as the main window holds them.
struct Window {
  QWidget widget;
  MainMenus menus{&widget};
};

}  // namespace

class TestMenus : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { home_ = std::make_unique<testing::TempHome>(); }
  void cleanupTestCase() { home_.reset(); }

  // ---- captions and images ----

  void captions_data();
  void captions();
  void menusHoldTheirItemsInDesignOrder_data();
  void menusHoldTheirItemsInDesignOrder();
  void everyItemShowsAnImageOfTheList();
  void imageListHasTheThirtyOneKeysEachItsOwnPicture();
  void splitCaption_data();
  void splitCaption();
  void quickReminderShowsOnCheckOrOffCheck();
  void shownShortcutsDoNotAct();
  void changedCaptionsKeepTheirForm();
  void designCaptionsComeBack();

  // ---- the styler ----

  void colourLayout();
  void stylerReadsTheLookFromTheWrittenFile_data();
  void stylerReadsTheLookFromTheWrittenFile();
  void stylerFallsBackWhenTheFileIsMissingOrOdd();
  void gradientLookDrawsTheSelectionFromItsColours_data();
  void gradientLookDrawsTheSelectionFromItsColours();
  void flatLookDrawsColumnBackAndBar();
  void raisedLookDrawsTopMiddleBottom();
  void detachGivesBackThePlainLook();
  void captionsWrittenStraightIntoItemsAreTakenApart();
  void menuHelpNamesTheItemPointedAt();

 private:
  std::unique_ptr<testing::TempHome> home_;
};

void TestMenus::captions_data() {
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("shortcut");

  const struct {
    const char* item;
    const char* text;
    const char* key;
    const char* shortcut;
  } rows[] = {
      {"mnuEdit", "Edit...", "Edit", ""},
      {"mnuClearAll", "Clear All", "ClearAll", ""},
      {"mnuQuickReminder", "Quick Reminder", "OnCheck", ""},
      {"mnuQuickReminderOn", "On", "On", ""},
      {"mnuQuickReminderOff", "Off", "Off", ""},
      {"mnuQuickReminderDays", "Days Before", "Days", ""},
      {"mnuQRDays_1", "1", "One", ""},
      {"mnuQRDays_2", "2", "Two", ""},
      {"mnuQRDays_3", "3", "Three", ""},
      {"mnuQuickReminderHours", "Hours", "Hours", ""},
      {"mnuQRHours_1", "1", "One", ""},
      {"mnuQRHours_3", "3", "Three", ""},
      {"mnuQuickReminderMinutes", "Minutes", "Mins", ""},
      {"mnuQRMins_1", "10", "Ten", ""},
      {"mnuQRMins_2", "20", "Twenty", ""},
      {"mnuQRMins_3", "30", "Thirty", ""},
      {"mnuReminders", "Reminders...", "Reminder", "F3"},
      {"mnuPreferences", "Preferences...", "Prefs", "F1"},
      {"mnuPrint", "Print...", "Print", "F5"},
      {"mnuTips", "Tips...", "Tips", "F2"},
      {"mnuExit", "Exit", "Exit", "F4"},
      {"mnuExpand", "Expand", "Expand", "F9"},
      {"mnuExpandToTray", "To Tray", "ToTray", "Ctrl+Z"},
      {"mnuExpandExit", "Exit", "Exit", ""},
      {"mnuYear1", "Year1", "Year", ""},
      {"mnuYear4", "Year4", "Year", ""},
      {"mnuCurrentYear", "Today!", "Today", "F11"},
      {"mnuWeekDay", "Set as Week Start Day", "FirstDay", ""},
      {"mnuSmall", "Small Calendar", "Small", "F6"},
      {"mnuMedium", "Medium Calendar", "Medium", "F7"},
      {"mnuLarge", "Large Calendar", "Large", "F8"},
      {"mnuMonths_1", "January", "Month", ""},
      {"mnuMonths_9", "September", "Month", ""},
      {"mnuMonths_12", "December", "Month", ""},
      {"mnuShow", "To Desktop", "ToDesktop", ""},
      {"mnuToTray", "To Tray", "ToTray", ""},
      {"mnuQuit", "Exit", "Exit", ""},
  };
  for (const auto& r : rows) {
    QTest::newRow(r.item) << r.item << r.text << r.key << r.shortcut;
  }
}

void TestMenus::captions() {
  QFETCH(QString, item);
  QFETCH(QString, text);
  QFETCH(QString, key);
  QFETCH(QString, shortcut);

  Window w;
  QAction* action = nullptr;
  for (QMenu* menu : w.menus.AllMenus()) {
    for (QAction* a : menu->actions()) {
      if (a->objectName() == item) action = a;
    }
  }
  QVERIFY2(action, qPrintable(item));
  QCOMPARE(MenuItemText(*action), text);
  QCOMPARE(QString::fromStdString(MenuCaptionOf(*action)), text + "|#" + key);
  QCOMPARE(QString::fromStdString(ShownShortcutOf(*action)), shortcut);
  QVERIFY(!action->text().contains("|#"));
  QVERIFY2(!action->text().contains(key) || text.contains(key), "the key must never show");
  QVERIFY(SameImage(action->icon(), w.menus.imlMenu().Image(key.toStdString())));
  if (!shortcut.isEmpty()) QCOMPARE(action->text(), text + '\t' + shortcut);
}

void TestMenus::menusHoldTheirItemsInDesignOrder_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QStringList>("items");
  QTest::newRow("day") << "mnuPopUpPrefs"
                       << QStringList{"mnuEdit",     "mnuClearAll",    "mnuQuickReminder", "-mnuSep2",
                                      "mnuReminders", "mnuPreferences", "mnuPrint",         "mnuTips",
                                      "-mnuSep3",    "mnuExit"};
  QTest::newRow("quick reminder") << "mnuQuickReminder"
                                  << QStringList{"mnuQuickReminderOn",    "mnuQuickReminderOff",
                                                 "-mnuSep1",              "mnuQuickReminderDays",
                                                 "mnuQuickReminderHours", "mnuQuickReminderMinutes"};
  QTest::newRow("days") << "mnuQuickReminderDays" << QStringList{"mnuQRDays_1", "mnuQRDays_2", "mnuQRDays_3"};
  QTest::newRow("compact") << "mnuPopUpExpand"
                           << QStringList{"mnuExpand", "mnuExpandToTray", "-mnuSepExit1", "mnuExpandExit"};
  QTest::newRow("year") << "mnuPopUpYear"
                        << QStringList{"mnuYear1", "mnuYear2", "-mnuSep4", "mnuCurrentYear", "-mnuSep5",
                                       "mnuYear3", "mnuYear4"};
  QTest::newRow("weekday") << "mnuPopUpWeekDay"
                           << QStringList{"mnuWeekDay", "-mnuSep6", "mnuSmall", "mnuMedium", "mnuLarge"};
  QStringList months;
  for (int i = 1; i <= 12; ++i) months << QStringLiteral("mnuMonths_%1").arg(i);
  QTest::newRow("months") << "mnuPopUpMonths" << months;
  QTest::newRow("tray") << "mnuPopUpTray" << QStringList{"mnuShow", "mnuToTray", "-mnuSepExit2", "mnuQuit"};
}

void TestMenus::menusHoldTheirItemsInDesignOrder() {
  QFETCH(QString, menu);
  QFETCH(QStringList, items);
  Window w;
  const QMenu* found = w.widget.findChild<QMenu*>(menu);
  QVERIFY2(found, qPrintable(menu));
  QCOMPARE(Layout(found), items);
  for (const QAction* item : found->actions()) {
    if (!item->isSeparator()) continue;
    QCOMPARE(QString::fromStdString(MenuCaptionOf(*item)), QStringLiteral("-"));
    QVERIFY(item->icon().isNull());
    QVERIFY(item->text().isEmpty());
  }
}

void TestMenus::everyItemShowsAnImageOfTheList() {
  Window w;
  const MenuImageList& images = w.menus.imlMenu();
  int items = 0;
  for (QMenu* menu : w.menus.AllMenus()) {
    for (const QAction* item : menu->actions()) {
      if (item->isSeparator()) continue;
      ++items;
      const MenuCaption parts = SplitMenuCaption(MenuCaptionOf(*item));
      QVERIFY2(images.Contains(parts.key), qPrintable(item->objectName()));
      QVERIFY2(SameImage(item->icon(), images.Image(parts.key)), qPrintable(item->objectName()));
      QVERIFY2(!item->text().contains("|#"), qPrintable(item->objectName()));
    }
  }
  // Day 8, quick reminder 5, its three submenus 9, compact 3, year 5, weekday 4, months 12, tray 3.
  QCOMPARE(items, 49);
  // The six containers are only opened as pop-ups and carry no image.
  for (QMenu* popUp : {w.menus.mnuPopUpPrefs(), w.menus.mnuPopUpExpand(), w.menus.mnuPopUpYear(),
                       w.menus.mnuPopUpWeekDay(), w.menus.mnuPopUpMonths(), w.menus.mnuPopUpTray()}) {
    QCOMPARE(popUp->title(), QStringLiteral("PopUp"));
    QVERIFY(popUp->menuAction()->icon().isNull());
  }
}

void TestMenus::imageListHasTheThirtyOneKeysEachItsOwnPicture() {
  const MenuImageList images = BuildMenuImageList();
  const std::vector<std::string> expected = {
      "Calendar", "Edit",  "ClearAll", "Reminder", "Prefs",  "Print",    "Tips",   "Exit",
      "On",       "Off",   "OnCheck",  "OffCheck", "Days",   "Hours",    "Mins",   "ToTray",
      "ToDesktop", "Today", "Month",   "Year",     "FirstDay", "Small",  "Medium", "Large",
      "Expand",   "One",   "Two",      "Three",    "Ten",    "Twenty",   "Thirty"};
  QCOMPARE(images.Keys(), expected);

  std::vector<QImage> seen;
  for (const std::string& key : expected) {
    const QImage picture = Picture(images.Image(key));
    QVERIFY2(!picture.isNull(), key.c_str());
    // Something is drawn: not every pixel is transparent.
    bool drawn = false;
    for (int y = 0; y < picture.height() && !drawn; ++y) {
      for (int x = 0; x < picture.width() && !drawn; ++x) drawn = qAlpha(picture.pixel(x, y)) > 0;
    }
    QVERIFY2(drawn, key.c_str());
    for (const QImage& other : seen) QVERIFY2(picture != other, key.c_str());
    seen.push_back(picture);
  }
  QVERIFY(images.Image("NoSuchKey").isNull());
}

void TestMenus::splitCaption_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("key");
  QTest::newRow("item") << "Edit...|#Edit" << "Edit..." << "Edit";
  QTest::newRow("year") << "2031|#Year" << "2031" << "Year";
  QTest::newRow("no key") << "PopUp" << "PopUp" << "";
  QTest::newRow("separator") << "-" << "-" << "";
  QTest::newRow("empty key") << "Exit|#" << "Exit" << "";
  QTest::newRow("first mark divides") << "a|#b|#c" << "a" << "b|#c";
  QTest::newRow("bar without hash") << "a|b" << "a|b" << "";
}

void TestMenus::splitCaption() {
  QFETCH(QString, caption);
  QFETCH(QString, text);
  QFETCH(QString, key);
  const MenuCaption parts = SplitMenuCaption(caption.toStdString());
  QCOMPARE(QString::fromStdString(parts.text), text);
  QCOMPARE(QString::fromStdString(parts.key), key);
}

void TestMenus::quickReminderShowsOnCheckOrOffCheck() {
  Window w;
  const MenuImageList& images = w.menus.imlMenu();
  QAction* item = w.menus.mnuQuickReminder()->menuAction();
  QVERIFY(w.menus.mnuQuickReminderOn()->isChecked());
  QVERIFY(SameImage(item->icon(), images.Image("OnCheck")));

  w.menus.ShowQuickReminderOnOff(false);
  QCOMPARE(MenuCaptionOf(*item), std::string("Quick Reminder|#OffCheck"));
  QCOMPARE(MenuItemText(*item), QStringLiteral("Quick Reminder"));
  QVERIFY(SameImage(item->icon(), images.Image("OffCheck")));
  QVERIFY(!SameImage(item->icon(), images.Image("OnCheck")));
  QVERIFY(!w.menus.mnuQuickReminderOn()->isChecked());
  QVERIFY(w.menus.mnuQuickReminderOff()->isChecked());

  w.menus.ShowQuickReminderOnOff(true);
  QCOMPARE(MenuCaptionOf(*item), std::string("Quick Reminder|#OnCheck"));
  QVERIFY(SameImage(item->icon(), images.Image("OnCheck")));
  QVERIFY(w.menus.mnuQuickReminderOn()->isChecked());
  QVERIFY(!w.menus.mnuQuickReminderOff()->isChecked());
}

void TestMenus::shownShortcutsDoNotAct() {
  Window w;
  w.widget.show();
  w.widget.activateWindow();
  for (QMenu* menu : w.menus.AllMenus()) {
    for (const QAction* item : menu->actions()) QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->objectName()));
  }
  QSignalSpy reminders(w.menus.mnuReminders(), &QAction::triggered);
  QSignalSpy toTray(w.menus.mnuExpandToTray(), &QAction::triggered);
  QTest::keyClick(&w.widget, Qt::Key_F3);
  QTest::keyClick(&w.widget, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(reminders.count(), 0);
  QCOMPARE(toTray.count(), 0);
}

void TestMenus::changedCaptionsKeepTheirForm() {
  Window w;
  w.menus.SetCaption(w.menus.mnuYear1(), "2029|#Year");
  QCOMPARE(MenuItemText(*w.menus.mnuYear1()), QStringLiteral("2029"));
  QVERIFY(SameImage(w.menus.mnuYear1()->icon(), w.menus.imlMenu().Image("Year")));
  // A caption naming a key the list does not hold shows its text and no image.
  w.menus.SetCaption(w.menus.mnuYear2(), "2030|#Nothing");
  QCOMPARE(MenuItemText(*w.menus.mnuYear2()), QStringLiteral("2030"));
  QVERIFY(w.menus.mnuYear2()->icon().isNull());
  // An item keeps its shown shortcut when its caption changes.
  w.menus.SetCaption(w.menus.mnuCurrentYear(), "Now!|#Today");
  QCOMPARE(w.menus.mnuCurrentYear()->text(), QStringLiteral("Now!\tF11"));
}

void TestMenus::designCaptionsComeBack() {
  Window w;
  w.menus.SetCaption(w.menus.mnuYear3(), "2040|#Year");
  w.menus.ShowQuickReminderOnOff(false);
  MenuStyler styler;
  w.menus.SubClassMenuXP(styler, home_->Config() / "Tamsel" / "frmMain");
  QVERIFY(styler.IsAttached());
  QCOMPARE(MenuItemText(*w.menus.mnuYear3()), QStringLiteral("Year3"));
  QCOMPARE(MenuCaptionOf(*w.menus.mnuQuickReminder()->menuAction()), std::string("Quick Reminder|#OnCheck"));
  // Attached, the menus keep the desktop's look until the settings are read.
  QVERIFY(styler.MenuStyle() == nullptr);
  styler.DetachMenus(&w.widget);
}

// ---- the styler ----

void TestMenus::colourLayout() {
  // &H00BBGGRR: 255 is pure red; the default gradient colour &HE6B36C is a mid blue.
  QCOMPARE(ColourFromBgr(255), QColor(255, 0, 0));
  QCOMPARE(ColourFromBgr(0xE6B36C), QColor(0x6C, 0xB3, 0xE6));
  QCOMPARE(ColourFromBgr(0xFF000000u | 0x00FF00u), QColor(0, 255, 0));
  QCOMPARE(BgrFromColour(QColor(0x12, 0x34, 0x56)), std::uint32_t{0x563412});
}

void TestMenus::stylerReadsTheLookFromTheWrittenFile_data() {
  QTest::addColumn<int>("menuStyle");
  QTest::addColumn<bool>("styled");
  QTest::newRow("0 gradient") << 0 << true;
  QTest::newRow("2 flat") << 2 << true;
  QTest::newRow("4 raised") << 4 << true;
  QTest::newRow("1 plain") << 1 << false;
  QTest::newRow("3 plain") << 3 << false;
  QTest::newRow("5 plain") << 5 << false;
  QTest::newRow("-4 plain") << -4 << false;
}

void TestMenus::stylerReadsTheLookFromTheWrittenFile() {
  QFETCH(int, menuStyle);
  QFETCH(bool, styled);

  Settings s;
  s.MenuStyle = menuStyle;
  s.GradientLeftColour = 0x000011;
  s.GradientRightColour = 0x000022;
  s.Vertical = 1;
  s.GradientBar = 0;
  s.XPLeftBackColour = 0x000033;
  s.XPRightBackColour = 0x000044;
  s.XPSelectedColour = 0x000055;
  s.XPAllColour = 0x000066;
  s.XPBarColour = 0x000077;
  s.TopColour = 0x000088;
  s.MiddleColour = 0x000099;
  s.BottomColour = 0x0000AA;

  Window w;
  MenuStyler styler;
  w.menus.SubClassMenuXP(styler, home_->Config() / "Tamsel" / "frmMain");
  int reloads = 0;
  QVERIFY(WriteMenuIni(s, [&] {
    ++reloads;
    styler.ReloadMenuSettings(&w.widget);
  }));
  QCOMPARE(reloads, 1);

  const MenuLook& look = styler.Look();
  QCOMPARE(look.MenuStyle, menuStyle);
  QCOMPARE(look.MenuBackColor, std::uint32_t{0x11});
  QCOMPARE(look.MenuBackColor2, std::uint32_t{0x22});
  QCOMPARE(look.GradientStyle, 1);
  QCOMPARE(look.Gradient, 0);
  QCOMPARE(look.XPBarColor, std::uint32_t{0x33});
  QCOMPARE(look.XPBackColor, std::uint32_t{0x44});
  QCOMPARE(look.XPTextColor, std::uint32_t{0x55});
  QCOMPARE(look.XPTextColorAll, std::uint32_t{0x66});
  QCOMPARE(look.XPFillColor, std::uint32_t{0x77});
  QCOMPARE(look.XPBorderColor, std::uint32_t{0x999999});
  QCOMPARE(look.New3DColor1, std::uint32_t{0x88});
  QCOMPARE(look.New3DColor2, std::uint32_t{0x99});
  QCOMPARE(look.New3DColor3, std::uint32_t{0xAA});

  QCOMPARE(styler.MenuStyle() != nullptr, styled);
  for (QMenu* menu : w.menus.AllMenus()) {
    if (styled) {
      QVERIFY(menu->style() == styler.MenuStyle());
    } else {
      QVERIFY(menu->style() == QApplication::style());
    }
  }
}

void TestMenus::stylerFallsBackWhenTheFileIsMissingOrOdd() {
  const auto base = home_->Root() / "odd" / "frmMain";
  std::filesystem::create_directories(base.parent_path());
  Window w;
  MenuStyler styler;
  styler.AttachMenus(&w.widget, base, &w.menus.imlMenu());

  // No file: the look of a fresh user, the raised one.
  std::filesystem::remove(base.string() + ".ini");
  styler.ReloadMenuSettings(&w.widget);
  QCOMPARE(styler.Look(), MenuLook{});
  QVERIFY(styler.MenuStyle() != nullptr);

  // A style that is no number is no style of ours; colours out of range keep their defaults.
  IniDocument ini;
  QVERIFY(ini.Set("Menu", "MenuStyle", "three"));
  QVERIFY(ini.Set("OfficeXP", "XPFillColor", "16777216"));
  QVERIFY(ini.Set("OfficeXP", "XPBackColor", "-1"));
  QVERIFY(ini.Set("New3D", "New3DColor1", "255"));
  QVERIFY(ini.Save(base.string() + ".ini"));
  styler.ReloadMenuSettings(&w.widget);
  QVERIFY(styler.MenuStyle() == nullptr);
  QCOMPARE(styler.Look().XPFillColor, MenuLook{}.XPFillColor);
  QCOMPARE(styler.Look().XPBackColor, MenuLook{}.XPBackColor);
  QCOMPARE(styler.Look().New3DColor1, std::uint32_t{255});

  // Another window is not ours to restyle.
  QWidget stranger;
  QVERIFY(ini.Set("Menu", "MenuStyle", "2"));
  QVERIFY(ini.Save(base.string() + ".ini"));
  styler.ReloadMenuSettings(&stranger);
  QVERIFY(styler.MenuStyle() == nullptr);
  styler.ReloadMenuSettings(&w.widget);
  QVERIFY(styler.MenuStyle() != nullptr);
}

namespace {

// Writes the file, restyles the window's menus, opens `menu` with `active` selected and returns the
// picture of the open menu with the selected item's place in it.
struct Shot {
  QImage image;
  QRect active;
};

Shot OpenAndGrab(MenuStyler& styler, Window& w, const Settings& s, QMenu* menu, QAction* active) {
  WriteMenuIni(s, [&] { styler.ReloadMenuSettings(&w.widget); });
  menu->popup(QPoint(10, 10));
  menu->setActiveAction(active);
  Shot shot{menu->grab().toImage(), menu->actionGeometry(active)};
  menu->hide();
  return shot;
}

}  // namespace

void TestMenus::gradientLookDrawsTheSelectionFromItsColours_data() {
  QTest::addColumn<int>("gradientBar");
  QTest::addColumn<int>("vertical");
  QTest::newRow("horizontal gradient") << 1 << 0;
  QTest::newRow("vertical gradient") << 1 << 1;
  QTest::newRow("plain bar") << 0 << 0;
}

void TestMenus::gradientLookDrawsTheSelectionFromItsColours() {
  QFETCH(int, gradientBar);
  QFETCH(int, vertical);
  Window w;
  MenuStyler styler;
  w.menus.SubClassMenuXP(styler, home_->Config() / "Tamsel" / "frmMain");
  Settings s;
  s.MenuStyle = 0;
  s.GradientBar = gradientBar;
  s.Vertical = vertical;
  s.GradientLeftColour = 0x0000FF;   // red
  s.GradientRightColour = 0xFF0000;  // blue
  const Shot shot = OpenAndGrab(styler, w, s, w.menus.mnuPopUpPrefs(), w.menus.mnuEdit());
  QVERIFY(!shot.active.isEmpty());
  const QRect r = shot.active;

  const QColor red(255, 0, 0), blue(0, 0, 255);
  // Corners of the bar, away from the image and the text.
  const QColor topLeft = shot.image.pixelColor(r.left(), r.top());
  const QColor topRight = shot.image.pixelColor(r.right(), r.top());
  const QColor bottomRight = shot.image.pixelColor(r.right(), r.bottom());
  if (gradientBar == 0) {
    QVERIFY2(Near(topLeft, red, 2), qPrintable(Describe(topLeft)));
    QVERIFY2(Near(bottomRight, red, 2), qPrintable(Describe(bottomRight)));
  } else if (vertical == 0) {
    QVERIFY2(Near(topLeft, red, 8), qPrintable(Describe(topLeft)));
    QVERIFY2(Near(topRight, blue, 8), qPrintable(Describe(topRight)));
  } else {
    QVERIFY2(Near(topRight, red, 16), qPrintable(Describe(topRight)));
    QVERIFY2(Near(bottomRight, blue, 16), qPrintable(Describe(bottomRight)));
  }
  // Items not selected have no bar.
  const QRect other = w.menus.mnuPopUpPrefs()->actionGeometry(w.menus.mnuClearAll());
  const QColor face = shot.image.pixelColor(other.right() - 2, other.top() + 1);
  QVERIFY2(!Near(face, red, 60) && !Near(face, blue, 60), qPrintable(Describe(face)));
}

void TestMenus::flatLookDrawsColumnBackAndBar() {
  Window w;
  MenuStyler styler;
  w.menus.SubClassMenuXP(styler, home_->Config() / "Tamsel" / "frmMain");
  Settings s;
  s.MenuStyle = 2;
  s.XPLeftBackColour = 0x00FF00;   // green column
  s.XPRightBackColour = 0xFFFF00;  // cyan text area
  s.XPBarColour = 0xFF00FF;        // magenta selection
  const Shot shot = OpenAndGrab(styler, w, s, w.menus.mnuPopUpPrefs(), w.menus.mnuEdit());
  const QRect selected = shot.active;
  const QRect other = w.menus.mnuPopUpPrefs()->actionGeometry(w.menus.mnuClearAll());

  QCOMPARE(shot.image.pixelColor(other.left() + 1, other.top() + 1), QColor(0, 255, 0));
  QCOMPARE(shot.image.pixelColor(other.right() - 2, other.top() + 1), QColor(0, 255, 255));
  QCOMPARE(shot.image.pixelColor(selected.right() - 2, selected.center().y()), QColor(255, 0, 255));
  // The selection's frame is the fixed border colour &H999999.
  QCOMPARE(shot.image.pixelColor(selected.right(), selected.center().y()), QColor(0x99, 0x99, 0x99));
}

void TestMenus::raisedLookDrawsTopMiddleBottom() {
  Window w;
  MenuStyler styler;
  w.menus.SubClassMenuXP(styler, home_->Config() / "Tamsel" / "frmMain");
  Settings s;
  s.MenuStyle = 4;
  s.TopColour = 0x0000FF;     // red
  s.MiddleColour = 0x00FF00;  // green
  s.BottomColour = 0xFF0000;  // blue
  const Shot shot = OpenAndGrab(styler, w, s, w.menus.mnuPopUpPrefs(), w.menus.mnuEdit());
  const QRect r = shot.active;
  const int x = r.right() - 2;
  const QColor top = shot.image.pixelColor(x, r.top());
  const QColor middle = shot.image.pixelColor(x, r.top() + r.height() / 2);
  const QColor bottom = shot.image.pixelColor(x, r.bottom());
  QVERIFY2(Near(top, QColor(255, 0, 0), 16), qPrintable(Describe(top)));
  QVERIFY2(Near(middle, QColor(0, 255, 0), 16), qPrintable(Describe(middle)));
  QVERIFY2(Near(bottom, QColor(0, 0, 255), 16), qPrintable(Describe(bottom)));
  // The menu's face is the middle colour.
  const QRect other = w.menus.mnuPopUpPrefs()->actionGeometry(w.menus.mnuClearAll());
  QCOMPARE(shot.image.pixelColor(other.right() - 2, other.top() + 1), QColor(0, 255, 0));
}

void TestMenus::detachGivesBackThePlainLook() {
  Window w;
  MenuStyler styler;
  w.menus.SubClassMenuXP(styler, home_->Config() / "Tamsel" / "frmMain");
  Settings s;
  s.MenuStyle = 2;
  WriteMenuIni(s, [&] { styler.ReloadMenuSettings(&w.widget); });
  QVERIFY(w.menus.mnuPopUpTray()->style() == styler.MenuStyle());
  styler.DetachMenus(&w.widget);
  QVERIFY(!styler.IsAttached());
  QVERIFY(styler.MenuStyle() == nullptr);
  for (QMenu* menu : w.menus.AllMenus()) QVERIFY(menu->style() == QApplication::style());
  // Captions stay readable after the styler has gone.
  QCOMPARE(MenuItemText(*w.menus.mnuQuit()), QStringLiteral("Exit"));
}

void TestMenus::captionsWrittenStraightIntoItemsAreTakenApart() {
  Window w;
  MenuStyler styler;
  w.menus.SubClassMenuXP(styler, home_->Config() / "Tamsel" / "frmMain");
  const MenuImageList& images = w.menus.imlMenu();

  w.menus.mnuYear2()->setText(QStringLiteral("2032|#Year"));
  QCOMPARE(MenuItemText(*w.menus.mnuYear2()), QStringLiteral("2032"));
  QCOMPARE(MenuCaptionOf(*w.menus.mnuYear2()), std::string("2032|#Year"));
  QVERIFY(SameImage(w.menus.mnuYear2()->icon(), images.Image("Year")));

  QAction* added = w.menus.mnuPopUpYear()->addAction(QStringLiteral("Added|#Today"));
  QCOMPARE(MenuItemText(*added), QStringLiteral("Added"));
  QVERIFY(SameImage(added->icon(), images.Image("Today")));

  // A menu made after the styler was attached is taken over when it is first opened.
  auto* late = new QMenu(&w.widget);
  QAction* lateItem = late->addAction(QStringLiteral("Late|#Exit"));
  late->popup(QPoint(0, 0));
  QCOMPARE(MenuItemText(*lateItem), QStringLiteral("Late"));
  QVERIFY(SameImage(lateItem->icon(), images.Image("Exit")));
  late->hide();
  styler.DetachMenus(&w.widget);

  // Once detached, nothing is taken apart any more.
  w.menus.mnuYear4()->setText(QStringLiteral("2033|#Year"));
  QCOMPARE(w.menus.mnuYear4()->text(), QStringLiteral("2033|#Year"));
}

void TestMenus::menuHelpNamesTheItemPointedAt() {
  Window w;
  MenuStyler styler;
  w.menus.SubClassMenuXP(styler, home_->Config() / "Tamsel" / "frmMain");
  QSignalSpy help(&styler, &MenuStyler::MenuHelp);
  emit w.menus.mnuPopUpPrefs()->hovered(w.menus.mnuPrint());
  QCOMPARE(help.count(), 1);
  QCOMPARE(help.at(0).at(0).toString(), QStringLiteral("Print..."));
  QCOMPARE(help.at(0).at(1).toString(), QStringLiteral("Print"));
}

QTEST_MAIN(TestMenus)
#include "test_menus.moc"
