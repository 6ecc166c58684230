#include "platform/settings_store.h"

#include <cerrno>
#include <cstring>

#include "platform/file_io.h"
#include "platform/paths.h"

namespace orlevant {
namespace {

constexpr std::string_view kSection = "Settings";

SettingsProblemReporter& Reporter() {
  static SettingsProblemReporter reporter;
  return reporter;
}

}  // namespace

void SetSettingsProblemReporter(SettingsProblemReporter reporter) { Reporter() = std::move(reporter); }

void ReportSettingsProblem(SettingsProblem problem, const std::string& file, const std::string& reason) {
  if (Reporter()) Reporter()(problem, file, reason);
}

std::string SettingsSnapshot::Read(std::string_view key, std::string_view defaultValue) const {
  if (auto value = doc_.Get(kSection, key)) return *std::move(value);
  return std::string(defaultValue);
}

bool SettingsSnapshot::Has(std::string_view key) const { return doc_.Get(kSection, key).has_value(); }

std::filesystem::path SettingsStore::FilePath() const {
  return std::filesystem::path(SettingsFolder()) / "Orlevant.conf";
}

std::string SettingsStore::Read(std::string_view key, std::string_view defaultValue) const {
  return Snapshot().Read(key, defaultValue);
}

SettingsSnapshot SettingsStore::Snapshot() const {
  const std::filesystem::path file = FilePath();
  std::string why;
  auto doc = IniDocument::Load(file, &why);
  if (!doc) {
    ReportSettingsProblem(SettingsProblem::NotRead, file.string(), why);
    return SettingsSnapshot(IniDocument{}, true);
  }
  return SettingsSnapshot(*std::move(doc));
}

bool SettingsStore::Write(std::string_view key, std::string_view text) {
  return Write({{std::string(key), std::string(text)}});
}

bool SettingsStore::Write(const std::vector<std::pair<std::string, std::string>>& values) {
  const std::filesystem::path file = FilePath();
  // An existing file that cannot be read is never replaced: rewriting it from an empty document
  // would throw away every other setting.
  std::string why;
  auto doc = IniDocument::Load(file, &why);
  if (!doc) {
    ReportSettingsProblem(SettingsProblem::NotSaved, file.string(), "the file cannot be read (" + why + ")");
    return false;
  }
  for (const auto& [key, text] : values) {
    if (!doc->Set(kSection, key, text)) return false;
  }
  if (!EnsureFolder(file.parent_path(), 0700)) {
    const std::string err = std::strerror(errno);
    ReportSettingsProblem(SettingsProblem::NotSaved, file.string(),
                          "the folder " + file.parent_path().string() + " cannot be made (" + err + ")");
    return false;
  }
  if (const FileWriteResult written = doc->Write(file); !written) {
    ReportSettingsProblem(SettingsProblem::NotSaved, file.string(), written.error);
    return false;
  }
  return true;
}

}  // namespace orlevant
