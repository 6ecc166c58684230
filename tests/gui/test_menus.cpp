// The main window's six context menus, their image list (drawn when first shown) and the menu
// styler's three looks, in each of which the highlighted item stands out.

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QStyle>
#include <QWidget>
#include <QtTest>
#include <array>
#include <cmath>
#include <memory>

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

QImage Picture(const QIcon& icon) {
  return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool SameImage(const QIcon& a, const QIcon& b) { return !a.isNull() && !b.isNull() && Picture(a) == Picture(b); }

bool Near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

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

// A look and its colours, &H00BBGGRR; all 0: as a new user has them.
struct LookRow {
  int menuStyle;
  int gradientBar;
  std::uint32_t first, second, third;
};

// A window with its menus, as the main window holds them, optionally with the styler attached.
struct Window {
  explicit Window(const std::filesystem::path* styleBase = nullptr) {
    if (styleBase) menus.SubClassMenuXP(styler, *styleBase);
  }
  QAction* Item(const QString& name) const {
    for (QMenu* menu : menus.AllMenus())
      for (QAction* a : menu->actions())
        if (a->objectName() == name) return a;
    return nullptr;
  }
  // Writes the look, opens the day menu with "Edit..." selected and grabs it.
  QImage OpenDayMenu(const Settings& s) {
    WriteMenuIni(s, [&] { styler.ReloadMenuSettings(&widget); });
    QMenu* menu = menus.mnuPopUpPrefs();
    menu->popup(QPoint(10, 10));
    menu->setActiveAction(menus.mnuEdit());
    const QImage image = menu->grab().toImage();
    menu->hide();
    return image;
  }
  QRect Selected() const { return menus.mnuPopUpPrefs()->actionGeometry(menus.mnuEdit()); }
  QRect Other() const { return menus.mnuPopUpPrefs()->actionGeometry(menus.mnuClearAll()); }

  QWidget widget;
  MainMenus menus{&widget};
  MenuStyler styler;
};

}  // namespace

Q_DECLARE_METATYPE(LookRow)

