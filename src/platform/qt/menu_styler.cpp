#include "platform/qt/menu_styler.h"

#include <QAction>
#include <QActionEvent>
#include <QChildEvent>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/ini_document.h"
#include "platform/qt/menu_look_style.h"

namespace orlevant {

namespace {

constexpr char kCaptionProperty[] = "orlevantMenuCaption";
constexpr char kShortcutProperty[] = "orlevantShownShortcut";
constexpr std::string_view kKeyMark = "|#";

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::optional<long long> ParseNumber(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

void ReadInt(const IniDocument& ini, std::string_view section, std::string_view key, int& out) {
  const auto text = ini.Get(section, key);
  if (!text) return;
  const auto n = ParseNumber(*text);
  if (n && *n >= -32768 && *n <= 32767) out = static_cast<int>(*n);
}

void ReadColour(const IniDocument& ini, std::string_view section, std::string_view key, std::uint32_t& out) {
  const auto text = ini.Get(section, key);
  if (!text) return;
  const auto n = ParseNumber(*text);
  if (n && *n >= 0 && *n <= 0xFFFFFF) out = static_cast<std::uint32_t>(*n);
}

}  // namespace

// ---- image list ----

void MenuImageList::Add(std::string key, QIcon image) {
  const auto it = std::find_if(images_.begin(), images_.end(), [&](const auto& e) { return e.first == key; });
  if (it != images_.end()) {
    it->second = std::move(image);
  } else {
    images_.emplace_back(std::move(key), std::move(image));
  }
}

bool MenuImageList::Contains(std::string_view key) const {
  return std::any_of(images_.begin(), images_.end(), [&](const auto& e) { return e.first == key; });
}

QIcon MenuImageList::Image(std::string_view key) const {
  const auto it = std::find_if(images_.begin(), images_.end(), [&](const auto& e) { return e.first == key; });
  return it != images_.end() ? it->second : QIcon();
}

std::vector<std::string> MenuImageList::Keys() const {
  std::vector<std::string> keys;
  keys.reserve(images_.size());
  for (const auto& e : images_) keys.push_back(e.first);
  return keys;
}

// ---- captions ----

MenuCaption SplitMenuCaption(std::string_view caption) {
  const auto mark = caption.find(kKeyMark);
  if (mark == std::string_view::npos) return {std::string(caption), {}};
  return {std::string(caption.substr(0, mark)), std::string(caption.substr(mark + kKeyMark.size()))};
}

void ApplyMenuCaption(QAction& item, std::string_view caption, const MenuImageList& images) {
  item.setProperty(kCaptionProperty, FromUtf8(caption));
  if (caption == "-") {
    item.setIcon(QIcon());
    item.setText(QString());
    item.setSeparator(true);
    return;
  }
  item.setSeparator(false);
  const MenuCaption parts = SplitMenuCaption(caption);
  QString text = FromUtf8(parts.text);
  const QString shortcut = item.property(kShortcutProperty).toString();
  if (!shortcut.isEmpty()) text += QLatin1Char('\t') + shortcut;
  // The text first: whoever watches the item for captions sees the finished text from here on.
  item.setText(text);
  item.setIcon(parts.key.empty() ? QIcon() : images.Image(parts.key));
}

std::string MenuCaptionOf(const QAction& item) { return item.property(kCaptionProperty).toString().toStdString(); }

void SetShownShortcut(QAction& item, std::string_view keyText) {
  const QString base = MenuItemText(item);
  const QString shortcut = FromUtf8(keyText);
  item.setProperty(kShortcutProperty, shortcut);
  item.setText(shortcut.isEmpty() ? base : base + QLatin1Char('\t') + shortcut);
}

std::string ShownShortcutOf(const QAction& item) { return item.property(kShortcutProperty).toString().toStdString(); }

QString MenuItemText(const QAction& item) {
  const QString text = item.text();
  const qsizetype tab = text.indexOf(QLatin1Char('\t'));
  return tab < 0 ? text : text.left(tab);
}

// ---- settings file ----

MenuLookKind LookKindOf(int menuStyle) {
  switch (menuStyle) {
    case 0: return MenuLookKind::Gradient;
    case 2: return MenuLookKind::Flat;
    case 4: return MenuLookKind::Raised;
    default: return MenuLookKind::Plain;
  }
}

MenuLook ReadMenuLook(const std::filesystem::path& iniFile) {
  MenuLook look;
  const std::optional<IniDocument> ini = IniDocument::Load(iniFile);
  if (!ini) return look;
  if (ini->Get("Menu", "MenuStyle")) {
    // A value that is there but is no number is no style of ours: the plain look.
    look.MenuStyle = -1;
    ReadInt(*ini, "Menu", "MenuStyle", look.MenuStyle);
  }
  ReadColour(*ini, "Office2000", "MenuBackColor", look.MenuBackColor);
  ReadColour(*ini, "Office2000", "MenuBackColor2", look.MenuBackColor2);
  ReadInt(*ini, "Office2000", "GradientStyle", look.GradientStyle);
  ReadInt(*ini, "Office2000", "Gradient", look.Gradient);
  ReadColour(*ini, "OfficeXP", "XPBarColor", look.XPBarColor);
  ReadColour(*ini, "OfficeXP", "XPBackColor", look.XPBackColor);
  ReadColour(*ini, "OfficeXP", "XPTextColor", look.XPTextColor);
  ReadColour(*ini, "OfficeXP", "XPTextColorAll", look.XPTextColorAll);
  ReadColour(*ini, "OfficeXP", "XPBorderColor", look.XPBorderColor);
  ReadColour(*ini, "OfficeXP", "XPFillColor", look.XPFillColor);
  ReadColour(*ini, "New3D", "New3DColor1", look.New3DColor1);
  ReadColour(*ini, "New3D", "New3DColor2", look.New3DColor2);
  ReadColour(*ini, "New3D", "New3DColor3", look.New3DColor3);
  return look;
}

// ---- the styler ----

MenuStyler::MenuStyler() = default;

MenuStyler::~MenuStyler() {
  // Menus must not be left pointing at a style that is about to go.
  if (window_) DetachMenus(window_);
  for (const auto& menu : menus_) {
    if (menu) menu->setStyle(nullptr);
  }
}

QStyle* MenuStyler::MenuStyle() const { return style_.get(); }

void MenuStyler::AttachMenus(QWidget* window, std::filesystem::path settingsBaseName, const MenuImageList* images) {
  if (window_) DetachMenus(window_);
  if (!window) return;
  window_ = window;
  baseName_ = std::move(settingsBaseName);
  images_ = images;
  window->installEventFilter(this);
  HookAll();
}

void MenuStyler::ReloadMenuSettings(QWidget* window) {
  if (!window_ || window != window_) return;
  std::filesystem::path file = baseName_;
  file += ".ini";
  look_ = ReadMenuLook(file);
  const MenuLookKind kind = LookKindOf(look_.MenuStyle);
  std::unique_ptr<QStyle> previous = std::move(style_);
  if (kind != MenuLookKind::Plain) style_ = std::make_unique<MenuLookStyle>(kind, look_);
  HookAll();
  for (const auto& menu : menus_) {
    if (menu) StyleMenu(menu);
  }
  // `previous` goes only now, when no menu uses it any more.
}

void MenuStyler::DetachMenus(QWidget* window) {
  if (!window_ || window != window_) return;
  for (const auto& menu : menus_) {
    if (!menu) continue;
    menu->removeEventFilter(this);
    disconnect(menu, nullptr, this, nullptr);
    menu->setStyle(nullptr);
  }
  menus_.clear();
  window_->removeEventFilter(this);
  window_ = nullptr;
  images_ = nullptr;
  style_.reset();
  look_ = MenuLook{};
}

void MenuStyler::HookAll() {
  if (!window_) return;
  for (QMenu* menu : window_->findChildren<QMenu*>()) Hook(menu);
}

void MenuStyler::Hook(QMenu* menu) {
  const bool known = std::any_of(menus_.begin(), menus_.end(), [&](const auto& m) { return m == menu; });
  if (known) return;
  menus_.erase(std::remove_if(menus_.begin(), menus_.end(), [](const auto& m) { return m.isNull(); }),
               menus_.end());
  menus_.emplace_back(menu);
  menu->installEventFilter(this);
  connect(menu, &QMenu::hovered, this, [this](QAction* item) {
    const MenuCaption parts = SplitMenuCaption(MenuCaptionOf(*item));
    emit MenuHelp(MenuItemText(*item), QString::fromStdString(parts.key));
  });
  if (images_) {
    for (QAction* item : menu->actions()) {
      if (item->text().contains(QLatin1String("|#"))) ApplyMenuCaption(*item, item->text().toStdString(), *images_);
    }
  }
  StyleMenu(menu);
}

void MenuStyler::StyleMenu(QMenu* menu) {
  menu->setStyle(style_.get());
}

bool MenuStyler::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ActionAdded:
    case QEvent::ActionChanged: {
      // A caption written straight into an item ("2024|#Year") is taken apart like any other.
      QAction* item = static_cast<QActionEvent*>(event)->action();
      if (!applying_ && images_ && item && item->text().contains(QLatin1String("|#"))) {
        applying_ = true;
        ApplyMenuCaption(*item, item->text().toStdString(), *images_);
        applying_ = false;
      }
      break;
    }
    case QEvent::ChildAdded:
    case QEvent::ChildPolished: {
      if (auto* menu = qobject_cast<QMenu*>(static_cast<QChildEvent*>(event)->child())) Hook(menu);
      break;
    }
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace orlevant
