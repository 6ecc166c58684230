#pragma once
// The input table of the month window: which gesture on which control does what. Every mouse and
// key handler of frmMain is in main_input.cpp, so a reader finds each gesture in one place; the
// window states and the month and year navigation they lead to are in main_navigation.cpp.
//
// Keys are read on release, as key codes of the table below, and only by frmMain::Form_KeyUp
// (the two hover pop-ups hand theirs on to it); no menu item acts on a key by itself.

#include <QPoint>

class QKeyEvent;
class QMenu;

namespace orlevant {

// Key codes Form_KeyUp acts on: F1 is 112, F12 is 123.
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF2 = 113;
inline constexpr int kKeyF3 = 114;
inline constexpr int kKeyF4 = 115;
inline constexpr int kKeyF5 = 116;
inline constexpr int kKeyF6 = 117;
inline constexpr int kKeyF7 = 118;
inline constexpr int kKeyF8 = 119;
inline constexpr int kKeyF9 = 120;
inline constexpr int kKeyF10 = 121;
inline constexpr int kKeyF11 = 122;
inline constexpr int kKeyF12 = 123;
// The character code of Ctrl+Z, which sends the window to the notification area.
inline constexpr int kCtrlZ = 26;

// Mouse buttons as the handlers read them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// The key code of a key event: F1..F12 give 112..123, letters and digits their upper-case
// character, anything else 0 (which closes the pop-ups and does nothing more).
int KeyCodeOf(const QKeyEvent& event);

// The controls of the window that take input, and which element of an array of them.
enum class InputControl { Title, PreviousMonth, NextMonth, Week, Day, Data, Remind, QMark };
struct InputTarget {
  InputControl control = InputControl::Title;
  int index = 0;
};

// Where a pop-up menu opens at the mouse: its left edge there, or centred on it.
enum class PopupAlign { Left, Centre };
// Opens `menu` at `globalPos` without waiting for it.
void OpenPopupMenu(QMenu* menu, QPoint globalPos, PopupAlign align);

}  // namespace orlevant
