#pragma once
// A small INI file reader and writer with a current section, key and value, and the file
// "frmMain.ini" that gives the menu styler its look.
//
// The literal "NA" passed for a section, a key name or a value keeps the current one, so a caller
// can set a section once and then save key after key.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_document.h"

namespace orlevant {

struct Settings;

// $XDG_CONFIG_HOME/Tamsel/frmMain.ini: kept with the user's settings, since an installed program
// folder cannot be written.
std::string IniPath();

class IniFile {
 public:
  // Works on IniPath().
  IniFile();

  // A non-empty argument other than "NA" becomes the current section. Then: nothing when there is
  // no current section; an empty list when the section is missing or has no keys; otherwise its
  // "key=value" texts in file order followed by one empty text.
  std::optional<std::vector<std::string>> SectionGet(std::string_view section);

  // Section and key name become current unless "NA"; gives the key's value, or `defaultValue` when
  // the key is missing. The result is also the new KeyValue.
  std::string KeyGet(std::string_view section, std::string_view keyName, std::string_view defaultValue);

  // Each argument other than "NA" becomes current; then KeyName of Section is set to KeyValue.
  // False when it could not be stored (no section or key name, a line break in a text, or the file
  // cannot be written); the file is then as it was.
  bool KeySave(std::string_view value, std::string_view section, std::string_view keyName);

  // While an update is open, KeySave collects its changes in memory and EndUpdate writes them all
  // in one rewrite of the file. False from EndUpdate when any change could not be stored, in which
  // case the file stays as it was.
  void BeginUpdate();
  bool EndUpdate();
  // Why the last EndUpdate failed, for the user; empty when it did not.
  const std::string& LastError() const { return lastError_; }

  const std::string& KeyValue() const { return keyValue_; }
  void KeyValue(std::string value) { keyValue_ = std::move(value); }
  const std::string& KeyName() const { return keyName_; }
  void KeyName(std::string name) { keyName_ = std::move(name); }
  const std::string& Section() const { return section_; }
  void Section(std::string name) { section_ = std::move(name); }
  const std::string& ConfigName() const { return configName_; }
  void ConfigName(std::string path) { configName_ = std::move(path); }

 private:
  // The document to read: the held one during an update, else the file as it is now.
  IniDocument Current() const;

  std::string configName_;
  std::string section_;
  std::string keyName_;
  std::string keyValue_;
  std::string defaultValue_;

  std::optional<IniDocument> held_;  // set while an update is open
  bool heldOk_ = true;
  std::string lastError_;
};

// Writes the menu settings into "frmMain.ini" (in one rewrite, other keys kept), then calls
// `reloadMenuSettings` so the menu styler takes them into use. False when the file could not be
// written, which is also reported as a settings problem (platform/settings_store.h); the styler is
// told to reload either way and then finds the settings it had.
bool WriteMenuIni(const Settings& settings, const std::function<void()>& reloadMenuSettings);

}  // namespace orlevant
