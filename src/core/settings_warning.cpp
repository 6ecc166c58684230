#include "core/settings_warning.h"

#include <memory>

#include "core/message_box.h"

namespace orlevant {

std::string SettingsWarningText(SettingsProblem problem, const std::string& file, const std::string& reason) {
  const bool read = problem == SettingsProblem::NotRead;
  std::string text = read ? "The settings could not be read from the file" : "The settings could not be saved in the file";
  text += kWidenLine + "\r\n" + file + kWidenLine + "\r\n\r\n";
  text += "Reason: " + reason + "." + kWidenLine + "\r\n\r\n";
  text += read ? ProductTitle() + " uses its default settings until the file can be read, and does not change it."
               : "Changes to the settings will be lost when " + ProductTitle() + " ends.";
  text += kWidenLine + "\r\n\r\n";
  return text;
}

void InstallSettingsWarning() {
  auto warned = std::make_shared<bool>(false);
  SetSettingsProblemReporter([warned](SettingsProblem problem, const std::string& file, const std::string& reason) {
    if (*warned) return;
    // Set before the box: anything the box itself leads to stays quiet.
    *warned = true;
    AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::Ok, AppTitle() + " - Settings",
                           SettingsWarningText(problem, file, reason));
  });
}

}  // namespace orlevant
