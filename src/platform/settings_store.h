#pragma once
// The per-user settings store: named text values in section [Settings] of
// $XDG_CONFIG_HOME/Tamsel/Orlevant.conf. Names are matched ignoring ASCII case, so a value written
// as "dTheme" replaces a stored "DTheme" rather than adding a second one. Every write puts the whole
// file on disk at once: a crash or a full disk leaves the old file or the new one, never a mix.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ini_document.h"

namespace orlevant {

// What went wrong with a settings file (the store's, or the menu styler's "frmMain.ini").
enum class SettingsProblem {
  NotSaved,  // a value could not be written: `reason` says why, the file on disk is as it was
  NotRead,   // the file exists but cannot be read: the program runs on the defaults
};
using SettingsProblemReporter =
    std::function<void(SettingsProblem problem, const std::string& file, const std::string& reason)>;

// Every settings problem of the program goes to one reporter, installed at start-up (the warning
// box); with none installed they only show in the results of the calls. Callers of the store need
// not tell the user themselves.
void SetSettingsProblemReporter(SettingsProblemReporter reporter);
void ReportSettingsProblem(SettingsProblem problem, const std::string& file, const std::string& reason);

// The values of the store as they were when it was read; reading many values this way reads the
// file once.
class SettingsSnapshot {
 public:
  explicit SettingsSnapshot(IniDocument doc, bool unreadable = false)
      : doc_(std::move(doc)), unreadable_(unreadable) {}
  // The stored text of `key`, or `defaultValue` when it is missing.
  std::string Read(std::string_view key, std::string_view defaultValue) const;
  // Whether `key` is stored at all.
  bool Has(std::string_view key) const;
  // The file exists but could not be read, so every value reads as its default.
  bool Unreadable() const { return unreadable_; }

 private:
  IniDocument doc_;
  bool unreadable_ = false;
};

class SettingsStore {
 public:
  // The current user's store, located through $XDG_CONFIG_HOME on every call.
  SettingsStore() = default;

  // The stored text of `key`, or `defaultValue` when the file, the section or the value is missing
  // or the file cannot be read.
  std::string Read(std::string_view key, std::string_view defaultValue) const;

  // Every value at once; an unreadable file reads as an empty store (and is reported).
  SettingsSnapshot Snapshot() const;

  // Creates or replaces `key` with `text`. False when it could not be stored (the file exists but
  // cannot be read, the folder cannot be written, or the text holds a line break); the file on
  // disk is then as it was. A file that cannot be read or written is reported to the settings
  // problem reporter, so a caller may ignore the result.
  bool Write(std::string_view key, std::string_view text);

  // Several values in one rewrite of the file: all of them are stored, or none.
  bool Write(const std::vector<std::pair<std::string, std::string>>& values);

  // The file this store reads and writes.
  std::filesystem::path FilePath() const;
};

}  // namespace orlevant
