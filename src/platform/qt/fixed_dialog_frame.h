#pragma once
// The frame of a dialog whose size is the program's, not the user's: a title with only a close
// button (no minimise, maximise or help button) and no resizing.

class QDialog;

namespace orlevant {

// Call once the dialog's controls are laid out, before it is first shown. A dialog that has been
// given a size keeps it; any other takes the size its layout asks for and follows the layout as its
// texts change. A message box goes on sizing itself to its text.
void UseFixedDialogFrame(QDialog& dialog);

}  // namespace orlevant
