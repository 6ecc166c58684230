#pragma once
// The nine lead-time items of the day menu's Quick Reminder submenu: each puts a simple reminder
// on the only event of the day box last right-clicked, or tells the user why it cannot.

#include <string_view>

namespace orlevant {

class frmMain;

// Connects mnuQRDays(1..3), mnuQRHours(1..3) and mnuQRMins(1..3) to SetQuickReminder.
void ConnectQuickReminders(frmMain& window);

// Sets `code` on the event of box window.LastBoxIndex(): the line written, saved, and the
// window's events refreshed; or one of the four refusal messages. A failed save puts the line
// back and says why.
void SetQuickReminder(frmMain& window, std::string_view code);

}  // namespace orlevant
