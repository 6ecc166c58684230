#pragma once
// The warning a user gets when the settings cannot be kept: a read-only or full config folder, a
// settings file that cannot be read. Without it the welcome and the tips would come back at every
// start and nothing would say why.

#include <string>

#include "platform/settings_store.h"

namespace orlevant {

// Installs, for the run that starts now, the reporter that shows the first settings problem in a
// warning box through AppMessageBoxes(): title AppTitle & " - Settings", the file and the system's
// reason. Later problems in the same run stay quiet. Installing again starts a new run.
void InstallSettingsWarning();

// The text of that box.
std::string SettingsWarningText(SettingsProblem problem, const std::string& file, const std::string& reason);

}  // namespace orlevant
