#include "platform/qt/fixed_dialog_frame.h"

#include <QDialog>
#include <QLayout>
#include <QMessageBox>

namespace orlevant {

void UseFixedDialogFrame(QDialog& dialog) {
  constexpr Qt::WindowFlags kOtherButtons = Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint |
                                            Qt::WindowFullscreenButtonHint | Qt::WindowShadeButtonHint;
  // Naming the buttons that are wanted (a customised frame) is what keeps the others away: left to
  // itself, the frame gets what the window manager gives any window.
  dialog.setWindowFlags((dialog.windowFlags() & ~kOtherButtons) | Qt::Dialog | Qt::CustomizeWindowHint |
                        Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                        Qt::MSWindowsFixedSizeDialogHint);
  if (qobject_cast<QMessageBox*>(&dialog)) return;
  if (dialog.testAttribute(Qt::WA_Resized)) {
    dialog.setFixedSize(dialog.size().expandedTo(dialog.minimumSizeHint()));
  } else if (dialog.layout()) {
    dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
  }
}

}  // namespace orlevant