class TestMenus : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TempHome> home_;
  std::filesystem::path base_;

 private slots:
  void initTestCase() {
    home_ = std::make_unique<testing::TempHome>();
    base_ = home_->Config() / "Tamsel" / "frmMain";
  }
  void cleanupTestCase() { home_.reset(); }

  // A few captions as shown: the key after "|#" picks the image and never shows; a shown
  // shortcut follows a tab.
  void captions_data() {
    QTest::addColumn<QStringList>("row");  // item, caption, shown shortcut
    for (const QStringList& row : {QStringList{"mnuEdit", "Edit...|#Edit", ""},
                                   {"mnuReminders", "Reminders...|#Reminder", "F3"},
                                   {"mnuExpandToTray", "To Tray|#ToTray", "Ctrl+Z"},
                                   {"mnuCurrentYear", "Today!|#Today", "F11"}})
      QTest::newRow(qPrintable(row[0])) << row;
  }
  void captions() {
    QFETCH(QStringList, row);
    const QString &item = row[0], &caption = row[1], &shortcut = row[2];
    Window w;
    QAction* action = w.Item(item);
    QVERIFY2(action, qPrintable(item));
    const QString text = caption.section(QStringLiteral("|#"), 0, 0);
    const QString key = caption.section(QStringLiteral("|#"), 1);
    QCOMPARE(QString::fromStdString(MenuCaptionOf(*action)), caption);
    QCOMPARE(MenuItemText(*action), text);
    QCOMPARE(action->text(), shortcut.isEmpty() ? text : text + '\t' + shortcut);
    QVERIFY(SameImage(action->icon(), w.menus.imlMenu().Image(key.toStdString())));
  }

  void menusHoldTheirItemsInDesignOrder_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("items");  // "-name" is a separator
    QTest::newRow("day") << "mnuPopUpPrefs"
                         << "mnuEdit mnuClearAll mnuQuickReminder -mnuSep2 mnuReminders mnuPreferences mnuPrint "
                            "mnuTips -mnuSep3 mnuExit";
    QTest::newRow("quick reminder") << "mnuQuickReminder"
                                    << "mnuQuickReminderOn mnuQuickReminderOff -mnuSep1 mnuQuickReminderDays "
                                       "mnuQuickReminderHours mnuQuickReminderMinutes";
    QTest::newRow("compact") << "mnuPopUpExpand"
                             << "mnuExpand mnuExpandToTray -mnuSepExit1 mnuExpandExit";
    QTest::newRow("year") << "mnuPopUpYear"
                          << "mnuYear1 mnuYear2 -mnuSep4 mnuCurrentYear -mnuSep5 mnuYear3 mnuYear4";
    QTest::newRow("weekday") << "mnuPopUpWeekDay"
                             << "mnuWeekDay -mnuSep6 mnuSmall mnuMedium mnuLarge";
    QTest::newRow("tray") << "mnuPopUpTray"
                          << "mnuShow mnuToTray -mnuSepExit2 mnuQuit";
  }
  void menusHoldTheirItemsInDesignOrder() {
    QFETCH(QString, menu);
    QFETCH(QString, items);
    Window w;
    const QMenu* found = w.widget.findChild<QMenu*>(menu);
    QVERIFY2(found, qPrintable(menu));
    QStringList names;
    for (const QAction* item : found->actions()) {
      names << (item->isSeparator() ? QLatin1Char('-') + item->objectName() : item->objectName());
      if (!item->isSeparator()) continue;
      QCOMPARE(QString::fromStdString(MenuCaptionOf(*item)), QStringLiteral("-"));
      QVERIFY(item->icon().isNull() && item->text().isEmpty());
    }
    QCOMPARE(names.join(' '), items);
  }

  void everyItemShowsItsOwnImageAndNoShortcutActs() {
    Window w;
    const MenuImageList& images = w.menus.imlMenu();
    int items = 0;
    for (QMenu* menu : w.menus.AllMenus()) {
      for (const QAction* item : menu->actions()) {
        QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->objectName()));
        if (item->isSeparator()) continue;
        ++items;
        const MenuCaption parts = SplitMenuCaption(MenuCaptionOf(*item));
        QVERIFY2(SameImage(item->icon(), images.Image(parts.key)), qPrintable(item->objectName()));
        QVERIFY2(!item->text().contains("|#"), qPrintable(item->objectName()));
      }
    }
    QCOMPARE(items, 49);
    // The six containers are only opened as pop-ups and carry no image.
    for (QMenu* popUp : {w.menus.mnuPopUpPrefs(), w.menus.mnuPopUpExpand(), w.menus.mnuPopUpYear(),
                         w.menus.mnuPopUpWeekDay(), w.menus.mnuPopUpMonths(), w.menus.mnuPopUpTray()}) {
      QCOMPARE(popUp->title(), QStringLiteral("PopUp"));
      QVERIFY(popUp->menuAction()->icon().isNull());
    }
    // The shortcut texts are shown only: pressing them does nothing.
    w.widget.show();
    w.widget.activateWindow();
    QSignalSpy reminders(w.menus.mnuReminders(), &QAction::triggered);
    QSignalSpy toTray(w.menus.mnuExpandToTray(), &QAction::triggered);
    QTest::keyClick(&w.widget, Qt::Key_F3);
    QTest::keyClick(&w.widget, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(reminders.count() + toTray.count(), 0);
  }

  void imageListHasThirtyOneDrawnPicturesAllDifferent() {
    const MenuImageList images = BuildMenuImageList();
    QCOMPARE(images.Keys().size(), std::size_t{31});
    std::vector<QImage> seen;
    for (const std::string& key : images.Keys()) {
      const QImage picture = Picture(images.Image(key));
      bool drawn = false;
      for (int y = 0; y < picture.height() && !drawn; ++y)
        for (int x = 0; x < picture.width() && !drawn; ++x) drawn = qAlpha(picture.pixel(x, y)) > 0;
      QVERIFY2(drawn, key.c_str());
      for (const QImage& other : seen) QVERIFY2(picture != other, key.c_str());
      seen.push_back(picture);
    }
    QVERIFY(images.Image("NoSuchKey").isNull());
  }

  // The pictures are drawn when first shown, once for each size and look, and never at start.
  void imagesAreDrawnWhenFirstShownThenKept_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("mode");
    QTest::newRow("16, normal") << 16 << int(QIcon::Normal);
    QTest::newRow("24, normal") << 24 << int(QIcon::Normal);
    QTest::newRow("16, greyed") << 16 << int(QIcon::Disabled);
    QTest::newRow("32, highlighted") << 32 << int(QIcon::Active);
  }
  void imagesAreDrawnWhenFirstShownThenKept() {
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

  void splitCaption() {
    // {caption, text, key}: the first "|#" divides; a bar alone does not.
    const std::array<std::string, 3> rows[] = {
        {"2031|#Year", "2031", "Year"}, {"PopUp", "PopUp", ""},   {"-", "-", ""},
        {"Exit|#", "Exit", ""},         {"a|#b|#c", "a", "b|#c"}, {"a|b", "a|b", ""}};
    for (const auto& [caption, text, key] : rows) {
      const MenuCaption parts = SplitMenuCaption(caption);
      QCOMPARE(parts.text, text);
      QCOMPARE(parts.key, key);
    }
  }

  void quickReminderShowsOnCheckOrOffCheck() {
    Window w;
    QAction* item = w.menus.mnuQuickReminder()->menuAction();
    const bool states[] = {true, false, true};  // on by design, then switched off and on
    for (std::size_t i = 0; i < std::size(states); ++i) {
      const bool on = states[i];
      if (i > 0) w.menus.ShowQuickReminderOnOff(on);
      const char* key = on ? "OnCheck" : "OffCheck";
      QCOMPARE(MenuCaptionOf(*item), std::string("Quick Reminder|#") + key);
      QCOMPARE(MenuItemText(*item), QStringLiteral("Quick Reminder"));
      QVERIFY(SameImage(item->icon(), w.menus.imlMenu().Image(key)));
      QVERIFY(!SameImage(item->icon(), w.menus.imlMenu().Image(on ? "OffCheck" : "OnCheck")));
      QCOMPARE(w.menus.mnuQuickReminderOn()->isChecked(), on);
      QCOMPARE(w.menus.mnuQuickReminderOff()->isChecked(), !on);
    }
  }

  void changedCaptionsKeepTheirFormAndDesignCaptionsComeBack() {
    Window w;
    const MenuImageList& images = w.menus.imlMenu();
    w.menus.SetCaption(w.menus.mnuYear1(), "2029|#Year");
    QCOMPARE(MenuItemText(*w.menus.mnuYear1()), QStringLiteral("2029"));
    QVERIFY(SameImage(w.menus.mnuYear1()->icon(), images.Image("Year")));
    // A key the list does not hold shows its text and no image.
    w.menus.SetCaption(w.menus.mnuYear2(), "2030|#Nothing");
    QCOMPARE(MenuItemText(*w.menus.mnuYear2()), QStringLiteral("2030"));
    QVERIFY(w.menus.mnuYear2()->icon().isNull());
    // An item keeps its shown shortcut when its caption changes.
    w.menus.SetCaption(w.menus.mnuCurrentYear(), "Now!|#Today");
    QCOMPARE(w.menus.mnuCurrentYear()->text(), QStringLiteral("Now!\tF11"));
    w.menus.ShowQuickReminderOnOff(false);

    // Attaching the styler puts the design captions back and keeps the desktop's look until the
    // settings are read.
    w.menus.SubClassMenuXP(w.styler, base_);
    QVERIFY(w.styler.IsAttached());
    QCOMPARE(MenuItemText(*w.menus.mnuYear1()), QStringLiteral("Year1"));
    QCOMPARE(MenuCaptionOf(*w.menus.mnuQuickReminder()->menuAction()), std::string("Quick Reminder|#OnCheck"));
    QVERIFY(w.styler.MenuStyle() == nullptr);

    // Captions written straight into items, or into a menu made later, are taken apart.
    w.menus.mnuYear2()->setText(QStringLiteral("2032|#Year"));
    QCOMPARE(MenuItemText(*w.menus.mnuYear2()), QStringLiteral("2032"));
    QCOMPARE(MenuCaptionOf(*w.menus.mnuYear2()), std::string("2032|#Year"));
    QVERIFY(SameImage(w.menus.mnuYear2()->icon(), images.Image("Year")));
    auto* late = new QMenu(&w.widget);
    QAction* lateItem = late->addAction(QStringLiteral("Late|#Exit"));
    late->popup(QPoint(0, 0));
    QCOMPARE(MenuItemText(*lateItem), QStringLiteral("Late"));
    QVERIFY(SameImage(lateItem->icon(), images.Image("Exit")));
    late->hide();

    // Once detached, nothing is taken apart any more.
    w.styler.DetachMenus(&w.widget);
    w.menus.mnuYear4()->setText(QStringLiteral("2033|#Year"));
    QCOMPARE(w.menus.mnuYear4()->text(), QStringLiteral("2033|#Year"));
  }

  // ---- the styler ----

  void colourLayout() {
    // &H00BBGGRR: 255 is pure red; the high byte is ignored.
    QCOMPARE(ColourFromBgr(255), QColor(255, 0, 0));
    QCOMPARE(ColourFromBgr(0xE6B36C), QColor(0x6C, 0xB3, 0xE6));
    QCOMPARE(ColourFromBgr(0xFF000000u | 0x00FF00u), QColor(0, 255, 0));
    QCOMPARE(BgrFromColour(QColor(0x12, 0x34, 0x56)), std::uint32_t{0x563412});
  }

  void stylerReadsTheLookFromTheWrittenFile() {
    // 0 gradient, 2 flat and 4 raised are styles of ours; any other number is the plain look.
    for (const int menuStyle : {0, 2, 4, 1, 3, -4}) {
      const bool styled = menuStyle == 0 || menuStyle == 2 || menuStyle == 4;
      Settings s;
      s.MenuStyle = menuStyle;
      // Each colour its own value, so a crossed pair shows.
      std::uint32_t* colours[] = {
          &s.GradientLeftColour, &s.GradientRightColour, &s.XPLeftBackColour, &s.XPRightBackColour, &s.XPSelectedColour,
          &s.XPAllColour,        &s.XPBarColour,         &s.TopColour,        &s.MiddleColour,      &s.BottomColour};
      for (std::uint32_t i = 0; i < std::size(colours); ++i) *colours[i] = 0x11 * (i + 1);
      s.Vertical = 1;
      s.GradientBar = 0;

      Window w(&base_);
      int reloads = 0;
      QVERIFY(WriteMenuIni(s, [&] {
        ++reloads;
        w.styler.ReloadMenuSettings(&w.widget);
      }));
      QCOMPARE(reloads, 1);
      const MenuLook& look = w.styler.Look();
      QCOMPARE(look.MenuStyle, menuStyle);
      const std::uint32_t read[] = {look.MenuBackColor, look.MenuBackColor2, look.XPBarColor,  look.XPBackColor,
                                    look.XPTextColor,   look.XPTextColorAll, look.XPFillColor, look.New3DColor1,
                                    look.New3DColor2,   look.New3DColor3};
      for (std::uint32_t i = 0; i < std::size(read); ++i) QCOMPARE(read[i], 0x11 * (i + 1));
      QCOMPARE(look.GradientStyle, 1);
      QCOMPARE(look.Gradient, 0);
      QCOMPARE(look.XPBorderColor, std::uint32_t{0x999999});
      QCOMPARE(w.styler.MenuStyle() != nullptr, styled);
      for (QMenu* menu : w.menus.AllMenus())
        QVERIFY(menu->style() == (styled ? w.styler.MenuStyle() : QApplication::style()));

      // Detached, every menu has the plain look back.
      w.styler.DetachMenus(&w.widget);
      QVERIFY(!w.styler.IsAttached() && w.styler.MenuStyle() == nullptr);
      for (QMenu* menu : w.menus.AllMenus()) QVERIFY(menu->style() == QApplication::style());
      QCOMPARE(MenuItemText(*w.menus.mnuQuit()), QStringLiteral("Exit"));
    }
  }

  void stylerFallsBackWhenTheFileIsMissingOrOdd() {
    const auto base = home_->Root() / "odd" / "frmMain";
    std::filesystem::create_directories(base.parent_path());
    Window w;
    w.styler.AttachMenus(&w.widget, base, &w.menus.imlMenu());
    // No file: the look of a fresh user, the raised one.
    w.styler.ReloadMenuSettings(&w.widget);
    QCOMPARE(w.styler.Look(), MenuLook{});
    QVERIFY(w.styler.MenuStyle() != nullptr);

    // A style that is no number is no style of ours; colours out of range keep their defaults.
    IniDocument ini;
    QVERIFY(ini.Set("Menu", "MenuStyle", "three"));
    QVERIFY(ini.Set("OfficeXP", "XPFillColor", "16777216"));
    QVERIFY(ini.Set("OfficeXP", "XPBackColor", "-1"));
    QVERIFY(ini.Set("New3D", "New3DColor1", "255"));
    QVERIFY(ini.Save(base.string() + ".ini"));
    w.styler.ReloadMenuSettings(&w.widget);
    QVERIFY(w.styler.MenuStyle() == nullptr);
    QCOMPARE(w.styler.Look().XPFillColor, MenuLook{}.XPFillColor);
    QCOMPARE(w.styler.Look().XPBackColor, MenuLook{}.XPBackColor);
    QCOMPARE(w.styler.Look().New3DColor1, std::uint32_t{255});

    // Another window is not ours to restyle.
    QWidget stranger;
    QVERIFY(ini.Set("Menu", "MenuStyle", "2"));
    QVERIFY(ini.Save(base.string() + ".ini"));
    w.styler.ReloadMenuSettings(&stranger);
    QVERIFY(w.styler.MenuStyle() == nullptr);
    w.styler.ReloadMenuSettings(&w.widget);
    QVERIFY(w.styler.MenuStyle() != nullptr);
  }

  void gradientLookDrawsTheSelectionFromItsColours() {
    const QColor red(255, 0, 0), blue(0, 0, 255);
    for (const auto& [gradientBar, vertical] : {std::pair{1, 0}, {1, 1}, {0, 0}}) {
      Window w(&base_);
      Settings s;
      s.MenuStyle = 0;
      s.GradientBar = gradientBar;
      s.Vertical = vertical;
      s.GradientLeftColour = 0x0000FF;   // red
      s.GradientRightColour = 0xFF0000;  // blue
      const QImage image = w.OpenDayMenu(s);
      const QRect r = w.Selected();
      QVERIFY(!r.isEmpty());
      const QColor topLeft = image.pixelColor(r.topLeft()), topRight = image.pixelColor(r.topRight());
      const QColor bottomRight = image.pixelColor(r.bottomRight());
      if (gradientBar == 0) {  // a plain bar of the left colour
        QVERIFY2(Near(topLeft, red, 2) && Near(bottomRight, red, 2), qPrintable(bottomRight.name()));
      } else if (vertical == 0) {  // left to right
        QVERIFY2(Near(topLeft, red, 8) && Near(topRight, blue, 8), qPrintable(topRight.name()));
      } else {  // top to bottom
        QVERIFY2(Near(topRight, red, 16) && Near(bottomRight, blue, 16), qPrintable(bottomRight.name()));
      }
      // (That the item beside has no bar is the highlight table's.)
    }
  }

  void flatLookDrawsColumnBackAndBar() {
    Window w(&base_);
    Settings s;
    s.MenuStyle = 2;
    s.XPLeftBackColour = 0x00FF00;   // green column
    s.XPRightBackColour = 0xFFFF00;  // cyan text area
    s.XPBarColour = 0xFF00FF;        // magenta selection
    const QImage image = w.OpenDayMenu(s);
    const QRect selected = w.Selected(), other = w.Other();
    QCOMPARE(image.pixelColor(other.left() + 1, other.top() + 1), QColor(0, 255, 0));
    QCOMPARE(image.pixelColor(other.right() - 2, other.top() + 1), QColor(0, 255, 255));
    QCOMPARE(image.pixelColor(selected.right() - 2, selected.center().y()), QColor(255, 0, 255));
    // The selection's frame is the fixed border colour &H999999.
    QCOMPARE(image.pixelColor(selected.right(), selected.center().y()), QColor(0x99, 0x99, 0x99));
  }

  void raisedLookDrawsTopMiddleBottom() {
    Window w(&base_);
    Settings s;
    s.MenuStyle = 4;
    s.TopColour = 0x0000FF;     // red
    s.MiddleColour = 0x00FF00;  // green
    s.BottomColour = 0xFF0000;  // blue
    const QImage image = w.OpenDayMenu(s);
    const QRect r = w.Selected();
    const int x = r.right() - 2;
    const QColor top = image.pixelColor(x, r.top()), bottom = image.pixelColor(x, r.bottom());
    const QColor middle = image.pixelColor(x, r.top() + r.height() / 2);
    QVERIFY2(Near(top, QColor(255, 0, 0), 16), qPrintable(top.name()));
    QVERIFY2(Near(middle, QColor(0, 255, 0), 16), qPrintable(middle.name()));
    QVERIFY2(Near(bottom, QColor(0, 0, 255), 16), qPrintable(bottom.name()));
    // The menu's face is the middle colour.
    QCOMPARE(image.pixelColor(w.Other().right() - 2, w.Other().top() + 1), QColor(0, 255, 0));
  }

  // In every look, and whatever colours were chosen, the highlighted item clearly differs from the
  // item beside it.
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
    Settings s;
    s.MenuStyle = row.menuStyle;
    s.GradientBar = row.gradientBar;
    if (row.first || row.second || row.third) {
      s.GradientLeftColour = row.first, s.GradientRightColour = row.second;
      s.XPLeftBackColour = row.first, s.XPRightBackColour = row.second, s.XPBarColour = row.third;
      s.TopColour = row.first, s.MiddleColour = row.second, s.BottomColour = row.third;
    }
    Window w(&base_);
    const QImage image = w.OpenDayMenu(s);
    const QColor selected = Mean(image, w.Selected()), beside = Mean(image, w.Other());
    const double distance = std::hypot(selected.red() - beside.red(), selected.green() - beside.green(),
                                       selected.blue() - beside.blue());
    QVERIFY2(distance >= 60, qPrintable(selected.name() + " against " + beside.name()));
  }

  void menuHelpNamesTheItemPointedAt() {
    Window w(&base_);
    QSignalSpy help(&w.styler, &MenuStyler::MenuHelp);
    emit w.menus.mnuPopUpPrefs()->hovered(w.menus.mnuPrint());
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.at(0).at(0).toString(), QStringLiteral("Print..."));
    QCOMPARE(help.at(0).at(1).toString(), QStringLiteral("Print"));
  }
};

QTEST_MAIN(TestMenus)
#include "test_menus.moc"
