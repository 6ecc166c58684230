#pragma once
// How the month window opens the preferences: the dialog wired to the window's refresh paths,
// modal and centred on the screen.

#include <memory>

#include "preferences/frm_preferences.h"

namespace orlevant {

class frmMain;

// The dialog over the window's state, its Apply and maintenance wired to the window's
// SettingsChanged and EventsChanged. Not shown yet.
std::unique_ptr<frmPreferences> MakePreferences(frmMain& window);

// Runs the dialog modally, centred on the screen.
void OpenPreferences(frmMain& window);

}  // namespace orlevant
