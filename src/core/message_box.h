#pragma once
// The one way the program asks the user something or tells them something in a box. Core code asks
// through AppMessageBoxes(); the windowed program installs the Qt implementation at start-up and
// tests install a scripted one.

#include <string>

namespace orlevant {

// Ten blanks at the end of a line of a box's text keep the box a little wider than its longest
// line.
inline const std::string kWidenLine(10, ' ');

enum class MsgIcon { None, Information, Question, Warning, Critical };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MsgAnswer Show(MsgIcon icon, MsgButtons buttons, const std::string& title, const std::string& text) = 0;
};

// With nothing installed, every box is answered by its safest button (No, Cancel or OK) so that
// no question is ever taken as a Yes.
MessageBoxes& AppMessageBoxes();
void SetAppMessageBoxes(MessageBoxes* boxes);

// AppTitle: the product title, a blank, major.minor ("Orlevant 3.1").
const std::string& AppTitle();
// The product title alone ("Orlevant").
const std::string& ProductTitle();

}  // namespace orlevant
