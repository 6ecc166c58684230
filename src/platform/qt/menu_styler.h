#pragma once
// The menu styler: what gives the main window's context menus their items and their look.
//
// A menu item's caption is its text, "|#" and the key of its image ("Edit...|#Edit"); "-" is a
// separator. Once the styler is attached to a window with the window's image list, every item of
// every menu of that window shows the text before "|#" and the image stored under the key, never
// the key itself, also when a caption is changed later. ReloadMenuSettings reads the menu settings
// file ("frmMain.ini", the settings base name & ".ini") and draws the menus in the look it names:
// [Menu] MenuStyle 0 a gradient look, 2 a flat look with a coloured icon column, 4 a raised 3D
// look, each in the colours the file gives; any other value leaves the menus in the desktop's own
// look.

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QStyle;
class QWidget;

namespace orlevant {

// Images under text keys, in the order they were added. Keys match exactly.
class MenuImageList {
 public:
  void Add(std::string key, QIcon image);
  bool Contains(std::string_view key) const;
  // The image under `key`; a null icon when there is none.
  QIcon Image(std::string_view key) const;
  std::vector<std::string> Keys() const;
  std::size_t Count() const { return images_.size(); }

 private:
  std::vector<std::pair<std::string, QIcon>> images_;
};

struct MenuCaption {
  std::string text;
  std::string key;  // empty when the caption names no image
};

// "Edit...|#Edit" gives "Edit..." and "Edit"; a caption without "|#" is all text. Only the first
// "|#" divides: "a|#b|#c" names the key "b|#c", which no image list holds.
MenuCaption SplitMenuCaption(std::string_view caption);

// Writes `caption` into `item`: "-" makes it a separator; anything else becomes the item's text
// (followed by its shown shortcut) and the image of `images` under its key, or no image when the
// list has none under that key.
void ApplyMenuCaption(QAction& item, std::string_view caption, const MenuImageList& images);
// The caption last written into `item`, "" when none was.
std::string MenuCaptionOf(const QAction& item);

// The key text shown at the right of an item ("F3", "Ctrl+Z"). It is shown only: the item itself
// does not act on the key, which the window's own key handling does.
void SetShownShortcut(QAction& item, std::string_view keyText);
std::string ShownShortcutOf(const QAction& item);
// The item's visible text without its shown shortcut.
QString MenuItemText(const QAction& item);

// What the menu settings file says, as far as the look goes. Missing or unreadable values take the
// values a fresh user's file holds.
struct MenuLook {
  int MenuStyle = 4;
  // [Office2000]
  std::uint32_t MenuBackColor = 0xE6B36C;   // selection bar, left (or top) colour
  std::uint32_t MenuBackColor2 = 0xFAEDDC;  // selection bar, right (or bottom) colour
  int GradientStyle = 0;                    // 1: the bar runs top to bottom
  int Gradient = 1;                         // 1: the bar is a gradient, 0: plain left colour
  // [OfficeXP]
  std::uint32_t XPBarColor = 0xFAEDDC;      // icon column
  std::uint32_t XPBackColor = 0xE6B36C;     // text area
  std::uint32_t XPTextColor = 0;            // text of the selected item
  std::uint32_t XPTextColorAll = 0;         // text of the other items
  std::uint32_t XPBorderColor = 0x999999;   // menu frame, selection frame, separators
  std::uint32_t XPFillColor = 0xE6B36C;     // selection bar
  // [New3D]
  std::uint32_t New3DColor1 = 0xFAEDDC;  // top
  std::uint32_t New3DColor2 = 0xFFFFFF;  // middle
  std::uint32_t New3DColor3 = 0xE6B36C;  // bottom

  friend bool operator==(const MenuLook&, const MenuLook&) = default;
};

enum class MenuLookKind { Plain, Gradient, Flat, Raised };
// 0 Gradient, 2 Flat, 4 Raised; anything else Plain.
MenuLookKind LookKindOf(int menuStyle);

// Reads the look from a menu settings file. A file that is missing or cannot be read gives the
// defaults above; a [Menu] MenuStyle that is present but not a number gives the plain look.
MenuLook ReadMenuLook(const std::filesystem::path& iniFile);

class MenuStyler : public QObject {
  Q_OBJECT

 public:
  MenuStyler();
  ~MenuStyler() override;
  MenuStyler(const MenuStyler&) = delete;
  MenuStyler& operator=(const MenuStyler&) = delete;

  // Takes over the menus of `window` (every QMenu below it, also those made later) with the image
  // list `images`, which must outlive the attachment. `settingsBaseName` is the settings file
  // without its ".ini". Until the first ReloadMenuSettings the menus keep the plain look.
  void AttachMenus(QWidget* window, std::filesystem::path settingsBaseName, const MenuImageList* images);

  // Reads "<settings base name>.ini" again and redraws the menus of `window` in its look. Does
  // nothing for a window the styler is not attached to.
  void ReloadMenuSettings(QWidget* window);

  // Gives the menus of `window` back their plain look and lets go of them.
  void DetachMenus(QWidget* window);

  bool IsAttached() const { return !window_.isNull(); }
  const MenuLook& Look() const { return look_; }
  // The style the menus are drawn with; nullptr while they have the plain look.
  QStyle* MenuStyle() const;

 signals:
  // An item was pointed at: its text and image key.
  void MenuHelp(const QString& text, const QString& key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Hook(QMenu* menu);
  void HookAll();
  void StyleMenu(QMenu* menu);

  QPointer<QWidget> window_;
  std::filesystem::path baseName_;
  const MenuImageList* images_ = nullptr;
  MenuLook look_;
  std::unique_ptr<QStyle> style_;
  std::vector<QPointer<QMenu>> menus_;
  bool applying_ = false;  // a caption is being written; its own change events need no second look
};

}  // namespace orlevant
