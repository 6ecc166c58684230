#include "mainwindow/frm_tips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/message_box.h"
#include "core/settings.h"
#include "mainwindow/menu_icons.h"
#include "platform/qt/display_text.h"
#include "platform/qt/fixed_dialog_frame.h"
#include "platform/settings_store.h"

namespace orlevant {

const std::array<std::string, frmTips::kTipCount>& frmTips::TipTitles() {
  static const std::array<std::string, kTipCount> titles = {
      "Entering Events",
      "Edit Dialog",
      "Right Clicking Active Day",
      "Preferences Dialog Box",
      "Setting Reminders",
      "Compact or Expand Part 1",
      "Compact or Expand Part 2",
      "Advancing by Months",
      "Advancing by Years",
      "Changing Planner Size",
      "Changing Colours",
      "Changing the Week Start Day",
      "Function Keys",
      "Minimizing to System Tray"};
  return titles;
}

const std::array<std::string, frmTips::kTipCount>& frmTips::TipTexts() {
  static const std::array<std::string, kTipCount> texts = {
      // 0
      "Double Click on any Active Day to enter events for that specific day.\r\n"
      "\r\n"
      "You could also Right Click the Active Day and choose 'Edit' from the Context Menu.\r\n"
      "\r\n"
      "See 'Edit Dialog' for further details.",
      // 1
      "You have 5 options for entering Events.\r\n"
      "\r\n"
      "Enter an event in any of text box controls.\r\n"
      "\r\n"
      "1. Today Only - only for this day\r\n"
      "2. Weekly - every Week on this Day of Week (Sun - Sat)\r\n"
      "3. Monthly - every Month on this day\r\n"
      "4. Quarterly - every Quarter on this day\r\n"
      "5. Yearly - every Year on this day\r\n"
      "\r\n"
      "Each event, except Today Only, has a second option\r\n"
      "for selecting specific Days of the Week.",
      // 2
      "This will show the Context Menu.\r\n"
      "\r\n"
      "Choose:\r\n"
      "\r\n"
      " 'Edit' - Edit or Enter New Events.\r\n"
      " 'Quick Reminders' - Limited choice of Reminder Settings.\r\n"
      " 'Reminders' - Set Reminders for Future Events.\r\n"
      " 'Preferences' - Change the Functions and Appearance \r\n"
      "          of the Planner.\r\n"
      " 'Print' - Print Planner.\r\n"
      " 'Exit' - Close the Planner Program.",
      // 3
      "This is where you make changes to the Function and Appearance of the Planner.\r\n"
      "\r\n"
      "Right Click any Active Day to show the Context Menu and Choose Preferences.\r\n"
      "\r\n"
      "Click the various Tabs to view the possiblities. There are many!\r\n"
      "\r\n"
      "A short description for each option will appear in the lower portion of the Preferences Dialog Box.",
      // 4
      "Right Click on any Active Day to bring up the Context Menu and select Reminders, or Left Click the small green or red Reminder icon if present in the day box.\r\n"
      "\r\n"
      "You must enable Reminders on the Dialog Box to activate them, then you can activate any of the 3 Reminder Settings:\r\n"
      "        Every (1-31) Day(s) Before Event\r\n"
      "        Every (1-12) Hour(s)\r\n"
      "        Every (10-30 Minute(s)\r\n"
      "\r\n"
      "You can also use Quick Reminders from the Context Menu to set a limited number of time settings.",
      // 5
      "A Compacted Planner shows only the Title Bar.\r\n"
      "\r\n"
      "You would use this mode to get the Planner out of your way if you need to see the Desktop.\r\n"
      "\r\n"
      "An Expanded Planner shows a full view of the current month.\r\n"
      "\r\n"
      "\r\n"
      "\r\n"
      "How to Compact or Expand the Planner is the next tip!",
      // 6
      "How to Compact or Expand the Planner.\r\n"
      "\r\n"
      "Double Click the Date to Compact or Expand the Planner.\r\n"
      "\r\n"
      "Double Clicking the Date toggles between a Compacted and an Expanded Planner.\r\n"
      "\r\n"
      "Note: Right Clicking a Compacted Planner will give a Context Menu to Expand the Planner. This Context Menu also allows you to minimize the Planner to the System Tray.",
      // 7
      "Left Click the < symbol for the Previous Month.\r\n"
      "\r\n"
      "Left Click the > symbol for the Next Month.\r\n"
      "\r\n"
      "Right Click the < or > symbol to show a Context Menu for all months of the year.",
      // 8
      "Right Click an Expanded Planner to show a Context Menu containing 2 prior Years, Today, and 2 later Years.",
      // 9
      "Right Click on any Weekday and choose...\r\n"
      "\r\n"
      "Small Planner: Shows a very small Planner with only the Dates visible.\r\n"
      "\r\n"
      "Medium Planner: Shows a Planner about half the screen size and will have your events visible in each Date.\r\n"
      "\r\n"
      "Large Planner: Shows the largest Planner with the greatest amount of space to view your events.",
      // 10
      "To change the Colour Scheme for many areas of the Planner open the Preferences Dialog Box.\r\n"
      "\r\n"
      "In the Preferences Dialog Box click the Colours Tab.\r\n"
      "\r\n"
      "Left or Right Click the Colour Preview diagram in various places to show the Colour Dialog Box and make any changes you like.\r\n"
      "\r\n"
      "Left Clicking changes the Font Colours.\r\n"
      "\r\n"
      "Right Clicking changes the Background Colours.",
      // 11
      "Right Click on any Weekday and choose Set as Week Start Day.\r\n"
      "\r\n"
      "This moves the Weekday to the first column of the Planner.",
      // 12
      "Use these Function Keys for Quick Action.\r\n"
      "F1 - Preferences Dialog\r\n"
      "F2 - Tips on Orlevant\r\n"
      "F3 - Reminder Dialog\r\n"
      "F4 - Exit Program\r\n"
      "F5 - Print Dialog\r\n"
      "F6 - Small Planner\r\n"
      "F7 - Medium Planner\r\n"
      "F8 - Large Planner\r\n"
      "F9 - Compact/Expand Planner\r\n"
      "F10 - Previous Month\r\n"
      "F11 - Current Month\r\n"
      "F12 - Next Month\r\n"
      "Ctrl + Z - Minimize to System Tray",
      // 13
      "The Planner can be minimized to the System Tray so it can be completely removed from the Desktop.\r\n"
      "\r\n"
      "Right Click on any In-Active Day or on the Compacted Planner.\r\n"
      "\r\n"
      "Pressing Ctrl + Z at any time, or Double Clicking on an In-Active Day will also minimize the Planner.\r\n"
      "\r\n"
      "Restore the Planner back to the Desktop by Left or Right clicking the Tray Icon."};
  return texts;
}

frmTips::frmTips(Settings& settings, SettingsStore& store, QWidget* parent)
    : QDialog(parent), settings_(settings), store_(store) {
  setObjectName(QStringLiteral("frmTips"));
  setModal(true);

  lstCategory = new QListWidget(this);
  lstCategory->setObjectName(QStringLiteral("lstCategory"));
  lstCategory->setFixedWidth(200);

  Frame1 = new QGroupBox(QStringLiteral("Tips On Using Orlevant"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  imgQMark = new QLabel(Frame1);
  imgQMark->setObjectName(QStringLiteral("imgQMark"));
  imgQMark->setPixmap(DrawMenuIcon("Tips", 32));
  imgQMark->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  lblTips = new QLabel(Frame1);
  lblTips->setObjectName(QStringLiteral("lblTips"));
  lblTips->setTextFormat(Qt::PlainText);
  lblTips->setWordWrap(true);
  lblTips->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  lblTips->setMinimumWidth(360);
  auto* frameLayout = new QHBoxLayout(Frame1);
  frameLayout->addWidget(imgQMark, 0, Qt::AlignTop);
  frameLayout->addWidget(lblTips, 1);

  chkShowTips = new QCheckBox(QStringLiteral("Show Tips Icon on Planner"), this);
  chkShowTips->setObjectName(QStringLiteral("chkShowTips"));
  chkRemember = new QCheckBox(QStringLiteral("Remember Last Tip Used"), this);
  chkRemember->setObjectName(QStringLiteral("chkRemember"));
  cmdExit = new QPushButton(QStringLiteral("Exit"), this);
  cmdExit->setObjectName(QStringLiteral("cmdExit"));
  cmdExit->setDefault(true);

  auto* top = new QHBoxLayout;
  top->addWidget(lstCategory);
  top->addWidget(Frame1, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(chkShowTips);
  bottom->addWidget(chkRemember);
  bottom->addStretch(1);
  bottom->addWidget(cmdExit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(bottom);
  resize(660, 380);
  UseFixedDialogFrame(*this);

  connect(lstCategory, &QListWidget::currentRowChanged, this, [this] { lstCategory_Click(); });
  connect(chkRemember, &QCheckBox::toggled, this, [this] { chkRemember_Click(); });
  connect(chkShowTips, &QCheckBox::toggled, this, [this] { chkShowTips_Click(); });
  connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

  Form_Load();
}

void frmTips::Form_Load() {
  setWindowTitle(QString::fromStdString(AppTitle() + " - Tips  "));

  // Values a hand edit put out of range (an "Oldx" past the last tip, say) read as their defaults.
  const Settings stored = LoadSettings(store_);
  settings_.RememberTips = stored.RememberTips;
  settings_.Oldx = stored.Oldx;

  chkRemember->setChecked(settings_.RememberTips == 1);
  chkRemember_Click();
  chkShowTips->setChecked(settings_.ShowTips == 1);
  chkShowTips_Click();

  for (const std::string& title : TipTitles()) lstCategory->addItem(QString::fromStdString(title));

  tipIndex_ = settings_.RememberTips == 1 ? settings_.Oldx : 0;
  if (tipIndex_ < 0 || tipIndex_ >= kTipCount) tipIndex_ = 0;
  lstCategory->setCurrentRow(tipIndex_);
}

void frmTips::lstCategory_Click() {
  const int row = lstCategory->currentRow();
  if (row < 0 || row >= kTipCount) return;
  lblTips->setText(DisplayText(TipTexts()[static_cast<std::size_t>(row)]));
  settings_.Oldx = row;
}

void frmTips::chkRemember_Click() { settings_.RememberTips = chkRemember->isChecked() ? 1 : 0; }

void frmTips::chkShowTips_Click() { settings_.ShowTips = chkShowTips->isChecked() ? 1 : 0; }

void frmTips::cmdExit_Click() { accept(); }

void frmTips::Form_Unload() {
  SaveSetting(store_, "RememberTips", settings_.RememberTips);
  SaveSetting(store_, "Oldx", settings_.Oldx);
  SaveSetting(store_, "ShowTips", settings_.ShowTips);
}

frmTips::~frmTips() {
  if (isVisible()) Form_Unload();
}

void frmTips::done(int result) {
  Form_Unload();
  QDialog::done(result);
}

}  // namespace orlevant
