#include "mainwindow/frm_total_events_msg.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/message_box.h"
#include "core/settings.h"
#include "platform/qt/display_text.h"
#include "platform/qt/fixed_dialog_frame.h"
#include "platform/settings_store.h"

namespace orlevant {

std::array<std::string, 4> frmTotalEventsMsg::MessageTexts(int eventCount) {
  const std::string count = std::to_string(eventCount);
  return {
      "Please consider deleting some old events.\r\nYou currently have " + count + " events in your file.",
      eventCount >= 32000
          ? std::string("The upper limit is 32000 events. You must remove some events from your file before adding "
                        "any more") +
                " since Orlevant will not read any events past this limit."
          : std::string("The upper limit is 32000 events, but if you no longer need old events, removing them from "
                        "your file") +
                " may help Orlevant run more efficiently.",
      std::string("You can do this manually by removing events individually or go to the Preferences Dialog and "
                  "choose Maintenance") +
          " then click on Delete Events Before Current Year.",
      "This message appears when your Total Events is 1000 or more. It will also show at multiples of 1000 Total "
      "Events.",
  };
}

std::string frmTotalEventsMsg::CautionText() {
  const std::string widen(kWidenLine);
  return "Caution: Selecting this option is permanent.\r\n\r\n"
         "You will never be reminded again about the Total Number of Events" + widen + "\r\n" +
         "in your file. If you have a large number of events Orlevant may be less" + widen + "\r\n" +
         "efficient since all events must be read and written when any editing" + widen + "\r\n" +
         "takes place. Please consider selecting the option to only show the" + widen + "\r\n" +
         "message when a multiple of 1000 is reached." + widen + "\r\n\r\n" +
         "Would you like to leave this option selected?\r\n\r\n";
}

frmTotalEventsMsg::frmTotalEventsMsg(int eventCount, SettingsStore& store, QWidget* parent)
    : QDialog(parent), eventCount_(eventCount), store_(store) {
  setObjectName(QStringLiteral("frmTotalEventsMsg"));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  for (std::size_t i = 0; i < lblMsg.size(); ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("lblMsg_%1").arg(i));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setMinimumWidth(440);
    layout->addWidget(label);
    lblMsg[i] = label;
  }
  chkShowTotalEventsMsg = new QCheckBox(QStringLiteral("Do Not Show This Message Until the Next Limit is Reached"), this);
  chkShowTotalEventsMsg->setObjectName(QStringLiteral("chkShowTotalEventsMsg"));
  chkNeverShowTotalEventsMsg = new QCheckBox(QStringLiteral("Never Show This Message Again"), this);
  chkNeverShowTotalEventsMsg->setObjectName(QStringLiteral("chkNeverShowTotalEventsMsg"));
  layout->addSpacing(6);
  layout->addWidget(chkShowTotalEventsMsg);
  layout->addWidget(chkNeverShowTotalEventsMsg);

  // Both buttons share one cell; cmdTakeFocus lies under cmdOK, out of sight.
  auto* buttons = new QWidget(this);
  auto* cell = new QGridLayout(buttons);
  cell->setContentsMargins(0, 0, 0, 0);
  cmdOK = new QPushButton(QStringLiteral("OK"), buttons);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  cmdTakeFocus = new QPushButton(QStringLiteral("Take Focus"), buttons);
  cmdTakeFocus->setObjectName(QStringLiteral("cmdTakeFocus"));
  cmdTakeFocus->setAutoDefault(false);
  cmdTakeFocus->setFocusPolicy(Qt::ClickFocus);
  cell->addWidget(cmdTakeFocus, 0, 0);
  cell->addWidget(cmdOK, 0, 0);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(buttons);
  row->addStretch(1);
  layout->addLayout(row);
  // The window keeps the size its paragraphs need: made smaller, they would run into each other.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  UseFixedDialogFrame(*this);

  connect(chkShowTotalEventsMsg, &QCheckBox::toggled, this, [this] { chkShowTotalEventsMsg_Click(); });
  connect(chkNeverShowTotalEventsMsg, &QCheckBox::toggled, this, [this] { chkNeverShowTotalEventsMsg_Click(); });
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

  Form_Load();
}

void frmTotalEventsMsg::Form_Load() {
  Loading = true;
  setWindowTitle(QString::fromStdString(AppTitle() + " - Total Events"));
  const std::array<std::string, 4> texts = MessageTexts(eventCount_);
  for (std::size_t i = 0; i < lblMsg.size(); ++i) lblMsg[i]->setText(DisplayText(texts[i]));
  const Settings stored = LoadSettings(store_);
  chkShowTotalEventsMsg->setChecked(stored.ShowTotalEventsMessage == 1);
  chkNeverShowTotalEventsMsg->setChecked(stored.NeverShowTotalEventsMessage == 1);
  cmdTakeFocus->lower();
  Loading = false;
}

void frmTotalEventsMsg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  cmdTakeFocus->setFocus();
}

void frmTotalEventsMsg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) cmdTakeFocus->setFocus();
}

void frmTotalEventsMsg::chkShowTotalEventsMsg_Click() {
  if (Loading) return;
  SaveSetting(store_, "ShowTotalEventsMessage", chkShowTotalEventsMsg->isChecked() ? 1 : 0);
  cmdTakeFocus->setFocus();
}

void frmTotalEventsMsg::chkNeverShowTotalEventsMsg_Click() {
  if (Loading) return;
  if (chkNeverShowTotalEventsMsg->isChecked()) {
    const MsgAnswer answer =
        AppMessageBoxes().Show(MsgIcon::Warning, MsgButtons::YesNo, "Total Events Caution", CautionText());
    // Unchecking runs this handler again, which stores "0".
    if (answer == MsgAnswer::No) chkNeverShowTotalEventsMsg->setChecked(false);
  }
  SaveSetting(store_, "NeverShowTotalEventsMessage", chkNeverShowTotalEventsMsg->isChecked() ? 1 : 0);
  cmdTakeFocus->setFocus();
}

}  // namespace orlevant
