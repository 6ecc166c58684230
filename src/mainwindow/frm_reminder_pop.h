#pragma once
// The reminder pop-up: a small frameless window beside a day box that lists the day's events that
// have a reminder, each with how often it reminds. It grows wider for a long event text and taller
// for many events. Like the event pop-up it leaves the keyboard to the main window and hands on a
// key released while it has it.

#include <string>

#include "mainwindow/hover_popup.h"

namespace orlevant {

class frmReminderPop : public HoverPopup {
  Q_OBJECT

 public:
  frmReminderPop(KeyUpHandler keyUp, PointerHandler pointerMoved, QWidget* parent = nullptr);

  // The texts; the message's width in twips is the window's width.
  // maxHeightTwips: the screen's height; the window grows no taller.
  void Fill(const std::string& date, const std::string& message, int widthTwips, int maxHeightTwips);
};

}  // namespace orlevant
