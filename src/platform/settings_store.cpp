#include "platform/settings_store.h"

#include "platform/file_io.h"
#include "platform/paths.h"

namespace orlevant {
namespace {

constexpr std::string_view kSection = "Settings";

}  // namespace

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
  auto doc = IniDocument::Load(FilePath());
  return SettingsSnapshot(doc ? *std::move(doc) : IniDocument{});
}

bool SettingsStore::Write(std::string_view key, std::string_view text) {
  return Write({{std::string(key), std::string(text)}});
}

bool SettingsStore::Write(const std::vector<std::pair<std::string, std::string>>& values) {
  const std::filesystem::path file = FilePath();
  // An existing file that cannot be read is never replaced: rewriting it from an empty document
  // would throw away every other setting.
  auto doc = IniDocument::Load(file);
  if (!doc) return false;
  for (const auto& [key, text] : values) {
    if (!doc->Set(kSection, key, text)) return false;
  }
  if (!EnsureFolder(file.parent_path(), 0700)) return false;
  return doc->Save(file);
}

}  // namespace orlevant
