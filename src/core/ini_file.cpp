#include "core/ini_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/settings.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/settings_store.h"

namespace orlevant {
namespace {

constexpr std::string_view kKeep = "NA";

void TakeUnlessKeep(std::string& field, std::string_view argument) {
  if (argument != kKeep) field = std::string(argument);
}

}  // namespace

std::string IniPath() { return SettingsFolder() + "frmMain.ini"; }

IniFile::IniFile() : configName_(IniPath()) {}

IniDocument IniFile::Current() const {
  if (held_) return *held_;
  // A file that cannot be read has, for reading, no keys: the callers' defaults apply.
  auto doc = IniDocument::Load(configName_);
  return doc ? *std::move(doc) : IniDocument{};
}

std::optional<std::vector<std::string>> IniFile::SectionGet(std::string_view section) {
  if (!section.empty()) TakeUnlessKeep(section_, section);
  if (section_.empty()) return std::nullopt;
  std::vector<std::string> lines;
  const auto entries = Current().SectionEntries(section_);
  if (!entries || entries->empty()) return lines;
  for (const auto& [key, value] : *entries) lines.push_back(key + "=" + value);
  lines.emplace_back();
  return lines;
}

std::string IniFile::KeyGet(std::string_view section, std::string_view keyName, std::string_view defaultValue) {
  TakeUnlessKeep(section_, section);
  TakeUnlessKeep(keyName_, keyName);
  defaultValue_ = std::string(defaultValue);
  const auto value = Current().Get(section_, keyName_);
  keyValue_ = value ? *value : defaultValue_;
  return keyValue_;
}

bool IniFile::KeySave(std::string_view value, std::string_view section, std::string_view keyName) {
  TakeUnlessKeep(keyValue_, value);
  TakeUnlessKeep(section_, section);
  TakeUnlessKeep(keyName_, keyName);
  if (held_) {
    const bool stored = held_->Set(section_, keyName_, keyValue_);
    heldOk_ = heldOk_ && stored;
    return stored;
  }
  auto doc = IniDocument::Load(configName_);
  // Never rewrite a file that exists but could not be read: its other keys would be lost.
  if (!doc || !doc->Set(section_, keyName_, keyValue_)) return false;
  if (!EnsureFolder(std::filesystem::path(configName_).parent_path(), 0700)) return false;
  return doc->Save(configName_);
}

void IniFile::BeginUpdate() {
  std::string why;
  auto doc = IniDocument::Load(configName_, &why);
  heldOk_ = doc.has_value();
  lastError_ = doc ? std::string() : "the file cannot be read (" + why + ")";
  held_ = doc ? *std::move(doc) : IniDocument{};
}

bool IniFile::EndUpdate() {
  if (!held_) return true;
  IniDocument doc = *std::move(held_);
  held_.reset();
  if (!heldOk_) {
    if (lastError_.empty()) lastError_ = "a value could not be written as one line";
    return false;
  }
  const std::filesystem::path folder = std::filesystem::path(configName_).parent_path();
  if (!EnsureFolder(folder, 0700)) {
    lastError_ = "the folder " + folder.string() + " cannot be made (" + std::strerror(errno) + ")";
    return false;
  }
  const FileWriteResult written = doc.Write(configName_);
  lastError_ = written.error;
  return written.ok;
}

bool WriteMenuIni(const Settings& settings, const std::function<void()>& reloadMenuSettings) {
  const auto number = [](auto v) { return std::to_string(v); };
  const std::string border = number(0x999999);

  IniFile ini;
  ini.ConfigName(IniPath());
  ini.BeginUpdate();

  ini.Section("Menu");
  ini.KeySave(number(settings.MenuStyle), kKeep, "MenuStyle");
  for (const char* menu : {"Office_Menu_0", "Office_Menu_1", "Office_Menu_2", "Office_Menu_3", "Office_Menu_4"}) {
    ini.Section(menu);
    ini.KeySave("0", kKeep, "BarVisible");
  }

  ini.Section("Office2000");
  ini.KeySave(number(settings.GradientLeftColour), kKeep, "MenuBackColor");
  ini.KeySave(number(settings.GradientRightColour), kKeep, "MenuBackColor2");
  ini.KeySave(number(settings.Vertical), kKeep, "GradientStyle");
  ini.KeySave(number(settings.GradientBar), kKeep, "Gradient");

  ini.Section("OfficeXP");
  ini.KeySave(number(settings.XPLeftBackColour), kKeep, "XPBarColor");
  ini.KeySave(number(settings.XPLeftBackColourUser), kKeep, "XPBarColorUs");
  ini.KeySave(number(settings.XPRightBackColour), kKeep, "XPBackColor");
  ini.KeySave(number(settings.XPRightBackColourUser), kKeep, "XPBackColorUs");
  ini.KeySave(number(settings.XPSelectedColour), kKeep, "XPTextColor");
  ini.KeySave(number(settings.XPSelectedColourUser), kKeep, "XPTextColorUs");
  ini.KeySave(number(settings.XPAllColour), kKeep, "XPTextColorAll");
  ini.KeySave(number(settings.XPAllColourUser), kKeep, "XPTextColorAllUs");
  ini.KeySave(border, kKeep, "XPBorderColor");
  ini.KeySave(border, kKeep, "XPBorderColorUs");
  ini.KeySave(border, kKeep, "XPShadowColor");
  ini.KeySave(border, kKeep, "XPShadowColorUs");
  ini.KeySave(number(settings.XPBarColour), kKeep, "XPFillColor");
  ini.KeySave(number(settings.XPBarColourUser), kKeep, "XPFillColorUs");
  ini.KeySave("1", kKeep, "XPShadowPic");
  ini.KeySave("1", kKeep, "XPShadowPicUs");
  ini.KeySave("1", kKeep, "XPShowShadow");
  ini.KeySave("1", kKeep, "XPShowShadowUs");
  ini.KeySave(number(settings.XPTheme), kKeep, "XPThemeXPPreset");

  ini.Section("New3D");
  ini.KeySave(number(settings.TopColour), kKeep, "New3DColor1");
  ini.KeySave(number(settings.MiddleColour), kKeep, "New3DColor2");
  ini.KeySave(number(settings.BottomColour), kKeep, "New3DColor3");

  const bool written = ini.EndUpdate();
  if (!written) ReportSettingsProblem(SettingsProblem::NotSaved, ini.ConfigName(), ini.LastError());
  if (reloadMenuSettings) reloadMenuSettings();
  return written;
}

}  // namespace orlevant
